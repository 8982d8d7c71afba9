// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Standard MIDI files for tests and benchmarks, written at run time: a run of
// equal notes on a piano, with tempo changes where asked.
//
//   MidiGenerator::song(options)  the bytes of a format 0 or 1 file: format 1
//       keeps the tempo in track 0 and the notes in track 1.
//   MidiGenerator::riff(smf)      the same file in a RIFF "RMID" wrapper (.rmi).
//   MidiGenerator::write(path, bytes)  true when the file was written.
class MidiGenerator {
public:
    struct Tempo {
        int tick;
        int beatsPerMinute;
    };
    struct Options {
        int format = 1;
        int ticksPerQuarter = 480;
        int notes = 8;
        int ticksPerNote = 480;
        std::vector<Tempo> tempos; // none: the standard 120 beats a minute
    };

    static QByteArray song(const Options& options);
    static QByteArray riff(const QByteArray& smf);
    static bool write(const QString& path, const QByteArray& bytes);
};
