// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Moving by a drag handle: a press arms the move, and the window system takes
// the window only once the pointer has travelled the drag distance with the
// button still down. A click or a tap never moves the window.
#include "MainWindowFixture.h"

#include "gui/MoveArming.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Event {
    QEvent::Type type;
    int travel; // pointer's distance from the press: the drag distance plus this, or kStill
    Qt::MouseButtons buttons; // held during a move, or the button of a press/release
};

struct ArmingCase {
    const char* name;
    std::vector<Event> events;
    int moves;
};

constexpr auto kPress = QEvent::MouseButtonPress;
constexpr auto kMove = QEvent::MouseMove;
constexpr auto kRelease = QEvent::MouseButtonRelease;
constexpr int kShort = -1; // one pixel short of the drag distance
constexpr int kAt = 0; // exactly the drag distance
constexpr int kFar = 20;
constexpr int kStill = -1000; // where the press was

const ArmingCase kCases[] = {
    { "click", { { kPress, kStill, Qt::LeftButton }, { kRelease, kStill, Qt::LeftButton } }, 0 },
    { "short drag", { { kPress, kStill, Qt::LeftButton }, { kMove, kShort, Qt::LeftButton },
        { kRelease, kShort, Qt::LeftButton } }, 0 },
    { "drag distance", { { kPress, kStill, Qt::LeftButton }, { kMove, kAt, Qt::LeftButton } }, 1 },
    { "one move per press", { { kPress, kStill, Qt::LeftButton }, { kMove, kAt, Qt::LeftButton },
        { kMove, kFar, Qt::LeftButton } }, 1 },
    // The release was lost (taken by another window): the next move has no
    // button down and must not start a move.
    { "button already up", { { kPress, kStill, Qt::LeftButton }, { kMove, kFar, Qt::NoButton },
        { kMove, kFar, Qt::LeftButton } }, 0 },
    { "moves after the release", { { kPress, kStill, Qt::LeftButton },
        { kRelease, kStill, Qt::LeftButton }, { kMove, kFar, Qt::LeftButton } }, 0 },
    { "right button", { { kPress, kStill, Qt::RightButton }, { kMove, kFar, Qt::RightButton } }, 0 },
};

} // namespace

TEST(MoveArming, OnlyTheDragDistanceWithTheButtonDownMovesTheWindow)
{
    RecordingWindowSystem system;
    QWidget window;
    window.setGeometry(100, 100, 200, 150);
    window.show();
    auto* arming = new MoveArming(&window);
    const int distance = QApplication::startDragDistance();
    const QPoint pressed = window.mapToGlobal(QPoint(20, 20));
    for (const ArmingCase& c : kCases) {
        SCOPED_TRACE(c.name);
        system.moves.clear();
        system.moveOrigins.clear();
        for (const Event& e : c.events) {
            const QPoint at = e.travel == kStill ? pressed : pressed + QPoint(distance + e.travel, 0);
            const Qt::MouseButton button
                = e.type == kMove ? Qt::NoButton : Qt::MouseButton(int(e.buttons));
            const Qt::MouseButtons held = e.type == kRelease ? Qt::MouseButtons {} : e.buttons;
            if (e.type == kPress)
                arming->press(button, at);
            QMouseEvent event(e.type, window.mapFromGlobal(at), at, button, held, {});
            QApplication::sendEvent(&window, &event);
        }
        EXPECT_EQ(system.moves.size(), c.moves);
        if (!system.moves.isEmpty()) {
            EXPECT_EQ(system.moves.first(), &window);
            // The window system moves it from the press, not from where the
            // pointer has travelled to: the window keeps the press's offset.
            EXPECT_EQ(system.moveOrigins.first(), pressed);
        }
        // Every case ends with the move started or disarmed, never left armed
        // by a press whose release came.
        QMouseEvent release(kRelease, window.mapFromGlobal(pressed), pressed, Qt::LeftButton, {}, {});
        QApplication::sendEvent(&window, &release);
        EXPECT_FALSE(arming->isArmed());
    }
}
