// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Video at the engine's own cost. Generated 10-second H.264 files are played,
// in alternate child processes, by the player (core, main window, video
// window, real engine), by a bare libmpv render loop drawing straight into a
// plain window, and by libmpv decoding alone (vo=null, ao=null), the floor:
// 720p in a window of its own size, and 1080p at its own size in the default
// video window, which shows its top-left corner. Each row gives CPU seconds and
// peak RSS (medians of the runs) and the ratio to decoding alone. Then the
// 1080p file in full screen (frames rendered and shown: none may be dropped),
// the player while a video sits paused or stopped (CPU ms and wake-ups per
// second), and the time from the main window to a moving position.
// VELKOR_BENCH_BEFORE may name another build of this program (an older player)
// whose player runs then alternate with this one's, in rows marked "before".
// Needs a display; without one it runs itself under xvfb-run.
#include "BareLoop.h"
#include "ChildRun.h"
#include "DecodeOnly.h"
#include "PlayerRun.h"

#include "support/MediaGenerator.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kDefaultPairs = 3;
constexpr int kStillSeconds = 20;
constexpr double kSeconds = 10.0;
// The generated files run at 25 frames a second.
constexpr int kFrames = 250;
// The video window's drawing area at its first size.
constexpr int kDefaultWidth = 319;
constexpr int kDefaultHeight = 239;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

struct Figures {
    std::vector<double> cpu;
    std::vector<double> peak;
    int failures = 0;
    void add(const ChildRun& run)
    {
        if (!run.ok) {
            ++failures;
            return;
        }
        cpu.push_back(run.cpuSeconds);
        peak.push_back(run.peakMiB);
    }
};

struct Work {
    const char* label;
    const char* name;
    MediaGenerator::Kind kind;
    bool defaultWindow; // the bare loop's window: the default one, or the video's size
};

const Work kWork[] = {
    {"H.264 720p windowed", "hd.avi", MediaGenerator::Kind::H264Hd, false},
    {"H.264 1080p own size", "fullhd.avi", MediaGenerator::Kind::H264FullHd, true},
};

int childMain(int argc, char** argv)
{
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString file = QString::fromLocal8Bit(argv[2]);
    if (mode == QLatin1String("--generate")) {
        // The files of the table, kept in a folder, to run one side by hand.
        QCoreApplication app(argc, argv);
        std::setlocale(LC_NUMERIC, "C");
        bool ok = true;
        for (const Work& work : kWork)
            ok &= MediaGenerator::encode(file + QLatin1Char('/') + QLatin1String(work.name), kSeconds, work.kind);
        return ok ? 0 : 1;
    }
    if (mode == QLatin1String("--bare"))
        return runBareLoop(argc, argv, file);
    if (mode == QLatin1String("--bare-default"))
        return runBareLoop(argc, argv, file, QSize(kDefaultWidth, kDefaultHeight));
    if (mode == QLatin1String("--decode"))
        return runDecodeOnly(file);
    if (mode == QLatin1String("--player"))
        return runPlayer(argc, argv, file, PlayerRunMode::ToTheEnd, 0);
    if (mode == QLatin1String("--fullscreen"))
        return runPlayer(argc, argv, file, PlayerRunMode::FullScreenToTheEnd, 0);
    if (mode == QLatin1String("--first"))
        return runPlayer(argc, argv, file, PlayerRunMode::FirstPosition, 0);
    const int seconds = argc > 3 ? std::max(1, atoi(argv[3])) : kStillSeconds;
    if (mode == QLatin1String("--paused"))
        return runPlayer(argc, argv, file, PlayerRunMode::Paused, seconds);
    if (mode == QLatin1String("--stopped"))
        return runPlayer(argc, argv, file, PlayerRunMode::Stopped, seconds);
    std::fprintf(stderr, "unknown mode %s\n", argv[1]);
    return 2;
}

