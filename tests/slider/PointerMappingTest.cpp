// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Mouse input: the pointer-to-value mapping, and the events of the control.
#include "SliderTestSupport.h"

#include <sarv/PointerMapping.h>

#include <gtest/gtest.h>

using namespace sarv;

TEST(PointerMapping, MapsColumnsToValues)
{
    struct Case {
        double W, X;
        int min, max, value;
        std::optional<short> expected;
    };
    const Case cases[] = {
        { 100, 42, 0, 10, 0, 5 },         // q = 40 / 8 = 5
        { 100, 46, 0, 10, 0, 6 },         // q = 5.5, halves to even
        { 100, 54, 0, 10, 0, 6 },         // q = 6.5, halves to even
        { 100, 42, 0, 10, 5, {} },        // already there: nothing
        { 100, 90, 0, 10, 0, 10 },        // q = 11, past the track
        { 100, 90, 0, 10, 10, {} },       // past the track, already Max
        { 100, 92, 0, 10, 10, {} },       // X = W - 8, last column before the end zone
        { 100, 93, 0, 10, 10, 10 },       // end zone: Max every time
        { 100, 100, 0, 10, 3, 10 },
        { 100, 0, 0, 10, 0, {} },         // q = -0.25 rounds to 0
        { 100, 0, 0, 10, 4, 0 },
        { 100, -30, 0, 10, 4, 0 },        // left of the track
        { 100, -30, 0, 10, 0, {} },
        { 100, 42, 5, 15, 0, 10 },        // relative to Min
        { 100, 42, 5, 5, 7, 5 },          // Max = Min: the mapping fails, counts as Min
        { 100, 42, 5, 5, 5, {} },
        { 20, 5, 0, 10, 3, 0 },           // W = 20: a track of no length
        { 100, 60, -32768, 32767, 0, 14744 },  // q = 47512.875 >= 32000: floored
        { 100, 58, -32768, 32767, 0, 13106 },  // q = 45874.5
        { 100, -50, -32768, 32767, 0, -32768 },// q below -32768.5: counts as 0
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mapPointer(c.W, c.X, c.min, c.max, c.value), c.expected)
            << "W " << c.W << " X " << c.X << " range " << c.min << ".." << c.max << " value "
            << c.value;
    }
}

TEST(PointerMapping, PressMovesTheValueAndRaisesChangeAfterRedraw)
{
    struct Case {
        double x;
        short value;
    };
    const Case cases[] = { { 42, 5 }, { 46, 6 }, { 90, 10 }, { 93, 10 } };
    for (const Case& c : cases) {
        auto slider = placedSlider();
        int changes = 0;
        QObject::connect(slider.get(), &Variateur::Change, [&] {
            ++changes;
            EXPECT_EQ(slider->Value(), c.value);
            EXPECT_TRUE(faceIsCurrent(*slider)); // stored and drawn before Change
        });
        sendMouse(*slider, QEvent::MouseButtonPress, c.x, Qt::LeftButton, Qt::LeftButton);
        EXPECT_EQ(slider->Value(), c.value) << c.x;
        EXPECT_EQ(changes, 1) << c.x;
    }
}

TEST(PointerMapping, OnlyTheLeftButtonAloneDrags)
{
    struct Case {
        Qt::MouseButton button;
        Qt::MouseButtons buttons;
    };
    const Case cases[] = {
        { Qt::RightButton, Qt::RightButton },
        { Qt::MiddleButton, Qt::MiddleButton },
        { Qt::LeftButton, Qt::LeftButton | Qt::RightButton },
    };
    for (const Case& c : cases) {
        auto slider = placedSlider();
        int changes = 0;
        QObject::connect(slider.get(), &Variateur::Change, [&] { ++changes; });
        sendMouse(*slider, QEvent::MouseButtonPress, 42, c.button, c.buttons);
        sendMouse(*slider, QEvent::MouseMove, 60, Qt::NoButton, c.buttons);
        EXPECT_EQ(slider->Value(), 0);
        EXPECT_EQ(changes, 0);
    }
}

