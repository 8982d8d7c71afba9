// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/FrameRenderer.h"
#include "engine/X11SharedFrames.h"

#include <QMetaObject>
#include <QSemaphore>
#include <QThread>

#include <mpv/render.h>

#include <cstdlib>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <utility>

namespace {

// libmpv's fast paths want rows and buffers on 64-byte boundaries.
constexpr qsizetype kAlignment = 64;
constexpr int kCreateTimeoutMs = 10000;
// Pixels converted beyond what can be seen: chroma is interpolated from its
// neighbours, so the last seen pixels need a few more behind them to come out
// as in the whole frame.
constexpr int kSeenMargin = 16;

void freeBuffer(void* data)
{
    std::free(data);
}

// Bytes per row of a frame: rows start on 64-byte boundaries. "bgr0" in
// memory is QImage::Format_RGB32 on little-endian.
qsizetype frameStride(int width)
{
    return (qsizetype(width) * 4 + kAlignment - 1) / kAlignment * kAlignment;
}

// A black frame buffer of the given size in the process's own memory.
QImage alignedImage(const QSize& size)
{
    const qsizetype stride = frameStride(size.width());
    void* data = std::aligned_alloc(kAlignment, size_t(stride * size.height()));
    if (!data)
        return {};
    QImage image(static_cast<uchar*>(data), size.width(), size.height(), stride, QImage::Format_RGB32,
                 &freeBuffer, data);
    image.fill(Qt::black);
    return image;
}

// libmpv leaves the fourth byte of "bgr0" undefined (often 0), and zeroes it
// in "bgra". Qt copies Format_RGB32 pixels as they are into a window buffer
// with alpha, and a compositor would then show the video through: every pixel
// gets 0xFF there. The buffer is 64-byte aligned with rows of a multiple of
// 64 bytes, so it is done in one sweep over whole vectors, row padding and all.
void makeOpaque(uchar* pixels, const QSize& size, size_t stride)
{
    const size_t bytes = stride * size_t(size.height());
#ifdef __SSE2__
    const __m128i alpha = _mm_set1_epi32(int(0xff000000u));
    for (size_t at = 0; at + 64 <= bytes; at += 64) {
        auto* block = reinterpret_cast<__m128i*>(pixels + at);
        _mm_store_si128(block, _mm_or_si128(_mm_load_si128(block), alpha));
        _mm_store_si128(block + 1, _mm_or_si128(_mm_load_si128(block + 1), alpha));
        _mm_store_si128(block + 2, _mm_or_si128(_mm_load_si128(block + 2), alpha));
        _mm_store_si128(block + 3, _mm_or_si128(_mm_load_si128(block + 3), alpha));
    }
#else
    auto* words = reinterpret_cast<quint32*>(pixels);
    for (size_t i = 0; i < bytes / 4; ++i)
        words[i] |= 0xff000000u;
#endif
}

} // namespace

