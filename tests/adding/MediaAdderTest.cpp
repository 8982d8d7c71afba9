// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The add menu and its actions on a main window with a scripted engine and
// scripted dialogs.
#include "core/Levels.h"
#include "support/Controls.h"
#include "core/PlaybackClock.h"
#include "core/PlayerCore.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "core/TransportController.h"
#include "core/MediaAdder.h"
#include "support/TestMain.h"
#include "TreeHelpers.h"
#include "gui/frmPlayer.h"
#include "core/MediaAdder.h"
#include "core/PlaylistModel.h"
#include "gui/WindowSystem.h"
#include "gui/frmMain.h"
#include "support/FakeEngine.h"
#include "support/ScriptedPrompts.h"
#include "gui/VelkorCmd.h"

#include <sarv/Variateur.h>

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class MediaAdderTest : public testing::Test {
protected:
    MediaAdderTest()
        : window([this] {
            auto engine = std::make_unique<FakeEngine>();
            fake = engine.get();
            return engine;
        })
    {
    }

    MediaAdder& adder() { return window.core().adder(); }
    PlaylistModel& playlist() { return window.core().playlist(); }
    FakeEngine& engine()
    {
        window.videoWindow();
        return *fake;
    }

    void fill(int count)
    {
        for (int i = 0; i < count; ++i)
            playlist().Append(QStringLiteral("/old/%1.mp3").arg(i));
    }

    // A disc at disc.path() with the given files; VcdDrive points at it.
    void insertDisc(const QStringList& files)
    {
        touchAll(disc.path(), files);
        window.core().setVcdDrive(disc.path() + "/");
    }

    FakeEngine* fake = nullptr;
    TestMain window;
    ScriptedPrompts prompts;
    QTemporaryDir disc;
    QTemporaryDir folder;
};

namespace {

// Records the menus popped up instead of opening them.
class MenuRecorder : public WindowSystem {
public:
    MenuRecorder() { WindowSystem::setCurrent(this); }
    ~MenuRecorder() override { WindowSystem::setCurrent(nullptr); }
    void popupMenu(QMenu* menu, QAction* defaultItem) override { popped.append({ menu, defaultItem }); }
    void startSystemMove(QWidget*, QPoint) override { }
    QList<QPair<QMenu*, QAction*>> popped;
};

} // namespace

TEST_F(MediaAdderTest, AddMenuHasIconsAndPopsUpOnceFromTheAddButton)
{
    for (QAction* item : { control<QAction>(window, "mnuFile"), control<QAction>(window, "mnuAddDir"), control<QAction>(window, "mnuAddVCD") })
        EXPECT_FALSE(item->icon().isNull()) << item->text().toStdString();
    MenuRecorder menus;
    control<VelkorCmd>(window, "cmdAPlayList", 0)->click();
    ASSERT_EQ(menus.popped.size(), 1);
    EXPECT_EQ(menus.popped.first().first, control<QMenu>(window, "mnuMain"));
    EXPECT_EQ(menus.popped.first().second, nullptr);
}

TEST_F(MediaAdderTest, MenuItemsRunTheirHandlers)
{
    touch(folder.path(), "a.mp3");
    prompts.folders.enqueue(folder.path());
    control<QAction>(window, "mnuAddDir")->trigger();
    insertDisc({ "mpegav/avseq01.dat" });
    control<QAction>(window, "mnuAddVCD")->trigger();
    prompts.chooseFile("/x/one.avi");
    control<QAction>(window, "mnuFile")->trigger();
    EXPECT_EQ(playlist().Entries(),
        QStringList(
            { folder.path() + "/a.mp3", disc.path() + "/mpegav/avseq01.dat", "/x/one.avi" }));
    control<QAction>(window, "mnuAutoVCD")->trigger();
    EXPECT_EQ(playlist().Entries(), QStringList({ disc.path() + "/mpegav/avseq01.dat" }));
}

TEST_F(MediaAdderTest, AddFileOffersTheMediaFilter)
{
    prompts.cancelFile();
    adder().mnuFile_Click();
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    const Prompts::FileRequest& request = prompts.fileRequests.first();
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.fileName, QString());
    EXPECT_EQ(request.filterIndex, 0);
    const QList<Prompts::FileFilter> expected = {
        { "Tous les fichiers Velkor (*.dat, *.mp3, *.mpeg, *.mpg, *.avi, *.wav, *.cda, *.mid, "
          "*.wma )",
            { "*.dat", "*.mp3", "*.mpeg", "*.mpg", "*.avi", "*.wma", "*.wav", "*.cda", "*.mid",
                "*.asf" } },
        { "Video CD (*.dat) ", { "*.dat" } },
        { " AVI Video (*.avi) ", { "*.avi" } },
        { "Fichiers MP3", { "*.mp3" } },
        { "Tous les fichiers (*.*) ", { "*.*" } },
    };
    EXPECT_EQ(request.filters, expected);
}

