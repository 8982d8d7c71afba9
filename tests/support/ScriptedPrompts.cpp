// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/ScriptedPrompts.h"

ScriptedPrompts::ScriptedPrompts(Seam seam)
    : m_seam(seam)
{
    if (m_seam == Seam::InForce)
        Prompts::setCurrent(this);
}

ScriptedPrompts::~ScriptedPrompts()
{
    if (m_seam == Seam::InForce)
        Prompts::setCurrent(nullptr);
}

Prompts::Answer ScriptedPrompts::message(QWidget*, const QString& text, const QString& title,
                                         Buttons buttons, Icon icon)
{
    messages.append({ text, title, buttons, icon });
    return answers.isEmpty() ? Answer::Ok : answers.dequeue();
}

std::optional<Prompts::FileResult> ScriptedPrompts::fileDialog(const FileRequest& request)
{
    fileRequests.append(request);
    return files.isEmpty() ? std::nullopt : files.dequeue();
}

std::optional<QString> ScriptedPrompts::folderDialog(QWidget*, const QString& prompt,
                                                     const QString&)
{
    folderPrompts << prompt;
    return folders.isEmpty() ? std::nullopt : folders.dequeue();
}
