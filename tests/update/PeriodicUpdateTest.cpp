// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The periodic update and the handlers of the sliders and the time display,
// against a scripted engine.
#include "core/Levels.h"
#include "support/Controls.h"
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
        window.videoWindow();
    }

    PlaybackClock& update() { return window.core().clock(); }

    // Opens a media of the given length at the given position.
    void playAt(double duration, double position)
    {
        fake->durations.insert(QStringLiteral("/m/a.wav"), duration);
        fake->setFileName(QStringLiteral("/m/a.wav"));
        fake->position = position;
        control<sarv::Variateur>(window, "scrlTime")->setMin(0);
        control<sarv::Variateur>(window, "scrlTime")->setMax(TimeTextMax(duration));
        fake->calls.clear();
    }

    static short TimeTextMax(double duration) { return short(std::min(duration, 32767.0)); }

    FakeEngine* fake = nullptr;
    TestMain window;
};

TEST_F(PeriodicUpdateTest, SlidersCarryTheirStoredForms)
{
    EXPECT_EQ(control<sarv::Variateur>(window, "scrlTime")->Max(), 50);
    EXPECT_EQ(control<sarv::Variateur>(window, "scrlVol")->Max(), 10);
    EXPECT_EQ(control<sarv::Variateur>(window, "scrlVol")->Value(), 10);
    EXPECT_EQ(control<sarv::Variateur>(window, "scrlBal")->Max(), 20);
    EXPECT_EQ(control<sarv::Variateur>(window, "scrlBal")->Value(), 10);
}

TEST_F(PeriodicUpdateTest, TimerRunsEveryHalfSecond)
{
    TestMain fresh([] { return std::make_unique<FakeEngine>(); });
    EXPECT_TRUE(fresh.core().clock().isActive());
    EXPECT_TRUE(fresh.core().clock().isActive());
    fresh.core().setTitle(QStringLiteral("abc"));
    QTRY_COMPARE_WITH_TIMEOUT(control<QLineEdit>(fresh, "txtTitle")->text(), QStringLiteral("bca"), 2000);
}

// The window's controls show what the core holds and hand the person's moves
// to it; the rules themselves are the core's.
TEST_F(PeriodicUpdateTest, ControlsShowTheCoreAndTellItTheirMoves)
{
    playAt(200.4, 125.7);
    update().tmrAnimate_Timer();
    EXPECT_EQ(control<sarv::Variateur>(window, "scrlTime")->Value(), 125);
    EXPECT_EQ(control<QLabel>(window, "lblTime")->text(), QStringLiteral("0:02:05"));
    update().ShowDuration();
    EXPECT_EQ(control<QLabel>(window, "lblDuration")->text(), QStringLiteral("0:03:20"));

    // A move of the slider by the person seeks, once the update has run.
    control<sarv::Variateur>(window, "scrlTime")->setValue(30);
    EXPECT_EQ(fake->callsStartingWith(QStringLiteral("setCurrentPosition")),
              QStringList { QStringLiteral("setCurrentPosition:30") });

    control<sarv::Variateur>(window, "scrlVol")->setValue(5);
    EXPECT_EQ(fake->volume, -600);
    EXPECT_EQ(control<QLabel>(window, "LabVol")->text(), QStringLiteral("Volume : 5"));
    control<sarv::Variateur>(window, "scrlBal")->setValue(15);
    EXPECT_EQ(fake->balance, 600);
    EXPECT_EQ(control<QLabel>(window, "LabBal")->text(), QStringLiteral("50% Droit"));

    // Steps asked from outside move the sliders.
    window.core().levels().requestVolume(0.3);
    EXPECT_EQ(control<sarv::Variateur>(window, "scrlVol")->Value(), 3);
}

TEST_F(PeriodicUpdateTest, TitleScrollsAndShowsWhenMinimised)
{
    window.core().setTitle(QStringLiteral("Piste 1 "));
    update().tmrAnimate_Timer();
    EXPECT_EQ(control<QLineEdit>(window, "txtTitle")->text(), QStringLiteral("iste 1 P"));
    EXPECT_TRUE(window.windowTitle().isEmpty());

    // A character outside the basic plane moves whole.
    window.core().setTitle(QString::fromUtf8("\U0001F3B5ab"));
    update().tmrAnimate_Timer();
    EXPECT_EQ(control<QLineEdit>(window, "txtTitle")->text(), QString::fromUtf8("ab\U0001F3B5"));

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

TEST_F(PeriodicUpdateTest, ClickOnTimeSwitchesMode)
{
    playAt(200.4, 125.7);
    ASSERT_TRUE(window.core().TimeMode());
    QTest::mouseClick(control<QLabel>(window, "lblTime"), Qt::LeftButton);
    EXPECT_FALSE(window.core().TimeMode());
    EXPECT_EQ(control<QLabel>(window, "lblpls")->text(), QStringLiteral("-"));
    update().tmrAnimate_Timer();
    EXPECT_EQ(control<QLabel>(window, "lblTime")->text(), QStringLiteral("0:01:15"));
    QTest::mouseClick(control<QLabel>(window, "lblTime"), Qt::RightButton);
    EXPECT_FALSE(window.core().TimeMode());
    QTest::mouseClick(control<QLabel>(window, "lblTime"), Qt::LeftButton);
    EXPECT_TRUE(window.core().TimeMode());
    EXPECT_EQ(control<QLabel>(window, "lblpls")->text(), QStringLiteral("+"));
}

} // namespace