TEST_F(MediaAdderTest, AddFileAppendsAndShowsTheVideoWindowEvenOnCancel)
{
    for (const bool cancel : { false, true }) {
        SCOPED_TRACE(cancel ? "cancelled" : "chosen");
        playlist().Clear();
        fill(2);
        playlist().setListIndex(0);
        window.videoWindow().hide();
        engine().calls.clear();
        if (cancel)
            prompts.cancelFile();
        else
            prompts.chooseFile("/music/new song.mp3");
        adder().mnuFile_Click();
        QStringList expected = { "/old/0.mp3", "/old/1.mp3" };
        if (!cancel)
            expected << "/music/new song.mp3";
        EXPECT_EQ(playlist().Entries(), expected);
        EXPECT_EQ(playlist().ListIndex(), 0);
        EXPECT_TRUE(window.videoWindow().isVisible());
        // Nothing opened or played.
        EXPECT_TRUE(engine().callsStartingWith("setFileName").isEmpty());
        EXPECT_TRUE(engine().callsStartingWith("Play").isEmpty());
    }
}

TEST_F(MediaAdderTest, AddFolderAsksWithThePromptAndAppends)
{
    touchAll(folder.path(), { "b.avi", "a.mp3", "c.dat", ".hidden.mp3", "sub.mp3/x.mp3" });
    fill(1);
    prompts.folders.enqueue(folder.path() + "/");
    adder().mnuAddDir_Click();
    EXPECT_EQ(prompts.folderPrompts,
        QStringList("Velkor Player 2.0 va chercher les fichiers multimédia dans le "
                    "répertoire selectionné :"));
    const QStringList scanned = under(folder.path(), { "c.dat", "b.avi", "a.mp3" });
    EXPECT_EQ(playlist().Entries(), QStringList("/old/0.mp3") + scanned);

    // The same folder again adds every file again.
    prompts.folders.enqueue(folder.path());
    adder().mnuAddDir_Click();
    EXPECT_EQ(playlist().Entries(), QStringList("/old/0.mp3") + scanned + scanned);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(MediaAdderTest, AddFolderThatCannotBeReadKeepsThePlaylist)
{
    touch(folder.path(), "file.mp3");
    QTemporaryDir vanishing;
    touch(vanishing.path(), "a.mp3");
    const QString gone = vanishing.path();
    vanishing.remove();
    fill(3);
    const QStringList before = playlist().Entries();
    // Cancel, a folder removed after it was chosen, a file, an empty answer.
    prompts.folders.enqueue(std::nullopt);
    prompts.folders.enqueue(gone);
    prompts.folders.enqueue(folder.path() + "/file.mp3");
    prompts.folders.enqueue(QString());
    for (int i = 0; i < 4; ++i)
        adder().mnuAddDir_Click();
    EXPECT_EQ(playlist().Entries(), before);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_FALSE(window.hasVideoWindow());
}

TEST_F(MediaAdderTest, AddFolderOfTenThousandFiles)
{
    for (int i = 0; i < 10000; ++i)
        touch(folder.path(),
            QStringLiteral("f%1.%2").arg(i, 5, 10, QLatin1Char('0')).arg(i % 2 ? "jpg" : "wav"));
    prompts.folders.enqueue(folder.path());
    adder().mnuAddDir_Click();
    ASSERT_EQ(playlist().Count(), 5000);
    EXPECT_EQ(playlist().Entry(0), folder.path() + "/f00000.wav");
    EXPECT_EQ(playlist().Entry(4999), folder.path() + "/f09998.wav");
}

struct DiscCase {
    const char* what;
    QStringList files;
    QStringList tracks; // relative to the disc
};

class VideoCdTest : public MediaAdderTest, public testing::WithParamInterface<DiscCase> { };

TEST_P(VideoCdTest, AddVcdAppendsTheTracksAsSpelt)
{
    const DiscCase& c = GetParam();
    insertDisc(c.files);
    fill(1);
    adder().mnuAddVCD_Click();
    EXPECT_EQ(playlist().Entries(), QStringList("/old/0.mp3") + under(disc.path(), c.tracks));
    EXPECT_FALSE(window.hasVideoWindow()); // nothing played or shown
}

const DiscCase kDiscs[] = {
    { "upper case", { "MPEGAV/AVSEQ02.DAT", "MPEGAV/AVSEQ01.DAT" },
        { "MPEGAV/AVSEQ01.DAT", "MPEGAV/AVSEQ02.DAT" } },
    { "lower case", { "mpegav/avseq01.dat", "mpegav/avseq02.dat" },
        { "mpegav/avseq01.dat", "mpegav/avseq02.dat" } },
    { "mixed case", { "MpegAv/AvSeq01.Dat" }, { "MpegAv/AvSeq01.Dat" } },
    { "other files of the disc left out",
        { "MPEGAV/AVSEQ01.DAT", "MPEGAV/MUSIC01.DAT", "MPEGAV/.AVSEQ09.DAT", "MPEGAV/AVSEQ",
            "SEGMENT/AVSEQ05.DAT", "AVSEQ07.DAT", "VCD/INFO.VCD" },
        { "MPEGAV/AVSEQ01.DAT" } },
    { "empty MPEGAV folder", { "VCD/INFO.VCD", "MPEGAV/SUB/AVSEQ01.DAT" }, {} },
    { "no MPEGAV folder", { "VCD/INFO.VCD" }, {} },
    { "MPEGAV is a file", { "MPEGAV" }, {} },
};

INSTANTIATE_TEST_SUITE_P(Discs, VideoCdTest, testing::ValuesIn(kDiscs));

TEST_F(MediaAdderTest, AddVcdWithoutDriveSearchesTheCurrentFolder)
{
    touch(disc.path(), "MPEGAV/AVSEQ01.DAT");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(disc.path()));
    window.core().VcdDrive().clear();
    adder().mnuAddVCD_Click();
    QDir::setCurrent(previous);
    EXPECT_EQ(playlist().Entries(), QStringList("MPEGAV/AVSEQ01.DAT"));
}

