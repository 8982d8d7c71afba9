// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's controls turned into what the person asks for: each
// control's event becomes one of the window's intent signals, or runs the
// handler of the window's own part that the control belongs to.
#include "gui/frmMain.h"

#include "gui/Chrome.h"
#include "gui/PanelToggle.h"
#include "gui/PlaylistPanel.h"
#include "gui/VelkorCmd.h"
#include "gui/VideoSizes.h"

#include <sarv/Variateur.h>

#include <QAction>
#include <QCheckBox>
#include <QModelIndex>

#include <algorithm>

void frmMain::on_cmdPlay_Click()
{
    Q_EMIT playRequested();
}

void frmMain::on_cmdPause_Click()
{
    Q_EMIT pauseRequested();
}

void frmMain::on_cmdStop_Click()
{
    Q_EMIT stopRequested();
}

void frmMain::on_cmdOpen_Click()
{
    Q_EMIT openRequested();
}

void frmMain::on_cmdForward_Click()
{
    Q_EMIT nextRequested();
}

void frmMain::on_cmdBack_Click()
{
    Q_EMIT previousRequested();
}

// Repeat: checked or greyed repeats; shuffle: only a full check shuffles.
void frmMain::on_chkRepeat_toggled()
{
    Q_EMIT repeatToggled(chkRepeat->checkState() != Qt::Unchecked);
}

void frmMain::on_chkSuffle_toggled()
{
    Q_EMIT shuffleToggled(chkSuffle->checkState() == Qt::Checked);
}

void frmMain::on_mnuFile_triggered()
{
    Q_EMIT addFileRequested();
}

void frmMain::on_mnuAddDir_triggered()
{
    Q_EMIT addFolderRequested();
}

void frmMain::on_mnuAddVCD_triggered()
{
    Q_EMIT addDiscRequested();
}

void frmMain::on_mnuAutoVCD_triggered()
{
    Q_EMIT autoDiscRequested();
}

void frmMain::on_scrlTime_Change()
{
    Q_EMIT seekRequested(scrlTime->Value());
}

void frmMain::on_scrlTime_propertyChanged(const QString& name)
{
    if (name.compare(QLatin1String("Min"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("Max"), Qt::CaseInsensitive) == 0)
        Q_EMIT timeRangeSet(scrlTime->Min(), scrlTime->Max());
}

void frmMain::on_scrlVol_Change()
{
    Q_EMIT volumeRequested(scrlVol->Value());
}

void frmMain::on_scrlBal_Change()
{
    Q_EMIT balanceRequested(scrlBal->Value());
}

void frmMain::on_Check1_Click()
{
    Q_EMIT muteToggled();
}

void frmMain::on_mnuOnTop_triggered()
{
    Q_EMIT onTopToggled();
}

void frmMain::on_mnuFit_triggered()
{
    Q_EMIT fitToSizeToggled();
}

void frmMain::on_lstPlay_doubleClicked(const QModelIndex& index)
{
    Q_EMIT entryActivated(index.row());
}

void frmMain::on_lstPlay_currentEntryChanged(int row)
{
    Q_EMIT entrySelected(row);
}

// The box tells the core the person's choice, then the panel follows it.
void frmMain::on_chkPlay_toggled(bool checked)
{
    Q_EMIT panelToggled(checked);
    m_panelToggle->chkPlay_Click();
}

void frmMain::on_Minimised_clicked()
{
    m_chrome->Minimised_Click();
}

void frmMain::on_Closed_clicked()
{
    close();
}

void frmMain::on_mnuExit_triggered()
{
    close();
}

void frmMain::on_cmdAbt_Click()
{
    m_chrome->cmdAbt_Click();
}

void frmMain::on_mnuShortcut_triggered(QAction* item)
{
    const auto found = std::find(mnuShortcut.begin(), mnuShortcut.end(), item);
    if (found != mnuShortcut.end())
        m_chrome->mnuShortcut_Click(int(found - mnuShortcut.begin()));
}

void frmMain::on_cmdFull_Click()
{
    m_videoSizes->cmdFull_Click();
}

void frmMain::on_mnuHalf_triggered()
{
    m_videoSizes->mnuHalf_Click();
}

void frmMain::on_mnuOriginal_triggered()
{
    m_videoSizes->mnuOriginal_Click();
}

void frmMain::on_mnuDouble_triggered()
{
    m_videoSizes->mnuDouble_Click();
}

void frmMain::on_mnuFull_triggered()
{
    m_videoSizes->mnuFull_Click();
}

// A check mark item toggles its own mark before it reports the trigger; the
// mark is put back first, so that the handler, which inverts it itself, leaves
// it inverted once, as a direct call of the handler does.
void frmMain::on_mnuFullCtrl_triggered(bool checked)
{
    mnuFullCtrl->setChecked(!checked);
    m_videoSizes->mnuFullCtrl_Click();
}

void frmMain::on_cmdAPlayList_idClicked(int index)
{
    m_playlistPanel->cmdAPlayList_Click(index);
}
