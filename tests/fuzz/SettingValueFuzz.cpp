// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings' text forms on any text: what a reader accepts, written back and
// read again, is the same value, and coordinates stay within their range.
#include "FuzzCheck.h"

#include "desktop/SettingValue.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QString text = QString::fromUtf8(bytesOf(data, size));

    if (const auto value = SettingValue::toBoolean(text))
        require(SettingValue::toBoolean(SettingValue::fromBoolean(*value)) == value,
                "Boolean round trip");
    if (const auto value = SettingValue::toInteger(text))
        require(SettingValue::toInteger(SettingValue::fromInteger(*value)) == value,
                "integer round trip");
    if (const auto value = SettingValue::toCoordinate(text)) {
        require(std::isfinite(*value) && std::fabs(*value) <= 1e8, "coordinate in range");
        // The written form keeps seven significant digits: it reads back within
        // half a unit of the seventh (tiny values: within float's own step).
        const QString written = SettingValue::fromCoordinate(*value);
        const auto reread = SettingValue::toCoordinate(written);
        require(reread.has_value(), "a written coordinate reads back");
        require(std::fabs(*reread - *value) <= 1e-6 * std::fabs(*value) + 1e-30,
                "coordinate kept to seven digits");
    }
    return 0;
}
