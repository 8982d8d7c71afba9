// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AtomicFile.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// A new file beside `target`, created exclusively, with the old file's
// permissions when there is one (the user's umask otherwise).
int createBeside(const QByteArray& target, QByteArray* temporary)
{
    struct stat old { };
    const bool hasOld = ::stat(target.constData(), &old) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = target + ".tmp-" + QByteArray::number(::getpid()) + '-'
            + QByteArray::number(attempt);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                              hasOld ? (old.st_mode & 07777) : 0666);
        if (fd >= 0) {
            if (hasOld)
                (void)::fchmod(fd, old.st_mode & 07777);
            *temporary = name;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

void syncFolderOf(const QByteArray& file)
{
    const qsizetype slash = file.lastIndexOf('/');
    const QByteArray folder = slash > 0 ? file.left(slash) : QByteArray(slash == 0 ? "/" : ".");
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

} // namespace

QString AtomicFile::target(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat link { };
    if (::lstat(name.constData(), &link) != 0)
        return errno == ENOENT ? path : QString();
    if (!S_ISLNK(link.st_mode))
        return S_ISREG(link.st_mode) ? path : QString();
    char resolved[PATH_MAX];
    struct stat end { };
    if (!::realpath(name.constData(), resolved) || ::stat(resolved, &end) != 0 || !S_ISREG(end.st_mode))
        return QString();
    return QFile::decodeName(resolved);
}

bool AtomicFile::write(const QString& path, QByteArrayView bytes)
{
    const QString resolved = target(path);
    if (resolved.isEmpty())
        return false;
    const QByteArray file = QFile::encodeName(resolved);
    QByteArray temporary;
    const int fd = createBeside(file, &temporary);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, bytes.data(), bytes.size());
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    // The file at the place may have become something else meanwhile: only a
    // regular file (or none) is replaced.
    struct stat now { };
    if (ok && ::lstat(file.constData(), &now) == 0 && !S_ISREG(now.st_mode))
        ok = false;
    ok = ok && ::rename(temporary.constData(), file.constData()) == 0;
    if (!ok) {
        ::unlink(temporary.constData());
        return false;
    }
    syncFolderOf(file);
    return true;
}
