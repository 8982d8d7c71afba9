// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class EngineHost;
class QTimer;
class Sequencer;
class TransportController;

// The 500 ms update (tmrAnimate) and the position and time display handlers.
// The update polls the engine: it detects the end of a track and moves on,
// keeps the position slider and the time text in step and scrolls the title;
// the windows apply their own periodic rules on its windowRules signal.
class PlaybackClock : public QObject {
    Q_OBJECT
public:
    // What the clock needs of the player it belongs to: the time mode, the
    // position slider with its seek guard, the scrolling title, and the
    // periodic look at the playback. The core answers.
    class Player {
    public:
        virtual ~Player() = default;
        virtual bool TimeMode() const = 0;
        virtual void setTimeMode(bool elapsed) = 0;
        // The update's own moves of the slider happen with the guard closed,
        // so they never seek; a move seeks only while the guard is open.
        virtual void closeSeekGuard() = 0;
        virtual void openSeekGuard() = 0;
        virtual bool seekGuardOpen() const = 0;
        virtual int timeMin() const = 0;
        virtual int timeMax() const = 0;
        virtual bool setTimeValue(int value) = 0;
        virtual void takeTimeValue(int value) = 0;
        virtual QString title() const = 0;
        virtual void setTitle(const QString& text) = 0;
        virtual void observePlayback() = 0;
    };

    // At the end of a track the update stops the transport and starts the
    // sequencer's next entry; each update reseeds the sequencer's shuffle.
    PlaybackClock(Player& player, EngineHost& engines, Sequencer& sequencer,
        TransportController& transport);
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

    Player& m_player;
    EngineHost& m_engines;
    Sequencer& m_sequencer;
    TransportController& m_transport;
    QTimer* m_timer;
    QString m_timeText = QStringLiteral("00:00:00");
    QString m_durationText = QStringLiteral("00:00:00");
};
