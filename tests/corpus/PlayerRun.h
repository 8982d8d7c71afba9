// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../dbus_mpris/MprisClient.h"

#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// The real velkor-player in a home of its own (config and data folders under
// a temporary folder), seen from the desktop over MPRIS.
class PlayerRun {
public:
    PlayerRun();
    ~PlayerRun();

    QString home() const { return m_home.path(); }
    QString lastListPath() const;

    void start(const QStringList& arguments, const QString& workingFolder);
    qint64 pid() const { return m_process.processId(); }
    bool running() const { return m_process.state() != QProcess::NotRunning; }

    // Waits for the MPRIS service and returns whether it came within ms.
    bool waitForService(int ms);
    // One property read over the bus; false when no answer came within 2 s.
    bool answersQuickly();
    MprisClient& mpris() { return *m_client; }

    // SIGTERM, then the exit code (-1 when it crashed or did not end in time).
    int terminate(int ms);

    // The program's descriptors that are network sockets (TCP, UDP or raw,
    // IPv4 or IPv6), as "fd -> socket:[inode]"; unix sockets are its own
    // connections to the X server and the session bus.
    QStringList networkSockets() const;

private:
    QTemporaryDir m_home;
    QProcess m_process;
    std::unique_ptr<MprisClient> m_client;
};
