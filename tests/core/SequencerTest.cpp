// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Next, Previous and Start on a fake engine: which entry opens, and what Start
// does around it.
#include "CoreHarness.h"
#include "support/WaitFor.h"

#include "core/PlaybackClock.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

enum class Step { Next, Previous };

struct StepCase {
    const char* name;
    int entries;
    int currentTrack;
    bool repeat;
    bool shuffle;
    Step step;
    int expectedStart; // -1: nothing starts
    int expectedDisplaySize; // DisplaySize afterwards, from 3 before
};

QStringList entries(int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QStringLiteral("/m/clip%1.avi").arg(i);
    return out;
}

} // namespace

TEST(TrackSelection, NextAndPreviousChooseTheEntry)
{
    const StepCase cases[] = {
        { "empty next", 0, 0, false, false, Step::Next, -1, 3 },
        { "empty next, repeat and shuffle", 0, 0, true, true, Step::Next, -1, 3 },
        { "empty previous, repeat and shuffle", 0, 0, true, true, Step::Previous, -1, 3 },
        { "one entry, next ends", 1, 0, false, false, Step::Next, -1, 0 },
        { "one entry, repeat starts it again", 1, 0, true, false, Step::Next, 0, 3 },
        { "one entry, shuffle", 1, 0, false, true, Step::Next, 0, 3 },
        { "three, middle, next", 3, 1, false, false, Step::Next, 2, 3 },
        { "three, last, next ends", 3, 2, false, false, Step::Next, -1, 0 },
        { "three, last, next wraps", 3, 2, true, false, Step::Next, 0, 3 },
        { "three, last, previous", 3, 2, false, false, Step::Previous, 1, 3 },
        { "three, first, previous wraps", 3, 0, true, false, Step::Previous, 2, 3 },
        { "three, first, previous stays", 3, 0, false, false, Step::Previous, -1, 3 },
        { "track past the end, next ends", 3, 5, false, false, Step::Next, -1, 0 },
        { "track past the end, next wraps", 3, 5, true, false, Step::Next, 0, 3 },
        { "track past the end, previous takes the last", 3, 5, false, false, Step::Previous, 2, 3 },
        { "no track, next takes the first", 3, -1, false, false, Step::Next, 0, 3 },
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h(entries(c.entries));
        h.core.setOnTopWanted(true);
        h.core.chkRepeat_Click(c.repeat);
        h.core.chkSuffle_Click(c.shuffle);
        h.playlist().setCurrentTrack(short(c.currentTrack));
        h.fake->displaySize = 3;
        h.fake->calls.clear();
        if (c.step == Step::Next)
            h.tracks().cmdForward_Click();
        else
            h.tracks().cmdBack_Click();
        if (c.expectedStart < 0) {
            EXPECT_TRUE(h.opened().isEmpty());
        } else {
            EXPECT_EQ(h.opened(), QStringList { entries(c.entries).at(c.expectedStart) });
            EXPECT_EQ(h.fake->callsStartingWith(QStringLiteral("setCurrentPosition")),
                QStringList { QStringLiteral("setCurrentPosition:0") });
            EXPECT_EQ(h.playlist().CurrentTrack(), c.expectedStart);
            EXPECT_EQ(h.playlist().ListIndex(), c.expectedStart);
        }
        EXPECT_EQ(h.fake->displaySize, c.expectedDisplaySize);
    }
}

TEST(TrackSelection, RemovedEntriesLeaveTheTrackPastTheEnd)
{
    Harness h(entries(5));
    h.start(4);
    h.playlist().Remove(4);
    h.playlist().Remove(3);
    h.fake->calls.clear();
    h.tracks().cmdForward_Click();
    EXPECT_TRUE(h.opened().isEmpty());
    EXPECT_EQ(h.fake->displaySize, 0);
    h.core.chkRepeat_Click(true);
    h.tracks().cmdForward_Click();
    EXPECT_EQ(h.opened(), QStringList { QStringLiteral("/m/clip0.avi") });
}

