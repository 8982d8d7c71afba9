// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times what the player asks of the engine most: opening a file (FileName
// write) and one poll (CurrentPosition + Duration), for MpvEngine and for bare
// libmpv doing the same work, so the engine's own overhead shows as a ratio.
// Then the MIDI figures: open time beside a WAV, and synthesis cost.
// "bench_engine video" measures the processor time of showing video instead.
#include "MidiBench.h"
#include "VideoCpu.h"
#include "engine/MpvEngine.h"
#include "support/MediaGenerator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <mpv/client.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kOpens = 50;
constexpr int kPolls = 2000;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// Median time of one run of work, in microseconds.
double timeEach(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    times.reserve(runs);
    QElapsedTimer clock;
    for (int i = 0; i < runs; ++i) {
        clock.start();
        work();
        times.push_back(clock.nsecsElapsed() / 1000.0);
    }
    return median(times);
}

// Bare libmpv with the same null outputs: loadfile, then wait for its
// FILE_LOADED, the least any synchronous open has to do.
class BareMpv {
public:
    BareMpv()
    {
        m_mpv = mpv_create();
        // The options of MpvEngine that change how a file opens and plays.
        for (const auto& [name, value] :
             {std::pair{"config", "no"}, {"terminal", "no"}, {"vo", "null"}, {"ao", "null"}, {"idle", "yes"},
              {"keep-open", "yes"}, {"load-scripts", "no"}, {"ytdl", "no"}, {"demuxer", "lavf"},
              {"demuxer-lavf-o", "protocol_whitelist=file"}, {"autoload-files", "no"}, {"hr-seek", "yes"},
              {"hr-seek-demuxer-offset", "1"}, {"audio-fallback-to-null", "yes"}})
            mpv_set_option_string(m_mpv, name, value);
        mpv_initialize(m_mpv);
    }
    ~BareMpv() { mpv_terminate_destroy(m_mpv); }

    void open(const QByteArray& path)
    {
        const char* args[] = {"loadfile", path.constData(), "replace", "pause=no", nullptr};
        mpv_command(m_mpv, args);
        for (;;) {
            const mpv_event* event = mpv_wait_event(m_mpv, 10);
            if (event->event_id == MPV_EVENT_FILE_LOADED || event->event_id == MPV_EVENT_NONE)
                break;
        }
    }

    void stop()
    {
        const char* args[] = {"stop", nullptr};
        mpv_command(m_mpv, args);
    }

    double poll()
    {
        double position = 0;
        double duration = 0;
        failures += mpv_get_property(m_mpv, "time-pos", MPV_FORMAT_DOUBLE, &position) < 0;
        failures += mpv_get_property(m_mpv, "duration", MPV_FORMAT_DOUBLE, &duration) < 0;
        return position + duration;
    }

    int failures = 0;

private:
    mpv_handle* m_mpv;
};

void row(const char* what, double engine, double bare)
{
    std::printf("%-30s %12.1f %12.1f %8.2f\n", what, engine, bare, bare > 0 ? engine / bare : 0.0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "video") == 0)
        return benchVideoCpu(argc, argv);
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    QTemporaryDir dir;
    const QString wav = dir.filePath("short.wav");
    const QString mpg = dir.filePath("short.mpg");
    if (!MediaGenerator::wav(wav, 2.0) || !MediaGenerator::encode(mpg, 2.0, MediaGenerator::Kind::Mpeg1)) {
        std::fprintf(stderr, "could not generate the media\n");
        return 1;
    }

    MpvEngine engine(MpvEngine::VideoOutput::None, {{QStringLiteral("ao"), QStringLiteral("null")}});
    BareMpv bare;
    double sink = 0;
    std::printf("%d opens of each 2-second file, engine and bare libmpv in alternate rounds of ten\n", kOpens);

    std::printf("%-30s %12s %12s %8s\n", "median, microseconds", "MpvEngine", "libmpv", "ratio");
    for (const QString& file : {wav, mpg}) {
        const QByteArray path = QFile::encodeName(file);
        // In rounds of ten, alternating, so that both see the same state of a
        // busy machine; the other one is idle meanwhile, so that two players
        // do not decode at once. The second pair also reads the duration, as
        // the player does right after an open: libmpv answers its first query
        // only once it has started the decoders.
        std::vector<double> engineOpens, bareOpens, engineAsks, bareAsks;
        for (int round = 0; round < kOpens / 10; ++round) {
            for (int i = 0; i < 10; ++i) {
                engineOpens.push_back(timeEach(1, [&] { engine.setFileName(file); }));
                engineAsks.push_back(timeEach(1, [&] {
                    engine.setFileName(file);
                    sink += engine.Duration().value_or(0);
                }));
            }
            engine.setFileName(QString());
            for (int i = 0; i < 10; ++i) {
                bareOpens.push_back(timeEach(1, [&] { bare.open(path); }));
                bareAsks.push_back(timeEach(1, [&] {
                    bare.open(path);
                    sink += bare.poll();
                }));
            }
            bare.stop();
        }
        const QString name = QFileInfo(file).fileName();
        row(qPrintable(QStringLiteral("open %1 (x%2)").arg(name).arg(kOpens)), median(engineOpens),
            median(bareOpens));
        row(qPrintable(QStringLiteral("open %1 + Duration").arg(name)), median(engineAsks), median(bareAsks));
    }

    // Each plays the MPEG-1 file, alone, while it is polled.
    engine.setFileName(mpg);
    const double enginePoll = timeEach(kPolls, [&] {
        sink += engine.CurrentPosition().value_or(0) + engine.Duration().value_or(0);
    });
    engine.setFileName(QString());
    bare.open(QFile::encodeName(mpg));
    const double barePoll = timeEach(kPolls, [&] { sink += bare.poll(); });
    row(qPrintable(QStringLiteral("poll position+duration (x%1)").arg(kPolls)), enginePoll, barePoll);
    if (bare.failures)
        std::printf("(bare libmpv: %d reads failed)\n", bare.failures);
    benchMidi(dir.path());
    return sink < 0 ? 1 : 0;
}
