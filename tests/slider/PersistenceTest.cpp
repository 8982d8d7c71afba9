// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The property bag, its text form, and the control's load and save.
#include "SliderTestSupport.h"

#include <sarv/ColorRoutines.h>
#include <sarv/PropertyBag.h>

#include <gtest/gtest.h>

using namespace sarv;

TEST(PropertyBag, TextFormRules)
{
    const PropertyBag bag = PropertyBag::fromText(QStringLiteral(
        "# saved by the designer\r\n"
        "backcolor=255\r\n"
        "  Max = 50 \n"
        "\n"
        "no equals sign\n"
        "=orphan value\n"
        "max=20\n"
        "caption=a=b\n"));
    EXPECT_EQ(bag.keys(), (QStringList { "backcolor", "Max", "caption" }));
    EXPECT_EQ(bag.read(QStringLiteral("BACKCOLOR"), 0).toString(), QStringLiteral("255"));
    EXPECT_EQ(bag.read(QStringLiteral("MAX"), 0).toString(), QStringLiteral("20"));
    EXPECT_EQ(bag.read(QStringLiteral("caption"), 0).toString(), QStringLiteral("a=b"));
    EXPECT_EQ(bag.read(QStringLiteral("missing"), 42).toInt(), 42);
}

TEST(PropertyBag, WritingLeavesOutDefaultsAndRoundTrips)
{
    PropertyBag bag;
    bag.write(QStringLiteral("Max"), 20, 10);
    bag.write(QStringLiteral("Border"), false, true);
    bag.write(QStringLiteral("note"), QStringLiteral("two\nlines"));
    bag.write(QStringLiteral("Min"), 0, 0);
    EXPECT_EQ(bag.toText(), QStringLiteral("Max=20\nBorder=False\nnote=two lines\n"));
    bag.write(QStringLiteral("MAX"), 10, 10); // back to its default: removed
    EXPECT_FALSE(bag.contains(QStringLiteral("Max")));
    const PropertyBag again = PropertyBag::fromText(bag.toText());
    EXPECT_EQ(again.toText(), bag.toText());
}

TEST(VariateurPersistence, NewInstanceWritesOnlyWhatDiffersAndButtonColour)
{
    auto slider = placedSlider();
    PropertyBag bag;
    slider->WriteProperties(bag);
    // Border is False on a new instance against a write default of True.
    EXPECT_EQ(bag.toText(), QStringLiteral("buttoncolor=0\nBorder=False\n"));
}

TEST(VariateurPersistence, ReadDefaultsForMissingKeys)
{
    auto slider = std::make_unique<Variateur>();
    slider->resize(101, 31);
    ASSERT_TRUE(slider->ReadProperties(PropertyBag {}));
    EXPECT_TRUE(slider->Border());
    EXPECT_EQ(slider->ButtonColor(), RGB(255, 255, 0));
    EXPECT_EQ(slider->Max(), 10);
    EXPECT_EQ(slider->ButtonWidth(), Variateur::Normal);
    EXPECT_EQ(slider->BorderColorDown(), RGB(127, 127, 127));
    EXPECT_EQ(slider->ForeColorMax1(), RGB(255, 0, 0));
    EXPECT_TRUE(faceIsCurrent(*slider));
}

