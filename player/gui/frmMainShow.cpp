// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the main window shows of the player: the show slots that Wiring joins
// to the core's change signals.
#include "gui/frmMain.h"

#include "core/MediaEngine.h"
#include "core/PlayerCore.h"
#include "gui/OnTop.h"
#include "gui/ShufflePicture.h"
#include "gui/VelkorCmd.h"
#include "gui/frmPlayer.h"

#include <sarv/Variateur.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

#include <algorithm>

namespace {

// The slider takes the value, or the nearest one its range holds.
void setInside(sarv::Variateur* slider, int index)
{
    const int min = slider->Min();
    slider->setValue(short(std::clamp(index, min, std::max(min, int(slider->Max())))));
}

} // namespace

void frmMain::showRepeat(bool on)
{
    chkRepeat->setChecked(on);
}

void frmMain::showShuffle(bool on)
{
    chkSuffle->setChecked(on);
    chkSuffle->setIcon(shuffleIcon(on));
}

// The mute button shows "V" while the sound is off and "U" while it is on.
void frmMain::showMute(bool muted)
{
    Check1->setValue(muted ? 1 : 0);
    Check1->setCaption(muted ? QStringLiteral("V") : QStringLiteral("U"));
}

void frmMain::showOnTop(bool marked)
{
    mnuOnTop->setChecked(marked);
}

void frmMain::showFitToSize(bool fit)
{
    mnuFit->setChecked(fit);
}

void frmMain::showPanel(bool shown)
{
    chkPlay->setChecked(shown);
}

void frmMain::showTitle(const QString& text)
{
    txtTitle->setText(text);
}

void frmMain::showSelectionCaption(const QString& text, const QString& fullName)
{
    txtFN->setText(text);
    txtFN->setToolTip(fullName);
}

void frmMain::showSelectedEntry(int row)
{
    if (row < 0) {
        lstPlay->selectionModel()->clear();
        return;
    }
    lstPlay->selectionModel()->setCurrentIndex(
        lstPlay->model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

void frmMain::showTime(const QString& text)
{
    lblTime->setText(text);
}

void frmMain::showDuration(const QString& text)
{
    lblDuration->setText(text);
}

void frmMain::showTimeSign(const QString& sign)
{
    lblpls->setText(sign);
}

void frmMain::showTimeRange(int min, int max)
{
    scrlTime->setMin(short(min));
    scrlTime->setMax(short(max));
}

void frmMain::showTimeValue(int value)
{
    scrlTime->setValue(short(value));
}

void frmMain::showVolumeIndex(int index)
{
    setInside(scrlVol, index);
}

void frmMain::showBalanceIndex(int index)
{
    setInside(scrlBal, index);
}

void frmMain::showVolumeText(const QString& text)
{
    LabVol->setText(text);
}

void frmMain::showBalanceText(const QString& text)
{
    LabBal->setText(text);
}

void frmMain::applyWindowRules()
{
    if (isMinimized())
        setWindowTitle(txtTitle->text());
    OnTop::applyPeriodicRule(*this);
}

void frmMain::applyVideoRequest(PlayerCore::VideoRequest request)
{
    switch (request) {
    case PlayerCore::VideoRequest::Show: {
        // The video window has no task-bar entry of its own, so a minimised
        // one (left so by full screen) would be out of reach: a start outside
        // full screen brings it back.
        frmPlayer& video = videoWindow();
        if (video.isMinimized() && engine().DisplaySize() != MediaEngine::FullScreen)
            video.setWindowState(video.windowState() & ~Qt::WindowMinimized);
        video.show();
        break;
    }
    case PlayerCore::VideoRequest::Repaint:
        videoWindow().update();
        break;
    case PlayerCore::VideoRequest::Minimise:
        videoWindow().showMinimized();
        break;
    case PlayerCore::VideoRequest::Hide:
        if (hasVideoWindow())
            videoWindow().hide();
        break;
    }
}
