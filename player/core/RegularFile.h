// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Files the player reads at start-up from folders other people or programs can
// touch: only a regular file is read, without waiting on its open, and only so
// far, so that a FIFO, a device or an endless file cannot hold the start-up.
class RegularFile {
public:
    // What stands at a path: nothing (a first run), a regular file (directly
    // or through links), or anything else, which the player neither reads nor
    // replaces (a FIFO, a device, a folder, a link to nothing).
    enum class Kind { Missing, Regular, Other };

    static Kind kindOf(const QString& path);

    // The file's bytes, at most maxBytes of them, counted as they arrive (the
    // size a file reports says nothing about how much reading it gives);
    // std::nullopt when it is not a regular file or cannot be read.
    static std::optional<QByteArray> read(const QString& path, qint64 maxBytes);
};
