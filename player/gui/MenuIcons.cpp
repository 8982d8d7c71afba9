// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/MenuIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

const QColor MenuIcons::kOutline(40, 60, 90);

namespace {

// The transport marks share one blue, lighter at the top; "Lire", the menu's
// default item, is green like the splash logo's disc.
QLinearGradient transportBrush()
{
    QLinearGradient brush(0, 2, 0, 14);
    brush.setColorAt(0, QColor(130, 190, 245));
    brush.setColorAt(1, QColor(30, 95, 185));
    return brush;
}

// A bar and a triangle pointing left: the "go back a track" mark. "Suivant"
// draws it mirrored.
void skipMark(QPainter& p)
{
    p.setPen(QPen(MenuIcons::kOutline, 0.8));
    p.setBrush(transportBrush());
    p.drawRoundedRect(QRectF(2, 3, 2.5, 10), 0.6, 0.6);
    p.drawPolygon(QPolygonF({ QPointF(14, 3), QPointF(5.5, 8), QPointF(14, 13) }));
}

} // namespace

void MenuIcons::folderBack(QPainter& p)
{
    p.setBrush(QColor(230, 180, 60));
    QPainterPath back;
    back.moveTo(1, 3);
    back.lineTo(6, 3);
    back.lineTo(7.5, 4.5);
    back.lineTo(15, 4.5);
    back.lineTo(15, 13.5);
    back.lineTo(1, 13.5);
    back.closeSubpath();
    p.drawPath(back);
}

QImage MenuIcons::paint(int side, const std::function<void(QPainter&)>& draw)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 16.0, side / 16.0);
    draw(p);
    return image;
}

QIcon MenuIcons::iconOf(QImage (*draw)(int))
{
    QIcon icon;
    for (const int side : { 16, 24, 32, 48 })
        icon.addPixmap(QPixmap::fromImage(draw(side)));
    return icon;
}

QImage MenuIcons::drawPrevious(int side)
{
    return paint(side, skipMark);
}

QImage MenuIcons::drawNext(int side)
{
    return paint(side, [](QPainter& p) {
        p.translate(16, 0);
        p.scale(-1, 1);
        skipMark(p);
    });
}

QImage MenuIcons::drawPlay(int side)
{
    return paint(side, [](QPainter& p) {
        QLinearGradient green(0, 2, 0, 14);
        green.setColorAt(0, QColor(0x9D, 0xE7, 0x7A));
        green.setColorAt(1, QColor(0x24, 0x8A, 0x3E));
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(green);
        p.drawPolygon(QPolygonF({ QPointF(4, 2), QPointF(14, 8), QPointF(4, 14) }));
    });
}

QImage MenuIcons::drawPause(int side)
{
    return paint(side, [](QPainter& p) {
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(transportBrush());
        p.drawRoundedRect(QRectF(3.5, 3, 3, 10), 0.6, 0.6);
        p.drawRoundedRect(QRectF(9.5, 3, 3, 10), 0.6, 0.6);
    });
}

QImage MenuIcons::drawStop(int side)
{
    return paint(side, [](QPainter& p) {
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(transportBrush());
        p.drawRoundedRect(QRectF(3.5, 3.5, 9, 9), 1, 1);
    });
}

QImage MenuIcons::drawOpen(int side)
{
    return paint(side, [](QPainter& p) {
        p.setPen(QPen(kOutline, 0.8));
        folderBack(p);
        // A sheet coming out of it: the folder is open.
        p.setBrush(QColor(250, 250, 245));
        p.drawRect(QRectF(4, 1.5, 8.5, 8));
        p.setPen(QPen(QColor(30, 110, 200), 0.8));
        p.drawLine(QPointF(5.5, 3.5), QPointF(11, 3.5));
        p.drawLine(QPointF(5.5, 5.5), QPointF(11, 5.5));
        // The front flap, tilted open.
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(QColor(250, 210, 100));
        p.drawPolygon(
            QPolygonF({ QPointF(1, 13.5), QPointF(4, 8), QPointF(16, 8), QPointF(13, 13.5) }));
    });
}

QImage MenuIcons::drawQuit(int side)
{
    return paint(side, [](QPainter& p) {
        QRadialGradient red(QPointF(6, 5), 10);
        red.setColorAt(0, QColor(0xFF, 0x9B, 0x96));
        red.setColorAt(0.5, QColor(0xD9, 0x53, 0x4F));
        red.setColorAt(1, QColor(0xA3, 0x2B, 0x28));
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(red);
        p.drawEllipse(QPointF(8, 8), 7, 7);
        p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
        p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
    });
}

QIcon MenuIcons::previous()
{
    return iconOf(&MenuIcons::drawPrevious);
}

QIcon MenuIcons::play()
{
    return iconOf(&MenuIcons::drawPlay);
}

QIcon MenuIcons::pause()
{
    return iconOf(&MenuIcons::drawPause);
}

QIcon MenuIcons::stop()
{
    return iconOf(&MenuIcons::drawStop);
}

QIcon MenuIcons::next()
{
    return iconOf(&MenuIcons::drawNext);
}

QIcon MenuIcons::open()
{
    return iconOf(&MenuIcons::drawOpen);
}

QIcon MenuIcons::quit()
{
    return iconOf(&MenuIcons::drawQuit);
}
