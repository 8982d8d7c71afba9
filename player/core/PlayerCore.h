// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/EngineHost.h"
#include "core/Levels.h"
#include "core/MediaAdder.h"
#include "core/PlaybackClock.h"
#include "core/PlaybackState.h"
#include "core/Sequencer.h"
#include "core/TransportController.h"
#include "core/VideoRequest.h"

#include <QObject>
#include <QPointF>
#include <QString>

#include <memory>

class PlaylistModel;
class Prompts;

// The player without its windows: the playlist, the engine's host, the
// player's flags and what the views show, and the subsystems whose handlers
// carry the published names (Sequencer::cmdForward_Click,
// TransportController::cmdPlay_Click, PlaybackClock::tmrAnimate_Timer, ...).
// Windows forward their events to those handlers and show the signals below;
// the desktop (MPRIS, command line) drives the same handlers.
//
// The subsystems are handed what they use and call one another directly:
//   PlaybackClock::tmrAnimate_Timer, at the end of a track
//       -> TransportController::cmdStop_Click, then Sequencer::cmdForward_Click;
//       at every update -> Sequencer::Randomize
//   TransportController::cmdPlay_Click, OpenFile -> Sequencer::cmdForward_Click
//   TransportController::cmdStop_Click, OpenFile -> Sequencer::cancelMoveOn
//   Sequencer, a break entry cancelled -> TransportController::cmdStop_Click
//   Sequencer, TransportController, MediaAdder -> PlaybackClock::ShowDuration
//   Levels -> the engine only
// Each of them reads and changes the player's flags, title and position
// slider through its own small Player interface, which this class answers;
// its requests to the windows come back here as this class's signals. The
// playlist, the engine's host and the prompts (the one way to ask the user)
// go directly to those that use them.
class PlayerCore : public QObject,
                   private Sequencer::Player,
                   private TransportController::Player,
                   private PlaybackClock::Player,
                   private MediaAdder::Player {
    Q_OBJECT
    Q_PROPERTY(bool Shuffle READ Shuffle WRITE chkSuffle_Click NOTIFY shuffleChanged)
    Q_PROPERTY(bool RepeatOn READ RepeatOn WRITE chkRepeat_Click NOTIFY repeatChanged)
    Q_PROPERTY(bool TimeMode READ TimeMode WRITE setTimeMode NOTIFY timeModeChanged)
    Q_PROPERTY(bool Paused READ Paused NOTIFY pausedChanged)
    Q_PROPERTY(bool Mute READ Mute WRITE setMute NOTIFY muteChanged)
    Q_PROPERTY(bool FitToSize READ FitToSize WRITE setFitToSize NOTIFY fitToSizeChanged)
    Q_PROPERTY(bool OnTopWanted READ OnTopWanted WRITE setOnTopWanted NOTIFY onTopChanged)
    Q_PROPERTY(bool OnTopApplied READ OnTopApplied WRITE setOnTopApplied NOTIFY onTopChanged)
    Q_PROPERTY(bool OnTopSuspended READ OnTopSuspended NOTIFY onTopChanged)
    Q_PROPERTY(QString VcdDrive READ VcdDrive WRITE setVcdDrive NOTIFY vcdDriveChanged)
    Q_PROPERTY(SeekGuard scrlTimeTag READ scrlTimeTag WRITE setSeekGuard NOTIFY seekGuardChanged)
    Q_PROPERTY(QPointF windowPlace READ windowPlace WRITE setWindowPlace NOTIFY windowPlaceChanged)
    Q_PROPERTY(bool PanelShown READ PanelShown WRITE setPanelShown NOTIFY panelShownChanged)
    Q_PROPERTY(QString title READ title WRITE setTitle NOTIFY titleChanged)
    Q_PROPERTY(QString selectionCaption READ selectionCaption NOTIFY selectionCaptionChanged)
    Q_PROPERTY(int timeValue READ timeValue NOTIFY timeValueChanged)
public:
    // What the core asks of the video window.
    using VideoRequest = ::VideoRequest;

    // prompts is how the player asks the user (Qt's dialogs in the program,
    // scripted ones in tests); it must outlive the core.
    PlayerCore(EngineHost::Factory engineFactory, Prompts& prompts, QObject* parent = nullptr);
    ~PlayerCore() override;

    EngineHost& engineHost() { return *m_engineHost; }
    MediaEngine& engine() { return m_engineHost->engine(); }
    PlaylistModel& playlist() { return *m_playlist; }
    // How the player asks the user; the views' own dialogs ask through it too.
    Prompts& prompts() { return m_prompts; }
    Sequencer& sequencer() { return m_sequencer; }
    TransportController& transport() { return m_transport; }
    PlaybackClock& clock() { return m_clock; }
    Levels& levels() { return m_levels; }
    MediaAdder& adder() { return m_adder; }

    // The seek guard of the position slider: until the first update has run
    // a move of the slider does not seek (None); the update closes it while it
    // moves the slider itself (Closed) and opens it afterwards (Open).
    enum class SeekGuard { None, Closed, Open };
    Q_ENUM(SeekGuard)

    // The player's flags, read by the views, the settings and MPRIS.
    bool Shuffle() const override { return m_shuffle; }
    bool RepeatOn() const override { return m_repeatOn; }
    bool TimeMode() const override { return m_timeMode; }
    bool Paused() const override { return m_paused; }
    bool Mute() const { return m_mute; }
    bool FitToSize() const { return m_fitToSize; }
    // On top: the person's choice, whether the window has it now, and whether
    // the About window holds it off for a while.
    bool OnTopWanted() const override { return m_onTopWanted; }
    bool OnTopApplied() const { return m_onTopApplied; }
    bool OnTopSuspended() const { return m_onTopSuspended; }
    QString VcdDrive() const override { return m_vcdDrive; }
    SeekGuard scrlTimeTag() const { return m_seekGuard; }
    // The main window's place, in twips; the view moves the window to it and
    // reports where the person left it.
    QPointF windowPlace() const { return m_windowPlace; }
    // The playlist panel is shown under the main window.
    bool PanelShown() const { return m_panelShown; }

    // The scrolling title (txtTitle) and the selected entry's caption (txtFN).
    QString title() const override { return m_title; }
    void setTitle(const QString& text) override;
    QString selectionCaption() const override { return m_selectionCaption; }
    void setSelectionCaption(const QString& text);
    // The playlist's selection changed: its caption names the selected file.
    void lstPlay_Click();
    // The selected entry is the one that plays (the video window's load).
    void selectionBecomesCurrentTrack();

    // The position slider (scrlTime): 16-bit values.
    int timeMin() const override { return m_timeMin; }
    int timeMax() const override { return m_timeMax; }
    int timeValue() const { return m_timeValue; }
    void setTimeRange(int min, int max);
    // A value outside the range is left out (false) instead of being refused
    // with a message, as the slider would.
    bool setTimeValue(int value) override;
    // The slider itself moved (the user): the core follows without telling
    // the slider back.
    void takeTimeValue(int value) override { m_timeValue = value; }

    // Where the main window is in its life: the playlist and settings are the
    // person's only between a load that has begun and the unload.
    enum class LoadState { NotLoaded, Loading, Loaded, Unloaded };
    Q_ENUM(LoadState)
    LoadState loadState() const { return m_loadState; }
    void setLoadState(LoadState state);
    // Restores the playlist from lastlist.lst; false when the file could not be
    // read, in which case the exit keeps it instead of writing over it.
    bool restoreLastList();
    // Writes the playlist back to lastlist.lst.
    bool saveLastList();
    // The playlist is the person's, to be written back at exit: the load has
    // restored it, and the file could be read.
    bool lastListWritable() const { return m_loadState == LoadState::Loaded && m_lastListWritable; }

    // Moves the playback to a position in seconds (the desktop's seeks).
    void seekTo(double seconds);

    // Opens path in the engine and sets the position slider's range to its
    // length (left as it was when the engine cannot tell). False when the
    // media failed to open.
    bool openMedia(const QString& path) override;

    void requestVideo(VideoRequest request) override { Q_EMIT videoWindowRequested(request); }
    void requestMainMinimised() override { Q_EMIT mainWindowMinimiseRequested(); }

    // Playback as the desktop sees it, followed from the handlers' actions.
    PlaybackState& playback() { return m_playback; }
    const PlaybackState& playback() const { return m_playback; }
    // A handler of the transport has run: follow the state and tell listeners.
    void actionDone(PlaybackState::Action action) override;
    // The periodic look at the engine's file and position.
    void observePlayback() override;
    // The engine's file name, or "" when nothing opened (a failed open counts
    // as nothing open); never makes an engine.
    QString openFileName() const;
    // Holds the player paused while a dialog waits for the user.
    void holdForDialog(bool held);

public Q_SLOTS:
    // Commands that change the flags; each tells its listeners.
    void chkSuffle_Click(bool checked);
    void chkRepeat_Click(bool checked);
    void setTimeMode(bool elapsed) override;
    void setPaused(bool paused) override;
    // The sound is cut or given back; the engine's answer is what the flag shows.
    void setMute(bool muted);
    // The mute button: turns the sound off when on, on when off.
    void Check1_Click();
    void setFitToSize(bool fit);
    void mnuFit_Click();
    void setOnTopWanted(bool wanted);
    void setOnTopApplied(bool applied);
    // The on-top item: the person's choice turns over. While the About window
    // holds on-top off, a click ends the suspension with on-top off.
    void mnuOnTop_Click();
    // The About window holds on-top off while it shows, and gives it back.
    void suspendOnTop();
    void resumeOnTop();
    void setVcdDrive(const QString& drive);
    void setSeekGuard(PlayerCore::SeekGuard guard);
    void setWindowPlace(const QPointF& twips);
    void setPanelShown(bool shown);

Q_SIGNALS:
    void shuffleChanged(bool on);
    void repeatChanged(bool on);
    void timeModeChanged(bool elapsed);
    void pausedChanged(bool paused);
    void muteChanged(bool muted);
    void fitToSizeChanged(bool fit);
    void onTopChanged();
    void vcdDriveChanged(const QString& drive);
    void seekGuardChanged(PlayerCore::SeekGuard guard);
    void windowPlaceChanged(const QPointF& twips);
    void panelShownChanged(bool shown);
    void loadStateChanged(PlayerCore::LoadState state);
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
    // The seek guard as the clock sees it.
    void closeSeekGuard() override;
    void openSeekGuard() override;
    bool seekGuardOpen() const override;

    std::unique_ptr<EngineHost> m_engineHost;
    Prompts& m_prompts;
    PlaylistModel* m_playlist = nullptr;
    PlaybackState m_playback;

    bool m_shuffle = false;
    bool m_repeatOn = false;
    bool m_timeMode = true;
    bool m_paused = false;
    bool m_mute = false;
    bool m_fitToSize = false;
    bool m_onTopWanted = false;
    bool m_onTopApplied = false;
    bool m_onTopSuspended = false;
    QString m_vcdDrive;
    SeekGuard m_seekGuard = SeekGuard::None;
    QPointF m_windowPlace;
    bool m_panelShown = true;
    LoadState m_loadState = LoadState::NotLoaded;
    bool m_lastListWritable = false;

    QString m_title;
    QString m_selectionCaption;
    int m_timeMin = 0;
    int m_timeMax = 0;
    int m_timeValue = 0;

    // The subsystems come last: they are made once everything they are handed
    // exists, and go before it, so none of them can touch the engine on the
    // way out. Each one is handed the others it calls before they are made;
    // none calls another while being made.
    Sequencer m_sequencer;
    TransportController m_transport;
    PlaybackClock m_clock;
    Levels m_levels;
    MediaAdder m_adder;
};
