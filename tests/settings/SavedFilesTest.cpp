// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The two files the player keeps (the playlist and the settings) on a full or
// nearly full disk, and the settings file when something else than a regular
// file stands at its place.
#include "core/AtomicFile.h"
#include "core/PlaylistFile.h"
#include "desktop/SettingsFile.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool check(bool holds, const char* what)
{
    if (!holds)
        std::fprintf(stderr, "failed: %s\n", what);
    return holds;
}

QStringList entries(int count, int nameLength)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("/media/%1/%2.mp3").arg(i).arg(QString(nameLength, QLatin1Char('n')));
    return list;
}

bool saveSettings(const QString& path, const QString& volume)
{
    SettingsFile file(path);
    file.store().setValue(QStringLiteral("Options/Vol"), volume);
    file.store().setValue(QStringLiteral("Options/mute"), QStringLiteral("True"));
    return file.commit();
}

// Neither file changes by a byte when the disk cannot take the new one, and
// nothing is left behind; with room enough, a write still succeeds.
struct DiskCase {
    const char* name;
    qint64 leaveBytes; // free space left once the disk is filled
    int listEntries; // the size of the playlist that does not fit
};

class FullDisk : public ::testing::TestWithParam<DiskCase> { };

TEST_P(FullDisk, KeepsBothFilesWhole)
{
    QTemporaryDir mountPoint;
    ASSERT_TRUE(mountPoint.isValid());
    const QString folder = mountPoint.path();
    const DiskCase c = GetParam();
    const bool held = runOnSmallDisk(folder, 64, [&] {
        const QString list = folder + QStringLiteral("/lastlist.lst");
        const QString ini = folder + QStringLiteral("/velkor-player.ini");
        if (!check(PlaylistFile::write(list, entries(2, 8)), "first playlist written")
            || !check(saveSettings(ini, QStringLiteral("-1390")), "first settings written"))
            return false;
        const QByteArray oldList = contents(list);
        const QByteArray oldIni = contents(ini);
        if (!check(fillDisk(folder, c.leaveBytes), "disk filled"))
            return false;
        bool ok = check(!PlaylistFile::write(list, entries(c.listEntries, 200)), "big playlist refused");
        ok &= check(!saveSettings(ini, QString(8000, QLatin1Char('9'))), "big settings refused");
        ok &= check(contents(list) == oldList, "playlist unchanged");
        ok &= check(contents(ini) == oldIni, "settings unchanged");
        ok &= check(QDir(folder).entryList(QDir::Files).size() == 3, "no temporary file left");
        // What fits is still written.
        const QStringList small = entries(1, 4);
        if (c.leaveBytes > 0) {
            ok &= check(PlaylistFile::write(list, small), "small playlist written");
            ok &= check(PlaylistFile::read(list) == small, "small playlist reads back");
        }
        return ok;
    });
    EXPECT_TRUE(held);
}

INSTANTIATE_TEST_SUITE_P(SavedFiles, FullDisk,
                         ::testing::Values(DiskCase { "full", 0, 3 }, DiskCase { "fourKiBLeft", 4096, 35 }),
                         [](const auto& info) { return std::string(info.param.name); });

// What can stand at the settings file's place: nothing there is read by
// blocking or waiting, and nothing but a regular file is replaced.
class StrangeSettingsFile : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    QString ini() const { return m_dir.filePath(QStringLiteral("velkor-player.ini")); }
};

TEST_F(StrangeSettingsFile, FifoIsNeitherReadNorReplaced)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(ini()).constData(), 0600), 0);
    SettingsFile file(ini()); // a blocking open would never return
    EXPECT_TRUE(file.store().allKeys().isEmpty());
    file.store().setValue(QStringLiteral("Options/Vol"), 0);
    EXPECT_FALSE(file.commit());
    struct stat st { };
    ASSERT_EQ(::lstat(QFile::encodeName(ini()).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(StrangeSettingsFile, LockThatIsAFolderIsGivenUpQuickly)
{
    ASSERT_TRUE(saveSettings(ini(), QStringLiteral("-1390")));
    const QByteArray before = contents(ini());
    ASSERT_TRUE(QDir().mkdir(ini() + QStringLiteral(".lock")));
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(saveSettings(ini(), QStringLiteral("0")));
    EXPECT_LT(timer.elapsed(), 10000); // a generous bound for a wait that would be endless
    EXPECT_EQ(contents(ini()), before);
}

TEST_F(StrangeSettingsFile, DamagedFileIsReplacedByASoundOne)
{
    QFile file(ini());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Options]\n]\nmute=True\n");
    file.close();
    ASSERT_TRUE(saveSettings(ini(), QStringLiteral("-1390")));
    EXPECT_EQ(SettingsFile(ini()).store().value(QStringLiteral("Options/Vol")).toString(), QStringLiteral("-1390"));
}

TEST_F(StrangeSettingsFile, LinkToDeviceLeavesTheDevice)
{
    ASSERT_EQ(::symlink("/dev/null", QFile::encodeName(ini()).constData()), 0);
    EXPECT_FALSE(saveSettings(ini(), QStringLiteral("0")));
    struct stat st { };
    ASSERT_EQ(::stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    ASSERT_EQ(::lstat(QFile::encodeName(ini()).constData(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST_F(StrangeSettingsFile, LinkToRegularFileIsWrittenThrough)
{
    QTemporaryDir elsewhere;
    const QString real = elsewhere.filePath(QStringLiteral("kept.ini"));
    ASSERT_TRUE(saveSettings(real, QStringLiteral("-1390")));
    ASSERT_EQ(::symlink(QFile::encodeName(real).constData(), QFile::encodeName(ini()).constData()), 0);
    EXPECT_EQ(SettingsFile(ini()).store().value(QStringLiteral("Options/Vol")).toString(),
              QStringLiteral("-1390"));
    ASSERT_TRUE(saveSettings(ini(), QStringLiteral("-2000")));
    struct stat st { };
    ASSERT_EQ(::lstat(QFile::encodeName(ini()).constData(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(SettingsFile(real).store().value(QStringLiteral("Options/Vol")).toString(),
              QStringLiteral("-2000"));
}

} // namespace
