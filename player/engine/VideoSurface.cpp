#include "engine/VideoSurface.h"

#include "engine/FrameRenderer.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

VideoSurface::VideoSurface(VideoPicture* picture, QWidget* parent)
    : QWidget(parent)
    , m_picture(picture)
    , m_renderer(qobject_cast<FrameRenderer*>(picture))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
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
    m_framePending = true;
    update();
}

void VideoSurface::paintEvent(QPaintEvent*)
{
    // A paint that only a new frame asked for is no exposure; one after a show
    // or a resize is, even when a new frame came in the meantime.
    const bool forFrame = std::exchange(m_framePending, false);
    const bool forExposure = std::exchange(m_exposurePending, false);
    if (forExposure || !forFrame)
        emit exposed();
    QPainter painter(this);
    const QImage frame = m_renderer ? m_renderer->frame() : QImage();
    if (frame.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    // The frame is opaque: its pixels replace what was there, row by row.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QSize pixels = size() * devicePixelRatioF();
    if (frame.size() == pixels) {
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
    reportTarget();
}

void VideoSurface::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    withdrawTarget();
}

void VideoSurface::reportTarget()
{
    if (m_picture)
        m_picture->attach(this, size() * devicePixelRatioF());
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
