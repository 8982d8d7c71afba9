#include "core/LastList.h"

#include "core/PlaylistModel.h"
#include "core/PlaylistFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A playlist of the most entries, each a path of the system's longest length,
// is well below this; a bigger file is read only this far.
constexpr qint64 kMaxBytes = qint64(256) * 1024 * 1024;
constexpr qint64 kChunk = 64 * 1024;

// What stands at the file's place: nothing (the first run), a regular file
// (directly or through links), or anything else, which the player neither
// reads nor replaces (a FIFO, a device, a folder, a link to nothing).
enum class Kind { Missing, Regular, Other };

Kind kindOf(const QByteArray& path)
{
    struct stat target { };
    if (::stat(path.constData(), &target) == 0)
        return S_ISREG(target.st_mode) ? Kind::Regular : Kind::Other;
    struct stat link { };
    if (errno == ENOENT && ::lstat(path.constData(), &link) != 0 && errno == ENOENT)
        return Kind::Missing;
    return Kind::Other;
}

// The file's bytes, at most kMaxBytes of them, counted as they arrive: the size
// a file reports says nothing about how much reading it gives.
std::optional<QByteArray> readBounded(const QByteArray& path)
{
    // Non-blocking, so that a FIFO put there after the check cannot hold the
    // start-up on its open; what was opened is checked again.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat opened { };
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes;
    bool failed = false;
    while (bytes.size() < kMaxBytes) {
        const qsizetype before = bytes.size();
        const qsizetype want = qsizetype(std::min(kChunk, kMaxBytes - before));
        bytes.resize(before + want);
        const ssize_t got = ::read(fd, bytes.data() + before, size_t(want));
        if (got < 0 && errno == EINTR) {
            bytes.resize(before);
            continue;
        }
        bytes.resize(before + std::max<ssize_t>(got, 0));
        if (got <= 0) {
            failed = got < 0;
            break;
        }
    }
    ::close(fd);
    if (failed)
        return std::nullopt;
    return bytes;
}

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
    const QByteArray file = QFile::encodeName(path());
    playlist.Clear();
    switch (kindOf(file)) {
    case Kind::Missing:
        return Restore::Missing;
    case Kind::Other:
        return Restore::Unreadable;
    case Kind::Regular:
        break;
    }
    const std::optional<QByteArray> bytes = readBounded(file);
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
    if (kindOf(QFile::encodeName(file)) == Kind::Other)
        return false;
    return PlaylistFile::write(file, entries);
}
