// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/LastList.h"

#include "core/PlaylistModel.h"
#include "core/PlaylistFile.h"
#include "core/RegularFile.h"

#include <QDir>
#include <QStandardPaths>

#include <optional>

namespace {

// A playlist of the most entries, each a path of the system's longest length,
// is well below this; a bigger file is read only this far.
constexpr qint64 kMaxBytes = qint64(256) * 1024 * 1024;

} // namespace

QString LastList::folder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString dir = base + QStringLiteral("/velkor-player");
    QDir().mkpath(dir);
    return dir;
}

QString LastList::path()
{
    return folder() + QStringLiteral("/lastlist.lst");
}

LastList::Restore LastList::restore(PlaylistModel& playlist)
{
    const QString file = path();
    playlist.Clear();
    switch (RegularFile::kindOf(file)) {
    case RegularFile::Kind::Missing:
        return Restore::Missing;
    case RegularFile::Kind::Other:
        return Restore::Unreadable;
    case RegularFile::Kind::Regular:
        break;
    }
    const std::optional<QByteArray> bytes = RegularFile::read(file, kMaxBytes);
    if (!bytes)
        return Restore::Unreadable;
    playlist.AppendMany(PlaylistFile::parse(*bytes, PlaylistFile::Fields::CanonicalNumbers));
    return Restore::Restored;
}

bool LastList::save(const QStringList& entries)
{
    // The atomic write would rename a new file over whatever is there; only a
    // regular file, or none yet, is the player's to replace.
    const QString file = path();
    if (RegularFile::kindOf(file) == RegularFile::Kind::Other)
        return false;
    return PlaylistFile::write(file, entries);
}
