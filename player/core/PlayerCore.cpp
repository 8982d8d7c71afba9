// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/PlayerCore.h"

#include "core/FileNameCodec.h"
#include "core/LastList.h"
#include "core/PlaylistModel.h"
#include "core/TimeText.h"

#include <algorithm>
#include <cmath>

PlayerCore::PlayerCore(EngineHost::Factory engineFactory, Prompts& prompts, QObject* parent)
    : QObject(parent)
    , m_engineHost(std::make_unique<EngineHost>(std::move(engineFactory)))
    , m_prompts(prompts)
    , m_playlist(new PlaylistModel(this))
    , m_sequencer(*this, *m_playlist, *m_engineHost, prompts, m_transport, m_clock)
    , m_transport(*this, *m_playlist, *m_engineHost, prompts, m_sequencer, m_clock)
    , m_clock(*this, *m_engineHost, m_sequencer, m_transport)
    , m_levels(*m_engineHost)
    , m_adder(*this, *m_playlist, *m_engineHost, prompts, m_clock)
{
    connect(m_playlist, &PlaylistModel::selectionChanged, this, &PlayerCore::lstPlay_Click);
}

// The subsystems, declared after the engine's host, go before it.
PlayerCore::~PlayerCore() = default;

void PlayerCore::setTitle(const QString& text)
{
    m_title = text;
    Q_EMIT titleChanged(text);
}

void PlayerCore::setSelectionCaption(const QString& text)
{
    m_selectionCaption = text;
    Q_EMIT selectionCaptionChanged(text);
}

void PlayerCore::lstPlay_Click()
{
    const int index = m_playlist->ListIndex();
    if (index < 0)
        return;
    const QString entry = m_playlist->Entry(index);
    // Break entries ("-") and blank entries name no file.
    if (entry.isEmpty() || PlaylistModel::isBreak(entry))
        return;
    setSelectionCaption(QStringLiteral(" Chanson selectionnée :    ")
        + FileNameCodec::readable(entry.mid(entry.lastIndexOf(QLatin1Char('/')) + 1)));
}

void PlayerCore::selectionBecomesCurrentTrack()
{
    m_playlist->setCurrentTrack(short(m_playlist->ListIndex()));
}

void PlayerCore::setTimeRange(int min, int max)
{
    if (min == m_timeMin && max == m_timeMax)
        return;
    m_timeMin = min;
    m_timeMax = max;
    m_timeValue = std::clamp(m_timeValue, min, std::max(min, max));
    Q_EMIT timeRangeChanged(min, max);
}

bool PlayerCore::setTimeValue(int value)
{
    if (value < m_timeMin || value > m_timeMax)
        return false;
    m_timeValue = value;
    // Sent even when the value stays: the view's slider runs its Change, and
    // the seek guard decides whether that seeks.
    Q_EMIT timeValueChanged(value);
    return true;
}

bool PlayerCore::openMedia(const QString& path)
{
    MediaEngine& media = engine();
    media.setFileName(path);
    if (const std::optional<double> duration = media.Duration();
        duration && std::isfinite(*duration)) {
        setTimeRange(0, TimeText::sliderSeconds(*duration));
    } else {
        setTimeRange(0, m_timeMax);
    }
    return !media.HasError();
}

void PlayerCore::seekTo(double seconds)
{
    engine().setCurrentPosition(seconds);
}

QString PlayerCore::openFileName() const
{
    if (!m_engineHost->hasEngine())
        return QString();
    MediaEngine& media = m_engineHost->engine();
    return media.HasError() ? QString() : media.FileName();
}

void PlayerCore::actionDone(PlaybackState::Action action)
{
    const std::optional<double> position
        = m_engineHost->hasEngine() ? m_engineHost->engine().CurrentPosition() : std::nullopt;
    m_playback.actionDone(action, openFileName(), position);
    Q_EMIT playbackChanged();
}

void PlayerCore::observePlayback()
{
    m_playback.observe(openFileName(), engine().CurrentPosition());
    Q_EMIT playbackChanged();
}

