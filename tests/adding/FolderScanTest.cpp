// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The folder scan: which files of a folder are taken, and in which order.
#include "TreeHelpers.h"
#include "core/FileNameCodec.h"
#include "core/FolderScan.h"
#include "core/MediaFilter.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

class FolderScanTest : public testing::Test {
protected:
    QStringList scan(const QString& folder) { return FolderScan::scan(folder, ScanPatterns); }

    QTemporaryDir m_dir;
    QString root() const { return m_dir.path(); }
};

TEST_F(FolderScanTest, PatternsInOrderThenNamesInOrder)
{
    touchAll(root(),
        { "b.avi", "a.mp3", "c.dat", "z.wma", "y.mpeg", "x.mpg", "w.wav", "B.mp3", "a.MP3",
            "notes.txt", "mp3", "dat.avi.txt" });
    EXPECT_EQ(scan(root()),
        under(root(),
            { "c.dat", "b.avi", "a.MP3", "a.mp3", "B.mp3", "x.mpg", "w.wav", "y.mpeg", "z.wma" }));
}

TEST_F(FolderScanTest, ExtensionsMatchWithoutRegardToCase)
{
    touchAll(root(), { "CLIP.MPG", "Song.Mp3", "TRACK.DAT" });
    EXPECT_EQ(scan(root()), under(root(), { "TRACK.DAT", "Song.Mp3", "CLIP.MPG" }));
}

TEST_F(FolderScanTest, OnlyVisibleRegularFilesAndLinksToThem)
{
    touchAll(root(), { "real.mp3", ".hidden.mp3", "album.mp3/inside.mp3", ".git/x.mp3" });
    ASSERT_TRUE(QFile::link(root() + "/real.mp3", root() + "/link.mp3"));
    ASSERT_TRUE(QFile::link(root() + "/album.mp3", root() + "/folderlink.mp3"));
    ASSERT_TRUE(QFile::link(root() + "/gone.mp3", root() + "/broken.mp3"));
    ASSERT_EQ(mkfifo(QFile::encodeName(root() + "/pipe.mp3").constData(), 0600), 0);
    EXPECT_EQ(scan(root()), under(root(), { "link.mp3", "real.mp3" }));
}

TEST_F(FolderScanTest, FolderEndingInSlashIsNotDoubled)
{
    touchAll(root(), { "a.mp3", "b.avi" });
    const QStringList expected = under(root(), { "b.avi", "a.mp3" });
    EXPECT_EQ(scan(root()), expected);
    EXPECT_EQ(scan(root() + "/"), expected);
}

TEST_F(FolderScanTest, NamesAreKeptAsSpelt)
{
    const QStringList names = { "with space.mp3", "quote\"d.mp3", "it's.mp3", "a,b,c.mp3",
        "Noël à l'été.mp3", "日本語.mp3", "back\\slash.mp3" };
    touchAll(root(), names);
    QStringList got = scan(root());
    QStringList expected = under(root(), names);
    got.sort();
    expected.sort();
    EXPECT_EQ(got, expected);
}

TEST_F(FolderScanTest, NamesThatAreNotUtf8AreKeptAsBytes)
{
    touch(root(), "good.mp3");
    const QByteArray latin1 = QFile::encodeName(root()) + "/caf\xe9.mp3";
    const int fd = ::open(latin1.constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const QString cafe = FileNameCodec::decode(latin1);
    EXPECT_EQ(scan(root()), QStringList({ cafe }) + under(root(), { "good.mp3" }));
    // A real replacement character in a name is another name, kept apart.
    touch(root(), "x\uFFFD.mp3");
    EXPECT_EQ(scan(root()), QStringList({ cafe }) + under(root(), { "good.mp3", "x\uFFFD.mp3" }));
    // The temporary folder cannot see the name: remove it by its bytes.
    ::unlink(latin1.constData());
}

TEST_F(FolderScanTest, UnreadableFoldersGiveNothing)
{
    // Tests run as root, whom permissions do not stop; a folder that cannot be
    // read is made by removing it or by giving a file where a folder is expected.
    touch(root(), "file.mp3");
    QTemporaryDir removed;
    const QString gone = removed.path();
    touch(gone, "a.mp3");
    removed.remove();
    for (const QString& folder : { gone, root() + "/file.mp3", root() + "/never" })
        EXPECT_TRUE(scan(folder).isEmpty()) << folder.toStdString();
}

TEST(FolderScan, SubFolderIgnoresCase)
{
    QTemporaryDir dir;
    touchAll(dir.path(), { "MPEGAV/AVSEQ01.DAT", "mpegav.txt" });
    EXPECT_EQ(FolderScan::subFolder(dir.path(), "mpegav"), QStringLiteral("MPEGAV"));
    EXPECT_EQ(FolderScan::subFolder(dir.path() + "/", "MpegAv"), QStringLiteral("MPEGAV"));
    EXPECT_EQ(FolderScan::subFolder(dir.path(), "segment"), QString());
    EXPECT_EQ(FolderScan::subFolder(dir.path() + "/MPEGAV/AVSEQ01.DAT", "x"), QString());
}

TEST(FolderScan, WildcardsIgnoreCase)
{
    const struct {
        const char* pattern;
        const char* name;
        bool match;
    } cases[] = {
        { "*.mpg", "CLIP.MPG", true },
        { "*.mpg", "clip.mpeg", false },
        { "*.mpeg", "clip.mpg", false },
        { "*.mp3", "mp3", false },
        { "*.mp3", "a.mp3.txt", false },
        { "*.dat", "a.dat.dat", true },
        { "*.dat", "a.txt.dat", true },
        { "avseq*.*", "AVSEQ01.DAT", true },
        { "avseq*.*", "avseq.x", true },
        { "avseq*.*", "AVSEQ01", false },
        { "avseq*.*", "xavseq01.dat", false },
        { "a*b*c", "aXbYc", true },
        { "a*b*c", "abcbc", true },
        { "a*b*c", "aXbY", false },
        { "?.mp3", "a.mp3", true },
        { "?.mp3", "ab.mp3", false },
        { "*.MP3", "été.mp3", true },
        { "É*", "école.wav", true },
        { "*", "", true },
        { "", "a", false },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            FolderScan::matches(QString::fromUtf8(c.pattern), QString::fromUtf8(c.name)), c.match)
            << c.pattern << " " << c.name;
    }
}

TEST(FolderScan, Join)
{
    const struct {
        const char* folder;
        const char* joined;
    } cases[] = { { "/music", "/music/a.mp3" }, { "/music/", "/music/a.mp3" }, { "/", "/a.mp3" },
        { "", "a.mp3" } };
    for (const auto& c : cases)
        EXPECT_EQ(FolderScan::join(c.folder, "a.mp3"), QString::fromUtf8(c.joined)) << c.folder;
}

} // namespace
