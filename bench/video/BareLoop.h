#pragma once

#include <QString>

// The least this engine can cost to show a file: libmpv with the engine's
// playback options and its software renderer, drawing each new frame straight
// into a plain window's backing store on the GUI thread, at the video's own
// size, until the file ends. Returns the exit code for the child process.
int runBareLoop(int argc, char** argv, const QString& file);
