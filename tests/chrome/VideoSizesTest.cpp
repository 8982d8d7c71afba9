// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The zoom menu: sizes of the video window in twips, full screen and the two
// check marks.
#include "MainWindowFixture.h"
#include "support/Controls.h"

#include "gui/VideoSizes.h"
#include "gui/frmPlayer.h"
#include "gui/Twips.h"
#include "gui/VelkorCmd.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <cmath>
#include <stdexcept>

namespace {

QSizeF sizeInTwips(const QWidget& w)
{
    return { Twips::fromPixelsX(w.width()), Twips::fromPixelsY(w.height()) };
}

} // namespace

class VideoSizesTest : public MainWindowTest {
protected:
    frmPlayer& video() { return main->videoWindow(); }
    VideoSizes& sizes() { return main->videoSizes(); }

    void setVideoSize(double widthTwips, double heightTwips)
    {
        video().resize(Twips::toPixelsX(widthTwips), Twips::toPixelsY(heightTwips));
    }
};

TEST(VideoSizesHalf, RoundsDownToWholeTwips)
{
    const std::pair<double, double> cases[]
        = { { 6000, 3000 }, { 4500, 2250 }, { 4501, 2250 }, { 3000, 1500 }, { 1, 0 }, { 0, 0 } };
    for (const auto& [twips, half] : cases)
        EXPECT_EQ(VideoSizes::half(twips), half) << twips;
}

TEST_F(VideoSizesTest, HalfSizeHalvesTheCurrentWindowEachTime)
{
    setVideoSize(6000, 4500);
    control<QAction>(*main, "mnuHalf")->trigger();
    EXPECT_EQ(sizeInTwips(video()), QSizeF(3000, 2250));
    EXPECT_EQ(engine().DisplaySize(), 4);
    EXPECT_TRUE(video().isVisible());

    control<QAction>(*main, "mnuHalf")->trigger();
    EXPECT_EQ(sizeInTwips(video()), QSizeF(1500, 1125));
}

TEST_F(VideoSizesTest, TwoHalvingsOfASmallVideoGiveAQuarter)
{
    // Window sizes in pixels, as a video's own size sets them.
    const std::pair<QSize, QSize> cases[] = {
        { QSize(320, 240), QSize(80, 60) },
        { QSize(352, 288), QSize(88, 72) },
        { QSize(160, 120), QSize(40, 30) },
    };
    for (const auto& [start, quarter] : cases) {
        SCOPED_TRACE(start.width());
        video().resize(start);
        control<QAction>(*main, "mnuHalf")->trigger();
        control<QAction>(*main, "mnuHalf")->trigger();
        EXPECT_EQ(video().size(), quarter);
    }
}

TEST_F(VideoSizesTest, DoubleSizeIsTwiceTheOwnSizeAreaWithItsMargin)
{
    setVideoSize(1500, 1500);
    engine().displaySize = 4;
    engine().width = 320;
    engine().height = 240;
    engine().calls.clear();
    control<QAction>(*main, "mnuDouble")->trigger();

    // Each length passes through whole pixels twice: one pixel of slack.
    const double expectedWidth = 2 * (Twips::fromPixelsX(320) + VideoSizes::kMargin);
    const double expectedHeight = 2 * (Twips::fromPixelsY(240) + VideoSizes::kMargin);
    EXPECT_LE(std::abs(video().width() - expectedWidth / Twips::perPixelX()), 1.0);
    EXPECT_LE(std::abs(video().height() - expectedHeight / Twips::perPixelY()), 1.0);
    EXPECT_EQ(engine().callsStartingWith("setDisplaySize"),
        (QStringList { "setDisplaySize:0", "setDisplaySize:4" }));
    EXPECT_TRUE(video().isVisible());
}

