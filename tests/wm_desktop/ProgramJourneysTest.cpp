// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built program under a window manager, driven as a person drives it:
// on top restored at start-up and toggled, About over the main window while on
// top is suspended, and quitting by SIGTERM in every state a
// session can leave it in, each of which must end with status 0 and both the
// playlist and the settings written.
#include "Program.h"
#include "X11Desktop.h"

#include "gui/Twips.h"
#include "support/MediaGenerator.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

using X11Desktop::Id;

namespace {

const QString kHidden = QStringLiteral("_NET_WM_STATE_HIDDEN");

QByteArray written(const QStringList& entries)
{
    QByteArray bytes;
    for (const QString& e : entries)
        bytes += '"' + QFile::encodeName(e) + "\"\r\n";
    return bytes;
}

struct Journey {
    const char* name;
    bool onTop;
    QByteArray lastList; // what the data folder holds at start
    std::function<QStringList()> arguments;
    std::function<bool(Program&)> reachState; // false when the state was not reached
    Program::Quit quit;
    std::function<QStringList()> playlistAtExit;
};

bool noState(Program&)
{
    return true;
}

bool aboutOpen(Program& p)
{
    p.click(p.at(120 + 127, 75 + 127));
    return p.waitForWindows([](const QList<Id>& w) { return w.size() >= 2; });
}

bool videoWindowShown(Program& p)
{
    return p.waitForWindows([](const QList<Id>& w) { return w.size() >= 2; });
}

bool fullScreen(Program& p)
{
    if (!videoWindowShown(p))
        return false;
    p.click(p.at(4545 + 165, 600 + 165));
    QTest::qWait(300);
    X11Desktop::xdotool({ QStringLiteral("key"), QStringLiteral("p") });
    return p.waitForWindows([](const QList<Id>& ws) {
        for (Id w : ws)
            if (X11Desktop::geometry(w).width() == 1280)
                return true;
        return false;
    });
}

bool leftFullScreen(Program& p)
{
    if (!fullScreen(p))
        return false;
    X11Desktop::xdotool({ QStringLiteral("key"), QStringLiteral("Escape") });
    return p.waitForWindows([](const QList<Id>& ws) {
        for (Id w : ws)
            if (X11Desktop::geometry(w).width() == 1280)
                return false;
        return true;
    });
}

bool movedPausedVideo(Program& p)
{
    if (!videoWindowShown(p))
        return false;
    for (Id w : p.windows())
        if (w != p.mainWindow)
            X11Desktop::xdotool({ QStringLiteral("windowmove"), QString::number(w),
                QStringLiteral("600"), QStringLiteral("500") });
    QTest::qWait(500);
    p.key(QStringLiteral("ctrl+a"));
    QTest::qWait(500);
    return true;
}

bool longFilePaused(Program& p)
{
    QTest::qWait(1000);
    p.key(QStringLiteral("ctrl+a"));
    QTest::qWait(500);
    return true;
}

bool breakMessageOpen(Program& p)
{
    p.key(QStringLiteral("ctrl+p"));
    return p.waitForWindows([](const QList<Id>& ws) {
        for (Id w : ws)
            if (X11Desktop::name(w) == QStringLiteral("Have a Break!"))
                return true;
        return false;
    });
}

bool openDialogOpen(Program& p)
{
    p.key(QStringLiteral("ctrl+o"));
    return p.waitForWindows([](const QList<Id>& w) { return w.size() >= 2; });
}

QStringList none()
{
    return {};
}
QStringList video()
{
    return { media().video };
}
QStringList longWav()
{
    return { media().longWav };
}
QStringList breakEntries()
{
    return { QStringLiteral("-"), QStringLiteral("-") };
}

const Journey kJourneys[] = {
    { "OnTopRestored", true, {}, none, noState, Program::Quit::Sigterm, none },
    { "OnTopOff", false, {}, none, noState, Program::Quit::Sigterm, none },
    { "AboutOpenOnTop", true, {}, none, aboutOpen, Program::Quit::Sigterm, none },
    { "FullScreenVideo", false, {}, video, fullScreen, Program::Quit::Sigterm, video },
    { "AfterLeavingFullScreen", true, {}, video, leftFullScreen, Program::Quit::Sigterm, video },
    { "MovedPausedVideoWindow", true, {}, video, movedPausedVideo, Program::Quit::Sigterm, video },
    { "LongPausedAudio", true, {}, longWav, longFilePaused, Program::Quit::Sigterm, longWav },
    // Play goes to the entry after CurrentTrack (0): the second break asks.
    { "MessageBoxOpen", true, "\"-\"\r\n\"-\"\r\n", none, breakMessageOpen,
        Program::Quit::Sigterm, breakEntries },
    { "FileDialogOpen", true, {}, none, openDialogOpen, Program::Quit::Sigterm, none },
    { "CloseDotOnTopOff", false, {}, none, noState, Program::Quit::CloseDot, none },
    { "CloseDotOnTopRestored", true, {}, video, noState, Program::Quit::CloseDot, video },
};

class Quitting : public ::testing::TestWithParam<Journey> { };

} // namespace

