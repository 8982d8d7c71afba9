#include "gui/Wiring.h"

#include "core/FileNameCodec.h"
#include "core/Levels.h"
#include "core/MediaAdder.h"
#include "core/PlaybackClock.h"
#include "core/PlayerCore.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "core/TransportController.h"
#include "gui/AddMenuIcons.h"
#include "gui/OnTop.h"
#include "gui/ShufflePicture.h"
#include "gui/VelkorCmd.h"
#include "gui/frmMain.h"
#include "gui/frmPlayer.h"

#include <sarv/Variateur.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

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
    QObject::connect(main.chkRepeat, &QCheckBox::toggled, &sequencer,
        [&core, &main] { core.sequencer().chkRepeat_Click(main.chkRepeat->checkState() != Qt::Unchecked); });
    QObject::connect(main.chkSuffle, &QCheckBox::toggled, &sequencer,
        [&core, &main] { core.sequencer().chkSuffle_Click(main.chkSuffle->checkState() == Qt::Checked); });
    QObject::connect(&sequencer, &Sequencer::repeatChanged, main.chkRepeat,
        [&main](bool on) { main.chkRepeat->setChecked(on); });
    static const QIcon imgSuff[2] = { QIcon(QPixmap::fromImage(drawShufflePicture(false, 16))),
        QIcon(QPixmap::fromImage(drawShufflePicture(true, 16))) };
    main.chkSuffle->setIcon(imgSuff[0]);
    QObject::connect(&sequencer, &Sequencer::shuffleChanged, main.chkSuffle, [&main](bool on) {
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
    // Kept inside the slider's own range, which would refuse anything else
    // with a message box.
    QObject::connect(&levels, &Levels::volumeIndexRequested, main.scrlVol, [&main](int index) {
        const int min = main.scrlVol->Min();
        main.scrlVol->setValue(short(std::clamp(index, min, std::max(min, int(main.scrlVol->Max())))));
    });
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
    // A new engine loads the video window with it, hidden until there is
    // something to show.
    QObject::connect(&core.engineHost(), &EngineHost::engineCreated, &main, [&main] {
        if (!main.hasVideoWindow())
            main.videoWindow();
    });
    QObject::connect(&core, &PlayerCore::videoWindowRequested, &main,
        [&main](PlayerCore::VideoRequest request) {
            switch (request) {
            case PlayerCore::VideoRequest::Show:
                main.videoWindow().show();
                break;
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

} // namespace

void connectMainWindow(PlayerCore& core, frmMain& main)
{
    connectTransport(core, main);
    connectAddMenu(core, main);
    connectSliders(core, main);
    connectTexts(core, main);
    connectVideoWindow(core, main);
    core.clock().start();
}

} // namespace Wiring
