// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The playlist written to a file and read back as lastlist.lst is read: names
// cut from the input at NUL bytes (any bytes, line breaks too) are added as
// files are, saved through the atomic writer, and the file gives back exactly
// the playlist's entries.
#include "FuzzCheck.h"

#include "core/FileNameCodec.h"
#include "core/PlaylistFile.h"
#include "core/PlaylistModel.h"
#include "core/RegularFile.h"

#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    static QTemporaryDir folder;
    require(folder.isValid(), "a work folder");
    const QString path = folder.filePath(QStringLiteral("lastlist.lst"));

    QStringList names;
    for (const QByteArrayView part : QByteArray(bytesOf(data, size).toByteArray()).split('\0'))
        names << FileNameCodec::decode(part);
    PlaylistModel playlist;
    playlist.AppendMany(names);
    const QStringList& entries = playlist.Entries();

    require(PlaylistFile::write(path, entries), "the playlist is written");
    const std::optional<QByteArray> bytes = RegularFile::read(path, qint64(64) * 1024 * 1024);
    require(bytes && *bytes == PlaylistFile::format(entries), "the file holds what was formatted");
    require(PlaylistFile::parse(*bytes, PlaylistFile::Fields::CanonicalNumbers) == entries,
            "the file reads back as the playlist");
    return 0;
}
