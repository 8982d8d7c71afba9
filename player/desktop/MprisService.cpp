#include "desktop/MprisService.h"

#include "core/MediaEngine.h"
#include "gui/Playlist.h"
#include "desktop/MprisPlayerAdaptor.h"
#include "desktop/MprisRootAdaptor.h"
#include "gui/frmMain.h"
#include "gui/VelkorCmd.h"

#include <QAction>
#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QListView>
#include <QTimer>

#include <cmath>

namespace {

constexpr const char* kPlayerInterface = "org.mpris.MediaPlayer2.Player";

// A position further than this from where the last update expects it counts
// as a jump the desktop should hear about.
constexpr double kJumpSeconds = 1.5;

} // namespace

MprisService::MprisService(frmMain& main)
    : QObject(nullptr)
    , m_main(main)
    , m_bus(QStringLiteral("velkor-none"))
{
    new MprisRootAdaptor(*this);
    m_player = new MprisPlayerAdaptor(*this);
    watchControls();
    connect(m_main.tmrAnimate, &QTimer::timeout, this, &MprisService::checkProperties);
}

MprisService::~MprisService()
{
    if (!m_serviceName.isEmpty()) {
        m_bus.unregisterObject(QLatin1String(kObjectPath));
        m_bus.unregisterService(m_serviceName);
    }
}

std::unique_ptr<MprisService> MprisService::start(frmMain& main, QDBusConnection bus)
{
    if (!bus.isConnected())
        return nullptr;
    auto service = std::make_unique<MprisService>(main);
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

void MprisService::watchControls()
{
    // The subsystems wired these controls to their handlers first, so by the
    // time these connections run the handler has done its work.
    using Action = MprisPlaybackState::Action;
    const auto after = [this](Action action) {
        return [this, action] {
            transportDone(action);
        };
    };
    connect(m_main.cmdPlay, &VelkorCmd::Click, this, after(Action::Play));
    connect(m_main.cmdPause, &VelkorCmd::Click, this, after(Action::Pause));
    connect(m_main.cmdStop, &VelkorCmd::Click, this, after(Action::Stop));
    connect(m_main.cmdForward, &VelkorCmd::Click, this, after(Action::Start));
    connect(m_main.cmdBack, &VelkorCmd::Click, this, after(Action::Start));
    connect(m_main.cmdOpen, &VelkorCmd::Click, this, after(Action::Start));
    // The shortcut menu: Précédent, Lire, Pause, Arrêter, Suivant, Ouvrir.
    const Action shortcuts[] = { Action::Start, Action::Play,  Action::Pause,
                                 Action::Stop,  Action::Start, Action::Start };
    for (std::size_t i = 0; i < m_main.mnuShortcut.size(); ++i) {
        if (m_main.mnuShortcut[i])
            connect(m_main.mnuShortcut[i], &QAction::triggered, this, after(shortcuts[i]));
    }
    connect(m_main.lstPlay, &QAbstractItemView::activated, this, after(Action::Start));
    connect(m_main.lstPlay, &QAbstractItemView::doubleClicked, this, after(Action::Start));
}

void MprisService::transportDone(MprisPlaybackState::Action action)
{
    using Action = MprisPlaybackState::Action;
    // The pause button toggles: the Paused flag tells which way it went.
    if (action == Action::Pause)
        action = m_main.Paused ? Action::Pause : Action::Resume;
    m_playback.actionDone(action, fileName(), position());
    checkProperties();
}

QString MprisService::fileName() const
{
    return m_main.hasVideoWindow() ? m_main.engine().FileName() : QString();
}

std::optional<double> MprisService::position() const
{
    if (!m_main.hasVideoWindow())
        return std::nullopt;
    return m_main.engine().CurrentPosition();
}

std::optional<double> MprisService::duration() const
{
    if (!m_main.hasVideoWindow())
        return std::nullopt;
    return m_main.engine().Duration();
}

QDBusObjectPath MprisService::trackId() const
{
    if (fileName().isEmpty())
        return QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
    const int track = m_main.playlist().CurrentTrack();
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
    const bool wasPlaying = m_playback.isPlaying();
    m_playback.observe(fileName(), seconds);

    // The position is not signalled as a property; a jump is a Seeked signal.
    const double now = seconds.value_or(0.0);
    const double expected = m_lastPosition + (wasPlaying ? 0.5 : 0.0);
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
