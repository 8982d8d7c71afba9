// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/WaitFor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QEventLoop>
#include <QTimer>
#include <QVariantMap>

#include <functional>

// A desktop client of the player on a connection of its own, so every call
// goes through the bus daemon and its wire format, as playerctl's do. Calls
// are asynchronous with a bounded wait: the service answers on this thread.
class MprisClient {
public:
    explicit MprisClient(const QString& service);

    QDBusMessage call(const QString& interface, const QString& method,
                      const QVariantList& arguments = {});
    QDBusMessage player(const QString& method, const QVariantList& arguments = {})
    {
        return call(QStringLiteral("org.mpris.MediaPlayer2.Player"), method, arguments);
    }

    QVariant get(const QString& interface, const QString& property);
    QVariant get(const QString& property)
    {
        return get(QStringLiteral("org.mpris.MediaPlayer2.Player"), property);
    }
    QVariantMap metadata();
    bool set(const QString& property, const QVariant& value);

    QDBusConnection& bus() { return m_bus; }

private:
    QDBusConnection m_bus;
    QString m_service;
};
