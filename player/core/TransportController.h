// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/PlaybackState.h"
#include "core/VideoRequest.h"

#include <QObject>

class EngineHost;
class PlaybackClock;
class PlaylistModel;
class Prompts;
class Sequencer;

// The transport: open, play, pause and stop.
class TransportController : public QObject {
    Q_OBJECT
public:
    // What the transport needs of the player it belongs to: the Paused flag,
    // which only the pause button changes, the requests to the video window
    // and the news of each action. The core answers.
    class Player {
    public:
        virtual ~Player() = default;
        virtual bool Paused() const = 0;
        virtual void setPaused(bool paused) = 0;
        virtual void requestVideo(VideoRequest request) = 0;
        virtual void actionDone(PlaybackState::Action action) = 0;
    };

    // Play and Open go on with the sequencer's next entry, and Stop ends its
    // run of failing entries; Play shows the media's length on the clock.
    TransportController(Player& player, PlaylistModel& playlist, EngineHost& engines,
        Prompts& prompts, Sequencer& sequencer, PlaybackClock& clock);

    void cmdPlay_Click();
    void cmdPause_Click();
    void cmdStop_Click();
    void cmdOpen_Click();
    // Asks for one file, makes it the whole playlist and plays it.
    void OpenFile();

private:
    Player& m_player;
    PlaylistModel& m_playlist;
    EngineHost& m_engines;
    Prompts& m_prompts;
    Sequencer& m_sequencer;
    PlaybackClock& m_clock;
};
