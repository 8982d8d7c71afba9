// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Names that are not UTF-8 (Latin-1 bytes from old discs) are found by the
// folder scan and the video CD scan, and their entries give back the bytes.
#include "core/FileNameCodec.h"
#include "core/FolderScan.h"
#include "core/MediaAdder.h"
#include "core/MediaFilter.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

bool makeFile(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    return fd >= 0 && ::close(fd) == 0;
}

struct ScanCase {
    const char* name;
    QByteArray folder; // under the temporary folder, made first when not empty
    QByteArray file;
};

void PrintTo(const ScanCase& c, std::ostream* os)
{
    *os << c.name;
}

class ByteNameScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ByteNameScan, FolderScanFindsTheFileAndKeepsItsBytes)
{
    QTemporaryDir dir;
    const QByteArray root = QFile::encodeName(dir.path());
    QByteArray folder = root;
    if (!GetParam().folder.isEmpty()) {
        folder += "/" + GetParam().folder;
        ASSERT_EQ(::mkdir(folder.constData(), 0755), 0);
    }
    ASSERT_TRUE(makeFile(folder + "/" + GetParam().file));
    const QStringList entries = FolderScan::scan(FileNameCodec::decode(folder), ScanPatterns);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(FileNameCodec::encode(entries.first()), folder + "/" + GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(Names, ByteNameScan,
                         ::testing::Values(ScanCase{"latin1_file", {}, "caf\xe9.mp3"},
                                           ScanCase{"latin1_folder", "chansons \xe0 moi", "a.wav"},
                                           ScanCase{"both", "\xc9t\xe9", "\xe9t\xe9.WAV"},
                                           ScanCase{"utf8_beside", {}, "caf\xc3\xa9.mp3"}));

TEST(ByteNameVcd, TrackWithLatin1NameIsAdded)
{
    QTemporaryDir dir;
    const QByteArray root = QFile::encodeName(dir.path());
    ASSERT_EQ(::mkdir((root + "/MPEGAV").constData(), 0755), 0);
    ASSERT_TRUE(makeFile(root + "/MPEGAV/AVSEQ01.DAT"));
    ASSERT_TRUE(makeFile(root + "/MPEGAV/avseq\xe9.dat"));
    const QStringList tracks = MediaAdder::VcdTracks(FileNameCodec::decode(root + "/"));
    ASSERT_EQ(tracks.size(), 2);
    EXPECT_EQ(FileNameCodec::encode(tracks.at(0)), root + "/MPEGAV/AVSEQ01.DAT");
    EXPECT_EQ(FileNameCodec::encode(tracks.at(1)), root + "/MPEGAV/avseq\xe9.dat");
}

} // namespace
