// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CdDrive.h"

#include "core/FileNameCodec.h"

#include <QList>

#include <utility>

namespace {

bool isOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

// The blank-separated fields of one line of the table.
QList<QByteArray> fieldsOf(const QByteArray& line)
{
    QList<QByteArray> fields;
    QByteArray field;
    for (const char c : line) {
        if (c == ' ' || c == '\t') {
            if (!field.isEmpty())
                fields.append(std::exchange(field, {}));
        } else {
            field.append(c);
        }
    }
    if (!field.isEmpty())
        fields.append(field);
    return fields;
}

} // namespace

QByteArray CdDrive::decodeField(const QByteArray& field)
{
    QByteArray decoded;
    decoded.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c == '\\' && i + 3 < field.size() && isOctalDigit(field.at(i + 1))
            && isOctalDigit(field.at(i + 2)) && isOctalDigit(field.at(i + 3))) {
            const int value = (field.at(i + 1) - '0') * 64 + (field.at(i + 2) - '0') * 8
                + (field.at(i + 3) - '0');
            if (value <= 0xff) {
                decoded.append(char(value));
                i += 3;
                continue;
            }
        }
        decoded.append(c);
    }
    return decoded;
}

bool CdDrive::isOpticalDisc(const QByteArray& device, const QByteArray& fsType)
{
    return device.startsWith("/dev/sr") || device.startsWith("/dev/cdrom") || fsType == "iso9660"
        || fsType == "udf";
}

QString CdDrive::fromMountTable(const QByteArray& table)
{
    for (const QByteArray& line : table.split('\n')) {
        const QList<QByteArray> fields = fieldsOf(line);
        if (fields.size() < 3 || fields.at(0).startsWith('#'))
            continue;
        const QByteArray mountPoint = decodeField(fields.at(1));
        // Only an absolute mount point can be searched from anywhere.
        if (!mountPoint.startsWith('/'))
            continue;
        if (!isOpticalDisc(decodeField(fields.at(0)), fields.at(2)))
            continue;
        QString root = FileNameCodec::decode(mountPoint);
        if (!root.endsWith(QLatin1Char('/')))
            root += QLatin1Char('/');
        return root;
    }
    return QString();
}
