#include "core/LastList.h"

#include "core/PlaylistModel.h"
#include "core/PlaylistFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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
    if (!QFileInfo::exists(file)) {
        playlist.Clear();
        return Restore::Missing;
    }
    const std::optional<QStringList> entries
        = PlaylistFile::read(file, PlaylistFile::Fields::CanonicalNumbers);
    if (!entries)
        return Restore::Unreadable;
    playlist.Clear();
    playlist.AppendMany(*entries);
    return Restore::Restored;
}

bool LastList::save(const QStringList& entries)
{
    return PlaylistFile::write(path(), entries);
}
