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
#include "gui/AddMenuIcons.h"
#include "gui/Chrome.h"
#include "gui/OnTop.h"
#include "gui/PanelToggle.h"
#include "gui/PlaylistPanel.h"
#include "gui/ShufflePicture.h"
#include "gui/VelkorCmd.h"
#include "gui/VideoSizes.h"
#include "gui/frmMain.h"
#include "gui/frmPlayer.h"

#include <sarv/Variateur.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QToolButton>

#include <algorithm>

namespace Wiring {

namespace {

void connectTransport(PlayerCore& core, frmMain& main)
{
    TransportController& transport = core.transport();
    Sequencer& sequencer = core.sequencer();
    QObject::connect(main.cmdPlay, &VelkorCmd::Click, &transport, &TransportController::cmdPlay_Click);
    QObject::connect(main.cmdPause, &VelkorCmd::Click, &transport, &TransportController::cmdPause_Click);
    QObject::connect(main.cmdStop, &VelkorCmd::Click, &transport, &TransportController::cmdStop_Click);
    QObject::connect(main.cmdOpen, &VelkorCmd::Click, &transport, &TransportController::cmdOpen_Click);
    QObject::connect(main.cmdForward, &VelkorCmd::Click, &sequencer, &Sequencer::cmdForward_Click);
    QObject::connect(main.cmdBack, &VelkorCmd::Click, &sequencer, &Sequencer::cmdBack_Click);

    // Repeat: checked or greyed repeats; shuffle: only a full check shuffles.
    QObject::connect(main.chkRepeat, &QCheckBox::toggled, &core,
        [&core, &main] { core.chkRepeat_Click(main.chkRepeat->checkState() != Qt::Unchecked); });
    QObject::connect(main.chkSuffle, &QCheckBox::toggled, &core,
        [&core, &main] { core.chkSuffle_Click(main.chkSuffle->checkState() == Qt::Checked); });
    QObject::connect(&core, &PlayerCore::repeatChanged, main.chkRepeat,
        [&main](bool on) { main.chkRepeat->setChecked(on); });
    static const QIcon imgSuff[2] = { QIcon(QPixmap::fromImage(drawShufflePicture(false, 16))),
        QIcon(QPixmap::fromImage(drawShufflePicture(true, 16))) };
    main.chkSuffle->setIcon(imgSuff[0]);
    QObject::connect(&core, &PlayerCore::shuffleChanged, main.chkSuffle, [&main](bool on) {
        main.chkSuffle->setChecked(on);
        main.chkSuffle->setIcon(imgSuff[on ? 1 : 0]);
    });
}

void connectAddMenu(PlayerCore& core, frmMain& main)
{
    MediaAdder& adder = core.adder();
    main.mnuFile->setIcon(AddMenuIcons::file());
    main.mnuAddDir->setIcon(AddMenuIcons::folder());
    main.mnuAddVCD->setIcon(AddMenuIcons::disc());
    QObject::connect(main.mnuFile, &QAction::triggered, &adder, [&adder] { adder.mnuFile_Click(); });
    QObject::connect(main.mnuAddDir, &QAction::triggered, &adder, [&adder] { adder.mnuAddDir_Click(); });
    QObject::connect(main.mnuAddVCD, &QAction::triggered, &adder, [&adder] { adder.mnuAddVCD_Click(); });
    QObject::connect(main.mnuAutoVCD, &QAction::triggered, &adder, [&adder] { adder.mnuAutoVCD_Click(); });
}

void connectSliders(PlayerCore& core, frmMain& main)
{
    PlaybackClock& clock = core.clock();
    Levels& levels = core.levels();
    // The forms loaded into the position slider give the core its range.
    core.setTimeRange(main.scrlTime->Min(), main.scrlTime->Max());
    core.setTimeValue(main.scrlTime->Value());
    // A range set on the slider itself (its forms, a host) is the core's too.
    QObject::connect(main.scrlTime, &sarv::Variateur::propertyChanged, &core,
        [&core, &main](const QString& name) {
            if (name.compare(QLatin1String("Min"), Qt::CaseInsensitive) == 0
                || name.compare(QLatin1String("Max"), Qt::CaseInsensitive) == 0)
                core.setTimeRange(main.scrlTime->Min(), main.scrlTime->Max());
        });
    QObject::connect(main.scrlTime, &sarv::Variateur::Change, &clock,
        [&clock, &main] { clock.scrlTime_Change(main.scrlTime->Value()); });
    QObject::connect(&core, &PlayerCore::timeRangeChanged, main.scrlTime, [&main](int min, int max) {
        main.scrlTime->setMin(short(min));
        main.scrlTime->setMax(short(max));
    });
    QObject::connect(&core, &PlayerCore::timeValueChanged, main.scrlTime,
        [&main](int value) { main.scrlTime->setValue(short(value)); });

    QObject::connect(main.scrlVol, &sarv::Variateur::Change, &levels,
        [&levels, &main] { levels.scrlVol_Change(main.scrlVol->Value()); });
    QObject::connect(main.scrlBal, &sarv::Variateur::Change, &levels,
        [&levels, &main] { levels.scrlBal_Change(main.scrlBal->Value()); });
    // The core asks for steps of the sliders' usual ranges; a slider whose
    // form gives it a narrower one takes the nearest step it holds instead of
    // refusing the value with a message box.
    const auto setInside = [](sarv::Variateur* slider, int index) {
        const int min = slider->Min();
        slider->setValue(short(std::clamp(index, min, std::max(min, int(slider->Max())))));
    };
    QObject::connect(&levels, &Levels::volumeIndexRequested, main.scrlVol,
        [&main, setInside](int index) { setInside(main.scrlVol, index); });
    QObject::connect(&levels, &Levels::balanceIndexRequested, main.scrlBal,
        [&main, setInside](int index) { setInside(main.scrlBal, index); });
    QObject::connect(&levels, &Levels::volumeTextChanged, main.LabVol, &QLabel::setText);
    QObject::connect(&levels, &Levels::balanceTextChanged, main.LabBal, &QLabel::setText);
}

void connectTexts(PlayerCore& core, frmMain& main)
{
    PlaybackClock& clock = core.clock();
    QObject::connect(&core, &PlayerCore::titleChanged, main.txtTitle, &QLineEdit::setText);
    QObject::connect(&core, &PlayerCore::selectionCaptionChanged, main.txtFN, [&core, &main](const QString& text) {
        main.txtFN->setText(text);
        // The whole name, readable also when its bytes are not UTF-8.
        main.txtFN->setToolTip(text.isEmpty()
                ? QString()
                : FileNameCodec::readable(core.playlist().Entry(core.playlist().ListIndex())));
    });
    QObject::connect(&clock, &PlaybackClock::timeTextChanged, main.lblTime, &QLabel::setText);
    QObject::connect(&clock, &PlaybackClock::durationTextChanged, main.lblDuration, &QLabel::setText);
    QObject::connect(&clock, &PlaybackClock::timeSignChanged, main.lblpls, &QLabel::setText);
    // The update's first step: the window's own periodic rules.
    QObject::connect(&clock, &PlaybackClock::windowRules, &main, [&main] {
        if (main.isMinimized())
            main.setWindowTitle(main.txtTitle->text());
        OnTop::applyPeriodicRule(main);
    });
}

void connectVideoWindow(PlayerCore& core, frmMain& main)
{
    // The video window is made when the core first asks for it; the engine
    // plays and draws without it.
    QObject::connect(&core, &PlayerCore::videoWindowRequested, &main,
        [&main](PlayerCore::VideoRequest request) {
            switch (request) {
            case PlayerCore::VideoRequest::Show: {
                // The video window has no task-bar entry of its own, so a
                // minimised one (left so by full screen) would be out of reach:
                // a start outside full screen brings it back.
                frmPlayer& video = main.videoWindow();
                if (video.isMinimized() && main.engine().DisplaySize() != MediaEngine::FullScreen)
                    video.setWindowState(video.windowState() & ~Qt::WindowMinimized);
                video.show();
                break;
            }
            case PlayerCore::VideoRequest::Repaint:
                main.videoWindow().update();
                break;
            case PlayerCore::VideoRequest::Minimise:
                main.videoWindow().showMinimized();
                break;
            case PlayerCore::VideoRequest::Hide:
                if (main.hasVideoWindow())
                    main.videoWindow().hide();
                break;
            }
        });
    QObject::connect(&core, &PlayerCore::mainWindowMinimiseRequested, &main, &QWidget::showMinimized);
}

void connectChrome(PlayerCore& core, frmMain& main)
{
    Chrome& chrome = main.chrome();
    QObject::connect(main.Minimised, &QToolButton::clicked, &chrome, &Chrome::Minimised_Click);
    QObject::connect(main.Closed, &QToolButton::clicked, &main, &QWidget::close);
    QObject::connect(main.mnuExit, &QAction::triggered, &main, &QWidget::close);
    QObject::connect(main.cmdAbt, &VelkorCmd::Click, &chrome, &Chrome::cmdAbt_Click);
    for (int i = 0; i < int(main.mnuShortcut.size()); ++i)
        QObject::connect(main.mnuShortcut[i], &QAction::triggered, &chrome,
            [&chrome, i] { chrome.mnuShortcut_Click(i); });

    // The mute button shows "V" while the sound is off and "U" while it is on.
    QObject::connect(main.Check1, &VelkorCmd::Click, &core, &PlayerCore::Check1_Click);
    const auto showMute = [&main](bool muted) {
        main.Check1->setValue(muted ? 1 : 0);
        main.Check1->setCaption(muted ? QStringLiteral("V") : QStringLiteral("U"));
    };
    showMute(core.Mute());
    QObject::connect(&core, &PlayerCore::muteChanged, main.Check1, showMute);

    // The on-top item's mark is the person's choice, also while the About
    // window holds it off.
    QObject::connect(main.mnuOnTop, &QAction::triggered, &core, &PlayerCore::mnuOnTop_Click);
    QObject::connect(&core, &PlayerCore::onTopChanged, main.mnuOnTop, [&core, &main] {
        main.mnuOnTop->setChecked(core.OnTopWanted() || core.OnTopSuspended());
    });
    QObject::connect(&core, &PlayerCore::windowPlaceChanged, &main, &frmMain::moveToPlace);
}

// A check mark item toggles its own mark before it reports the trigger; the
// mark is put back first, so that the handler, which inverts it itself, leaves
// it inverted once, as a direct call of the handler does.
template <typename Handler> void connectCheckItem(QAction* item, QObject* context, Handler handler)
{
    QObject::connect(item, &QAction::triggered, context, [item, handler](bool checked) {
        item->setChecked(!checked);
        handler();
    });
}

void connectVideoSizes(PlayerCore& core, frmMain& main)
{
    VideoSizes& sizes = main.videoSizes();
    QObject::connect(main.cmdFull, &VelkorCmd::Click, &sizes, &VideoSizes::cmdFull_Click);
    QObject::connect(main.mnuHalf, &QAction::triggered, &sizes, &VideoSizes::mnuHalf_Click);
    QObject::connect(main.mnuOriginal, &QAction::triggered, &sizes, &VideoSizes::mnuOriginal_Click);
    QObject::connect(main.mnuDouble, &QAction::triggered, &sizes, &VideoSizes::mnuDouble_Click);
    QObject::connect(main.mnuFull, &QAction::triggered, &sizes, &VideoSizes::mnuFull_Click);
    connectCheckItem(main.mnuFullCtrl, &sizes, [&sizes] { sizes.mnuFullCtrl_Click(); });
    // Fit to size is the core's: the video window applies it when it is
    // created or resized.
    main.mnuFit->setChecked(core.FitToSize());
    QObject::connect(main.mnuFit, &QAction::triggered, &core, &PlayerCore::mnuFit_Click);
    QObject::connect(&core, &PlayerCore::fitToSizeChanged, main.mnuFit, &QAction::setChecked);
}

void connectPlaylistPanel(PlayerCore& core, frmMain& main)
{
    PlaylistPanel& panel = main.playlistPanel();
    for (int i = 0; i < int(main.cmdAPlayList.size()); ++i)
        QObject::connect(main.cmdAPlayList[i], &VelkorCmd::Click, &panel,
            [&panel, i] { panel.cmdAPlayList_Click(i); });
    QObject::connect(main.lstPlay, &QAbstractItemView::doubleClicked, &core.sequencer(),
        &Sequencer::lstPlay_DblClick);

    // The list view shows the core's playlist and mirrors its selection both ways.
    PlaylistModel& list = core.playlist();
    QListView* view = main.lstPlay;
    // The view's cursor alone is no selection: focus puts it on the first
    // entry without selecting it (after "&Charger", say).
    QItemSelectionModel* selection = view->selectionModel();
    QObject::connect(selection, &QItemSelectionModel::currentChanged, &list,
        [&list, selection](const QModelIndex& current) {
            if (!current.isValid() || selection->isSelected(current))
                list.setListIndex(current.row());
        });
    QObject::connect(&list, &PlaylistModel::selectionChanged, view, [view, &list](int index) {
        if (index < 0) {
            view->selectionModel()->clear();
            return;
        }
        view->selectionModel()->setCurrentIndex(list.index(index), QItemSelectionModel::ClearAndSelect);
    });

    // The panel box shows the core's choice and tells it the person's.
    main.chkPlay->setChecked(core.PanelShown());
    QObject::connect(main.chkPlay, &QAbstractButton::toggled, &core, &PlayerCore::setPanelShown);
    QObject::connect(&core, &PlayerCore::panelShownChanged, main.chkPlay, &QAbstractButton::setChecked);
    QObject::connect(main.chkPlay, &QAbstractButton::toggled, &main.panelToggle(), &PanelToggle::chkPlay_Click);
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

} // namespace Wiring
