#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QEventLoop>
#include <QTimer>
#include <QVariantMap>

#include <functional>

// Runs a real event loop until `done` holds or `ms` milliseconds have passed.
inline bool waitFor(const std::function<bool()>& done, int ms = 3000)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(10);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

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
