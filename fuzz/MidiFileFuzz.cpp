// libFuzzer target for the MIDI file reader: any bytes give a file or a
// reason, and a file's tick and second mappings stay finite and ordered.
#include "core/MidiFile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const MidiFile::Parsed parsed = MidiFile::parse(QByteArrayView(data, qsizetype(size)));
    if (!parsed.file) {
        if (parsed.error.isEmpty())
            std::abort();
        return 0;
    }
    const double seconds = parsed.file->durationSeconds();
    if (!std::isfinite(seconds) || seconds <= 0)
        std::abort();
    if (parsed.file->tickAtSeconds(seconds) > parsed.file->lastTick())
        std::abort();
    return 0;
}
