// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EngineMedia.h"

#include "support/MediaGenerator.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>

const EngineMedia& EngineMedia::get()
{
    static EngineMedia media = [] {
        EngineMedia m;
        m.dir = std::make_unique<QTemporaryDir>();
        using Kind = MediaGenerator::Kind;
        m.ok = m.dir->isValid() && MediaGenerator::wav(m.path("stereo.wav"), kSeconds, 2)
            && MediaGenerator::wav(m.path("mono.wav"), kSeconds, 1)
            && MediaGenerator::encode(m.path("clip.mpg"), kSeconds, Kind::Mpeg1)
            && MediaGenerator::encode(m.path("clip.avi"), kSeconds, Kind::Avi)
            && MediaGenerator::encode(m.path("song.mp3"), kSeconds, Kind::Mp3)
            && MediaGenerator::encode(m.path("mute.mpg"), kSeconds, Kind::Mpeg1VideoOnly)
            && MediaGenerator::encode(m.path("mute.avi"), kSeconds, Kind::AviSilent)
            && MediaGenerator::encode(m.path("blue.avi"), kSeconds, Kind::Colour)
            && QFile::copy(m.path("clip.mpg"), m.path("AVSEQ01.DAT"));
        return m;
    }();
    return media;
}

MpvEngine::Options EngineMedia::silent(double speed)
{
    return {{QStringLiteral("ao"), QStringLiteral("null")},
            {QStringLiteral("speed"), QString::number(speed)}};
}

namespace {

// Levels of each channel; also the number of frames and the first frame with
// a sample other than zero (the number of frames when all are zero).
std::vector<double> readLevels(const QString& path, qint64* frameCount, qint64* firstSound = nullptr)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    int channels = 0;
    int format = 0;
    int bits = 0;
    qsizetype pos = 12;
    while (pos + 8 <= data.size()) {
        const QByteArray id = data.mid(pos, 4);
        quint32 size = qFromLittleEndian<quint32>(data.constData() + pos + 4);
        const char* body = data.constData() + pos + 8;
        if (id == "fmt ") {
            format = qFromLittleEndian<quint16>(body);
            channels = qFromLittleEndian<quint16>(body + 2);
            bits = qFromLittleEndian<quint16>(body + 14);
            if (format == 0xFFFE) // extensible: the sub-format follows
                format = qFromLittleEndian<quint16>(body + 24);
        } else if (id == "data") {
            // A stream written to its end may leave the size unset.
            size = quint32(std::min<qsizetype>(data.size() - pos - 8, size ? size : data.size()));
            const int bytes = bits / 8;
            if (channels <= 0 || bytes <= 0)
                return {};
            std::vector<double> sums(channels, 0.0);
            const quint32 frames = size / quint32(bytes * channels);
            if (frameCount)
                *frameCount = frames;
            if (firstSound)
                *firstSound = frames;
            for (quint32 f = 0; f < frames; ++f) {
                for (int c = 0; c < channels; ++c) {
                    const char* at = body + (qsizetype(f) * channels + c) * bytes;
                    double v = 0;
                    if (format == 3 && bits == 32)
                        v = qFromLittleEndian<float>(at);
                    else if (format == 1 && bits == 16)
                        v = qFromLittleEndian<qint16>(at) / 32768.0;
                    else
                        return {};
                    sums[c] += v * v;
                    if (firstSound && v != 0.0 && f < *firstSound)
                        *firstSound = f;
                }
            }
            for (double& sum : sums)
                sum = frames ? std::sqrt(sum / frames) : 0.0;
            return sums;
        }
        pos += 8 + size + (size & 1);
    }
    return {};
}

} // namespace

std::vector<double> EngineMedia::channelLevels(const QString& path)
{
    return readLevels(path, nullptr);
}

qint64 EngineMedia::frameCount(const QString& path)
{
    qint64 frames = -1;
    readLevels(path, &frames);
    return frames;
}

qint64 EngineMedia::soundingFrames(const QString& path)
{
    qint64 frames = -1;
    qint64 firstSound = 0;
    if (readLevels(path, &frames, &firstSound).empty())
        return -1;
    return frames - firstSound;
}
