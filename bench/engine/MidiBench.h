// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// MIDI figures of the engine: the median time to open a 10-minute MIDI file
// beside a WAV of the same length, and the processor time FluidSynth takes,
// as seconds per minute of MIDI played (a minute of MIDI played as fast as
// libmpv's PCM writer takes it, less the same minute of WAV).
void benchMidi(const QString& folder);
