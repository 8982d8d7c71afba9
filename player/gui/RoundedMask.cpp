#include "gui/RoundedMask.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QWidget>

QRegion RoundedMask::region(QSize size, int ellipseWidth, int ellipseHeight)
{
    if (size.isEmpty())
        return QRegion();
    QPainterPath path;
    path.addRoundedRect(
        QRectF(0, 0, size.width(), size.height()), ellipseWidth / 2.0, ellipseHeight / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

void RoundedMask::apply(QWidget& widget, int ellipseWidth, int ellipseHeight)
{
    widget.setMask(region(widget.size(), ellipseWidth, ellipseHeight));
}
