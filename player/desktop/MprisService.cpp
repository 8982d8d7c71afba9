// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/MprisService.h"

#include "core/MediaEngine.h"
#include "core/PlayerCore.h"
#include "core/PlaylistModel.h"
#include "desktop/MprisPlayerAdaptor.h"
#include "desktop/MprisRootAdaptor.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <cmath>
#include <utility>

namespace {

constexpr const char* kPlayerInterface = "org.mpris.MediaPlayer2.Player";

// A position further than this from where the last update expects it counts
// as a jump the desktop should hear about.
constexpr double kJumpSeconds = 1.5;

} // namespace

MprisService::MprisService(PlayerCore& core, QWidget& main)
    : QObject(nullptr)
    , m_core(core)
    , m_main(main)
    , m_bus(QStringLiteral("velkor-none"))
{
    new MprisRootAdaptor(*this);
    m_player = new MprisPlayerAdaptor(*this);
}

MprisService::~MprisService()
{
    if (!m_serviceName.isEmpty()) {
        m_bus.unregisterObject(QLatin1String(kObjectPath));
        m_bus.unregisterService(m_serviceName);
    }
}

std::unique_ptr<MprisService> MprisService::start(PlayerCore& core, QWidget& main,
                                                  QDBusConnection bus)
{
    if (!bus.isConnected())
        return nullptr;
    auto service = std::make_unique<MprisService>(core, main);
    if (!bus.registerObject(QLatin1String(kObjectPath), service.get()))
        return nullptr;
    QString name = QLatin1String(kServiceName);
    if (!bus.registerService(name)) {
        name += QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid());
        if (!bus.registerService(name)) {
            bus.unregisterObject(QLatin1String(kObjectPath));
            return nullptr;
        }
    }
    service->m_bus = bus;
    service->m_serviceName = name;
    service->m_told = service->playerProperties();
    return service;
}

const PlaybackState& MprisService::playback() const
{
    return m_core.playback();
}

QString MprisService::fileName() const
{
    return m_core.openFileName();
}

std::optional<double> MprisService::position() const
{
    if (fileName().isEmpty())
        return std::nullopt;
    return m_core.engineHost().engine().CurrentPosition();
}

std::optional<double> MprisService::duration() const
{
    if (fileName().isEmpty())
        return std::nullopt;
    return m_core.engineHost().engine().Duration();
}

QDBusObjectPath MprisService::trackId() const
{
    if (fileName().isEmpty())
        return QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
    const int track = m_core.playlist().CurrentTrack();
    return QDBusObjectPath(QStringLiteral("/org/velkorplayer/track/%1").arg(std::max(track, 0)));
}

QVariantMap MprisService::playerProperties() const
{
    return {
        { QStringLiteral("PlaybackStatus"), m_player->PlaybackStatus() },
        { QStringLiteral("LoopStatus"), m_player->LoopStatus() },
        { QStringLiteral("Shuffle"), m_player->Shuffle() },
        { QStringLiteral("Volume"), m_player->Volume() },
        { QStringLiteral("Metadata"), m_player->Metadata() },
        { QStringLiteral("CanGoNext"), m_player->CanGoNext() },
        { QStringLiteral("CanGoPrevious"), m_player->CanGoPrevious() },
        { QStringLiteral("CanPlay"), m_player->CanPlay() },
        { QStringLiteral("CanPause"), m_player->CanPause() },
        { QStringLiteral("CanSeek"), m_player->CanSeek() },
    };
}

void MprisService::checkProperties()
{
    const std::optional<double> seconds = position();
    const bool wasPlaying = std::exchange(m_wasPlaying, playback().isPlaying());

    // The position is not signalled as a property; a jump is a Seeked signal.
    const double now = seconds.value_or(0.0);
    // Looks come with every action as well as every update: a playing file is
    // expected to have moved on by the time since the last look.
    const double elapsed = m_sinceLastLook.isValid() ? m_sinceLastLook.restart() / 1000.0 : 0.0;
    if (!m_sinceLastLook.isValid())
        m_sinceLastLook.start();
    const double expected = m_lastPosition + (wasPlaying ? elapsed : 0.0);
    m_lastPosition = now;
    if (std::abs(now - expected) > kJumpSeconds)
        Q_EMIT m_player->Seeked(qlonglong(std::llround(now * 1e6)));

    if (m_serviceName.isEmpty())
        return;
    const QVariantMap current = playerProperties();
    QVariantMap changed;
    for (auto it = current.cbegin(); it != current.cend(); ++it) {
        if (m_told.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    m_told = current;
    if (!changed.isEmpty())
        sendPropertiesChanged(changed);
}

void MprisService::announceSeek()
{
    const double now = position().value_or(0.0);
    m_lastPosition = now;
    m_sinceLastLook.restart();
    Q_EMIT m_player->Seeked(qlonglong(std::llround(now * 1e6)));
}

void MprisService::sendPropertiesChanged(const QVariantMap& changed)
{
    QDBusMessage signal = QDBusMessage::createSignal(
        QLatin1String(kObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << QLatin1String(kPlayerInterface) << changed << QStringList();
    m_bus.send(signal);
}
