// Video at the engine's own cost. The same generated 10-second files are
// played, in alternate child processes, by the player (core, main window,
// video window, real engine) and by a bare libmpv render loop drawing straight
// into a plain window; each row gives CPU seconds and peak RSS (medians of
// the runs) and the player's ratio to the bare loop, and to mpv --vo=gpu when
// mpv is on the machine. Then the player's CPU while a video sits paused or
// stopped in its window. Needs a display; without one it runs itself under
// xvfb-run.
#include "BareLoop.h"
#include "ChildRun.h"
#include "PlayerRun.h"

#include "support/MediaGenerator.h"

#include <QCoreApplication>
#include <QFileInfo>
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

struct Clip {
    const char* label;
    const char* name;
    MediaGenerator::Kind kind;
};

const Clip kClips[] = {
    {"10 s MP3", "tone.mp3", MediaGenerator::Kind::Mp3},
    {"10 s MPEG-1 640x480", "vga.mpg", MediaGenerator::Kind::Mpeg1Vga},
    {"10 s H.264 1280x720", "hd.avi", MediaGenerator::Kind::H264Hd},
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
        for (const Clip& clip : kClips)
            ok &= MediaGenerator::encode(file + QLatin1Char('/') + QLatin1String(clip.name), kSeconds, clip.kind);
        return ok ? 0 : 1;
    }
    if (mode == QLatin1String("--bare"))
        return runBareLoop(argc, argv, file);
    if (mode == QLatin1String("--player"))
        return runPlayer(argc, argv, file, PlayerRunMode::ToTheEnd, 0);
    const int seconds = argc > 3 ? std::max(1, atoi(argv[3])) : kStillSeconds;
    if (mode == QLatin1String("--paused"))
        return runPlayer(argc, argv, file, PlayerRunMode::Paused, seconds);
    if (mode == QLatin1String("--stopped"))
        return runPlayer(argc, argv, file, PlayerRunMode::Stopped, seconds);
    std::fprintf(stderr, "unknown mode %s\n", argv[1]);
    return 2;
}

void printRow(const char* label, const char* who, const Figures& f, const Figures* bare)
{
    const double cpu = median(f.cpu);
    const double peak = median(f.peak);
    std::printf("  %-22s %-8s %8.2f s %8.1f MiB", label, who, cpu, peak);
    if (bare && !bare->cpu.empty() && median(bare->cpu) > 0) {
        std::printf("   x%.3f CPU   %+.1f MiB", cpu / median(bare->cpu), peak - median(bare->peak));
    }
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
    const QString mpv = QStandardPaths::findExecutable(QStringLiteral("mpv"));
    QTemporaryDir dir;

    std::printf("CPU seconds of the whole process and peak RSS, median of %d alternate runs each\n", pairs);
    std::printf("  %-22s %-8s %10s %12s   player / bare\n", "file", "who", "CPU", "peak RSS");
    QString vga;
    for (const Clip& clip : kClips) {
        const QString file = dir.filePath(QString::fromLatin1(clip.name));
        if (!MediaGenerator::encode(file, kSeconds, clip.kind)) {
            std::printf("  %-22s could not be generated (no encoder in this libmpv)\n", clip.label);
            continue;
        }
        if (clip.kind == MediaGenerator::Kind::Mpeg1Vga)
            vga = file;
        Figures player, bare, reference;
        for (int i = 0; i < pairs; ++i) {
            player.add(runChild(self, {QStringLiteral("--player"), file}));
            bare.add(runChild(self, {QStringLiteral("--bare"), file}));
            if (!mpv.isEmpty())
                // --gpu-sw: mpv refuses a software OpenGL such as Xvfb's
                // llvmpipe unless told to take it.
                reference.add(runChild(mpv, {QStringLiteral("--no-config"), QStringLiteral("--vo=gpu"),
                                             QStringLiteral("--gpu-sw"),
                                             QStringLiteral("--ao=null"), QStringLiteral("--really-quiet"),
                                             file}));
        }
        printRow(clip.label, "player", player, &bare);
        printRow(clip.label, "bare", bare, nullptr);
        if (!mpv.isEmpty()) {
            printRow(clip.label, "mpv", reference, nullptr);
            if (!reference.cpu.empty())
                std::printf("  %-22s player / mpv --vo=gpu: x%.3f CPU\n", clip.label,
                            median(player.cpu) / median(reference.cpu));
        }
    }
    if (mpv.isEmpty())
        std::printf("  (mpv is not on this machine: no ratio to mpv --vo=gpu)\n");
    std::fflush(stdout);

    if (!vga.isEmpty()) {
        std::printf("player with the MPEG-1 video in its window, nothing moving, over %d s   goal <= 2 ms/s\n",
                    kStillSeconds);
        for (const char* mode : {"--paused", "--stopped"}) {
            const ChildRun run = runChild(self, {QString::fromLatin1(mode), vga, QString::number(kStillSeconds)});
            if (run.ok)
                std::printf("  %-10s %8.2f ms CPU per s\n", mode + 2, run.output.trimmed().toDouble());
            else
                std::printf("  %-10s failed\n", mode + 2);
        }
    }
    return 0;
}
