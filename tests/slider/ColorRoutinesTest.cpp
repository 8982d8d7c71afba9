// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Colour arithmetic of the slider face: channel splitting, shifting and blending
// with halves rounded to even.
#include <sarv/ColorRoutines.h>

#include <gtest/gtest.h>

using namespace sarv;

TEST(ColorRoutines, SplitColorClampsEveryChannel)
{
    struct Case {
        qint64 colour;
        double r, g, b;
    };
    const Case cases[] = {
        { RGB(12, 34, 56), 12, 34, 56 },
        { 0xFFFFFF, 255, 255, 255 },
        { 0x8000000F, 15, 0, 255 }, // beyond 24 bits: blue saturates
        { -1, 0, 0, 0 },            // negative channels are clamped to 0
    };
    for (const Case& c : cases) {
        const Channels ch = SplitColor(c.colour);
        EXPECT_EQ(ch.r, c.r) << c.colour;
        EXPECT_EQ(ch.g, c.g) << c.colour;
        EXPECT_EQ(ch.b, c.b) << c.colour;
    }
}

TEST(ColorRoutines, ShiftColorStaysWithinChannels)
{
    struct Case {
        quint32 colour;
        double amount;
        quint32 expected;
    };
    const Case cases[] = {
        { RGB(200, 200, 200), 150, RGB(255, 255, 255) },
        { RGB(127, 127, 127), -150, 0 },
        { RGB(10, 100, 250), 4.5, RGB(14, 104, 254) },   // 14.5, 104.5, 254.5: halves to even
        { RGB(10, 100, 250), 5.5, RGB(16, 106, 255) },   // 15.5 -> 16, 105.5 -> 106
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShiftColor(c.colour, c.amount), c.expected) << c.colour << " + " << c.amount;
}

TEST(ColorRoutines, BlendColorFollowsPositionAndRoundsHalvesToEven)
{
    const quint32 green = RGB(0, 255, 0);
    const quint32 red = RGB(255, 0, 0);
    struct Case {
        quint32 ca, cb;
        double n, p;
        quint32 expected;
    };
    const Case cases[] = {
        { green, red, 10, 0, green },
        { green, red, 10, 10, red },
        { green, red, 10, 5, RGB(128, 128, 0) }, // 127.5 both ways, rounded to even 128
        { green, 0, 24, 12, RGB(0, 128, 0) },    // 127.5 -> 128
        { RGB(0, 0, 3), 0, 2, 1, RGB(0, 0, 2) }, // 1.5 -> 2
        { RGB(0, 0, 5), 0, 2, 1, RGB(0, 0, 2) }, // 2.5 -> 2
        { green, red, 0, 0, 0 },                 // empty range: every channel fails, black
        { green, red, 10, 20, RGB(255, 0, 0) },  // beyond the range: clamped
        { green, red, 10, -10, RGB(0, 255, 0) },
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlendColor(c.ca, c.cb, c.n, c.p), c.expected)
            << c.ca << " " << c.cb << " " << c.n << " " << c.p;
}

TEST(ColorRoutines, BlendColorKeepsItsGrouping)
{
    // Computed as a1 - ((a1 - a2) / 255) * ((255 / n) * p) in doubles, these
    // land just beside a half, where another grouping would round the other way.
    EXPECT_EQ(BlendColor(0, RGB(255, 0, 0), 50, 25), RGB(127, 0, 0));   // 127.49999999999999
    EXPECT_EQ(BlendColor(RGB(2, 0, 0), RGB(255, 0, 0), 22, 15), RGB(175, 0, 0)); // 174.50000000000003
}
