// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/DesktopIntegration.h"

#include "core/MediaEngine.h"
#include "core/PlayerCore.h"
#include "core/FileNameCodec.h"
#include "core/FolderScan.h"
#include "core/LocalFile.h"
#include "core/MediaFilter.h"
#include "core/PlaylistFile.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "desktop/CommandLine.h"
#include "desktop/DropHandler.h"
#include "desktop/MprisService.h"

#include <QAbstractEventDispatcher>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QWidget>

#include <cstdio>

DesktopIntegration::DesktopIntegration(PlayerCore& core, QWidget& window,
                                       const QList<QWidget*>& dropTargets, const QStringList& arguments)
    : QObject(nullptr)
    , m_core(core)
    , m_window(window)
{
    const CommandLine commandLine = CommandLine::parse(arguments, QDir::currentPath());
    for (const QString& warning : commandLine.warnings)
        std::fprintf(stderr, "%s\n", warning.toLocal8Bit().constData());
    m_pendingPaths = commandLine.paths;
    if (!m_pendingPaths.isEmpty())
        m_window.installEventFilter(this);

    m_mpris = MprisService::start(core, window);
    m_dropHandler = new DropHandler(core, window, dropTargets);
}

DesktopIntegration::~DesktopIntegration() = default;

bool DesktopIntegration::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::Show) {
        m_window.removeEventFilter(this);
        // The main window shows itself in the middle of its load, which then
        // restores the last playlist. The files wait until the event loop has
        // nothing left to do and is about to sleep: the load is over by then
        // (the load may let pending events run, but never waits for new ones).
        auto* dispatcher = QAbstractEventDispatcher::instance();
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                              [this, connection] {
                                  disconnect(*connection);
                                  openCommandLineFiles();
                              });
    }
    return QObject::eventFilter(watched, event);
}

void DesktopIntegration::openCommandLineFiles()
{
    QStringList skipped;
    const QStringList entries = mediaEntries(std::exchange(m_pendingPaths, {}), &skipped);
    for (const QString& path : skipped)
        std::fprintf(stderr, "velkor-player : fichier introuvable, ignoré : %s\n",
                     FileNameCodec::encode(path).constData());
    m_core.sequencer().replaceAndPlay(entries);
}

QStringList DesktopIntegration::mediaEntries(const QStringList& paths, QStringList* skipped)
{
    QStringList entries;
    for (const QString& path : paths) {
        const LocalFile::Info info = LocalFile::stat(path);
        if (info.isDir) {
            entries << folderMediaEntries(path);
        } else if (info.isFile && isPlaylistFile(path)) {
            // A playlist stands for its entries, read as "&Charger" reads them.
            if (const std::optional<QStringList> listed = PlaylistFile::read(path))
                entries << *listed;
            else if (skipped)
                *skipped << path;
        } else if (info.isFile) {
            entries << path;
        }
        else if (skipped)
            *skipped << path;
    }
    return entries;
}

bool DesktopIntegration::isPlaylistFile(const QString& path)
{
    return path.endsWith(QLatin1String(".lst"), Qt::CaseInsensitive);
}

QStringList DesktopIntegration::folderMediaEntries(const QString& folder)
{
    return FolderScan::scan(folder, ScanPatterns);
}

