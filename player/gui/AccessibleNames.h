// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class frmMain;
class frmPlayer;

// What a screen reader calls the player's windows and controls: French names
// where a control shows only a symbol or nothing readable, the tooltip's text
// where the control has one, and window roles for the player's own windows.
// Labels and text buttons keep their text as their name.
namespace AccessibleNames {

void apply(frmMain& main);
void apply(frmPlayer& video);

} // namespace AccessibleNames
