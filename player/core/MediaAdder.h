// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/PlaybackState.h"
#include "core/VideoRequest.h"

#include <QObject>
#include <QString>
#include <QStringList>

class EngineHost;
class PlaybackClock;
class PlaylistModel;
class Prompts;

// Adding media to the playlist: a file, a folder, the tracks of a video CD,
// and playing the video CD at once (the add menu's and the shortcut menu's
// items).
class MediaAdder : public QObject {
    Q_OBJECT
public:
    // What adding needs of the player it belongs to: the video CD drive, the
    // open that also sets the position slider's range, the title, the video
    // window and the news that the disc started. The core answers.
    class Player {
    public:
        virtual ~Player() = default;
        virtual QString VcdDrive() const = 0;
        virtual bool openMedia(const QString& path) = 0;
        virtual QString selectionCaption() const = 0;
        virtual void setTitle(const QString& text) = 0;
        virtual void requestVideo(VideoRequest request) = 0;
        virtual void actionDone(PlaybackState::Action action) = 0;
    };

    // Playing a video CD at once shows its length on the clock.
    MediaAdder(Player& player, PlaylistModel& playlist, EngineHost& engines, Prompts& prompts,
        PlaybackClock& clock);

    void mnuFile_Click();
    void mnuAddDir_Click();
    void mnuAddVCD_Click();
    void mnuAutoVCD_Click();

    // The mount point, with a trailing "/", of the first mounted optical disc
    // listed in the mount table; "" when there is none or the table cannot be read.
    static QString FindCdDrive(const QString& mountTable = QStringLiteral("/proc/self/mounts"));

    // The video CD tracks under drive (a mount point ending in "/", or "" to
    // search from the current folder): the files avseq*.* of the folder mpegav,
    // both matched without regard to case, spelt as the file system spells them.
    static QStringList VcdTracks(const QString& drive);

private:
    Player& m_player;
    PlaylistModel& m_playlist;
    EngineHost& m_engines;
    Prompts& m_prompts;
    PlaybackClock& m_clock;
};