void PlayerCore::holdForDialog(bool held)
{
    m_playback.setHeldForDialog(held);
    Q_EMIT playbackChanged();
}

namespace {

// Sets a flag and tells its listeners when it changed.
template <typename T, typename Signal>
void change(PlayerCore* core, T& field, const T& value, Signal signal)
{
    if (field == value)
        return;
    field = value;
    Q_EMIT(core->*signal)(value);
}

} // namespace

void PlayerCore::chkSuffle_Click(bool checked)
{
    change(this, m_shuffle, checked, &PlayerCore::shuffleChanged);
}

void PlayerCore::chkRepeat_Click(bool checked)
{
    change(this, m_repeatOn, checked, &PlayerCore::repeatChanged);
}

void PlayerCore::setTimeMode(bool elapsed)
{
    change(this, m_timeMode, elapsed, &PlayerCore::timeModeChanged);
}

void PlayerCore::setPaused(bool paused)
{
    change(this, m_paused, paused, &PlayerCore::pausedChanged);
}

void PlayerCore::setMute(bool muted)
{
    MediaEngine& media = engine();
    media.setMute(muted);
    change(this, m_mute, media.Mute(), &PlayerCore::muteChanged);
}

void PlayerCore::Check1_Click()
{
    setMute(!m_mute);
}

void PlayerCore::setFitToSize(bool fit)
{
    change(this, m_fitToSize, fit, &PlayerCore::fitToSizeChanged);
}

void PlayerCore::mnuFit_Click()
{
    setFitToSize(!m_fitToSize);
}

void PlayerCore::setOnTopWanted(bool wanted)
{
    if (m_onTopWanted == wanted)
        return;
    m_onTopWanted = wanted;
    Q_EMIT onTopChanged();
}

void PlayerCore::setOnTopApplied(bool applied)
{
    if (m_onTopApplied == applied)
        return;
    m_onTopApplied = applied;
    Q_EMIT onTopChanged();
}

void PlayerCore::mnuOnTop_Click()
{
    if (m_onTopSuspended) {
        m_onTopSuspended = false;
        m_onTopWanted = false;
        Q_EMIT onTopChanged();
        return;
    }
    setOnTopWanted(!m_onTopWanted);
}

void PlayerCore::suspendOnTop()
{
    if (!m_onTopWanted)
        return;
    m_onTopWanted = false;
    m_onTopSuspended = true;
    Q_EMIT onTopChanged();
}

void PlayerCore::resumeOnTop()
{
    if (!m_onTopSuspended)
        return;
    m_onTopWanted = true;
    m_onTopSuspended = false;
    Q_EMIT onTopChanged();
}

void PlayerCore::closeSeekGuard()
{
    setSeekGuard(SeekGuard::Closed);
}

void PlayerCore::openSeekGuard()
{
    setSeekGuard(SeekGuard::Open);
}

bool PlayerCore::seekGuardOpen() const
{
    return m_seekGuard == SeekGuard::Open;
}

void PlayerCore::setVcdDrive(const QString& drive)
{
    change(this, m_vcdDrive, drive, &PlayerCore::vcdDriveChanged);
}

void PlayerCore::setSeekGuard(SeekGuard guard)
{
    change(this, m_seekGuard, guard, &PlayerCore::seekGuardChanged);
}

void PlayerCore::setWindowPlace(const QPointF& twips)
{
    change(this, m_windowPlace, twips, &PlayerCore::windowPlaceChanged);
}

void PlayerCore::setPanelShown(bool shown)
{
    change(this, m_panelShown, shown, &PlayerCore::panelShownChanged);
}

void PlayerCore::setLoadState(LoadState state)
{
    change(this, m_loadState, state, &PlayerCore::loadStateChanged);
}

bool PlayerCore::restoreLastList()
{
    const LastList::Restore result = LastList::restore(*m_playlist);
    // An unreadable file is kept: writing the (empty) list over it at exit
    // would lose the person's playlist.
    m_lastListWritable = result != LastList::Restore::Unreadable;
    return m_lastListWritable;
}

bool PlayerCore::saveLastList()
{
    return LastList::save(m_playlist->Entries());
}
