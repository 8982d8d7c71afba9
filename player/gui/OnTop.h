// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;
class frmMain;

// Keeping the main window above the others.
namespace OnTop {

// The periodic rule, run by the 500 ms update: a window that is not minimised
// and wants to be on top becomes top-most once; a window that no longer wants it
// leaves the top-most layer, also while minimised. OnTopApplied records what
// was done, so each change happens once.
void applyPeriodicRule(frmMain& main);

// Puts window in the top-most layer or takes it out by changing the hint on
// its existing native window: the window keeps its id, stays mapped where it
// is, at its size, and keeps the focus. A window without a native window yet
// gets the hint when it is created.
void setTopMost(QWidget& window, bool onTop);
bool isTopMost(const QWidget& window);

} // namespace OnTop