void printRow(const char* label, const char* who, const Figures& f, const Figures& floor)
{
    const double cpu = median(f.cpu);
    const double peak = median(f.peak);
    std::printf("  %-22s %-7s %7.2f s %8.1f MiB", label, who, cpu, peak);
    if (&f != &floor && !floor.cpu.empty() && median(floor.cpu) > 0)
        std::printf("   x%.2f CPU  %+6.1f MiB", cpu / median(floor.cpu), peak - median(floor.peak));
    if (f.failures)
        std::printf("   (%d runs failed)", f.failures);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && argv[1][0] == '-' && argv[1][1] == '-')
        return childMain(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
        if (xvfb.isEmpty()) {
            std::fprintf(stderr, "bench_video needs a display (or xvfb-run)\n");
            return 1;
        }
        std::vector<char*> args {const_cast<char*>("xvfb-run"), const_cast<char*>("-a"), const_cast<char*>("-s"),
                                 const_cast<char*>("-screen 0 1920x1080x24")};
        for (int i = 0; i < argc; ++i)
            args.push_back(argv[i]);
        args.push_back(nullptr);
        const QByteArray path = xvfb.toLocal8Bit();
        execv(path.constData(), args.data());
        return 1;
    }

    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int pairs = argc > 1 ? std::max(1, atoi(argv[1])) : kDefaultPairs;
    const QString self = QCoreApplication::applicationFilePath();
    const QString before = qEnvironmentVariable("VELKOR_BENCH_BEFORE");
    QTemporaryDir dir;

    std::printf("CPU seconds of the whole process and peak RSS, median of %d alternate runs each;\n"
                "ratio and memory against decoding alone   goals: player <= x1.40, <= +25 MiB\n",
                pairs);
    std::printf("  %-22s %-7s %9s %12s\n", "work", "who", "CPU", "peak RSS");
    QString hd, fullHd;
    for (const Work& work : kWork) {
        const QString file = dir.filePath(QString::fromLatin1(work.name));
        if (!MediaGenerator::encode(file, kSeconds, work.kind)) {
            std::printf("  %-22s could not be generated (no encoder in this libmpv)\n", work.label);
            continue;
        }
        if (work.kind == MediaGenerator::Kind::H264Hd)
            hd = file;
        else
            fullHd = file;
        const QString bare = QString::fromLatin1(work.defaultWindow ? "--bare-default" : "--bare");
        Figures player, older, loop, decode;
        for (int i = 0; i < pairs; ++i) {
            player.add(runChild(self, {QStringLiteral("--player"), file}));
            if (!before.isEmpty())
                older.add(runChild(before, {QStringLiteral("--player"), file}));
            loop.add(runChild(self, {bare, file}));
            decode.add(runChild(self, {QStringLiteral("--decode"), file}));
        }
        printRow(work.label, "player", player, decode);
        if (!before.isEmpty())
            printRow(work.label, "before", older, decode);
        printRow(work.label, "bare", loop, decode);
        printRow(work.label, "decode", decode, decode);
        std::fflush(stdout);
    }
    if (!fullHd.isEmpty()) {
        std::printf("player, 1080p going full screen after 1 s: frames of the file's %d   goal: none dropped\n",
                    kFrames);
        const ChildRun run = runChild(self, {QStringLiteral("--fullscreen"), fullHd});
        const QStringList figures = run.output.trimmed().split(QLatin1Char(' '));
        if (run.ok && figures.size() == 2)
            std::printf("  rendered %4d   shown in full screen %4d\n", figures[0].toInt(), figures[1].toInt());
        else
            std::printf("  failed\n");
        std::fflush(stdout);
    }
    if (hd.isEmpty())
        return 0;

    std::printf("player with the 720p video in its window, nothing moving, over %d s   goals <= 2 ms/s, <= 5 wake-ups/s\n",
                kStillSeconds);
    QStringList players {self};
    if (!before.isEmpty())
        players << before;
    for (const char* mode : {"--paused", "--stopped"}) {
        for (const QString& program : players) {
            const ChildRun run = runChild(program, {QString::fromLatin1(mode), hd, QString::number(kStillSeconds)});
            const QStringList figures = run.output.trimmed().split(QLatin1Char(' '));
            const char* who = program == self ? "" : " before";
            if (run.ok && figures.size() == 2)
                std::printf("  %-8s%-7s %7.2f ms CPU per s %7.1f wake-ups per s\n", mode + 2, who,
                            figures[0].toDouble(), figures[1].toDouble());
            else
                std::printf("  %-8s%-7s failed\n", mode + 2, who);
        }
    }
    std::fflush(stdout);

    std::printf("player, main window on screen to the 720p file's position moving, median of %d   goal <= 150 ms\n",
                pairs);
    struct Start {
        std::vector<double> open, frame, moving;
    };
    std::vector<Start> starts(players.size());
    for (int i = 0; i < pairs; ++i) {
        for (qsizetype p = 0; p < players.size(); ++p) {
            const ChildRun run = runChild(players[p], {QStringLiteral("--first"), hd});
            const QStringList figures = run.output.trimmed().split(QLatin1Char(' '));
            if (!run.ok || figures.size() != 3)
                continue;
            starts[p].open.push_back(figures[0].toDouble());
            starts[p].frame.push_back(figures[1].toDouble());
            starts[p].moving.push_back(figures[2].toDouble());
        }
    }
    for (qsizetype p = 0; p < players.size(); ++p) {
        const char* who = p == 0 ? "" : " before";
        if (starts[p].moving.empty())
            std::printf("  %-7s failed\n", who);
        else
            std::printf("  %-7s open %6.0f ms   first frame %6.0f ms   moving position %6.0f ms\n", who,
                        median(starts[p].open), median(starts[p].frame), median(starts[p].moving));
    }
    return 0;
}
