// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player core on a fake engine and scripted prompts, with no window: the
// journeys a user takes, read from the engine's call log and the core's signals.
#include "core/LevelTable.h"
#include "core/PlaybackClock.h"
#include "core/PlayerCore.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "core/TransportController.h"
#include "support/FakeEngine.h"
#include "support/ScriptedPrompts.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

struct CoreHarness {
    ScriptedPrompts prompts { ScriptedPrompts::Seam::HandedOnly };
    FakeEngine* fake = nullptr;
    PlayerCore core { [this] {
        auto engine = std::make_unique<FakeEngine>();
        fake = engine.get();
        return engine;
    }, prompts };

    explicit CoreHarness(const QStringList& entries = {})
    {
        core.playlist().AppendMany(entries);
        // No track played yet: Next and Play start the first entry.
        core.playlist().setCurrentTrack(-1);
        core.engine();
    }

    QStringList opened() const
    {
        QStringList out;
        for (const QString& call : fake->callsStartingWith(QStringLiteral("setFileName:")))
            out << call.mid(int(qstrlen("setFileName:")));
        return out;
    }

    QString status() const { return core.playback().status(); }
};

} // namespace

TEST(PlayerCore, FirstVideoOpensWithNoWindowAndAsksForOne)
{
    CoreHarness h({ QStringLiteral("/m/silent.mpg"), QStringLiteral("/m/b.wav") });
    QSignalSpy requests(&h.core, &PlayerCore::videoWindowRequested);
    h.core.playlist().setListIndex(0);
    h.core.sequencer().lstPlay_DblClick();
    EXPECT_EQ(h.opened(), QStringList { QStringLiteral("/m/silent.mpg") });
    EXPECT_EQ(h.core.playlist().CurrentTrack(), 0);
    ASSERT_GE(requests.size(), 1);
    EXPECT_EQ(requests.first().first().value<PlayerCore::VideoRequest>(),
        PlayerCore::VideoRequest::Show);
    EXPECT_EQ(h.status(), QStringLiteral("Playing"));
}

// What the desktop is told must be true: nothing open is "Stopped", a
// dialog's pause is "Paused".
TEST(PlayerCore, PlaybackStatusFollowsWhatReallyPlays)
{
    struct Case {
        const char* name;
        QStringList failing;
        bool holdForDialog;
        const char* expected;
    };
    const QStringList entries = { QStringLiteral("/m/a.wav"), QStringLiteral("/m/b.wav") };
    const Case cases[] = {
        { "an entry plays", {}, false, "Playing" },
        { "every entry failed", entries, false, "Stopped" },
        { "a dialog holds the player", {}, true, "Paused" },
        { "a dialog while nothing opened", entries, true, "Stopped" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CoreHarness h(entries);
        h.fake->failing = c.failing;
        h.core.transport().cmdPlay_Click();
        if (c.holdForDialog)
            h.core.holdForDialog(true);
        h.core.clock().tmrAnimate_Timer();
        EXPECT_EQ(h.status(), QString::fromLatin1(c.expected));
    }
}

TEST(PlayerCore, PauseAndStopAreTold)
{
    CoreHarness h({ QStringLiteral("/m/a.wav") });
    QSignalSpy changes(&h.core, &PlayerCore::playbackChanged);
    h.core.transport().cmdPlay_Click();
    EXPECT_EQ(h.status(), QStringLiteral("Playing"));
    h.core.transport().cmdPause_Click();
    EXPECT_EQ(h.status(), QStringLiteral("Paused"));
    h.core.transport().cmdPause_Click();
    EXPECT_EQ(h.status(), QStringLiteral("Playing"));
    h.core.transport().cmdStop_Click();
    EXPECT_EQ(h.status(), QStringLiteral("Stopped"));
    EXPECT_GE(changes.size(), 4);
}

TEST(PlayerCore, EndOfTrackGoesOnToTheNextEntry)
{
    CoreHarness h({ QStringLiteral("/m/a.wav"), QStringLiteral("/m/b.wav") });
    h.core.transport().cmdPlay_Click();
    h.fake->position = *h.fake->duration;
    h.core.clock().tmrAnimate_Timer();
    EXPECT_EQ(h.opened(),
        (QStringList { QStringLiteral("/m/a.wav"), QStringLiteral("/m/b.wav") }));
    EXPECT_EQ(h.core.playlist().CurrentTrack(), 1);
}

TEST(PlayerCore, BreakEntryAsksAndCancelStops)
{
    CoreHarness h({ QStringLiteral("/m/a.wav"), QStringLiteral("-"), QStringLiteral("/m/b.wav") });
    h.core.transport().cmdPlay_Click();
    h.prompts.answers.enqueue(Prompts::Answer::Cancel);
    h.core.sequencer().cmdForward_Click();
    ASSERT_EQ(h.prompts.messages.size(), 1);
    EXPECT_EQ(h.opened(), QStringList { QStringLiteral("/m/a.wav") });
    EXPECT_TRUE(h.fake->calls.contains(QStringLiteral("Stop")));
}

TEST(PlayerCore, TimeSliderFollowsTheMediaAndSeeksOnlyForTheUser)
{
    CoreHarness h({ QStringLiteral("/m/a.wav") });
    h.fake->durations[QStringLiteral("/m/a.wav")] = 40000.0;
    h.core.transport().cmdPlay_Click();
    EXPECT_EQ(h.core.timeMax(), 32767); // 16-bit slider: longer media stop at its top
    h.fake->position = 12.7;
    h.fake->calls.clear();
    h.core.clock().tmrAnimate_Timer();
    EXPECT_EQ(h.core.timeValue(), 12);
    EXPECT_TRUE(h.fake->callsStartingWith(QStringLiteral("setCurrentPosition")).isEmpty());
    h.core.clock().scrlTime_Change(30);
    EXPECT_EQ(h.fake->callsStartingWith(QStringLiteral("setCurrentPosition")),
        QStringList { QStringLiteral("setCurrentPosition:30") });
}

// The whole row of levels, pinned: a wrong entry changes what every user hears.
TEST(LevelTable, EveryLevelOfTheRow)
{
    const short expected[] = { -9640, -2000, -1390, -1040, -790, -600, -440, -300, -190, -90, 0,
        90, 190, 300, 440, 600, 790, 1040, 1390, 2000, 9640 };
    for (int i = 0; i < 21; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(LevelTable::level(i));
        EXPECT_EQ(*LevelTable::level(i), expected[i]);
    }
    EXPECT_FALSE(LevelTable::level(-1));
    EXPECT_FALSE(LevelTable::level(21));
}
