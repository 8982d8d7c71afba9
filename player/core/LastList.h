// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class PlaylistModel;

// The automatic playlist lastlist.lst: restored at start-up and written back at
// exit, in the user's data folder ($XDG_DATA_HOME/velkor-player/), since the
// program's own folder is read-only once installed.
class LastList {
public:
    enum class Restore {
        Restored, // the file was read (also when it was empty)
        Missing, // no file yet: the first run
        Unreadable // a file is there but could not be read; it must not be overwritten
    };

    // The folder, created when it is missing.
    static QString folder();
    static QString path();

    // Empties the playlist and fills it from the file; unquoted numeric fields
    // come back as their number's text. Only a regular file is read (a FIFO, a
    // device, a folder or a link to nothing is Unreadable), without waiting on
    // its open, and no further than a bounded number of bytes actually read.
    static Restore restore(PlaylistModel& playlist);
    // Atomic: on any failure the old file stays exactly as it was. Refuses to
    // replace anything at the file's place that is not a regular file.
    static bool save(const QStringList& entries);
};
