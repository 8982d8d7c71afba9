// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/MpvObserved.h"

#include <mpv/client.h>

namespace {

struct Named {
    const char* name;
    mpv_format format;
};

constexpr Named kProperties[MpvObserved::kCount] = {
    {"time-pos", MPV_FORMAT_DOUBLE},
    {"duration", MPV_FORMAT_DOUBLE},
    {"eof-reached", MPV_FORMAT_FLAG},
    {"seeking", MPV_FORMAT_FLAG},
};

std::optional<double> valueOf(mpv_format format, void* data)
{
    if (!data)
        return std::nullopt;
    if (format == MPV_FORMAT_DOUBLE)
        return *static_cast<double*>(data);
    if (format == MPV_FORMAT_FLAG)
        return *static_cast<int*>(data) ? 1.0 : 0.0;
    return std::nullopt;
}

} // namespace

MpvObserved::MpvObserved(mpv_handle* mpv)
    : m_mpv(mpv)
{
    restartAll();
}

void MpvObserved::restart(std::initializer_list<Property> properties)
{
    for (Property property : properties) {
        Slot& slot = m_slots[property];
        if (!m_mpv)
            continue;
        if (slot.id)
            mpv_unobserve_property(m_mpv, slot.id);
        slot = Slot{m_nextId++, false, std::nullopt};
        // libmpv sends the value as it stands at once, then each change.
        if (mpv_observe_property(m_mpv, slot.id, kProperties[property].name, kProperties[property].format) < 0)
            slot.id = 0;
    }
}

bool MpvObserved::handle(const mpv_event& event)
{
    if (event.event_id != MPV_EVENT_PROPERTY_CHANGE)
        return false;
    for (Slot& slot : m_slots) {
        if (slot.id != 0 && slot.id == event.reply_userdata) {
            const auto* change = static_cast<const mpv_event_property*>(event.data);
            slot.known = true;
            slot.value = valueOf(change->format, change->data);
            break;
        }
    }
    return true;
}

std::optional<double> MpvObserved::number(Property property) const
{
    const Slot& slot = m_slots[property];
    return slot.known ? slot.value : ask(property);
}

bool MpvObserved::flag(Property property) const
{
    return number(property).value_or(0.0) != 0.0;
}

std::optional<double> MpvObserved::ask(Property property) const
{
    if (!m_mpv)
        return std::nullopt;
    if (kProperties[property].format == MPV_FORMAT_FLAG) {
        int value = 0;
        if (mpv_get_property(m_mpv, kProperties[property].name, MPV_FORMAT_FLAG, &value) < 0)
            return std::nullopt;
        return value ? 1.0 : 0.0;
    }
    double value = 0;
    if (mpv_get_property(m_mpv, kProperties[property].name, MPV_FORMAT_DOUBLE, &value) < 0)
        return std::nullopt;
    return value;
}
