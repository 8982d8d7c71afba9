// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The splash window: the bar's steps and the tick on which it hands over.
#include "gui/frmSplash.h"
#include "gui/VelkorPBar.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(frmSplash, ClosesOnTheFourteenthTick)
{
    frmSplash splash;
    QSignalSpy finished(&splash, &frmSplash::finished);
    splash.Form_Load();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.windowTitle().isEmpty());
    EXPECT_EQ(splash.Label1->text(), QStringLiteral("Chargement en cours ..."));
    EXPECT_TRUE(splash.Timer1.isActive());
    splash.Timer1.stop(); // the test drives the ticks

    const int expected[] = { 8, 16, 24, 32, 40, 48, 56, 64, 72, 80, 88, 96, 100 };
    for (int tick = 1; tick <= 13; ++tick) {
        splash.Timer1_Timer();
        EXPECT_EQ(splash.Bar->Value(), expected[tick - 1]) << tick;
        EXPECT_TRUE(splash.isVisible()) << tick;
    }
    EXPECT_EQ(finished.count(), 0);
    splash.Timer1_Timer();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(finished.count(), 1);
}

// The bar fills on the splash's own timer, a step every 200 ms.
TEST(frmSplash, TicksOnItsOwn)
{
    EXPECT_EQ(frmSplash::kTickMs, 200);
    frmSplash splash;
    splash.Form_Load();
    QTRY_VERIFY_WITH_TIMEOUT(splash.Bar->Value() >= frmSplash::kStep, 10000);
    splash.Timer1.stop();
}

TEST(frmSplash, RoundedCornersAndPicture)
{
    frmSplash splash;
    splash.Form_Load();
    splash.Timer1.stop();
    const QRegion mask = splash.mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(splash.width() - 1, splash.height() - 1)));
    EXPECT_TRUE(mask.contains(QPoint(10, 0)));
    EXPECT_TRUE(mask.contains(splash.rect().center()));

    const QImage picture = frmSplash::picture(QSize(200, 120));
    // Not a flat fill: the picture has a logo on its background.
    EXPECT_NE(picture.pixel(5, 5), picture.pixel(54, 62));
}

TEST(frmSplash, ClosedFromOutsideBeforeTheEnd)
{
    frmSplash splash;
    QSignalSpy finished(&splash, &frmSplash::finished);
    QSignalSpy aborted(&splash, &frmSplash::aborted);
    splash.Form_Load();
    splash.close();
    EXPECT_FALSE(splash.Timer1.isActive());
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(aborted.count(), 1);
}
