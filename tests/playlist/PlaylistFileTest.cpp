// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The playlist file reader and writer: exact bytes, hand-written input, and
// input that is broken on purpose.
#include "core/FileNameCodec.h"
#include "core/PlaylistFile.h"
#include "core/PlaylistModel.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QByteArray bytes(const char* text)
{
    return QByteArray(text);
}

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

struct ParseCase {
    const char* name;
    QByteArray input;
    PlaylistFile::Fields fields;
    QStringList expected;
};

const PlaylistFile::Fields kAsWritten = PlaylistFile::Fields::AsWritten;
const PlaylistFile::Fields kNumbers = PlaylistFile::Fields::CanonicalNumbers;

} // namespace

TEST(PlaylistFile, WriterGivesExactBytes)
{
    const QByteArray twoEntries = PlaylistFile::format({ u("C:\\a.mp3"), u("D:\\b c.mp3") });
    EXPECT_EQ(twoEntries, bytes("\"C:\\a.mp3\"\r\n\"D:\\b c.mp3\"\r\n"));
    EXPECT_EQ(twoEntries.size(), 26);
    EXPECT_TRUE(PlaylistFile::format({}).isEmpty());
    EXPECT_EQ(PlaylistFile::format({ QString(), u("-") }), bytes("\"\"\r\n\"-\"\r\n"));
    EXPECT_EQ(PlaylistFile::format({ u("/m/été.mp3") }), bytes("\"/m/\xc3\xa9t\xc3\xa9.mp3\"\r\n"));
}

