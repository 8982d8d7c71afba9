// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// On a real X server: making the main window top-most and back keeps it shown
// in its place and size, and its rounded shape cuts the corners on screen.
#include "support/TestMain.h"
#include "gui/Chrome.h"
#include "gui/frmMain.h"
#include "support/FakeEngine.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<frmMain> shownMain()
{
    auto main = std::make_unique<TestMain>([] { return std::make_unique<FakeEngine>(); });
    main->setWindowFlag(Qt::FramelessWindowHint);
    main->setStyleSheet(QStringLiteral("frmMain { background: rgb(0, 200, 0); }"));
    main->setAttribute(Qt::WA_StyledBackground);
    main->move(100, 120);
    main->show();
    return main;
}

} // namespace

TEST(TopMost, KeepsTheWindowShownInPlace)
{
    auto main = shownMain();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    const QRect before = main->geometry();
    for (bool onTop : { true, false, true }) {
        SCOPED_TRACE(onTop);
        main->chrome().applyTopMost(onTop);
        EXPECT_EQ(main->chrome().isTopMost(), onTop);
        EXPECT_TRUE(main->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        QTRY_COMPARE_WITH_TIMEOUT(main->geometry(), before, 2000);
    }
}

TEST(TopMost, ResizeWhileOnTopIsWantedKeepsTheWindowShown)
{
    auto main = shownMain();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    main->core().setOnTopWanted(true);
    main->resize(main->width(), main->height() / 2);
    EXPECT_TRUE(main->core().OnTopApplied());
    EXPECT_TRUE(main->chrome().isTopMost());
    EXPECT_TRUE(main->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    QTRY_COMPARE_WITH_TIMEOUT(main->pos(), QPoint(100, 120), 2000);
}

TEST(TopMost, FirstShowOfAWindowThatShouldBeOnTop)
{
    auto main = std::make_unique<TestMain>([] { return std::make_unique<FakeEngine>(); });
    main->core().setOnTopWanted(true);
    main->move(100, 120);
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->chrome().isTopMost());
    EXPECT_TRUE(main->core().OnTopApplied());
}

TEST(TopMost, ShapeCutsTheCornersOnScreen)
{
    auto main = shownMain();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    main->chrome().Form_Resize();
    QTest::qWait(200);
    const QRect g = main->geometry();
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    // The bare X server's root colour shows where the window is cut away.
    const QRgb root = shot.pixel(2, 2);
    const auto window = [&shot, root](QPoint p) { return shot.pixel(p) != root; };
    EXPECT_FALSE(window(g.topLeft()));
    EXPECT_FALSE(window(g.bottomRight()));
    EXPECT_TRUE(window(g.topLeft() + QPoint(g.width() / 2, 1)));
    EXPECT_TRUE(window(g.center()));
}