TEST(PointerMapping, DragRaisesChangeOncePerStepExceptInTheEndZone)
{
    auto slider = placedSlider();
    int changes = 0;
    QObject::connect(slider.get(), &Variateur::Change, [&] { ++changes; });
    sendMouse(*slider, QEvent::MouseButtonPress, 42, Qt::LeftButton, Qt::LeftButton);
    for (double x : { 43.0, 44.0, 45.0 }) // q from 5.125 to 5.375: still 5
        sendMouse(*slider, QEvent::MouseMove, x, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(changes, 1);
    sendMouse(*slider, QEvent::MouseMove, 50, Qt::NoButton, Qt::LeftButton); // q = 6
    EXPECT_EQ(changes, 2);
    for (double x : { 95.0, 96.0, 200.0 }) // end zone, also outside the control
        sendMouse(*slider, QEvent::MouseMove, x, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(slider->Value(), 10);
    sendMouse(*slider, QEvent::MouseMove, -40, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(slider->Value(), 0);
    sendMouse(*slider, QEvent::MouseMove, 20, Qt::NoButton, Qt::NoButton); // released
    EXPECT_EQ(slider->Value(), 0);
}

TEST(PointerMapping, ClickComesAfterChangeAndOnlyOnTheControl)
{
    auto slider = placedSlider();
    QStringList log;
    QObject::connect(slider.get(), &Variateur::Change, [&] { log << QStringLiteral("Change"); });
    QObject::connect(slider.get(), &Variateur::Click, [&] { log << QStringLiteral("Click"); });
    sendMouse(*slider, QEvent::MouseButtonPress, 42, Qt::LeftButton, Qt::LeftButton);
    sendMouse(*slider, QEvent::MouseButtonRelease, 42, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(log, (QStringList { "Change", "Click" }));

    log.clear(); // released outside the control: a drag, no click
    sendMouse(*slider, QEvent::MouseButtonPress, 42, Qt::LeftButton, Qt::LeftButton);
    sendMouse(*slider, QEvent::MouseButtonRelease, 300, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(log, QStringList {});
}

// A double-click is two presses and releases on the control; each release
// is a click and each press runs the mouse-down handler, so both raise their
// events (in the end zone every press stores Max again).
TEST(PointerMapping, DoubleClickIsTwoClicks)
{
    const struct {
        double x;
        QStringList expected;
    } cases[] = {
        { 42, { "Change 5", "Click", "Click" } },
        { 95, { "Change 10", "Click", "Change 10", "Click" } },
    };
    for (const auto& c : cases) {
        auto slider = placedSlider();
        QStringList log;
        QObject::connect(slider.get(), &Variateur::Change,
                         [&] { log << QStringLiteral("Change %1").arg(slider->Value()); });
        QObject::connect(slider.get(), &Variateur::Click, [&] { log << QStringLiteral("Click"); });
        sendMouse(*slider, QEvent::MouseButtonPress, c.x, Qt::LeftButton, Qt::LeftButton);
        sendMouse(*slider, QEvent::MouseButtonRelease, c.x, Qt::LeftButton, Qt::NoButton);
        sendMouse(*slider, QEvent::MouseButtonDblClick, c.x, Qt::LeftButton, Qt::LeftButton);
        sendMouse(*slider, QEvent::MouseButtonRelease, c.x, Qt::LeftButton, Qt::NoButton);
        EXPECT_EQ(log, c.expected) << c.x;
    }
}

TEST(PointerMapping, FailedRedrawStillRaisesChange)
{
    auto slider = placedSlider();
    slider->setValue(4);
    ASSERT_FALSE(slider->setMax(0).ok()); // accepted, but the thumb cannot be placed
    int changes = 0;
    QObject::connect(slider.get(), &Variateur::Change, [&] { ++changes; });
    sendMouse(*slider, QEvent::MouseButtonPress, 42, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(slider->Value(), 0); // the mapping fails and counts as Min
    EXPECT_EQ(changes, 1);
}
