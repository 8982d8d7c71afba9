// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times a full repaint of the slider face at the player's sizes and at a large
// size (called directly and by name), and a drag of 1,000 mouse moves across
// the track. Prints figures only.
#include <sarv/ColorRoutines.h>
#include <sarv/FaceRenderer.h>
#include <sarv/Variateur.h>

#include <QApplication>
#include <QMouseEvent>

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

struct Timing {
    double meanUs;
    double bestUs;
};

Timing measure(int runs, const std::function<void()>& work)
{
    for (int i = 0; i < runs / 10 + 1; ++i) // warm up
        work();
    double total = 0;
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        total += us;
        best = std::min(best, us);
    }
    return { total / runs, best };
}

sarv::FaceState playerFace(int max, int value, int buttonWidth, int mode, bool border)
{
    sarv::FaceState s;
    s.borderColorUp = sarv::RGB(200, 200, 200);
    s.borderColorDown = sarv::RGB(128, 128, 128);
    s.foreColorMin1 = sarv::RGB(0, 255, 0);
    s.foreColorMax1 = sarv::RGB(255, 0, 0);
    s.max = max;
    s.value = value;
    s.buttonWidth = buttonWidth;
    s.degradeMode = mode;
    s.border = border;
    return s;
}

void reportRender(const char* label, int width, int height, const sarv::FaceState& state)
{
    QImage image(width, height, QImage::Format_RGB32);
    const Timing t = measure(2000, [&] { sarv::renderFace(image, state); });
    std::printf("%-44s %5d x %-4d  mean %8.2f us  best %8.2f us\n", label, width, height,
                t.meanUs, t.bestUs);
}

void sendMove(sarv::Variateur& slider, double x, QEvent::Type type)
{
    const QPointF pos(x, slider.height() / 2.0);
    QMouseEvent event(type, pos, slider.mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&slider, &event);
}

void reportDrag(const char* label, int width, int height, short max)
{
    sarv::Variateur slider;
    slider.resize(width, height);
    slider.InitProperties();
    slider.setMax(max);
    int changes = 0;
    QObject::connect(&slider, &sarv::Variateur::Change, [&] { ++changes; });
    constexpr int kMoves = 1000;
    const auto start = Clock::now();
    sendMove(slider, 0, QEvent::MouseButtonPress);
    for (int i = 1; i <= kMoves; ++i)
        sendMove(slider, double(i) * (width + 10) / kMoves, QEvent::MouseMove);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::printf("%-44s %5d x %-4d  %d moves, %d Change, %.2f ms total, %.2f us per move\n",
                label, width, height, kMoves, changes, ms, ms * 1000 / kMoves);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::printf("Full repaint (renderFace), 2000 runs each\n");
    // The player's sliders at 96 DPI (15 twips per pixel).
    reportRender("position slider 4785 x 135 twips, Small", 319, 9, playerFace(50, 25, 5, 0, false));
    reportRender("volume slider 1455 x 135 twips, bordered", 97, 9, playerFace(10, 5, 10, 0, true));
    reportRender("1000 x 40 px, horizontal, Normal, border", 1000, 40, playerFace(10, 5, 10, 0, true));
    reportRender("1000 x 40 px, vertical, Large, border", 1000, 40, playerFace(10, 5, 20, 1, true));

    std::printf("\nVariateur::Refresh (repaint + update request), 2000 runs each\n");
    for (const QSize size : { QSize(319, 9), QSize(1000, 40) }) {
        sarv::Variateur slider;
        slider.resize(size);
        slider.InitProperties();
        slider.setValue(5);
        const Timing t = measure(2000, [&] { slider.Refresh(); });
        std::printf("%-44s %5d x %-4d  mean %8.2f us  best %8.2f us\n", "Refresh()", size.width(),
                    size.height(), t.meanUs, t.bestUs);
        // The same call as a host that knows only the method's name makes it.
        sarv::Status status;
        const Timing byName = measure(2000, [&] {
            QMetaObject::invokeMethod(&slider, "Refresh", Q_RETURN_ARG(sarv::Status, status));
        });
        std::printf("%-44s %5d x %-4d  mean %8.2f us  best %8.2f us\n",
                    "invokeMethod(\"Refresh\")", size.width(), size.height(), byName.meanUs,
                    byName.bestUs);
    }

    std::printf("\nDrag across the track\n");
    reportDrag("position slider, Max 50", 319, 9, 50);
    reportDrag("position slider, Max 1000 (a change per move)", 319, 9, 1000);
    reportDrag("1000 x 40 px, Max 1000", 1000, 40, 1000);
    return 0;
}
