// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class PlayerCore;
class frmMain;

// Every connection between the player core and its windows, in one place:
// each intent of the main window goes to the core's handler of the published
// name (playRequested to cmdPlay_Click, ...), and each core signal to the
// window's slot that shows it.
namespace Wiring {

void connectMainWindow(PlayerCore& core, frmMain& main);

} // namespace Wiring
