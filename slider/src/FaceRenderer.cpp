// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#include <sarv/FaceRenderer.h>

#include <sarv/ColorRoutines.h>

#include <algorithm>
#include <cmath>

namespace sarv {

namespace {

constexpr double kDegreesPerRadian = 57.29; // the thumb caps use this rounded divisor
constexpr double kPi = 3.1415926;
constexpr double kGradientStep = 0.7;
constexpr double kBorderShift = 150;

QRgb toQRgb(quint32 colour)
{
    return qRgb(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

// Pixel coordinate of a fractional position; positions far outside any image
// are pinned so that the integer conversion stays defined.
int toPixel(double coordinate)
{
    if (!(coordinate > -1e6))
        return -1000000;
    if (coordinate > 1e6)
        return 1000000;
    return int(roundHalfEven(coordinate));
}

QRgb* row(QImage& image, int y)
{
    return reinterpret_cast<QRgb*>(image.bits() + qsizetype(y) * image.bytesPerLine());
}

void fillRow(QImage& image, int y, int xa, int xb, QRgb rgb)
{
    if (y < 0 || y >= image.height())
        return;
    xa = std::max(xa, 0);
    xb = std::min(xb, image.width() - 1);
    if (xa > xb)
        return;
    QRgb* line = row(image, y);
    std::fill(line + xa, line + xb + 1, rgb);
}

void fillColumn(QImage& image, int x, int ya, int yb, QRgb rgb)
{
    if (x < 0 || x >= image.width())
        return;
    ya = std::max(ya, 0);
    yb = std::min(yb, image.height() - 1);
    if (ya > yb)
        return;
    const qsizetype stride = image.bytesPerLine();
    uchar* pixel = reinterpret_cast<uchar*>(row(image, ya) + x);
    for (int y = ya; y <= yb; ++y, pixel += stride)
        *reinterpret_cast<QRgb*>(pixel) = rgb;
}

void plot(QImage& image, int x, int y, QRgb rgb)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        row(image, y)[x] = rgb;
}

// Shade of the thumb at horizontal offset u from its left edge: the base colour
// at u = 0 fading to black at u = 2 * radius.
quint32 shade(double u, double radius, double r, double g, double b)
{
    const double t = (u / (2 * radius)) * 255;
    const double s = (255 - t) / 255;
    return RGB(int(roundHalfEven(r * s)), int(roundHalfEven(g * s)), int(roundHalfEven(b * s)));
}

// One cap of the thumb: rings of radius 1..radius about (radius, radius), half
// a pixel apart along each ring; bottom mirrors the points below y2.
void drawCap(QImage& image, double x1, double yBase, bool bottom, double radius, double r,
             double g, double b)
{
    for (int k = 1; k <= radius; ++k) {
        const double step = 180 / (2 * k * kPi);
        for (double theta = 180; theta <= 360; theta += step) {
            const double cx = radius + k * std::cos(theta / kDegreesPerRadian);
            const double cy = radius + k * std::sin(theta / kDegreesPerRadian);
            const double y = bottom ? yBase - cy : yBase + cy;
            setPixel(image, x1 + cx, y, shade(cx, radius, r, g, b));
        }
    }
}

struct Thumb {
    int width;
    double travel; // how much of the face the thumb cannot use
};

constexpr Thumb kThumbs[] = { { 10, 15 }, { 20, 27 }, { 5, 8 } };

} // namespace

quint32 pixelColour(const QImage& image, int x, int y)
{
    const QRgb rgb = image.pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void clearSurface(QImage& image, quint32 colour)
{
    image.fill(toQRgb(colour));
}

void drawLine(QImage& image, double x1, double y1, double x2, double y2, quint32 colour)
{
    const QRgb rgb = toQRgb(colour);
    int xa = toPixel(x1), ya = toPixel(y1), xb = toPixel(x2), yb = toPixel(y2);
    if (ya == yb) {
        fillRow(image, ya, std::min(xa, xb), std::max(xa, xb), rgb);
        return;
    }
    if (xa == xb) {
        fillColumn(image, xa, std::min(ya, yb), std::max(ya, yb), rgb);
        return;
    }
    // Bresenham for the general case.
    const int dx = std::abs(xb - xa), sx = xa < xb ? 1 : -1;
    const int dy = -std::abs(yb - ya), sy = ya < yb ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        plot(image, xa, ya, rgb);
        if (xa == xb && ya == yb)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            xa += sx;
        }
        if (e2 <= dx) {
            err += dx;
            ya += sy;
        }
    }
}

void setPixel(QImage& image, double x, double y, quint32 colour)
{
    plot(image, toPixel(x), toPixel(y), toQRgb(colour));
}

void DrawButton(QImage& image, double x1, double y1, double x2, double y2, double r, double g,
                double b)
{
    const double radius = (x2 - x1) / 2;
    for (int i = 0; i <= 2 * radius; ++i)
        drawLine(image, x1 + i, y1 + radius, x1 + i, y2 - radius, shade(i, radius, r, g, b));
    drawCap(image, x1, y1, false, radius, r, g, b);
    drawCap(image, x1, y2, true, radius, r, g, b);
    setPixel(image, x1 + radius, y2 - radius, RGB(127, 127, 127));
}

Status renderFace(QImage& image, const FaceState& s)
{
    // Largest pixel coordinates, in single precision like the control's extent.
    const float W = float(image.width() - 1);
    const float H = float(image.height() - 1);

    clearSurface(image, s.backcolor);

    const double range = double(s.max) - double(s.min);
    const double position = double(s.value) - double(s.min);
    const quint32 c1 = BlendColor(s.foreColorMin1, s.foreColorMax1, range, position);
    const quint32 c2 = BlendColor(s.foreColorMin2, s.foreColorMax2, range, position);

    if (s.degradeMode == 0) {
        for (double y = 3; y <= H - 3; y += kGradientStep)
            drawLine(image, 3, y, W - 2, y, BlendColor(c1, c2, H - 6, y - 3));
    } else if (s.degradeMode == 1) {
        for (double x = 3; x <= W - 3; x += kGradientStep)
            drawLine(image, x, 3, x, H - 3, BlendColor(c1, c2, W - 6, x - 3));
    }

    if (s.border) {
        drawLine(image, 2, 2, W - 2, 2, s.borderColorUp);
        drawLine(image, 2, 2, 2, H - 2, s.borderColorUp);
        drawLine(image, W - 2, 2, W - 2, H - 1, s.borderColorDown);
        drawLine(image, 2, H - 2, W - 2, H - 2, s.borderColorDown);
        const quint32 cu = ShiftColor(s.borderColorUp, kBorderShift);
        drawLine(image, 1, 1, W - 1, 1, cu);
        drawLine(image, 1, 1, 1, H - 1, cu);
        const quint32 cd = ShiftColor(s.borderColorDown, -kBorderShift);
        drawLine(image, W - 1, 1, W - 1, H, cd);
        drawLine(image, 1, H - 1, W - 1, H - 1, cd);
    }

    for (const Thumb& thumb : kThumbs) {
        if (s.buttonWidth != thumb.width)
            continue;
        if (range == 0)
            return Status::failure(QStringLiteral(
                "Division par zéro : Min et Max sont égaux, le bouton ne peut pas être placé."));
        const double d = ((W - thumb.travel) / range) * position;
        DrawButton(image, 3 + d, 3, 3 + thumb.width + d, H - 3, 255, 255, 0);
    }
    return {};
}

} // namespace sarv
