// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program itself, started as a file manager starts it: two files on the
// command line replace the playlist and the first plays after the start-up;
// the desktop sees it over MPRIS and can close it. And started from its menu
// entry, as the desktop's launcher runs it.
#include "BusSignals.h"
#include "MprisClient.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusArgument>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <cmath>

#include <signal.h>

namespace {

// A mono 16-bit 8 kHz WAV of a 440 Hz tone, written directly.
bool writeWav(const QString& path, int seconds)
{
    const quint32 rate = 8000;
    const quint32 dataBytes = rate * 2 * quint32(seconds);
    QByteArray wav;
    const auto put = [&wav](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wav.append(char((value >> (8 * i)) & 0xff));
    };
    wav.append("RIFF");
    put(36 + dataBytes, 4);
    wav.append("WAVEfmt ");
    put(16, 4);
    put(1, 2); // PCM
    put(1, 2); // mono
    put(rate, 4);
    put(rate * 2, 4);
    put(2, 2);
    put(16, 2);
    wav.append("data");
    put(dataBytes, 4);
    for (quint32 i = 0; i < rate * quint32(seconds); ++i)
        put(quint16(qint16(8000 * std::sin(2 * M_PI * 440 * i / rate))), 2);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}

// The environment of a player whose settings and playlist live in `home`.
QProcessEnvironment environmentIn(const QTemporaryDir& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    return environment;
}

// True when the process ended on its own within the time; otherwise it is
// killed, so that no player outlives its test.
bool endsWithin(int ms, QProcess& process)
{
    if (waitInEventLoop([&] { return process.state() == QProcess::NotRunning; }, ms))
        return true;
    process.kill();
    process.waitForFinished(2000);
    return false;
}

} // namespace

TEST(Program, FilesOnTheCommandLineReplaceThePlaylistAndTheFirstPlays)
{
    const QString program
        = QCoreApplication::applicationDirPath() + QStringLiteral("/../player/velkor-player");
    ASSERT_TRUE(QFile::exists(program)) << program.toStdString();
    QTemporaryDir home;
    const QString first = home.filePath(QStringLiteral("première piste.wav"));
    const QString second = home.filePath(QStringLiteral("seconde.wav"));
    ASSERT_TRUE(writeWav(first, 30));
    ASSERT_TRUE(writeWav(second, 30));

    QProcess player;
    QProcessEnvironment environment = environmentIn(home);
    player.setProcessEnvironment(environment);
    player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // A path as typed in a terminal, and a URI as a file manager passes it.
    player.start(program, { first, QUrl::fromLocalFile(second).toString() });
    ASSERT_TRUE(player.waitForStarted(5000));

    MprisClient client(QStringLiteral("org.mpris.MediaPlayer2.velkorplayer"));
    const auto url = [&] {
        return QUrl(client.metadata().value(QStringLiteral("xesam:url")).toString()).toLocalFile();
    };
    // The splash takes about three seconds before the main window loads.
    EXPECT_TRUE(waitInEventLoop([&] { return url() == first; }, 20000)) << url().toStdString();
    EXPECT_TRUE(waitInEventLoop([&] {
        return client.get(QStringLiteral("PlaybackStatus")).toString() == QLatin1String("Playing");
    }, 5000));
    EXPECT_TRUE(waitInEventLoop([&] { return client.get(QStringLiteral("Position")).toLongLong() > 0; }, 5000));
    // The program announces what changes: a desktop's applet listens rather
    // than asks.
    BusSignals announced(client.bus(), QStringLiteral("org.mpris.MediaPlayer2.velkorplayer"));
    client.player(QStringLiteral("Pause"));
    EXPECT_TRUE(waitInEventLoop([&] {
        return announced.lastChanged(QStringLiteral("PlaybackStatus")).toString() == QLatin1String("Paused");
    }, 5000));

    client.call(QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("Quit"));
    EXPECT_TRUE(endsWithin(10000, player));
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);

    // The playlist saved at exit is the two files, in order.
    QFile lastList(home.filePath(QStringLiteral("data/velkor-player/lastlist.lst")));
    ASSERT_TRUE(lastList.open(QIODevice::ReadOnly));
    const QByteArray text = lastList.readAll();
    const qsizetype at1 = text.indexOf(first.toUtf8());
    const qsizetype at2 = text.indexOf(second.toUtf8());
    EXPECT_GE(at1, 0);
    EXPECT_GT(at2, at1);
    EXPECT_EQ(text.count('\n'), 2);
}

