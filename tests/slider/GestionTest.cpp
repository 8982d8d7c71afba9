// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The property page: loading the first selected slider and writing it back in
// the fixed order, through the slider's setters.
#include "SliderTestSupport.h"

#include <sarv/Gestion.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace sarv;

namespace {

void type(QLineEdit* field, const QString& text)
{
    field->setText(text);
    Q_EMIT field->textEdited(text);
}

} // namespace

TEST(Gestion, ListsAndLoading)
{
    Gestion page;
    EXPECT_EQ(page.CbDegradeMode()->itemText(0), QStringLiteral("0 - Horizontal"));
    EXPECT_EQ(page.CbDegradeMode()->itemText(1), QStringLiteral("1 - Vertical"));
    EXPECT_EQ(page.CbEB()->itemText(0), QStringLiteral("20 - Large"));
    EXPECT_EQ(page.CbEB()->itemText(1), QStringLiteral("10 - Normal"));
    EXPECT_EQ(page.CbEB()->itemText(2), QStringLiteral("5 - Small"));

    auto first = placedSlider();
    first->setBorder(true);
    first->setMax(30);
    first->setValue(25);
    first->setMin(20);
    first->setButtonWidth(Variateur::Small);
    first->setDegradeMode(Variateur::Pos(2));
    auto second = placedSlider();
    page.SelectionChanged({ first.get(), second.get() });
    EXPECT_TRUE(page.chkBorder()->isChecked());
    EXPECT_EQ(page.txtMin()->text(), QStringLiteral("20"));
    EXPECT_EQ(page.txtMax()->text(), QStringLiteral("30"));
    EXPECT_EQ(page.txtValue()->text(), QStringLiteral("25"));
    EXPECT_EQ(page.CbDegradeMode()->currentIndex(), 1); // any mode but 0 shows as vertical
    EXPECT_EQ(page.CbEB()->currentIndex(), 2);
    EXPECT_FALSE(page.Changed()); // loading is not an edit

    // A width the list does not hold leaves the list as it was.
    second->setButtonWidth(Variateur::BWidth(7));
    page.SelectionChanged({ second.get() });
    EXPECT_EQ(page.CbEB()->currentIndex(), 2);
    EXPECT_TRUE(page.ApplyChanges().ok());
    EXPECT_EQ(second->ButtonWidth(), Variateur::Small);
}

TEST(Gestion, ApplyWritesInOrderAndOnlyTheFirstSlider)
{
    RecordingSink sink;
    auto slider = placedSlider();
    slider->setMax(30);
    slider->setValue(25);
    slider->setMin(20);
    auto other = placedSlider();
    Gestion page;
    page.SelectionChanged({ slider.get(), other.get() });
    QStringList names;
    QObject::connect(slider.get(), &Variateur::propertyChanged,
                     [&](const QString& name) { names << name; });
    type(page.txtMin(), QStringLiteral("0"));
    type(page.txtMax(), QStringLiteral("10"));
    type(page.txtValue(), QStringLiteral("5"));
    EXPECT_TRUE(page.Changed());

    EXPECT_TRUE(page.ApplyChanges().ok());
    // Value 5 is outside the old range and Max 10 below the old Min: both rejected.
    ASSERT_EQ(sink.messages.size(), 2);
    EXPECT_TRUE(sink.messages[0].text.contains(QStringLiteral("propriété Value")));
    EXPECT_TRUE(sink.messages[1].text.contains(QStringLiteral("propriété Max")));
    EXPECT_EQ(slider->Min(), 0);
    EXPECT_EQ(slider->Max(), 30);
    EXPECT_EQ(slider->Value(), 25);
    EXPECT_EQ(names, (QStringList { "Border", "Min", "ButtonWidth", "DegradeMode" }));
    EXPECT_EQ(other->Max(), 10);
    EXPECT_FALSE(page.Changed());
}

TEST(Gestion, TextThatIsNotA16BitNumberStopsTheApply)
{
    for (const char* text : { "abc", "40000", "" }) {
        auto slider = placedSlider();
        Gestion page;
        page.SelectionChanged({ slider.get() });
        page.chkBorder()->setChecked(true);
        type(page.txtValue(), QStringLiteral("4"));
        type(page.txtMax(), QString::fromLatin1(text));
        type(page.txtMin(), QStringLiteral("-3"));
        const Status status = page.ApplyChanges();
        EXPECT_FALSE(status.ok()) << text;
        EXPECT_FALSE(status.error().isEmpty());
        EXPECT_TRUE(slider->Border()); // steps before the failure stay applied
        EXPECT_EQ(slider->Value(), 4);
        EXPECT_EQ(slider->Min(), 0); // steps after it do not run
        EXPECT_TRUE(page.Changed());
    }
}
