// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Moving a window where the window system refuses a system move: the window
// follows the pointer while the left button is down, and only then.
#include "gui/PointerFollower.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

void send(QWidget* to, QEvent::Type type, QPoint global, Qt::MouseButton button,
    Qt::MouseButtons buttons)
{
    QMouseEvent event(type, to->mapFromGlobal(global), global, button, buttons, {});
    QApplication::sendEvent(to, &event);
}

} // namespace

TEST(PointerFollower, WindowKeepsItsOffsetFromThePointerUntilTheRelease)
{
    struct Step {
        QEvent::Type type;
        QPoint pointer;
        Qt::MouseButtons buttons;
        QPoint windowAfter;
    };
    const Step steps[] = {
        { QEvent::MouseMove, { 130, 125 }, Qt::LeftButton, { 130, 105 } },
        { QEvent::MouseMove, { 90, 140 }, Qt::LeftButton, { 90, 120 } },
        { QEvent::MouseButtonRelease, { 90, 140 }, Qt::NoButton, { 90, 120 } },
        // After the release the window stays where it is.
        { QEvent::MouseMove, { 300, 300 }, Qt::NoButton, { 90, 120 } },
        { QEvent::MouseMove, { 310, 300 }, Qt::LeftButton, { 90, 120 } },
    };
    QWidget window;
    auto* child = new QWidget(&window);
    child->setGeometry(0, 0, 50, 50);
    window.setGeometry(100, 100, 200, 150);
    window.show();
    const QPoint start = window.pos();
    QPointer<PointerFollower> follower = PointerFollower::start(child, start + QPoint(0, 20));
    ASSERT_TRUE(follower);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.pointer.x());
        // Moves reach the widget under the press; any widget of the window
        // moves the whole window.
        send(child, s.type, s.pointer,
            s.type == QEvent::MouseButtonRelease ? Qt::LeftButton : Qt::NoButton, s.buttons);
        QApplication::processEvents();
        EXPECT_EQ(window.pos(), s.windowAfter);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(follower);
}

TEST(PointerFollower, MovesOfOtherWindowsAreLeftAlone)
{
    QWidget window;
    QWidget other;
    window.setGeometry(100, 100, 200, 150);
    other.setGeometry(400, 100, 100, 100);
    window.show();
    other.show();
    const QPoint start = window.pos();
    PointerFollower::start(&window, start);
    send(&other, QEvent::MouseMove, { 450, 150 }, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(window.pos(), start);
    send(&window, QEvent::MouseMove, start + QPoint(5, 7), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(window.pos(), start + QPoint(5, 7));
}
