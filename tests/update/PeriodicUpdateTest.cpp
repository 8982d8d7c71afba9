// The periodic update and the handlers of the sliders and the time display,
// against a scripted engine.
#include "core/Levels.h"
#include "core/PlaybackClock.h"
#include "core/PlayerCore.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "core/TransportController.h"
#include "core/MediaAdder.h"
#include "support/TestMain.h"
#include "support/TestMain.h"
#include "core/PlaybackClock.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "gui/frmMain.h"
#include "support/FakeEngine.h"

#include <sarv/Variateur.h>

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

class PeriodicUpdateTest : public ::testing::Test {
protected:
    PeriodicUpdateTest()
        : window([this] {
            auto engine = std::make_unique<FakeEngine>();
            fake = engine.get();
            return engine;
        })
    {
        // The tests run the update themselves, one step at a time.
        window.core().clock().stop();
        window.engine();
    }

    PlaybackClock& update() { return window.core().clock(); }

    // Opens a media of the given length at the given position.
    void playAt(double duration, double position)
    {
        fake->durations.insert(QStringLiteral("/m/a.wav"), duration);
        fake->setFileName(QStringLiteral("/m/a.wav"));
        fake->position = position;
        window.scrlTime->setMin(0);
        window.scrlTime->setMax(TimeTextMax(duration));
        fake->calls.clear();
    }

    static short TimeTextMax(double duration) { return short(std::min(duration, 32767.0)); }

    FakeEngine* fake = nullptr;
    TestMain window;
};

TEST_F(PeriodicUpdateTest, SlidersCarryTheirStoredForms)
{
    EXPECT_EQ(window.scrlTime->Max(), 50);
    EXPECT_EQ(window.scrlVol->Max(), 10);
    EXPECT_EQ(window.scrlVol->Value(), 10);
    EXPECT_EQ(window.scrlBal->Max(), 20);
    EXPECT_EQ(window.scrlBal->Value(), 10);
}

TEST_F(PeriodicUpdateTest, TimerRunsEveryHalfSecond)
{
    TestMain fresh([] { return std::make_unique<FakeEngine>(); });
    EXPECT_TRUE(fresh.core().clock().isActive());
    EXPECT_TRUE(fresh.core().clock().isActive());
    fresh.core().setTitle(QStringLiteral("abc"));
    QTRY_COMPARE_WITH_TIMEOUT(fresh.txtTitle->text(), QStringLiteral("bca"), 2000);
}

TEST_F(PeriodicUpdateTest, PositionAndTimeText)
{
    const struct {
        double duration;
        double position;
        bool timeMode;
        short slider;
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
        playAt(c.duration, c.position);
        window.core().setTimeMode(c.timeMode);
        update().tmrAnimate_Timer();
        EXPECT_EQ(window.scrlTime->Value(), c.slider) << c.position;
        EXPECT_EQ(window.lblTime->text(), QString::fromLatin1(c.time)) << c.position;
        EXPECT_TRUE(fake->callsStartingWith(QStringLiteral("setCurrentPosition")).isEmpty());
    }
}

TEST_F(PeriodicUpdateTest, PositionBeyondAShortRangeStaysAtItsEnd)
{
    playAt(100.0, 80.0);
    window.scrlTime->setMax(50); // the range of an earlier, shorter entry
    update().tmrAnimate_Timer();
    EXPECT_EQ(window.scrlTime->Value(), 50);
}

TEST_F(PeriodicUpdateTest, NothingOpenLeavesSliderAndTextAlone)
{
    window.scrlTime->setValue(7);
    window.lblTime->setText(QStringLiteral("0:00:07"));
    fake->setFileName(QString()); // position and duration cannot be read now
    fake->calls.clear();
    update().tmrAnimate_Timer();
    EXPECT_EQ(window.scrlTime->Value(), 7);
    EXPECT_EQ(window.lblTime->text(), QStringLiteral("0:00:07"));
    EXPECT_TRUE(fake->calls.isEmpty()) << fake->calls.join(QLatin1Char(' ')).toStdString();
}

