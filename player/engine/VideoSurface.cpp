#include "engine/VideoSurface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include <mpv/render_gl.h>

namespace {

void* getProcAddress(void*, const char* name)
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void*>(context->getProcAddress(name)) : nullptr;
}

} // namespace

VideoSurface::VideoSurface(mpv_handle* mpv, QWidget* parent)
    : QOpenGLWidget(parent)
    , m_mpv(mpv)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

VideoSurface::~VideoSurface()
{
    // QOpenGLWidget destroys the GL context after this body: no call back here.
    if (QOpenGLContext* gl = context())
        disconnect(gl, nullptr, this, nullptr);
    if (m_render) {
        makeCurrent();
        releaseRenderContext();
        doneCurrent();
    }
}

void VideoSurface::initializeGL()
{
    // A new GL context: the previous one (if any) said goodbye through
    // aboutToBeDestroyed, which is wired once per context.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        releaseRenderContext();
        doneCurrent();
    }, Qt::DirectConnection);

    mpv_opengl_init_params glInit{&getProcAddress, nullptr};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_create(&m_render, m_mpv, params) < 0) {
        m_render = nullptr;
        qWarning("VideoSurface: libmpv could not create its OpenGL renderer");
        return;
    }
    mpv_render_context_set_update_callback(m_render, &VideoSurface::onRenderUpdate, this);
    emit renderContextCreated();
}

void VideoSurface::paintGL()
{
    if (!m_render) {
        QOpenGLFunctions* gl = QOpenGLContext::currentContext()->functions();
        gl->glClearColor(0, 0, 0, 1);
        gl->glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    mpv_opengl_fbo fbo{static_cast<int>(defaultFramebufferObject()),
                       static_cast<int>(width() * ratio), static_cast<int>(height() * ratio), 0};
    int flipY = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(m_render, params);
}

void VideoSurface::releaseRenderContext()
{
    if (!m_render)
        return;
    // Freeing it while a file plays makes libmpv drop the video track; the
    // engine selects it again once a new render context exists.
    mpv_render_context_free(m_render);
    m_render = nullptr;
}

// Called by libmpv on one of its threads: only queue a repaint, never call back
// into libmpv from here.
void VideoSurface::onRenderUpdate(void* self)
{
    QMetaObject::invokeMethod(static_cast<VideoSurface*>(self), qOverload<>(&QWidget::update),
                              Qt::QueuedConnection);
}

void VideoSurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QOpenGLWidget::mouseDoubleClickEvent(event);
}

void VideoSurface::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        emit escapePressed();
        return;
    }
    QOpenGLWidget::keyPressEvent(event);
}
