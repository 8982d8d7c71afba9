// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/PlaybackClock.h"

#include "core/EngineHost.h"
#include "core/MediaEngine.h"
#include "core/Sequencer.h"
#include "core/TimeText.h"
#include "core/TransportController.h"

#include <QTimer>

#include <algorithm>

PlaybackClock::PlaybackClock(
    Player& player, EngineHost& engines, Sequencer& sequencer, TransportController& transport)
    : m_player(player)
    , m_engines(engines)
    , m_sequencer(sequencer)
    , m_transport(transport)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(kIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &PlaybackClock::tmrAnimate_Timer);
}

PlaybackClock::~PlaybackClock() = default;

void PlaybackClock::start()
{
    m_timer->start();
}

void PlaybackClock::stop()
{
    m_timer->stop();
}

bool PlaybackClock::isActive() const
{
    return m_timer->isActive();
}

int PlaybackClock::interval() const
{
    return m_timer->interval();
}

QString PlaybackClock::timeSign() const
{
    return m_player.TimeMode() ? QStringLiteral("+") : QStringLiteral("-");
}

// The periodic update. Each step stands on its own: one that cannot be done
// (no media open, a value the slider cannot hold) is skipped and the next runs.
void PlaybackClock::tmrAnimate_Timer()
{
    Q_EMIT windowRules();
    endOfTrack();
    m_player.closeSeekGuard();
    followPosition();
    m_player.openSeekGuard();
    scrollTitle();
    showTime();
    // Shuffle play draws from a generator seeded anew from the clock.
    m_sequencer.Randomize();
    m_player.observePlayback();
}

// When the position has reached the duration, stop, rewind and go on with the
// next entry. An engine that cannot tell (nothing open) is left alone, so
// nothing starts by itself.
void PlaybackClock::endOfTrack()
{
    MediaEngine& engine = m_engines.engine();
    const std::optional<double> position = engine.CurrentPosition();
    const std::optional<double> duration = engine.Duration();
    if (!position || !duration || *duration > *position)
        return;
    m_player.setTimeValue(0);
    m_transport.cmdStop_Click();
    m_engines.engine().setCurrentPosition(0);
    m_sequencer.cmdForward_Click();
}

// Moves the position slider with the playback. The seek guard is closed
// meanwhile, so this move never seeks. A position beyond the slider's range
// puts it at its end instead of having it refuse the value.
void PlaybackClock::followPosition()
{
    const std::optional<double> position = m_engines.engine().CurrentPosition();
    if (!position)
        return;
    m_player.setTimeValue(std::min<int>(TimeText::sliderSeconds(*position), m_player.timeMax()));
}

// The title marquee: the first character moves to the end. A character made
// of two UTF-16 units moves as one.
void PlaybackClock::scrollTitle()
{
    const QString title = m_player.title();
    if (title.isEmpty())
        return;
    const int head = title.size() > 1 && title.at(0).isHighSurrogate()
            && title.at(1).isLowSurrogate()
        ? 2
        : 1;
    m_player.setTitle(title.mid(head) + title.left(head));
}

// Elapsed time, or with TimeMode off the time left (0 while the position is 0).
void PlaybackClock::showTime()
{
    MediaEngine& engine = m_engines.engine();
    const std::optional<double> position = engine.CurrentPosition();
    if (!position)
        return;
    qint64 seconds = 0;
    if (m_player.TimeMode()) {
        seconds = TimeText::wholeSeconds(*position);
    } else if (*position > 0) {
        const std::optional<double> duration = engine.Duration();
        if (!duration)
            return;
        seconds = TimeText::wholeSeconds(*duration) - TimeText::wholeSeconds(*position);
    }
    setTimeText(TimeText::text(seconds));
}

void PlaybackClock::setTimeText(const QString& text)
{
    if (text == m_timeText)
        return;
    m_timeText = text;
    Q_EMIT timeTextChanged(text);
}

// A drag of the position slider seeks; the update's own moves do not, and
// neither does anything before the first update has run.
void PlaybackClock::scrlTime_Change(int value)
{
    if (value < m_player.timeMin() || value > m_player.timeMax())
        return;
    m_player.takeTimeValue(value);
    if (!m_player.seekGuardOpen())
        return;
    m_engines.engine().setCurrentPosition(value);
}

void PlaybackClock::lblTime_Click()
{
    m_player.setTimeMode(!m_player.TimeMode());
    Q_EMIT timeSignChanged(timeSign());
}

// The length of the media open in the engine; "0:00:00" when nothing is open.
void PlaybackClock::ShowDuration()
{
    const std::optional<double> duration = m_engines.engine().Duration();
    m_durationText = TimeText::text(duration ? TimeText::wholeSeconds(*duration) : 0);
    Q_EMIT durationTextChanged(m_durationText);
}
