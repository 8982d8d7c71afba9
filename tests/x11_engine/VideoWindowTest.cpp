// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real engine drawing into real windows (Xvfb): the picture shows, follows
// the display sizes, goes full screen and comes back, and resizing the window
// while a video plays never stalls the GUI thread.
#include "engine/FrameRenderer.h"
#include "engine/FullScreenWindow.h"
#include "engine/MpvEngine.h"
#include "engine/VideoSurface.h"
#include "engine/X11SharedFrames.h"
#include "support/MediaGenerator.h"

#include "support/WaitFor.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <utility>

namespace {

// Share of pixels that are clearly not black.
double litShare(const QImage& image)
{
    if (image.isNull())
        return 0.0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qint64 lit = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            lit += qRed(line[x]) + qGreen(line[x]) + qBlue(line[x]) > 60;
    }
    return double(lit) / double(rgb.width() * rgb.height());
}

// What the screen shows of the widget, as a user would see it.
QImage onScreen(QWidget* widget)
{
    const QPoint at = widget->mapToGlobal(QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, at.x(), at.y(), widget->width(), widget->height())
        .toImage();
}

bool showsPicture(QWidget* widget)
{
    return waitFor([&] { return litShare(onScreen(widget)) > 0.5; }, 8000);
}

// The engine's full-screen window while it is shown.
FullScreenWindow* shownFullScreenWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* full = qobject_cast<FullScreenWindow*>(widget); full && full->isVisible())
            return full;
    }
    return nullptr;
}

// Ends the program with a message if the GUI thread stops answering for far
// longer than any repaint takes: a stuck GUI thread cannot fail a test itself.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : m_thread([this, limit] {
            std::unique_lock lock(m_mutex);
            while (!m_stop) {
                const int beats = m_beats.load();
                if (m_done.wait_for(lock, limit, [this] { return m_stop; }))
                    break;
                if (m_beats.load() == beats) {
                    std::fprintf(stderr, "the GUI thread stopped answering\n");
                    std::abort();
                }
            }
        })
    {
        QObject::connect(&m_heartbeat, &QTimer::timeout, [this] { ++m_beats; });
        m_heartbeat.start(10);
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_done.notify_one();
        m_thread.join();
    }
    int beats() const { return m_beats.load(); }

private:
    QTimer m_heartbeat;
    std::atomic<int> m_beats{0};
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_stop = false;
    std::thread m_thread;
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

class VideoWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_clip = m_dir.filePath("clip.mpg");
        // Long enough to stay on screen for the whole test.
        ASSERT_TRUE(MediaGenerator::encode(m_clip, 20, MediaGenerator::Kind::Mpeg1));
        m_engine = std::make_unique<MpvEngine>(MpvEngine::VideoOutput::Surface,
                                               MpvEngine::Options{{QStringLiteral("ao"), QStringLiteral("null")}});
        m_host.setStyleSheet(QStringLiteral("background: black;"));
        m_host.resize(480, 360);
        ASSERT_NE(m_engine->picture(), nullptr);
        m_surface = new VideoSurface(m_engine->picture(), &m_host);
        m_engine->setDrawingSize(400, 300);
        m_engine->setDisplaySize(MediaEngine::Fitted);
    }

    // The player opens the file before it shows the video window.
    void openAndShow()
    {
        m_engine->setFileName(m_clip);
        ASSERT_FALSE(m_engine->HasError()) << m_engine->ErrorDescription().toStdString();
        m_host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_host));
    }

    QTemporaryDir m_dir;
    QString m_clip;
    QWidget m_host;
    std::unique_ptr<MpvEngine> m_engine;
    VideoSurface* m_surface = nullptr;
};

TEST_F(VideoWindow, ShowsTheVideoFrameInTheDrawingArea)
{
    openAndShow();
    EXPECT_EQ(m_surface->size(), QSize(400, 300));
    EXPECT_TRUE(showsPicture(m_surface)) << "lit share " << litShare(onScreen(m_surface));
    EXPECT_GT(litShare(m_surface->grab().toImage()), 0.5);
}

