// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Designer plugin as Designer loads it: from its file, by QPluginLoader.
// It offers the slider in the group "Sarv", and a task menu whose entry opens
// Gestion on the selected slider.
#include "SliderTestSupport.h"

#include <sarv/Gestion.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPluginLoader>
#include <QPushButton>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionManager>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <gtest/gtest.h>

using namespace sarv;

namespace {

QDesignerCustomWidgetInterface* sliderEntry(QPluginLoader& loader)
{
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    if (!collection)
        return nullptr;
    for (QDesignerCustomWidgetInterface* widget : collection->customWidgets()) {
        if (widget->name() == QLatin1String("sarv::Variateur"))
            return widget;
    }
    return nullptr;
}

// A form editor with the extension manager Designer gives plugins.
class FormEditor : public QDesignerFormEditorInterface {
public:
    FormEditor() { setExtensionManager(new QExtensionManager(this)); }
};

// The frame the task menu opened, if any.
QDialog* openFrame()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog && dialog->isVisible() && dialog->findChild<Gestion*>())
            return dialog;
    }
    return nullptr;
}

} // namespace

TEST(DesignerPlugin, OffersTheSliderInItsGroup)
{
    QPluginLoader loader(QStringLiteral(SARV_DESIGNER_PLUGIN));
    ASSERT_TRUE(loader.load()) << qPrintable(loader.errorString());
    QDesignerCustomWidgetInterface* entry = sliderEntry(loader);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->group(), QStringLiteral("Sarv"));
    EXPECT_EQ(entry->includeFile(), QStringLiteral("sarv/Variateur.h"));
    EXPECT_FALSE(entry->isContainer());
    EXPECT_FALSE(entry->icon().isNull());
    EXPECT_TRUE(entry->toolTip().contains(QStringLiteral("Slider en plus joli")));

    std::unique_ptr<QWidget> widget(entry->createWidget(nullptr));
    auto* slider = qobject_cast<Variateur*>(widget.get());
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->Max(), 10); // placed with a new control's defaults
    EXPECT_EQ(slider->ButtonWidth(), Variateur::Normal);

    // The form gets the same defaults, under properties the slider has, with
    // values it accepts.
    QXmlStreamReader xml(entry->domXml());
    int checked = 0;
    QByteArray property;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView tag = xml.name();
        if (tag == QLatin1String("widget")) {
            EXPECT_EQ(xml.attributes().value(QStringLiteral("class")), entry->name());
        } else if (tag == QLatin1String("property")) {
            property = xml.attributes().value(QStringLiteral("name")).toLatin1();
        } else if (tag == QLatin1String("number") || tag == QLatin1String("UInt")
                   || tag == QLatin1String("enum")) {
            const bool isEnum = tag == QLatin1String("enum");
            const QString value = xml.readElementText().section(QStringLiteral("::"), -1);
            ASSERT_GE(Variateur::staticMetaObject.indexOfProperty(property), 0)
                << property.constData();
            const QVariant current = slider->property(property);
            if (isEnum)
                EXPECT_EQ(QMetaEnum::fromType<Variateur::BWidth>().keyToValue(value.toLatin1()),
                          current.toInt())
                    << property.constData();
            else
                EXPECT_EQ(value, current.toString()) << property.constData();
            ++checked;
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    EXPECT_GE(checked, 6);
}

TEST(DesignerPlugin, TaskMenuOpensGestionOnTheSlider)
{
    QPluginLoader loader(QStringLiteral(SARV_DESIGNER_PLUGIN));
    QDesignerCustomWidgetInterface* entry = sliderEntry(loader);
    ASSERT_NE(entry, nullptr);
    FormEditor core;
    entry->initialize(&core);
    EXPECT_TRUE(entry->isInitialized());

    std::unique_ptr<QWidget> form(new QWidget);
    auto* slider = qobject_cast<Variateur*>(entry->createWidget(form.get()));
    ASSERT_NE(slider, nullptr);
    auto* menu = qt_extension<QDesignerTaskMenuExtension*>(core.extensionManager(), slider);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->taskActions().size(), 1);
    QAction* open = menu->taskActions().first();
    EXPECT_EQ(menu->preferredEditAction(), open);
    EXPECT_TRUE(open->text().contains(QStringLiteral("Gestion")));
    // Other widgets get no such menu.
    QWidget other;
    EXPECT_EQ(qt_extension<QDesignerTaskMenuExtension*>(core.extensionManager(), &other), nullptr);

    open->trigger();
    QDialog* frame = openFrame();
    ASSERT_NE(frame, nullptr);
    auto* page = frame->findChild<Gestion*>();
    EXPECT_EQ(page->txtMax()->text(), QStringLiteral("10"));
    auto* buttons = frame->findChild<QDialogButtonBox*>();
    QPushButton* apply = buttons->button(QDialogButtonBox::Apply);
    EXPECT_FALSE(apply->isEnabled());
    page->txtMax()->setText(QStringLiteral("25"));
    Q_EMIT page->txtMax()->textEdited(page->txtMax()->text());
    EXPECT_TRUE(apply->isEnabled());

    // A text that is not a number: the error is reported and the frame stays.
    RecordingSink sink;
    page->txtMin()->setText(QStringLiteral("bas"));
    buttons->button(QDialogButtonBox::Ok)->click();
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(slider->Max(), 25); // the steps before the bad one stay applied

    page->txtMin()->setText(QStringLiteral("5"));
    buttons->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(slider->Min(), 5);
    EXPECT_FALSE(frame->isVisible());
    EXPECT_EQ(sink.messages.size(), 1);
}
