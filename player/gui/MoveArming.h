// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

// Moving a borderless window by a drag handle. A press of the left button arms
// the move; the window system takes the window over only once the pointer has
// travelled the drag distance with the button still down. A press and release
// without that travel (a click, a touchpad tap) is a click and never moves the
// window: a system move started for a button that is already up would leave
// the window following the pointer until the next click.
class MoveArming : public QObject {
    Q_OBJECT
public:
    // What the pointer's movement means for an armed move.
    enum class Step { Wait, Start, Disarm };
    static Step next(QPoint pressedAt, QPoint pointer, Qt::MouseButtons buttons, int distance);

    explicit MoveArming(QWidget* window);

    // A left press at `pointer` (global position) arms the move; any other
    // button does nothing.
    void press(Qt::MouseButton button, QPoint pointer);
    bool isArmed() const { return m_armed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void disarm();

    QPointer<QWidget> m_window;
    QPoint m_pressedAt;
    bool m_armed = false;
};
