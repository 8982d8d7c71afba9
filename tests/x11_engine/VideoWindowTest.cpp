// The real engine drawing into a real window (Xvfb with Mesa's OpenGL): the
// picture shows, follows the display sizes, goes full screen and comes back.
#include "engine/MpvEngine.h"
#include "support/MediaGenerator.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QImage>
#include <QOpenGLWidget>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

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
    return waitUntil([&] { return litShare(onScreen(widget)) > 0.5; }, 8000);
}

class VideoWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_clip = m_dir.filePath("clip.mpg");
        // Long enough to stay on screen for the whole test; paused anyway.
        ASSERT_TRUE(MediaGenerator::encode(m_clip, 20, MediaGenerator::Kind::Mpeg1));
        m_engine = std::make_unique<MpvEngine>(MpvEngine::VideoOutput::Surface,
                                               MpvEngine::Options{{QStringLiteral("ao"), QStringLiteral("null")}});
        m_host.setStyleSheet(QStringLiteral("background: black;"));
        m_host.resize(480, 360);
        m_surface = m_engine->drawingArea();
        ASSERT_NE(m_surface, nullptr);
        m_surface->setParent(&m_host);
        m_engine->setDrawingSize(400, 300);
        m_engine->setDisplaySize(4);
    }

    // The player opens the file before it shows the video window: the surface
    // gets its GL context only then, and the video must still come.
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
    QWidget* m_surface = nullptr;
};

TEST_F(VideoWindow, ShowsTheVideoFrameInTheDrawingArea)
{
    openAndShow();
    EXPECT_EQ(m_surface->size(), QSize(400, 300));
    EXPECT_TRUE(showsPicture(m_surface)) << "lit share " << litShare(onScreen(m_surface));
    // The widget's own framebuffer holds the same picture.
    EXPECT_GT(litShare(static_cast<QOpenGLWidget*>(m_surface)->grabFramebuffer()), 0.5);
}

TEST_F(VideoWindow, OwnSizeFollowsTheVideoAndFitFollowsTheWindow)
{
    openAndShow();
    m_engine->setDisplaySize(0);
    EXPECT_EQ(m_engine->drawingWidth(), 320);
    EXPECT_EQ(m_engine->drawingHeight(), 240);
    EXPECT_EQ(m_surface->size(), QSize(320, 240));
    m_engine->setDrawingSize(200, 100); // the window resized: own size holds
    EXPECT_EQ(m_surface->size(), QSize(320, 240));

    m_engine->setDisplaySize(4);
    EXPECT_EQ(m_surface->size(), QSize(200, 100));
    EXPECT_TRUE(showsPicture(m_surface));
}

TEST_F(VideoWindow, FullScreenAndBackWithEscape)
{
    openAndShow();
    ASSERT_TRUE(showsPicture(m_surface));

    m_engine->setDisplaySize(MpvEngine::kFullScreen);
    EXPECT_EQ(m_engine->DisplaySize(), MpvEngine::kFullScreen);
    QWidget* full = m_surface->window();
    ASSERT_NE(full, &m_host);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(full));
    EXPECT_TRUE(waitUntil([&] { return full->isFullScreen(); }, 3000));
    // The surface moved to another window and got a new GL context: the video
    // comes back in it.
    EXPECT_TRUE(showsPicture(m_surface));
    // The drawing size keeps the fitted size for when full screen ends.
    EXPECT_EQ(m_engine->drawingWidth(), 400);

    QTest::keyClick(m_surface, Qt::Key_Escape);
    EXPECT_EQ(m_engine->DisplaySize(), 4);
    EXPECT_EQ(m_surface->window(), &m_host);
    EXPECT_EQ(m_surface->size(), QSize(400, 300));
    EXPECT_FALSE(full->isVisible());
    EXPECT_TRUE(showsPicture(m_surface));
}

// FullScreenEnabled gates the double-click on the picture; setting the size 3
// works either way. A double-click in full screen goes back to the size before.
TEST_F(VideoWindow, DoubleClickFollowsFullScreenEnabled)
{
    openAndShow();
    m_engine->setDisplaySize(0);

    m_engine->setFullScreenEnabled(false);
    QTest::mouseDClick(m_surface, Qt::LeftButton);
    EXPECT_EQ(m_engine->DisplaySize(), 0);
    EXPECT_EQ(m_surface->window(), &m_host);

    m_engine->setFullScreenEnabled(true);
    QTest::mouseDClick(m_surface, Qt::LeftButton);
    EXPECT_EQ(m_engine->DisplaySize(), MpvEngine::kFullScreen);
    EXPECT_NE(m_surface->window(), &m_host);

    QTest::mouseDClick(m_surface, Qt::LeftButton);
    EXPECT_EQ(m_engine->DisplaySize(), 0);
    EXPECT_EQ(m_surface->window(), &m_host);

    m_engine->setFullScreenEnabled(false);
    m_engine->setDisplaySize(MpvEngine::kFullScreen);
    EXPECT_EQ(m_engine->DisplaySize(), MpvEngine::kFullScreen);
    m_engine->setDisplaySize(4);
    EXPECT_EQ(m_surface->window(), &m_host);
}

} // namespace
