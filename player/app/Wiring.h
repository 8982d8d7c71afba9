// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class MprisService;
class PlayerCore;
class SingleInstance;
class frmMain;

// Every connection between the player core, its windows and the desktop, in
// one place: each intent of the main window goes to the core's handler of the
// published name (playRequested to cmdPlay_Click, ...), each core signal to the
// window's slot that shows it, and the core's changes to the desktop services
// that announce them.
namespace Wiring {

void connectMainWindow(PlayerCore& core, frmMain& main);
// MPRIS looks at the player whenever its playback changes.
void connectMpris(PlayerCore& core, MprisService& service);
// The one player of the session stops taking files once its window unloads.
void connectSingleInstance(PlayerCore& core, SingleInstance& instance);

} // namespace Wiring
