// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecodeOnly.h"
#include "ThreadCpu.h"

#include <mpv/client.h>

#include <clocale>
#include <utility>

namespace {

constexpr double kTimeoutSeconds = 30.0;

} // namespace

int runDecodeOnly(const QString& file)
{
    std::setlocale(LC_NUMERIC, "C");
    mpv_handle* mpv = mpv_create();
    if (!mpv)
        return 1;
    for (const auto& [name, value] :
         {std::pair {"config", "no"}, {"terminal", "no"}, {"load-scripts", "no"}, {"osc", "no"},
          {"input-default-bindings", "no"}, {"vo", "null"}, {"ao", "null"}, {"hwdec", "no"},
          {"keep-open", "yes"}, {"idle", "yes"}})
        mpv_set_option_string(mpv, name, value);
    if (mpv_initialize(mpv) < 0)
        return 1;
    mpv_observe_property(mpv, 0, "eof-reached", MPV_FORMAT_FLAG);
    const QByteArray path = file.toLocal8Bit();
    const char* load[] = {"loadfile", path.constData(), nullptr};
    int exitCode = mpv_command(mpv, load) >= 0 ? 1 : 2;
    while (exitCode == 1) {
        mpv_event* event = mpv_wait_event(mpv, kTimeoutSeconds);
        if (event->event_id == MPV_EVENT_NONE || event->event_id == MPV_EVENT_END_FILE)
            break;
        if (event->event_id == MPV_EVENT_PROPERTY_CHANGE) {
            const auto* change = static_cast<mpv_event_property*>(event->data);
            if (change->format == MPV_FORMAT_FLAG && *static_cast<int*>(change->data))
                exitCode = 0;
        }
    }
    printThreadCpu("decode");
    mpv_terminate_destroy(mpv);
    return exitCode;
}
