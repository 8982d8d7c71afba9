// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RegularFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kChunk = 64 * 1024;

} // namespace

RegularFile::Kind RegularFile::kindOf(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat target { };
    if (::stat(name.constData(), &target) == 0)
        return S_ISREG(target.st_mode) ? Kind::Regular : Kind::Other;
    struct stat link { };
    if (errno == ENOENT && ::lstat(name.constData(), &link) != 0 && errno == ENOENT)
        return Kind::Missing;
    return Kind::Other;
}

std::optional<QByteArray> RegularFile::read(const QString& path, qint64 maxBytes)
{
    // Non-blocking, so that a FIFO put there after a check cannot hold the
    // caller on its open; what was opened is checked again.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat opened { };
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes;
    bool failed = false;
    while (bytes.size() < maxBytes) {
        const qsizetype before = bytes.size();
        const qsizetype want = qsizetype(std::min(kChunk, maxBytes - before));
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
