#pragma once

#include <QString>

#include <optional>

// What the desktop is told about playback: "Playing", "Paused" or "Stopped".
// The engine has no playing-state read, so the state is followed from two
// sources: the transport actions the player sees (buttons, shortcut menu,
// MPRIS calls) and, at every 500 ms update, the engine's file name and position.
class MprisPlaybackState {
public:
    // Start covers every handler that may start an entry (Next, Previous, a
    // double-click, Ouvrir); whether one started is read from the engine.
    enum class Action { Play, Pause, Resume, Stop, Start };

    // A transport action has run; fileName and position are the engine's
    // after it.
    void actionDone(Action action, const QString& fileName, std::optional<double> position);

    // The periodic look at the engine.
    void observe(const QString& fileName, std::optional<double> position);

    QString status() const;
    bool isPlaying() const { return m_status == Status::Playing; }

private:
    enum class Status { Stopped, Playing, Paused };

    Status m_status = Status::Stopped;
    QString m_fileName;
    double m_position = 0.0;
};
