// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

// Records the player's PropertiesChanged and Seeked signals as a desktop
// client receives them.
class BusSignals : public QObject {
    Q_OBJECT
public:
    BusSignals(QDBusConnection bus, const QString& service);

    QList<QVariantMap> changes; // the changed properties of each signal
    QList<qlonglong> seeks;

    // The latest signalled value of a property, or an invalid QVariant.
    QVariant lastChanged(const QString& property) const;

public Q_SLOTS:
    void propertiesChanged(const QString& interface, const QVariantMap& changed,
                           const QStringList& invalidated);
    void seeked(qlonglong position);
};
