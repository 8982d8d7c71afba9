// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MediaGenerator.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <mpv/client.h>

#include <cmath>

namespace {

void appendLe16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void appendLe32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

struct EncoderSettings {
    const char* source;
    const char* videoCodec;
    const char* audioCodec;
    const char* format;
};

EncoderSettings settingsFor(MediaGenerator::Kind kind)
{
    // Output stream labels out0/out1 give the lavfi device one video and one
    // audio stream.
    switch (kind) {
    case MediaGenerator::Kind::Mpeg1:
        return {"testsrc=duration=%1:size=320x240:rate=25[out0];sine=frequency=440:duration=%1[out1]",
                "mpeg1video", "mp2", "mpeg"};
    case MediaGenerator::Kind::Avi:
        return {"testsrc=duration=%1:size=320x240:rate=25[out0];sine=frequency=440:duration=%1[out1]",
                "mpeg4", "libmp3lame", "avi"};
    case MediaGenerator::Kind::Mpeg1VideoOnly:
        return {"testsrc=duration=%1:size=320x240:rate=25", "mpeg1video", nullptr, "mpeg"};
    case MediaGenerator::Kind::AviSilent:
        return {"testsrc=duration=%1:size=320x240:rate=25", "mpeg4", nullptr, "avi"};
    case MediaGenerator::Kind::Mpeg1Vga:
        return {"testsrc=duration=%1:size=640x480:rate=25[out0];sine=frequency=440:duration=%1[out1]",
                "mpeg1video", "mp2", "mpeg"};
    case MediaGenerator::Kind::H264Hd:
        return {"testsrc=duration=%1:size=1280x720:rate=25[out0];sine=frequency=440:duration=%1[out1]",
                "libx264", "libmp3lame", "avi"};
    case MediaGenerator::Kind::H264FullHd:
        return {"testsrc=duration=%1:size=1920x1080:rate=25[out0];sine=frequency=440:duration=%1[out1]",
                "libx264", "libmp3lame", "avi"};
    case MediaGenerator::Kind::Colour:
        return {"color=c=0x2060C0:duration=%1:size=320x240:rate=25", "mpeg4", nullptr, "avi"};
    case MediaGenerator::Kind::Mp3:
        return {"sine=frequency=440:duration=%1", nullptr, "libmp3lame", "mp3"};
    }
    return {};
}

} // namespace

bool MediaGenerator::wav(const QString& path, double seconds, int channels)
{
    constexpr quint32 rate = 44100;
    channels = channels == 1 ? 1 : 2;
    const quint32 frames = quint32(std::lround(std::max(0.0, seconds) * rate));
    const quint32 dataBytes = frames * quint32(channels) * 2;

    QByteArray out;
    out.reserve(int(44 + dataBytes));
    out.append("RIFF");
    appendLe32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    appendLe32(out, 16);
    appendLe16(out, 1); // PCM
    appendLe16(out, quint16(channels));
    appendLe32(out, rate);
    appendLe32(out, rate * quint32(channels) * 2);
    appendLe16(out, quint16(channels * 2));
    appendLe16(out, 16);
    out.append("data");
    appendLe32(out, dataBytes);
    for (quint32 i = 0; i < frames; ++i) {
        const auto sample = qint16(std::lround(16383.0 * std::sin(2.0 * M_PI * 440.0 * i / rate)));
        for (int c = 0; c < channels; ++c)
            appendLe16(out, quint16(sample));
    }

    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(out) == out.size();
}

bool MediaGenerator::encode(const QString& path, double seconds, Kind kind)
{
    const EncoderSettings settings = settingsFor(kind);
    const QByteArray source = "av://lavfi:" + QString::fromLatin1(settings.source).arg(seconds).toLatin1();
    const QByteArray output = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    QFile::remove(path);

    mpv_handle* mpv = mpv_create();
    if (!mpv)
        return false;
    mpv_set_option_string(mpv, "config", "no");
    mpv_set_option_string(mpv, "terminal", "no");
    mpv_set_option_string(mpv, "load-scripts", "no");
    mpv_set_option_string(mpv, "o", output.constData());
    mpv_set_option_string(mpv, "of", settings.format);
    if (settings.videoCodec) {
        mpv_set_option_string(mpv, "ovc", settings.videoCodec);
        // Without a fixed time base the encoder picks 60 fps and leaves
        // frames without timestamps.
        mpv_set_option_string(mpv, "ovcopts", "time_base=1/25");
    }
    if (settings.audioCodec)
        mpv_set_option_string(mpv, "oac", settings.audioCodec);
    else
        mpv_set_option_string(mpv, "audio", "no");
    bool ok = mpv_initialize(mpv) >= 0;
    if (ok) {
        const char* args[] = {"loadfile", source.constData(), nullptr};
        ok = mpv_command(mpv, args) >= 0;
    }
    while (ok) {
        // Encoding runs as fast as it can; a few seconds of media take well
        // under a second, the limit only guards against a stuck encoder.
        mpv_event* event = mpv_wait_event(mpv, 60);
        if (event->event_id == MPV_EVENT_NONE) {
            ok = false;
        } else if (event->event_id == MPV_EVENT_END_FILE) {
            const auto* end = static_cast<mpv_event_end_file*>(event->data);
            ok = end->reason == MPV_END_FILE_REASON_EOF;
            break;
        }
    }
    // Destroying the handle finishes and closes the output file.
    mpv_terminate_destroy(mpv);
    return ok && QFileInfo(path).size() > 0;
}

MediaGenerator::Probe MediaGenerator::probe(const QString& path)
{
    Probe result;
    const QByteArray file = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    mpv_handle* mpv = mpv_create();
    if (!mpv)
        return result;
    mpv_set_option_string(mpv, "config", "no");
    mpv_set_option_string(mpv, "terminal", "no");
    mpv_set_option_string(mpv, "load-scripts", "no");
    mpv_set_option_string(mpv, "vo", "null");
    mpv_set_option_string(mpv, "ao", "null");
    mpv_set_option_string(mpv, "pause", "yes");
    bool ok = mpv_initialize(mpv) >= 0;
    if (ok) {
        const char* args[] = {"loadfile", file.constData(), nullptr};
        ok = mpv_command(mpv, args) >= 0;
    }
    while (ok) {
        mpv_event* event = mpv_wait_event(mpv, 10);
        if (event->event_id == MPV_EVENT_FILE_LOADED)
            break;
        if (event->event_id == MPV_EVENT_NONE || event->event_id == MPV_EVENT_END_FILE)
            ok = false;
    }
    if (ok) {
        double fps = 0;
        if (mpv_get_property(mpv, "container-fps", MPV_FORMAT_DOUBLE, &fps) >= 0)
            result.frameRate = fps;
        int64_t count = 0;
        if (mpv_get_property(mpv, "track-list/count", MPV_FORMAT_INT64, &count) >= 0) {
            for (int64_t i = 0; i < count; ++i) {
                const QByteArray name = "track-list/" + QByteArray::number(i) + "/type";
                char* type = mpv_get_property_string(mpv, name.constData());
                result.audio |= type && qstrcmp(type, "audio") == 0;
                result.video |= type && qstrcmp(type, "video") == 0;
                mpv_free(type);
            }
        }
    }
    mpv_terminate_destroy(mpv);
    return result;
}

bool MediaGenerator::text(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