TEST(PlaylistFile, ReaderCases)
{
    const QList<ParseCase> cases = {
        { "the writer's form", bytes("\"C:\\a.mp3\"\r\n\"D:\\b c.mp3\"\r\n"), kAsWritten,
            { u("C:\\a.mp3"), u("D:\\b c.mp3") } },
        { "zero bytes", QByteArray(), kAsWritten, {} },
        { "blank line between two entries", bytes("\"a\"\r\n\r\n\"b\"\r\n"), kAsWritten,
            { u("a"), QString(), u("b") } },
        { "unquoted comma splits", bytes("C:\\x,y.mp3\r\n"), kAsWritten,
            { u("C:\\x"), u("y.mp3") } },
        { "quoted comma stays", bytes("\"C:\\x,y.mp3\"\r\n"), kAsWritten, { u("C:\\x,y.mp3") } },
        { "break entry bare", bytes("-\r\n"), kAsWritten, { u("-") } },
        { "break entry quoted", bytes("\"-\"\r\n"), kAsWritten, { u("-") } },
        { "LF-only line ends", bytes("/a.mp3\n\"/b.mp3\"\n"), kAsWritten,
            { u("/a.mp3"), u("/b.mp3") } },
        { "CR-only line ends", bytes("/a.mp3\r\"/b.mp3\"\r"), kAsWritten,
            { u("/a.mp3"), u("/b.mp3") } },
        { "last line without line end", bytes("\"/a\"\r\n/b c"), kAsWritten,
            { u("/a"), u("/b c") } },
        { "unmatched quote ends with its line", bytes("\"/a b\r\n/c\r\n"), kAsWritten,
            { u("/a b"), u("/c") } },
        { "text after the closing quote is dropped", bytes("\"/a\"junk,/b\r\n"), kAsWritten,
            { u("/a"), u("/b") } },
        { "leading blanks skipped", bytes("   /a.mp3\r\n \t\"/b\"\r\n"), kAsWritten,
            { u("/a.mp3"), u("/b") } },
        { "comma at the end of a line", bytes("/a,\r\n"), kAsWritten, { u("/a"), QString() } },
        { "comma at the end of the file", bytes("/a,"), kAsWritten, { u("/a") } },
        { "NUL bytes are kept", QByteArray("/a\0b\r\n", 6), kAsWritten,
            { QString::fromLatin1("/a\0b", 4) } },
        { "numbers as written", bytes("007\r\n\"007\"\r\n"), kAsWritten, { u("007"), u("007") } },
        { "unquoted numbers canonical", bytes("007\r\n\"007\"\r\n 1.50\r\n-0\r\n/007\r\n"),
            kNumbers, { u("7"), u("007"), u("1.5"), u("0"), u("/007") } },
        { "UTF-8 names", bytes("\"/m/\xc3\xa9t\xc3\xa9.mp3\"\r\n"), kAsWritten,
            { u("/m/été.mp3") } },
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(PlaylistFile::parse(c.input, c.fields), c.expected) << c.name;
}

TEST(PlaylistFile, CanonicalNumbers)
{
    const QList<std::pair<const char*, std::optional<QString>>> cases = {
        { "007", u("7") },
        { "-007", u("-7") },
        { "+5", u("5") },
        { "0000", u("0") },
        { "-0", u("0") },
        { "1.50", u("1.5") },
        { "1e3", u("1000") },
        { ".5", u("0.5") },
        { "123456789012345678901234567890", u("123456789012345678901234567890") },
        { "1.2.3", std::nullopt },
        { "12a", std::nullopt },
        { "-", std::nullopt },
        { "", std::nullopt },
        { "/music/1.mp3", std::nullopt },
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(PlaylistFile::canonicalNumber(u(text)), expected) << text;
}

TEST(PlaylistFile, EntriesSurviveAWriteAndARead)
{
    const QStringList entries = {
        u("/music/a.mp3"),
        u("/music/with, comma.mp3"),
        u("/music/he said \"hi\".mp3"), // a quote: written bare so it reads back whole
        u("  /leading blanks.mp3"),
        QString(),
        u("-"),
        u("007"),
        u("/ünï/çødé/日本.mp3"),
        FileNameCodec::decode("/bad/\xff\xfe\xc3(.mp3"),
    };
    EXPECT_EQ(PlaylistFile::parse(PlaylistFile::format(entries)), entries);
}

// A name with a line break would come back from the file as two entries (one
// with a quote and a comma, cut at the quote): the playlist refuses it when it is added, so what it holds always reads back.
TEST(PlaylistFile, NamesWithLineBreaksAreRefusedAndTheRestRoundTrips)
{
    PlaylistModel playlist;
    playlist.AppendMany({ u("/music/a.mp3"), u("/music/two\nlines.mp3"), u("/music/cr\r.mp3"),
                          u("/music/crlf\r\n.mp3"), u("/music/b.mp3"),
                          u("/music/\"quoted\", with comma.mp3") });
    playlist.Append(u("\n"));
    const QStringList kept = { u("/music/a.mp3"), u("/music/b.mp3") };
    EXPECT_EQ(playlist.Entries(), kept);
    EXPECT_EQ(PlaylistFile::parse(PlaylistFile::format(playlist.Entries())), kept);
}

TEST(PlaylistFile, InvalidUtf8KeepsItsBytes)
{
    const QList<QByteArray> names = {
        QByteArray("/a/\xff.mp3"),
        QByteArray("/a/\xc3.mp3"), // truncated sequence
        QByteArray("/a/\xc0\xaf.mp3"), // overlong "/"
        QByteArray("/a/\xed\xa0\x80.mp3"), // a surrogate
        QByteArray("/a/\xf4\x90\x80\x80"), // past U+10FFFF
        QByteArray("/a/\xe2\x82"), // cut at the end
        QByteArray("/a/\xf0\x9f\x8e\xb5 ok"),
    };
    for (const QByteArray& name : names) {
        const QByteArray file = "\"" + name + "\"\r\n";
        const QStringList entries = PlaylistFile::parse(file);
        ASSERT_EQ(entries.size(), 1) << name.toHex().constData();
        EXPECT_EQ(FileNameCodec::encode(entries.first()), name) << name.toHex().constData();
        EXPECT_EQ(PlaylistFile::format(entries), file);
    }
    EXPECT_EQ(FileNameCodec::decode("/a/\xf0\x9f\x8e\xb5"), u("/a/\xf0\x9f\x8e\xb5"));
}

TEST(PlaylistFile, BinaryGarbageNeitherCrashesNorInventsBytes)
{
    QRandomGenerator random(20261208);
    for (int round = 0; round < 20; ++round) {
        QByteArray garbage(64 * 1024, Qt::Uninitialized);
        for (char& c : garbage)
            c = char(random.bounded(256));
        const QStringList entries = PlaylistFile::parse(garbage);
        EXPECT_LE(entries.size(), PlaylistFile::kMaxEntries);
        for (const QString& entry : entries)
            EXPECT_TRUE(garbage.contains(FileNameCodec::encode(entry)));
    }
}

TEST(PlaylistFile, LongLinesAndLongFiles)
{
    const QByteArray megabyte(1024 * 1024, 'x');
    const QStringList one = PlaylistFile::parse("\"/" + megabyte + "\r\n/b\r\n");
    ASSERT_EQ(one.size(), 2);
    EXPECT_EQ(one.first().size(), megabyte.size() + 1);

    QByteArray many;
    for (int i = 0; i < 40000; ++i)
        many += "\"/m/" + QByteArray::number(i) + ".mp3\"\r\n";
    const QStringList first = PlaylistFile::parse(many);
    ASSERT_EQ(first.size(), PlaylistFile::kMaxEntries);
    EXPECT_EQ(first.last(), u("/m/32766.mp3"));
}

TEST(PlaylistFile, FilesOnDisk)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("list.lst"));
    const QStringList entries = { u("/a.mp3"), u("/b c.mp3") };

    ASSERT_TRUE(PlaylistFile::write(path, entries));
    EXPECT_EQ(PlaylistFile::read(path), entries);
    ASSERT_TRUE(PlaylistFile::write(path, {}));
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_EQ(PlaylistFile::read(path), QStringList());

    // Nothing to open: no entries, and the caller can tell.
    EXPECT_EQ(PlaylistFile::read(dir.filePath(QStringLiteral("missing.lst"))), std::nullopt);
    EXPECT_EQ(PlaylistFile::read(dir.path()), std::nullopt);
    EXPECT_FALSE(PlaylistFile::write(dir.filePath(QStringLiteral("no/such/dir/x.lst")), entries));
}

TEST(PlaylistFile, FailedWriteLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.lst"));
    ASSERT_TRUE(PlaylistFile::write(path, { u("/old.mp3") }));
    // Readable and searchable by everyone, writable by nobody.
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
        | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    QFile::setPermissions(dir.path(), readOnly);
    EXPECT_TRUE(runUnprivileged([&] {
        return !PlaylistFile::write(path, { u("/new.mp3") })
            && PlaylistFile::read(path) == QStringList { u("/old.mp3") };
    }));
    QFile::setPermissions(dir.path(), readOnly | QFileDevice::WriteOwner);
    EXPECT_EQ(PlaylistFile::read(path), QStringList { u("/old.mp3") });
}
