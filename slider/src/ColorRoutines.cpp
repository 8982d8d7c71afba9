// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#include <sarv/ColorRoutines.h>

#include <cmath>

namespace sarv {

namespace {

quint32 roundedRGB(const Channels& c)
{
    return RGB(int(roundHalfEven(c.r)), int(roundHalfEven(c.g)), int(roundHalfEven(c.b)));
}

// One channel of a blend; a division that fails leaves the channel at 0.
double blendChannel(double a1, double a2, double n, double p)
{
    if (n == 0)
        return 0;
    // The grouping is part of the result: (a1 - a2) / 255 times (255 / n) * p.
    const double value = a1 - ((a1 - a2) / 255.0) * ((255.0 / n) * p);
    return std::isfinite(value) ? value : 0;
}

} // namespace

quint32 RGB(int r, int g, int b)
{
    return quint32(r) + 256u * quint32(g) + 65536u * quint32(b);
}

double roundHalfEven(double value)
{
    // The default floating-point rounding mode rounds to nearest, ties to even.
    return std::nearbyint(value);
}

Channels SplitColor(qint64 colour)
{
    Channels c;
    const qint64 r = colour % 256;
    const qint64 rest = (colour - r) / 256; // exact: colour - r is a multiple of 256
    c.r = double(r);
    c.g = double(rest % 256);
    c.b = std::floor(double(rest) / 256.0);
    ClampChannels(c);
    return c;
}

void ClampChannels(Channels& channels)
{
    for (double* channel : { &channels.r, &channels.g, &channels.b }) {
        if (*channel < 0)
            *channel = 0;
        if (*channel > 255)
            *channel = 255;
    }
}

quint32 ShiftColor(qint64 colour, double amount)
{
    Channels c = SplitColor(colour);
    c.r += amount;
    c.g += amount;
    c.b += amount;
    ClampChannels(c);
    return roundedRGB(c);
}

quint32 BlendColor(qint64 ca, qint64 cb, double n, double p)
{
    const Channels a1 = SplitColor(ca);
    const Channels a2 = SplitColor(cb);
    Channels c;
    c.r = blendChannel(a1.r, a2.r, n, p);
    c.g = blendChannel(a1.g, a2.g, n, p);
    c.b = blendChannel(a1.b, a2.b, n, p);
    ClampChannels(c);
    return roundedRGB(c);
}

} // namespace sarv
