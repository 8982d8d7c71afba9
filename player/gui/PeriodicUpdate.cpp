#include "gui/PeriodicUpdate.h"

#include "core/LevelTable.h"
#include "core/MediaEngine.h"
#include "gui/SliderForms.h"
#include "core/TimeText.h"
#include "gui/Transport.h"
#include "gui/TrackSelection.h"
#include "gui/OnTop.h"
#include "gui/frmMain.h"

#include <sarv/Variateur.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>

namespace {

const QString kGuardOpen = QStringLiteral("True");
const QString kGuardClosed = QStringLiteral("False");

} // namespace

PeriodicUpdate::PeriodicUpdate(frmMain& main)
    : m_main(main)
{
    SliderForms::load(m_main);

    connect(m_main.tmrAnimate, &QTimer::timeout, this, &PeriodicUpdate::tmrAnimate_Timer);
    connect(m_main.scrlTime, &sarv::Variateur::Change, this, &PeriodicUpdate::scrlTime_Change);
    connect(m_main.scrlVol, &sarv::Variateur::Change, this, &PeriodicUpdate::scrlVol_Change);
    connect(m_main.scrlBal, &sarv::Variateur::Change, this, &PeriodicUpdate::scrlBal_Change);
    m_main.lblTime->installEventFilter(this);
    m_main.tmrAnimate->start();
}

bool PeriodicUpdate::setSliderValue(sarv::Variateur& slider, int value)
{
    if (value < slider.Min() || value > slider.Max())
        return false;
    slider.setValue(short(value));
    return true;
}

bool PeriodicUpdate::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_main.lblTime && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton
            && m_main.lblTime->rect().contains(mouse->position().toPoint())) {
            lblTime_Click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// The periodic update. Each step stands on its own: one that cannot be done
// (no media open, a value the slider cannot hold) is skipped and the next runs.
void PeriodicUpdate::tmrAnimate_Timer()
{
    m_main.engine();
    if (m_main.isMinimized())
        m_main.setWindowTitle(m_main.txtTitle->text());
    OnTop::applyPeriodicRule(m_main);
    endOfTrack();
    m_main.scrlTimeTag = kGuardClosed;
    followPosition();
    m_main.scrlTimeTag = kGuardOpen;
    scrollTitle();
    showTime();
    // Shuffle play draws from a generator seeded anew from the clock.
    m_main.trackSelection().Randomize();
}

// When the position has reached the duration, stop, rewind and go on with the
// next entry. An engine that cannot tell (nothing open) is left alone, so
// nothing starts by itself.
void PeriodicUpdate::endOfTrack()
{
    MediaEngine& engine = m_main.engine();
    const std::optional<double> position = engine.CurrentPosition();
    const std::optional<double> duration = engine.Duration();
    if (!position || !duration || *duration > *position)
        return;
    setSliderValue(*m_main.scrlTime, 0);
    m_main.transport().cmdStop_Click();
    m_main.engine().setCurrentPosition(0);
    m_main.trackSelection().cmdForward_Click();
}

// Moves the position slider with the playback. The seek guard is closed
// meanwhile, so this move never seeks. A position beyond the slider's range
// puts it at its end instead of having it refuse the value.
void PeriodicUpdate::followPosition()
{
    const std::optional<double> position = m_main.engine().CurrentPosition();
    if (!position)
        return;
    sarv::Variateur& slider = *m_main.scrlTime;
    setSliderValue(slider, std::min(TimeText::sliderSeconds(*position), slider.Max()));
}

// The title marquee: the first character moves to the end. A character made
// of two UTF-16 units moves as one.
void PeriodicUpdate::scrollTitle()
{
    const QString title = m_main.txtTitle->text();
    if (title.isEmpty())
        return;
    const int head = title.size() > 1 && title.at(0).isHighSurrogate()
            && title.at(1).isLowSurrogate()
        ? 2
        : 1;
    m_main.txtTitle->setText(title.mid(head) + title.left(head));
}

// Elapsed time, or with TimeMode off the time left (0 while the position is 0).
void PeriodicUpdate::showTime()
{
    MediaEngine& engine = m_main.engine();
    const std::optional<double> position = engine.CurrentPosition();
    if (!position)
        return;
    qint64 seconds = 0;
    if (m_main.TimeMode) {
        seconds = TimeText::wholeSeconds(*position);
    } else if (*position > 0) {
        const std::optional<double> duration = engine.Duration();
        if (!duration)
            return;
        seconds = TimeText::wholeSeconds(*duration) - TimeText::wholeSeconds(*position);
    }
    m_main.lblTime->setText(TimeText::text(seconds));
}


// A drag of the position slider seeks; the update's own moves do not, and
// neither does anything before the first update has run.
void PeriodicUpdate::scrlTime_Change()
{
    if (m_main.scrlTimeTag != kGuardOpen)
        return;
    m_main.engine().setCurrentPosition(m_main.scrlTime->Value());
}

void PeriodicUpdate::scrlVol_Change()
{
    const int index = m_main.scrlVol->Value();
    const std::optional<short> level = LevelTable::level(index);
    if (!level)
        return;
    m_main.engine().setVolume(*level);
    m_main.LabVol->setText(QStringLiteral("Volume : %1").arg(index));
}

void PeriodicUpdate::scrlBal_Change()
{
    const int index = m_main.scrlBal->Value();
    const std::optional<short> level = LevelTable::level(index);
    if (!level)
        return;
    MediaEngine& engine = m_main.engine();
    engine.setBalance(*level);
    const int balance = engine.Balance();
    if (balance > 0)
        m_main.LabBal->setText(QString::number((index - 10) * 10) + QStringLiteral("% Droit"));
    else if (balance < 0)
        m_main.LabBal->setText(QString::number((10 - index) * 10) + QStringLiteral("% Gauche"));
    else
        m_main.LabBal->setText(QStringLiteral("Centre"));

    // Let pending events run (a drag delivers its moves, the update may tick),
    // then hold for a moment. A balance change that arrives while events run
    // here pauses too, but does not run pending events again, so the nesting
    // stops at one level.
    if (!m_balanceSettling) {
        m_balanceSettling = true;
        QCoreApplication::processEvents();
        m_balanceSettling = false;
    }
    QThread::msleep(kBalancePauseMs);
}

void PeriodicUpdate::lblTime_Click()
{
    m_main.TimeMode = !m_main.TimeMode;
    m_main.lblpls->setText(m_main.TimeMode ? QStringLiteral("+") : QStringLiteral("-"));
}

// The length of the media open in the engine; "0:00:00" when nothing is open.
void PeriodicUpdate::ShowDuration()
{
    const std::optional<double> duration = m_main.engine().Duration();
    m_main.lblDuration->setText(TimeText::text(duration ? TimeText::wholeSeconds(*duration) : 0));
}
