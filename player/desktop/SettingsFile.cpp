// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/SettingsFile.h"

#include "core/AtomicFile.h"
#include "core/FileNameCodec.h"
#include "core/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cstdio>
#include <optional>

namespace {

void logKept(const QString& path, const char* why)
{
    std::fprintf(stderr, "velkor-player : réglages non enregistrés dans %s : %s\n",
                 FileNameCodec::encode(path).constData(), why);
}

// Writes bytes to a new private file; false when they did not all get there.
bool writeCopy(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

} // namespace

SettingsFile::SettingsFile(const QString& path)
    : m_path(path)
{
    // QSettings reads its INI text from a private copy of the bytes that
    // were read the safe way; without a private folder it starts empty.
    const QString copy = m_folder.isValid() ? m_folder.filePath(QStringLiteral("settings.ini")) : QString();
    if (!copy.isEmpty() && RegularFile::kindOf(path) == RegularFile::Kind::Regular) {
        if (const std::optional<QByteArray> bytes = RegularFile::read(path, kMaxBytes))
            writeCopy(copy, *bytes);
    }
    m_store = std::make_unique<QSettings>(copy.isEmpty() ? QStringLiteral("/nonexistent/settings.ini") : copy,
                                          QSettings::IniFormat);
}

SettingsFile::~SettingsFile() = default;

bool SettingsFile::commit()
{
    if (!m_folder.isValid()) {
        logKept(m_path, "copie de travail impossible");
        return false;
    }
    // A fresh file of what was read and changed: the store's own status
    // keeps a format error of the file it read, which would stop its writes
    // for good, and a damaged file is replaced by a sound one.
    const QString written = m_folder.filePath(QStringLiteral("written.ini"));
    {
        QSettings out(written, QSettings::IniFormat);
        for (const QString& key : m_store->allKeys())
            out.setValue(key, m_store->value(key));
        out.sync();
        if (out.status() != QSettings::NoError) {
            logKept(m_path, "copie de travail impossible");
            return false;
        }
    }
    const std::optional<QByteArray> bytes = RegularFile::read(written, kMaxBytes);
    if (!bytes) {
        logKept(m_path, "copie de travail illisible");
        return false;
    }

    // A link is followed to the file it names, which is replaced in its own
    // folder; anything but a regular file there is left alone.
    const QString target = AtomicFile::target(m_path);
    if (target.isEmpty()) {
        logKept(m_path, "ce n'est pas un fichier ordinaire");
        return false;
    }
    QDir().mkpath(QFileInfo(target).absolutePath());

    // The lock other Qt programs take on this file. Something else than a
    // regular file at its place (a folder, a FIFO) would never let go.
    const QString lockPath = target + QStringLiteral(".lock");
    if (RegularFile::kindOf(lockPath) == RegularFile::Kind::Other) {
        logKept(m_path, "son verrou n'est pas un fichier ordinaire");
        return false;
    }
    QLockFile lock(lockPath);
    if (!lock.tryLock(kLockWaitMs)) {
        logKept(m_path, "verrou impossible à prendre");
        return false;
    }
    if (!AtomicFile::write(target, *bytes)) {
        logKept(m_path, "écriture impossible (disque plein ?)");
        return false;
    }
    return true;
}
