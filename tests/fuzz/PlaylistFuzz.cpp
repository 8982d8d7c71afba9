// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The playlist reader and writer on any bytes: reading what was written gives
// the same entries and the same file, the bytes of a name come back unchanged,
// and no file yields more entries than a playlist holds.
#include "FuzzCheck.h"

#include "core/FileNameCodec.h"
#include "core/PlaylistFile.h"
#include "core/PlaylistModel.h"

#include <QHash>
#include <QSet>

namespace {

void checkRoundTrip(QByteArrayView bytes, PlaylistFile::Fields fields)
{
    const QStringList once = PlaylistFile::parse(bytes, fields);
    require(once.size() <= PlaylistFile::kMaxEntries, "count <= kMaxEntries");
    const QByteArray written = PlaylistFile::format(once);
    const QStringList twice = PlaylistFile::parse(written, fields);
    require(twice == once, "parse(format(parse(x))) == parse(x)");
    require(PlaylistFile::format(twice) == written, "format is stable");
}

// The input, less what cannot be inside quotes, as the one name of a file
// written the program's way: that file is a fixed point of read and write.
void checkNameBytes(QByteArrayView bytes)
{
    QByteArray name;
    for (const char c : bytes) {
        if (c != '"' && c != '\r' && c != '\n')
            name.append(c);
    }
    const QByteArray file = '"' + name + "\"\r\n";
    const QStringList entries = PlaylistFile::parse(file);
    require(entries.size() == 1, "one quoted line is one entry");
    require(PlaylistFile::format(entries) == file, "name bytes kept");
}

// The input cut at NUL bytes into names, line breaks and all, given to the
// playlist as files are added: whatever it keeps is written and read back as
// exactly those entries, and every name that would read back is kept.
void checkAddedNames(QByteArrayView bytes)
{
    QStringList names;
    for (const QByteArrayView part : QByteArray(bytes.toByteArray()).split('\0'))
        names << FileNameCodec::decode(part);
    PlaylistModel playlist;
    playlist.AppendMany(names);
    const QStringList kept = playlist.Entries();
    for (const QString& name : kept)
        require(PlaylistFile::isWritable(name), "only writable names kept");
    require(PlaylistFile::parse(PlaylistFile::format(kept)) == kept, "added names read back");
    const QSet<QString> keptNames(kept.begin(), kept.end());
    for (const QString& name : names) {
        if (!keptNames.contains(name) && kept.size() < PlaylistFile::kMaxEntries)
            require(PlaylistFile::parse(PlaylistFile::format({ name })) != QStringList { name },
                    "a name that reads back is kept");
    }
}

// A short input repeated far past the cap: the reader stops at the cap. Costly,
// so only a share of the inputs (picked by their hash, the same on every run).
void checkCap(QByteArrayView bytes)
{
    if (bytes.size() > 16 || qHash(bytes) % 32 != 0)
        return;
    const QByteArray unit = bytes.toByteArray() + '\n';
    const QByteArray big = unit.repeated(PlaylistFile::kMaxEntries + 1);
    const QStringList entries = PlaylistFile::parse(big);
    // Each copy ends in a line end, so it holds at least one field of its own.
    require(entries.size() == PlaylistFile::kMaxEntries, "the reader keeps the first kMaxEntries");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArrayView bytes = bytesOf(data, size);
    checkRoundTrip(bytes, PlaylistFile::Fields::AsWritten);
    checkRoundTrip(bytes, PlaylistFile::Fields::CanonicalNumbers);
    checkNameBytes(bytes);
    checkAddedNames(bytes);
    checkCap(bytes);
    return 0;
}
