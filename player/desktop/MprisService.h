#pragma once

#include "desktop/MprisPlaybackState.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

#include <memory>

class frmMain;
class MprisPlayerAdaptor;

// The player on the session bus as an MPRIS 2 media player, so that media keys,
// desktop panels and playerctl can drive it. It is the object registered at
// /org/mpris/MediaPlayer2 and carries both interfaces' adaptors. At every
// 500 ms update of the main window it compares the player's properties with
// what the desktop was last told and sends PropertiesChanged for the changes.
class MprisService : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kServiceName = "org.mpris.MediaPlayer2.velkorplayer";
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";

    explicit MprisService(frmMain& main);
    ~MprisService() override;

    // Registers on the session bus. Without a session bus, or when the object
    // cannot be registered, it returns nullptr and the player runs without
    // MPRIS. When another player holds the name, this one takes a name of its
    // own with ".instance<pid>" appended, as MPRIS asks.
    static std::unique_ptr<MprisService> start(frmMain& main,
                                               QDBusConnection bus = QDBusConnection::sessionBus());

    frmMain& main() { return m_main; }
    const frmMain& main() const { return m_main; }
    MprisPlaybackState& playback() { return m_playback; }
    const MprisPlaybackState& playback() const { return m_playback; }
    QString serviceName() const { return m_serviceName; }

    // The engine's reads, without creating the video window (and with it the
    // engine) before the main window's load has done so: nothing open then.
    QString fileName() const;
    std::optional<double> position() const;
    std::optional<double> duration() const;

    // The object path that names the entry playing, or the MPRIS "no track"
    // path when nothing is open.
    QDBusObjectPath trackId() const;

    // A transport handler has run (from a button, the shortcut menu or MPRIS):
    // follow the playback state and signal what changed.
    void transportDone(MprisPlaybackState::Action action);

    // Looks at the player now and signals what changed since the last look.
    void checkProperties();

    // A seek the desktop did not ask for by Seek or SetPosition (the position
    // slider, a new track) is announced by the Seeked signal.
    void announceSeek();

private:
    void watchControls();
    QVariantMap playerProperties() const;
    void sendPropertiesChanged(const QVariantMap& changed);

    frmMain& m_main;
    MprisPlaybackState m_playback;
    MprisPlayerAdaptor* m_player = nullptr;
    QDBusConnection m_bus;
    QString m_serviceName;
    QVariantMap m_told;
    double m_lastPosition = 0.0;
};
