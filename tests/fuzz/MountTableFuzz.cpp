// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The mount-table reader on any bytes, and on tables whose mount point is any
// name written with the table's octal escapes.
#include "FuzzCheck.h"

#include "core/CdDrive.h"
#include "core/FileNameCodec.h"

namespace {

// How the kernel writes a field: blanks, line ends and backslashes as \ooo.
QByteArray escaped(QByteArrayView field)
{
    QByteArray out;
    for (const char c : field) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\\') {
            const unsigned u = static_cast<unsigned char>(c);
            out += '\\';
            out += char('0' + (u >> 6));
            out += char('0' + ((u >> 3) & 7));
            out += char('0' + (u & 7));
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size).toByteArray();

    const QString found = CdDrive::fromMountTable(bytes);
    require(found.isEmpty() || (found.startsWith(u'/') && found.endsWith(u'/')),
            "a mount point is absolute and ends in /");
    require(CdDrive::decodeField(bytes).size() <= bytes.size(), "decoding never grows a field");
    require(CdDrive::decodeField(escaped(bytes)) == bytes, "escapes decode to their bytes");

    // The input as the mount point of a disc, after a line that is no mount.
    QByteArray name = bytes;
    name.replace('\0', '_');
    name.prepend('/');
    const QByteArray table = "garbage\n/dev/sr0 " + escaped(name) + " iso9660 ro 0 0\n";
    QByteArray expected = name;
    if (!expected.endsWith('/'))
        expected += '/';
    require(FileNameCodec::encode(CdDrive::fromMountTable(table)) == expected,
            "escaped mount point found whole, with its bytes");
    return 0;
}