TEST(TrackSelection, StartWithoutSelectionDoesNothing)
{
    Harness h(entries(3));
    h.fake->calls.clear();
    h.playlist().setListIndex(-1);
    h.tracks().lstPlay_DblClick();
    EXPECT_TRUE(h.fake->calls.isEmpty());
    EXPECT_EQ(h.playlist().CurrentTrack(), 0);
}

TEST(TrackSelection, BreakEntryAsksBeforeGoingOn)
{
    struct Case {
        const char* name;
        Prompts::Answer answer;
        QStringList opened;
        bool stoppedAtZero;
    };
    const Case cases[] = {
        { "OK starts B", Prompts::Answer::Ok, { "/m/A.avi", "/m/B.avi" }, false },
        { "Cancel stops A at 0", Prompts::Answer::Cancel, { "/m/A.avi" }, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h({ QStringLiteral("/m/A.avi"), QStringLiteral("-"), QStringLiteral("/m/B.avi") });
        h.start(0);
        h.fake->position = 100.0; // A has played to its end
        h.prompts.answers.enqueue(c.answer);
        h.tracks().cmdForward_Click(); // as at the end of A

        ASSERT_EQ(h.prompts.messages.size(), 1);
        EXPECT_EQ(h.prompts.messages[0].text, QStringLiteral("Break for changing CD"));
        EXPECT_EQ(h.prompts.messages[0].title, QStringLiteral("Have a Break!"));
        EXPECT_EQ(h.prompts.messages[0].buttons, Prompts::Buttons::OkCancel);
        EXPECT_EQ(h.opened(), c.opened);
        if (c.stoppedAtZero) {
            EXPECT_EQ(h.fake->fileName, QStringLiteral("/m/A.avi"));
            EXPECT_FALSE(h.fake->playing);
            EXPECT_EQ(h.fake->position, 0.0);
            EXPECT_EQ(h.playlist().CurrentTrack(), 0);
        } else {
            EXPECT_EQ(h.playlist().CurrentTrack(), 2);
        }
    }
}

TEST(TrackSelection, FailingEntriesEndAfterOnePass)
{
    struct Case {
        const char* name;
        QStringList entries;
        QStringList failing;
        bool shuffle;
        int okAnswers; // break boxes answered OK
    };
    const Case cases[] = {
        { "all failing", { "/m/a.avi", "/m/b.avi", "/m/c.avi" },
            { "/m/a.avi", "/m/b.avi", "/m/c.avi" }, false, 0 },
        { "all failing, shuffle", { "/m/a.avi", "/m/b.avi", "/m/c.avi" },
            { "/m/a.avi", "/m/b.avi", "/m/c.avi" }, true, 0 },
        { "only a break", { "-" }, {}, false, 1 },
        { "failing and a break", { "/m/a.avi", "-" }, { "/m/a.avi" }, false, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h(c.entries);
        h.fake->failing = c.failing;
        h.core.chkRepeat_Click(true);
        h.core.chkSuffle_Click(c.shuffle);
        h.tracks().Randomize(7);
        h.fake->displaySize = 3;
        h.core.setOnTopWanted(true);
        h.start(0);
        EXPECT_EQ(h.fake->displaySize, 0);
        EXPECT_EQ(h.prompts.messages.size(), c.okAnswers); // and no error box
        QStringList tried = h.opened();
        tried.removeDuplicates();
        EXPECT_EQ(tried.size(), c.failing.size());
        if (!c.shuffle) { // in order, exactly one pass
            EXPECT_EQ(h.opened(), c.failing);
        }
    }
}

TEST(TrackSelection, FailingEntryMovesOnToOneThatOpens)
{
    Harness h({ QStringLiteral("/m/ok.avi"), QStringLiteral("/m/bad1.avi"),
        QStringLiteral("/m/bad2.avi") });
    h.fake->failing = { QStringLiteral("/m/bad1.avi"), QStringLiteral("/m/bad2.avi") };
    h.core.chkRepeat_Click(true);
    h.start(1);
    EXPECT_EQ(h.opened(), (QStringList { "/m/bad1.avi", "/m/bad2.avi", "/m/ok.avi" }));
    EXPECT_EQ(h.playlist().CurrentTrack(), 0);
    EXPECT_TRUE(h.prompts.messages.isEmpty());

    // The pass restarts with every outside action: a second failing run is
    // again given a whole pass.
    h.fake->calls.clear();
    h.start(1);
    EXPECT_EQ(h.opened().size(), 3);
}

// The largest playlist, none of which opens: the run ends without exhausting
// the stack.
TEST(TrackSelection, LongFailingPlaylistEnds)
{
    QStringList names;
    for (int i = 0; i < 32767; ++i)
        names << QStringLiteral("/m/bad%1.avi").arg(i);
    Harness h(names);
    h.fake->failing = names;
    h.core.chkRepeat_Click(true);
    h.start(0);
    // A run this long hands its rest to the event loop in slices.
    ASSERT_TRUE(waitFor([&] { return !h.tracks().isMovingOn(); }, 60000));
    EXPECT_EQ(h.opened().size(), 32767);
}

// Failing entries that each take the engine a while: the run gives the event
// loop its turns, still tries each entry once in order, and ends early only
// when the user stops it or starts something else.
TEST(TrackSelection, SlowFailingRunLetsTheEventLoopIn)
{
    enum class Then { Wait, Stop, StartAnother, Quit };
    struct Case {
        const char* name;
        Then then;
    };
    const Case cases[] = {
        { "left alone", Then::Wait },
        { "Stop pressed", Then::Stop },
        { "another entry started", Then::StartAnother },
        // The engine goes with the window; no entry may make a new one.
        { "the program quits", Then::Quit },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList names;
        for (int i = 0; i < 12; ++i)
            names << QStringLiteral("/m/slow%1.avi").arg(i);
        Harness h(names + QStringList { QStringLiteral("/m/ok.avi") });
        h.fake->failing = names;
        h.fake->failDelayMs = 20;
        bool eventLoopRan = false;
        QTimer::singleShot(0, [&] { eventLoopRan = true; });
        h.start(0);
        EXPECT_TRUE(h.tracks().isMovingOn());
        EXPECT_LT(h.opened().size(), names.size());
        if (c.then == Then::Stop)
            h.transport().cmdStop_Click();
        if (c.then == Then::StartAnother) {
            h.fake->calls.clear();
            h.start(12);
        }
        if (c.then == Then::Quit) {
            h.tracks().cancelMoveOn();
            h.core.engineHost().release();
            EXPECT_FALSE(h.tracks().isMovingOn());
            QTest::qWait(200);
            EXPECT_EQ(h.enginesMade, 1);
            continue;
        }
        ASSERT_TRUE(waitFor([&] { return !h.tracks().isMovingOn(); }, 10000));
        QTest::qWait(50);
        switch (c.then) {
        case Then::Wait:
            EXPECT_TRUE(eventLoopRan);
            EXPECT_EQ(h.opened(), names + QStringList { QStringLiteral("/m/ok.avi") });
            EXPECT_EQ(h.playlist().CurrentTrack(), 12);
            break;
        case Then::Stop:
            EXPECT_LT(h.opened().size(), names.size());
            EXPECT_FALSE(h.opened().contains(QStringLiteral("/m/ok.avi")));
            break;
        case Then::StartAnother:
            EXPECT_EQ(h.opened(), QStringList { QStringLiteral("/m/ok.avi") });
            break;
        }
    }
}

TEST(TrackSelection, StartSetsTheSliderAndTheTitle)
{
    struct Case {
        const char* name;
        double duration;
        short expectedMax;
    };
    const Case cases[] = {
        { "whole seconds, rounded down", 125.9, 125 },
        { "too long for the slider", 40000.0, 32767 },
        { "exactly the top", 32767.0, 32767 },
        { "empty media", 0.0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h({ QStringLiteral("/music/song.mp3") });
        h.fake->defaultDuration = c.duration;
        h.playlist().setListIndex(0);
        h.core.setSelectionCaption(QStringLiteral(" Chanson selectionnée :    song.mp3"));
        h.tracks().lstPlay_DblClick();
        EXPECT_EQ(h.core.timeMin(), 0);
        EXPECT_EQ(h.core.timeMax(), c.expectedMax);
        EXPECT_TRUE(h.prompts.messages.isEmpty());
        EXPECT_EQ(h.core.title(),
            QStringLiteral("- Velkor Player 2.0 -    Chanson selectionnée :    song.mp3")
                + QStringLiteral("                                                 "));
        EXPECT_EQ(h.core.title().size() - h.core.title().trimmed().size(), 49);
    }
}

TEST(TrackSelection, FailedOpenKeepsTheSliderRange)
{
    Harness h({ QStringLiteral("/m/ok.avi"), QStringLiteral("/m/bad.avi") });
    h.fake->failing = { QStringLiteral("/m/bad.avi") };
    h.start(0);
    ASSERT_EQ(h.core.timeMax(), 100);
    h.start(1);
    EXPECT_EQ(h.core.timeMax(), 100);
}

TEST(TrackSelection, FullScreenMinimisesBothWindowsUnlessOnTop)
{
    for (const bool onTop : { false, true }) {
        SCOPED_TRACE(onTop ? "on top" : "not on top");
        Harness h({ QStringLiteral("/m/clip.avi") });
        h.core.setOnTopWanted(onTop);
        h.fake->displaySize = 3;
        h.start(0);
        EXPECT_TRUE(h.videoMinimised);
        EXPECT_EQ(h.mainMinimised, onTop ? 0 : 1);
    }
}

TEST(RandomIndex, NearestIntegerHalvesToEven)
{
    struct Case {
        double r;
        int n;
        int expected;
    };
    const Case cases[] = {
        { 0.0, 0, 0 },
        { 0.99, 0, 0 },
        { 0.49, 1, 0 },
        { 0.5, 1, 0 },
        { 0.51, 1, 1 },
        { 0.25, 2, 0 },
        { 0.26, 2, 1 },
        { 0.74, 2, 1 },
        { 0.75, 2, 2 },
        { 0.999, 2, 2 },
        { 0.625, 4, 2 },
        { 0.875, 4, 4 },
        { 0.375, 4, 2 },
        { 0.125, 4, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Sequencer::randomIndex(c.r, c.n), c.expected) << c.r << " * " << c.n;
}

TEST(RandomIndex, ShuffleFavoursTheMiddleEntries)
{
    Harness h(entries(3));
    h.core.chkSuffle_Click(true);
    h.tracks().Randomize(12345);
    constexpr int kDraws = 6000;
    int counts[3] = {};
    for (int i = 0; i < kDraws; ++i) {
        h.tracks().cmdForward_Click();
        ++counts[h.playlist().CurrentTrack()];
    }
    EXPECT_NEAR(counts[0] / double(kDraws), 0.25, 0.03);
    EXPECT_NEAR(counts[1] / double(kDraws), 0.50, 0.03);
    EXPECT_NEAR(counts[2] / double(kDraws), 0.25, 0.03);

    // The same seed gives the same order.
    const auto draws = [&h] {
        QList<int> out;
        for (int i = 0; i < 20; ++i)
            out << h.tracks().randomIndex(2);
        return out;
    };
    h.tracks().Randomize(99);
    const QList<int> first = draws();
    h.tracks().Randomize(99);
    EXPECT_EQ(draws(), first);
}
