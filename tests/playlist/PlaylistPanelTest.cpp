// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The playlist panel inside a real main window: its buttons, keys, the
// selection label, and Save and Load through scripted file dialogs.
#include "core/FileNameCodec.h"
#include "support/Controls.h"
#include "core/Levels.h"
#include "core/PlaybackClock.h"
#include "core/PlayerCore.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "core/TransportController.h"
#include "core/MediaAdder.h"
#include "support/TestMain.h"
#include "gui/frmPlayer.h"
#include "core/PlaylistModel.h"
#include "core/PlaylistFile.h"
#include "gui/PlaylistPanel.h"
#include "gui/frmMain.h"
#include "support/FakeEngine.h"
#include "support/ScriptedPrompts.h"
#include "gui/VelkorCmd.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PlaylistPanelTest : public ::testing::Test {
protected:
    PlaylistPanelTest()
        : window([this] {
            auto engine = std::make_unique<FakeEngine>();
            fake = engine.get();
            return engine;
        })
    {
    }

    void fill(const QStringList& entries) { window.core().playlist().AppendMany(entries); }
    void click(int button) { control<VelkorCmd>(window, "cmdAPlayList", button)->click(); }
    QByteArray fileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    ScriptedPrompts prompts;
    FakeEngine* fake = nullptr;
    TestMain window;
    QTemporaryDir dir;
};

const QString kCaption = QStringLiteral(" Chanson selectionnée :    ");

} // namespace

TEST_F(PlaylistPanelTest, SelectionShowsTheFileName)
{
    fill({ "/music/song.mp3", "song.mp3", "-", "", "/music/dir/other.ogg",
        FileNameCodec::decode("/music/caf\xe9.mp3") });
    PlaylistModel& list = window.core().playlist();
    struct Case {
        int index;
        QString caption;
        QString tooltip;
    };
    const QList<Case> cases = {
        { 0, kCaption + "song.mp3", "/music/song.mp3" },
        { 1, kCaption + "song.mp3", "song.mp3" },
        { 2, kCaption + "song.mp3", "song.mp3" }, // a break entry changes nothing
        { 3, kCaption + "song.mp3", "song.mp3" }, // nor does an empty entry
        { 4, kCaption + "other.ogg", "/music/dir/other.ogg" },
        // A latin-1 name from an old disc reads as its characters.
        { 5, kCaption + QStringLiteral("café.mp3"), QStringLiteral("/music/café.mp3") },
    };
    for (const Case& c : cases) {
        list.setListIndex(c.index);
        EXPECT_EQ(control<QLabel>(window, "txtFN")->text(), c.caption) << c.index;
        EXPECT_EQ(control<QLabel>(window, "txtFN")->toolTip(), c.tooltip) << c.index;
    }
}

TEST_F(PlaylistPanelTest, RemoveAndClear)
{
    fill({ "/a", "/b", "/c" });
    window.core().playlist().setCurrentTrack(2);
    window.core().playlist().setListIndex(1);
    click(1); // "&Supprimer"
    EXPECT_EQ(window.core().playlist().Entries(), QStringList({ "/a", "/c" }));
    EXPECT_EQ(window.core().playlist().ListIndex(), -1);
    EXPECT_TRUE(control<QLabel>(window, "txtFN")->text().isEmpty());

    window.core().setSelectionCaption(QStringLiteral("x"));
    click(1); // nothing selected: removes nothing, still clears the label
    EXPECT_EQ(window.core().playlist().Count(), 2);
    EXPECT_TRUE(control<QLabel>(window, "txtFN")->text().isEmpty());

    window.core().setSelectionCaption(QStringLiteral("x"));
    click(4); // "&Vider"
    EXPECT_EQ(window.core().playlist().Count(), 0);
    EXPECT_TRUE(control<QLabel>(window, "txtFN")->text().isEmpty());
    EXPECT_EQ(window.core().playlist().CurrentTrack(), 2);
}

