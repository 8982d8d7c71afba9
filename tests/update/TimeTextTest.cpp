// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Time texts and the level table: the figures the display and the engine get.
#include "core/LevelTable.h"
#include "core/TimeText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(TimeText, WholeSecondsAsHoursMinutesSeconds)
{
    const struct {
        qint64 seconds;
        const char* text;
    } cases[] = {
        { -5, "0:00:00" },   { 0, "0:00:00" },       { 1, "0:00:01" },
        { 59, "0:00:59" },   { 60, "0:01:00" },      { 3599, "0:59:59" },
        { 3600, "1:00:00" }, { 3660, "1:01:00" },    { 3725, "1:02:05" },
        { 32767, "9:06:07" }, { 36000, "10:00:00" }, { 360000, "100:00:00" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeText::text(c.seconds), QString::fromLatin1(c.text)) << c.seconds;
}

TEST(TimeText, SecondsRoundDownAndFitTheSlider)
{
    const struct {
        double seconds;
        qint64 whole;
        short slider;
    } cases[] = {
        { 125.7, 125, 125 },       { 0.99, 0, 0 },          { -0.5, -1, 0 },
        { -3.0, -3, 0 },           { 32767.9, 32767, 32767 }, { 32768.0, 32768, 32767 },
        { 36000.4, 36000, 32767 }, { std::nan(""), 0, 0 },
        { std::numeric_limits<double>::infinity(), qint64(1e15), 32767 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TimeText::wholeSeconds(c.seconds), c.whole) << c.seconds;
        EXPECT_EQ(TimeText::sliderSeconds(c.seconds), c.slider) << c.seconds;
    }
}

TEST(LevelTable, SymmetricAroundTheCentre)
{
    ASSERT_EQ(LevelTable::kLevels.size(), 21u);
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(*LevelTable::level(i), -*LevelTable::level(20 - i)) << i;
    EXPECT_EQ(*LevelTable::level(0), -9640);
    EXPECT_EQ(*LevelTable::level(2), -1390);
    EXPECT_EQ(*LevelTable::level(10), 0);
    EXPECT_FALSE(LevelTable::level(-1));
    EXPECT_FALSE(LevelTable::level(21));
}

TEST(LevelTable, IndexOfLevelWithinTheGivenRange)
{
    EXPECT_EQ(LevelTable::indexOf(-1390, 10), 2);
    EXPECT_EQ(LevelTable::indexOf(0, 10), 10);
    EXPECT_FALSE(LevelTable::indexOf(-1000, 10));
    EXPECT_FALSE(LevelTable::indexOf(2000, 10)); // a balance level, not a volume
    EXPECT_EQ(LevelTable::indexOf(2000, 20), 19);
}
