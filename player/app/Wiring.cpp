// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Wiring.h"

#include "core/FileNameCodec.h"
#include "core/Levels.h"
#include "core/MediaEngine.h"
#include "core/MediaAdder.h"
#include "core/PlaybackClock.h"
#include "core/PlayerCore.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "core/TransportController.h"
#include "core/VideoPicture.h"
#include "desktop/MprisService.h"
#include "desktop/SingleInstance.h"
#include "gui/frmMain.h"
#include "gui/frmPlayer.h"

namespace Wiring {

namespace {

void connectTransport(PlayerCore& core, frmMain& main)
{
    TransportController& transport = core.transport();
    Sequencer& sequencer = core.sequencer();
    QObject::connect(&main, &frmMain::playRequested, &transport, &TransportController::cmdPlay_Click);
    QObject::connect(&main, &frmMain::pauseRequested, &transport, &TransportController::cmdPause_Click);
    QObject::connect(&main, &frmMain::stopRequested, &transport, &TransportController::cmdStop_Click);
    QObject::connect(&main, &frmMain::openRequested, &transport, &TransportController::cmdOpen_Click);
    QObject::connect(&main, &frmMain::nextRequested, &sequencer, &Sequencer::cmdForward_Click);
    QObject::connect(&main, &frmMain::previousRequested, &sequencer, &Sequencer::cmdBack_Click);

    QObject::connect(&main, &frmMain::repeatToggled, &core, &PlayerCore::chkRepeat_Click);
    QObject::connect(&main, &frmMain::shuffleToggled, &core, &PlayerCore::chkSuffle_Click);
    QObject::connect(&core, &PlayerCore::repeatChanged, &main, &frmMain::showRepeat);
    QObject::connect(&core, &PlayerCore::shuffleChanged, &main, &frmMain::showShuffle);
}

void connectAddMenu(PlayerCore& core, frmMain& main)
{
    MediaAdder& adder = core.adder();
    QObject::connect(&main, &frmMain::addFileRequested, &adder, &MediaAdder::mnuFile_Click);
    QObject::connect(&main, &frmMain::addFolderRequested, &adder, &MediaAdder::mnuAddDir_Click);
    QObject::connect(&main, &frmMain::addDiscRequested, &adder, &MediaAdder::mnuAddVCD_Click);
    QObject::connect(&main, &frmMain::autoDiscRequested, &adder, &MediaAdder::mnuAutoVCD_Click);
}

void connectSliders(PlayerCore& core, frmMain& main)
{
    PlaybackClock& clock = core.clock();
    Levels& levels = core.levels();
    // The forms loaded into the position slider give the core its range.
    core.setTimeRange(main.timeMin(), main.timeMax());
    core.setTimeValue(main.timeValue());
    // A range set on the slider itself (its forms, a host) is the core's too.
    QObject::connect(&main, &frmMain::timeRangeSet, &core, &PlayerCore::setTimeRange);
    QObject::connect(&main, &frmMain::seekRequested, &clock, &PlaybackClock::scrlTime_Change);
    QObject::connect(&core, &PlayerCore::timeRangeChanged, &main, &frmMain::showTimeRange);
    QObject::connect(&core, &PlayerCore::timeValueChanged, &main, &frmMain::showTimeValue);

    QObject::connect(&main, &frmMain::volumeRequested, &levels, &Levels::scrlVol_Change);
    QObject::connect(&main, &frmMain::balanceRequested, &levels, &Levels::scrlBal_Change);
    QObject::connect(&levels, &Levels::volumeIndexRequested, &main, &frmMain::showVolumeIndex);
    QObject::connect(&levels, &Levels::balanceIndexRequested, &main, &frmMain::showBalanceIndex);
    QObject::connect(&levels, &Levels::volumeTextChanged, &main, &frmMain::showVolumeText);
    QObject::connect(&levels, &Levels::balanceTextChanged, &main, &frmMain::showBalanceText);
}

void connectTexts(PlayerCore& core, frmMain& main)
{
    PlaybackClock& clock = core.clock();
    QObject::connect(&core, &PlayerCore::titleChanged, &main, &frmMain::showTitle);
    // The caption comes with the whole name, readable also when its bytes are
    // not UTF-8.
    QObject::connect(&core, &PlayerCore::selectionCaptionChanged, &main, [&core, &main](const QString& text) {
        main.showSelectionCaption(text, text.isEmpty()
                ? QString()
                : FileNameCodec::readable(core.playlist().Entry(core.playlist().ListIndex())));
    });
    QObject::connect(&main, &frmMain::timeModeToggled, &clock, &PlaybackClock::lblTime_Click);
    QObject::connect(&clock, &PlaybackClock::timeTextChanged, &main, &frmMain::showTime);
    QObject::connect(&clock, &PlaybackClock::durationTextChanged, &main, &frmMain::showDuration);
    QObject::connect(&clock, &PlaybackClock::timeSignChanged, &main, &frmMain::showTimeSign);
    // The update's first step: the window's own periodic rules.
    QObject::connect(&clock, &PlaybackClock::windowRules, &main, &frmMain::applyWindowRules);
}

void connectVideoWindow(PlayerCore& core, frmMain& main)
{
    // The video window is made when the core first asks for it; the engine
    // plays and draws without it.
    QObject::connect(&core, &PlayerCore::videoWindowRequested, &main, &frmMain::applyVideoRequest);
    QObject::connect(&core, &PlayerCore::mainWindowMinimiseRequested, &main, &QWidget::showMinimized);
    // A new video window takes its first size from the picture of the engine
    // it borrows.
    QObject::connect(&main, &frmMain::videoWindowCreated, &core, [&core](frmPlayer* video) {
        if (VideoPicture* picture = core.engine().picture())
            QObject::connect(picture, &VideoPicture::areaSizeChanged, video, &frmPlayer::takeFirstVideoSize);
    });
}

void connectChrome(PlayerCore& core, frmMain& main)
{
    main.showMute(core.Mute());
    QObject::connect(&main, &frmMain::muteToggled, &core, &PlayerCore::Check1_Click);
    QObject::connect(&core, &PlayerCore::muteChanged, &main, &frmMain::showMute);

    // The on-top item's mark is the person's choice, also while the About
    // window holds it off.
    QObject::connect(&main, &frmMain::onTopToggled, &core, &PlayerCore::mnuOnTop_Click);
    QObject::connect(&core, &PlayerCore::onTopChanged, &main,
        [&core, &main] { main.showOnTop(core.OnTopWanted() || core.OnTopSuspended()); });
    QObject::connect(&core, &PlayerCore::windowPlaceChanged, &main, &frmMain::moveToPlace);
}

void connectVideoSizes(PlayerCore& core, frmMain& main)
{
    // Fit to size is the core's: the video window applies it when it is
    // created or resized.
    main.showFitToSize(core.FitToSize());
    QObject::connect(&main, &frmMain::fitToSizeToggled, &core, &PlayerCore::mnuFit_Click);
    QObject::connect(&core, &PlayerCore::fitToSizeChanged, &main, &frmMain::showFitToSize);
}

void connectPlaylistPanel(PlayerCore& core, frmMain& main)
{
    QObject::connect(&main, &frmMain::entryActivated, &core.sequencer(), &Sequencer::lstPlay_DblClick);
    // The list view shows the core's playlist and mirrors its selection both ways.
    PlaylistModel& list = core.playlist();
    QObject::connect(&main, &frmMain::entrySelected, &list, &PlaylistModel::setListIndex);
    QObject::connect(&list, &PlaylistModel::selectionChanged, &main, &frmMain::showSelectedEntry);

    // The panel box shows the core's choice and tells it the person's.
    main.showPanel(core.PanelShown());
    QObject::connect(&main, &frmMain::panelToggled, &core, &PlayerCore::setPanelShown);
    QObject::connect(&core, &PlayerCore::panelShownChanged, &main, &frmMain::showPanel);
}

} // namespace

void connectMainWindow(PlayerCore& core, frmMain& main)
{
    connectTransport(core, main);
    connectAddMenu(core, main);
    connectSliders(core, main);
    connectTexts(core, main);
    connectVideoWindow(core, main);
    connectChrome(core, main);
    connectVideoSizes(core, main);
    connectPlaylistPanel(core, main);
    core.clock().start();
}

void connectMpris(PlayerCore& core, MprisService& service)
{
    QObject::connect(&core, &PlayerCore::playbackChanged, &service, &MprisService::checkProperties);
}

void connectSingleInstance(PlayerCore& core, SingleInstance& instance)
{
    QObject::connect(&core, &PlayerCore::loadStateChanged, &instance, &SingleInstance::playerLoadStateChanged);
}

} // namespace Wiring
