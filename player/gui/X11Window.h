// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// What the player asks of an X11 window manager that Qt has no call for. On
// other window systems it does nothing.
namespace X11Window {

// Asks the window manager to leave window out of the task bar and pagers
// (_NET_WM_STATE_SKIP_TASKBAR, _SKIP_PAGER). The window manager drops the hint
// when the window is hidden, so it is given before every show, while the
// window is not mapped yet: the show event's time.
void keepOutOfTaskBar(QWidget& window);

} // namespace X11Window
