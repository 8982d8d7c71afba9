#include "core/PlayerCore.h"

#include "core/FileNameCodec.h"

#include "core/Levels.h"
#include "core/MediaAdder.h"
#include "core/PlaybackClock.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "core/TimeText.h"
#include "core/TransportController.h"

#include <algorithm>
#include <cmath>

namespace {

const QString kBreakEntry = QStringLiteral("-");

} // namespace

PlayerCore::PlayerCore(EngineHost::Factory engineFactory, QObject* parent)
    : QObject(parent)
    , m_engineHost(std::make_unique<EngineHost>(std::move(engineFactory)))
    , m_playlist(new PlaylistModel(this))
{
    m_sequencer = std::make_unique<Sequencer>(*this);
    m_transport = std::make_unique<TransportController>(*this);
    m_clock = std::make_unique<PlaybackClock>(*this);
    m_levels = std::make_unique<Levels>(*this);
    m_adder = std::make_unique<MediaAdder>(*this);
    connect(m_playlist, &PlaylistModel::selectionChanged, this, &PlayerCore::lstPlay_Click);
}

// The subsystems go before the engine: none of them may touch it on the way out.
PlayerCore::~PlayerCore()
{
    m_adder.reset();
    m_levels.reset();
    m_clock.reset();
    m_transport.reset();
    m_sequencer.reset();
    m_engineHost->release();
}

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
    if (entry.isEmpty() || entry == kBreakEntry)
        return;
    setSelectionCaption(QStringLiteral(" Chanson selectionnée :    ")
        + FileNameCodec::readable(entry.mid(entry.lastIndexOf(QLatin1Char('/')) + 1)));
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
