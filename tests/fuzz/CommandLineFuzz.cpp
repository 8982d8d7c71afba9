// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line on any arguments: each argument gives at most one path or
// warning, every path is absolute and clean, and the paths given again (after
// "--") come back unchanged.
#include "FuzzCheck.h"

#include "desktop/CommandLine.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    // Arguments are separated by NUL bytes, as in /proc/PID/cmdline.
    QStringList arguments { QStringLiteral("velkor-player") };
    for (const QByteArrayView argument : bytesOf(data, size).toByteArray().split('\0'))
        arguments << QString::fromLocal8Bit(argument);
    const QString folder = QStringLiteral("/home/user/Musique");

    const CommandLine line = CommandLine::parse(arguments, folder);
    if (line.action != CommandLine::Action::Run) {
        require(line.paths.isEmpty() && line.warnings.isEmpty(), "help and version run nothing");
        return 0;
    }
    require(line.paths.size() + line.warnings.size() < arguments.size(),
            "at most one path or warning an argument");
    for (const QString& path : line.paths) {
        require(path.startsWith(u'/'), "paths are absolute");
        require(QDir::cleanPath(path) == path, "paths are clean");
    }

    QStringList again { QStringLiteral("velkor-player"), QStringLiteral("--") };
    again << line.paths;
    const CommandLine reparsed = CommandLine::parse(again, QStringLiteral("/elsewhere"));
    require(reparsed.paths == line.paths, "absolute paths are taken as they are");
    require(reparsed.warnings.isEmpty(), "absolute paths give no warning");
    return 0;
}
