// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine's picture without a window: video files open with their video
// whether or not anything shows them, a surface made later gets a real frame,
// and nothing is rendered while the player is paused.
#include "EngineMedia.h"
#include "engine/FrameRenderer.h"
#include "engine/FullScreenWindow.h"
#include "engine/MpvEngine.h"
#include "engine/VideoSurface.h"
#include "support/MediaGenerator.h"

#include <QApplication>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

namespace {

constexpr int kWaitMs = 8000;

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

double position(const MpvEngine& engine)
{
    return engine.CurrentPosition().value_or(-1.0);
}

struct Generated {
    const char* name;
    bool audio;
    bool video;
    double frameRate;
};

std::ostream& operator<<(std::ostream& out, const Generated& c)
{
    return out << c.name;
}

// The generator's files are what the other tests take them for; a clip whose
// time base is lost says 60 fps and has frames without timestamps.
class GeneratedMedia : public ::testing::TestWithParam<Generated> {};

TEST_P(GeneratedMedia, HasItsTracksAndFrameRate)
{
    const EngineMedia& media = EngineMedia::get();
    ASSERT_TRUE(media.ok);
    const auto probe = MediaGenerator::probe(media.path(QString::fromLatin1(GetParam().name)));
    EXPECT_EQ(probe.audio, GetParam().audio);
    EXPECT_EQ(probe.video, GetParam().video);
    EXPECT_NEAR(probe.frameRate, GetParam().frameRate, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Media, GeneratedMedia,
                         ::testing::Values(Generated{"clip.mpg", true, true, 25},
                                           Generated{"clip.avi", true, true, 25},
                                           Generated{"mute.mpg", false, true, 25},
                                           Generated{"mute.avi", false, true, 25},
                                           Generated{"song.mp3", true, false, 0}));

struct Windowless {
    const char* name;
    MpvEngine::VideoOutput output;
};

std::ostream& operator<<(std::ostream& out, const Windowless& c)
{
    return out << c.name << (c.output == MpvEngine::VideoOutput::Surface ? " drawn" : " no output");
}

// No surface exists at all: the file opens with its video, and a video with no
// sound (nothing else to clock it) still moves on.
class EngineWithoutWindow : public ::testing::TestWithParam<Windowless> {};

TEST_P(EngineWithoutWindow, OpensVideoAndThePositionAdvances)
{
    const EngineMedia& media = EngineMedia::get();
    ASSERT_TRUE(media.ok);
    MpvEngine engine(GetParam().output, EngineMedia::silent());
    ASSERT_TRUE(engine.isValid());
    EXPECT_EQ(engine.picture() != nullptr, GetParam().output == MpvEngine::VideoOutput::Surface);

    engine.setFileName(media.path(QString::fromLatin1(GetParam().name)));
    ASSERT_FALSE(engine.HasError()) << engine.ErrorDescription().toStdString();
    ASSERT_TRUE(engine.Duration().has_value());
    EXPECT_NEAR(*engine.Duration(), EngineMedia::kSeconds, 0.25);
    EXPECT_EQ(engine.videoSize(), QSize(320, 240));
    EXPECT_TRUE(waitFor([&] { return position(engine) > 0.5; }, kWaitMs))
        << "position " << position(engine);
}

INSTANTIATE_TEST_SUITE_P(
    Media, EngineWithoutWindow,
    ::testing::Values(Windowless{"mute.mpg", MpvEngine::VideoOutput::Surface},
                      Windowless{"mute.avi", MpvEngine::VideoOutput::Surface},
                      Windowless{"clip.mpg", MpvEngine::VideoOutput::Surface},
                      Windowless{"clip.avi", MpvEngine::VideoOutput::Surface},
                      Windowless{"mute.mpg", MpvEngine::VideoOutput::None},
                      Windowless{"mute.avi", MpvEngine::VideoOutput::None}));

// The surface is made only after the file has played a while, as when the
// video window is first shown late; paused, the frame it gets is a redraw.
class LateSurface : public ::testing::TestWithParam<bool> {};

TEST_P(LateSurface, GetsAFrameThatIsNotBlack)
{
    const bool paused = GetParam();
    const EngineMedia& media = EngineMedia::get();
    ASSERT_TRUE(media.ok);
    MpvEngine engine(MpvEngine::VideoOutput::Surface, EngineMedia::silent());
    engine.setDisplaySize(MediaEngine::Original);
    engine.setFileName(media.path("mute.mpg"));
    ASSERT_FALSE(engine.HasError()) << engine.ErrorDescription().toStdString();
    ASSERT_TRUE(waitFor([&] { return position(engine) > 0.3; }, kWaitMs));
    if (paused)
        engine.Pause();

    VideoSurface surface(engine.picture());
    EXPECT_EQ(surface.size(), QSize(320, 240)); // the video's own size
    surface.show();
    EXPECT_TRUE(waitFor([&] { return litShare(surface.grab().toImage()) > 0.5; }, kWaitMs))
        << "lit share " << litShare(surface.grab().toImage());
    const QImage frame = qobject_cast<FrameRenderer*>(engine.picture())->frame();
    EXPECT_EQ(frame.size(), QSize(320, 240));
    EXPECT_EQ(reinterpret_cast<quintptr>(frame.constBits()) % 64, 0u);
    EXPECT_EQ(frame.bytesPerLine() % 64, 0);
}

INSTANTIATE_TEST_SUITE_P(State, LateSurface, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Paused" : "Playing"; });

// Frames come while the video plays and stop when it pauses; resizing a paused
// surface draws the still frame once at the new size.
TEST(EnginePicture, RendersOnlyWhileSomethingMoves)
{
    const EngineMedia& media = EngineMedia::get();
    ASSERT_TRUE(media.ok);
    MpvEngine engine(MpvEngine::VideoOutput::Surface, EngineMedia::silent(0.5));
    auto* renderer = qobject_cast<FrameRenderer*>(engine.picture());
    ASSERT_NE(renderer, nullptr);
    engine.setDrawingSize(200, 150);
    engine.setDisplaySize(MediaEngine::Fitted);
    VideoSurface surface(renderer);
    surface.show();
    engine.setFileName(media.path("mute.avi"));
    ASSERT_FALSE(engine.HasError()) << engine.ErrorDescription().toStdString();
    EXPECT_TRUE(waitFor([&] { return renderer->framesRendered() > 5; }, kWaitMs));

    engine.Pause();
    // Settle: the frame in flight when the pause came, and the redraw of the
    // paused picture, may still land.
    int count = -1;
    waitFor([&] {
        const int before = std::exchange(count, renderer->framesRendered());
        if (before == count)
            return true;
        QTest::qWait(300);
        return false;
    }, kWaitMs);
    QTest::qWait(1000);
    EXPECT_EQ(renderer->framesRendered(), count);

    surface.resize(300, 200);
    EXPECT_TRUE(waitFor([&] { return renderer->frame().size() == QSize(300, 200); }, kWaitMs));
    const int afterResize = renderer->framesRendered();
    EXPECT_GT(afterResize, count);

    engine.Play();
    EXPECT_TRUE(waitFor([&] { return renderer->framesRendered() > afterResize + 3; }, kWaitMs));
}

} // namespace

namespace {

struct Opaque {
    const char* name;
    int displaySize;
    QSize area; // the drawing area; the video is 320x240
};

std::ostream& operator<<(std::ostream& out, const Opaque& c)
{
    return out << c.name;
}

// Window buffers of composited desktops keep an alpha byte, and Qt copies a
// frame's fourth byte into them as it stands: a shown frame must be opaque in
// every pixel, the black bars of a fitted picture too, whatever libmpv left
// there, and keep its colour.
class OpaqueFrame : public ::testing::TestWithParam<Opaque> {};

TEST_P(OpaqueFrame, ShownFrameIsOpaqueAndKeepsItsColour)
{
    const EngineMedia& media = EngineMedia::get();
    ASSERT_TRUE(media.ok);
    MpvEngine engine(MpvEngine::VideoOutput::Surface, EngineMedia::silent());
    engine.setDrawingSize(GetParam().area.width(), GetParam().area.height());
    engine.setDisplaySize(GetParam().displaySize);
    VideoSurface surface(engine.picture());
    surface.show();
    engine.setFileName(media.path("blue.avi"));
    ASSERT_FALSE(engine.HasError()) << engine.ErrorDescription().toStdString();
    auto* renderer = qobject_cast<FrameRenderer*>(engine.picture());
    // A frame of the area's size, with the video in it.
    ASSERT_TRUE(waitFor([&] {
        const QImage frame = renderer->frame();
        return frame.size() == GetParam().area && qBlue(frame.pixel(frame.width() / 2, frame.height() / 2)) > 0x80;
    }, kWaitMs));
    engine.Pause();
    ASSERT_EQ(surface.size(), GetParam().area);

    QImage shown(surface.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::transparent);
    surface.render(&shown);
    int notOpaque = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            notOpaque += qAlpha(shown.pixel(x, y)) != 255;
    }
    EXPECT_EQ(notOpaque, 0);
    const QRgb middle = shown.pixel(shown.width() / 2, shown.height() / 2);
    EXPECT_NEAR(qRed(middle), 0x20, 4);
    EXPECT_NEAR(qGreen(middle), 0x60, 4);
    EXPECT_NEAR(qBlue(middle), 0xC0, 4);
}

INSTANTIATE_TEST_SUITE_P(Sizes, OpaqueFrame,
                         ::testing::Values(Opaque{"Original", MediaEngine::Original, QSize(320, 240)},
                                           Opaque{"FittedWithBars", MediaEngine::Fitted, QSize(480, 240)}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

struct Shown {
    const char* name;
    int displaySize;
    QSize area;   // the drawing area the engine is given (Fitted)
    QSize window; // what the window holding the surface shows of it
};

std::ostream& operator<<(std::ostream& out, const Shown& c)
{
    return out << c.name;
}

// A paused engine on the testsrc clip at 1 s, its surface in a window of the
// given size.
struct PausedView {
    PausedView(int displaySize, QSize area, QSize windowSize)
        : engine(MpvEngine::VideoOutput::Surface, EngineMedia::silent())
    {
        engine.setDrawingSize(area.width(), area.height());
        engine.setDisplaySize(displaySize);
        window.resize(windowSize);
        surface = new VideoSurface(engine.picture(), &window);
        window.show();
        engine.setFileName(EngineMedia::get().path("mute.avi"));
        engine.Pause();
        engine.setCurrentPosition(1.0);
    }
    // The surface as painted, once a frame of the given kind has come.
    QImage shownOnceRendered(bool topLeftPart)
    {
        auto* renderer = qobject_cast<FrameRenderer*>(engine.picture());
        waitFor([&] {
            bool part = false;
            const QImage frame = renderer->frame(&part);
            return part == topLeftPart && !frame.isNull() && litShare(frame) > 0.3
                && engine.CurrentPosition().value_or(0) == 1.0;
        }, kWaitMs);
        // The last redraw of the paused frame may still be on its way.
        QTest::qWait(300);
        QImage image(surface->size(), QImage::Format_RGB32);
        surface->render(&image);
        return image;
    }
    MpvEngine engine;
    QWidget window;
    VideoSurface* surface;
};

// What a window shows of the picture is the same, pixel for pixel, whether the
// renderer converts the whole area or only the part the window shows. The
// reference is the whole area fitted to the same size, as frames were always
// drawn; at the video's own size that is a 1:1 picture.
class ShownPart : public ::testing::TestWithParam<Shown> {};

TEST_P(ShownPart, IsThePictureOfTheWholeFrame)
{
    ASSERT_TRUE(EngineMedia::get().ok);
    const Shown& c = GetParam();
    const QSize area = c.displaySize == MediaEngine::Original ? QSize(320, 240) : c.area;
    PausedView reference(MediaEngine::Fitted, area, area);
    const QImage whole = reference.shownOnceRendered(false);

    PausedView view(c.displaySize, c.area, c.window);
    ASSERT_FALSE(view.engine.HasError());
    ASSERT_EQ(view.surface->size(), area);
    const bool cut = c.window.width() < area.width() || c.window.height() < area.height();
    const QRect seen = QRect(QPoint(0, 0), area).intersected(QRect(QPoint(0, 0), c.window));
    const QImage shown = view.shownOnceRendered(cut && c.displaySize == MediaEngine::Original);
    int differing = 0;
    for (int y = 0; y < seen.height(); ++y) {
        for (int x = 0; x < seen.width(); ++x)
            differing += shown.pixel(x, y) != whole.pixel(x, y);
    }
    EXPECT_EQ(differing, 0) << "of " << seen.width() * seen.height() << " pixels seen";
    if (cut && c.displaySize == MediaEngine::Original) {
        bool part = false;
        const QImage frame = qobject_cast<FrameRenderer*>(view.engine.picture())->frame(&part);
        EXPECT_TRUE(part);
        EXPECT_LT(qint64(frame.width()) * frame.height(), qint64(area.width()) * area.height());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ShownPart,
    ::testing::Values(Shown{"OwnSizeInASmallerWindow", MediaEngine::Original, {}, QSize(200, 150)},
                      Shown{"OwnSizeInAWiderWindow", MediaEngine::Original, {}, QSize(400, 120)},
                      Shown{"Half", MediaEngine::Fitted, QSize(160, 120), QSize(170, 130)},
                      Shown{"Double", MediaEngine::Fitted, QSize(640, 480), QSize(650, 490)},
                      Shown{"Fitted", MediaEngine::Fitted, QSize(400, 200), QSize(410, 210)}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

namespace {

// At its own size the video is drawn unscaled and cut to what its window
// shows; the full-screen picture is scaled to fill its window all the same.
TEST(EnginePicture, FullScreenFromOwnSizeIsScaledWhole)
{
    ASSERT_TRUE(EngineMedia::get().ok);
    PausedView view(MediaEngine::Original, {}, QSize(200, 150));
    auto* renderer = qobject_cast<FrameRenderer*>(view.engine.picture());
    view.shownOnceRendered(true);

    view.engine.setDisplaySize(MediaEngine::FullScreen);
    FullScreenWindow* full = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* candidate = qobject_cast<FullScreenWindow*>(widget); candidate && candidate->isVisible())
            full = candidate;
    }
    ASSERT_NE(full, nullptr);
    view.window.hide(); // as the video window minimises itself
    ASSERT_TRUE(waitFor([&] { return full->surface()->width() > 320; }, kWaitMs));
    EXPECT_TRUE(waitFor([&] {
        bool part = true;
        const QImage frame = renderer->frame(&part);
        return !part && frame.size() == full->surface()->size() && litShare(frame) > 0.5;
    }, kWaitMs)) << "lit share " << litShare(renderer->frame());
}

} // namespace
