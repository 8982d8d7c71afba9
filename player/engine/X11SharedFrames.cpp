// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/X11SharedFrames.h"

#include <QGuiApplication>

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace X11SharedFrames {

namespace {

// Qt's connection to the X server, once available() has found the extension
// on it; libxcb may be called from any thread.
std::atomic<xcb_connection_t*> g_connection {nullptr};
// Set when the server refused a segment (a display on another machine): no
// frame is then asked for again.
std::atomic<bool> g_refused {false};

// Set when preferConnectionForWidgets() set Qt's variable, not the user.
bool g_setNoMitShm = false;

// Which segment each shared frame's pixels are in, for put().
std::mutex g_segmentsMutex;
std::unordered_map<const void*, xcb_shm_seg_t> g_segments;

struct Segment {
    xcb_connection_t* connection;
    xcb_shm_seg_t id;
    void* pixels;
};

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

// QImage's cleanup: the last copy of the frame is gone.
void release(void* info)
{
    std::unique_ptr<Segment> segment(static_cast<Segment*>(info));
    {
        std::lock_guard lock(g_segmentsMutex);
        g_segments.erase(segment->pixels);
    }
    xcb_shm_detach(segment->connection, segment->id);
    xcb_flush(segment->connection);
    shmdt(segment->pixels);
}

} // namespace

void preferConnectionForWidgets()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
        g_setNoMitShm = true;
    }
}

void restoreEnvironment()
{
    if (std::exchange(g_setNoMitShm, false))
        qunsetenv("QT_XCB_NO_MITSHM");
}

bool available()
{
    if (g_refused)
        return false;
    if (g_connection)
        return true;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_shm_id);
    if (!extension || !extension->present)
        return false;
    g_connection = connection;
    return true;
}

QImage image(const QSize& size, qsizetype stride)
{
    xcb_connection_t* connection = g_connection;
    if (!connection || g_refused || size.isEmpty() || stride < qsizetype(size.width()) * 4 || stride % 4)
        return {};
    const int id = shmget(IPC_PRIVATE, size_t(stride * size.height()), IPC_CREAT | 0600);
    if (id < 0)
        return {};
    void* pixels = shmat(id, nullptr, 0);
    // Marked for removal at once: the segment goes when both sides let go,
    // even if the player is killed.
    shmctl(id, IPC_RMID, nullptr);
    if (pixels == reinterpret_cast<void*>(-1))
        return {};
    const xcb_shm_seg_t segment = xcb_generate_id(connection);
    if (xcb_generic_error_t* error = xcb_request_check(connection, xcb_shm_attach_checked(connection, segment, uint32_t(id), false))) {
        std::free(error);
        g_refused = true;
        shmdt(pixels);
        return {};
    }
    {
        std::lock_guard lock(g_segmentsMutex);
        g_segments[pixels] = segment;
    }
    QImage frame(static_cast<uchar*>(pixels), size.width(), size.height(), stride, QImage::Format_RGB32, &release,
                 new Segment {connection, segment, pixels});
    frame.fill(Qt::black);
    return frame;
}

int depth(quintptr window)
{
    xcb_connection_t* connection = g_connection;
    if (!connection || !window)
        return 0;
    const std::unique_ptr<xcb_get_geometry_reply_t, FreeReply> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, xcb_drawable_t(window)), nullptr));
    return geometry ? geometry->depth : 0;
}

bool put(quintptr window, int depth, const QImage& frame)
{
    xcb_connection_t* connection = g_connection;
    if (!connection || !window || (depth != 24 && depth != 32) || frame.isNull())
        return false;
    xcb_shm_seg_t segment = 0;
    {
        std::lock_guard lock(g_segmentsMutex);
        const auto found = g_segments.find(frame.constBits());
        if (found == g_segments.end())
            return false;
        segment = found->second;
    }
    const xcb_gcontext_t context = xcb_generate_id(connection);
    const uint32_t noExposures = 0;
    xcb_create_gc(connection, context, xcb_drawable_t(window), XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    // Checked: the wait for the answer is also the wait for the server to be
    // done with the pixels, which the renderer may then draw over; and an
    // error (the window just destroyed) comes back here, not to Qt.
    const xcb_void_cookie_t cookie = xcb_shm_put_image_checked(
        connection, xcb_drawable_t(window), context, uint16_t(frame.bytesPerLine() / 4), uint16_t(frame.height()),
        0, 0, uint16_t(frame.width()), uint16_t(frame.height()), 0, 0, uint8_t(depth), XCB_IMAGE_FORMAT_Z_PIXMAP,
        0, segment, 0);
    xcb_free_gc(connection, context);
    xcb_generic_error_t* error = xcb_request_check(connection, cookie);
    std::free(error);
    return error == nullptr;
}

} // namespace X11SharedFrames
