// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class MprisService;
class PlayerCore;
class QWidget;
class DropHandler;

// What the player offers a Linux desktop beyond its own window: files given on
// the command line (as a file manager passes them), MPRIS on the session bus,
// and files and folders dropped on the window or the playlist.
class DesktopIntegration : public QObject {
    Q_OBJECT
public:
    // `arguments` is the program's command line after Qt took its own options.
    // Files given there replace the playlist and the first one starts once the
    // main window has finished loading; without files nothing changes.
    // Drops are taken on window and dropTargets (the playlist's viewport).
    DesktopIntegration(PlayerCore& core, QWidget& window, const QList<QWidget*>& dropTargets,
                       const QStringList& arguments);
    ~DesktopIntegration() override;

    MprisService* mpris() const { return m_mpris.get(); }

    // Paths turned into playlist entries: a folder gives its media files as
    // "Ajouter un répertoir" does, a playlist file (.lst) its entries as
    // "&Charger" reads them, any other file stands for itself; anything else
    // (missing, unreadable, a device) is left out and listed in `skipped`.
    static QStringList mediaEntries(const QStringList& paths, QStringList* skipped = nullptr);

    // The media files of one folder, as the folder scan of "Ajouter un
    // répertoir" lists them.
    static QStringList folderMediaEntries(const QString& folder);

    // Whether a file is read as a playlist (its name ends in .lst).
    static bool isPlaylistFile(const QString& path);

    // Runs the command line's files now (main() waits for the end of start-up).
    void openCommandLineFiles();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PlayerCore& m_core;
    QWidget& m_window;
    QStringList m_pendingPaths;
    std::unique_ptr<MprisService> m_mpris;
    DropHandler* m_dropHandler = nullptr;
};
