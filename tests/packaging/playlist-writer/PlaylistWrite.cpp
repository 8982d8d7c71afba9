// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// velkor-playlist-write FILE ENTRY...: writes a playlist with the player's own
// writer, for the test that asks the desktop what type the file is.
#include "core/PlaylistFile.h"

#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: velkor-playlist-write FILE ENTRY...\n", stderr);
        return 2;
    }
    QStringList entries;
    for (int i = 2; i < argc; ++i)
        entries.append(QString::fromLocal8Bit(argv[i]));
    if (!PlaylistFile::write(QString::fromLocal8Bit(argv[1]), entries)) {
        std::fprintf(stderr, "velkor-playlist-write: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
