// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class PlayerCore;
class QTimer;

// The 500 ms update (tmrAnimate) and the position and time display handlers.
// The update polls the engine: it detects the end of a track and moves on,
// keeps the position slider and the time text in step and scrolls the title;
// the windows apply their own periodic rules on its windowRules signal.
class PlaybackClock : public QObject {
    Q_OBJECT
public:
    explicit PlaybackClock(PlayerCore& core);
    ~PlaybackClock() override;

    static constexpr int kIntervalMs = 500;

    // The timer runs from the creation of the main window to its unload.
    void start();
    void stop();
    bool isActive() const;
    int interval() const;

    void tmrAnimate_Timer();
    // The user moved the position slider (or the update did, guard closed).
    void scrlTime_Change(int value);
    void lblTime_Click();
    void ShowDuration();

    QString timeText() const { return m_timeText; }
    QString durationText() const { return m_durationText; }
    // "+" for elapsed time, "-" for the time left.
    QString timeSign() const;

Q_SIGNALS:
    // First step of each update: the windows' own rules (the minimised
    // caption, the on-top state).
    void windowRules();
    void timeTextChanged(const QString& text);
    void durationTextChanged(const QString& text);
    void timeSignChanged(const QString& sign);

private:
    void endOfTrack();
    void followPosition();
    void scrollTitle();
    void showTime();
    void setTimeText(const QString& text);

    PlayerCore& m_core;
    QTimer* m_timer;
    QString m_timeText = QStringLiteral("00:00:00");
    QString m_durationText = QStringLiteral("00:00:00");
};
