// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#include <sarv/PointerMapping.h>

#include <sarv/ColorRoutines.h>

#include <cmath>

namespace sarv {

namespace {

constexpr double kTrackStart = 2;
constexpr double kEndZone = 10;
constexpr double kTrackMargin = 20;
constexpr double kRoundingLimit = 32000;

// Steps along the track for pixel offset x; 0 when the division or the
// 16-bit rounding fails.
double trackSteps(double x, double W, double range)
{
    const double stepWidth = (W - kTrackMargin) / range;
    const double q = x / stepWidth;
    if (range == 0 || stepWidth == 0 || std::isnan(q))
        return 0;
    if (q < kRoundingLimit) {
        const double rounded = roundHalfEven(q);
        return rounded < -32768 ? 0 : rounded;
    }
    return std::floor(q);
}

} // namespace

std::optional<short> mapPointer(double W, double X, int min, int max, int value)
{
    const double x = X - kTrackStart;
    if (x > W - kEndZone)
        return short(max);

    const double range = double(max) - double(min);
    const double r = trackSteps(x, W, range);
    if (r < 0 || r > range) {
        if (r > range && value != max)
            return short(max);
        if (r < 0 && value != min)
            return short(min);
        return std::nullopt;
    }
    const int target = min + int(r);
    if (value != target)
        return short(target);
    return std::nullopt;
}

} // namespace sarv
