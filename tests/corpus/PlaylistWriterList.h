// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/PlaylistFile.h"

#include <QStringList>

// The playlists of the crash-safety test: a full list (the most entries a
// playlist holds) whose every entry names its round and variant, so that a
// file made of pieces of two writes is told apart from a whole one.
inline QStringList playlistOfRound(int round, int variant)
{
    QStringList entries;
    entries.reserve(PlaylistFile::kMaxEntries);
    const QString prefix = QStringLiteral("/home/user/Musique/tour %1/variante %2/piste ")
                               .arg(round)
                               .arg(variant);
    for (int i = 0; i < PlaylistFile::kMaxEntries; ++i)
        entries << prefix + QString::number(i) + QStringLiteral(" — été.mp3");
    return entries;
}
