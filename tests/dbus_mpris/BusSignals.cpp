// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BusSignals.h"

BusSignals::BusSignals(QDBusConnection bus, const QString& service)
{
    const QString path = QStringLiteral("/org/mpris/MediaPlayer2");
    bus.connect(service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("PropertiesChanged"), this,
                SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    bus.connect(service, path, QStringLiteral("org.mpris.MediaPlayer2.Player"),
                QStringLiteral("Seeked"), this, SLOT(seeked(qlonglong)));
}

QVariant BusSignals::lastChanged(const QString& property) const
{
    for (auto it = changes.crbegin(); it != changes.crend(); ++it) {
        if (it->contains(property))
            return it->value(property);
    }
    return {};
}

void BusSignals::propertiesChanged(const QString& interface, const QVariantMap& changed,
                                   const QStringList&)
{
    if (interface == QLatin1String("org.mpris.MediaPlayer2.Player"))
        changes << changed;
}

void BusSignals::seeked(qlonglong position)
{
    seeks << position;
}
