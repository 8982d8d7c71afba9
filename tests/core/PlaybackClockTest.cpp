// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The periodic update and the handlers of the position slider and the time
// display, on the bare core: the position slider is played by the harness,
// which hands every value the core shows back to scrlTime_Change as the
// slider's Change does.
#include "CoreHarness.h"

#include "core/PlaybackClock.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class PlaybackClockTest : public ::testing::Test {
protected:
    PlaybackClockTest()
    {
        QObject::connect(&h.core, &PlayerCore::timeValueChanged, &h.core,
            [this](int value) { update().scrlTime_Change(value); });
    }

    PlaybackClock& update() { return h.core.clock(); }

    // Opens a media of the given length at the given position.
    void playAt(double duration, double position)
    {
        h.fake->durations.insert(QStringLiteral("/m/a.wav"), duration);
        h.fake->setFileName(QStringLiteral("/m/a.wav"));
        h.fake->position = position;
        h.core.setTimeRange(0, int(std::min(duration, 32767.0)));
        h.fake->calls.clear();
    }

    QStringList seeks() const { return h.fake->callsStartingWith(QStringLiteral("setCurrentPosition")); }

    Harness h;
};

TEST_F(PlaybackClockTest, TimerRunsEveryHalfSecond)
{
    update().start();
    EXPECT_TRUE(update().isActive());
    EXPECT_EQ(update().interval(), 500);
    update().stop();
    EXPECT_FALSE(update().isActive());
}

