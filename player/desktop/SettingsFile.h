// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// The settings file read and written the way the playlist is. QSettings keeps
// the INI format, but it works on a private copy: the file itself is read only
// when it is a regular file (through links), without blocking and with a
// bound, and it is replaced by one checked, synced, atomic write under its
// lock. A lock that cannot be had quickly, a file that is something else than
// a regular file, or a failed write leaves the file as it was.
class SettingsFile {
public:
    // The file's largest size that is read; ten options take a few hundred bytes.
    static constexpr qint64 kMaxBytes = 1024 * 1024;
    // How long a save waits for another writer's lock.
    static constexpr int kLockWaitMs = 1000;

    explicit SettingsFile(const QString& path);
    ~SettingsFile();

    // The settings as read (empty when the file is missing or was refused);
    // changes stay in memory until commit().
    QSettings& store() { return *m_store; }

    // Writes the settings to the file; false, with a line on standard error,
    // when they were kept in memory only.
    bool commit();

private:
    QString m_path;
    QTemporaryDir m_folder;
    std::unique_ptr<QSettings> m_store;
};
