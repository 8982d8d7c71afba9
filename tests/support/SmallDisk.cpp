// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/SmallDisk.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool writeText(const char* path, const QByteArray& text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    return ok;
}

bool enterMountNamespace()
{
    if (::geteuid() == 0)
        return ::unshare(CLONE_NEWNS) == 0;
    const QByteArray uid = QByteArray::number(::geteuid());
    const QByteArray gid = QByteArray::number(::getegid());
    return ::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0
        && writeText("/proc/self/uid_map", "0 " + uid + " 1")
        && writeText("/proc/self/setgroups", "deny")
        && writeText("/proc/self/gid_map", "0 " + gid + " 1");
}

} // namespace

bool runOnSmallDisk(const QString& folder, int kib, const std::function<bool()>& work)
{
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        const QByteArray where = QFile::encodeName(folder);
        const QByteArray options = "size=" + QByteArray::number(kib) + "k";
        if (!enterMountNamespace()
            || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || ::mount("tmpfs", where.constData(), "tmpfs", 0, options.constData()) != 0) {
            std::fprintf(stderr, "no small file system at %s: %s\n", where.constData(),
                         std::strerror(errno));
            ::_exit(2);
        }
        // The child leaves at once: it must not run the parent's exit handlers.
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool fillDisk(const QString& folder, qint64 leaveBytes)
{
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/filler"));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'x');
    qint64 size = 0;
    bool full = false;
    for (;;) {
        const ssize_t n = ::write(fd, block.constData(), size_t(block.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            full = n < 0 && errno == ENOSPC;
            break;
        }
        size += n;
    }
    const bool ok = full && size >= leaveBytes && ::ftruncate(fd, size - leaveBytes) == 0;
    ::close(fd);
    return ok;
}
