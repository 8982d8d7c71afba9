// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program fed with what users throw at it: broken files with media
// names, names that are no file, URL-looking names of every protocol libmpv
// knows, a long all-failing list with repeat and shuffle on, given on the
// command line or in lastlist.lst. Driven over MPRIS, it must keep answering,
// never reach the network, end cleanly on SIGTERM and write back the list it
// was given, byte for byte.
#include "BrokenMedia.h"
#include "PlayerRun.h"

#include "core/FileNameCodec.h"
#include "core/PlaylistFile.h"
#include "support/MediaGenerator.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Given { CommandLine, LastList };
enum class Set { EveryKind, Failing50 };

struct Case {
    const char* name;
    Set set;
    Given given;
    bool repeatAndShuffle;
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Listens on the loopback address for anything the program might send to
// the hosts named in the URL-looking entries.
class Listener {
public:
    Listener()
    {
        if (!m_tcp.listen(QHostAddress::LocalHost))
            qFatal("no TCP listener");
        if (!m_udp.bind(QHostAddress::LocalHost, m_tcp.serverPort()))
            qFatal("no UDP listener");
    }
    QString hostPort() const { return QStringLiteral("127.0.0.1:%1").arg(m_tcp.serverPort()); }
    bool reached() { return m_tcp.hasPendingConnections() || m_udp.hasPendingDatagrams(); }

private:
    QTcpServer m_tcp;
    QUdpSocket m_udp;
};

// Play and Next, over and over, checking after each that the program answers
// at once and holds no network socket.
void drive(PlayerRun& player, Listener& listener, int rounds)
{
    for (int i = 0; i < rounds && player.running(); ++i) {
        player.mpris().player(i % 3 == 0 ? QStringLiteral("Play") : QStringLiteral("Next"));
        waitInEventLoop([] { return false; }, 250);
        EXPECT_TRUE(player.answersQuickly()) << "no answer within 2 s after step " << i;
        const QStringList sockets = player.networkSockets();
        EXPECT_TRUE(sockets.isEmpty()) << sockets.join(u' ').toStdString();
    }
    EXPECT_FALSE(listener.reached()) << "the program reached " << listener.hostPort().toStdString();
}

class Corpus : public ::testing::TestWithParam<Case> { };

TEST_P(Corpus, ThePlayerHoldsUpAndKeepsTheList)
{
    const Case& c = GetParam();
    QTemporaryDir media;
    ASSERT_TRUE(media.isValid());
    BrokenMedia broken(media.path());
    Listener listener;
    const std::vector<BrokenEntry> entries
        = c.set == Set::EveryKind ? broken.everyKind() : broken.failing(50);
    QStringList urls;
    if (c.set == Set::EveryKind) {
        const QStringList protocols = mpvProtocols();
        ASSERT_FALSE(protocols.isEmpty());
        urls = broken.urlLookingNames(protocols, listener.hostPort());
    }

    PlayerRun player;
    QStringList arguments;
    QStringList expected; // the playlist the program must write back
    if (c.given == Given::CommandLine) {
        for (const BrokenEntry& entry : entries) {
            // Arguments reach a program as text: a name that is not UTF-8 is
            // given in lastlist.lst only.
            const QString path = QString::fromUtf8(entry.path);
            if (path.toUtf8() != entry.path)
                continue;
            arguments << path;
            for (const QByteArray& listed : entry.listed)
                expected << QString::fromUtf8(listed);
        }
        // Other schemes are refused on the command line, whatever they name.
        arguments << urls;
    } else {
        for (const BrokenEntry& entry : entries)
            expected << FileNameCodec::decode(entry.path);
        expected << urls;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(player.lastListPath()).path()));
        ASSERT_TRUE(PlaylistFile::write(player.lastListPath(), expected));
    }
    const QByteArray expectedBytes = PlaylistFile::format(expected);

    player.start(arguments, media.path());
    ASSERT_TRUE(player.waitForService(60000)) << "no MPRIS service";
    // The list is in once the splash has made way for the main window.
    EXPECT_TRUE(waitInEventLoop([&] {
        return player.mpris().get(QStringLiteral("CanGoNext")).toBool() || !player.running();
    }, 60000));
    if (c.repeatAndShuffle) {
        EXPECT_TRUE(player.mpris().set(QStringLiteral("LoopStatus"), QStringLiteral("Playlist")));
        EXPECT_TRUE(player.mpris().set(QStringLiteral("Shuffle"), true));
    }
    drive(player, listener, 12);

    EXPECT_EQ(player.terminate(60000), 0) << "SIGTERM must end the program normally";
    EXPECT_EQ(readAll(player.lastListPath()), expectedBytes);
}