TEST_F(VideoWindow, OwnSizeFollowsTheVideoAndFitFollowsTheWindow)
{
    openAndShow();
    m_engine->setDisplaySize(MediaEngine::Original);
    EXPECT_EQ(m_engine->drawingWidth(), 320);
    EXPECT_EQ(m_engine->drawingHeight(), 240);
    EXPECT_EQ(m_surface->size(), QSize(320, 240));
    m_engine->setDrawingSize(200, 100); // the window resized: own size holds
    EXPECT_EQ(m_surface->size(), QSize(320, 240));

    m_engine->setDisplaySize(MediaEngine::Fitted);
    EXPECT_EQ(m_surface->size(), QSize(200, 100));
    EXPECT_TRUE(showsPicture(m_surface));
}

TEST_F(VideoWindow, FullScreenAndBackWithEscapeKeepsThePicture)
{
    openAndShow();
    ASSERT_TRUE(showsPicture(m_surface));

    m_engine->setDisplaySize(MediaEngine::FullScreen);
    EXPECT_EQ(m_engine->DisplaySize(), MediaEngine::FullScreen);
    FullScreenWindow* full = shownFullScreenWindow();
    ASSERT_NE(full, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(full));
    EXPECT_TRUE(waitFor([&] { return full->isFullScreen(); }, 3000));
    EXPECT_TRUE(showsPicture(full->surface()));
    // The video moves on there: new frames keep reaching the screen.
    const int shownInFullScreen = full->surface()->framesShown();
    EXPECT_TRUE(waitFor([&] { return full->surface()->framesShown() > shownInFullScreen + 5; }, 8000))
        << full->surface()->framesShown() - shownInFullScreen << " new frames";
    // The drawing size keeps the fitted size for when full screen ends, and
    // the video window's surface stays where it was.
    EXPECT_EQ(m_engine->drawingWidth(), 400);
    EXPECT_EQ(m_surface->parentWidget(), &m_host);

    QTest::keyClick(full->surface(), Qt::Key_Escape);
    EXPECT_EQ(m_engine->DisplaySize(), MediaEngine::Fitted);
    EXPECT_EQ(shownFullScreenWindow(), nullptr);
    EXPECT_EQ(m_surface->size(), QSize(400, 300));
    EXPECT_TRUE(showsPicture(m_surface));
    // Rendered for the video window again, not for the screen.
    auto* renderer = qobject_cast<FrameRenderer*>(m_engine->picture());
    EXPECT_TRUE(waitFor([&] { return renderer->frame().size() == QSize(400, 300); }, 8000));
}

// FullScreenEnabled gates the double-click on the picture; setting FullScreen
// works either way. A double-click in full screen goes back to the size before.
TEST_F(VideoWindow, DoubleClickFollowsFullScreenEnabled)
{
    openAndShow();
    m_engine->setDisplaySize(MediaEngine::Original);

    m_engine->setFullScreenEnabled(false);
    QTest::mouseDClick(m_surface, Qt::LeftButton);
    EXPECT_EQ(m_engine->DisplaySize(), MediaEngine::Original);
    EXPECT_EQ(shownFullScreenWindow(), nullptr);

    m_engine->setFullScreenEnabled(true);
    QTest::mouseDClick(m_surface, Qt::LeftButton);
    EXPECT_EQ(m_engine->DisplaySize(), MediaEngine::FullScreen);
    FullScreenWindow* full = shownFullScreenWindow();
    ASSERT_NE(full, nullptr);

    QTest::mouseDClick(full->surface(), Qt::LeftButton);
    EXPECT_EQ(m_engine->DisplaySize(), MediaEngine::Original);
    EXPECT_EQ(shownFullScreenWindow(), nullptr);

    m_engine->setFullScreenEnabled(false);
    m_engine->setDisplaySize(MediaEngine::FullScreen);
    EXPECT_EQ(m_engine->DisplaySize(), MediaEngine::FullScreen);
    m_engine->setDisplaySize(MediaEngine::Fitted);
    EXPECT_EQ(shownFullScreenWindow(), nullptr);
}

