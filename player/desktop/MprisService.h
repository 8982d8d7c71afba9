// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/PlaybackState.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QObject>
#include <QVariantMap>

#include <memory>

class QWidget;
class MprisPlayerAdaptor;
class PlayerCore;

// The player on the session bus as an MPRIS 2 media player, so that media keys,
// desktop panels and playerctl can drive it. It is the object registered at
// /org/mpris/MediaPlayer2 and carries both interfaces' adaptors. It drives and
// follows the player core: whenever the core says playback may have changed
// (every action and every 500 ms update) it compares the player's properties
// with what the desktop was last told and sends PropertiesChanged.
class MprisService : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kServiceName = "org.mpris.MediaPlayer2.velkorplayer";
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";

    MprisService(PlayerCore& core, QWidget& main);
    ~MprisService() override;

    // Registers on the session bus. Without a session bus, or when the object
    // cannot be registered, it returns nullptr and the player runs without
    // MPRIS. When another player holds the name, this one takes a name of its
    // own with ".instance<pid>" appended, as MPRIS asks.
    static std::unique_ptr<MprisService> start(PlayerCore& core, QWidget& main,
                                               QDBusConnection bus = QDBusConnection::sessionBus());

    PlayerCore& core() { return m_core; }
    const PlayerCore& core() const { return m_core; }
    QWidget& main() { return m_main; }
    const PlaybackState& playback() const;
    QString serviceName() const { return m_serviceName; }

    // The engine's reads, without making an engine: nothing open then. A file
    // that failed to open counts as nothing open.
    QString fileName() const;
    std::optional<double> position() const;
    std::optional<double> duration() const;

    // The object path that names the entry playing, or the MPRIS "no track"
    // path when nothing is open.
    QDBusObjectPath trackId() const;

    // Looks at the player now and signals what changed since the last look.
    void checkProperties();

    // A seek the desktop did not ask for by Seek or SetPosition (the position
    // slider, a new track) is announced by the Seeked signal.
    void announceSeek();

private:
    QVariantMap playerProperties() const;
    void sendPropertiesChanged(const QVariantMap& changed);

    PlayerCore& m_core;
    QWidget& m_main;
    bool m_wasPlaying = false;
    MprisPlayerAdaptor* m_player = nullptr;
    QDBusConnection m_bus;
    QString m_serviceName;
    QVariantMap m_told;
    double m_lastPosition = 0.0;
    QElapsedTimer m_sinceLastLook;
};
