// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <sarv/Status.h>
#include <sarv/sarv_export.h>

#include <QImage>

// Drawing of the slider face as plain functions over an image, so that the
// pixels can be checked without a window. Coordinates are pixels from the
// top-left corner; fractional coordinates are rounded to the nearest pixel
// (halves to even), lines include both end points, and nothing is antialiased.
// Colours are 32-bit values with red in the low byte; only the low 24 bits are
// drawn.
namespace sarv {

// Everything the face depends on: the control's properties.
struct FaceState {
    quint32 backcolor = 0;
    quint32 borderColorUp = 0;
    quint32 borderColorDown = 0;
    quint32 foreColorMin1 = 0;
    quint32 foreColorMin2 = 0;
    quint32 foreColorMax1 = 0;
    quint32 foreColorMax2 = 0;
    int min = 0;
    int max = 0;
    int value = 0;
    int degradeMode = 0;  // 0 horizontal bands, 1 vertical bands, else none
    int buttonWidth = 0;  // 5, 10 or 20 draw a thumb, else none
    bool border = false;
};

// The colour of a pixel of an image drawn by these functions, as a 32-bit colour.
SARV_EXPORT quint32 pixelColour(const QImage& image, int x, int y);

SARV_EXPORT void clearSurface(QImage& image, quint32 colour);
SARV_EXPORT void drawLine(QImage& image, double x1, double y1, double x2, double y2,
                          quint32 colour);
SARV_EXPORT void setPixel(QImage& image, double x, double y, quint32 colour);

// The capsule-shaped thumb between (x1, y1) and (x2, y2), shaded from the base
// colour (r, g, b) on its left edge to black on its right edge.
SARV_EXPORT void DrawButton(QImage& image, double x1, double y1, double x2, double y2,
                            double r, double g, double b);

// Repaints the whole face into image (its size is the control's size: the
// largest coordinates are width - 1 and height - 1): background, value-dependent
// gradient, border and thumb. With a thumb and max == min the thumb position
// cannot be computed: the background, gradient and border are drawn, then the
// division by zero is returned.
SARV_EXPORT Status renderFace(QImage& image, const FaceState& state);

} // namespace sarv
