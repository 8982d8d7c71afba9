// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <QtGlobal>

// Time texts of the display and the position slider's whole seconds.
namespace TimeText {

// Whole seconds as "H:MM:SS": hours without a leading zero, two-digit minutes
// and seconds; anything below one second is "0:00:00". Lengths of any size keep
// their real value (36000 gives "10:00:00").
QString text(qint64 seconds);

// Seconds rounded down to whole seconds. Positions and durations are fractions;
// the display and the slider only ever show what has fully elapsed.
qint64 wholeSeconds(double seconds);

// Whole seconds that the 16-bit position slider can hold: rounded down, negative
// values at 0 and anything longer than 32767 s at 32767.
short sliderSeconds(double seconds);

} // namespace TimeText
