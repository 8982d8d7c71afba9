// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/PointerFollower.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

PointerFollower* PointerFollower::start(QWidget* window, QPoint pointer)
{
    if (!window)
        return nullptr;
    return new PointerFollower(window->window(), pointer);
}

PointerFollower::PointerFollower(QWidget* window, QPoint pointer)
    : QObject(window)
    , m_window(window)
    , m_offset(pointer - window->pos())
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool PointerFollower::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        // Every widget on the way of the event sees it; only the window's own
        // widgets move it.
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_window || !widget || widget->window() != m_window)
            break;
        if (!mouse->buttons().testFlag(Qt::LeftButton)) {
            deleteLater();
            break;
        }
        m_window->move(mouse->globalPosition().toPoint() - m_offset);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            deleteLater();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
