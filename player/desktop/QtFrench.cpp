#include "desktop/QtFrench.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool QtFrench::install(QCoreApplication& app, const QString& folder)
{
    // Owned by the application, so it lives as long as any window that
    // might show one of its texts.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_fr"), folder)
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    // Sizes and dates in the file dialogs follow the language of the texts.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    return true;
}

QString QtFrench::translationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}
