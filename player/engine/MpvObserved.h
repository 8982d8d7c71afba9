// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

struct mpv_handle;
struct mpv_event;

// The libmpv properties the engine reads on every poll, kept current by
// libmpv's property-change events, so that a read costs no round trip to
// libmpv's core thread and a paused player lets every thread sleep.
//
// A property can be started afresh (after a file is opened or a seek has
// landed): events still on their way for it are dropped, and until libmpv
// sends its value as it stands now, reads ask libmpv directly. So a read never
// answers from before the change that called for the fresh start.
class MpvObserved {
public:
    enum Property { TimePos, Duration, EofReached, Seeking, kCount };

    explicit MpvObserved(mpv_handle* mpv);

    void restart(std::initializer_list<Property> properties);
    void restartAll() { restart({TimePos, Duration, EofReached, Seeking}); }
    // Takes the event if it is one of ours; true when it was.
    bool handle(const mpv_event& event);

    // nullopt when libmpv has no value (nothing open, or not known yet).
    std::optional<double> number(Property property) const;
    bool flag(Property property) const;

private:
    struct Slot {
        uint64_t id = 0;
        bool known = false;
        std::optional<double> value;
    };
    std::optional<double> ask(Property property) const;

    mpv_handle* m_mpv;
    std::array<Slot, kCount> m_slots;
    uint64_t m_nextId = 1;
};
