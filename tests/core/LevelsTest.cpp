// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Volume and balance on the bare core: the sliders' steps turned into the
// engine's levels and the texts beside the sliders, and the steps asked of
// the volume slider from outside (MPRIS, the settings).
#include "CoreHarness.h"
#include "support/WaitFor.h"

#include "core/Levels.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Levels, VolumeLevelsAndCaption)
{
    Harness h;
    const struct {
        int index;
        int level;
    } cases[] = { { 0, -9640 }, { 1, -2000 }, { 5, -600 }, { 10, 0 } };
    for (const auto& c : cases) {
        h.core.levels().scrlVol_Change(c.index);
        EXPECT_EQ(h.fake->volume, c.level) << c.index;
        EXPECT_EQ(h.core.levels().volumeText(), QStringLiteral("Volume : %1").arg(c.index));
        EXPECT_EQ(h.core.levels().volumeIndex(), c.index);
    }
}

TEST(Levels, BalanceLevelsAndCaption)
{
    Harness h;
    const struct {
        int index;
        int level;
        const char* caption;
    } cases[] = {
        { 0, -9640, "100% Gauche" }, { 1, -2000, "90% Gauche" }, { 10, 0, "Centre" },
        { 15, 600, "50% Droit" },    { 19, 2000, "90% Droit" },  { 20, 9640, "100% Droit" },
    };
    for (const auto& c : cases) {
        QElapsedTimer clock;
        clock.start();
        h.core.levels().scrlBal_Change(c.index);
        EXPECT_GE(clock.elapsed(), Levels::kBalancePauseMs - 5);
        EXPECT_EQ(h.fake->balance, c.level) << c.index;
        EXPECT_EQ(h.core.levels().balanceText(), QString::fromUtf8(c.caption));
    }
}

TEST(Levels, BalanceChangesDuringThePauseDoNotNest)
{
    // Each queued change queues the next one before it changes the balance.
    // Were the nested handlers to run pending events too, every change would
    // run inside the previous one; as it is, a change runs at most inside the
    // pending events of one outer change.
    Harness h;
    int changes = 0;
    int active = 0;
    int deepest = 0;
    std::function<void()> change = [&] {
        ++active;
        deepest = std::max(deepest, active);
        if (++changes < 6)
            QTimer::singleShot(0, &h.core, change);
        h.core.levels().scrlBal_Change(10 + changes);
        --active;
    };
    QTimer::singleShot(0, &h.core, change);
    h.core.levels().scrlBal_Change(10);
    EXPECT_TRUE(waitFor([&] { return changes == 6; }));
    EXPECT_LE(deepest, 2);
    EXPECT_EQ(h.core.levels().balanceText(), QStringLiteral("60% Droit"));
}

// Whatever the desktop asks, the volume slider is asked only for a step it
// holds (0 to 10), so it never refuses one with a message box.
TEST(Levels, RequestedVolumeStaysInsideTheSlidersSteps)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double fraction;
        int step; // -1: nothing asked
    } cases[] = {
        { 0.0, 0 }, { 0.26, 3 }, { 0.25, 3 }, { 1.0, 10 },
        { -0.5, 0 }, { 1.5, 10 }, { -inf, 0 }, { inf, 10 }, { 1e300, 10 },
        { std::nan(""), -1 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fraction);
        Harness h;
        QSignalSpy asked(&h.core.levels(), &Levels::volumeIndexRequested);
        h.core.levels().requestVolume(c.fraction);
        if (c.step < 0) {
            EXPECT_TRUE(asked.isEmpty());
            continue;
        }
        ASSERT_EQ(asked.size(), 1);
        EXPECT_EQ(asked.first().first().toInt(), c.step);
    }
    for (const int index : { -3, 11, 1000 }) {
        Harness h;
        QSignalSpy asked(&h.core.levels(), &Levels::volumeIndexRequested);
        h.core.levels().requestVolumeIndex(index);
        ASSERT_EQ(asked.size(), 1);
        EXPECT_EQ(asked.first().first().toInt(), index < 0 ? 0 : 10) << index;
    }
}

// The stored volume goes back to the engine, or 0 where the engine refuses it,
// and the slider is asked for the step that level makes.
TEST(Levels, RestoredVolume)
{
    const struct {
        int stored;
        bool refused;
        int level;
        int step;
    } cases[] = { { -600, false, -600, 5 }, { 0, false, 0, 10 }, { -600, true, 0, 10 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        Harness h;
        h.fake->refuseVolume = c.refused;
        QSignalSpy asked(&h.core.levels(), &Levels::volumeIndexRequested);
        h.core.levels().restoreVolume(c.stored);
        EXPECT_EQ(h.fake->volume, c.level);
        ASSERT_EQ(asked.size(), 1);
        EXPECT_EQ(asked.first().first().toInt(), c.step);
    }
}