// The menu entry, run by GLib's launcher as a desktop runs it, with a file
// from an old disc whose name is latin-1: the file plays, the desktop reads
// its name, and SIGTERM (a logout) ends the program with the name's bytes
// written back as they were.
TEST(Program, MenuEntryPlaysAFileWhoseNameIsNotUtf8)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../player");
    QTemporaryDir home;
    // Qt names files in UTF-8: the file is written under another name and
    // given its latin-1 one by the system.
    const QByteArray name = QFile::encodeName(home.path()) + "/caf\xe9 noir.wav";
    ASSERT_TRUE(writeWav(home.filePath(QStringLiteral("written.wav")), 30));
    ASSERT_EQ(::rename(QFile::encodeName(home.filePath(QStringLiteral("written.wav"))).constData(), name.constData()), 0);

    QProcess launcher;
    QProcessEnvironment environment = environmentIn(home);
    environment.insert(QStringLiteral("PATH"), folder + QLatin1Char(':') + environment.value(QStringLiteral("PATH")));
    launcher.setProcessEnvironment(environment);
    launcher.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Arguments reach a program as text: the shell's printf makes the byte.
    launcher.start(QStringLiteral("sh"),
        { QStringLiteral("-c"), QStringLiteral("exec gio launch \"$0\" \"$(printf \"$1\")\""),
            QStringLiteral(VELKOR_DESKTOP_ENTRY), home.path() + QStringLiteral("/caf\\351 noir.wav") });
    ASSERT_TRUE(launcher.waitForFinished(10000));
    ASSERT_EQ(launcher.exitCode(), 0);

    const QString service = QStringLiteral("org.mpris.MediaPlayer2.velkorplayer");
    MprisClient client(service);
    EXPECT_TRUE(waitInEventLoop([&] {
        return client.get(QStringLiteral("PlaybackStatus")).toString() == QLatin1String("Playing");
    }, 20000));
    const QVariantMap metadata = client.metadata();
    EXPECT_EQ(metadata.value(QStringLiteral("xesam:url")).toString(),
        QUrl::fromLocalFile(home.path()).toString(QUrl::FullyEncoded) + QStringLiteral("/caf%E9%20noir.wav"));
    EXPECT_EQ(metadata.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("café noir.wav"));

    const uint pid = client.bus().interface()->servicePid(service).value();
    ASSERT_GT(pid, 0u);
    ::kill(pid_t(pid), SIGTERM);
    EXPECT_TRUE(waitInEventLoop([&] { return !client.bus().interface()->isServiceRegistered(service).value(); }, 10000));
    EXPECT_TRUE(waitInEventLoop([&] { return ::kill(pid_t(pid), 0) != 0; }, 10000)) << "still running";

    QFile lastList(home.filePath(QStringLiteral("data/velkor-player/lastlist.lst")));
    ASSERT_TRUE(lastList.open(QIODevice::ReadOnly));
    EXPECT_EQ(lastList.readAll(), '"' + name + "\"\r\n");
}

// Every ending that can wait for a save: the program, playing, gets the
// signal (after a SIGPIPE, which it ignores), writes its playlist and settings
// and ends with status 0.
class ProgramSignal : public ::testing::TestWithParam<int> { };

TEST_P(ProgramSignal, SavesAndEndsWithStatusZero)
{
    const QString program
        = QCoreApplication::applicationDirPath() + QStringLiteral("/../player/velkor-player");
    QTemporaryDir home;
    const QString song = home.filePath(QStringLiteral("chanson.wav"));
    ASSERT_TRUE(writeWav(song, 30));
    QProcess player;
    QProcessEnvironment environment = environmentIn(home);
    player.setProcessEnvironment(environment);
    player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    player.start(program, { song });
    ASSERT_TRUE(player.waitForStarted(5000));
    MprisClient client(QStringLiteral("org.mpris.MediaPlayer2.velkorplayer"));
    ASSERT_TRUE(waitInEventLoop([&] {
        return client.get(QStringLiteral("PlaybackStatus")).toString() == QLatin1String("Playing");
    }, 20000));

    ::kill(pid_t(player.processId()), SIGPIPE);
    ::kill(pid_t(player.processId()), GetParam());
    EXPECT_TRUE(endsWithin(10000, player));
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player.exitCode(), 0);
    QFile lastList(home.filePath(QStringLiteral("data/velkor-player/lastlist.lst")));
    ASSERT_TRUE(lastList.open(QIODevice::ReadOnly));
    EXPECT_EQ(lastList.readAll(), '"' + song.toUtf8() + "\"\r\n");
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("config/velkor-player/velkor-player.ini"))));
}

