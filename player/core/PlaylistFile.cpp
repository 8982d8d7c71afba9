// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/PlaylistFile.h"

#include "core/AtomicFile.h"
#include "core/FileNameCodec.h"

#include <QFile>
#include <QRegularExpression>

#include <cmath>

namespace {

// A playlist of kMaxEntries paths of the system's longest length is well below
// this; a bigger file is read only this far.
constexpr qint64 kMaxFileBytes = qint64(256) * 1024 * 1024;

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Reads one field starting at pos and moves pos past its delimiter.
struct Field {
    QByteArrayView bytes;
    bool quoted = false;
};

Field nextField(QByteArrayView data, qsizetype& pos)
{
    const qsizetype n = data.size();
    const char* d = data.data();
    while (pos < n && (d[pos] == ' ' || d[pos] == '\t'))
        ++pos;

    Field field;
    qsizetype stop = pos; // where the delimiter search starts
    if (pos < n && d[pos] == '"') {
        const qsizetype start = pos + 1;
        qsizetype close = start;
        while (close < n && d[close] != '"' && !isLineEnd(d[close]))
            ++close;
        field.bytes = data.sliced(start, close - start);
        field.quoted = true;
        stop = close < n && d[close] == '"' ? close + 1 : close;
        // Whatever follows the closing quote up to the delimiter is dropped.
        while (stop < n && d[stop] != ',' && !isLineEnd(d[stop]))
            ++stop;
    } else {
        while (stop < n && d[stop] != ',' && !isLineEnd(d[stop]))
            ++stop;
        field.bytes = data.sliced(pos, stop - pos);
    }

    if (stop < n) {
        if (d[stop] == '\r' && stop + 1 < n && d[stop + 1] == '\n')
            ++stop;
        ++stop;
    }
    pos = stop;
    return field;
}

bool needsBareForm(const QString& entry)
{
    // An entry holding a double quote cannot be quoted without cutting it at
    // that quote; written bare it reads back whole, provided nothing else in it
    // would end or change an unquoted field.
    if (!entry.contains(QLatin1Char('"')))
        return false;
    if (entry.contains(QLatin1Char(',')) || entry.contains(QLatin1Char('\r'))
        || entry.contains(QLatin1Char('\n')))
        return false;
    const QChar first = entry.front();
    return first != QLatin1Char(' ') && first != QLatin1Char('\t') && first != QLatin1Char('"');
}

} // namespace

std::optional<QString> PlaylistFile::canonicalNumber(const QString& field)
{
    static const QRegularExpression integer(QStringLiteral("^([+-]?)0*(\\d+)$"));
    static const QRegularExpression decimal(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));

    const QString text = field.trimmed();
    if (text.isEmpty() || text.size() > 400)
        return std::nullopt;
    // Whole numbers keep every digit, however long.
    if (const auto m = integer.match(text); m.hasMatch()) {
        const QString digits = m.captured(2);
        if (digits == QLatin1String("0"))
            return QStringLiteral("0");
        return m.captured(1) == QLatin1String("-") ? QLatin1Char('-') + digits : digits;
    }
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}

bool PlaylistFile::isWritable(const QString& entry)
{
    if (entry.contains(QLatin1Char('\r')) || entry.contains(QLatin1Char('\n')))
        return false;
    return !entry.contains(QLatin1Char('"')) || needsBareForm(entry);
}

QStringList PlaylistFile::parse(QByteArrayView bytes, Fields fields)
{
    QStringList entries;
    qsizetype pos = 0;
    while (pos < bytes.size() && entries.size() < kMaxEntries) {
        const Field field = nextField(bytes, pos);
        QString text = FileNameCodec::decode(field.bytes);
        if (fields == Fields::CanonicalNumbers && !field.quoted) {
            if (auto number = canonicalNumber(text))
                text = *number;
        }
        entries.append(std::move(text));
    }
    return entries;
}

QByteArray PlaylistFile::format(const QStringList& entries)
{
    QByteArray out;
    qsizetype size = 0;
    for (const QString& entry : entries)
        size += 3 * entry.size() + 4; // room for the widest encoding
    out.reserve(size);
    for (const QString& entry : entries) {
        const bool quote = !needsBareForm(entry);
        if (quote)
            out.append('"');
        FileNameCodec::appendEncoded(out, entry);
        if (quote)
            out.append('"');
        out.append("\r\n", 2);
    }
    return out;
}

std::optional<QStringList> PlaylistFile::read(const QString& path, Fields fields)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // read(n) would reserve all n bytes up front; a file of normal size is read whole.
    const QByteArray bytes
        = file.size() > kMaxFileBytes ? file.read(kMaxFileBytes) : file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return parse(bytes, fields);
}

bool PlaylistFile::write(const QString& path, const QStringList& entries)
{
    return AtomicFile::write(path, format(entries));
}
