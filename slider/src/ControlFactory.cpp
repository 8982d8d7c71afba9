// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#include <sarv/ControlFactory.h>

#include <sarv/Gestion.h>
#include <sarv/Variateur.h>

#include <functional>
#include <utility>

namespace sarv {

namespace {

using Maker = std::function<QWidget*(QWidget*)>;

const std::pair<QString, Maker>* findClass(const QString& className)
{
    static const std::pair<QString, Maker> kClasses[] = {
        { QStringLiteral("Sarv.Variateur"), [](QWidget* parent) { return new Variateur(parent); } },
        { QStringLiteral("Sarv.Gestion"), [](QWidget* parent) { return new Gestion(parent); } },
    };
    for (const auto& entry : kClasses) {
        if (entry.first.compare(className, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

} // namespace

QStringList classNames()
{
    return { QStringLiteral("Sarv.Variateur"), QStringLiteral("Sarv.Gestion") };
}

QWidget* createControl(const QString& className, QWidget* parent, QString* error)
{
    if (const auto* entry = findClass(className))
        return entry->second(parent);
    if (error)
        *error = QStringLiteral("La classe « %1 » est inconnue de la bibliothèque Sarv "
                                "(classes disponibles : %2).")
                     .arg(className, classNames().join(QStringLiteral(", ")));
    return nullptr;
}

} // namespace sarv
