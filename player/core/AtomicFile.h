// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

// Replaces a file's contents as a whole or not at all: the bytes go to a new
// file in the same folder, every write is checked (a short write is a failure),
// the new file is synced to the disk and only then renamed over the old one.
// On any failure the new file is removed and the old one stays byte for byte,
// which is what a full disk needs (a buffered writer can lose its last flush
// without its caller knowing).
//
// A symbolic link at the path is followed: the file it resolves to is the one
// replaced, in its own folder, and the link stays. Nothing but a regular file,
// or no file yet, is replaced.
class AtomicFile {
public:
    static bool write(const QString& path, QByteArrayView bytes);

    // The file a write to `path` replaces: `path` itself, or the end of its
    // chain of links; empty when a link leads nowhere or to a folder.
    static QString target(const QString& path);
};
