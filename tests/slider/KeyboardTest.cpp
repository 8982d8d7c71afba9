// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// Keyboard input of the slider: keys against the value and its events, the
// focus frame, and the switch that turns keys and focus off.
#include "SliderTestSupport.h"

#include <sarv/PropertyBag.h>

#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace sarv;

namespace {

void sendKey(Variateur& slider, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(&slider, &press);
}

} // namespace

TEST(Keyboard, KeysMoveTheValueAsADragThatEndsThere)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        short min, max, value;
        int pageStep;
        short expected;
        QStringList events;
    };
    const QStringList moved { "Change", "Click" };
    const QStringList still { "Click" };
    const Case cases[] = {
        { Qt::Key_Right, Qt::NoModifier, 0, 10, 4, 0, 5, moved },
        { Qt::Key_Up, Qt::NoModifier, 0, 10, 4, 0, 5, moved },
        { Qt::Key_Left, Qt::NoModifier, 0, 10, 4, 0, 3, moved },
        { Qt::Key_Down, Qt::KeypadModifier, 0, 10, 4, 0, 3, moved },
        { Qt::Key_Right, Qt::NoModifier, 0, 10, 10, 0, 10, still }, // at Max already
        { Qt::Key_Left, Qt::NoModifier, 0, 10, 0, 0, 0, still },
        { Qt::Key_PageUp, Qt::NoModifier, 0, 200, 50, 0, 70, moved }, // a tenth of the range
        { Qt::Key_PageDown, Qt::NoModifier, 0, 200, 50, 0, 30, moved },
        { Qt::Key_PageUp, Qt::NoModifier, 0, 5, 2, 0, 3, moved },     // at least 1
        { Qt::Key_PageUp, Qt::NoModifier, 0, 200, 50, 7, 57, moved }, // its own step
        { Qt::Key_PageUp, Qt::NoModifier, 0, 200, 195, 0, 200, moved }, // kept within Max
        { Qt::Key_PageDown, Qt::NoModifier, -20, 20, -17, 0, -20, moved }, // kept within Min
        { Qt::Key_Home, Qt::NoModifier, 5, 15, 9, 0, 5, moved },
        { Qt::Key_End, Qt::NoModifier, 5, 15, 9, 0, 15, moved },
        { Qt::Key_Right, Qt::NoModifier, 5, 15, 0, 0, 5, moved },      // from outside the range
        { Qt::Key_Right, Qt::NoModifier, -32768, 32767, 32767, 0, 32767, still }, // no overflow
        { Qt::Key_PageUp, Qt::NoModifier, -32768, 32767, 32000, 0, 32767, moved },
        { Qt::Key_Right, Qt::ControlModifier, 0, 10, 4, 0, 4, {} },    // left to shortcuts
        { Qt::Key_Space, Qt::NoModifier, 0, 10, 4, 0, 4, {} },
    };
    for (const Case& c : cases) {
        RecordingSink sink;
        auto slider = placedSlider();
        ASSERT_TRUE(slider->ReadProperties(PropertyBag::fromText(
            QStringLiteral("Min=%1\nMax=%2\nValue=%3").arg(c.min).arg(c.max).arg(c.value))));
        slider->setPageStep(c.pageStep);
        QStringList events;
        QObject::connect(slider.get(), &Variateur::Change, [&] {
            events << QStringLiteral("Change");
            EXPECT_EQ(slider->Value(), c.expected); // stored and drawn before Change
            EXPECT_TRUE(faceIsCurrent(*slider));
        });
        QObject::connect(slider.get(), &Variateur::Click, [&] { events << QStringLiteral("Click"); });
        int notifications = 0;
        QObject::connect(slider.get(), &Variateur::propertyChanged, [&] { ++notifications; });
        sendKey(*slider, c.key, c.modifiers);
        EXPECT_EQ(slider->Value(), c.expected) << c.key << " from " << c.value;
        EXPECT_EQ(events, c.events) << c.key << " from " << c.value;
        EXPECT_EQ(notifications, 0); // a drag does not notify the container either
        EXPECT_TRUE(sink.messages.isEmpty());
    }
}

TEST(Keyboard, LoadedRangeUpsideDownIgnoresKeys)
{
    auto slider = placedSlider();
    const PropertyBag bag = PropertyBag::fromText(QStringLiteral("Min=8\nMax=2\nValue=5"));
    ASSERT_TRUE(slider->ReadProperties(bag));
    int events = 0;
    QObject::connect(slider.get(), &Variateur::Change, [&] { ++events; });
    QObject::connect(slider.get(), &Variateur::Click, [&] { ++events; });
    for (int key : { Qt::Key_Right, Qt::Key_End, Qt::Key_Home })
        sendKey(*slider, key);
    EXPECT_EQ(slider->Value(), 5);
    EXPECT_EQ(events, 0);
}

// The dotted frame shows keyboard focus only: a click that focuses the
// control leaves it looking as it did, and without focus there is no frame.
TEST(Keyboard, FocusFrameOnlyForKeyboardFocus)
{
    QWidget window;
    auto* before = new QWidget(&window);
    before->setFocusPolicy(Qt::StrongFocus);
    auto* slider = new Variateur(&window);
    slider->setGeometry(0, 20, 101, 9);
    slider->InitProperties();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    const QImage unfocused = slider->grab().toImage();

    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, QPoint(42, 4));
    ASSERT_TRUE(slider->hasFocus());
    before->setFocus();
    slider->setValue(0);
    EXPECT_EQ(slider->grab().toImage(), unfocused) << "clicked";

    slider->setFocus(Qt::TabFocusReason);
    const QImage tabbed = slider->grab().toImage();
    EXPECT_NE(tabbed, unfocused);
    const auto yellowDots = [](const QImage& image) {
        int dots = 0;
        for (int x = 0; x < image.width(); ++x)
            dots += image.pixelColor(x, 0) == QColor(255, 255, 0);
        return dots;
    };
    EXPECT_GT(yellowDots(tabbed), yellowDots(unfocused) + 10);

    // The same control with keys turned off: no focus, no keys.
    slider->setAccessible(false);
    EXPECT_FALSE(slider->hasFocus());
    EXPECT_EQ(slider->focusPolicy(), Qt::NoFocus);
    sendKey(*slider, Qt::Key_End);
    EXPECT_EQ(slider->Value(), 0);
}
