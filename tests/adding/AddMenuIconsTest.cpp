// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menus' pictures: drawn inside their square, at every size.
#include "gui/AddMenuIcons.h"
#include "gui/MenuIcons.h"

#include <QColor>

#include <gtest/gtest.h>

namespace {

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128;
    return count;
}

TEST(AddMenuIcons, DrawnInsideATransparentSquare)
{
    const struct {
        const char* what;
        QImage (*draw)(int);
    } icons[] = { { "file", &AddMenuIcons::drawFile }, { "folder", &AddMenuIcons::drawFolder },
        { "disc", &AddMenuIcons::drawDisc }, { "previous", &MenuIcons::drawPrevious },
        { "play", &MenuIcons::drawPlay }, { "pause", &MenuIcons::drawPause },
        { "stop", &MenuIcons::drawStop }, { "next", &MenuIcons::drawNext },
        { "open", &MenuIcons::drawOpen }, { "quit", &MenuIcons::drawQuit } };
    for (const auto& icon : icons) {
        for (const int side : { 16, 32, 48 }) {
            const QImage image = icon.draw(side);
            SCOPED_TRACE(std::string(icon.what) + " " + std::to_string(side));
            ASSERT_EQ(image.size(), QSize(side, side));
            for (const QPoint corner : { QPoint(0, 0), QPoint(side - 1, 0), QPoint(0, side - 1),
                     QPoint(side - 1, side - 1) })
                EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
            // A picture, not a blot: between a fifth and nine tenths covered.
            const int covered = opaquePixels(image);
            EXPECT_GT(covered, side * side / 5);
            EXPECT_LT(covered, side * side * 9 / 10);
        }
    }
    // The disc's centre is a hole.
    const QImage disc = AddMenuIcons::drawDisc(32);
    EXPECT_EQ(qAlpha(disc.pixel(16, 16)), 0);
    EXPECT_GT(qAlpha(disc.pixel(16, 8)), 200);
}

// Coverage of the left half against the right half of a picture.
std::pair<int, int> halves(const QImage& image)
{
    std::pair<int, int> sums;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            (x < image.width() / 2 ? sums.first : sums.second) += qAlpha(image.pixel(x, y));
    return sums;
}

TEST(MenuIcons, SkipMarksPointTheirOwnWay)
{
    // A bar on the side the mark points to and the triangle's bulk behind it:
    // "Précédent" is heavier on the right, "Suivant" on the left.
    for (const int side : { 16, 32 }) {
        SCOPED_TRACE(side);
        const auto [previousLeft, previousRight] = halves(MenuIcons::drawPrevious(side));
        const auto [nextLeft, nextRight] = halves(MenuIcons::drawNext(side));
        EXPECT_LT(previousLeft, previousRight);
        EXPECT_GT(nextLeft, nextRight);
        EXPECT_NEAR(previousLeft, nextRight, side * side * 4);
    }
}

} // namespace
