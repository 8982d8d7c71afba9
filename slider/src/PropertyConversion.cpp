// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "PropertyConversion.h"

#include <sarv/ColorRoutines.h>

#include <cmath>
#include <limits>

namespace sarv::conversion {

std::optional<qint64> toInteger(const QVariant& value, qint64 low, qint64 high)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? -1 : 0;
    const QString text = value.toString().trimmed();
    bool ok = false;
    qint64 number = text.toLongLong(&ok);
    if (!ok) {
        const double real = text.toDouble(&ok);
        if (!ok || !std::isfinite(real) || std::abs(real) > 1e18)
            return std::nullopt;
        number = qint64(roundHalfEven(real));
    }
    if (number < low || number > high)
        return std::nullopt;
    return number;
}

std::optional<short> toShort(const QVariant& value)
{
    const auto number = toInteger(value, std::numeric_limits<short>::min(),
                                  std::numeric_limits<short>::max());
    return number ? std::optional<short>(short(*number)) : std::nullopt;
}

std::optional<int> toInt32(const QVariant& value)
{
    const auto number
        = toInteger(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    return number ? std::optional<int>(int(*number)) : std::nullopt;
}

std::optional<uint> toColour(const QVariant& value)
{
    const auto number
        = toInteger(value, std::numeric_limits<int>::min(), std::numeric_limits<uint>::max());
    return number ? std::optional<uint>(uint(quint32(*number))) : std::nullopt;
}

std::optional<bool> toBoolean(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    const auto number = toInteger(value, std::numeric_limits<qint64>::min() / 2,
                                  std::numeric_limits<qint64>::max() / 2);
    return number ? std::optional<bool>(*number != 0) : std::nullopt;
}

} // namespace sarv::conversion