TEST(VariateurPersistence, RoundTrips)
{
    struct Case {
        const char* name;
        std::function<void(Variateur&)> change;
        QString expectedText; // keys written besides buttoncolor and Border
    };
    const Case cases[] = {
        { "Max 10 (default)", [](Variateur&) {}, QString() },
        { "Max 0", [](Variateur& s) { s.setMax(0); }, QStringLiteral("Max=0\n") },
        { "colours and mode",
          [](Variateur& s) {
              s.setBackcolor(RGB(1, 2, 3));
              s.setForeColorMax2(0xFFFFFF);
              s.setDegradeMode(Variateur::vertical);
              s.setButtonWidth(Variateur::BWidth(7));
          },
          QStringLiteral("Backcolor=197121\nForeColorMax2=16777215\nDegradeMode=1\n"
                         "buttonwidth=7\n") },
        { "negative range",
          [](Variateur& s) {
              s.setMin(-300);
              s.setValue(-20);
          },
          QStringLiteral("Min=-300\nValue=-20\n") },
    };
    for (const Case& c : cases) {
        RecordingSink sink;
        auto slider = placedSlider();
        c.change(*slider);
        PropertyBag bag;
        slider->WriteProperties(bag);
        EXPECT_EQ(bag.toText(), c.expectedText + QStringLiteral("buttoncolor=0\nBorder=False\n"))
            << c.name;

        auto loaded = std::make_unique<Variateur>();
        loaded->resize(101, 31);
        loaded->ReadProperties(PropertyBag::fromText(bag.toText()));
        for (const char* property :
             { "Backcolor", "BorderColorUp", "BorderColorDown", "ForeColorMin1", "ForeColorMin2",
               "ForeColorMax1", "ForeColorMax2", "Min", "Max", "Value", "DegradeMode",
               "ButtonWidth", "ButtonColor", "Border" })
            EXPECT_EQ(loaded->property(property), slider->property(property))
                << c.name << ": " << property;
        EXPECT_TRUE(sink.messages.isEmpty());
    }
}

TEST(VariateurPersistence, LoadsStoredFormsWithoutChecksOrNotifications)
{
    // As the player stores its position slider: lower-case keys, Value beyond Max.
    const PropertyBag bag = PropertyBag::fromText(QStringLiteral(
        "backcolor=0\nbordercolordown=8421504\nforecolormin1=65280\nmax=50\nvalue=60\n"
        "buttonwidth=5\nbuttoncolor=65535\nborder=0\n"));
    RecordingSink sink;
    auto slider = std::make_unique<Variateur>();
    slider->resize(319, 9);
    int notifications = 0;
    QObject::connect(slider.get(), &Variateur::propertyChanged, [&] { ++notifications; });
    QObject::connect(slider.get(), &Variateur::Change, [&] { ++notifications; });
    QString error;
    EXPECT_TRUE(slider->ReadProperties(bag, &error)) << error.toStdString();
    EXPECT_EQ(slider->Max(), 50);
    EXPECT_EQ(slider->Value(), 60);
    EXPECT_EQ(slider->ButtonWidth(), Variateur::Small);
    EXPECT_EQ(slider->BorderColorDown(), RGB(128, 128, 128));
    EXPECT_FALSE(slider->Border());
    EXPECT_EQ(notifications, 0);
    EXPECT_TRUE(sink.messages.isEmpty());
    EXPECT_TRUE(faceIsCurrent(*slider));
}

TEST(VariateurPersistence, UnconvertibleValueEndsTheLoad)
{
    struct Case {
        QString text;
        short expectedMax; // Max is read after Min and before Value
    };
    const Case cases[] = {
        { QStringLiteral("backcolor=255\nmin=abc\nmax=30"), 0 },
        { QStringLiteral("backcolor=255\nmax=30\nvalue=40000"), 30 },
        { QStringLiteral("backcolor=255\nmax=30\nborder=maybe"), 30 },
    };
    for (const Case& c : cases) {
        auto slider = std::make_unique<Variateur>();
        QString error;
        EXPECT_FALSE(slider->ReadProperties(PropertyBag::fromText(c.text), &error)) << c.text.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(slider->Backcolor(), 255u); // read before the failure
        EXPECT_EQ(slider->Max(), c.expectedMax);
    }
}

TEST(VariateurPersistence, EmptyRangeWithThumbLoadsButReportsTheFailedRedraw)
{
    auto slider = std::make_unique<Variateur>();
    QString error;
    EXPECT_FALSE(slider->ReadProperties(PropertyBag::fromText(QStringLiteral("max=0")), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(slider->Max(), 0);
    EXPECT_TRUE(slider->Border());
}
