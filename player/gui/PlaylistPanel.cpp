#include "gui/PlaylistPanel.h"

#include "dialogs/cDlgcom.h"
#include "core/MediaEngine.h"
#include "gui/frmPlayer.h"
#include "gui/Playlist.h"
#include "core/PlaylistFile.h"
#include "gui/TrackSelection.h"
#include "gui/MediaAdder.h"
#include "gui/frmMain.h"
#include "gui/VelkorCmd.h"

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
    for (int i = 0; i < int(m_main.cmdAPlayList.size()); ++i)
        connect(
            m_main.cmdAPlayList[i], &VelkorCmd::Click, this, [this, i] { cmdAPlayList_Click(i); });
    connect(&m_main.playlist(), &Playlist::selectionChanged, this, &PlaylistPanel::lstPlay_Click);
    connect(m_main.lstPlay, &QAbstractItemView::doubleClicked, this,
        [this] { m_main.trackSelection().lstPlay_DblClick(); });
    m_main.lstPlay->installEventFilter(this);
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
        m_main.trackSelection().lstPlay_DblClick();
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

QString PlaylistPanel::selectionCaption(const QString& entry)
{
    return QStringLiteral(" Chanson selectionnée :    ")
        + entry.mid(entry.lastIndexOf(QLatin1Char('/')) + 1);
}

void PlaylistPanel::lstPlay_Click()
{
    Playlist& list = m_main.playlist();
    const int index = list.ListIndex();
    if (index < 0)
        return;
    const QString entry = list.Entry(index);
    // Break entries ("-") and blank entries name no file.
    if (entry.isEmpty() || entry == QLatin1String("-"))
        return;
    m_main.txtFN->setText(selectionCaption(entry));
    m_main.txtFN->setToolTip(entry);
}

void PlaylistPanel::Add()
{
    m_main.mediaAdder().popUpAddMenu();
}

void PlaylistPanel::Remove()
{
    m_main.txtFN->clear();
    Playlist& list = m_main.playlist();
    if (list.ListIndex() >= 0)
        list.Remove(list.ListIndex());
}

void PlaylistPanel::Clear()
{
    m_main.playlist().Clear();
    m_main.txtFN->clear();
}

template <typename Show> bool PlaylistPanel::runFileDialog(Show show)
{
    // The video window would sit over the dialog, and playback waits for the
    // user: it stays paused after the dialog, whatever the answer.
    m_main.videoWindow().setVisible(false);
    m_main.engine().Pause();
    const bool chosen = show();
    m_main.videoWindow().setVisible(true);
    return chosen;
}

void PlaylistPanel::Save()
{
    cDlgcom dialog;
    dialog.sethdcOwner(&m_main);
    dialog.setFilter(kPlaylistFilter);
    dialog.setFileName(QString());
    runFileDialog([&dialog] { return dialog.ShowSave(); });
    if (dialog.FileName().isEmpty())
        return;
    // A failed write leaves any existing file as it was; nothing is reported.
    PlaylistFile::write(dialog.FileName(), m_main.playlist().Entries());
    m_main.txtFN->clear();
}

void PlaylistPanel::Load()
{
    cDlgcom dialog;
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
    Playlist& list = m_main.playlist();
    list.Clear();
    list.AppendMany(*entries);
    m_main.txtFN->clear();
}
