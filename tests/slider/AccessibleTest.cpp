// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// What assistive technology reads of the slider through Qt's accessibility
// layer: role, name, value and range, values it sets, and what it sees with the control turned off.
#include "SliderTestSupport.h"

#include <QAccessible>
#include <QAccessibleValueInterface>

#include <gtest/gtest.h>

using namespace sarv;

TEST(Accessible, SliderWithNameValueAndRange)
{
    auto slider = placedSlider();
    slider->setAccessibleName(QStringLiteral("Volume"));
    slider->setMin(2);
    slider->setMax(12);
    slider->setValue(7);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(slider.get());
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Slider);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Volume"));
    EXPECT_TRUE(iface->state().focusable);
    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 7);
    EXPECT_EQ(value->minimumValue().toInt(), 2);
    EXPECT_EQ(value->maximumValue().toInt(), 12);
    EXPECT_EQ(value->minimumStepSize().toInt(), 1);

    // A value set by assistive technology is kept within the range and
    // raises Change as a key press does.
    int changes = 0;
    QObject::connect(slider.get(), &Variateur::Change, [&] { ++changes; });
    value->setCurrentValue(40);
    EXPECT_EQ(slider->Value(), 12);
    EXPECT_EQ(changes, 1);
    iface->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(slider->Value(), 11);
    EXPECT_EQ(changes, 2);
}

TEST(Accessible, TurnedOffIsAPlainWidget)
{
    auto slider = placedSlider();
    slider->setAccessible(false);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(slider.get());
    ASSERT_NE(iface, nullptr);
    EXPECT_NE(iface->role(), QAccessible::Slider);
    EXPECT_EQ(iface->valueInterface(), nullptr);
    EXPECT_FALSE(iface->state().focusable);
}