FrameRenderer::FrameRenderer(mpv_handle* mpv, QObject* parent)
    : VideoPicture(parent)
{
    if (!mpv)
        return;
    m_sharedFrames = X11SharedFrames::available();
    QSemaphore created;
    m_thread = QThread::create([this, mpv, &created] {
        mpv_render_param params[] = {
            {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
            {MPV_RENDER_PARAM_INVALID, nullptr},
        };
        if (mpv_render_context_create(&m_render, mpv, params) < 0)
            m_render = nullptr;
        else
            mpv_render_context_set_update_callback(m_render, &FrameRenderer::onUpdate, this);
        created.release();
        if (m_render)
            run();
    });
    m_thread->setObjectName(QStringLiteral("FrameRenderer"));
    m_thread->start();
    if (!created.tryAcquire(1, kCreateTimeoutMs) || !m_render) {
        qWarning("FrameRenderer: libmpv could not create its software renderer");
        shutdown();
    }
}

FrameRenderer::~FrameRenderer()
{
    shutdown();
}

void FrameRenderer::shutdown()
{
    if (!m_thread)
        return;
    {
        std::lock_guard lock(m_workMutex);
        m_quit = true;
    }
    m_wake.notify_one();
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_render = nullptr;
}

// libmpv calls this on one of its threads: only flag the work.
void FrameRenderer::onUpdate(void* self)
{
    auto* renderer = static_cast<FrameRenderer*>(self);
    {
        std::lock_guard lock(renderer->m_workMutex);
        renderer->m_updatePending = true;
    }
    renderer->m_wake.notify_one();
}

void FrameRenderer::run()
{
    for (;;) {
        bool update = false;
        bool resized = false;
        QSize size;
        bool partial = false;
        {
            std::unique_lock lock(m_workMutex);
            m_wake.wait(lock, [this] { return m_quit || m_updatePending || m_targetChanged; });
            if (m_quit)
                break;
            update = std::exchange(m_updatePending, false);
            resized = std::exchange(m_targetChanged, false);
            size = m_renderSize;
            partial = m_renderPartial;
        }
        const uint64_t flags = update ? mpv_render_context_update(m_render) : 0;
        if ((flags & MPV_RENDER_UPDATE_FRAME) || (resized && !size.isEmpty()))
            renderFrame(size, partial);
    }
    // The render context goes on the thread that used it, before the core.
    mpv_render_context_set_update_callback(m_render, nullptr, nullptr);
    mpv_render_context_free(m_render);
}

// Renders the current frame at size; with nobody to show it to, libmpv is only
// told the frame was shown, so that playback does not wait for a picture.
void FrameRenderer::renderFrame(const QSize& size, bool partial)
{
    int blockForTargetTime = 0;
    if (size.isEmpty()) {
        int yes = 1;
        mpv_render_param params[] = {
            {MPV_RENDER_PARAM_SKIP_RENDERING, &yes},
            {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &blockForTargetTime},
            {MPV_RENDER_PARAM_INVALID, nullptr},
        };
        mpv_render_context_render(m_render, params);
        return;
    }

    // m_spare is out of the GUI thread's reach: once no copy of it is left
    // there, its pixels can be drawn over.
    QImage target = m_spare.size() == size && m_spare.isDetached() ? std::move(m_spare) : QImage();
    m_spare = QImage();
    if (target.isNull() && m_sharedFrames)
        target = X11SharedFrames::image(size, frameStride(size.width()));
    if (target.isNull())
        target = alignedImage(size);
    if (target.isNull())
        return;
    int swSize[2] = {size.width(), size.height()};
    size_t stride = size_t(target.bytesPerLine());
    char format[] = "bgr0";
    // A non-const bits() would copy an image that is shared; this one is not,
    // and constBits() leaves it as it is.
    void* pixels = const_cast<uchar*>(target.constBits());
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SW_SIZE, swSize},
        {MPV_RENDER_PARAM_SW_FORMAT, format},
        {MPV_RENDER_PARAM_SW_STRIDE, &stride},
        {MPV_RENDER_PARAM_SW_POINTER, pixels},
        {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &blockForTargetTime},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_render(m_render, params) < 0) {
        m_spare = std::move(target);
        return;
    }
    makeOpaque(static_cast<uchar*>(pixels), size, stride);
    {
        std::lock_guard lock(m_frameMutex);
        std::swap(m_latest, target);
        m_latestPartial = partial;
    }
    m_spare = std::move(target);
    ++m_framesRendered;
    announceFrame();
}

// One queued frameReady at a time: a GUI thread that falls behind gets the
// latest frame, not a backlog.
void FrameRenderer::announceFrame()
{
    if (m_announceQueued.exchange(true))
        return;
    QMetaObject::invokeMethod(this, [this] {
        m_announceQueued = false;
        emit frameReady();
    }, Qt::QueuedConnection);
}

QImage FrameRenderer::frame(bool* topLeftPart) const
{
    std::lock_guard lock(m_frameMutex);
    if (topLeftPart)
        *topLeftPart = m_latestPartial;
    return m_latest;
}

void FrameRenderer::setAreaSize(const QSize& size)
{
    if (size == m_areaSize)
        return;
    m_areaSize = size;
    emit areaSizeChanged(size);
}

void FrameRenderer::attach(const void* key, const QSize& size, const QSize& seen)
{
    m_targets.insert(key, Target{size, seen.boundedTo(size)});
    updateTarget();
}

void FrameRenderer::setCropsToView(bool crops)
{
    if (crops == m_cropsToView)
        return;
    m_cropsToView = crops;
    updateTarget();
}

void FrameRenderer::detach(const void* key)
{
    if (m_targets.remove(key))
        updateTarget();
}

// The largest shown surface decides; the others scale that frame down.
QSize FrameRenderer::targetSize() const
{
    QSize largest;
    for (const Target& target : m_targets) {
        if (qint64(target.size.width()) * target.size.height() > qint64(largest.width()) * largest.height())
            largest = target.size;
    }
    return largest;
}

void FrameRenderer::updateTarget()
{
    if (!m_thread)
        return;
    QSize size = targetSize();
    if (m_cropsToView) {
        QSize seen(0, 0);
        for (const Target& target : m_targets)
            seen = seen.expandedTo(target.seen);
        size = size.boundedTo(seen + QSize(kSeenMargin, kSeenMargin));
    }
    const bool partial = size != targetSize();
    {
        std::lock_guard lock(m_workMutex);
        if (size == m_renderSize && partial == m_renderPartial)
            return;
        m_renderSize = size;
        m_renderPartial = partial;
        m_targetChanged = true;
    }
    m_wake.notify_one();
}