TEST_F(PlaybackClockTest, PositionAndTimeText)
{
    const struct {
        double duration;
        double position;
        bool timeMode;
        int slider;
        const char* time;
    } cases[] = {
        { 200.4, 125.7, true, 125, "0:02:05" },
        { 200.4, 125.7, false, 125, "0:01:15" },
        { 200.4, 0.0, false, 0, "0:00:00" },
        { 200.4, -2.5, true, 0, "0:00:00" },
        { 200.4, -2.5, false, 0, "0:00:00" },
        { 3725.9, 3725.2, true, 3725, "1:02:05" },
        // Beyond the 16-bit slider: it stays at its end, the text shows real time.
        { 40000.0, 36000.5, true, 32767, "10:00:00" },
        { 40000.0, 36000.5, false, 32767, "1:06:40" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        playAt(c.duration, c.position);
        h.core.setTimeMode(c.timeMode);
        update().tmrAnimate_Timer();
        EXPECT_EQ(h.core.timeValue(), c.slider);
        EXPECT_EQ(update().timeText(), QString::fromLatin1(c.time));
        EXPECT_TRUE(seeks().isEmpty());
    }
}

TEST_F(PlaybackClockTest, PositionBeyondAShortRangeStaysAtItsEnd)
{
    playAt(100.0, 80.0);
    h.core.setTimeRange(0, 50); // the range of an earlier, shorter entry
    update().tmrAnimate_Timer();
    EXPECT_EQ(h.core.timeValue(), 50);
}

TEST_F(PlaybackClockTest, NothingOpenLeavesSliderAndTextAlone)
{
    h.core.setTimeRange(0, 50);
    h.core.setTimeValue(7);
    const QString before = update().timeText();
    h.fake->setFileName(QString()); // position and duration cannot be read now
    h.fake->calls.clear();
    update().tmrAnimate_Timer();
    EXPECT_EQ(h.core.timeValue(), 7);
    EXPECT_EQ(update().timeText(), before);
    EXPECT_TRUE(h.fake->calls.isEmpty()) << h.fake->calls.join(QLatin1Char(' ')).toStdString();
}

TEST_F(PlaybackClockTest, SeekGuard)
{
    playAt(100.0, 10.0);
    // Before the first update the guard is shut: a change does not seek.
    EXPECT_EQ(h.core.scrlTimeTag(), PlayerCore::SeekGuard::None);
    h.core.setTimeValue(40);
    EXPECT_TRUE(seeks().isEmpty());

    // The update's own move does not seek, and leaves the guard open.
    update().tmrAnimate_Timer();
    EXPECT_EQ(h.core.timeValue(), 10);
    EXPECT_TRUE(seeks().isEmpty());
    EXPECT_EQ(h.core.scrlTimeTag(), PlayerCore::SeekGuard::Open);

    // A change by the person after that seeks to the slider's value; one
    // outside the range is left out.
    update().scrlTime_Change(30);
    update().scrlTime_Change(101);
    update().scrlTime_Change(-1);
    EXPECT_EQ(seeks(), QStringList { QStringLiteral("setCurrentPosition:30") });
    EXPECT_EQ(*h.fake->position, 30.0);
}

TEST_F(PlaybackClockTest, EndOfTrackMovesToTheNextEntry)
{
    const struct {
        bool repeat;
        int lastOpened; // index of the entry open after the update
    } cases[] = { { false, 2 }, { true, 0 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.repeat);
        const QStringList entries
            = { QStringLiteral("/m/0.wav"), QStringLiteral("/m/1.wav"), QStringLiteral("/m/2.wav") };
        h.playlist().Clear();
        h.playlist().AppendMany(entries);
        h.core.chkRepeat_Click(c.repeat);
        h.start(2);
        update().tmrAnimate_Timer(); // opens the seek guard
        h.fake->calls.clear();

        h.fake->position = *h.fake->duration; // the last entry has played to its end
        update().tmrAnimate_Timer();
        EXPECT_EQ(h.fake->fileName, entries[c.lastOpened]);
        EXPECT_EQ(h.core.timeValue(), 0);
        EXPECT_EQ(*h.fake->position, 0.0);
        // Slider to 0 (a seek while the guard is open), stop and rewind.
        EXPECT_EQ(h.fake->calls.mid(0, 4),
                  (QStringList { QStringLiteral("setCurrentPosition:0"), QStringLiteral("Stop"),
                                 QStringLiteral("setCurrentPosition:0"),
                                 QStringLiteral("setCurrentPosition:0") }))
            << h.fake->calls.join(QLatin1Char(' ')).toStdString();
        if (!c.repeat) {
            // End of the list: nothing else starts, the slider stays at 0.
            EXPECT_TRUE(h.fake->callsStartingWith(QStringLiteral("setFileName:/m/")).isEmpty());
            EXPECT_FALSE(h.fake->playing);
            update().tmrAnimate_Timer();
            EXPECT_EQ(h.core.timeValue(), 0);
        } else {
            EXPECT_TRUE(h.fake->playing);
        }
    }
}

TEST_F(PlaybackClockTest, TitleScrolls)
{
    const struct {
        QString before;
        QString after;
    } cases[] = {
        { QStringLiteral("Piste 1 "), QStringLiteral("iste 1 P") },
        // A character outside the basic plane moves whole.
        { QString::fromUtf8("\U0001F3B5ab"), QString::fromUtf8("ab\U0001F3B5") },
        { QString(), QString() },
    };
    for (const auto& c : cases) {
        h.core.setTitle(c.before);
        update().tmrAnimate_Timer();
        EXPECT_EQ(h.core.title(), c.after);
    }
}

TEST_F(PlaybackClockTest, ClickOnTimeSwitchesMode)
{
    playAt(200.4, 125.7);
    ASSERT_TRUE(h.core.TimeMode());
    update().lblTime_Click();
    EXPECT_FALSE(h.core.TimeMode());
    EXPECT_EQ(update().timeSign(), QStringLiteral("-"));
    update().tmrAnimate_Timer();
    EXPECT_EQ(update().timeText(), QStringLiteral("0:01:15"));
    update().lblTime_Click();
    EXPECT_TRUE(h.core.TimeMode());
    EXPECT_EQ(update().timeSign(), QStringLiteral("+"));
}

TEST_F(PlaybackClockTest, DurationText)
{
    const struct {
        double duration;
        const char* text;
    } cases[] = { { 3660.0, "1:01:00" }, { 60.9, "0:01:00" }, { 0.0, "0:00:00" },
                  { 36000.0, "10:00:00" } };
    for (const auto& c : cases) {
        playAt(c.duration, 0.0);
        update().ShowDuration();
        EXPECT_EQ(update().durationText(), QString::fromLatin1(c.text));
    }
    h.fake->setFileName(QString());
    update().ShowDuration();
    EXPECT_EQ(update().durationText(), QStringLiteral("0:00:00"));
}

// Each handler that starts or plays a media shows its length beside the
// position slider.
TEST(PlaybackClock, StartAndPlayShowTheLength)
{
    const struct {
        const char* name;
        std::function<void(Harness&)> run;
    } cases[] = {
        { "start", [](Harness& h) { h.start(0); } },
        { "next",
            [](Harness& h) {
                h.playlist().setCurrentTrack(-1);
                h.tracks().cmdForward_Click();
            } },
        { "play what is open",
            [](Harness& h) {
                h.fake->setFileName(QStringLiteral("/m/a.wav"));
                h.transport().cmdPlay_Click();
            } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h({ QStringLiteral("/m/a.wav") });
        h.fake->durations.insert(QStringLiteral("/m/a.wav"), 3725.0);
        c.run(h);
        EXPECT_EQ(h.core.clock().durationText(), QStringLiteral("1:02:05"));
    }
}

} // namespace
