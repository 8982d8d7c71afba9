// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// Conversions of stored property values (text from a saved form, or numbers and
// Booleans written by code) to the types of the control's properties. Each gives
// nothing when the value is not of the type or out of its range.
namespace sarv::conversion {

// Whole numbers within [low, high]; decimal text, with fractions rounded halves to even.
std::optional<qint64> toInteger(const QVariant& value, qint64 low, qint64 high);
std::optional<short> toShort(const QVariant& value);
std::optional<int> toInt32(const QVariant& value);
// A colour: any 32-bit value, signed or not.
std::optional<uint> toColour(const QVariant& value);
// "True"/"False" in any case, or a number (non-zero is true).
std::optional<bool> toBoolean(const QVariant& value);

} // namespace sarv::conversion
