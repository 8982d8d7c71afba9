// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/TransportController.h"

#include "core/EngineHost.h"
#include "core/MediaEngine.h"
#include "core/MediaFilter.h"
#include "core/MediaKind.h"
#include "core/PlaybackClock.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"

using Action = PlaybackState::Action;

TransportController::TransportController(Player& player, PlaylistModel& playlist,
    EngineHost& engines, Prompts& prompts, Sequencer& sequencer, PlaybackClock& clock)
    : m_player(player)
    , m_playlist(playlist)
    , m_engines(engines)
    , m_prompts(prompts)
    , m_sequencer(sequencer)
    , m_clock(clock)
{
}

// Plays what is open, or starts the next entry when nothing is. This never
// shows the video window, and leaves Paused as it is.
void TransportController::cmdPlay_Click()
{
    MediaEngine& engine = m_engines.engine();
    const bool hadFile = !engine.FileName().isEmpty();
    if (hadFile)
        engine.Play();
    else
        m_sequencer.cmdForward_Click();

    if (MediaKind::endsIn(m_engines.engine().FileName(), MediaKind::List::AudioAtStart))
        m_player.requestVideo(VideoRequest::Hide);

    const int selected = m_playlist.ListIndex();
    m_playlist.setCurrentTrack(short(selected >= 0 ? selected : 0));
    m_clock.ShowDuration();
    m_player.actionDone(hadFile ? Action::Play : Action::Start);
}

// Only this button changes Paused. A track resumed in another way while the
// flag is set still counts as paused: the next press calls Play (no visible
// change) and clears the flag; the press after that pauses.
void TransportController::cmdPause_Click()
{
    MediaEngine& engine = m_engines.engine();
    if (engine.FileName().isEmpty())
        return;
    if (m_player.Paused()) {
        engine.Play();
        m_player.setPaused(false);
    } else {
        engine.Pause();
        m_player.setPaused(true);
    }
    m_player.actionDone(m_player.Paused() ? Action::Pause : Action::Resume);
}

// Stop does not rewind by itself; the position slider and the time text
// follow at the next periodic update.
void TransportController::cmdStop_Click()
{
    // Stop also ends a run of failing entries that is still being tried.
    m_sequencer.cancelMoveOn();
    MediaEngine& engine = m_engines.engine();
    if (engine.FileName().isEmpty())
        return;
    engine.Stop();
    engine.setCurrentPosition(0);
    m_player.actionDone(Action::Stop);
}

void TransportController::cmdOpen_Click()
{
    OpenFile();
}

// A cancelled dialog keeps the playlist; the video window, Next and Play run
// either way, so the player then moves on in the old playlist.
void TransportController::OpenFile()
{
    m_sequencer.cancelMoveOn();
    m_engines.engine().Stop();
    const QString chosen = chooseMediaFile(m_prompts, nullptr);
    if (!chosen.isEmpty()) {
        m_playlist.Clear();
        m_playlist.Append(chosen);
        // The chosen file is the playlist's only entry: Next must land on it
        // whatever the track played before (a track 0 would otherwise count as
        // the end of the list and nothing would start without repeat).
        m_playlist.setCurrentTrack(-1);
    }
    m_player.requestVideo(VideoRequest::Show);
    m_sequencer.cmdForward_Click();
    cmdPlay_Click();
}
