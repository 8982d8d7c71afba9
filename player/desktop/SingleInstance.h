// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/PlayerCore.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <optional>

class QWidget;

// One player per user session. The first player owns the name
// fr.velkor.VelkorPlayer on the session bus from before its window shows; a
// player started after it hands its files over (the first one replaces its
// list with them and plays, as a command line does) or, without files, asks it
// to bring its window forward, and ends without a window and without writing
// anything. The call never waits for a person: the first player answers at
// once and does the work afterwards, and the caller gives up after a few
// seconds. Without a session bus every player runs on its own.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "fr.velkor.VelkorPlayer")
public:
    static constexpr const char* kServiceName = "fr.velkor.VelkorPlayer";
    static constexpr const char* kObjectPath = "/fr/velkor/VelkorPlayer";
    static constexpr int kCallTimeoutMs = 5000;

    explicit SingleInstance(QDBusConnection bus = QDBusConnection::sessionBus());
    ~SingleInstance() override;

    // Claims the name, or hands `paths` (absolute) to the player that holds
    // it: the exit code when this program should end now (0 once handed over,
    // 1 when the running player did not answer), std::nullopt to run.
    std::optional<int> claimOrHandOver(const QStringList& paths);

    // The player that requests go to, once it exists, and its window; requests
    // that came earlier wait for the window's load to finish.
    void serve(PlayerCore& core, QWidget& window);
    // An ending player takes no more files: once the main window has unloaded
    // the name goes, and the next start runs on its own.
    void playerLoadStateChanged(PlayerCore::LoadState state);

public Q_SLOTS:
    // Over the bus: file:// URIs of the files to play, none to show the window.
    // True when the request was taken.
    Q_SCRIPTABLE bool Open(const QStringList& uris);

private:
    void applyPending();

    QDBusConnection m_bus;
    bool m_owner = false;
    PlayerCore* m_core = nullptr;
    QPointer<QWidget> m_window;
    QList<QStringList> m_pending;
};
