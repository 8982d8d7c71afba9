// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/VideoPicture.h"

#include <QImage>
#include <QMap>
#include <QSize>

#include <atomic>
#include <condition_variable>
#include <mutex>

struct mpv_handle;
struct mpv_render_context;
class QThread;

// The engine's picture: libmpv's software renderer driven from a thread of its
// own, handing the latest video frame to whatever surfaces show it.
//
// The render context exists from the moment libmpv is initialised, so libmpv's
// video output always has somewhere to draw and every file opens with its
// video, whether or not a window shows it. Every mpv_render_* call happens on
// the render thread; that thread calls nothing else of libmpv and never waits
// for the GUI thread, and libmpv's update callback only flags work for it. So
// the GUI thread never waits on rendering: it only copies the latest frame out
// under a short lock.
//
// A frame is rendered when libmpv has a new one or when the render target's
// size changes; a paused or stopped player renders nothing. The target is the
// largest of the sizes the shown surfaces report; with no surface shown the
// frames are skipped (libmpv still counts them as shown, so playback goes on).
// While libmpv draws the video at its own scale from the top-left corner
// (setCropsToView), only the part the surfaces can see is converted, plus a
// few pixels so that the edge's colours come out as in the whole frame: the
// frame is then the area's top-left part, pixel for pixel.
//
// On X11 the frames are in memory shared with the server (X11SharedFrames),
// so that a surface can have them put straight into its window.
//
// Made with a null handle, it never has a frame (a picture for fake engines).
class FrameRenderer : public VideoPicture {
    Q_OBJECT
public:
    // mpv must be initialised and must outlive shutdown().
    explicit FrameRenderer(mpv_handle* mpv, QObject* parent = nullptr);
    ~FrameRenderer() override;

    // True while libmpv has its render context.
    bool isValid() const { return m_render != nullptr; }
    // Ends the render thread and frees the render context there. The engine
    // calls it before it destroys libmpv; afterwards no frame comes.
    void shutdown();

    // The latest frame (a null image before the first one). Cheap: it shares
    // the pixels. topLeftPart, if given, tells whether it is only the top-left
    // part of the area, pixel for pixel, rather than the whole area.
    QImage frame(bool* topLeftPart = nullptr) const;
    // Frames rendered so far, for the benchmarks and the tests.
    int framesRendered() const { return m_framesRendered.load(); }

    // The drawing area's size as the engine computes it; the surfaces of the
    // video window follow it.
    QSize areaSize() const override { return m_areaSize; }
    void setAreaSize(const QSize& size);

    // A surface attaches with its size in device pixels while it is shown,
    // and detaches when hidden or gone; the key tells the surfaces apart.
    void attach(const void* key, const QSize& size, const QSize& seen) override;
    void detach(const void* key) override;
    QSize targetSize() const;

    // Set by the engine while libmpv draws the video unscaled from the
    // top-left corner: frames may then be cut to what the surfaces see.
    void setCropsToView(bool crops);

    // The gestures on a surface, relayed to the engine.
    void requestToggleFullScreen() { emit toggleFullScreenRequested(); }
    void requestLeaveFullScreen() { emit leaveFullScreenRequested(); }

signals:
    // A new frame is in frame(); emitted on the GUI thread, once per burst.
    void frameReady();
    void toggleFullScreenRequested();
    void leaveFullScreenRequested();

private:
    void run();
    void renderFrame(const QSize& size, bool partial);
    void announceFrame();
    void updateTarget();
    static void onUpdate(void* self);

    QThread* m_thread = nullptr;
    mpv_render_context* m_render = nullptr;

    // Work for the render thread; never held across a libmpv call.
    std::mutex m_workMutex;
    std::condition_variable m_wake;
    bool m_updatePending = false;
    bool m_targetChanged = false;
    bool m_quit = false;
    QSize m_renderSize;
    bool m_renderPartial = false;

    // The frame shared with the GUI thread, and the one the render thread
    // draws into next (reused while nobody else holds it).
    mutable std::mutex m_frameMutex;
    QImage m_latest;
    bool m_latestPartial = false;
    QImage m_spare;

    std::atomic<bool> m_announceQueued{false};
    std::atomic<int> m_framesRendered{0};

    // GUI thread only.
    struct Target {
        QSize size;
        QSize seen;
    };
    QSize m_areaSize;
    QMap<const void*, Target> m_targets;
    bool m_cropsToView = false;
    // Set before the render thread starts.
    bool m_sharedFrames = false;
};
