// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Processor time the engine takes to play a 640x480 MPEG-1 file with its
// picture shown in a window, and while that file is paused. Needs a display.
int benchVideoCpu(int argc, char** argv);
