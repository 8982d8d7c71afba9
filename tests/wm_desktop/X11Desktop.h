// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/WaitFor.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

// What the window manager and the X server say about windows, read with the
// standard X tools (xprop, xwininfo, xdotool) on the test's display, and the
// person's mouse and keys played through xdotool. Every wait keeps this
// process's event loop running, so its own windows answer the window manager
// meanwhile.
namespace X11Desktop {

using Id = unsigned long;

// The tool's standard output; empty when it failed or took longer than 20 s.
QString run(const QString& program, const QStringList& arguments);
void xdotool(const QStringList& arguments);

QStringList netWmState(Id window); // the atoms of _NET_WM_STATE
QString property(Id window, const QString& name); // as xprop prints it after "="
QStringList iconSizes(Id window); // "WxH" of each image of _NET_WM_ICON
bool wmSupports(const QString& atom); // listed in the root's _NET_SUPPORTED
// The window's own contents as the X server holds them (read from the window,
// not from the root, which a rootless Xwayland leaves black).
QImage contents(Id window);
QList<Id> stacking(); // managed windows, bottom to top
Id activeWindow();
bool isViewable(Id window);
QRect geometry(Id window); // on the root, without the manager's frame
QString name(Id window);
QList<Id> visibleWindowsOf(qint64 pid); // those the window manager manages

// Presses the left button at a point of the screen, drags it by delta in a few
// steps and releases it. The first step is kArmingStep: a window moved by its
// skin starts moving only once the pointer has travelled that far.
constexpr QPoint kArmingStep(12, 0);
void drag(QPoint from, QPoint delta);

} // namespace X11Desktop
