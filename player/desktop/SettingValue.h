// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

class QVariant;

// The text forms of the stored settings. Reading is forgiving (any letter case,
// surrounding blanks, numbers for Booleans); writing always gives one form.
namespace SettingValue {

// "True"/"False" in any case, or a number: 0 is false, anything else true.
std::optional<bool> toBoolean(const QString& text);
// A whole number; a number with decimals is rounded to the nearest.
std::optional<int> toInteger(const QString& text);
// A window coordinate in twips, as written by fromCoordinate or in the user's
// own number format.
std::optional<double> toCoordinate(const QString& text);

QString fromBoolean(bool value);
QString fromInteger(int value);
QString fromCoordinate(double twips);

// The text of a stored value as the settings file holds it (a value with a
// comma comes back from the INI reader as a list).
QString textOf(const QVariant& stored);

} // namespace SettingValue
