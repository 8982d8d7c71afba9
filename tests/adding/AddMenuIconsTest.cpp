// The add menu's pictures: drawn inside their square, at every size.
#include "gui/AddMenuIcons.h"

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
        { "disc", &AddMenuIcons::drawDisc } };
    for (const auto& icon : icons) {
        for (const int side : { 16, 32, 48 }) {
            const QImage image = icon.draw(side);
            SCOPED_TRACE(std::string(icon.what) + " " + std::to_string(side));
            ASSERT_EQ(image.size(), QSize(side, side));
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
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

} // namespace
