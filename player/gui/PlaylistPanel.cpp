// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/PlaylistPanel.h"

#include "core/MediaEngine.h"
#include "core/PlayerCore.h"
#include "core/PlaylistFile.h"
#include "core/PlaylistModel.h"
#include "dialogs/cDlgcom.h"
#include "gui/VelkorCmd.h"
#include "gui/WindowSystem.h"
#include "gui/frmMain.h"
#include "gui/frmPlayer.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>

namespace {

const QString kPlaylistFilter = QStringLiteral("List (*.lst) |*.lst| All files (*.*) |*.*");
constexpr int kKeyFullStop = 46;
constexpr int kKeyEnter = 13;

} // namespace

PlaylistPanel::PlaylistPanel(frmMain& main)
    : m_main(main)
{
    m_main.lstPlay->installEventFilter(this);
    // The list view shows the core's playlist.
    m_main.lstPlay->setModel(&m_main.core().playlist());
}

void PlaylistPanel::cmdAPlayList_Click(int index)
{
    switch (index) {
    case 0:
        Add();
        break;
    case 1:
        Remove();
        break;
    case 2:
        Save();
        break;
    case 3:
        Load();
        break;
    case 4:
        Clear();
        break;
    default:
        break;
    }
}

void PlaylistPanel::lstPlay_KeyPress(int keyAscii)
{
    if (keyAscii == kKeyFullStop)
        Remove();
    if (keyAscii == kKeyEnter)
        Q_EMIT m_main.entryActivated(m_main.lstPlay->currentIndex().row());
}

bool PlaylistPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_main.lstPlay && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        int code = 0;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            code = kKeyEnter;
        else if (key->text() == QLatin1String("."))
            code = kKeyFullStop;
        if (code != 0) {
            lstPlay_KeyPress(code);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void PlaylistPanel::Add()
{
    WindowSystem::current().popupMenu(m_main.mnuMain, nullptr);
}

void PlaylistPanel::Remove()
{
    m_main.core().setSelectionCaption(QString());
    PlaylistModel& list = m_main.core().playlist();
    if (list.ListIndex() >= 0)
        list.Remove(list.ListIndex());
}

void PlaylistPanel::Clear()
{
    m_main.core().playlist().Clear();
    m_main.core().setSelectionCaption(QString());
}

template <typename Show> bool PlaylistPanel::runFileDialog(Show show)
{
    // The video window would sit over the dialog, and playback waits for the
    // user: it stays paused after the dialog, whatever the answer.
    PlayerCore& core = m_main.core();
    m_main.videoWindow().setVisible(false);
    core.engine().Pause();
    core.holdForDialog(true);
    const bool chosen = show();
    core.holdForDialog(false);
    core.actionDone(PlaybackState::Action::Pause);
    m_main.videoWindow().setVisible(true);
    return chosen;
}

void PlaylistPanel::Save()
{
    cDlgcom dialog(m_main.core().prompts());
    dialog.sethdcOwner(&m_main);
    dialog.setFilter(kPlaylistFilter);
    dialog.setFileName(QString());
    runFileDialog([&dialog] { return dialog.ShowSave(); });
    if (dialog.FileName().isEmpty())
        return;
    // A failed write leaves any existing file as it was; nothing is reported.
    PlaylistFile::write(dialog.FileName(), m_main.core().playlist().Entries());
    m_main.core().setSelectionCaption(QString());
}

void PlaylistPanel::Load()
{
    cDlgcom dialog(m_main.core().prompts());
    dialog.sethdcOwner(&m_main);
    dialog.setFilter(kPlaylistFilter);
    dialog.setFileName(QString());
    runFileDialog([&dialog] { return dialog.ShowOpen(); });
    if (dialog.FileName().isEmpty())
        return;
    // A file that cannot be opened ends the load at once and keeps the list.
    const std::optional<QStringList> entries = PlaylistFile::read(dialog.FileName());
    if (!entries)
        return;
    PlaylistModel& list = m_main.core().playlist();
    list.Clear();
    list.AppendMany(*entries);
    m_main.core().setSelectionCaption(QString());
}
