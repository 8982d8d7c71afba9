// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;
class frmMain;

namespace sarv {
class Variateur;
}

// The main window's stored form data for its three sliders: one property bag
// per slider, kept as a resource of the player (":/sliders/<name>.txt").
namespace SliderForms {

// Reads each slider's stored properties into it (scrlTime, scrlVol, scrlBal).
// A slider whose form is missing keeps the control's own defaults.
void load(frmMain& main);

// Reads the stored form called name into one slider; false when there is none.
bool load(sarv::Variateur& slider, const QString& name);

} // namespace SliderForms
