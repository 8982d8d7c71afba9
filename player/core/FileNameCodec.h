// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QUrl;

// File names are bytes on Linux, normally UTF-8 but not always. Playlist
// entries keep them as text: valid UTF-8 decodes as usual, and every byte that
// is not part of a valid UTF-8 sequence becomes the lone surrogate U+DC80 +
// (byte - 0x80), so encoding gives back exactly the bytes that were read.
// Other code can hand such a name to the file system with encode().
class FileNameCodec {
public:
    static QString decode(QByteArrayView bytes);
    static QByteArray encode(const QString& text);
    static void appendEncoded(QByteArray& out, const QString& text);
    // The name as a person reads it: each byte that is not UTF-8 is shown as
    // the Latin-1 character of that byte, the usual meaning of such names
    // ("caf\xe9" reads "café"). Only for showing: it does not encode back.
    static QString readable(const QString& text);
    // The path of a file:// URL as an entry: its percent-escapes are the
    // name's bytes, whatever their encoding. (QUrl's own decoding replaces
    // bytes that are not UTF-8.)
    static QString fromLocalUrl(const QUrl& url);
    // The file:// URL of an absolute entry, its bytes percent-escaped, so that
    // fromLocalUrl gives the entry back (for MPRIS and other desktop peers).
    static QByteArray toLocalUrl(const QString& entry);
};
