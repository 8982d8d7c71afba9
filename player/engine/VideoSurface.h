// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/VideoPicture.h"

#include <QPointer>
#include <QWidget>

class FrameRenderer;

// A widget that shows an engine's picture (MediaEngine::picture()).
//
// It paints the renderer's latest frame, pixel for pixel when the sizes match
// and scaled otherwise, and asks for a repaint only when the renderer has a new
// frame; painting only copies a finished frame, so it never waits on the
// engine. A picture it does not know, or none, shows black. A paint that no
// new frame asked for (the window system exposed or resized the surface) is
// announced by exposed(), so that a window can tell its own repaints from the
// video's.
//
// While shown it reports its size to the renderer as a render target, with the
// part of it that can be seen: from its top-left corner, as far as its window
// and the screen reach (its window is watched for resizes and moves). It
// takes the drawing area's size the engine announces, unless it is told not
// to (the full-screen surface fills its window instead). A double-click asks
// the engine to toggle full screen, Escape to leave it.
//
// On X11 the surface has a native window, and a new frame of its own size is
// put straight into it from the renderer's shared buffer (X11SharedFrames):
// no paint, no copy into Qt's window buffer. Exposures still repaint it.
class VideoSurface : public QWidget {
    Q_OBJECT
public:
    explicit VideoSurface(VideoPicture* picture, QWidget* parent = nullptr);
    ~VideoSurface() override;

    VideoPicture* picture() const { return m_picture; }

    bool followsArea() const { return m_followsArea; }
    void setFollowsArea(bool follows);

    // New frames shown so far, painted or put into the window.
    int framesShown() const { return m_framesShown; }

signals:
    void exposed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showNewFrame();
    bool putFrame();
    void reportTarget();
    QSize seenPixels() const;
    void withdrawTarget();

    QPointer<VideoPicture> m_picture;
    QPointer<FrameRenderer> m_renderer;
    bool m_followsArea = true;
    bool m_framePending = false;
    bool m_exposurePending = false;
    QPointer<QWidget> m_watchedWindow;
    bool m_putsFrames = false;
    int m_windowDepth = 0;
    int m_framesShown = 0;
};
