// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/OnTop.h"

#include "gui/Chrome.h"
#include "core/PlayerCore.h"
#include "gui/frmMain.h"

#include <QWindow>

namespace OnTop {

void applyPeriodicRule(frmMain& main)
{
    if (!main.isMinimized() && main.core().OnTopWanted() && !main.core().OnTopApplied()) {
        main.chrome().applyTopMost(true);
        main.core().setOnTopApplied(true);
    } else if (!main.core().OnTopWanted() && main.core().OnTopApplied()) {
        main.chrome().applyTopMost(false);
        main.core().setOnTopApplied(false);
    }
}

void setTopMost(QWidget& window, bool onTop)
{
    if (isTopMost(window) == onTop)
        return;
    // QWidget::setWindowFlags would hide the window and, on several paths,
    // destroy and re-create its native window; called from a resize that the
    // first show sends, it even leaves the widget marked hidden and visible at
    // once, which later keeps Qt's close of all windows going round for ever.
    // The widget's record is updated without telling the window system, and
    // the native window changes only its hint (on X11 a _NET_WM_STATE message
    // to the window manager while the window is mapped).
    window.overrideWindowFlags(window.windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop));
    if (QWindow* handle = window.windowHandle())
        handle->setFlags(handle->flags().setFlag(Qt::WindowStaysOnTopHint, onTop));
}

bool isTopMost(const QWidget& window)
{
    if (const QWindow* handle = window.windowHandle())
        return handle->flags().testFlag(Qt::WindowStaysOnTopHint);
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace OnTop
