// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/MprisPlayerAdaptor.h"

#include "core/FileNameCodec.h"
#include "core/Levels.h"
#include "core/MediaEngine.h"
#include "core/PlayerCore.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "core/TransportController.h"
#include "desktop/DesktopIntegration.h"
#include "desktop/MprisService.h"

#include <QTimer>
#include <QUrl>

#include <cmath>

namespace {

// The volume slider has eleven steps, 0 to 10; MPRIS speaks of 0.0 to 1.0.
constexpr int kVolumeSteps = Levels::kVolumeSteps;

qlonglong toMicroseconds(double seconds)
{
    return qlonglong(std::llround(seconds * 1e6));
}

} // namespace

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService& service)
    : QDBusAbstractAdaptor(&service)
    , m_service(service)
{
}

QString MprisPlayerAdaptor::PlaybackStatus() const
{
    return m_service.playback().status();
}

QString MprisPlayerAdaptor::LoopStatus() const
{
    return m_service.core().RepeatOn() ? QStringLiteral("Playlist") : QStringLiteral("None");
}

void MprisPlayerAdaptor::setLoopStatus(const QString& status)
{
    // The player repeats the whole list or nothing; "Track" is not offered.
    if (status == QLatin1String("None"))
        m_service.core().chkRepeat_Click(false);
    else if (status == QLatin1String("Playlist"))
        m_service.core().chkRepeat_Click(true);
    m_service.checkProperties();
}

bool MprisPlayerAdaptor::Shuffle() const
{
    return m_service.core().Shuffle();
}

void MprisPlayerAdaptor::setShuffle(bool on)
{
    m_service.core().chkSuffle_Click(on);
    m_service.checkProperties();
}

QVariantMap MprisPlayerAdaptor::Metadata() const
{
    const QString fileName = m_service.fileName();
    QVariantMap metadata;
    metadata.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(m_service.trackId()));
    if (fileName.isEmpty())
        return metadata;
    if (const auto duration = m_service.duration(); duration && *duration > 0)
        metadata.insert(QStringLiteral("mpris:length"), toMicroseconds(*duration));
    metadata.insert(QStringLiteral("xesam:url"), QString::fromLatin1(FileNameCodec::toLocalUrl(fileName)));
    metadata.insert(QStringLiteral("xesam:title"),
                    FileNameCodec::readable(fileName.mid(fileName.lastIndexOf(u'/') + 1)));
    return metadata;
}

double MprisPlayerAdaptor::Volume() const
{
    return double(m_service.core().levels().volumeIndex()) / kVolumeSteps;
}

void MprisPlayerAdaptor::setVolume(double volume)
{
    m_service.core().levels().requestVolume(volume);
    m_service.checkProperties();
}

qlonglong MprisPlayerAdaptor::Position() const
{
    return toMicroseconds(std::max(0.0, m_service.position().value_or(0.0)));
}

bool MprisPlayerAdaptor::CanGoNext() const
{
    return m_service.core().playlist().Count() > 0;
}

bool MprisPlayerAdaptor::CanGoPrevious() const
{
    return m_service.core().playlist().Count() > 0;
}

bool MprisPlayerAdaptor::CanPlay() const
{
    return CanGoNext() || !m_service.fileName().isEmpty();
}

bool MprisPlayerAdaptor::CanPause() const
{
    return !m_service.fileName().isEmpty();
}

bool MprisPlayerAdaptor::CanSeek() const
{
    const auto duration = m_service.duration();
    return !m_service.fileName().isEmpty() && duration && *duration > 0;
}

// Handlers that may start an entry run after the reply: a break entry's box
// waits for a person, and a D-Bus call never does.
void MprisPlayerAdaptor::Next()
{
    PlayerCore& core = m_service.core();
    QTimer::singleShot(0, &core, [&core] { core.sequencer().cmdForward_Click(); });
}

void MprisPlayerAdaptor::Previous()
{
    PlayerCore& core = m_service.core();
    QTimer::singleShot(0, &core, [&core] { core.sequencer().cmdBack_Click(); });
}

void MprisPlayerAdaptor::Pause()
{
    if (!m_service.playback().isPlaying())
        return;
    PlayerCore& core = m_service.core();
    // The pause button's flag may still be set from a pause that the play
    // button ended; its first press then only clears the flag.
    core.transport().cmdPause_Click();
    if (!core.Paused())
        core.transport().cmdPause_Click();
}

void MprisPlayerAdaptor::PlayPause()
{
    if (m_service.playback().isPlaying())
        Pause();
    else
        Play();
}

void MprisPlayerAdaptor::Stop()
{
    m_service.core().transport().cmdStop_Click();
}

void MprisPlayerAdaptor::Play()
{
    PlayerCore& core = m_service.core();
    if (!m_service.fileName().isEmpty()) {
        core.transport().cmdPlay_Click();
        return;
    }
    // With nothing open the play button runs Next, which starts an entry.
    QTimer::singleShot(0, &core, [&core] { core.transport().cmdPlay_Click(); });
}

void MprisPlayerAdaptor::Seek(qlonglong offset)
{
    const auto position = m_service.position();
    const auto duration = m_service.duration();
    if (m_service.fileName().isEmpty() || !position || !duration)
        return;
    const double target = std::max(0.0, *position + double(offset) / 1e6);
    if (target > *duration) {
        // Seeking past the end goes on to the next entry.
        Next();
        return;
    }
    m_service.core().seekTo(target);
    m_service.announceSeek();
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& trackId, qlonglong position)
{
    const auto duration = m_service.duration();
    if (trackId != m_service.trackId() || m_service.fileName().isEmpty() || !duration)
        return;
    const double target = double(position) / 1e6;
    if (target < 0 || target > *duration)
        return;
    m_service.core().seekTo(target);
    m_service.announceSeek();
}

void MprisPlayerAdaptor::OpenUri(const QString& uri)
{
    const QUrl url(uri);
    if (!url.isValid() || !url.isLocalFile())
        return;
    const QStringList entries = DesktopIntegration::mediaEntries({ url.toLocalFile() });
    if (entries.isEmpty())
        return;
    PlayerCore& core = m_service.core();
    QTimer::singleShot(0, &core, [&core, entries] { core.sequencer().replaceAndPlay(entries); });
}
