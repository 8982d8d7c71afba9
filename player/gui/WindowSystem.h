// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>

class QAction;
class QMenu;
class QPoint;
class QWidget;

// The seam for what the window system does with the person's mouse: pop-up
// menus, which wait until the person closes them, and moving a borderless
// window by its drag handle. The product uses Qt's; tests install a recording
// implementation so that no test waits on an open menu.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Shows menu at the mouse position, with defaultItem drawn as the default
    // (bold) item or no default item when it is nullptr, and returns when the
    // menu closes. The chosen item has run its handler by then.
    virtual void popupMenu(QMenu* menu, QAction* defaultItem) = 0;
    // The same at a given place on the screen, for a menu opened from the
    // keyboard, where the mouse may be anywhere. By default popupMenu.
    virtual void popupMenuAt(QMenu* menu, QAction* defaultItem, const QPoint& globalPos);

    // Hands window to the window system, which moves it with the mouse until
    // the button that is down is released; `pressedAt` (global) is where that
    // button went down.
    virtual void startSystemMove(QWidget* window, QPoint pressedAt) = 0;

    // The seam in force for the whole program; Qt's unless a test has installed
    // its own. setCurrent(nullptr) goes back to Qt's.
    static WindowSystem& current();
    static void setCurrent(WindowSystem* system);
};
