// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a host that knows the library only by names can do: create the slider
// and its property page by class name, call Refresh and read its status, find
// the property pages and the library's description.
#include "SliderTestSupport.h"

#include <sarv/ControlFactory.h>
#include <sarv/Gestion.h>
#include <sarv/Library.h>

#include <QLibrary>
#include <QLineEdit>
#include <QMetaMethod>

#include <gtest/gtest.h>

#include <dlfcn.h>

using namespace sarv;

namespace {

// Calls a method without knowing its return type at compile time, as a
// scripting host does, and reads a property of the returned gadget.
QVariant callAndRead(QObject* object, const char* signature, const char* property)
{
    const QMetaObject* meta = object->metaObject();
    const QMetaMethod method = meta->method(meta->indexOfMethod(signature));
    const QMetaType type = method.returnMetaType();
    if (!method.isValid() || !type.metaObject())
        return {};
    QVariant result(type);
    if (!method.invoke(object, QGenericReturnArgument(type.name(), result.data())))
        return {};
    const QMetaObject* gadget = type.metaObject();
    return gadget->property(gadget->indexOfProperty(property)).readOnGadget(result.constData());
}

} // namespace

TEST(HostByName, RefreshReturnsItsStatus)
{
    struct Case {
        const char* name;
        short min, max;
        Variateur::BWidth width;
        bool ok;
    };
    const Case cases[] = {
        { "range with a thumb", 0, 10, Variateur::Normal, true },
        { "empty range with a thumb", 5, 5, Variateur::Normal, false },
        { "empty range without a thumb", 5, 5, Variateur::BWidth(7), true },
    };
    for (const Case& c : cases) {
        RecordingSink sink;
        auto slider = placedSlider();
        slider->setMax(c.max);
        slider->setMin(c.min);
        slider->setButtonWidth(c.width);
        Status status = Status::failure(QStringLiteral("not called"));
        ASSERT_TRUE(QMetaObject::invokeMethod(slider.get(), "Refresh",
                                              Q_RETURN_ARG(sarv::Status, status)))
            << c.name;
        EXPECT_EQ(status.ok(), c.ok) << c.name;
        EXPECT_EQ(status.error().isEmpty(), c.ok) << c.name;
        EXPECT_EQ(callAndRead(slider.get(), "Refresh()", "ok"), QVariant(c.ok)) << c.name;
        EXPECT_EQ(callAndRead(slider.get(), "Refresh()", "error").toString().isEmpty(), c.ok);
        EXPECT_TRUE(faceIsCurrent(*slider)) << c.name;
    }
}

TEST(HostByName, FactoryCreatesEveryClassWhateverTheCase)
{
    const std::pair<const char*, const QMetaObject*> cases[] = {
        { "Sarv.Variateur", &Variateur::staticMetaObject },
        { "sarv.variateur", &Variateur::staticMetaObject },
        { "Sarv.Gestion", &Gestion::staticMetaObject },
        { "SARV.GESTION", &Gestion::staticMetaObject },
    };
    for (const auto& [name, meta] : cases) {
        QString error;
        std::unique_ptr<QWidget> made(createControl(QString::fromLatin1(name), nullptr, &error));
        ASSERT_NE(made, nullptr) << name;
        EXPECT_EQ(made->metaObject(), meta) << name;
        EXPECT_TRUE(error.isEmpty());
        // The class info names the class as the factory knows it.
        const int info = made->metaObject()->indexOfClassInfo("ClassName");
        EXPECT_EQ(QString::fromLatin1(made->metaObject()->classInfo(info).value())
                      .compare(QString::fromLatin1(name), Qt::CaseInsensitive),
                  0);
    }
    for (const QString& name : classNames())
        EXPECT_NE(std::unique_ptr<QWidget>(createControl(name)), nullptr) << qPrintable(name);
}

TEST(HostByName, PropertyPagesArePublishedAndTheFirstOneOpens)
{
    EXPECT_EQ(Variateur::propertyPages(),
              (QStringList { QStringLiteral("Sarv.Gestion"), QStringLiteral("StandardColor") }));

    RecordingSink sink;
    auto slider = placedSlider();
    std::unique_ptr<QWidget> page(createControl(Variateur::propertyPages().first()));
    ASSERT_NE(page, nullptr);
    // Everything through the meta-object, as a host without the page's header.
    ASSERT_TRUE(QMetaObject::invokeMethod(page.get(), "SelectionChanged",
                                          Q_ARG(QList<sarv::Variateur*>, { slider.get() })));
    auto* txtMax = page->findChild<QLineEdit*>(QStringLiteral("txtMax"));
    ASSERT_NE(txtMax, nullptr);
    EXPECT_EQ(txtMax->text(), QStringLiteral("10"));
    txtMax->setText(QStringLiteral("40"));
    Q_EMIT txtMax->textEdited(txtMax->text());
    EXPECT_TRUE(page->property("Changed").toBool());
    Status status;
    ASSERT_TRUE(QMetaObject::invokeMethod(page.get(), "ApplyChanges",
                                          Q_RETURN_ARG(sarv::Status, status)));
    EXPECT_TRUE(status.ok());
    EXPECT_EQ(slider->Max(), 40);
    EXPECT_FALSE(page->property("Changed").toBool());
    EXPECT_TRUE(sink.messages.isEmpty());
}

TEST(HostByName, LibraryDescribesItself)
{
    EXPECT_EQ(libraryName(), QStringLiteral("Sarv"));
    EXPECT_EQ(libraryDescription(), QStringLiteral("Slider en plus joli"));
    EXPECT_EQ(MessageSink::defaultTitle(), libraryName());

    // The file this process loaded, found from one of its functions: its
    // SONAME's number is the version's major number, and the C entry points
    // answer when looked up by name.
    Dl_info info {};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&sarv_library_version), &info), 0);
    QLibrary library(QString::fromLocal8Bit(info.dli_fname));
    ASSERT_TRUE(library.load()) << qPrintable(library.errorString());
    const QString major = libraryVersion().section(QLatin1Char('.'), 0, 0);
    EXPECT_TRUE(QString::fromLocal8Bit(info.dli_fname).contains(QStringLiteral(".so.") + major))
        << info.dli_fname;
    using Text = const char* (*)();
    const auto description = reinterpret_cast<Text>(library.resolve("sarv_library_description"));
    ASSERT_NE(description, nullptr);
    EXPECT_EQ(QString::fromUtf8(description()), QStringLiteral("Slider en plus joli"));
}