TEST_P(Quitting, EndsWithStatusZeroAndWritesBothFiles)
{
    const Journey& j = GetParam();
    ASSERT_TRUE(media().ready);
    Program program(j.onTop, j.lastList);
    ASSERT_TRUE(program.start(j.arguments()));
    ASSERT_TRUE(j.reachState(program));
    ::unlink(QFile::encodeName(program.configFolder() + QStringLiteral("/velkor-player.ini")));
    const qint64 ms = program.quit(j.quit);
    ASSERT_GE(ms, 0) << "still running 10 s after the request to quit";
    std::printf("  %s: ended %lld ms after the request\n", j.name, static_cast<long long>(ms));
    EXPECT_EQ(program.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.process().exitCode(), 0);
    EXPECT_EQ(program.file(program.lastListPath()), written(j.playlistAtExit()));
    EXPECT_TRUE(program.file(program.configFolder() + QStringLiteral("/velkor-player.ini"))
                    .contains(j.onTop ? "Ontop=True" : "Ontop=False"));
}

INSTANTIATE_TEST_SUITE_P(States, Quitting, ::testing::ValuesIn(kJourneys),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OnTopProgram, RestoredOnTopTogglesOnTheSameWindowAndAboutStaysOverIt)
{
    Program program(true, {});
    ASSERT_TRUE(program.start({}));
    const Id main = program.mainWindow;
    ASSERT_TRUE(waitFor([&] { return program.mainAbove(); }));

    // Ctrl+L ("P&remier plan") twice: off, then on again, always on the same
    // mapped window, which keeps the focus.
    for (bool wanted : { false, true }) {
        SCOPED_TRACE(wanted);
        program.key(QStringLiteral("ctrl+l"));
        EXPECT_TRUE(waitFor([&] { return program.mainAbove() == wanted; }, 3000));
        EXPECT_TRUE(X11Desktop::isViewable(main));
        EXPECT_EQ(X11Desktop::activeWindow(), main);
        EXPECT_TRUE(program.windows().contains(main));
    }

    // "?" suspends on top: the main window leaves the top-most layer and the
    // About window stays over it, also after the periodic rule has run again.
    ASSERT_TRUE(aboutOpen(program));
    QTest::qWait(1200);
    EXPECT_FALSE(program.mainAbove());
    Id about = 0;
    for (Id w : program.windows())
        if (w != main)
            about = w;
    const QList<Id> order = X11Desktop::stacking();
    ASSERT_TRUE(order.contains(about));
    EXPECT_GT(order.indexOf(about), order.indexOf(main));

    // "&Ok" gives on top back.
    const QRect g = X11Desktop::geometry(about);
    program.click(g.topLeft()
        + QPoint(Twips::toPixelsX(2760 + 600), Twips::toPixelsY(3240 + 187)));
    EXPECT_TRUE(waitFor([&] { return program.mainAbove(); }, 3000));
    EXPECT_TRUE(program.waitForWindows([](const QList<Id>& w) { return w.size() == 1; }));
    EXPECT_TRUE(program.windows().contains(main));
    EXPECT_GE(program.quit(Program::Quit::Sigterm), 0);
}

// Minimised by its orange dot, the main window shows the scrolling title as
// its task-bar caption; brought back, it is on top again with an empty
// caption, the same window throughout. Dragged by its title, it follows the
// pointer.
TEST(MinimiseProgram, CaptionScrollsWhileMinimisedAndRestoringGivesOnTopBack)
{
    ASSERT_TRUE(media().ready);
    Program program(true, {});
    ASSERT_TRUE(program.start(video()));
    const Id main = program.mainWindow;
    ASSERT_TRUE(waitFor([&] { return program.mainAbove(); }));

    // An empty caption reads as the program's name on the X server.
    const QString emptyCaption = X11Desktop::name(main);
    program.click(program.at(4680 + 67, 75 + 67));
    ASSERT_TRUE(waitFor([&] { return X11Desktop::netWmState(main).contains(kHidden); }, 3000));
    const QString caption = X11Desktop::name(main);
    EXPECT_TRUE(caption.contains(QStringLiteral("clip.mpg"))) << caption.toStdString();
    EXPECT_TRUE(waitFor([&] { return X11Desktop::name(main) != caption; }, 3000))
        << "the caption stays " << caption.toStdString();

    X11Desktop::xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(main) });
    EXPECT_TRUE(waitFor(
        [&] { return X11Desktop::isViewable(main) && !X11Desktop::netWmState(main).contains(kHidden); }, 3000));
    EXPECT_TRUE(waitFor([&] { return program.mainAbove(); }, 3000));
    EXPECT_TRUE(waitFor([&] { return X11Desktop::name(main) == emptyCaption; }, 3000))
        << X11Desktop::name(main).toStdString();

    const QPoint before = X11Desktop::geometry(main).topLeft();
    const QPoint delta(120, 90);
    X11Desktop::drag(program.at(900 + 1800, 45 + 90), delta);
    // The window system takes the window over where the pointer is once the
    // arming step is made: the window may lag the pointer by that step.
    EXPECT_TRUE(waitFor([&] {
        return (X11Desktop::geometry(main).topLeft() - before - delta).manhattanLength()
            <= X11Desktop::kArmingStep.manhattanLength() + 4;
    }, 3000)) << "moved by " << (X11Desktop::geometry(main).topLeft() - before).x() << ","
              << (X11Desktop::geometry(main).topLeft() - before).y();
    EXPECT_TRUE(program.windows().contains(main));
    EXPECT_GE(program.quit(Program::Quit::Sigterm), 0);
}
