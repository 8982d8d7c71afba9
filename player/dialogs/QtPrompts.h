// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/Prompts.h"

// Prompts on Qt's own message boxes, file dialogs and folder picker.
class QtPrompts : public Prompts {
public:
    Answer message(QWidget* owner, const QString& text, const QString& title, Buttons buttons,
                   Icon icon) override;
    std::optional<FileResult> fileDialog(const FileRequest& request) override;
    std::optional<QString> folderDialog(QWidget* owner, const QString& prompt,
                                        const QString& startDir) override;

    // Makes Qt's dialogs the seam in force whenever no test installed its own.
    static void installAsDefault();
};
