// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/WindowSystem.h"

#include "gui/PointerFollower.h"

#include <QCursor>
#include <QMenu>
#include <QWidget>
#include <QWindow>

namespace {

class QtWindowSystem : public WindowSystem {
public:
    void popupMenu(QMenu* menu, QAction* defaultItem) override
    {
        if (!menu)
            return;
        // The menu is shared by several places that open it with different
        // defaults, so the default is set on every opening.
        menu->setDefaultAction(defaultItem);
        menu->exec(QCursor::pos());
    }

    void popupMenuAt(QMenu* menu, QAction* defaultItem, const QPoint& globalPos) override
    {
        if (!menu)
            return;
        menu->setDefaultAction(defaultItem);
        menu->exec(globalPos);
    }

    void startSystemMove(QWidget* window, QPoint pressedAt) override
    {
        if (!window)
            return;
        // The window system takes the pointer over from the widget that holds
        // the implicit grab of the press, and moves the window from where the
        // pointer is now. Where it refuses (a window manager without
        // _NET_WM_MOVERESIZE, a platform without system moves), the window
        // follows the pointer itself until the button is released, at the
        // offset the press had.
        QWindow* handle = window->window()->windowHandle();
        if (!handle || !handle->startSystemMove())
            PointerFollower::start(window, pressedAt);
    }
};

QtWindowSystem& qtWindowSystem()
{
    static QtWindowSystem system;
    return system;
}

WindowSystem* g_current = nullptr;

} // namespace

void WindowSystem::popupMenuAt(QMenu* menu, QAction* defaultItem, const QPoint&)
{
    popupMenu(menu, defaultItem);
}

WindowSystem& WindowSystem::current()
{
    return g_current ? *g_current : qtWindowSystem();
}

void WindowSystem::setCurrent(WindowSystem* system)
{
    g_current = system;
}
