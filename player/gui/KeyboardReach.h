// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class frmMain;
class frmPlayer;

// What the keyboard reaches beyond Qt's own focus chain and shortcuts:
// - the Menu key and Shift+F10 anywhere in the main window or the video window
//   open the main window's shortcut menu, with "Lire" as its default item as
//   over the window's background, next to the control that has the focus;
// - the time display, which switches between elapsed and remaining time when
//   clicked, takes Tab focus (a dotted frame) and switches on Space or Enter.
namespace KeyboardReach {

void apply(frmMain& main);
void apply(frmPlayer& video, frmMain& main);

} // namespace KeyboardReach
