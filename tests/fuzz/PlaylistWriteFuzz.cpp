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

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// Every input is synced to the disk: on a memory file system that costs
// nothing, so the work goes there when the machine has one.
QString workFolder()
{
    const bool memory = QFileInfo(QStringLiteral("/dev/shm")).isWritable();
    if (memory)
        qputenv("TMPDIR", "/dev/shm");
    return QDir::tempPath() + QStringLiteral("/velkor-fuzz-XXXXXX");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    static QTemporaryDir folder(workFolder());
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
