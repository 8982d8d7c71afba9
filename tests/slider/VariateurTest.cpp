// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The slider control's properties: setter rules, their order of effects, the
// messages, the defaults, and the factory.
#include "SliderTestSupport.h"

#include <sarv/ColorRoutines.h>
#include <sarv/ControlFactory.h>

#include <QMetaProperty>

#include <gtest/gtest.h>

using namespace sarv;

namespace {

const QString kMinMessage = QStringLiteral(
    "Attention, La valeur de la propriété Min doit être inférieure à celle de la propriété Max");
const QString kMaxMessage = QStringLiteral(
    "Attention, La valeur de la propriété Max doit être supérieure à celle de la propriété Min");
const QString kValueMessage
    = QStringLiteral("Attention, la valeur de la propriété Value doit être comprise entre la "
                     "valeur de la propriété Min et celle de la propriété Max.");

} // namespace

TEST(Variateur, ValueSetterStoresThenChangesThenNotifiesThenRedraws)
{
    auto slider = placedSlider();
    QStringList log;
    QObject::connect(slider.get(), &Variateur::Change, [&] {
        log << QStringLiteral("Change %1 %2").arg(slider->Value()).arg(faceIsCurrent(*slider));
    });
    QObject::connect(slider.get(), &Variateur::propertyChanged, [&](const QString& name) {
        log << QStringLiteral("%1 %2").arg(name).arg(faceIsCurrent(*slider));
    });
    EXPECT_TRUE(slider->setValue(7).ok());
    EXPECT_TRUE(faceIsCurrent(*slider));
    EXPECT_TRUE(slider->setValue(7).ok()); // unchanged: Change again
    EXPECT_EQ(log, (QStringList { "Change 7 0", "Value 0", "Change 7 1", "Value 1" }));
}

TEST(Variateur, EverySetterNotifiesWithItsOwnName)
{
    auto slider = placedSlider();
    QStringList names;
    QObject::connect(slider.get(), &Variateur::propertyChanged,
                     [&](const QString& name) { names << name; });
    slider->setBackcolor(1);
    slider->setBorderColorUp(2);
    slider->setBorderColorDown(3);
    slider->setForeColorMin1(4);
    slider->setForeColorMin2(5);
    slider->setForeColorMax1(6);
    slider->setForeColorMax2(7);
    slider->setMin(1);
    slider->setMax(9);
    slider->setValue(2);
    slider->setDegradeMode(Variateur::vertical);
    slider->setButtonWidth(Variateur::Large);
    slider->setButtonColor(8);
    slider->setBorder(true);
    EXPECT_EQ(names,
              (QStringList { "Backcolor", "BorderColorUp", "BorderColorDown", "ForeColorMin1",
                             "ForeColorMin2", "ForeColorMax1", "ForeColorMax2", "Min", "Max",
                             "Value", "DegradeMode", "ButtonWidth", "ButtonColor", "Border" }));
    EXPECT_TRUE(faceIsCurrent(*slider));
}

TEST(Variateur, RejectedValuesShowTheirMessageAndKeepTheOldValue)
{
    struct Case {
        const char* name;
        std::function<Status(Variateur&)> set;
        QString text;
        QString title;
        MessageSink::Icon icon;
    };
    const Case cases[] = {
        { "Min", [](Variateur& s) { return s.setMin(11); }, kMinMessage, "Erreur",
          MessageSink::Icon::Error },
        { "Max", [](Variateur& s) { return s.setMax(-1); }, kMaxMessage, "Erreur",
          MessageSink::Icon::Error },
        { "Value", [](Variateur& s) { return s.setValue(11); }, kValueMessage,
          MessageSink::defaultTitle(), MessageSink::Icon::None },
        { "Value", [](Variateur& s) { return s.setValue(-1); }, kValueMessage,
          MessageSink::defaultTitle(), MessageSink::Icon::None },
    };
    for (const Case& c : cases) {
        RecordingSink sink;
        auto slider = placedSlider();
        int notifications = 0;
        QObject::connect(slider.get(), &Variateur::propertyChanged, [&] { ++notifications; });
        QObject::connect(slider.get(), &Variateur::Change, [&] { ++notifications; });
        EXPECT_TRUE(c.set(*slider).ok()) << c.name; // a rejection still succeeds
        ASSERT_EQ(sink.messages.size(), 1) << c.name;
        EXPECT_EQ(sink.messages[0].text, c.text);
        EXPECT_EQ(sink.messages[0].title, c.title);
        EXPECT_EQ(sink.messages[0].icon, c.icon);
        EXPECT_FALSE(sink.messages[0].title.isEmpty());
        EXPECT_EQ(notifications, 0) << c.name;
        EXPECT_EQ(slider->Min(), 0);
        EXPECT_EQ(slider->Max(), 10);
        EXPECT_EQ(slider->Value(), 0);
    }
}

