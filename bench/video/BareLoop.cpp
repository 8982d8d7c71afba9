// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BareLoop.h"
#include "ThreadCpu.h"

#include <QBackingStore>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QTimer>
#include <QWindow>

#include <mpv/client.h>
#include <mpv/render.h>

#include <atomic>
#include <clocale>
#include <cstdio>
#include <functional>

namespace {

constexpr int kTimeoutMs = 30000;

class BareWindow : public QWindow {
public:
    explicit BareWindow(mpv_handle* mpv)
        : m_mpv(mpv)
        , m_store(this)
    {
        mpv_render_param params[] = {
            {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
            {MPV_RENDER_PARAM_INVALID, nullptr},
        };
        if (mpv_render_context_create(&m_render, mpv, params) >= 0)
            mpv_render_context_set_update_callback(m_render, &BareWindow::onUpdate, this);
    }
    ~BareWindow() override
    {
        if (m_render)
            mpv_render_context_free(m_render);
    }
    bool isValid() const { return m_render != nullptr; }
    int frames = 0;

protected:
    void exposeEvent(QExposeEvent*) override
    {
        if (isExposed())
            draw();
    }
    void resizeEvent(QResizeEvent*) override { m_store.resize(size()); }

private:
    static void onUpdate(void* self)
    {
        auto* window = static_cast<BareWindow*>(self);
        if (!window->m_queued.exchange(true))
            QMetaObject::invokeMethod(window, [window] { window->update(); }, Qt::QueuedConnection);
    }

    void update()
    {
        m_queued = false;
        if ((mpv_render_context_update(m_render) & MPV_RENDER_UPDATE_FRAME) && isExposed())
            draw();
    }

    void draw()
    {
        const QRect area(QPoint(0, 0), size());
        m_store.beginPaint(area);
        auto* image = dynamic_cast<QImage*>(m_store.paintDevice());
        // Any 32-bit layout takes "bgr0": the window shows no alpha.
        if (image && image->depth() == 32) {
            int swSize[2] = {image->width(), image->height()};
            size_t stride = size_t(image->bytesPerLine());
            char format[] = "bgr0";
            int noBlock = 0;
            mpv_render_param params[] = {
                {MPV_RENDER_PARAM_SW_SIZE, swSize},
                {MPV_RENDER_PARAM_SW_FORMAT, format},
                {MPV_RENDER_PARAM_SW_STRIDE, &stride},
                {MPV_RENDER_PARAM_SW_POINTER, image->bits()},
                {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &noBlock},
                {MPV_RENDER_PARAM_INVALID, nullptr},
            };
            if (mpv_render_context_render(m_render, params) >= 0)
                ++frames;
        } else if (!m_warned) {
            m_warned = true;
            std::fprintf(stderr, "bare loop: the backing store is no RGB32 image (%s, format %d)\n", image ? "image" : "not an image", image ? int(image->format()) : -1);
        }
        m_store.endPaint();
        m_store.flush(area);
    }

    mpv_handle* m_mpv;
    mpv_render_context* m_render = nullptr;
    QBackingStore m_store;
    std::atomic<bool> m_queued {false};
    bool m_warned = false;
};

} // namespace

int runBareLoop(int argc, char** argv, const QString& file, QSize windowSize)
{
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    mpv_handle* mpv = mpv_create();
    for (const auto& [name, value] :
         {std::pair {"config", "no"}, {"terminal", "no"}, {"load-scripts", "no"}, {"osc", "no"},
          {"input-default-bindings", "no"}, {"vo", "libmpv"}, {"ao", "null"}, {"hwdec", "no"},
          {"keep-open", "yes"}, {"idle", "yes"}, {"video-timing-offset", "0"}})
        mpv_set_option_string(mpv, name, value);
    if (windowSize.isValid()) {
        mpv_set_option_string(mpv, "video-unscaled", "yes");
        mpv_set_option_string(mpv, "video-align-x", "-1");
        mpv_set_option_string(mpv, "video-align-y", "-1");
    }
    if (mpv_initialize(mpv) < 0)
        return 1;
    int exitCode = 0;
    {
        BareWindow window(mpv);
        if (!window.isValid())
            return 1;
        mpv_observe_property(mpv, 0, "eof-reached", MPV_FORMAT_FLAG);
        // libmpv's events are read on the GUI thread when it says there are any.
        std::atomic<bool> drainQueued {false};
        auto drain = [&] {
            drainQueued = false;
            for (mpv_event* event = mpv_wait_event(mpv, 0); event->event_id != MPV_EVENT_NONE;
                 event = mpv_wait_event(mpv, 0)) {
                if (event->event_id == MPV_EVENT_VIDEO_RECONFIG && !window.isVisible()) {
                    int64_t w = 0, h = 0;
                    mpv_get_property(mpv, "dwidth", MPV_FORMAT_INT64, &w);
                    mpv_get_property(mpv, "dheight", MPV_FORMAT_INT64, &h);
                    if (w > 0 && h > 0) {
                        window.resize(windowSize.isValid() ? windowSize : QSize(int(w), int(h)));
                        window.show();
                    }
                } else if (event->event_id == MPV_EVENT_PROPERTY_CHANGE) {
                    const auto* change = static_cast<mpv_event_property*>(event->data);
                    if (change->format == MPV_FORMAT_FLAG && *static_cast<int*>(change->data))
                        app.quit();
                } else if (event->event_id == MPV_EVENT_END_FILE) {
                    app.quit();
                }
            }
        };
        struct Wakeup {
            std::atomic<bool>* queued;
            std::function<void()>* drain;
            QObject* receiver;
        };
        std::function<void()> drainFunction = drain;
        Wakeup wakeup {&drainQueued, &drainFunction, &app};
        mpv_set_wakeup_callback(mpv, [](void* data) {
            auto* w = static_cast<Wakeup*>(data);
            if (!w->queued->exchange(true))
                QMetaObject::invokeMethod(w->receiver, *w->drain, Qt::QueuedConnection);
        }, &wakeup);
        const QByteArray path = file.toLocal8Bit();
        const char* load[] = {"loadfile", path.constData(), nullptr};
        mpv_command(mpv, load);
        QTimer::singleShot(kTimeoutMs, &app, [&] {
            exitCode = 1;
            app.quit();
        });
        app.exec();
        std::fprintf(stderr, "bare: %d frames rendered\n", window.frames);
        printThreadCpu("bare");
        mpv_set_wakeup_callback(mpv, nullptr, nullptr);
    }
    mpv_terminate_destroy(mpv);
    return exitCode;
}
