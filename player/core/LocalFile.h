// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The file system seen through playlist entries: each entry is turned into the
// name's bytes with FileNameCodec, so a name that is not UTF-8 reaches the
// system exactly as it was read. (Qt's own file classes would turn it into
// other bytes.)
namespace LocalFile {

struct Info {
    bool exists = false;
    bool isFile = false; // a regular file, or a link to one
    bool isDir = false;
    bool isReadable = false;
    qint64 size = 0;
};

// The bytes of path made absolute against the current folder.
QByteArray absoluteName(const QString& path);

Info stat(const QString& path);

// The first maxBytes bytes of the file at most; nullopt when it cannot be read.
std::optional<QByteArray> read(const QString& path, qint64 maxBytes);

} // namespace LocalFile
