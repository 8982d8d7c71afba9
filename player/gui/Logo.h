// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPointF>

class QPainter;

// The player's logo, as the splash shows it: a bright green disc with a light
// rim and a white play triangle. Drawn, not loaded, so it is sharp at the
// splash's size and at the About window's.
class Logo {
public:
    // Draws the logo's disc centred on centre with the given radius.
    static void paint(QPainter& painter, QPointF centre, qreal radius);

    // The logo alone on a transparent square, side pixels wide.
    static QImage image(int side);
};