TEST_F(PeriodicUpdateTest, SeekGuard)
{
    playAt(100.0, 10.0);
    // Before the first update the guard is empty: a change does not seek.
    window.scrlTime->setValue(40);
    EXPECT_TRUE(fake->callsStartingWith(QStringLiteral("setCurrentPosition")).isEmpty());

    // The update's own move does not seek, and leaves the guard open.
    update().tmrAnimate_Timer();
    EXPECT_EQ(window.scrlTime->Value(), 10);
    EXPECT_TRUE(fake->callsStartingWith(QStringLiteral("setCurrentPosition")).isEmpty());
    EXPECT_EQ(window.core().scrlTimeTag(), PlayerCore::SeekGuard::Open);

    // A change by the user after that seeks to the slider's value.
    window.scrlTime->setValue(30);
    EXPECT_EQ(fake->callsStartingWith(QStringLiteral("setCurrentPosition")),
              QStringList { QStringLiteral("setCurrentPosition:30") });
    EXPECT_EQ(*fake->position, 30.0);
}

TEST_F(PeriodicUpdateTest, EndOfTrackMovesToTheNextEntry)
{
    const struct {
        bool repeat;
        int lastOpened; // index of the entry open after the update
    } cases[] = { { false, 2 }, { true, 0 } };
    for (const auto& c : cases) {
        const QStringList entries
            = { QStringLiteral("/m/0.wav"), QStringLiteral("/m/1.wav"), QStringLiteral("/m/2.wav") };
        window.core().playlist().Clear();
        window.core().playlist().AppendMany(entries);
        window.core().chkRepeat_Click(c.repeat);
        window.core().playlist().setListIndex(2);
        window.core().sequencer().lstPlay_DblClick();
        update().tmrAnimate_Timer(); // opens the seek guard
        fake->calls.clear();

        fake->position = *fake->duration; // the last entry has played to its end
        update().tmrAnimate_Timer();
        EXPECT_EQ(fake->fileName, entries[c.lastOpened]) << c.repeat;
        EXPECT_EQ(window.scrlTime->Value(), 0);
        EXPECT_EQ(*fake->position, 0.0);
        // Slider to 0 (a seek while the guard is open), stop and rewind.
        const QStringList head = fake->calls.mid(0, 4);
        EXPECT_EQ(head,
                  (QStringList { QStringLiteral("setCurrentPosition:0"), QStringLiteral("Stop"),
                                 QStringLiteral("setCurrentPosition:0"),
                                 QStringLiteral("setCurrentPosition:0") }))
            << fake->calls.join(QLatin1Char(' ')).toStdString();
        if (!c.repeat) {
            // End of the list: nothing else starts, the slider stays at 0.
            EXPECT_TRUE(fake->callsStartingWith(QStringLiteral("setFileName:/m/")).isEmpty());
            EXPECT_FALSE(fake->playing);
            update().tmrAnimate_Timer();
            EXPECT_EQ(window.scrlTime->Value(), 0);
        } else {
            EXPECT_TRUE(fake->playing);
        }
    }
}

TEST_F(PeriodicUpdateTest, TitleScrollsAndShowsWhenMinimised)
{
    window.core().setTitle(QStringLiteral("Piste 1 "));
    update().tmrAnimate_Timer();
    EXPECT_EQ(window.txtTitle->text(), QStringLiteral("iste 1 P"));
    EXPECT_TRUE(window.windowTitle().isEmpty());

    // A character outside the basic plane moves whole.
    window.core().setTitle(QString::fromUtf8("\U0001F3B5ab"));
    update().tmrAnimate_Timer();
    EXPECT_EQ(window.txtTitle->text(), QString::fromUtf8("ab\U0001F3B5"));

    window.core().setTitle(QStringLiteral("abc"));
    window.showMinimized();
    update().tmrAnimate_Timer();
    // The caption takes the title as it was before this run scrolled it.
    EXPECT_EQ(window.windowTitle(), QStringLiteral("abc"));
    update().tmrAnimate_Timer();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("bca"));
}

