// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/MoveArming.h"

#include "gui/WindowSystem.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

MoveArming::Step MoveArming::next(QPoint pressedAt, QPoint pointer, Qt::MouseButtons buttons,
    int distance)
{
    if (!buttons.testFlag(Qt::LeftButton))
        return Step::Disarm;
    return (pointer - pressedAt).manhattanLength() >= distance ? Step::Start : Step::Wait;
}

MoveArming::MoveArming(QWidget* window)
    : QObject(window)
    , m_window(window)
{
}

void MoveArming::press(Qt::MouseButton button, QPoint pointer)
{
    if (button != Qt::LeftButton || !m_window)
        return;
    m_pressedAt = pointer;
    if (!m_armed) {
        m_armed = true;
        // The moves and the release go to whichever widget holds the press's
        // grab (a label, the window, a frame), so they are watched for the
        // whole application until the move starts or the button comes up.
        QCoreApplication::instance()->installEventFilter(this);
    }
}

void MoveArming::disarm()
{
    if (!m_armed)
        return;
    m_armed = false;
    QCoreApplication::instance()->removeEventFilter(this);
}

bool MoveArming::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!m_window || !widget || widget->window() != m_window->window())
        return QObject::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonRelease) {
        if (mouse->button() == Qt::LeftButton)
            disarm();
        return QObject::eventFilter(watched, event);
    }
    switch (next(m_pressedAt, mouse->globalPosition().toPoint(), mouse->buttons(),
        QApplication::startDragDistance())) {
    case Step::Wait:
        break;
    case Step::Disarm:
        disarm();
        break;
    case Step::Start: {
        disarm();
        WindowSystem::current().startSystemMove(m_window, m_pressedAt);
        return true;
    }
    }
    return QObject::eventFilter(watched, event);
}
