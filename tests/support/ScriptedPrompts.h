// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/Prompts.h"

#include <QList>
#include <QQueue>

// Prompts for tests: it records every question and answers from queues. An
// empty queue answers Ok / cancels. Unless told otherwise it is also the seam
// in force for its lifetime, for the windows' own dialogs. The core's tests
// only hand it to the core (HandedOnly), so a question the core asked anywhere
// else would go unrecorded.
class ScriptedPrompts : public Prompts {
public:
    enum class Seam { InForce, HandedOnly };

    struct Message {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
    };

    explicit ScriptedPrompts(Seam seam = Seam::InForce);
    ~ScriptedPrompts() override;

    QQueue<Answer> answers;                            // for message()
    QQueue<std::optional<FileResult>> files;          // for fileDialog()
    QQueue<std::optional<QString>> folders;           // for folderDialog()

    QList<Message> messages;
    QList<FileRequest> fileRequests;
    QStringList folderPrompts;

    Answer message(QWidget* owner, const QString& text, const QString& title, Buttons buttons,
                   Icon icon) override;
    std::optional<FileResult> fileDialog(const FileRequest& request) override;
    std::optional<QString> folderDialog(QWidget* owner, const QString& prompt,
                                        const QString& startDir) override;

    // Convenience: queue a chosen file, or a cancel.
    void chooseFile(const QString& path) { files.enqueue(FileResult { path, 0 }); }
    void cancelFile() { files.enqueue(std::nullopt); }

private:
    Seam m_seam;
};
