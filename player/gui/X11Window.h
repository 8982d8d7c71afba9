// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

class QWidget;

// What the player asks of an X11 window manager that Qt has no call for. On
// other window systems these do nothing and say so.
namespace X11Window {

// Asks the window manager to leave window out of the task bar and pagers
// (_NET_WM_STATE_SKIP_TASKBAR, _SKIP_PAGER). The window manager drops the hint
// when the window is hidden, so it is given before every show, while the
// window is not mapped yet: the show event's time.
void keepOutOfTaskBar(QWidget& window);

// Hands window to the window manager to be moved with the pointer while the
// left button is down (_NET_WM_MOVERESIZE), from the point where the button
// was pressed (global, in Qt's coordinates): the window keeps the offset from
// the pointer that the press had, also when the pointer has travelled since.
// False where the window manager does not move windows for clients.
bool startMove(QWidget& window, QPoint pressedAt);

} // namespace X11Window
