// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Finds the video CD drive in a mount table (the format of /proc/self/mounts:
// device, mount point, file system type, options, one mount a line, blanks in
// fields written as octal escapes such as \040).
class CdDrive {
public:
    // The mount point, with a trailing "/", of the first mounted optical disc:
    // a device /dev/sr* or /dev/cdrom*, or an iso9660 or udf file system.
    // "" when the table lists none. Lines that are not mounts are skipped.
    static QString fromMountTable(const QByteArray& table);

    // A field of the mount table with its three-digit octal escapes decoded;
    // a backslash that starts no such escape is kept as it is.
    static QByteArray decodeField(const QByteArray& field);

    static bool isOpticalDisc(const QByteArray& device, const QByteArray& fsType);
};
