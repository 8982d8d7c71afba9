#pragma once

#include "core/EngineHost.h"
#include "core/PlaybackState.h"

#include <QObject>
#include <QString>

#include <memory>

class Levels;
class MediaAdder;
class PlaybackClock;
class PlaylistModel;
class Sequencer;
class TransportController;

// The player without its windows: the playlist, the engine's host, the
// player's flags and what the views show, and the subsystems whose handlers
// carry the published names (Sequencer::cmdForward_Click,
// TransportController::cmdPlay_Click, PlaybackClock::tmrAnimate_Timer, ...).
// Windows forward their events to those handlers and show the signals below;
// the desktop (MPRIS, command line) drives the same handlers.
class PlayerCore : public QObject {
    Q_OBJECT
public:
    // What the core asks of the video window.
    enum class VideoRequest { Show, Hide, Repaint, Minimise };

    explicit PlayerCore(EngineHost::Factory engineFactory, QObject* parent = nullptr);
    ~PlayerCore() override;

    EngineHost& engineHost() { return *m_engineHost; }
    MediaEngine& engine() { return m_engineHost->engine(); }
    PlaylistModel& playlist() { return *m_playlist; }
    Sequencer& sequencer() { return *m_sequencer; }
    TransportController& transport() { return *m_transport; }
    PlaybackClock& clock() { return *m_clock; }
    Levels& levels() { return *m_levels; }
    MediaAdder& adder() { return *m_adder; }

    // Flags of the player.
    bool Shuffle = false;
    bool RepeatOn = false;
    bool TimeMode = true;
    bool Paused = false;
    bool OnTopWanted = false;
    bool OnTopApplied = false;
    bool OnTopSuspended = false;
    QString VcdDrive;
    // The seek guard of the position slider (its tag text): "", "False", "True".
    QString scrlTimeTag;

    // The scrolling title (txtTitle) and the selected entry's caption (txtFN).
    QString title() const { return m_title; }
    void setTitle(const QString& text);
    QString selectionCaption() const { return m_selectionCaption; }
    void setSelectionCaption(const QString& text);
    // The playlist's selection changed: its caption names the selected file.
    void lstPlay_Click();

    // The position slider (scrlTime): 16-bit values.
    int timeMin() const { return m_timeMin; }
    int timeMax() const { return m_timeMax; }
    int timeValue() const { return m_timeValue; }
    void setTimeRange(int min, int max);
    // A value outside the range is left out (false) instead of being refused
    // with a message, as the slider would.
    bool setTimeValue(int value);
    // The slider itself moved (the user): the core follows without telling
    // the slider back.
    void takeTimeValue(int value) { m_timeValue = value; }

    // Opens path in the engine and sets the position slider's range to its
    // length (left as it was when the engine cannot tell). False when the
    // media failed to open.
    bool openMedia(const QString& path);

    void requestVideo(VideoRequest request) { Q_EMIT videoWindowRequested(request); }
    void requestMainMinimised() { Q_EMIT mainWindowMinimiseRequested(); }

    // Playback as the desktop sees it, followed from the handlers' actions.
    PlaybackState& playback() { return m_playback; }
    const PlaybackState& playback() const { return m_playback; }
    // A handler of the transport has run: follow the state and tell listeners.
    void actionDone(PlaybackState::Action action);
    // The periodic look at the engine's file and position.
    void observePlayback();
    // The engine's file name, or "" when nothing opened (a failed open counts
    // as nothing open); never makes an engine.
    QString openFileName() const;
    // Holds the player paused while a dialog waits for the user.
    void holdForDialog(bool held);

Q_SIGNALS:
    void titleChanged(const QString& text);
    void selectionCaptionChanged(const QString& text);
    void timeRangeChanged(int min, int max);
    void timeValueChanged(int value);
    void videoWindowRequested(PlayerCore::VideoRequest request);
    void mainWindowMinimiseRequested();
    // The playback state, the open media or the playlist position may have
    // changed.
    void playbackChanged();

private:
    std::unique_ptr<EngineHost> m_engineHost;
    PlaylistModel* m_playlist = nullptr;
    std::unique_ptr<Sequencer> m_sequencer;
    std::unique_ptr<TransportController> m_transport;
    std::unique_ptr<PlaybackClock> m_clock;
    std::unique_ptr<Levels> m_levels;
    std::unique_ptr<MediaAdder> m_adder;
    PlaybackState m_playback;

    QString m_title;
    QString m_selectionCaption;
    int m_timeMin = 0;
    int m_timeMax = 0;
    int m_timeValue = 0;
};
