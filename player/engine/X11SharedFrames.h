// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>

// Video frames in memory shared with the X server (the MIT-SHM extension).
// The renderer draws a frame there and a surface with a native window of its
// own has the server copy it straight into that window: the frame libmpv
// renders is the one the screen shows, with no copy into Qt's window buffer
// on the way. Anywhere else (Wayland, a display without the extension) every
// call says no and frames take Qt's usual path.
namespace X11SharedFrames {

// To call before the QApplication is made. Qt's own window buffers then reach
// the X server over the connection instead of through shared memory: with
// shared memory Qt waits for the server before it paints a region again, and
// the title scrolling twice a second kept a paused player waking four more
// times a second for those waits. Those buffers hold small repaints; the one
// large picture, the video, goes through the shared memory of this file.
// A user's own QT_XCB_NO_MITSHM is left as it is.
void preferConnectionForWidgets();
// To call once the QApplication is made: Qt has read the setting, and the
// programs the player starts get the environment the user gave it.
void restoreEnvironment();

// True on X11 when the server offers the extension. Call on the GUI thread.
bool available();

// A black QImage::Format_RGB32 frame of size with rows of stride bytes (whole
// pixels), in a segment the X server can read. A null image when no segment
// can be had. Any thread.
QImage image(const QSize& size, qsizetype stride);

// The depth of a native window, for put(); 0 when the server does not know it.
int depth(quintptr window);

// Has the server copy frame, from its top-left corner, into the top-left
// corner of window and waits until it has. False when frame is not one of
// image()'s or the server refused it (the window gone, say); the caller then
// paints the frame itself. Call on the GUI thread.
bool put(quintptr window, int depth, const QImage& frame);

} // namespace X11SharedFrames
