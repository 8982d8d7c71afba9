// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>
#include <QString>

// The least this engine can cost to show a file: libmpv with the engine's
// playback options and its software renderer, drawing each new frame straight
// into a plain window's backing store on the GUI thread, until the file ends.
// The window is the video's own size, or the given size with the video at its
// own scale from the top-left corner. Returns the exit code for the child
// process.
int runBareLoop(int argc, char** argv, const QString& file, QSize window = {});
