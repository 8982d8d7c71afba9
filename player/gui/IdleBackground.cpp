// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/IdleBackground.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

IdleBackground::IdleBackground(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void IdleBackground::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_image.size() != size() * ratio)
        m_image = drawIdleBackground(size(), ratio);
    QPainter painter(this);
    painter.drawImage(rect(), m_image);
    Q_EMIT painted();
}

QImage drawIdleBackground(QSize size, qreal devicePixelRatio)
{
    QImage image(size * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0.0, QColor(28, 36, 52));
    gradient.setColorAt(1.0, QColor(10, 12, 20));
    painter.fillRect(QRect(QPoint(0, 0), size), gradient);

    QFont font = painter.font();
    font.setPixelSize(std::max(10, size.height() / 12));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(70, 84, 110));
    painter.drawText(
        QRect(QPoint(0, 0), size), Qt::AlignCenter, QStringLiteral("Velkor Player 2.0"));
    return image;
}
