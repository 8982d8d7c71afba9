// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
class frmMain;

// The shortcut menu from the keyboard: the Menu key and Shift+F10 anywhere in
// window open the main window's shortcut menu, with "Lire" as its default
// item as over the window's background, next to the control that has the
// focus.
namespace KeyboardMenu {

void install(QWidget& window, frmMain& main);

} // namespace KeyboardMenu