TEST(Variateur, RangeChangesDoNotAdjustTheValue)
{
    RecordingSink sink;
    auto slider = placedSlider();
    EXPECT_TRUE(slider->setMin(5).ok());
    EXPECT_EQ(slider->Value(), 0); // left outside the range
    slider->setValue(0);
    EXPECT_EQ(sink.messages.size(), 1);

    EXPECT_FALSE(slider->setMax(5).ok()); // Max = Min accepted, the thumb cannot be placed
    EXPECT_EQ(slider->Max(), 5);
    EXPECT_EQ(sink.messages.size(), 1);
    int changes = 0;
    QObject::connect(slider.get(), &Variateur::Change, [&] { ++changes; });
    const Status status = slider->setValue(5);
    EXPECT_FALSE(status.ok()); // stored, Change raised, then the redraw fails
    EXPECT_EQ(slider->Value(), 5);
    EXPECT_EQ(changes, 1);

    EXPECT_TRUE(slider->setButtonWidth(Variateur::BWidth(7)).ok()); // no thumb, no failure
    EXPECT_EQ(slider->ButtonWidth(), 7);
}

TEST(Variateur, NewInstanceDefaults)
{
    auto slider = std::make_unique<Variateur>();
    slider->resize(50, 20); // hidden: the resize event waits for the show
    EXPECT_TRUE(slider->Refresh().ok());
    // Before initialisation everything counts as 0: an all-black face.
    EXPECT_EQ(slider->Max(), 0);
    EXPECT_EQ(slider->ButtonWidth(), 0);
    EXPECT_EQ(slider->face().size(), QSize(50, 20));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(pixelColour(slider->face(), x, y), 0u) << x << "," << y;

    QStringList names;
    QObject::connect(slider.get(), &Variateur::propertyChanged,
                     [&](const QString& name) { names << name; });
    EXPECT_TRUE(slider->InitProperties().ok());
    EXPECT_EQ(names, QStringList { "ButtonWidth" });
    EXPECT_EQ(slider->Min(), 0);
    EXPECT_EQ(slider->Max(), 10);
    EXPECT_EQ(slider->Value(), 0);
    EXPECT_EQ(slider->DegradeMode(), Variateur::horizontal);
    EXPECT_EQ(slider->ButtonWidth(), Variateur::Normal);
    EXPECT_FALSE(slider->Border());
    EXPECT_EQ(slider->ButtonColor(), 0u);
    EXPECT_EQ(slider->BorderColorUp(), RGB(200, 200, 200));
    EXPECT_EQ(slider->ForeColorMin1(), RGB(0, 255, 0));
    EXPECT_EQ(slider->ForeColorMax1(), RGB(255, 0, 0));
    EXPECT_TRUE(faceIsCurrent(*slider));
}

TEST(Variateur, PublishedPropertiesAndEnumerations)
{
    const QMetaObject& meta = Variateur::staticMetaObject;
    QStringList names;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        names << QString::fromLatin1(meta.property(i).name());
    EXPECT_EQ(names, (QStringList { "Backcolor", "BorderColorUp", "BorderColorDown",
                                    "ForeColorMin1", "ForeColorMin2", "ForeColorMax1",
                                    "ForeColorMax2", "Min", "Max", "Value", "DegradeMode",
                                    "ButtonWidth", "ButtonColor", "Border", "Hwnd",
                                    "pageStep", "accessible" }));
    EXPECT_FALSE(meta.property(meta.indexOfProperty("Hwnd")).isWritable());
    const QMetaClassInfo value = meta.classInfo(meta.indexOfClassInfo("Value"));
    EXPECT_STREQ(value.value(), "Renvoie ou défini la valeur indiquée par le bouton");

    const QMetaEnum pos = QMetaEnum::fromType<Variateur::Pos>();
    EXPECT_EQ(pos.keyToValue("horizontal"), 0);
    EXPECT_EQ(pos.keyToValue("vertical"), 1);
    const QMetaEnum width = QMetaEnum::fromType<Variateur::BWidth>();
    EXPECT_EQ(width.keyToValue("Large"), 20);
    EXPECT_EQ(width.keyToValue("Normal"), 10);
    EXPECT_EQ(width.keyToValue("Small"), 5);

    // A container setting properties by name goes through the same setters.
    auto slider = placedSlider();
    int changes = 0;
    QObject::connect(slider.get(), &Variateur::Change, [&] { ++changes; });
    EXPECT_TRUE(slider->setProperty("Value", QVariant::fromValue(short(3))));
    EXPECT_EQ(slider->Value(), 3);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(slider->property("Hwnd").typeId(), QMetaType::Int);
}

TEST(ControlFactory, CreatesByClassName)
{
    QString error;
    std::unique_ptr<QWidget> control(createControl(QStringLiteral("Sarv.Variateur"), nullptr, &error));
    EXPECT_NE(qobject_cast<Variateur*>(control.get()), nullptr);
    EXPECT_TRUE(error.isEmpty());

    for (const char* name : { "Sarv.Slider", "", "Variateur", "Other.Variateur" }) {
        error.clear();
        EXPECT_EQ(createControl(QString::fromLatin1(name), nullptr, &error), nullptr) << name;
        EXPECT_FALSE(error.isEmpty()) << name;
        EXPECT_EQ(createControl(QString::fromLatin1(name)), nullptr) << name;
    }
}

TEST(Variateur, PaintingShowsTheRetainedFace)
{
    auto slider = placedSlider(120, 20);
    slider->setBorder(true);
    slider->setValue(6);
    const QImage shown = slider->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), slider->face().size());
    EXPECT_EQ(shown, slider->face());
}
