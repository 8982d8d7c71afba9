// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/Prompts.h"

#include <QString>

class QWidget;

// The open-file, save-file and folder dialogs behind plain properties: set what
// is needed (Filter, FileName, ...), call ShowOpen, ShowSave or ShowOpenFolder,
// then read FileName, FileTitle or Folder. One object serves one dialog. The
// dialogs themselves come from the prompts seam, so tests script them.
class cDlgcom {
public:
    // The dialogs come from the prompts in force (the windows' own dialogs).
    cDlgcom() = default;
    // The dialogs come from the prompts given (the core's).
    explicit cDlgcom(Prompts& prompts);

    // Why the last Show* call did not show its dialog.
    enum class Error { None, NameTooLong };

    // The longest path the system accepts, in bytes.
    static constexpr int kMaxPathBytes = 4096;

    bool ShowOpen();
    bool ShowSave();
    bool ShowOpenFolder();

    // The folder chosen by ShowOpenFolder, or the folder of the last chosen
    // file (without a trailing "/").
    QString Folder() const { return m_folder; }
    // Initial name of the file dialogs; after a choice, the chosen full path.
    QString FileName() const { return m_fileName; }
    void setFileName(const QString& value) { m_fileName = value; }
    // Title of the file dialogs and prompt of the folder picker.
    QString DialogTitle() const { return m_dialogTitle; }
    void setDialogTitle(const QString& value) { m_dialogTitle = value; }
    // Option bits of the file dialogs; after a choice, the bits in force.
    qint32 Flags() const { return m_flags; }
    void setFlags(qint32 value) { m_flags = value; }
    // The window that owns every dialog.
    QWidget* hdcOwner() const { return m_owner; }
    void sethdcOwner(QWidget* owner) { m_owner = owner; }
    // Descriptions and patterns in pairs, separated by "|"; several patterns of
    // one choice are separated by ";".
    QString Filter() const { return m_filter; }
    void setFilter(const QString& value) { m_filter = value; }
    // 1-based index of the choice selected when a file dialog opens.
    qint32 FilterIndex() const { return m_filterIndex; }
    void setFilterIndex(qint32 value) { m_filterIndex = value; }
    QString InitDir() const { return m_initDir; }
    void setInitDir(const QString& value) { m_initDir = value; }
    // The chosen file's name without its folder.
    QString FileTitle() const { return m_fileTitle; }
    QString DefaultEx() const { return m_defaultEx; }
    void setDefaultEx(const QString& value) { m_defaultEx = value; }

    Error LastError() const { return m_error; }

    // "desc|pat;pat|desc|pat" as the dialog's list of choices; descriptions
    // keep their blanks, a description without a pattern ends the list.
    static QList<Prompts::FileFilter> filtersFromText(const QString& filter);

private:
    bool ShowFileDialog(bool openMode);
    Prompts& prompts() const;

    Prompts* m_prompts = nullptr;
    QString m_folder;
    QString m_fileName;
    QString m_dialogTitle;
    qint32 m_flags = 0;
    QWidget* m_owner = nullptr;
    QString m_filter;
    qint32 m_filterIndex = 0;
    QString m_initDir;
    QString m_fileTitle;
    QString m_defaultEx;
    Error m_error = Error::None;
};
