// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MidiGenerator.h"

#include <QFile>
#include <QtEndian>

namespace {

void appendBe(QByteArray& out, quint32 value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

void appendVariable(QByteArray& out, quint32 value)
{
    char bytes[4];
    int n = 0;
    bytes[n++] = char(value & 0x7F);
    while (value >>= 7)
        bytes[n++] = char(0x80 | (value & 0x7F));
    while (n)
        out.append(bytes[--n]);
}

// Events at absolute ticks, written with deltas; they must come in tick order.
class TrackWriter {
public:
    void event(int tick, std::initializer_list<quint8> bytes)
    {
        appendVariable(m_data, quint32(tick - m_tick));
        m_tick = tick;
        for (quint8 b : bytes)
            m_data.append(char(b));
    }
    void tempo(int tick, int bpm)
    {
        const quint32 micros = quint32(60000000 / bpm);
        event(tick, {0xFF, 0x51, 0x03, quint8(micros >> 16), quint8(micros >> 8), quint8(micros)});
    }
    QByteArray chunk(int endTick)
    {
        event(std::max(endTick, m_tick), {0xFF, 0x2F, 0x00});
        QByteArray out("MTrk");
        appendBe(out, quint32(m_data.size()), 4);
        return out + m_data;
    }

private:
    QByteArray m_data;
    int m_tick = 0;
};

void writeNotes(TrackWriter& track, const MidiGenerator::Options& o)
{
    track.event(0, {0xC0, 0x00}); // acoustic grand piano
    for (int i = 0; i < o.notes; ++i) {
        const quint8 key = quint8(60 + (i * 5) % 12);
        track.event(i * o.ticksPerNote, {0x90, key, 100});
        track.event((i + 1) * o.ticksPerNote, {0x80, key, 0});
    }
}

} // namespace

QByteArray MidiGenerator::song(const Options& o)
{
    const int endTick = o.notes * o.ticksPerNote;
    QByteArray out("MThd");
    appendBe(out, 6, 4);
    appendBe(out, quint32(o.format), 2);
    appendBe(out, o.format == 0 ? 1 : 2, 2);
    appendBe(out, quint32(o.ticksPerQuarter), 2);

    TrackWriter tempoTrack;
    for (const Tempo& t : o.tempos)
        tempoTrack.tempo(t.tick, t.beatsPerMinute);
    if (o.format != 0) {
        TrackWriter notes;
        writeNotes(notes, o);
        return out + tempoTrack.chunk(endTick) + notes.chunk(endTick);
    }
    // One track: tempo changes and notes merged in tick order.
    TrackWriter track;
    track.event(0, {0xC0, 0x00});
    size_t next = 0;
    for (int i = 0; i < o.notes; ++i) {
        const quint8 key = quint8(60 + (i * 5) % 12);
        for (; next < o.tempos.size() && o.tempos[next].tick <= i * o.ticksPerNote; ++next)
            track.tempo(o.tempos[next].tick, o.tempos[next].beatsPerMinute);
        track.event(i * o.ticksPerNote, {0x90, key, 100});
        track.event((i + 1) * o.ticksPerNote, {0x80, key, 0});
    }
    return out + track.chunk(endTick);
}

QByteArray MidiGenerator::riff(const QByteArray& smf)
{
    QByteArray body("RMID");
    body += "data";
    char size[4];
    qToLittleEndian(quint32(smf.size()), size);
    body.append(size, 4);
    body += smf;
    if (smf.size() & 1)
        body.append('\0');
    qToLittleEndian(quint32(body.size()), size);
    return QByteArray("RIFF") + QByteArray(size, 4) + body;
}

bool MidiGenerator::write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