TEST_F(MediaAdderTest, AddVcdFromAVanishedDriveAddsNothing)
{
    insertDisc({ "MPEGAV/AVSEQ01.DAT" });
    disc.remove();
    fill(2);
    adder().mnuAddVCD_Click();
    EXPECT_EQ(playlist().Count(), 2);
}

TEST_F(MediaAdderTest, AutoVcdReplacesThePlaylistAndPlays)
{
    insertDisc({ "MPEGAV/AVSEQ01.DAT", "MPEGAV/AVSEQ02.DAT" });
    const QString first = disc.path() + "/MPEGAV/AVSEQ01.DAT";
    fill(10);
    playlist().setListIndex(4);
    playlist().setCurrentTrack(7);
    window.core().setSelectionCaption("4.mp3");
    engine().durations[first] = 1234.9;
    adder().mnuAutoVCD_Click();

    EXPECT_EQ(
        playlist().Entries(), under(disc.path(), { "MPEGAV/AVSEQ01.DAT", "MPEGAV/AVSEQ02.DAT" }));
    EXPECT_EQ(playlist().CurrentTrack(), 7);
    EXPECT_EQ(engine().callsStartingWith("setFileName"), QStringList("setFileName:" + first));
    EXPECT_EQ(engine().callsStartingWith("Play"), QStringList("Play"));
    EXPECT_EQ(engine().calls.last(), "Play");
    EXPECT_EQ(control<sarv::Variateur>(window, "scrlTime")->Min(), 0);
    EXPECT_EQ(control<sarv::Variateur>(window, "scrlTime")->Max(), 1234);
    EXPECT_EQ(control<QLineEdit>(window, "txtTitle")->text(),
        " - Velkor Player 2.0 - " + control<QLabel>(window, "txtFN")->text() + QString(45, ' '));
    EXPECT_TRUE(window.videoWindow().isVisible());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(MediaAdderTest, AutoVcdReportsTheEngineErrorAndStillPlays)
{
    insertDisc({ "mpegav/avseq01.dat" });
    const QString track = disc.path() + "/mpegav/avseq01.dat";
    engine().failing << track;
    control<sarv::Variateur>(window, "scrlTime")->setMax(55);
    adder().mnuAutoVCD_Click();
    ASSERT_EQ(prompts.messages.size(), 1);
    const ScriptedPrompts::Message& box = prompts.messages.first();
    EXPECT_EQ(box.text, "Impossible d'ouvrir " + track);
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.buttons, Prompts::Buttons::Ok);
    EXPECT_EQ(box.icon, Prompts::Icon::None);
    EXPECT_EQ(engine().calls.last(), "Play");
    // No length known: the slider keeps its range.
    EXPECT_EQ(control<sarv::Variateur>(window, "scrlTime")->Max(), 55);
}

TEST_F(MediaAdderTest, AutoVcdCapsTheSliderAtItsLargestValue)
{
    insertDisc({ "MPEGAV/AVSEQ01.DAT" });
    engine().defaultDuration = 100000.0;
    adder().mnuAutoVCD_Click();
    EXPECT_EQ(control<sarv::Variateur>(window, "scrlTime")->Max(), 32767);
}

TEST_F(MediaAdderTest, AutoVcdWithoutTracksChangesNothing)
{
    insertDisc({ "MPEGAV/README.TXT" });
    fill(10);
    window.core().setTitle("titre");
    adder().mnuAutoVCD_Click();
    EXPECT_EQ(playlist().Count(), 10);
    EXPECT_EQ(control<QLineEdit>(window, "txtTitle")->text(), "titre");
    EXPECT_FALSE(window.hasVideoWindow());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

} // namespace
