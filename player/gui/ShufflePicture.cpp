// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/ShufflePicture.h"

#include <QPixmap>

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// An arrow head pointing right with its tip at (x, y).
void drawArrowHead(QPainter& painter, qreal x, qreal y, qreal size)
{
    QPainterPath head;
    head.moveTo(x, y);
    head.lineTo(x - size, y - size * 0.7);
    head.lineTo(x - size, y + size * 0.7);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

} // namespace

QImage drawShufflePicture(bool on, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal s = size;
    const qreal left = s * 0.1;
    const qreal right = s * 0.9;
    const qreal top = s * 0.3;
    const qreal bottom = s * 0.7;
    const qreal head = s * 0.22;
    QPen pen(on ? QColor(255, 170, 40) : QColor(150, 150, 150), std::max(1.0, s / 10.0));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);

    if (on) {
        QPainterPath down;
        down.moveTo(left, top);
        down.cubicTo(s * 0.5, top, s * 0.5, bottom, right - head, bottom);
        QPainterPath up;
        up.moveTo(left, bottom);
        up.cubicTo(s * 0.5, bottom, s * 0.5, top, right - head, top);
        painter.drawPath(down);
        painter.drawPath(up);
    } else {
        painter.drawLine(QPointF(left, top), QPointF(right - head, top));
        painter.drawLine(QPointF(left, bottom), QPointF(right - head, bottom));
    }
    drawArrowHead(painter, right, top, head);
    drawArrowHead(painter, right, bottom, head);
    return image;
}

const QIcon& shuffleIcon(bool on)
{
    static const QIcon icons[2] = { QIcon(QPixmap::fromImage(drawShufflePicture(false, 16))),
        QIcon(QPixmap::fromImage(drawShufflePicture(true, 16))) };
    return icons[on ? 1 : 0];
}