INSTANTIATE_TEST_SUITE_P(Endings, ProgramSignal, ::testing::Values(SIGHUP, SIGTERM, SIGINT, SIGQUIT),
                         [](const auto& info) { return std::string(sigabbrev_np(info.param)); });

// Names that are Qt's own options, after "--": files of the playlist, the
// first of which plays; Qt sees none of them.
TEST(Program, NamesOfQtOptionsAfterDashesAreFiles)
{
    const QString program
        = QCoreApplication::applicationDirPath() + QStringLiteral("/../player/velkor-player");
    QTemporaryDir home;
    const QStringList names { QStringLiteral("-platform"), QStringLiteral("x"), QStringLiteral("-style"),
                              QStringLiteral("y") };
    for (const QString& name : names)
        ASSERT_TRUE(writeWav(home.filePath(name), 30));
    QProcess player;
    QProcessEnvironment environment = environmentIn(home);
    player.setProcessEnvironment(environment);
    player.setWorkingDirectory(home.path());
    player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    player.start(program, QStringList { QStringLiteral("--") } + names);
    ASSERT_TRUE(player.waitForStarted(5000));
    MprisClient client(QStringLiteral("org.mpris.MediaPlayer2.velkorplayer"));
    const auto url = [&] {
        return QUrl(client.metadata().value(QStringLiteral("xesam:url")).toString()).toLocalFile();
    };
    EXPECT_TRUE(waitInEventLoop([&] { return url() == home.filePath(names[0]); }, 20000))
        << url().toStdString();
    client.call(QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("Quit"));
    EXPECT_TRUE(endsWithin(10000, player));
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player.exitCode(), 0);
    QFile lastList(home.filePath(QStringLiteral("data/velkor-player/lastlist.lst")));
    ASSERT_TRUE(lastList.open(QIODevice::ReadOnly));
    QByteArray expected;
    for (const QString& name : names)
        expected += '"' + home.filePath(name).toUtf8() + "\"\r\n";
    EXPECT_EQ(lastList.readAll(), expected);
}

// A second start while the player runs: its files go to the running player,
// which plays the first of them, and it ends at once with status 0, writing
// nothing of its own; without files it only asks for the window.
TEST(Program, SecondStartHandsItsFilesToTheRunningPlayer)
{
    const QString program
        = QCoreApplication::applicationDirPath() + QStringLiteral("/../player/velkor-player");
    QTemporaryDir home;
    const QString first = home.filePath(QStringLiteral("un.wav"));
    const QString second = home.filePath(QStringLiteral("deux.wav"));
    const QString third = home.filePath(QStringLiteral("trois.wav"));
    for (const QString& path : { first, second, third })
        ASSERT_TRUE(writeWav(path, 30));
    const auto environmentFor = [&](const QString& user) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(user + QStringLiteral("/config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(user + QStringLiteral("/data")));
        return environment;
    };
    QProcess running;
    running.setProcessEnvironment(environmentFor(QStringLiteral("first")));
    running.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    running.start(program, { first });
    ASSERT_TRUE(running.waitForStarted(5000));
    MprisClient client(QStringLiteral("org.mpris.MediaPlayer2.velkorplayer"));
    const auto url = [&] {
        return QUrl(client.metadata().value(QStringLiteral("xesam:url")).toString()).toLocalFile();
    };
    ASSERT_TRUE(waitInEventLoop([&] { return url() == first; }, 20000)) << url().toStdString();

    // Started with other folders, so that anything it wrote would show.
    for (const QStringList& arguments : { QStringList { second, third }, QStringList {} }) {
        QProcess later;
        later.setProcessEnvironment(environmentFor(QStringLiteral("second")));
        later.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        later.start(program, arguments);
        EXPECT_TRUE(endsWithin(15000, later));
        EXPECT_EQ(later.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(later.exitCode(), 0);
    }
    EXPECT_TRUE(waitInEventLoop([&] { return url() == second; }, 10000)) << url().toStdString();
    EXPECT_TRUE(waitInEventLoop([&] {
        return client.get(QStringLiteral("PlaybackStatus")).toString() == QLatin1String("Playing");
    }, 5000));
    EXPECT_EQ(running.state(), QProcess::Running);

    client.call(QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("Quit"));
    EXPECT_TRUE(endsWithin(10000, running));
    QFile lastList(home.filePath(QStringLiteral("first/data/velkor-player/lastlist.lst")));
    ASSERT_TRUE(lastList.open(QIODevice::ReadOnly));
    EXPECT_EQ(lastList.readAll(), '"' + second.toUtf8() + "\"\r\n\"" + third.toUtf8() + "\"\r\n");
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("second/data/velkor-player/lastlist.lst"))));
}