// The video window grows and shrinks many times while the video plays, each
// step painted: the GUI thread keeps answering, the video keeps moving, and
// the picture is still there at the end.
TEST_F(VideoWindow, ResizingWhilePlayingKeepsTheGuiThreadAnswering)
{
    openAndShow();
    ASSERT_TRUE(showsPicture(m_surface));
    const double start = m_engine->CurrentPosition().value_or(0);
    Watchdog watchdog(std::chrono::seconds(20));

    const QSize sizes[] = {{1200, 900}, {160, 120}, {900, 700}, {320, 240}, {1260, 1000}, {200, 150}};
    for (int round = 0; round < 8; ++round) {
        for (const QSize& size : sizes) {
            m_host.resize(size + QSize(20, 20));
            m_engine->setDrawingSize(size.width(), size.height());
            m_host.repaint();
            // A timer queued now fires once the GUI thread is free again.
            bool answered = false;
            QTimer::singleShot(0, &m_host, [&] { answered = true; });
            ASSERT_TRUE(waitFor([&] { return answered; }, 10000)) << "round " << round;
            EXPECT_EQ(m_surface->size(), size);
        }
    }
    EXPECT_GT(watchdog.beats(), 0);
    EXPECT_TRUE(waitFor([&] { return m_engine->CurrentPosition().value_or(0) > start + 0.5; }, 8000));
    m_host.resize(480, 360);
    m_engine->setDrawingSize(400, 300);
    EXPECT_TRUE(showsPicture(m_surface));
}

// Lets frames still in flight land: returns once a pause of 300 ms brought no
// new paint.
void settlePaints(const PaintCounter& counter)
{
    int seen = -1;
    waitFor([&] {
        const int before = std::exchange(seen, counter.paints);
        if (before == seen)
            return true;
        QTest::qWait(300);
        return false;
    }, 8000);
}

// Paused, at its own size or fitted, the picture stands still and nothing is
// painted at all; playing, new frames are shown without counting as
// exposures, on X11 put into the surface's window without a paint, and a real
// exposure (the window shown again) is announced.
class StillPicture : public VideoWindow, public ::testing::WithParamInterface<int> {};

TEST_P(StillPicture, NothingIsPaintedWhilePausedAndFramesAreNoExposures)
{
    m_engine->setDisplaySize(GetParam());
    int exposures = 0;
    QObject::connect(m_surface, &VideoSurface::exposed, [&] { ++exposures; });
    openAndShow();
    ASSERT_TRUE(showsPicture(m_surface));
    PaintCounter counter(m_surface);
    const int exposuresBefore = exposures;
    const int shownBefore = m_surface->framesShown();

    QTest::qWait(500);
    const int playingPaints = counter.paints;
    EXPECT_GT(m_surface->framesShown() - shownBefore, 3) << "frames are shown while the video plays";
    // One exposure from the window system may fall in that time; one per
    // frame would be a fault.
    const int exposuresWhilePlaying = exposures;
    EXPECT_LE(exposuresWhilePlaying - exposuresBefore, 1) << "new frames were announced as exposures";
    if (X11SharedFrames::available()) {
        EXPECT_LE(playingPaints, 1) << "new frames were painted, not put into the window";
    }

    m_engine->Pause();
    settlePaints(counter);
    waitFor([&] {
        const int shown = m_surface->framesShown();
        QTest::qWait(300);
        return m_surface->framesShown() == shown;
    }, 8000);
    const int settled = counter.paints;
    const int shown = m_surface->framesShown();
    const int frames = qobject_cast<FrameRenderer*>(m_engine->picture())->framesRendered();
    QTest::qWait(1000);
    EXPECT_EQ(counter.paints, settled) << "paints while paused";
    EXPECT_EQ(m_surface->framesShown(), shown) << "frames shown while paused";
    EXPECT_EQ(qobject_cast<FrameRenderer*>(m_engine->picture())->framesRendered(), frames);
    EXPECT_EQ(exposures, exposuresWhilePlaying) << "new frames were announced as exposures";

    m_host.hide();
    m_host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_host));
    EXPECT_TRUE(waitFor([&] { return exposures > exposuresWhilePlaying; }, 3000));
    EXPECT_TRUE(showsPicture(m_surface)) << "the paused picture comes back after an exposure";
}

