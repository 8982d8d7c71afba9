// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's layout, its load and unload, and the playlist panel toggle,
// with a fake engine and the user's folders in a temporary place.
#include "support/TestMain.h"
#include "support/Controls.h"
#include "gui/frmPlayer.h"
#include "core/PlaylistModel.h"
#include "core/PlaylistFile.h"
#include "core/LastList.h"
#include "gui/PanelToggle.h"
#include "gui/Twips.h"
#include "gui/frmMain.h"
#include "support/FakeEngine.h"
#include "gui/VelkorCmd.h"

#include <sarv/Variateur.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace {

class StartupTest : public ::testing::Test {
protected:
    StartupTest()
    {
        qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
        window = std::make_unique<TestMain>([this] {
            auto engine = std::make_unique<FakeEngine>();
            fake = engine.get();
            return engine;
        });
    }

    QString lastList() const
    {
        return home.filePath(QStringLiteral("data/velkor-player/lastlist.lst"));
    }
    void writeLastList(const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(lastList()).path());
        QFile file(lastList());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readLastList()
    {
        QFile file(lastList());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir home;
    FakeEngine* fake = nullptr;
    std::unique_ptr<frmMain> window;
};

} // namespace

TEST_F(StartupTest, EveryControlSitsAtItsPlace)
{
    frmMain& w = *window;
    struct Place {
        QWidget* control;
        int left, top, width, height;
    };
    const QList<Place> places = {
        { control<VelkorCmd>(w, "cmdAbt"), 120, 75, 255, 255 },
        { control<QLabel>(w, "Label3"), 900, 45, 3615, 180 },
        { control<QToolButton>(w, "Minimised"), 4680, 75, 135, 135 },
        { control<QToolButton>(w, "Closed"), 4875, 75, 135, 135 },
        { control<QLineEdit>(w, "txtTitle"), 1545, 270, 3345, 210 },
        { control<QLabel>(w, "lblpls"), 75, 450, 105, 195 },
        { control<QWidget>(w, "Shape1"), 60, 480, 1410, 495 },
        { control<QLabel>(w, "lblTime"), 120, 525, 1335, 330 },
        { control<QLabel>(w, "LabVol"), 1800, 540, 930, 180 },
        { control<QLabel>(w, "LabBal"), 3360, 540, 600, 180 },
        { control<VelkorCmd>(w, "Check1"), 4200, 600, 330, 330 },
        { control<VelkorCmd>(w, "cmdFull"), 4545, 600, 330, 330 },
        { control<sarv::Variateur>(w, "scrlVol"), 1560, 720, 1455, 135 },
        { control<sarv::Variateur>(w, "scrlBal"), 3120, 720, 975, 135 },
        { control<QLabel>(w, "lblDuration"), 480, 735, 840, 210 },
        { control<sarv::Variateur>(w, "scrlTime"), 75, 1080, 4785, 135 },
        { control<VelkorCmd>(w, "cmdBack"), 690, 1320, 420, 300 },
        { control<VelkorCmd>(w, "cmdPlay"), 1110, 1320, 420, 300 },
        { control<VelkorCmd>(w, "cmdPause"), 1515, 1320, 420, 300 },
        { control<VelkorCmd>(w, "cmdStop"), 1920, 1320, 420, 300 },
        { control<VelkorCmd>(w, "cmdForward"), 2340, 1320, 420, 300 },
        { control<VelkorCmd>(w, "cmdOpen"), 2760, 1320, 420, 300 },
        { control<QCheckBox>(w, "chkRepeat"), 3360, 1440, 765, 225 },
        { control<QCheckBox>(w, "chkSuffle"), 4140, 1440, 390, 225 },
        { control<QCheckBox>(w, "chkPlay"), 4515, 1440, 330, 225 },
        { control<QWidget>(w, "picPlayList"), 0, 1800, 5160, 3870 },
        { control<QLabel>(w, "Label2"), 290, 75, 3465, 180 },
        { control<QLabel>(w, "txtFN"), 360, 360, 4455, 255 },
        { control<QListView>(w, "lstPlay"), 240, 540, 4605, 2790 },
        { control<VelkorCmd>(w, "cmdAPlayList", 0), 280, 3370, 855, 340 },
        { control<VelkorCmd>(w, "cmdAPlayList", 1), 1170, 3370, 975, 340 },
        { control<VelkorCmd>(w, "cmdAPlayList", 2), 2180, 3370, 975, 340 },
        { control<VelkorCmd>(w, "cmdAPlayList", 3), 3180, 3370, 855, 340 },
        { control<VelkorCmd>(w, "cmdAPlayList", 4), 4080, 3370, 735, 340 },
    };
    for (const Place& p : places) {
        ASSERT_NE(p.control, nullptr);
        EXPECT_EQ(p.control->geometry(), Twips::toPixels(p.left, p.top, p.width, p.height))
            << p.left << "," << p.top;
    }
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(w.windowTitle().isEmpty());
    EXPECT_EQ(control<VelkorCmd>(w, "Check1")->Caption(), QStringLiteral("U"));
    EXPECT_EQ(control<VelkorCmd>(w, "cmdPlay")->Caption(), QStringLiteral("4"));
    EXPECT_EQ(control<VelkorCmd>(w, "cmdPlay")->toolTip(), QStringLiteral("Lire"));
    EXPECT_EQ(control<VelkorCmd>(w, "cmdAPlayList", 2)->Caption(), QStringLiteral("&Sauvgarder"));
}

