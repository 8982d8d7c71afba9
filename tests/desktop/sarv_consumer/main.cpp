// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Uses the installed library the way a host that knows only names does:
// creates the slider and its property page by class name, calls Refresh by
// name and reads its status, opens the page the slider lists and applies it.
// With a file argument, also loads that Designer plugin. Exits 0 when all
// of it works, else prints what failed.
#include <sarv/ControlFactory.h>
#include <sarv/Library.h>
#include <sarv/Variateur.h>

#include <QApplication>
#include <QLineEdit>
#include <QPluginLoader>

#include <cstdio>
#include <memory>

namespace {

int failed(const char* what)
{
    std::printf("failed: %s\n", what);
    return 1;
}

bool refreshByName(QWidget* control, sarv::Status& status)
{
    return QMetaObject::invokeMethod(control, "Refresh", Q_RETURN_ARG(sarv::Status, status));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (sarv::libraryDescription() != QStringLiteral(SARV_PACKAGE_DESCRIPTION))
        return failed("the library's description is not the package's");

    std::unique_ptr<QWidget> control(sarv::createControl(QStringLiteral("Sarv.Variateur")));
    auto* slider = qobject_cast<sarv::Variateur*>(control.get());
    if (!slider)
        return failed("no Sarv.Variateur");
    slider->resize(101, 21);
    slider->InitProperties();
    sarv::Status status = sarv::Status::failure(QStringLiteral("not called"));
    if (!refreshByName(slider, status) || !status.ok())
        return failed("Refresh by name on a new slider");
    slider->setMax(0); // Min = Max: the thumb cannot be placed
    if (!refreshByName(slider, status) || status.ok() || status.error().isEmpty())
        return failed("Refresh by name does not report the thumb it cannot place");
    slider->setMax(10);

    // The first page the slider lists is the library's own: open it by name.
    const QStringList pages = sarv::Variateur::propertyPages();
    std::unique_ptr<QWidget> page(sarv::createControl(pages.value(0)));
    if (!page)
        return failed("no property page by class name");
    if (!QMetaObject::invokeMethod(page.get(), "SelectionChanged",
                                   Q_ARG(QList<sarv::Variateur*>, { slider })))
        return failed("SelectionChanged by name");
    auto* txtValue = page->findChild<QLineEdit*>(QStringLiteral("txtValue"));
    if (!txtValue || txtValue->text() != QStringLiteral("0"))
        return failed("the page did not load the slider");
    txtValue->setText(QStringLiteral("7"));
    if (!QMetaObject::invokeMethod(page.get(), "ApplyChanges", Q_RETURN_ARG(sarv::Status, status))
        || !status.ok())
        return failed("ApplyChanges by name");
    std::printf("Value %d\n", int(slider->Value()));
    if (slider->Value() != 7)
        return failed("the page did not write the value");

    if (argc > 1) {
        QPluginLoader plugin(QString::fromLocal8Bit(argv[1]));
        if (!plugin.instance())
            return failed(qPrintable(plugin.errorString()));
        std::printf("Designer plugin %s\n",
                    qPrintable(plugin.metaData().value(QStringLiteral("IID")).toString()));
    }
    return 0;
}
