// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding the video CD drive in a mount table.
#include "core/CdDrive.h"
#include "core/MediaAdder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct MountCase {
    const char* what;
    const char* table;
    const char* drive;
};

const MountCase kMountCases[] = {
    { "empty table", "", "" },
    { "no optical disc",
        "proc /proc proc rw 0 0\n/dev/sda1 / ext4 rw,relatime 0 0\ntmpfs /run tmpfs rw 0 0\n", "" },
    { "sr device", "/dev/sda1 / ext4 rw 0 0\n/dev/sr0 /media/cdrom0 iso9660 ro 0 0\n",
        "/media/cdrom0/" },
    { "cdrom device, any file system", "/dev/cdrom /mnt/cd auto ro 0 0\n", "/mnt/cd/" },
    { "iso9660 on a loop device", "/dev/loop3 /mnt/image iso9660 ro 0 0\n", "/mnt/image/" },
    { "udf file system", "/dev/sdc1 /media/dvd udf ro 0 0\n", "/media/dvd/" },
    { "first drive wins",
        "/dev/sr1 /media/first iso9660 ro 0 0\n/dev/sr0 /media/second iso9660 ro 0 0\n",
        "/media/first/" },
    { "escaped blank", "/dev/sr0 /media/user/My\\040Disc iso9660 ro 0 0\n",
        "/media/user/My Disc/" },
    { "escaped tab and backslash", "/dev/sr0 /media/a\\011b\\134c iso9660 ro 0 0\n",
        "/media/a\tb\\c/" },
    { "broken escapes kept as written", "/dev/sr0 /media/a\\09b\\400\\04 iso9660 ro 0 0\n",
        "/media/a\\09b\\400\\04/" },
    { "non-ASCII mount point", "/dev/sr0 /media/Vid\xc3\xa9o iso9660 ro 0 0\n",
        "/media/Vid\xc3\xa9o/" },
    { "mount point already ends in /", "/dev/sr0 / iso9660 ro 0 0\n", "/" },
    { "tabs between fields", "/dev/sr0\t/media/cd\tiso9660\tro\t0\t0\n", "/media/cd/" },
    { "CR LF line ends", "/dev/sda1 / ext4 rw 0 0\r\n/dev/sr0 /media/cd iso9660 ro 0 0\r\n",
        "/media/cd/" },
    { "no final newline", "/dev/sr0 /media/cd iso9660 ro 0 0", "/media/cd/" },
    { "odd lines skipped",
        "\n   \ngarbage\n/dev/sr0 /media/short\n# /dev/sr0 /media/comment iso9660 ro 0 0\n"
        "/dev/sr0 relative iso9660 ro 0 0\n/dev/sr0 /media/good iso9660 ro 0 0\n",
        "/media/good/" },
    { "disc-like mount point of a hard disc", "/dev/sda2 /media/sr0 ext4 rw 0 0\n", "" },
    { "fs type compared exactly", "/dev/sdb1 /media/x ISO9660 ro 0 0\n", "" },
};

class MountTable : public testing::TestWithParam<MountCase> { };

TEST_P(MountTable, GivesTheFirstOpticalMountPoint)
{
    const MountCase& c = GetParam();
    EXPECT_EQ(CdDrive::fromMountTable(QByteArray(c.table)), QString::fromUtf8(c.drive)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, MountTable, testing::ValuesIn(kMountCases));

TEST(CdDrive, FindCdDriveReadsTheGivenTable)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mounts"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("/dev/sda1 / ext4 rw 0 0\n/dev/sr0 /media/disc iso9660 ro 0 0\n");
    file.close();
    EXPECT_EQ(MediaAdder::FindCdDrive(path), QStringLiteral("/media/disc/"));
    EXPECT_EQ(MediaAdder::FindCdDrive(dir.filePath(QStringLiteral("missing"))), QString());
    EXPECT_EQ(MediaAdder::FindCdDrive(dir.path()), QString()); // a folder, not a table
}

} // namespace
