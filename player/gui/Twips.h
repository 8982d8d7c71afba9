// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

// Window geometry is given in twips (1/1440 inch). Twips per pixel come from the
// screen's logical DPI: 1440 / DPI, 15 at 96 DPI.
namespace Twips {

double perPixelX();
double perPixelY();
int toPixelsX(double twips);
int toPixelsY(double twips);
double fromPixelsX(int pixels);
double fromPixelsY(int pixels);
// left, top, width, height in twips to a pixel rectangle.
QRect toPixels(double left, double top, double width, double height);

} // namespace Twips
