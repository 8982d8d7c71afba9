// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/PromptsInForce.h"

Prompts::Answer PromptsInForce::message(QWidget* owner, const QString& text, const QString& title,
                                        Buttons buttons, Icon icon)
{
    return Prompts::current().message(owner, text, title, buttons, icon);
}

std::optional<Prompts::FileResult> PromptsInForce::fileDialog(const FileRequest& request)
{
    return Prompts::current().fileDialog(request);
}

std::optional<QString> PromptsInForce::folderDialog(QWidget* owner, const QString& prompt,
                                                    const QString& startDir)
{
    return Prompts::current().folderDialog(owner, prompt, startDir);
}
