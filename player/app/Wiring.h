// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class PlayerCore;
class frmMain;

// Every connection between the player core and its windows, in one place:
// each control's event goes to the core's handler of the same name, and each
// core signal to the control that shows it.
namespace Wiring {

void connectMainWindow(PlayerCore& core, frmMain& main);

} // namespace Wiring
