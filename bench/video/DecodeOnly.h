// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The floor: libmpv decoding the file to its end with no video and no audio
// output at all (vo=null, ao=null), with the engine's playback options. Returns
// the exit code for the child process.
int runDecodeOnly(const QString& file);
