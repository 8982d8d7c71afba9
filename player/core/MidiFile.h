// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

// A standard MIDI file (or a RIFF "RMID" wrapper around one), read for what the
// player needs before it plays: that the file is whole, its length in seconds,
// and the mapping between ticks and seconds through its tempo changes. The
// notes themselves are left to the synthesiser, which gets standardFile().
//
// Pure: bytes in, a result out. Every length and count is checked against the
// bytes there are, so any input gives a result or an error, never a read past
// the end.
class MidiFile {
public:
    // Bigger files are refused: a real song is a few hundred kilobytes.
    static constexpr qsizetype kMaxBytes = 32 * 1024 * 1024;

    struct Parsed;
    // The file, or a French reason why it cannot be played.
    static Parsed parse(QByteArrayView bytes);

    // Whether the bytes start like a MIDI file (MThd, or RIFF .... RMID).
    static bool looksLikeMidi(QByteArrayView bytes);

    // The standard MIDI file itself (the RIFF wrapper taken off).
    const QByteArray& standardFile() const { return m_standardFile; }
    int format() const { return m_format; }
    int trackCount() const { return m_trackCount; }
    // The tick of the last event of the longest track.
    qint64 lastTick() const { return m_lastTick; }
    double durationSeconds() const { return secondsAtTick(m_lastTick); }

    double secondsAtTick(qint64 tick) const;
    // The first tick at or after seconds (0 before the start).
    qint64 tickAtSeconds(double seconds) const;

private:
    // From tick on, each tick lasts secondsPerTick.
    struct TempoSegment {
        qint64 tick = 0;
        double seconds = 0;
        double secondsPerTick = 0;
    };
    friend struct Parsed;
    class Reader;

    QByteArray m_standardFile;
    int m_format = 0;
    int m_trackCount = 0;
    qint64 m_lastTick = 0;
    std::vector<TempoSegment> m_tempo;
};

struct MidiFile::Parsed {
    std::optional<MidiFile> file;
    QString error;
};
