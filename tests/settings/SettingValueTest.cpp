// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The text forms of stored settings, read forgivingly and written one way.
#include "desktop/SettingValue.h"

#include <QStringList>
#include <QVariant>

#include <gtest/gtest.h>

TEST(SettingValue, ReadsIntegers)
{
    const struct {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        { "5", 5 },         { " -1390 ", -1390 }, { "5.6", 6 },          { "1e3", 1000 },
        { "", std::nullopt }, { "cinq", std::nullopt }, { "2147483648", std::nullopt },
        { "nan", std::nullopt }, { "12abc", std::nullopt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(SettingValue::toInteger(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(SettingValue, ReadsCoordinatesItWrote)
{
    for (const double twips : { 0.0, 1440.0, -15.0, 4567.5, 123456.0 })
        EXPECT_EQ(SettingValue::toCoordinate(SettingValue::fromCoordinate(twips)), twips) << twips;
    EXPECT_FALSE(SettingValue::toCoordinate(QStringLiteral("1e30")));
    EXPECT_FALSE(SettingValue::toCoordinate(QStringLiteral("inf")));
    EXPECT_FALSE(SettingValue::toCoordinate(QStringLiteral("haut")));
}

TEST(SettingValue, WritesOneForm)
{
    EXPECT_EQ(SettingValue::fromBoolean(true), QStringLiteral("True"));
    EXPECT_EQ(SettingValue::fromBoolean(false), QStringLiteral("False"));
    EXPECT_EQ(SettingValue::fromInteger(-1390), QStringLiteral("-1390"));
    EXPECT_EQ(SettingValue::fromCoordinate(1440.0), QStringLiteral("1440"));
    // A value with a comma comes back from the INI reader as a list.
    EXPECT_EQ(SettingValue::textOf(QVariant(QStringList { QStringLiteral("1"), QStringLiteral("5") })),
              QStringLiteral("1,5"));
}
