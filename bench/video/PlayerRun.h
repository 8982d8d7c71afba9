// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The player itself in a child process: its core, main window and video window
// on the real engine, playing one file from the playlist.
enum class PlayerRunMode {
    ToTheEnd, // play the file to its end, then quit
    // The same in full screen, then print the frames rendered and the frames
    // the full-screen surface showed
    FullScreenToTheEnd,
    Paused,   // play a moment, pause, then print the CPU ms and the wake-ups per second of stillness
    Stopped,  // the same after Stop
    // From the main window on screen: ms until the file is open, until its
    // first frame, and until the position moves
    FirstPosition,
};

int runPlayer(int argc, char** argv, const QString& file, PlayerRunMode mode, int stillSeconds);
