// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The MIDI file reader on any bytes: every input gives a song or a reason, and
// a song's length and its mapping between seconds and ticks stay finite and
// inside the song.
#include "FuzzCheck.h"

#include "core/MidiFile.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const MidiFile::Parsed parsed = MidiFile::parse(bytesOf(data, size));
    if (!parsed.file) {
        require(!parsed.error.isEmpty(), "a refused file has a reason");
        return 0;
    }
    const double seconds = parsed.file->durationSeconds();
    require(std::isfinite(seconds) && seconds > 0, "the length is finite and positive");
    require(parsed.file->tickAtSeconds(seconds) <= parsed.file->lastTick(),
        "the end maps to no tick past the last event");
    return 0;
}