TEST_F(StartupTest, LoadRestoresTheLastPlaylist)
{
    writeLastList("\"/m/a.mp3\"\r\n007\r\n\"007\"\n/m/b c.mp3");
    control<sarv::Variateur>(*window, "scrlBal")->setValue(3);
    window->Form_Load();

    EXPECT_EQ(window->core().playlist().Entries(), QStringList({ "/m/a.mp3", "7", "007", "/m/b c.mp3" }));
    EXPECT_EQ(window->core().playlist().ListIndex(), -1);
    EXPECT_EQ(window->core().playlist().CurrentTrack(), 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isLoaded());
    EXPECT_FALSE(window->videoWindow().isVisible());
    EXPECT_FALSE(window->core().Paused());
    EXPECT_EQ(control<sarv::Variateur>(*window, "scrlBal")->Value(), 10);
    EXPECT_EQ(fake->calls.last(), QStringLiteral("setFileName:"));
    EXPECT_TRUE(fake->callsStartingWith(QStringLiteral("Play")).isEmpty());
    const QRegion mask = window->mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_TRUE(mask.contains(window->rect().center()));
}

TEST_F(StartupTest, UnloadWritesTheWritersForm)
{
    writeLastList("/m/a.mp3\n007\r\n\"/m/b c.mp3\"");
    window->Form_Load();
    window->core().playlist().Append(QStringLiteral("/m/new.ogg"));
    QSignalSpy unloaded(window.get(), &frmMain::unloaded);
    window->close();
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_EQ(readLastList(),
        QByteArray("\"/m/a.mp3\"\r\n\"7\"\r\n\"/m/b c.mp3\"\r\n\"/m/new.ogg\"\r\n"));
    EXPECT_FALSE(window->hasVideoWindow());
}

TEST_F(StartupTest, FirstRunCreatesTheFolderAndAnEmptyFile)
{
    window->Form_Load();
    EXPECT_EQ(window->core().playlist().Count(), 0);
    EXPECT_TRUE(QFileInfo(QFileInfo(lastList()).path()).isDir());
    window->Form_Unload();
    EXPECT_TRUE(QFileInfo::exists(lastList()));
    EXPECT_EQ(readLastList(), QByteArray());
}

TEST_F(StartupTest, AnUnreadableLastListIsNotOverwritten)
{
    // A folder where the file should be cannot be read as a playlist.
    QDir().mkpath(lastList());
    window->Form_Load();
    EXPECT_EQ(window->core().playlist().Count(), 0);
    window->core().playlist().Append(QStringLiteral("/m/a.mp3"));
    window->Form_Unload();
    EXPECT_TRUE(QFileInfo(lastList()).isDir());
}

TEST_F(StartupTest, UnloadBeforeLoadWritesNothing)
{
    writeLastList("\"/keep.mp3\"\r\n");
    window->close();
    EXPECT_EQ(readLastList(), QByteArray("\"/keep.mp3\"\r\n"));
}