const Case kCases[] = {
    { "EveryKindOnTheCommandLine", Set::EveryKind, Given::CommandLine, false },
    { "EveryKindInLastList", Set::EveryKind, Given::LastList, false },
    { "FiftyFailingOnTheCommandLineRepeatShuffle", Set::Failing50, Given::CommandLine, true },
    { "FiftyFailingInLastListRepeatShuffle", Set::Failing50, Given::LastList, true },
};

INSTANTIATE_TEST_SUITE_P(BrokenMedia, Corpus, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// lastlist.lst itself is no regular file. The program must still start and
// answer, and end on SIGTERM.
struct OddList {
    const char* name;
    bool (*make)(const QByteArray& path);
};

bool makeFifo(const QByteArray& path) { return ::mkfifo(path.constData(), 0600) == 0; }
bool linkEndless(const QByteArray& path) { return ::symlink("/dev/zero", path.constData()) == 0; }
bool linkLoop(const QByteArray& path)
{
    const QByteArray other = path + ".boucle";
    return ::symlink(other.constData(), path.constData()) == 0
        && ::symlink(path.constData(), other.constData()) == 0;
}
bool makeFolder(const QByteArray& path) { return ::mkdir(path.constData(), 0700) == 0; }

class OddLastList : public ::testing::TestWithParam<OddList> { };

TEST_P(OddLastList, ThePlayerStartsAndLeavesItAlone)
{
    PlayerRun player;
    const QByteArray path = QFile::encodeName(player.lastListPath());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(player.lastListPath()).path()));
    ASSERT_TRUE(GetParam().make(path));
    struct stat before {};
    ASSERT_EQ(::lstat(path.constData(), &before), 0);

    // A good file on the command line plays once the list has been restored:
    // its name in the metadata says the start-up went through.
    const QString song = player.home() + QStringLiteral("/chanson.wav");
    ASSERT_TRUE(MediaGenerator::wav(song, 5));
    player.start({ song }, player.home());
    ASSERT_TRUE(player.waitForService(60000)) << "no MPRIS service";
    EXPECT_TRUE(waitInEventLoop([&] {
        const QString url = player.mpris().metadata().value(QStringLiteral("xesam:url")).toString();
        return QUrl(url).toLocalFile() == song || !player.running();
    }, 30000)) << "start-up blocked on lastlist.lst";
    Listener listener;
    drive(player, listener, 3);
    EXPECT_EQ(player.terminate(30000), 0) << "SIGTERM must end the program normally";

    // Left as it was, or replaced by a regular file of the list the program
    // held; never written into, never half-done.
    struct stat after {};
    ASSERT_EQ(::lstat(path.constData(), &after), 0);
    if (after.st_ino != before.st_ino || after.st_mode != before.st_mode) {
        EXPECT_TRUE(S_ISREG(after.st_mode)) << "lastlist.lst became mode " << after.st_mode;
        EXPECT_EQ(readAll(player.lastListPath()), PlaylistFile::format({ song }));
    }
}

const OddList kOddLists[] = {
    { "Fifo", makeFifo },
    { "LinkToDevZero", linkEndless },
    { "LinkLoop", linkLoop },
    { "Folder", makeFolder },
};

INSTANTIATE_TEST_SUITE_P(LastList, OddLastList, ::testing::ValuesIn(kOddLists),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
