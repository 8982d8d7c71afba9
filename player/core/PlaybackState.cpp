// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/PlaybackState.h"

namespace {

// Positions closer than this count as the same.
constexpr double kStill = 0.05;

} // namespace

void PlaybackState::actionDone(Action action, const QString& fileName,
                                    std::optional<double> position)
{
    const double now = position.value_or(0.0);
    if (fileName.isEmpty()) {
        m_status = Status::Stopped;
    } else {
        switch (action) {
        case Action::Play:
        case Action::Resume:
            m_status = Status::Playing;
            break;
        case Action::Pause:
            m_status = Status::Paused;
            break;
        case Action::Stop:
            m_status = Status::Stopped;
            break;
        case Action::Start:
            // An entry started when the file changed or the position went back
            // to its beginning; Next at the end of the list starts nothing.
            if (fileName != m_fileName || now + kStill < m_position)
                m_status = Status::Playing;
            break;
        }
    }
    m_fileName = fileName;
    m_position = now;
}

void PlaybackState::observe(const QString& fileName, std::optional<double> position)
{
    const double now = position.value_or(0.0);
    if (fileName.isEmpty()) {
        m_status = Status::Stopped;
    } else if (fileName != m_fileName) {
        // A new entry was started by a handler MPRIS does not see (the end of
        // a track runs Next): writing the file name starts it.
        m_status = Status::Playing;
    } else if (now > m_position + kStill) {
        m_status = Status::Playing;
    } else if (now < kStill && m_position >= kStill && m_status == Status::Playing) {
        // Rewound to 0 and not moving: the end-of-track stop with no entry
        // after it, or a stop run by another handler.
        m_status = Status::Stopped;
    }
    m_fileName = fileName;
    m_position = now;
}

QString PlaybackState::status() const
{
    if (m_heldForDialog && m_status != Status::Stopped)
        return QStringLiteral("Paused");
    switch (m_status) {
    case Status::Playing:
        return QStringLiteral("Playing");
    case Status::Paused:
        return QStringLiteral("Paused");
    case Status::Stopped:
        break;
    }
    return QStringLiteral("Stopped");
}
