#include "gui/MediaAdder.h"

#include "core/MediaEngine.h"
#include "gui/PeriodicUpdate.h"
#include "gui/frmPlayer.h"
#include "gui/AddMenuIcons.h"
#include "core/CdDrive.h"
#include "core/FolderScan.h"
#include "core/MediaFilter.h"
#include "gui/Playlist.h"
#include "gui/WindowSystem.h"
#include "gui/frmMain.h"
#include "gui/VelkorCmd.h"

#include <sarv/Variateur.h>

#include <QAction>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>
#include <cmath>

namespace {

const QString kFolderPrompt = QStringLiteral(
    "Velkor Player 2.0 va chercher les fichiers multimédia dans le répertoire selectionné :");

// The position slider holds 16-bit values: a longer or unknown length is capped.
short sliderSeconds(double seconds)
{
    if (!(seconds > 0))
        return 0;
    return short(std::min(std::floor(seconds), 32767.0));
}

} // namespace

MediaAdder::MediaAdder(frmMain& main)
    : m_main(main)
{
    m_main.mnuFile->setIcon(AddMenuIcons::file());
    m_main.mnuAddDir->setIcon(AddMenuIcons::folder());
    m_main.mnuAddVCD->setIcon(AddMenuIcons::disc());
    connect(m_main.mnuFile, &QAction::triggered, this, [this] { mnuFile_Click(); });
    connect(m_main.mnuAddDir, &QAction::triggered, this, [this] { mnuAddDir_Click(); });
    connect(m_main.mnuAddVCD, &QAction::triggered, this, [this] { mnuAddVCD_Click(); });
    connect(m_main.mnuAutoVCD, &QAction::triggered, this, [this] { mnuAutoVCD_Click(); });
}

void MediaAdder::popUpAddMenu()
{
    WindowSystem::current().popupMenu(m_main.mnuMain, nullptr);
}

QString MediaAdder::chooseFolder()
{
    return Prompts::current().folderDialog(&m_main, kFolderPrompt, QString()).value_or(QString());
}

void MediaAdder::mnuFile_Click()
{
    const QString path = chooseMediaFile(&m_main);
    if (!path.isEmpty())
        m_main.playlist().Append(path);
    // Shown also after a cancel: the video window is where the player plays.
    m_main.videoWindow().show();
}

void MediaAdder::mnuAddDir_Click()
{
    const QString folder = chooseFolder();
    if (folder.isEmpty())
        return;
    // One append for the whole folder: the list redraws once, not per file.
    const QStringList entries = FolderScan::scan(folder, ScanPatterns);
    if (!entries.isEmpty())
        m_main.playlist().AppendMany(entries);
}

QStringList MediaAdder::VcdTracks(const QString& drive)
{
    const QString mpegav = FolderScan::subFolder(drive, QStringLiteral("mpegav"));
    if (mpegav.isEmpty())
        return {};
    return FolderScan::scan(FolderScan::join(drive, mpegav), { QStringLiteral("avseq*.*") });
}

void MediaAdder::mnuAddVCD_Click()
{
    const QStringList tracks = VcdTracks(m_main.VcdDrive.trimmed());
    if (!tracks.isEmpty())
        m_main.playlist().AppendMany(tracks);
}

void MediaAdder::mnuAutoVCD_Click()
{
    const QStringList tracks = VcdTracks(m_main.VcdDrive.trimmed());
    if (tracks.isEmpty())
        return;
    Playlist& playlist = m_main.playlist();
    playlist.Clear();
    playlist.AppendMany(tracks);

    MediaEngine& engine = m_main.engine();
    engine.setFileName(playlist.Entry(0));
    m_main.scrlTime->setMin(0);
    // A length the engine cannot tell leaves the slider's range as it was.
    if (const std::optional<double> duration = engine.Duration())
        m_main.scrlTime->setMax(sliderSeconds(*duration));
    m_main.txtTitle->setText(QStringLiteral(" - Velkor Player 2.0 - ") + m_main.txtFN->text()
        + QString(45, QLatin1Char(' ')));
    if (engine.HasError()) {
        Prompts::current().message(&m_main, engine.ErrorDescription(), QStringLiteral("Error"),
            Prompts::Buttons::Ok, Prompts::Icon::None);
    }
    m_main.periodicUpdate().ShowDuration();
    m_main.videoWindow().show();
    engine.Play();
}

QString MediaAdder::FindCdDrive(const QString& mountTable)
{
    QFile table(mountTable);
    if (!table.open(QIODevice::ReadOnly))
        return QString();
    return CdDrive::fromMountTable(table.readAll());
}
