// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MprisClient.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>

MprisClient::MprisClient(const QString& service)
    : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                          QStringLiteral("mpris-test-client")))
    , m_service(service)
{
}

QDBusMessage MprisClient::call(const QString& interface, const QString& method,
                               const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        m_service, QStringLiteral("/org/mpris/MediaPlayer2"), interface, method);
    message.setArguments(arguments);
    QDBusPendingCall pending = m_bus.asyncCall(message, 5000);
    waitInEventLoop([&] { return pending.isFinished(); }, 6000);
    return pending.isFinished() ? pending.reply() : QDBusMessage();
}

QVariant MprisClient::get(const QString& interface, const QString& property)
{
    const QDBusMessage reply = call(QStringLiteral("org.freedesktop.DBus.Properties"),
                                    QStringLiteral("Get"), { interface, property });
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().first().value<QDBusVariant>().variant();
}

QVariantMap MprisClient::metadata()
{
    const QVariant value = get(QStringLiteral("Metadata"));
    return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
}

bool MprisClient::set(const QString& property, const QVariant& value)
{
    const QDBusMessage reply
        = call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"),
               { QStringLiteral("org.mpris.MediaPlayer2.Player"), property,
                 QVariant::fromValue(QDBusVariant(value)) });
    return reply.type() == QDBusMessage::ReplyMessage;
}
