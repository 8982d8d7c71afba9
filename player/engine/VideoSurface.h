#pragma once

#include <QOpenGLWidget>

struct mpv_handle;
struct mpv_render_context;

// The drawing area of MpvEngine: a QOpenGLWidget into which libmpv's OpenGL
// render API draws the current video frame.
//
// The render context lives as long as the widget's GL context. Moving the widget
// to another top-level window (full screen and back) destroys that GL context, so
// the render context is released on aboutToBeDestroyed and made again in the next
// initializeGL; renderContextCreated() then tells the engine, which gives the
// video back to a file that lost it meanwhile.
//
// The widget also reports the two gestures the engine handles on the picture:
// a double-click and the Escape key.
class VideoSurface : public QOpenGLWidget {
    Q_OBJECT
public:
    // mpv must outlive the surface.
    explicit VideoSurface(mpv_handle* mpv, QWidget* parent = nullptr);
    ~VideoSurface() override;

    bool hasRenderContext() const { return m_render != nullptr; }

signals:
    void renderContextCreated();
    void doubleClicked();
    void escapePressed();

protected:
    void initializeGL() override;
    void paintGL() override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void releaseRenderContext();
    static void onRenderUpdate(void* self);

    mpv_handle* m_mpv;
    mpv_render_context* m_render = nullptr;
};
