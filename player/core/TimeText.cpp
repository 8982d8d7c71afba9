// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/TimeText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace TimeText {

QString text(qint64 seconds)
{
    if (seconds < 1)
        return QStringLiteral("0:00:00");
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds % 3600 / 60;
    const qint64 rest = seconds % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(hours)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(rest, 2, 10, QLatin1Char('0'));
}

qint64 wholeSeconds(double seconds)
{
    if (std::isnan(seconds))
        return 0;
    // Far beyond any real media; keeps the conversion defined.
    constexpr double kLimit = 1e15;
    return qint64(std::floor(std::clamp(seconds, -kLimit, kLimit)));
}

short sliderSeconds(double seconds)
{
    const qint64 whole = wholeSeconds(seconds);
    if (whole < 0)
        return 0;
    return short(std::min<qint64>(whole, std::numeric_limits<short>::max()));
}

} // namespace TimeText
