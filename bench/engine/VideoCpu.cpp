// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// CPU seconds per second of playback: all of the process's threads (decoder,
// renderer, GUI painting) over wall-clock time, playing and paused.
#include "VideoCpu.h"

#include "engine/MpvEngine.h"
#include "support/MediaGenerator.h"

#include "../ProcessCpu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "engine/FrameRenderer.h"
#include "engine/VideoSurface.h"

#include <clocale>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kPlayMs = 6000;
constexpr int kPausedMs = 3000;

// CPU seconds per wall second while events run for ms. A plain event loop:
// QTest::qWait wakes up every few milliseconds and would count its own work.
double cpuPerSecond(int ms)
{
    QElapsedTimer wall;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    const double cpu = processCpuSeconds();
    wall.start();
    loop.exec();
    return (processCpuSeconds() - cpu) / (double(wall.nsecsElapsed()) / 1e9);
}

} // namespace

int benchVideoCpu(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QTemporaryDir dir;
    const QString clip = dir.filePath("vga.mpg");
    if (!MediaGenerator::encode(clip, 20.0, MediaGenerator::Kind::Mpeg1Vga)) {
        std::fprintf(stderr, "could not generate the media\n");
        return 1;
    }

    MpvEngine engine(MpvEngine::VideoOutput::Surface, {{QStringLiteral("ao"), QStringLiteral("null")}});
    QWidget window;
    window.resize(660, 500);
    QWidget* surface = new VideoSurface(engine.picture(), &window);
    auto* renderer = qobject_cast<FrameRenderer*>(engine.picture());
    engine.setDisplaySize(MediaEngine::Original);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window did not show\n");
        return 1;
    }
    engine.setFileName(clip);
    if (engine.HasError()) {
        std::fprintf(stderr, "%s\n", qPrintable(engine.ErrorDescription()));
        return 1;
    }
    QTest::qWait(1000); // past the start
    const double start = engine.CurrentPosition().value_or(0);
    const int framesBefore = renderer->framesRendered();
    const double playing = cpuPerSecond(kPlayMs);
    const double advanced = engine.CurrentPosition().value_or(0) - start;
    engine.Pause();
    QTest::qWait(500);
    const double paused = cpuPerSecond(kPausedMs);

    std::printf("640x480 MPEG-1, surface %dx%d shown, software renderer on its own thread\n",
                surface->width(), surface->height());
    std::printf("%-40s %8.3f\n", "CPU s per s, playing", playing);
    std::printf("%-40s %8.3f\n", "CPU s per s, paused", paused);
    std::printf("%-40s %8.2f s in %.2f s\n", "position advanced", advanced, kPlayMs / 1000.0);
    std::printf("%-40s %8d\n", "frames rendered while playing",
                renderer->framesRendered() - framesBefore);
    return 0;
}
