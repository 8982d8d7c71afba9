// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/SettingValue.h"

#include <QLocale>
#include <QStringList>
#include <QVariant>

#include <cmath>
#include <limits>

namespace {

std::optional<double> toNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::system().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

namespace SettingValue {

std::optional<bool> toBoolean(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> number = toNumber(trimmed))
        return *number != 0;
    return std::nullopt;
}

std::optional<int> toInteger(const QString& text)
{
    const std::optional<double> number = toNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(rounded);
}

std::optional<double> toCoordinate(const QString& text)
{
    // No screen reaches this far (about 70 km); it keeps the conversion to
    // pixels well defined.
    constexpr double kFarthest = 1e8;
    const std::optional<double> number = toNumber(text);
    if (!number || std::fabs(*number) > kFarthest)
        return std::nullopt;
    // Single precision, as the coordinates are kept.
    return double(float(*number));
}

QString fromBoolean(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString fromInteger(int value)
{
    return QString::number(value);
}

QString fromCoordinate(double twips)
{
    return QString::number(double(float(twips)), 'g', 7);
}

QString textOf(const QVariant& stored)
{
    if (stored.typeId() == QMetaType::QStringList)
        return stored.toStringList().join(QLatin1Char(','));
    return stored.toString();
}

} // namespace SettingValue