TEST_F(StartupTest, ClosePictureAndQuitItemUnload)
{
    window->Form_Load();
    QSignalSpy unloaded(window.get(), &frmMain::unloaded);
    control<QToolButton>(*window, "Closed")->click();
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_TRUE(QFileInfo::exists(lastList()));

    TestMain second([] { return std::make_unique<FakeEngine>(); });
    second.Form_Load();
    QSignalSpy secondUnloaded(&second, &frmMain::unloaded);
    control<QAction>(second, "mnuExit")->trigger();
    EXPECT_EQ(secondUnloaded.count(), 1);
}

TEST_F(StartupTest, PlaylistPanelToggle)
{
    window->Form_Load();
    const struct {
        bool checked;
        int heightTwips;
    } cases[]
        = { { false, PanelToggle::kHeightWithoutPanel }, { true, PanelToggle::kHeightWithPanel } };
    for (const auto& c : cases) {
        control<QCheckBox>(*window, "chkPlay")->setChecked(c.checked);
        EXPECT_EQ(control<QWidget>(*window, "picPlayList")->isVisibleTo(window.get()), c.checked);
        EXPECT_EQ(window->height(), Twips::toPixelsY(c.heightTwips));
        // The rounded corners follow the new bottom edge.
        const QRegion mask = window->mask();
        EXPECT_EQ(mask.boundingRect().height(), window->height());
        EXPECT_FALSE(mask.contains(QPoint(0, window->height() - 1)));
    }
}

TEST_F(StartupTest, ActivationEmptiesTheCaption)
{
    window->setWindowTitle(QStringLiteral("a song"));
    window->Form_Activate();
    EXPECT_TRUE(window->windowTitle().isEmpty());
}

namespace {

// What may stand at the place of lastlist.lst besides a regular file, and what
// the player must leave there.
struct Occupant {
    const char* name;
    std::function<bool(const QString& path)> make;
};

QString describe(const QString& path)
{
    struct stat st { };
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return QStringLiteral("nothing");
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("link to ") + QFileInfo(path).symLinkTarget();
    return QStringLiteral("mode %1").arg(st.st_mode & S_IFMT, 0, 8);
}

class LastListOccupantTest : public StartupTest, public ::testing::WithParamInterface<Occupant> { };

} // namespace

TEST_P(LastListOccupantTest, StartsEmptyAndLeavesItAsItWas)
{
    QDir().mkpath(QFileInfo(lastList()).path());
    ASSERT_TRUE(GetParam().make(lastList()));
    const QString before = describe(lastList());
    // A blocking open or an endless read would hang here, on the UI thread.
    window->Form_Load();
    EXPECT_TRUE(window->isLoaded());
    EXPECT_EQ(window->core().playlist().Count(), 0);
    window->core().playlist().Append(QStringLiteral("/m/a.mp3"));
    window->Form_Unload();
    EXPECT_EQ(describe(lastList()), before);
}

INSTANTIATE_TEST_SUITE_P(NotARegularFile, LastListOccupantTest,
    ::testing::Values(
        Occupant { "Fifo",
            [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0644) == 0; } },
        Occupant { "LinkToDevZero",
            [](const QString& p) { return QFile::link(QStringLiteral("/dev/zero"), p); } },
        Occupant { "DanglingLink",
            [](const QString& p) { return QFile::link(QStringLiteral("/nonexistent/list.lst"), p); } },
        Occupant { "Folder", [](const QString& p) { return QDir().mkpath(p); } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, LinkToARegularFileIsReadByWhatItGives)
{
    // A file that reports a size of zero and still has bytes to read: the read
    // goes by what arrives, not by the size.
    QDir().mkpath(QFileInfo(lastList()).path());
    const QString source = home.filePath(QStringLiteral("list.lst"));
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"/m/a.mp3\"\r\n/m/b.mp3\r\n");
    file.close();
    ASSERT_TRUE(QFile::link(source, lastList()));
    window->Form_Load();
    EXPECT_EQ(window->core().playlist().Entries(), QStringList({ "/m/a.mp3", "/m/b.mp3" }));

    QFile::remove(lastList());
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/cmdline"), lastList()));
    ASSERT_EQ(QFileInfo(lastList()).size(), 0);
    TestMain second([] { return std::make_unique<FakeEngine>(); });
    second.Form_Load();
    EXPECT_GE(second.core().playlist().Count(), 1);
}
