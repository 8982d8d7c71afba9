// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/WindowShape.h"

#include <QWidget>

namespace WindowShape {

QRegion roundedRect(const QRect& rect, int diameter)
{
    const int d = diameter;
    if (rect.width() < d || rect.height() < d)
        return QRegion(rect);
    const int r = d / 2;
    // Two bands crossing in the middle, and one corner ellipse in each corner.
    QRegion region(rect.adjusted(r, 0, -r, 0));
    region += rect.adjusted(0, r, 0, -r);
    const int right = rect.right() - d + 1;
    const int bottom = rect.bottom() - d + 1;
    region += QRegion(QRect(rect.left(), rect.top(), d, d), QRegion::Ellipse);
    region += QRegion(QRect(right, rect.top(), d, d), QRegion::Ellipse);
    region += QRegion(QRect(rect.left(), bottom, d, d), QRegion::Ellipse);
    region += QRegion(QRect(right, bottom, d, d), QRegion::Ellipse);
    return region;
}

void apply(QWidget* window, int diameter)
{
    if (!window)
        return;
    window->setMask(roundedRect(window->rect(), diameter));
    window->update();
}

} // namespace WindowShape
