// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// playlist_writer PATH ROUND: writes the full playlist of ROUND (see
// playlistOfRound) to PATH through PlaylistFile, the way the player writes
// lastlist.lst at exit, over and over until it is killed. Prints "writing"
// once before the first write so the killer knows it has begun.
#include "PlaylistWriterList.h"

#include "core/PlaylistFile.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int round = std::atoi(argv[2]);
    // Two lists a round, written in turn, so that a kill at any moment falls
    // in the middle of some write or between two.
    const QStringList lists[2] = { playlistOfRound(round, 0), playlistOfRound(round, 1) };
    std::puts("writing");
    std::fflush(stdout);
    for (int i = 0;; ++i) {
        if (!PlaylistFile::write(path, lists[i % 2]))
            return 1;
    }
}
