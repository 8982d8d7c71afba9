// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The video window: load, repaint, resize, unload and its own background.
#include "support/DrawingArea.h"
#include "support/TestMain.h"
#include "Harness.h"

#include "gui/Twips.h"

#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

TEST(frmPlayer, RepaintKeepsTheWindowOnlyForVideo)
{
    struct Case {
        const char* file;
        bool visibleAtStart;
        bool visibleAfterRepaint;
    };
    const Case cases[] = {
        { "/m/song.mp3", false, false },
        { "/m/song.wma", true, false },
        { "/m/clip.avi", true, true },
        { "/m/clip.mpeg", true, true },
        { "/m/clip.mkv", true, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Harness h({ QString::fromUtf8(c.file) });
        h.start(0);
        EXPECT_EQ(h.video().isVisible(), c.visibleAtStart);
        if (c.visibleAtStart) {
            h.video().repaint();
            EXPECT_EQ(
                waitFor([&] { return !h.video().isVisible(); }, c.visibleAfterRepaint ? 300 : 3000),
                !c.visibleAfterRepaint);
        }
        EXPECT_EQ(h.video().isVisible(), c.visibleAfterRepaint);
    }
}

TEST(frmPlayer, AudioAfterVideoHidesTheWindowAtItsRepaint)
{
    Harness h({ QStringLiteral("/m/clip.avi"), QStringLiteral("/m/song.wma") });
    h.start(0);
    ASSERT_FALSE(waitFor([&] { return !h.video().isVisible(); }, 300)); // painted, stays
    h.start(1);
    EXPECT_TRUE(waitFor([&] { return !h.video().isVisible(); }));
}

TEST(frmPlayer, OwnBackgroundCoversTheDrawingAreaUnlessVideoIsOpen)
{
    Harness h({ QStringLiteral("/m/clip.avi") });
    QWidget* area = drawingAreaOf(*h.fake);
    ASSERT_EQ(area->parentWidget(), &h.video());
    EXPECT_EQ(area->pos(), QPoint(0, 0));
    EXPECT_TRUE(h.video().showsIdleBackground());
    h.start(0);
    EXPECT_TRUE(waitFor([&] { return !h.video().showsIdleBackground(); }));
    h.fake->setFileName(QString());
    h.video().Form_Paint();
    EXPECT_TRUE(h.video().showsIdleBackground());
    // The area itself stays up, so a real engine keeps its drawing context.
    EXPECT_FALSE(area->isHidden());
}

// The window has no task-bar entry of its own: once full screen is left, the
// next start brings the minimised window back.
TEST(frmPlayer, FullScreenMinimisesOnRepaintAndTheNextStartOutsideItRestores)
{
    Harness h({ QStringLiteral("/m/clip.avi"), QStringLiteral("/m/clip2.avi") });
    h.start(0);
    h.fake->displaySize = 3;
    h.video().update();
    EXPECT_TRUE(waitFor([&] { return bool(h.video().windowState() & Qt::WindowMinimized); }));
    h.fake->displaySize = 4;
    h.start(1);
    EXPECT_FALSE(h.video().windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(h.video().isVisible());
}

TEST(frmPlayer, ResizeFitsTheDrawingAreaAndTheDisplaySize)
{
    struct Case {
        const char* name;
        bool fit;
        int sizeBefore;
        int sizeAfter;
    };
    const Case cases[] = {
        { "fit from the media's size", true, 0, 4 },
        { "fit keeps full screen", true, 3, 3 },
        { "fit already", true, 4, 4 },
        { "no fit", false, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        h.main.core().setFitToSize(c.fit);
        h.fake->displaySize = c.sizeBefore;
        h.video().show();
        h.video().resize(400, 300);
        ASSERT_TRUE(waitFor([&] { return h.video().size() == QSize(400, 300); }));
        EXPECT_EQ(h.fake->displaySize, c.sizeAfter);
        // The area is the inner size less 20 twips.
        EXPECT_NEAR(h.fake->width, 400 - 20 / Twips::perPixelX(), 0.5);
        EXPECT_NEAR(h.fake->height, 300 - 20 / Twips::perPixelY(), 0.5);
        EXPECT_EQ(drawingAreaOf(*h.fake)->size(), QSize(h.fake->width, h.fake->height));
    }
}

// The engine announcing a video's own size, as the real one does once the
// video is open.
void announceOwnSize(Harness& h, QSize size)
{
    h.fake->announceAreaSize(size);
}

TEST(frmPlayer, FirstVideoAtItsOwnSizeSizesTheWindow)
{
    enum class Before { Nothing, AnotherVideo, UserResize, FitToWindow };
    struct Case {
        const char* name;
        Before before;
        QSize video;
        bool windowFollows;
    };
    const Case cases[] = {
        { "first video", Before::Nothing, QSize(640, 480), true },
        { "a video after the first", Before::AnotherVideo, QSize(640, 480), false },
        { "a size the user gave", Before::UserResize, QSize(640, 480), false },
        { "fitted to the window", Before::FitToWindow, QSize(640, 480), false },
        { "larger than the screen", Before::Nothing, QSize(20000, 15000), false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h({ QStringLiteral("/m/clip.avi") });
        h.start(0);
        ASSERT_TRUE(waitFor([&] { return h.video().isVisible(); }));
        if (c.before == Before::AnotherVideo)
            announceOwnSize(h, QSize(352, 288));
        if (c.before == Before::UserResize)
            h.video().resize(500, 400);
        if (c.before == Before::FitToWindow)
            h.fake->displaySize = 4;
        const QSize before = h.video().size();
        announceOwnSize(h, c.video);
        QTest::qWait(50);
        if (c.windowFollows) {
            // The video's own size and the 20-twip margin, to the pixel.
            EXPECT_NEAR(h.video().width(), c.video.width() + 20 / Twips::perPixelX(), 1.0);
            EXPECT_NEAR(h.video().height(), c.video.height() + 20 / Twips::perPixelY(), 1.0);
            EXPECT_EQ(drawingAreaOf(*h.fake)->size(), c.video);
        } else {
            EXPECT_EQ(h.video().size(), before);
        }
    }
}

TEST(frmPlayer, LoadTakesTheFitSettingAndTheOpenFile)
{
    struct Case {
        const char* name;
        bool fit;
        QString fileName;
        int selection;
        int displaySize;
        bool visible;
        int currentTrack;
    };
    const Case cases[] = {
        { "nothing open", false, QString(), 1, 0, false, 7 },
        { "nothing open, fit", true, QString(), 1, 4, false, 7 },
        { "video open", false, QStringLiteral("/m/clip.avi"), 1, 0, true, 1 },
        { "video open, no selection", false, QStringLiteral("/m/clip.avi"), -1, 0, true, -1 },
        { "mp3 open", false, QStringLiteral("/m/song.mp3"), 1, 0, false, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPrompts prompts;
        FakeEngine* fake = nullptr;
        TestMain main([&] {
            auto engine = std::make_unique<FakeEngine>();
            engine->fileName = c.fileName;
            fake = engine.get();
            return engine;
        });
        main.core().playlist().AppendMany({ QStringLiteral("/m/a"), QStringLiteral("/m/b") });
        main.core().playlist().setListIndex(c.selection);
        main.core().playlist().setCurrentTrack(7);
        main.core().setFitToSize(c.fit);
        main.videoWindow();
        EXPECT_EQ(fake->displaySize, c.displaySize);
        EXPECT_EQ(main.videoWindow().isVisible(), c.visible);
        EXPECT_EQ(main.core().playlist().CurrentTrack(), c.currentTrack);
        if (!c.fileName.isEmpty()) {
            EXPECT_EQ(main.videoWindow().windowTitle(), c.fileName);
        }
    }
}

TEST(frmPlayer, ClosingUnloadsTheWindowAndItsEngine)
{
    Harness h({ QStringLiteral("/m/clip.avi") });
    h.start(0);
    h.video().close();
    ASSERT_TRUE(waitFor([&] { return !h.main.hasVideoWindow(); }));

    // The next use makes a new engine with nothing open, and no window with
    // it; the window comes back, hidden, when it is asked for.
    EXPECT_TRUE(h.main.engine().FileName().isEmpty());
    EXPECT_FALSE(h.main.hasVideoWindow());
    EXPECT_FALSE(h.video().isVisible());
    EXPECT_EQ(h.fake->calls, QStringList { "setDisplaySize:0" });
}
