// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The slider's saved-form text on any input: one load and save gives a text
// that loads to the same properties and saves to itself, and every value
// converts to each property type without leaving that type's range.
#include "FuzzCheck.h"

#include "PropertyConversion.h"

#include <sarv/PropertyBag.h>

#include <limits>

namespace {

void checkConversions(const QVariant& value)
{
    using namespace sarv::conversion;
    if (const auto number = toShort(value))
        require(toShort(QString::number(*number)) == number, "short round trip");
    if (const auto number = toInt32(value))
        require(toInt32(QString::number(*number)) == number, "int round trip");
    if (const auto colour = toColour(value))
        require(toColour(QString::number(*colour)) == colour, "colour round trip");
    if (const auto flag = toBoolean(value))
        require(toBoolean(QVariant(*flag)) == flag, "Boolean round trip");
    if (const auto number = toInteger(value, -1000, 1000))
        require(*number >= -1000 && *number <= 1000, "integer within its bounds");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QString text = QString::fromUtf8(bytesOf(data, size));
    const sarv::PropertyBag loaded = sarv::PropertyBag::fromText(text);
    const QString saved = loaded.toText();
    const sarv::PropertyBag reloaded = sarv::PropertyBag::fromText(saved);
    require(reloaded.keys() == loaded.keys(), "keys survive a save");
    require(reloaded.toText() == saved, "saved text is a fixed point");
    for (const QString& key : loaded.keys()) {
        const QVariant value = reloaded.read(key, QVariant());
        require(value.isValid(), "every key reads back");
        checkConversions(value);
    }
    return 0;
}
