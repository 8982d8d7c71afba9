// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/Prompts.h"

// Prompts that pass each question on to the seam in force when it is asked.
// The window tests make their scripted prompts before or after the window and
// its core, so the core they make is handed these.
class PromptsInForce : public Prompts {
public:
    Answer message(QWidget* owner, const QString& text, const QString& title, Buttons buttons,
                   Icon icon) override;
    std::optional<FileResult> fileDialog(const FileRequest& request) override;
    std::optional<QString> folderDialog(QWidget* owner, const QString& prompt,
                                        const QString& startDir) override;
};