TEST_F(PeriodicUpdateTest, OnTopRuleKeepsGeometry)
{
    window.show();
    window.move(100, 80);
    const QRect before = window.geometry();
    window.core().setOnTopWanted(true);
    window.core().setOnTopApplied(false);
    update().tmrAnimate_Timer();
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.core().OnTopApplied());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), before);

    window.core().setOnTopWanted(false);
    update().tmrAnimate_Timer();
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window.core().OnTopApplied());
    EXPECT_EQ(window.geometry(), before);

    // Minimised: wanting to be on top waits for the window to come back.
    window.showMinimized();
    window.core().setOnTopWanted(true);
    update().tmrAnimate_Timer();
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window.core().OnTopApplied());
}

TEST_F(PeriodicUpdateTest, VolumeLevelsAndCaption)
{
    const struct {
        short index;
        int level;
    } cases[] = { { 0, -9640 }, { 1, -2000 }, { 5, -600 }, { 10, 0 } };
    for (const auto& c : cases) {
        window.scrlVol->setValue(c.index);
        EXPECT_EQ(fake->volume, c.level) << c.index;
        EXPECT_EQ(window.LabVol->text(), QStringLiteral("Volume : %1").arg(c.index));
    }
}

TEST_F(PeriodicUpdateTest, BalanceLevelsAndCaption)
{
    const struct {
        short index;
        int level;
        const char* caption;
    } cases[] = {
        { 0, -9640, "100% Gauche" }, { 1, -2000, "90% Gauche" }, { 10, 0, "Centre" },
        { 15, 600, "50% Droit" },    { 19, 2000, "90% Droit" },  { 20, 9640, "100% Droit" },
    };
    for (const auto& c : cases) {
        QElapsedTimer clock;
        clock.start();
        window.scrlBal->setValue(c.index);
        EXPECT_GE(clock.elapsed(), Levels::kBalancePauseMs - 5);
        EXPECT_EQ(fake->balance, c.level) << c.index;
        EXPECT_EQ(window.LabBal->text(), QString::fromUtf8(c.caption));
    }
}

TEST_F(PeriodicUpdateTest, BalanceChangesDuringThePauseDoNotNest)
{
    // Each queued change queues the next one before it sets the slider. Were
    // the nested handlers to run pending events too, every change would run
    // inside the previous one; as it is, a change runs at most inside the
    // pending events of one outer change.
    int changes = 0;
    int active = 0;
    int deepest = 0;
    std::function<void()> change = [&] {
        ++active;
        deepest = std::max(deepest, active);
        if (++changes < 6)
            QTimer::singleShot(0, &window, change);
        window.scrlBal->setValue(short(10 + changes));
        --active;
    };
    QTimer::singleShot(0, &window, change);
    window.scrlBal->setValue(10);
    QTRY_COMPARE_WITH_TIMEOUT(changes, 6, 5000);
    EXPECT_LE(deepest, 2);
    EXPECT_EQ(window.LabBal->text(), QStringLiteral("60% Droit"));
}

TEST_F(PeriodicUpdateTest, ClickOnTimeSwitchesMode)
{
    playAt(200.4, 125.7);
    ASSERT_TRUE(window.core().TimeMode());
    QTest::mouseClick(window.lblTime, Qt::LeftButton);
    EXPECT_FALSE(window.core().TimeMode());
    EXPECT_EQ(window.lblpls->text(), QStringLiteral("-"));
    update().tmrAnimate_Timer();
    EXPECT_EQ(window.lblTime->text(), QStringLiteral("0:01:15"));
    QTest::mouseClick(window.lblTime, Qt::RightButton);
    EXPECT_FALSE(window.core().TimeMode());
    QTest::mouseClick(window.lblTime, Qt::LeftButton);
    EXPECT_TRUE(window.core().TimeMode());
    EXPECT_EQ(window.lblpls->text(), QStringLiteral("+"));
}

TEST_F(PeriodicUpdateTest, DurationText)
{
    const struct {
        double duration;
        const char* text;
    } cases[] = { { 3660.0, "1:01:00" }, { 60.9, "0:01:00" }, { 0.0, "0:00:00" },
                  { 36000.0, "10:00:00" } };
    for (const auto& c : cases) {
        playAt(c.duration, 0.0);
        update().ShowDuration();
        EXPECT_EQ(window.lblDuration->text(), QString::fromLatin1(c.text));
    }
    fake->setFileName(QString());
    update().ShowDuration();
    EXPECT_EQ(window.lblDuration->text(), QStringLiteral("0:00:00"));
}

} // namespace