TEST_F(PlaylistPanelTest, KeysOfTheList)
{
    fill({ "/a", "/b", "/c" });
    window.core().playlist().setListIndex(0);
    QTest::keyClick(control<QListView>(window, "lstPlay"), Qt::Key_Period);
    EXPECT_EQ(window.core().playlist().Entries(), QStringList({ "/b", "/c" }));
    // The keypad's decimal key types "." too.
    window.core().playlist().setListIndex(1);
    QTest::keyClick(control<QListView>(window, "lstPlay"), Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(window.core().playlist().Entries(), QStringList({ "/b" }));
    // Delete types no character and removes nothing; Enter plays, it removes nothing.
    window.core().playlist().setListIndex(0);
    QTest::keyClick(control<QListView>(window, "lstPlay"), Qt::Key_Delete);
    QTest::keyClick(control<QListView>(window, "lstPlay"), Qt::Key_Return);
    EXPECT_EQ(window.core().playlist().Entries(), QStringList({ "/b" }));
}

TEST_F(PlaylistPanelTest, SaveWritesTheChosenFile)
{
    fill({ "C:\\a.mp3", "D:\\b c.mp3" });
    const QString path = dir.filePath(QStringLiteral("mine")); // no extension is added
    prompts.chooseFile(path);
    window.core().setSelectionCaption(QStringLiteral("x"));
    click(2); // "&Sauvgarder"

    ASSERT_EQ(prompts.fileRequests.size(), 1);
    const Prompts::FileRequest& request = prompts.fileRequests.first();
    EXPECT_TRUE(request.save);
    EXPECT_TRUE(request.fileName.isEmpty());
    const QList<Prompts::FileFilter> filters = {
        { QStringLiteral("List (*.lst) "), { QStringLiteral("*.lst") } },
        { QStringLiteral(" All files (*.*) "), { QStringLiteral("*.*") } },
    };
    EXPECT_EQ(request.filters, filters);
    EXPECT_EQ(fileBytes(path), QByteArray("\"C:\\a.mp3\"\r\n\"D:\\b c.mp3\"\r\n"));
    EXPECT_TRUE(control<QLabel>(window, "txtFN")->text().isEmpty());
    EXPECT_EQ(fake->calls.count(QStringLiteral("Pause")), 1);
    EXPECT_TRUE(window.videoWindow().isVisible());

    // Saving again replaces the file without a question.
    window.core().playlist().Clear();
    prompts.chooseFile(path);
    click(2);
    EXPECT_EQ(fileBytes(path), QByteArray());
}

TEST_F(PlaylistPanelTest, CancelledDialogsChangeNothingButPause)
{
    fill({ "/a" });
    window.core().setSelectionCaption(QStringLiteral("x"));
    prompts.cancelFile();
    click(2);
    prompts.cancelFile();
    click(3);
    EXPECT_EQ(window.core().playlist().Entries(), QStringList({ "/a" }));
    EXPECT_EQ(control<QLabel>(window, "txtFN")->text(), QStringLiteral("x"));
    EXPECT_EQ(fake->calls.count(QStringLiteral("Pause")), 2);
    EXPECT_TRUE(window.videoWindow().isVisible());
}

TEST_F(PlaylistPanelTest, LoadReplacesThePlaylistAsWritten)
{
    const QString path = dir.filePath(QStringLiteral("list.lst"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("007\r\n\"/b.mp3\"\r\n");
    file.close();

    fill({ "/old" });
    window.core().playlist().setCurrentTrack(5);
    window.core().setSelectionCaption(QStringLiteral("x"));
    prompts.chooseFile(path);
    click(3); // "&Charger"
    EXPECT_FALSE(prompts.fileRequests.first().save);
    EXPECT_EQ(window.core().playlist().Entries(), QStringList({ "007", "/b.mp3" }));
    EXPECT_EQ(window.core().playlist().CurrentTrack(), 5);
    EXPECT_EQ(window.core().playlist().ListIndex(), -1);
    EXPECT_TRUE(control<QLabel>(window, "txtFN")->text().isEmpty());
    EXPECT_TRUE(fake->callsStartingWith(QStringLiteral("setFileName")).isEmpty());
}

// The list has the keyboard focus when the dialog closes: the focus puts the
// list's cursor on the first entry, which neither selects nor names it.
TEST_F(PlaylistPanelTest, LoadLeavesNothingSelectedWhenTheListHasTheFocus)
{
    const QString path = dir.filePath(QStringLiteral("list.lst"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"/a.mp3\"\r\n\"/b.mp3\"\r\n");
    file.close();

    window.show();
    prompts.chooseFile(path);
    click(3);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(control<QListView>(window, "lstPlay"), &focusIn);
    ASSERT_EQ(control<QListView>(window, "lstPlay")->currentIndex().row(), 0);
    EXPECT_EQ(window.core().playlist().ListIndex(), -1);
    EXPECT_TRUE(control<QListView>(window, "lstPlay")->selectionModel()->selectedIndexes().isEmpty());
    EXPECT_TRUE(control<QLabel>(window, "txtFN")->text().isEmpty());
    // A click still selects and names the entry.
    control<QListView>(window, "lstPlay")->setCurrentIndex(window.core().playlist().index(1));
    EXPECT_EQ(window.core().playlist().ListIndex(), 1);
    EXPECT_EQ(control<QLabel>(window, "txtFN")->text(), kCaption + QStringLiteral("b.mp3"));
}

TEST_F(PlaylistPanelTest, LoadOfAFileThatCannotBeOpenedKeepsThePlaylist)
{
    fill({ "/keep" });
    window.core().setSelectionCaption(QStringLiteral("x"));
    prompts.chooseFile(dir.filePath(QStringLiteral("typed-but-missing.lst")));
    click(3);
    prompts.chooseFile(dir.path()); // a folder
    click(3);
    EXPECT_EQ(window.core().playlist().Entries(), QStringList({ "/keep" }));
    EXPECT_EQ(control<QLabel>(window, "txtFN")->text(), QStringLiteral("x"));
}

TEST(Playlist, HoldsAtMost32767Entries)
{
    PlaylistModel list;
    QStringList many;
    for (int i = 0; i < 32760; ++i)
        many << QString::number(i);
    list.AppendMany(many);
    list.setListIndex(3);
    list.AppendMany({ "a", "b", "c", "d", "e", "f", "g", "h", "i", "j" });
    EXPECT_EQ(list.Count(), PlaylistFile::kMaxEntries);
    EXPECT_EQ(list.Entry(32766), QStringLiteral("g"));
    EXPECT_EQ(list.ListIndex(), 3); // appending keeps the selection
    list.Append(QStringLiteral("k"));
    EXPECT_EQ(list.Count(), PlaylistFile::kMaxEntries);
}
