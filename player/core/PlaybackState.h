// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

// Whether the player plays, is paused or is stopped: what the desktop is told
// ("Playing", "Paused", "Stopped"). The engine has no playing-state read, so
// the state is followed from two sources: the transport actions the core runs
// and, at every 500 ms update, the engine's file name and position. A file
// that failed to open counts as nothing open.
class PlaybackState {
public:
    // Start covers every handler that may start an entry (Next, Previous, a
    // double-click, Ouvrir); whether one started is read from the engine.
    enum class Action { Play, Pause, Resume, Stop, Start };

    // A transport action has run; fileName and position are the engine's
    // after it.
    void actionDone(Action action, const QString& fileName, std::optional<double> position);

    // The periodic look at the engine.
    void observe(const QString& fileName, std::optional<double> position);

    // While the player waits on a dialog it counts as paused, whatever it
    // was doing before; the state it followed comes back afterwards.
    void setHeldForDialog(bool held) { m_heldForDialog = held; }

    QString status() const;
    bool isPlaying() const { return !m_heldForDialog && m_status == Status::Playing; }

private:
    enum class Status { Stopped, Playing, Paused };

    Status m_status = Status::Stopped;
    QString m_fileName;
    double m_position = 0.0;
    bool m_heldForDialog = false;
};
