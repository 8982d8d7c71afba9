// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

double logicalDpiX()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->logicalDotsPerInchX() > 0 ? screen->logicalDotsPerInchX() : 96.0;
}

double logicalDpiY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->logicalDotsPerInchY() > 0 ? screen->logicalDotsPerInchY() : 96.0;
}

} // namespace

namespace Twips {

double perPixelX() { return 1440.0 / logicalDpiX(); }
double perPixelY() { return 1440.0 / logicalDpiY(); }
int toPixelsX(double twips) { return int(std::lround(twips / perPixelX())); }
int toPixelsY(double twips) { return int(std::lround(twips / perPixelY())); }
double fromPixelsX(int pixels) { return pixels * perPixelX(); }
double fromPixelsY(int pixels) { return pixels * perPixelY(); }

QRect toPixels(double left, double top, double width, double height)
{
    return QRect(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
}

} // namespace Twips
