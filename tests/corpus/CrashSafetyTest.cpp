// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The write-back of a full playlist killed at random moments: whatever the
// moment, the file on disk is one whole list, the one before or one written
// since, never a mix or a cut.
#include "PlaylistWriterList.h"

#include "core/PlaylistFile.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

TEST(CrashSafety, AKilledWriteLeavesTheOldOrTheNewListWhole)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("lastlist.lst"));
    ASSERT_TRUE(PlaylistFile::write(path, playlistOfRound(0, 0)));

    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    SCOPED_TRACE("random seed " + std::to_string(seed));

    constexpr int kRounds = 24;
    int killedMidWay = 0;
    for (int round = 1; round <= kRounds; ++round) {
        const QByteArray before = [&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        QProcess writer;
        writer.start(QStringLiteral(PLAYLIST_WRITER), { path, QString::number(round) });
        ASSERT_TRUE(writer.waitForStarted(10000));
        ASSERT_TRUE(writer.waitForReadyRead(30000)) << "the writer never began";
        // Up to a few writes' time: some kills land in the first write,
        // others after several.
        QThread::msleep(random.bounded(400));
        ::kill(pid_t(writer.processId()), SIGKILL);
        ASSERT_TRUE(writer.waitForFinished(10000));
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit) << "the writer stopped by itself";

        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "round " << round << ": the file is gone";
        const QByteArray after = file.readAll();
        const QByteArray first = PlaylistFile::format(playlistOfRound(round, 0));
        const QByteArray second = PlaylistFile::format(playlistOfRound(round, 1));
        // The last whole list of the round before, or either list of this one.
        EXPECT_TRUE(after == before || after == first || after == second)
            << "round " << round << ": " << after.size() << " bytes, a cut or mixed list";
        ASSERT_EQ(PlaylistFile::parse(after).size(), PlaylistFile::kMaxEntries);
        if (after == before)
            ++killedMidWay;
    }
    // Leftovers of killed writes are temporary files beside it, never the list.
    const QStringList names = QDir(folder.path()).entryList(QDir::Files);
    EXPECT_TRUE(names.contains(QStringLiteral("lastlist.lst")));
    std::printf("crash safety: %d of %d kills came before the first write ended\n", killedMidWay,
                kRounds);
}
