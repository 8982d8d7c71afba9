// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/VelkorFrm.h"

#include "gui/Canvas.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

VelkorFrm::VelkorFrm(QWidget* parent)
    : QWidget(parent)
{
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
}

void VelkorFrm::setCaption(const QString& caption)
{
    m_caption = caption;
    m_cache = QImage();
    update();
}

QImage VelkorFrm::render(
    QSize size, const QString& caption, const QFont& font, qreal devicePixelRatio)
{
    QImage image = transparentCanvas(size, devicePixelRatio);
    if (size.isEmpty())
        return image;

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font);
    const qreal captionHeight = caption.isEmpty() ? 0 : metrics.height();
    QRectF r = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    r.setTop(r.top() + captionHeight / 2);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, QColor(0x3A, 0x4C, 0x66, 200));
    face.setColorAt(1, QColor(0x1C, 0x27, 0x38, 220));
    p.setPen(QPen(QColor(0x8F, 0xA8, 0xC8), 1.0));
    p.setBrush(face);
    p.drawRoundedRect(r, 6, 6);

    if (!caption.isEmpty()) {
        const qreal width = metrics.horizontalAdvance(caption) + 8;
        const QRectF label(10, 0, width, captionHeight);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2B, 0x3A, 0x52));
        p.drawRoundedRect(label, 3, 3);
        p.setPen(QColor(0xE8, 0xF0, 0xFF));
        p.setFont(font);
        p.drawText(label, Qt::AlignCenter, caption);
    }
    return image;
}

void VelkorFrm::paintEvent(QPaintEvent*)
{
    if (m_cache.isNull())
        m_cache = render(size(), m_caption, font(), devicePixelRatioF());
    QPainter p(this);
    p.drawImage(QPoint(0, 0), m_cache);
}

void VelkorFrm::resizeEvent(QResizeEvent* event)
{
    m_cache = QImage();
    QWidget::resizeEvent(event);
}

void VelkorFrm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        m_cache = QImage();
    QWidget::changeEvent(event);
}
