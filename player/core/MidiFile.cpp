// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MidiFile.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Standard MIDI tempo when a file sets none: 120 beats a minute.
constexpr double kDefaultMicrosPerQuarter = 500000.0;

QString tr(const char* text)
{
    return QCoreApplication::translate("MidiFile", text);
}

quint32 bigEndian(QByteArrayView bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

quint32 littleEndian32(QByteArrayView bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

// The "data" chunk of a RIFF RMID file, or nullopt when the wrapper is broken.
std::optional<QByteArrayView> unwrapRiff(QByteArrayView bytes)
{
    if (bytes.size() < 12)
        return std::nullopt;
    // A wrapper shorter than it says was cut off: its song may be too.
    const qsizetype end = 8 + qsizetype(littleEndian32(bytes, 4));
    if (end > bytes.size())
        return std::nullopt;
    for (qsizetype at = 12; at + 8 <= end;) {
        const qsizetype size = littleEndian32(bytes, at + 4);
        if (size > end - at - 8)
            return std::nullopt;
        if (bytes.sliced(at, 4) == "data")
            return bytes.sliced(at + 8, size);
        at += 8 + size + (size & 1); // chunks are padded to an even length
    }
    return std::nullopt;
}

} // namespace

// Walks one track's events, keeping what timing needs: tempo changes and the
// tick of the end.
class MidiFile::Reader {
public:
    explicit Reader(QByteArrayView track)
        : m_bytes(track)
    {
    }

    // False when the track's events run past its chunk.
    bool read(std::vector<std::pair<qint64, double>>& tempos, qint64& endTick)
    {
        qint64 tick = 0;
        quint8 running = 0;
        while (m_at < m_bytes.size()) {
            const auto delta = variableLength();
            if (!delta)
                return false;
            tick += *delta;
            if (m_at >= m_bytes.size())
                return false;
            quint8 status = quint8(m_bytes[m_at]);
            if (status & 0x80)
                ++m_at;
            else if (running)
                status = running; // running status: the data byte comes first
            else
                return false;

            if (status == 0xFF) {
                if (m_at >= m_bytes.size())
                    return false;
                const quint8 type = quint8(m_bytes[m_at++]);
                const auto length = variableLength();
                if (!length || *length > m_bytes.size() - m_at)
                    return false;
                if (type == 0x51 && *length == 3) {
                    const quint32 micros = bigEndian(m_bytes, m_at, 3);
                    if (micros > 0)
                        tempos.emplace_back(tick, double(micros));
                }
                m_at += *length;
                if (type == 0x2F)
                    break; // end of track
            } else if (status == 0xF0 || status == 0xF7) {
                const auto length = variableLength();
                if (!length || *length > m_bytes.size() - m_at)
                    return false;
                m_at += *length;
                running = 0;
            } else if (status >= 0xF0) {
                return false; // system common and real-time messages have no place in a file
            } else {
                const quint8 kind = status & 0xF0;
                const int dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
                if (m_bytes.size() - m_at < dataBytes)
                    return false;
                m_at += dataBytes;
                running = status;
            }
        }
        endTick = tick;
        return true;
    }

private:
    // At most four bytes of seven bits each.
    std::optional<qint64> variableLength()
    {
        qint64 value = 0;
        for (int i = 0; i < 4; ++i) {
            if (m_at >= m_bytes.size())
                return std::nullopt;
            const quint8 byte = quint8(m_bytes[m_at++]);
            value = (value << 7) | (byte & 0x7F);
            if (!(byte & 0x80))
                return value;
        }
        return std::nullopt;
    }

    QByteArrayView m_bytes;
    qsizetype m_at = 0;
};

bool MidiFile::looksLikeMidi(QByteArrayView bytes)
{
    return bytes.startsWith("MThd") || (bytes.size() >= 12 && bytes.startsWith("RIFF") && bytes.sliced(8, 4) == "RMID");
}

MidiFile::Parsed MidiFile::parse(QByteArrayView bytes)
{
    const auto broken = [](const char* why) { return Parsed{std::nullopt, tr(why)}; };
    if (bytes.size() > kMaxBytes)
        return broken("fichier MIDI trop grand");
    if (!looksLikeMidi(bytes))
        return broken("ce n'est pas un fichier MIDI");
    if (bytes.startsWith("RIFF")) {
        const auto inner = unwrapRiff(bytes);
        if (!inner)
            return broken("enveloppe RIFF MIDI incomplète");
        bytes = *inner;
    }
    if (bytes.size() < 14 || !bytes.startsWith("MThd"))
        return broken("en-tête MIDI absent ou incomplet");
    const quint32 headerLength = bigEndian(bytes, 4, 4);
    if (headerLength < 6 || headerLength > quint32(bytes.size() - 8))
        return broken("en-tête MIDI absent ou incomplet");

    MidiFile file;
    file.m_format = int(bigEndian(bytes, 8, 2));
    const int declaredTracks = int(bigEndian(bytes, 10, 2));
    const quint16 division = quint16(bigEndian(bytes, 12, 2));
    if (file.m_format > 2)
        return broken("format MIDI inconnu");
    if (declaredTracks == 0)
        return broken("le fichier MIDI n'a aucune piste");
    if (division == 0)
        return broken("division du temps MIDI nulle");

    std::vector<std::pair<qint64, double>> tempos;
    qint64 lastTick = 0;
    for (qsizetype at = 8 + headerLength; at < bytes.size() && file.m_trackCount < declaredTracks;) {
        if (bytes.size() - at < 8)
            return broken("fichier MIDI tronqué");
        const qsizetype length = bigEndian(bytes, at + 4, 4);
        if (length > bytes.size() - at - 8)
            return broken("fichier MIDI tronqué");
        if (bytes.sliced(at, 4) == "MTrk") {
            qint64 endTick = 0;
            if (!Reader(bytes.sliced(at + 8, length)).read(tempos, endTick))
                return broken("piste MIDI illisible");
            lastTick = std::max(lastTick, endTick);
            ++file.m_trackCount;
        }
        at += 8 + length; // chunks of other types are skipped
    }
    if (file.m_trackCount < declaredTracks)
        return broken("fichier MIDI tronqué");
    if (lastTick == 0)
        return broken("le fichier MIDI ne contient aucun événement");

    if (division & 0x8000) {
        // SMPTE time: frames a second (29 stands for 29.97) times ticks a frame,
        // whatever the tempo events say.
        const int frames = -qint8(division >> 8);
        const int perFrame = division & 0xFF;
        const double fps = frames == 29 ? 29.97 : double(frames);
        if (frames <= 0 || perFrame == 0)
            return broken("division du temps MIDI invalide");
        file.m_tempo.push_back({0, 0.0, 1.0 / (fps * perFrame)});
    } else {
        // Tempo changes of every track apply to all, in tick order; at one tick
        // the last one read wins.
        std::stable_sort(tempos.begin(), tempos.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        const double ticksPerQuarter = division;
        file.m_tempo.push_back({0, 0.0, kDefaultMicrosPerQuarter / 1e6 / ticksPerQuarter});
        for (const auto& [tick, micros] : tempos) {
            const TempoSegment& last = file.m_tempo.back();
            const TempoSegment next{tick, last.seconds + double(tick - last.tick) * last.secondsPerTick,
                                    micros / 1e6 / ticksPerQuarter};
            if (tick == last.tick)
                file.m_tempo.back() = next;
            else
                file.m_tempo.push_back(next);
        }
    }
    file.m_lastTick = lastTick;
    file.m_standardFile = bytes.toByteArray();
    return Parsed{std::move(file), QString()};
}

double MidiFile::secondsAtTick(qint64 tick) const
{
    if (m_tempo.empty() || tick <= 0)
        return 0.0;
    auto segment = std::upper_bound(m_tempo.begin(), m_tempo.end(), tick,
                                    [](qint64 t, const TempoSegment& s) { return t < s.tick; });
    --segment;
    return segment->seconds + double(tick - segment->tick) * segment->secondsPerTick;
}

qint64 MidiFile::tickAtSeconds(double seconds) const
{
    if (m_tempo.empty() || !(seconds > 0))
        return 0;
    auto segment = std::upper_bound(m_tempo.begin(), m_tempo.end(), seconds,
                                    [](double s, const TempoSegment& t) { return s < t.seconds; });
    --segment;
    const double ticks = (seconds - segment->seconds) / segment->secondsPerTick;
    qint64 tick = segment->tick + qint64(std::ceil(ticks - 1e-6));
    // Rounding can put the division one tick late where ticks are short next
    // to a long song; secondsAtTick decides, so the two agree at every tick.
    for (int step = 0; step < 4 && tick > segment->tick && secondsAtTick(tick - 1) >= seconds; ++step)
        --tick;
    return tick;
}
