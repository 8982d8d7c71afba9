// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MediaAdder.h"

#include "core/CdDrive.h"
#include "core/EngineHost.h"
#include "core/FolderScan.h"
#include "core/MediaEngine.h"
#include "core/MediaFilter.h"
#include "core/PlaybackClock.h"
#include "core/PlaylistModel.h"
#include "dialogs/Prompts.h"

#include <QFile>

namespace {

const QString kFolderPrompt = QStringLiteral(
    "Velkor Player 2.0 va chercher les fichiers multimédia dans le répertoire selectionné :");
// The largest mount table read; a real one is a few kilobytes.
constexpr qint64 kMaxMountTable = 1 << 20;

} // namespace

MediaAdder::MediaAdder(Player& player, PlaylistModel& playlist, EngineHost& engines,
    Prompts& prompts, PlaybackClock& clock)
    : m_player(player)
    , m_playlist(playlist)
    , m_engines(engines)
    , m_prompts(prompts)
    , m_clock(clock)
{
}

void MediaAdder::mnuFile_Click()
{
    const QString path = chooseMediaFile(m_prompts, nullptr);
    if (!path.isEmpty())
        m_playlist.Append(path);
    // Shown also after a cancel: the video window is where the player plays.
    m_player.requestVideo(VideoRequest::Show);
}

void MediaAdder::mnuAddDir_Click()
{
    const QString folder
        = m_prompts.folderDialog(nullptr, kFolderPrompt, QString()).value_or(QString());
    if (folder.isEmpty())
        return;
    // One append for the whole folder: the list redraws once, not per file.
    const QStringList entries = FolderScan::scan(folder, ScanPatterns);
    if (!entries.isEmpty())
        m_playlist.AppendMany(entries);
}

QStringList MediaAdder::VcdTracks(const QString& drive)
{
    const QString mpegav = FolderScan::subFolder(drive, QStringLiteral("mpegav"));
    if (mpegav.isEmpty())
        return {};
    return FolderScan::scan(FolderScan::join(drive, mpegav), { QStringLiteral("avseq*.*") });
}

void MediaAdder::mnuAddVCD_Click()
{
    const QStringList tracks = VcdTracks(m_player.VcdDrive().trimmed());
    if (!tracks.isEmpty())
        m_playlist.AppendMany(tracks);
}

// Replaces the playlist with the disc's tracks and plays the first; an error
// is told to the user, since this is a request to play that disc now.
void MediaAdder::mnuAutoVCD_Click()
{
    const QStringList tracks = VcdTracks(m_player.VcdDrive().trimmed());
    if (tracks.isEmpty())
        return;
    m_playlist.Clear();
    m_playlist.AppendMany(tracks);

    const bool opened = m_player.openMedia(m_playlist.Entry(0));
    m_player.setTitle(QStringLiteral(" - Velkor Player 2.0 - ") + m_player.selectionCaption()
        + QString(45, QLatin1Char(' ')));
    MediaEngine& engine = m_engines.engine();
    if (!opened) {
        m_prompts.message(nullptr, engine.ErrorDescription(), QStringLiteral("Error"),
            Prompts::Buttons::Ok, Prompts::Icon::None);
    }
    m_clock.ShowDuration();
    m_player.requestVideo(VideoRequest::Show);
    engine.Play();
    m_player.actionDone(PlaybackState::Action::Start);
}

QString MediaAdder::FindCdDrive(const QString& mountTable)
{
    QFile table(mountTable);
    if (!table.open(QIODevice::ReadOnly))
        return QString();
    return CdDrive::fromMountTable(table.read(kMaxMountTable));
}