INSTANTIATE_TEST_SUITE_P(Display, StillPicture, ::testing::Values(int(MediaEngine::Original), int(MediaEngine::Fitted)),
                         [](const auto& info) { return info.param == MediaEngine::Original ? "OwnSize" : "Fitted"; });

// What the screen shows of the surface, pixel for pixel, is what painting the
// renderer's frame gives, whichever way the frame reached the window: for the
// sizes the menu offers, with the part the window hides left out.
struct ShownSize {
    const char* name;
    int display;
    QSize drawing; // the drawing area the video window gives
};

void PrintTo(const ShownSize& size, std::ostream* out)
{
    *out << size.name;
}

class ScreenShowsThePaintedFrame : public VideoWindow, public ::testing::WithParamInterface<ShownSize> {};

TEST_P(ScreenShowsThePaintedFrame, PausedFrameOnScreenEqualsItsPainting)
{
    m_engine->setDrawingSize(GetParam().drawing.width(), GetParam().drawing.height());
    m_engine->setDisplaySize(GetParam().display);
    openAndShow();
    // The part of the surface inside its window.
    const QRect seen = m_surface->rect() & m_host.rect().translated(-m_surface->pos());
    ASSERT_FALSE(seen.isEmpty());
    ASSERT_TRUE(waitFor([&] { return litShare(onScreen(m_surface).copy(seen)) > 0.5; }, 8000));
    auto* renderer = qobject_cast<FrameRenderer*>(m_engine->picture());
    const QSize pixels = m_surface->size() * m_surface->devicePixelRatioF();
    // The frame made for this surface, then still.
    ASSERT_TRUE(waitFor([&] {
        bool topLeftPart = false;
        const QImage frame = renderer->frame(&topLeftPart);
        return topLeftPart || frame.size() == pixels;
    }, 8000));
    m_engine->Pause();
    waitFor([&] {
        const int frames = renderer->framesRendered();
        QTest::qWait(300);
        return renderer->framesRendered() == frames && m_surface->framesShown() > 0;
    }, 8000);

    QImage screen;
    QImage painted;
    waitFor([&] {
        screen = onScreen(m_surface).copy(seen).convertToFormat(QImage::Format_RGB32);
        painted = m_surface->grab(seen).toImage().convertToFormat(QImage::Format_RGB32);
        return screen == painted;
    }, 8000);
    ASSERT_EQ(screen.size(), painted.size());
    int differing = 0;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x)
            differing += (screen.pixel(x, y) & 0xffffffu) != (painted.pixel(x, y) & 0xffffffu);
    }
    EXPECT_EQ(differing, 0) << "of " << screen.width() * screen.height() << " pixels";
    EXPECT_GT(litShare(screen), 0.5);
}

// The clip is 320x240; the host window 480x360 hides part of a double size.
INSTANTIATE_TEST_SUITE_P(Sizes, ScreenShowsThePaintedFrame,
                         ::testing::Values(ShownSize {"OwnSize", MediaEngine::Original, QSize(400, 300)},
                                           ShownSize {"Half", MediaEngine::Fitted, QSize(160, 120)},
                                           ShownSize {"Double", MediaEngine::Fitted, QSize(640, 480)},
                                           ShownSize {"Fitted", MediaEngine::Fitted, QSize(400, 300)}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
