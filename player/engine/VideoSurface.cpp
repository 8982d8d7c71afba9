// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/VideoSurface.h"

#include "engine/FrameRenderer.h"
#include "engine/X11SharedFrames.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <utility>

VideoSurface::VideoSurface(VideoPicture* picture, QWidget* parent)
    : QWidget(parent)
    , m_picture(picture)
    , m_renderer(qobject_cast<FrameRenderer*>(picture))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A window of its own, for the frames put straight into it; its parents
    // stay as they are.
    if (m_renderer && X11SharedFrames::available()) {
        setAttribute(Qt::WA_DontCreateNativeAncestors);
        setAttribute(Qt::WA_NativeWindow);
        m_putsFrames = true;
    }
    if (m_renderer)
        connect(m_renderer, &FrameRenderer::frameReady, this, &VideoSurface::showNewFrame);
    if (!m_picture)
        return;
    connect(m_picture, &VideoPicture::areaSizeChanged, this, [this](QSize size) {
        if (m_followsArea)
            resize(size);
    });
    if (m_picture->areaSize().isValid())
        resize(m_picture->areaSize());
}

VideoSurface::~VideoSurface()
{
    withdrawTarget();
}

void VideoSurface::setFollowsArea(bool follows)
{
    m_followsArea = follows;
    if (follows && m_picture && m_picture->areaSize().isValid())
        resize(m_picture->areaSize());
}

void VideoSurface::showNewFrame()
{
    if (!isVisible())
        return;
    if (putFrame()) {
        ++m_framesShown;
        return;
    }
    m_framePending = true;
    update();
}

// A frame of the surface's own size, or the top-left part of one, goes from
// the renderer's buffer to the window by the server's one copy. A frame of
// another size (just after a resize) is left to paintEvent, which scales it.
bool VideoSurface::putFrame()
{
    if (!m_putsFrames || !testAttribute(Qt::WA_WState_Created))
        return false;
    bool topLeftPart = false;
    const QImage frame = m_renderer->frame(&topLeftPart);
    if (frame.isNull() || (!topLeftPart && frame.size() != size() * devicePixelRatioF()))
        return false;
    if (m_windowDepth == 0)
        m_windowDepth = X11SharedFrames::depth(winId());
    return X11SharedFrames::put(winId(), m_windowDepth, frame);
}

void VideoSurface::paintEvent(QPaintEvent*)
{
    // A paint that only a new frame asked for is no exposure; one after a show
    // or a resize is, even when a new frame came in the meantime.
    const bool forFrame = std::exchange(m_framePending, false);
    const bool forExposure = std::exchange(m_exposurePending, false);
    if (forExposure || !forFrame)
        emit exposed();
    if (forFrame)
        ++m_framesShown;
    QPainter painter(this);
    bool topLeftPart = false;
    const QImage frame = m_renderer ? m_renderer->frame(&topLeftPart) : QImage();
    if (frame.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    // The frame is opaque: its pixels replace what was there, row by row.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QSize pixels = size() * devicePixelRatioF();
    if (topLeftPart) {
        // The part that can be seen, pixel for pixel; nothing beyond it shows.
        QImage shown = frame;
        shown.setDevicePixelRatio(devicePixelRatioF());
        painter.drawImage(QPoint(0, 0), shown);
        const QSizeF drawn = QSizeF(frame.size()) / devicePixelRatioF();
        painter.fillRect(QRectF(drawn.width(), 0, width() - drawn.width(), height()), Qt::black);
        painter.fillRect(QRectF(0, drawn.height(), width(), height() - drawn.height()), Qt::black);
    } else if (frame.size() == pixels) {
        QImage shown = frame;
        shown.setDevicePixelRatio(devicePixelRatioF());
        painter.drawImage(QPoint(0, 0), shown);
    } else {
        // Until a frame of the new size arrives, the last one stretches.
        painter.drawImage(rect(), frame);
    }
}

void VideoSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_exposurePending = true;
    if (isVisible())
        reportTarget();
}

void VideoSurface::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_exposurePending = true;
    if (window() != this && window() != m_watchedWindow) {
        if (m_watchedWindow)
            m_watchedWindow->removeEventFilter(this);
        m_watchedWindow = window();
        m_watchedWindow->installEventFilter(this);
    }
    reportTarget();
}

void VideoSurface::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (isVisible())
        reportTarget();
}

// The window's size and place decide how much of the surface can be seen.
bool VideoSurface::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watchedWindow && (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        && isVisible())
        reportTarget();
    return QWidget::eventFilter(watched, event);
}

void VideoSurface::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    withdrawTarget();
}

void VideoSurface::reportTarget()
{
    if (m_picture)
        m_picture->attach(this, size() * devicePixelRatioF(), seenPixels());
}

// From the top-left corner, as far as every widget up to the window and the
// screen the window is on reach.
QSize VideoSurface::seenPixels() const
{
    QRect seen = rect();
    QPoint offset;
    const QWidget* widget = this;
    for (; !widget->isWindow() && widget->parentWidget(); widget = widget->parentWidget()) {
        offset += widget->pos();
        seen &= widget->parentWidget()->rect().translated(-offset);
    }
    if (const QScreen* shown = widget->screen())
        seen &= shown->geometry().translated(-widget->mapToGlobal(QPoint(0, 0)) - offset);
    if (seen.isEmpty())
        return QSize(0, 0);
    const qreal ratio = devicePixelRatioF();
    return QSize(int(std::ceil((seen.right() + 1) * ratio)), int(std::ceil((seen.bottom() + 1) * ratio)));
}

void VideoSurface::withdrawTarget()
{
    if (m_picture)
        m_picture->detach(this);
}

void VideoSurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_renderer)
        m_renderer->requestToggleFullScreen();
    QWidget::mouseDoubleClickEvent(event);
}

void VideoSurface::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && m_renderer) {
        m_renderer->requestLeaveFullScreen();
        return;
    }
    QWidget::keyPressEvent(event);
}