TEST_F(VideoSizesTest, OriginalSizeKeepsTheWindowSize)
{
    setVideoSize(6000, 4500);
    engine().displaySize = 4;
    control<QAction>(*main, "mnuOriginal")->trigger();
    EXPECT_EQ(engine().DisplaySize(), 0);
    EXPECT_EQ(sizeInTwips(video()), QSizeF(6000, 4500));
    EXPECT_TRUE(video().isVisible());
}

TEST_F(VideoSizesTest, FullScreenSwitchesBetweenFullAndFitted)
{
    const std::pair<int, int> cases[] = { { 0, 3 }, { 4, 3 }, { 3, 4 } };
    for (const auto& [before, after] : cases) {
        engine().displaySize = before;
        control<QAction>(*main, "mnuFull")->trigger();
        EXPECT_EQ(engine().DisplaySize(), after) << before;
    }
}

TEST_F(VideoSizesTest, FullScreenControlMarkTurnsTheEngineSwitchTheOtherWay)
{
    for (bool checked : { true, false, true }) {
        control<QAction>(*main, "mnuFullCtrl")->trigger();
        EXPECT_EQ(control<QAction>(*main, "mnuFullCtrl")->isChecked(), checked);
        EXPECT_EQ(engine().FullScreenEnabled(), !checked);
    }
    // Called directly, the handler inverts the mark itself.
    sizes().mnuFullCtrl_Click();
    EXPECT_FALSE(control<QAction>(*main, "mnuFullCtrl")->isChecked());
    EXPECT_TRUE(engine().FullScreenEnabled());
}

TEST_F(VideoSizesTest, FitMarkChangesNothingElse)
{
    engine().calls.clear();
    setVideoSize(6000, 4500);
    control<QAction>(*main, "mnuFit")->trigger();
    EXPECT_TRUE(control<QAction>(*main, "mnuFit")->isChecked());
    control<QAction>(*main, "mnuFit")->trigger();
    EXPECT_FALSE(control<QAction>(*main, "mnuFit")->isChecked());
    EXPECT_TRUE(engine().calls.isEmpty());
    EXPECT_EQ(sizeInTwips(video()), QSizeF(6000, 4500));
}

TEST_F(VideoSizesTest, FullScreenButtonOpensTheZoomMenuWithoutDefault)
{
    control<VelkorCmd>(*main, "cmdFull")->click();
    ASSERT_EQ(system.popups.size(), 1);
    EXPECT_EQ(system.popups.first().menu, control<QMenu>(*main, "mnuZoom"));
    EXPECT_EQ(system.popups.first().defaultItem, nullptr);
}

namespace {

// Refuses display sizes once armed (after the video window has loaded).
class RefusingEngine : public FakeEngine {
public:
    bool armed = false;
    void setDisplaySize(int size) override
    {
        if (armed)
            throw std::runtime_error("display size refused");
        FakeEngine::setDisplaySize(size);
    }
};

} // namespace

class VideoSizesOnRefusingEngineTest : public VideoSizesTest {
protected:
    std::unique_ptr<FakeEngine> makeEngine() override { return std::make_unique<RefusingEngine>(); }
};

TEST_F(VideoSizesOnRefusingEngineTest, SizeItemsSkipAFailingStep)
{
    setVideoSize(6000, 4500);
    static_cast<RefusingEngine&>(engine()).armed = true;
    control<QAction>(*main, "mnuHalf")->trigger();
    EXPECT_EQ(sizeInTwips(video()), QSizeF(3000, 2250));
    EXPECT_TRUE(video().isVisible());

    video().hide();
    control<QAction>(*main, "mnuOriginal")->trigger();
    EXPECT_TRUE(video().isVisible());

    engine().width = 100;
    engine().height = 80;
    control<QAction>(*main, "mnuDouble")->trigger();
    EXPECT_LE(
        std::abs(video().width() - 2 * (100 + VideoSizes::kMargin / Twips::perPixelX())), 1.0);
    EXPECT_TRUE(video().isVisible());
}
