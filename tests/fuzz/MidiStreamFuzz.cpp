// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The MIDI stream's frame and size arithmetic on any length: the input's
// first eight bytes as a length in seconds, and the input as a MIDI file whose
// length is taken. A length gives a frame count within what the WAV header
// holds, or a refusal; the header then describes exactly that many frames.
#include "FuzzCheck.h"

#include "core/MidiFile.h"
#include "engine/MidiStream.h"

#include <cstring>

namespace {

quint32 le32(const QByteArray& bytes, int at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

void checkLength(double seconds)
{
    const std::optional<int64_t> frames = MidiStream::framesFor(seconds);
    if (!frames) {
        require(!(seconds * MidiStream::kSampleRate <= double(MidiStream::kMaxFrames)),
                "only a length past the header's reach is refused");
        return;
    }
    require(*frames >= 0 && *frames <= MidiStream::kMaxFrames, "frames within the header's reach");
    require(seconds <= 0 || double(*frames) >= seconds * MidiStream::kSampleRate - 1, "frames cover the song");
    const QByteArray header = MidiStream::wavHeader(*frames);
    require(header.size() == MidiStream::kHeaderBytes, "a 44-byte header");
    const quint32 dataBytes = le32(header, 40);
    require(int64_t(dataBytes) == *frames * MidiStream::kBytesPerFrame, "the header counts every frame");
    require(int64_t(le32(header, 4)) == int64_t(dataBytes) + MidiStream::kHeaderBytes - 8, "RIFF size");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    if (size >= sizeof(double)) {
        double seconds = 0;
        std::memcpy(&seconds, data, sizeof seconds);
        checkLength(seconds);
    }
    const MidiFile::Parsed parsed = MidiFile::parse(bytesOf(data, size));
    if (parsed.file)
        checkLength(parsed.file->durationSeconds());
    return 0;
}
