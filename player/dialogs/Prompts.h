// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

#include <optional>

class QWidget;

// The one seam through which the player waits for a person: message boxes, the
// open and save file dialogs and the folder picker. The product uses Qt's
// dialogs (QtPrompts); tests install a scripted implementation so that no test
// ever blocks on a modal window.
class Prompts {
public:
    enum class Buttons { Ok, OkCancel };
    enum class Icon { None, Error, Information, Warning };
    enum class Answer { Ok, Cancel };

    // One choice of a file dialog's type list: the description as shown and its
    // wildcard patterns ("*.mp3").
    struct FileFilter {
        QString description;
        QStringList patterns;
        bool operator==(const FileFilter&) const = default;
    };

    struct FileRequest {
        bool save = false;
        QWidget* owner = nullptr;
        QString title;        // empty: the dialog's own title
        QString initialDir;
        QString fileName;     // initial name
        QString defaultSuffix;
        QList<FileFilter> filters;
        int filterIndex = 0;  // 0-based index of the selected choice
    };

    struct FileResult {
        QString path;         // the chosen file's full path
        int filterIndex = 0;  // 0-based index of the choice in force
    };

    virtual ~Prompts() = default;

    virtual Answer message(QWidget* owner, const QString& text, const QString& title,
                           Buttons buttons, Icon icon) = 0;
    // std::nullopt when the person cancelled.
    virtual std::optional<FileResult> fileDialog(const FileRequest& request) = 0;
    virtual std::optional<QString> folderDialog(QWidget* owner, const QString& prompt,
                                                const QString& startDir) = 0;

    // The seam in force for the windows' own dialogs (cDlgcom made without
    // prompts of its own) and the slider's messages: the one a test installed,
    // else the default (Qt's dialogs once a window exists), else one that
    // answers Cancel to everything, since no person can be asked.
    // setCurrent(nullptr) goes back to the default. The core does not use it:
    // it is handed its prompts when it is made.
    static Prompts& current();
    static void setCurrent(Prompts* prompts);
    static void setDefault(Prompts* prompts);
};
