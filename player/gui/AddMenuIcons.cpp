// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/AddMenuIcons.h"

#include "gui/MenuIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// A reference, so it is never read before the other file has made the colour.
const QColor& kOutline = MenuIcons::kOutline;

QImage paint(int side, const std::function<void(QPainter&)>& draw)
{
    return MenuIcons::paint(side, draw);
}

QIcon iconOf(QImage (*draw)(int))
{
    return MenuIcons::iconOf(draw);
}

} // namespace

QImage AddMenuIcons::drawFile(int side)
{
    return paint(side, [](QPainter& p) {
        QPainterPath sheet;
        sheet.moveTo(3, 1);
        sheet.lineTo(10, 1);
        sheet.lineTo(13.5, 4.5);
        sheet.lineTo(13.5, 15);
        sheet.lineTo(3, 15);
        sheet.closeSubpath();
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(QColor(250, 250, 245));
        p.drawPath(sheet);
        p.setBrush(QColor(210, 215, 225));
        p.drawPolygon(QPolygonF({ QPointF(10, 1), QPointF(10, 4.5), QPointF(13.5, 4.5) }));
        // A quaver: the file holds something to play.
        p.setPen(QPen(QColor(30, 110, 200), 1.0));
        p.drawLine(QPointF(9.5, 6), QPointF(9.5, 11.5));
        p.drawLine(QPointF(9.5, 6), QPointF(11.5, 7.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 110, 200));
        p.drawEllipse(QPointF(8, 11.8), 1.8, 1.4);
    });
}

QImage AddMenuIcons::drawFolder(int side)
{
    return paint(side, [](QPainter& p) {
        p.setPen(QPen(kOutline, 0.8));
        MenuIcons::folderBack(p);
        p.setBrush(QColor(250, 210, 100));
        p.drawPolygon(
            QPolygonF({ QPointF(1, 13.5), QPointF(3, 6.5), QPointF(16, 6.5), QPointF(15, 13.5) }));
    });
}

QImage AddMenuIcons::drawDisc(int side)
{
    return paint(side, [](QPainter& p) {
        QRadialGradient shine(QPointF(6, 5), 10);
        shine.setColorAt(0, QColor(250, 250, 255));
        shine.setColorAt(0.5, QColor(180, 200, 235));
        shine.setColorAt(1, QColor(150, 160, 200));
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(shine);
        p.drawEllipse(QPointF(8, 8), 7, 7);
        p.setBrush(QColor(230, 230, 235));
        p.drawEllipse(QPointF(8, 8), 2.4, 2.4);
        // The hole in the middle shows what is behind the menu.
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.drawEllipse(QPointF(8, 8), 1, 1);
    });
}

QIcon AddMenuIcons::file()
{
    return iconOf(&AddMenuIcons::drawFile);
}

QIcon AddMenuIcons::folder()
{
    return iconOf(&AddMenuIcons::drawFolder);
}

QIcon AddMenuIcons::disc()
{
    return iconOf(&AddMenuIcons::drawDisc);
}
