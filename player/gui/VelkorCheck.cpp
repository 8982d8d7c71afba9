// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/VelkorCheck.h"

#include "gui/Canvas.h"

#include <QLinearGradient>
#include <QPainter>

VelkorCheck::VelkorCheck(const QString& symbol, QWidget* parent)
    : QCheckBox(parent)
    , m_symbol(symbol)
{
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

QImage VelkorCheck::render(QSize size, const QString& symbol, const QIcon& icon, bool checked,
    bool hovered, qreal devicePixelRatio)
{
    QImage image = transparentCanvas(size, devicePixelRatio);
    if (size.isEmpty())
        return image;

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min<qreal>(r.height() / 2.0, 5.0);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    if (checked) {
        face.setColorAt(0, QColor(0x2E, 0x6B, 0x3A));
        face.setColorAt(1, QColor(0x17, 0x3D, 0x20));
    } else {
        face.setColorAt(0, QColor(0x3B, 0x48, 0x5E));
        face.setColorAt(1, QColor(0x1E, 0x27, 0x36));
    }
    p.setPen(QPen(hovered ? QColor(0xB8, 0xCC, 0xE8) : QColor(0x0E, 0x15, 0x22), 1.0));
    p.setBrush(face);
    p.drawRoundedRect(r, radius, radius);

    if (!icon.isNull()) {
        icon.paint(&p, r.adjusted(2, 1, -2, -1).toRect());
        return image;
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(6, int(r.height() * 0.72)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(checked ? QColor(0xB6, 0xFF, 0x9E) : QColor(0x8C, 0x99, 0xAD));
    p.drawText(r, Qt::AlignCenter, symbol);
    return image;
}

void VelkorCheck::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(QPoint(0, 0),
        render(size(), m_symbol, icon(), isChecked(), underMouse(), devicePixelRatioF()));
}

bool VelkorCheck::hitButton(const QPoint& pos) const
{
    // The whole plate is the button, not only the indicator of a plain check box.
    return rect().contains(pos);
}
