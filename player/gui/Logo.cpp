// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/Logo.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace {

// The logo is designed at a radius of 44 pixels; other sizes scale it.
constexpr qreal kDesignRadius = 44;

} // namespace

void Logo::paint(QPainter& p, QPointF centre, qreal radius)
{
    const qreal k = radius / kDesignRadius;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient disc(centre - QPointF(12, 12) * k, 60 * k);
    disc.setColorAt(0, QColor(0x9D, 0xE7, 0x7A));
    disc.setColorAt(1, QColor(0x24, 0x8A, 0x3E));
    p.setBrush(disc);
    // The rim stays a visible line however small the logo is drawn.
    const qreal rim = std::max<qreal>(1, 2 * k);
    p.setPen(QPen(QColor(0xE8, 0xF7, 0xE0), rim));
    p.drawEllipse(centre, radius - rim / 2, radius - rim / 2);
    QPainterPath play;
    play.moveTo(centre + QPointF(-14, -22) * k);
    play.lineTo(centre + QPointF(24, 0) * k);
    play.lineTo(centre + QPointF(-14, 22) * k);
    play.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF7, 0xFF, 0xF2));
    p.drawPath(play);
    p.restore();
}

QImage Logo::image(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paint(p, QPointF(side / 2.0, side / 2.0), side / 2.0);
    return image;
}
