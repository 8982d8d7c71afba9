// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/QtFrench.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The file dialogs' "Type" column asks for its words (Folder, File, "%1 File")
// under a newer name than the one the system's French translation files them
// under; this hands those questions on to the dialog's own entries.
class FileTypeTexts : public QTranslator {
public:
    FileTypeTexts(const QTranslator& base, QObject* parent)
        : QTranslator(parent)
        , m_base(base)
    {
    }

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
        int n) const override
    {
        Q_UNUSED(disambiguation);
        if (qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return QString();
        return m_base.translate("QFileDialog", sourceText, nullptr, n);
    }

    bool isEmpty() const override { return false; }

private:
    const QTranslator& m_base;
};

} // namespace

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
    // Installed after the base, so asked first; it answers only what the base
    // files elsewhere.
    QCoreApplication::installTranslator(new FileTypeTexts(*translator, translator));
    // Sizes and dates in the file dialogs follow the language of the texts.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    return true;
}

QString QtFrench::translationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}
