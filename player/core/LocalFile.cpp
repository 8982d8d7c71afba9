// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/LocalFile.h"

#include "core/FileNameCodec.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace LocalFile {

QByteArray absoluteName(const QString& path)
{
    const QByteArray name = FileNameCodec::encode(path);
    if (name.startsWith('/'))
        return name;
    QByteArray folder = FileNameCodec::encode(QDir::currentPath());
    if (!folder.endsWith('/'))
        folder += '/';
    return folder + name;
}

Info stat(const QString& path)
{
    Info info;
    if (path.isEmpty())
        return info;
    const QByteArray name = FileNameCodec::encode(path);
    struct ::stat st;
    if (::stat(name.constData(), &st) != 0)
        return info;
    info.exists = true;
    info.isFile = S_ISREG(st.st_mode);
    info.isDir = S_ISDIR(st.st_mode);
    info.isReadable = ::access(name.constData(), R_OK) == 0;
    info.size = qint64(st.st_size);
    return info;
}

std::optional<QByteArray> read(const QString& path, qint64 maxBytes)
{
    const QByteArray name = FileNameCodec::encode(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace LocalFile
