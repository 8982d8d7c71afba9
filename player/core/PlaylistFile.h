// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// The playlist file format, shared by the user's .lst files and lastlist.lst:
// one entry per line, written as a double-quoted string followed by CR LF; the
// bytes between the quotes are the file system's bytes of the entry.
//
// The reader takes what people write by hand too: fields separated by commas or
// line ends (CR LF, LF or CR), a quoted field running to its closing quote (or
// to the end of its line when the quote is never closed), an unquoted field
// running to the next comma or line end with its leading blanks skipped.
class PlaylistFile {
public:
    // The most entries a playlist holds; the reader silently keeps the first ones.
    static constexpr int kMaxEntries = 32767;

    enum class Fields {
        AsWritten, // every field as written ("&Charger")
        CanonicalNumbers // unquoted numeric fields become their number's text (lastlist.lst)
    };

    static QStringList parse(QByteArrayView bytes, Fields fields = Fields::AsWritten);
    // Whether format() writes the entry in a form parse() reads back as
    // itself: not so for a line break, nor for a double quote together with a
    // comma or a leading blank or quote.
    static bool isWritable(const QString& entry);
    static QByteArray format(const QStringList& entries);

    // std::nullopt when the file cannot be opened or read.
    static std::optional<QStringList> read(const QString& path, Fields fields = Fields::AsWritten);
    // Writes atomically: the old file stays exactly as it was unless the whole
    // new contents reached the disk.
    static bool write(const QString& path, const QStringList& entries);

    // The canonical text of an unquoted field that reads as a number ("007" is
    // "7", "1.50" is "1.5"), or std::nullopt when it is not a number.
    static std::optional<QString> canonicalNumber(const QString& field);
};
