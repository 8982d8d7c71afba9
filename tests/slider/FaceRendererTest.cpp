// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pixels of the slider face, drawn into an image without any window.
#include <sarv/ColorRoutines.h>
#include <sarv/FaceRenderer.h>

#include <gtest/gtest.h>

using namespace sarv;

namespace {

const quint32 kBlue = RGB(0, 0, 255);
const quint32 kYellow = RGB(255, 255, 0);
const quint32 kGrey = RGB(127, 127, 127);
const quint32 kWhite = RGB(255, 255, 255);

// The state of a newly placed control, on a blue background and without thumb.
FaceState defaults()
{
    FaceState s;
    s.backcolor = kBlue;
    s.borderColorUp = RGB(200, 200, 200);
    s.borderColorDown = kGrey;
    s.foreColorMin1 = RGB(0, 255, 0);
    s.foreColorMax1 = RGB(255, 0, 0);
    s.max = 10;
    s.buttonWidth = 7;
    return s;
}

struct Pixel {
    int x, y;
    quint32 colour;
};

void expectPixels(const QImage& image, std::initializer_list<Pixel> pixels)
{
    for (const Pixel& p : pixels)
        EXPECT_EQ(pixelColour(image, p.x, p.y), p.colour) << "at (" << p.x << ", " << p.y << ")";
}

QImage render(const FaceState& state, int width, int height, Status* status = nullptr)
{
    QImage image(width, height, QImage::Format_RGB32);
    const Status result = renderFace(image, state);
    if (status)
        *status = result;
    return image;
}

} // namespace

TEST(FaceRenderer, GradientEndsFollowTheValue)
{
    struct Case {
        int value;
        quint32 top;
    };
    const Case cases[] = {
        { 0, RGB(0, 255, 0) },
        { 5, RGB(128, 128, 0) }, // 127.5 on red and green, rounded to even
        { 10, RGB(255, 0, 0) },
    };
    for (const Case& c : cases) {
        FaceState s = defaults();
        s.value = c.value;
        const QImage image = render(s, 101, 31);
        // The top band spans columns 3 to W - 2; the last band is row H - 3.
        expectPixels(image, { { 3, 3, c.top }, { 50, 3, c.top }, { 98, 3, c.top },
                              { 2, 3, kBlue }, { 99, 3, kBlue }, { 50, 2, kBlue },
                              { 50, 28, kBlue } });
        EXPECT_NE(pixelColour(image, 50, 27), kBlue);
    }
}

TEST(FaceRenderer, VerticalGradientRunsLeftToRight)
{
    FaceState s = defaults();
    s.degradeMode = 1;
    const QImage image = render(s, 101, 31);
    expectPixels(image, { { 3, 3, RGB(0, 255, 0) }, { 3, 27, RGB(0, 255, 0) },
                          { 3, 2, kBlue }, { 3, 28, kBlue }, { 98, 15, kBlue } });
    EXPECT_NE(pixelColour(image, 97, 15), kBlue);
}

TEST(FaceRenderer, LowFacesGetOneBlackBandOrNone)
{
    FaceState s = defaults();
    const QImage seven = render(s, 101, 7); // H = 6: one band, its range is 0, black
    expectPixels(seven, { { 3, 3, 0 }, { 98, 3, 0 }, { 2, 3, kBlue }, { 50, 2, kBlue },
                          { 50, 4, kBlue } });
    const QImage six = render(s, 101, 6);
    for (int y = 0; y < six.height(); ++y)
        for (int x = 0; x < six.width(); ++x)
            ASSERT_EQ(pixelColour(six, x, y), kBlue) << x << "," << y;
}

