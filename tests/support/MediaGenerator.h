// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Real media for tests and benchmarks, made at run time (nothing binary is kept
// in the repository).
//
//   MediaGenerator::wav(path, seconds, channels)  writes a 16-bit 44.1 kHz PCM
//       WAV directly: a 440 Hz tone at half scale, 1 (mono) or 2 channels.
//   MediaGenerator::encode(path, seconds, kind)   encodes with libmpv's encoder
//       from its lavfi test sources: a colour test picture (320x240, 25 fps)
//       plus a 440 Hz mono tone, the picture alone, or the tone alone.
//   MediaGenerator::probe(path)                    what libmpv finds in a file:
//       its tracks and the container's frame rate.
//   MediaGenerator::text(path, bytes)              a file that is no media.
//
// Each returns true when the file was written. encode() needs LC_NUMERIC "C"
// (the shared test main sets it). Kinds and their containers:
//   Mpeg1 -> MPEG-1 video + MP2 audio in an MPEG program stream (.mpg, .dat)
//   Avi   -> MPEG-4 part 2 video + MP3 audio in AVI
//   Mpeg1VideoOnly -> MPEG-1 video alone in an MPEG program stream
//   AviSilent      -> MPEG-4 part 2 video alone in AVI
//   Mpeg1Vga       -> as Mpeg1, at 640x480
//   H264Hd         -> H.264 video (libx264) 1280x720 + MP3 audio in AVI
//   H264FullHd     -> the same at 1920x1080
//   Colour         -> MPEG-4 part 2 video alone in AVI, 320x240, all #2060C0
//   Mp3   -> MP3 audio only
class MediaGenerator {
public:
    enum class Kind { Mpeg1, Avi, Mp3, Mpeg1VideoOnly, AviSilent, Mpeg1Vga, H264Hd, H264FullHd, Colour };

    struct Probe {
        bool audio = false;
        bool video = false;
        double frameRate = 0; // 0 when the file has no video or did not open
    };
    static Probe probe(const QString& path);

    static bool wav(const QString& path, double seconds, int channels = 2);
    static bool encode(const QString& path, double seconds, Kind kind);
    static bool text(const QString& path, const QByteArray& bytes);
};
