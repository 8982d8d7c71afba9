// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/VelkorPBar.h"

#include "gui/Canvas.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

VelkorPBar::VelkorPBar(QWidget* parent)
    : QWidget(parent)
{
}

void VelkorPBar::setValue(int value)
{
    value = std::clamp(value, 0, 100);
    if (value == m_value)
        return;
    m_value = value;
    m_cache = QImage();
    update();
    Q_EMIT valueChanged(m_value);
}

QImage VelkorPBar::render(QSize size, int value, qreal devicePixelRatio)
{
    QImage image = transparentCanvas(size, devicePixelRatio);
    if (size.isEmpty())
        return image;

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF groove = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min<qreal>(groove.height() / 2.0, 6.0);
    QLinearGradient back(groove.topLeft(), groove.bottomLeft());
    back.setColorAt(0, QColor(0x14, 0x1C, 0x2A));
    back.setColorAt(1, QColor(0x2A, 0x37, 0x4D));
    p.setPen(QPen(QColor(0x0A, 0x10, 0x1A), 1.0));
    p.setBrush(back);
    p.drawRoundedRect(groove, radius, radius);

    const qreal filled = (groove.width() - 2) * std::clamp(value, 0, 100) / 100.0;
    if (filled > 0) {
        const QRectF bar(groove.left() + 1, groove.top() + 1, filled, groove.height() - 2);
        QLinearGradient fill(bar.topLeft(), bar.bottomLeft());
        fill.setColorAt(0, QColor(0xA8, 0xE6, 0x8C));
        fill.setColorAt(0.5, QColor(0x4F, 0xB8, 0x4A));
        fill.setColorAt(1, QColor(0x2C, 0x7D, 0x33));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(bar, radius - 1, radius - 1);
    }
    return image;
}

void VelkorPBar::paintEvent(QPaintEvent*)
{
    if (m_cache.isNull())
        m_cache = render(size(), m_value, devicePixelRatioF());
    QPainter p(this);
    p.drawImage(QPoint(0, 0), m_cache);
}

void VelkorPBar::resizeEvent(QResizeEvent* event)
{
    m_cache = QImage();
    QWidget::resizeEvent(event);
}
