// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlayerRun.h"
#include "ThreadCpu.h"

#include "core/PlayerCore.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "core/TransportController.h"
#include "engine/FrameRenderer.h"
#include "engine/FullScreenWindow.h"
#include "engine/MpvEngine.h"
#include "engine/VideoSurface.h"
#include "engine/X11SharedFrames.h"
#include "support/TestMain.h"

#include "../ProcessCpu.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <ctime>
#include <optional>

namespace {

constexpr int kTimeoutMs = 30000;

// Lets the event loop run for ms, with no timer of the bench's own meanwhile.
void idle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int runPlayer(int argc, char** argv, const QString& file, PlayerRunMode mode, int stillSeconds)
{
    // As the program does.
    X11SharedFrames::preferConnectionForWidgets();
    QApplication app(argc, argv);
    X11SharedFrames::restoreEnvironment();
    std::setlocale(LC_NUMERIC, "C");
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());

    MpvEngine* engine = nullptr;
    // Time to first position is measured with the product's own audio output
    // choice, whose set-up is part of the wait; the rest runs with null audio.
    MpvEngine::Options options;
    if (mode != PlayerRunMode::FirstPosition)
        options.append({QStringLiteral("ao"), QStringLiteral("null")});
    TestMain window([&engine, &options] {
        auto made = std::make_unique<MpvEngine>(MpvEngine::VideoOutput::Surface, options);
        engine = made.get();
        return made;
    });
    window.Form_Load();
    window.show();
    window.core().playlist().AppendMany({file});
    window.core().playlist().setListIndex(0);
    // The main window is on screen before the clock starts.
    QCoreApplication::processEvents();
    QElapsedTimer sinceWindow;
    sinceWindow.start();
    window.core().sequencer().lstPlay_DblClick();
    const qint64 openMs = sinceWindow.elapsed();
    if (!engine || engine->HasError()) {
        std::fprintf(stderr, "%s\n", engine ? qPrintable(engine->ErrorDescription()) : "no engine");
        return 1;
    }
    auto* renderer = qobject_cast<FrameRenderer*>(engine->picture());

    if (mode == PlayerRunMode::FirstPosition) {
        qint64 frameMs = -1;
        const std::optional<double> start = engine->CurrentPosition();
        QDeadlineTimer deadline(kTimeoutMs);
        while (!deadline.hasExpired()) {
            if (frameMs < 0 && renderer && renderer->framesRendered() > 0)
                frameMs = sinceWindow.elapsed();
            const std::optional<double> now = engine->CurrentPosition();
            if (now && *now > start.value_or(0.0))
                break;
            idle(1);
        }
        const qint64 movingMs = sinceWindow.elapsed();
        std::printf("%lld %lld %lld\n", static_cast<long long>(openMs), static_cast<long long>(frameMs),
                    static_cast<long long>(movingMs));
        window.Form_Unload();
        return deadline.hasExpired() ? 1 : 0;
    }

    if (mode == PlayerRunMode::Paused || mode == PlayerRunMode::Stopped) {
        idle(1500);
        if (mode == PlayerRunMode::Paused)
            window.core().transport().cmdPause_Click();
        else
            window.core().transport().cmdStop_Click();
        idle(1000); // the last frame and the window's answer to the change
        const double before = processCpuSeconds();
        const long long sleepsBefore = processSleeps();
        const QMap<QByteArray, long long> threadsBefore = threadSleeps();
        idle(stillSeconds * 1000);
        std::printf("%.3f %.2f\n", (processCpuSeconds() - before) * 1000.0 / stillSeconds,
                    double(processSleeps() - sleepsBefore) / stillSeconds);
        printThreadCpu("still");
        printThreadSleeps(threadsBefore, stillSeconds);
        window.Form_Unload();
        return 0;
    }

    if (mode == PlayerRunMode::FullScreenToTheEnd) {
        // As a user does: once the video shows in its window.
        idle(1000);
        engine->setDisplaySize(MediaEngine::FullScreen);
    }
    // To the end: the periodic update would move on to the next entry; there
    // is none, and the position reaching the duration is the end.
    // The end is the position reaching the duration, or the periodic update
    // having rewound it after the end.
    QDeadlineTimer deadline(kTimeoutMs);
    double furthest = 0;
    while (!deadline.hasExpired()) {
        idle(250);
        const auto position = engine->CurrentPosition();
        const auto duration = engine->Duration();
        if (!position || !duration)
            break;
        if (*position >= *duration - 0.05 || (furthest > *duration - 1.0 && *position < furthest - 0.5))
            break;
        furthest = std::max(furthest, *position);
    }
    if (renderer)
        std::fprintf(stderr, "player: %d frames rendered\n", renderer->framesRendered());
    if (mode == PlayerRunMode::FullScreenToTheEnd) {
        const VideoSurface* shown = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* full = qobject_cast<FullScreenWindow*>(widget); full && full->isVisible())
                shown = full->surface();
        }
        std::printf("%d %d\n", renderer ? renderer->framesRendered() : 0, shown ? shown->framesShown() : -1);
    }
    printThreadCpu("player");
    window.Form_Unload();
    return deadline.hasExpired() ? 1 : 0;
}
