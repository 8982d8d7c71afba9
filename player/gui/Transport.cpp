#include "gui/Transport.h"

#include "core/MediaEngine.h"
#include "core/MediaKind.h"
#include "gui/PeriodicUpdate.h"
#include "gui/frmPlayer.h"
#include "core/MediaFilter.h"
#include "gui/Playlist.h"
#include "gui/TrackSelection.h"
#include "gui/frmMain.h"
#include "gui/VelkorCmd.h"

Transport::Transport(frmMain& main)
    : m_main(main)
{
    connect(m_main.cmdPlay, &VelkorCmd::Click, this, &Transport::cmdPlay_Click);
    connect(m_main.cmdPause, &VelkorCmd::Click, this, &Transport::cmdPause_Click);
    connect(m_main.cmdStop, &VelkorCmd::Click, this, &Transport::cmdStop_Click);
    connect(m_main.cmdOpen, &VelkorCmd::Click, this, &Transport::cmdOpen_Click);
}

// Plays what is open, or starts the next entry when nothing is. This never
// shows the video window, and leaves Paused as it is.
void Transport::cmdPlay_Click()
{
    MediaEngine& engine = m_main.engine();
    if (!engine.FileName().isEmpty())
        engine.Play();
    else
        m_main.trackSelection().cmdForward_Click();

    if (MediaKind::endsIn(m_main.engine().FileName(), MediaKind::List::AudioAtStart))
        m_main.videoWindow().hide();

    const int selected = m_main.playlist().ListIndex();
    m_main.playlist().setCurrentTrack(short(selected >= 0 ? selected : 0));
    m_main.periodicUpdate().ShowDuration();
}

// Only this button changes Paused. A track resumed in another way while the
// flag is set still counts as paused: the next press calls Play (no visible
// change) and clears the flag; the press after that pauses.
void Transport::cmdPause_Click()
{
    MediaEngine& engine = m_main.engine();
    if (engine.FileName().isEmpty())
        return;
    if (m_main.Paused) {
        engine.Play();
        m_main.Paused = false;
    } else {
        engine.Pause();
        m_main.Paused = true;
    }
}

// Stop does not rewind by itself; the position slider and the time text
// follow at the next periodic update.
void Transport::cmdStop_Click()
{
    MediaEngine& engine = m_main.engine();
    if (engine.FileName().isEmpty())
        return;
    engine.Stop();
    engine.setCurrentPosition(0);
}

void Transport::cmdOpen_Click()
{
    OpenFile();
}

// A cancelled dialog keeps the playlist; the video window, Next and Play run
// either way, so the player then moves on in the old playlist.
void Transport::OpenFile()
{
    m_main.engine().Stop();
    const QString chosen = chooseMediaFile(&m_main);
    if (!chosen.isEmpty()) {
        Playlist& playlist = m_main.playlist();
        playlist.Clear();
        playlist.Append(chosen);
        // The chosen file is the playlist's only entry: Next must land on it
        // whatever the track played before (a track 0 would otherwise count as
        // the end of the list and nothing would start without repeat).
        playlist.setCurrentTrack(-1);
    }
    m_main.videoWindow().show();
    m_main.trackSelection().cmdForward_Click();
    cmdPlay_Click();
}

