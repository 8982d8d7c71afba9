// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's logo at the sizes it is shown, and the About window showing it.
#include "gui/Logo.h"
#include "gui/Chrome.h"
#include "gui/frmAbout.h"
#include "support/FakeEngine.h"
#include "support/TestMain.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

// What makes the picture the logo, whatever its size: a round disc (the
// square's corners see through, the middle of each edge is the rim), a light
// play mark in the middle and green disc above it.
void expectLogo(const QImage& image)
{
    const int side = std::min(image.width(), image.height());
    ASSERT_GE(side, 16);
    const int c = side / 2;
    for (const QPoint corner : { QPoint(0, 0), QPoint(side - 1, 0), QPoint(0, side - 1),
             QPoint(side - 1, side - 1) })
        EXPECT_LT(qAlpha(image.pixel(corner)), 40) << "corner " << corner.x() << "," << corner.y();
    for (const QPoint edge : { QPoint(c, 0), QPoint(0, c), QPoint(side - 1, c), QPoint(c, side - 1) })
        EXPECT_GT(qAlpha(image.pixel(edge)), 100) << "rim " << edge.x() << "," << edge.y();
    const QColor play = QColor::fromRgba(image.pixel(c, c));
    EXPECT_GT(play.lightness(), 200) << "play mark";
    const QColor disc = QColor::fromRgba(image.pixel(c, side / 5));
    EXPECT_EQ(disc.alpha(), 255);
    EXPECT_GT(disc.green(), disc.red() + 30) << "disc";
    EXPECT_GT(disc.green(), disc.blue() + 30) << "disc";
}

TEST(Logo, KeepsItsShapeAtEverySize)
{
    for (const int side : { 16, 24, 32, 48, 90, 256 }) {
        SCOPED_TRACE(side);
        const QImage image = Logo::image(side);
        ASSERT_EQ(image.size(), QSize(side, side));
        expectLogo(image);
    }
}

TEST(frmAbout, ShowsThePlayersLogo)
{
    TestMain main([] { return std::make_unique<FakeEngine>(); });
    main.chrome().cmdAbt_Click();
    frmAbout* about = main.chrome().aboutWindow();
    ASSERT_NE(about, nullptr);
    const QPixmap icon = about->imgIcon->pixmap();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.deviceIndependentSize().toSize(), about->imgIcon->size());
    expectLogo(icon.toImage());
    main.chrome().unloadAbout();
}

} // namespace
