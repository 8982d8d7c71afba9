// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// A small video whose pictures claim 16000x16000 pixels: the engine refuses it
// or plays it without taking much more memory than the same video with its
// true size.
#include "EngineMedia.h"
#include "engine/MpvEngine.h"
#include "engine/VideoSurface.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A 200x200 JPEG of coloured noise; `claimed` rewrites the size its frame
// header (SOF0) gives.
QByteArray jpeg(int claimed)
{
    QImage image(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x + 3 * y) % 256));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0 || claimed == 0)
        return sof < 0 ? QByteArray() : bytes;
    for (const int at : { 5, 7 }) { // height, then width
        bytes[sof + at] = char(claimed >> 8);
        bytes[sof + at + 1] = char(claimed & 0xFF);
    }
    return bytes;
}

void put(QByteArray& out, quint32 value, int bytes = 4)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

QByteArray chunk(const char* id, const QByteArray& data)
{
    QByteArray out(id, 4);
    put(out, quint32(data.size()));
    out += data;
    if (data.size() % 2)
        out.append('\0');
    return out;
}

QByteArray list(const char* type, const QByteArray& data)
{
    return chunk("LIST", QByteArray(type, 4) + data);
}

// An AVI of `frames` motion-JPEG pictures at 10 a second, its headers giving
// the same size as the pictures.
QByteArray mjpegAvi(const QByteArray& picture, int size, int frames)
{
    QByteArray avih;
    for (const quint32 v : { 100000u, 0u, 0u, 0x10u, quint32(frames), 0u, 1u, 0u, quint32(size), quint32(size),
                             0u, 0u, 0u, 0u })
        put(avih, v);
    QByteArray strh("vidsMJPG", 8);
    for (const quint32 v : { 0u, 0u, 0u, 1u, 10u, 0u, quint32(frames), 0u, 0xFFFFFFFFu, 0u })
        put(strh, v);
    put(strh, 0); // frame rectangle
    put(strh, 0);
    QByteArray strf;
    for (const quint32 v : { 40u, quint32(size), quint32(size) })
        put(strf, v);
    put(strf, 1, 2);
    put(strf, 24, 2);
    strf += "MJPG";
    put(strf, quint32(size) * quint32(size) * 3);
    for (int i = 0; i < 4; ++i)
        put(strf, 0);
    QByteArray movi;
    for (int i = 0; i < frames; ++i)
        movi += chunk("00dc", picture);
    const QByteArray body = QByteArray("AVI ")
        + list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)))
        + list("movi", movi);
    return chunk("RIFF", body);
}

qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * 4096 : 0;
}

// The most memory the process holds while the engine opens the file and
// plays it for a while.
qint64 peakWhilePlaying(const QString& path)
{
    MpvEngine engine(MpvEngine::VideoOutput::Surface, EngineMedia::silent());
    engine.setDisplaySize(MediaEngine::Original);
    VideoSurface surface(engine.picture());
    surface.show();
    qint64 peak = residentBytes();
    engine.setFileName(path);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 2000) {
        peak = std::max(peak, residentBytes());
        QTest::qWait(20);
    }
    return peak;
}

TEST(HostileMedia, HugeClaimedPictureStaysWithinBoundedMemory)
{
    QTemporaryDir dir;
    const QString normal = dir.filePath(QStringLiteral("normal.avi"));
    const QString huge = dir.filePath(QStringLiteral("huge.avi"));
    const QByteArray plain = mjpegAvi(jpeg(0), 200, 10);
    const QByteArray claimed = mjpegAvi(jpeg(16000), 16000, 10);
    ASSERT_FALSE(jpeg(0).isEmpty());
    QFile a(normal), b(huge);
    ASSERT_TRUE(a.open(QIODevice::WriteOnly) && a.write(plain) == plain.size());
    ASSERT_TRUE(b.open(QIODevice::WriteOnly) && b.write(claimed) == claimed.size());
    a.close();
    b.close();

    const qint64 normalPeak = peakWhilePlaying(normal);
    const qint64 hugePeak = peakWhilePlaying(huge);
    std::printf("resident peak: %lld MB with the true size, %lld MB with 16000x16000\n",
                normalPeak >> 20, hugePeak >> 20);
    EXPECT_LT(hugePeak - normalPeak, qint64(100) << 20);
}

} // namespace
