// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRegion>

class QWidget;

// The rounded shape of the player's borderless windows: a rectangle whose
// corners are cut along an ellipse 15 pixels wide and 15 pixels high.
namespace WindowShape {

inline constexpr int kCornerDiameter = 15;

// The region of rect with its four corners rounded along circles of the
// given diameter.
QRegion roundedRect(const QRect& rect, int diameter = kCornerDiameter);

// Sets the rounded region over the window's client rectangle as its mask and
// redraws it.
void apply(QWidget* window, int diameter = kCornerDiameter);

} // namespace WindowShape