TEST(FaceRenderer, BorderDrawsTwoFramesOfShadedColours)
{
    FaceState s = defaults();
    s.border = true;
    s.degradeMode = 2;
    const QImage image = render(s, 101, 31); // W = 100, H = 30
    const quint32 up = RGB(200, 200, 200);
    expectPixels(image, {
        { 2, 2, up }, { 50, 2, up }, { 2, 15, up },            // inner top and left
        { 98, 15, kGrey }, { 50, 28, kGrey }, { 2, 28, kGrey }, // inner bottom and right
        { 1, 1, kWhite }, { 50, 1, kWhite }, { 1, 15, kWhite }, // outer: up + 150
        { 99, 1, 0 }, { 99, 15, 0 }, { 99, 30, 0 },             // outer: down - 150
        { 1, 29, 0 }, { 50, 29, 0 }, { 98, 29, 0 },
        { 0, 0, kBlue }, { 100, 15, kBlue }, { 50, 30, kBlue }, { 50, 15, kBlue },
    });
}

TEST(FaceRenderer, NormalThumbEdgesOnA101PixelControl)
{
    struct Case {
        int value;
        int left, right;
    };
    const Case cases[] = { { 0, 3, 13 }, { 10, 88, 98 } };
    for (const Case& c : cases) {
        FaceState s = defaults();
        s.degradeMode = 2;
        s.buttonWidth = 10;
        s.value = c.value;
        Status status;
        const QImage image = render(s, 101, 31, &status);
        ASSERT_TRUE(status.ok());
        // Yellow on the left edge, shaded to black on the right edge, grey mark
        // at the centre of the lower cap.
        expectPixels(image, { { c.left, 15, kYellow }, { c.right, 15, 0 },
                              { c.left - 1, 15, kBlue }, { c.right + 1, 15, kBlue },
                              { c.left + 5, 22, kGrey }, { c.left + 5, 2, kBlue },
                              { c.left + 5, 28, kBlue } });
        EXPECT_NE(pixelColour(image, c.left + 5, 3), kBlue); // top of the upper cap
    }
}

TEST(FaceRenderer, ThumbWidthsAndOtherWidths)
{
    struct Case {
        int width;
        int right; // right edge at Value = Min
    };
    const Case cases[] = { { 5, 8 }, { 10, 13 }, { 20, 23 }, { 7, -1 }, { 0, -1 } };
    for (const Case& c : cases) {
        FaceState s = defaults();
        s.degradeMode = 2;
        s.buttonWidth = c.width;
        const QImage image = render(s, 101, 41);
        if (c.right < 0) {
            EXPECT_EQ(pixelColour(image, 3, 20), kBlue) << c.width;
            continue;
        }
        expectPixels(image, { { 3, 20, kYellow }, { c.right, 20, 0 }, { c.right + 1, 20, kBlue } });
    }
}

TEST(FaceRenderer, EmptyRangeWithThumbFailsAfterBackgroundGradientAndBorder)
{
    FaceState s = defaults();
    s.border = true;
    s.buttonWidth = 10;
    s.max = 0;
    Status status;
    const QImage image = render(s, 101, 31, &status);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.error().isEmpty());
    // Black gradient (range 0), the border, and no thumb.
    expectPixels(image, { { 0, 0, kBlue }, { 3, 3, 0 }, { 10, 15, 0 }, { 2, 2, RGB(200, 200, 200) },
                          { 1, 1, kWhite } });

    s.buttonWidth = 7; // without a thumb the empty range is harmless
    render(s, 101, 31, &status);
    EXPECT_TRUE(status.ok());
}

TEST(FaceRenderer, DrawButtonCapsStayWithinTheThumb)
{
    QImage image(40, 40, QImage::Format_RGB32);
    clearSurface(image, kBlue);
    DrawButton(image, 10, 5, 30, 35, 255, 255, 0); // radius 10
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 10 && x <= 30 && y >= 5 && y <= 35;
            if (!inside) {
                ASSERT_EQ(pixelColour(image, x, y), kBlue) << x << "," << y;
            }
        }
    }
    expectPixels(image, { { 10, 20, kYellow }, { 30, 20, 0 }, { 20, 25, kGrey } });
    EXPECT_NE(pixelColour(image, 20, 5), kBlue);  // top of the upper cap
    EXPECT_NE(pixelColour(image, 20, 35), kBlue); // bottom of the lower cap
}
