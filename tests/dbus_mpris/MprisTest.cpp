// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player over MPRIS on a private session bus, driven as a desktop client
// would, on the fake engine.
#include "app/Wiring.h"
#include "core/Levels.h"
#include "support/Controls.h"
#include "core/PlaybackClock.h"
#include "core/PlayerCore.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "core/TransportController.h"
#include "core/MediaAdder.h"
#include "support/TestMain.h"
#include "support/TestMain.h"
#include "BusSignals.h"
#include "MprisClient.h"

#include "core/MediaEngine.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "desktop/MprisService.h"
#include "gui/frmMain.h"
#include "support/FakeEngine.h"

#include <sarv/Variateur.h>

#include <QCheckBox>
#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString kA = QStringLiteral("/musique/a.mp3");
const QString kB = QStringLiteral("/musique/b.avi");
const QString kC = QStringLiteral("/musique/c.wav");

class MprisTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<TestMain>([this] {
            auto engine = std::make_unique<FakeEngine>();
            fake = engine.get();
            return engine;
        });
        window->videoWindow();
        service = MprisService::start(window->core(), *window);
        ASSERT_NE(service, nullptr) << "no session bus: run under dbus-run-session";
        Wiring::connectMpris(window->core(), *service);
        client = std::make_unique<MprisClient>(service->serviceName());
        busSignals = std::make_unique<BusSignals>(client->bus(), service->serviceName());
    }

    void TearDown() override
    {
        busSignals.reset();
        service.reset();
        window.reset();
    }

    // The list a, b, c with entry `index` started as a double-click does.
    void startEntry(int index)
    {
        if (window->core().playlist().Count() == 0)
            window->core().playlist().AppendMany({ kA, kB, kC });
        window->core().playlist().setListIndex(index);
        window->core().sequencer().lstPlay_DblClick();
        service->checkProperties();
    }

    QString status() { return client->get(QStringLiteral("PlaybackStatus")).toString(); }

    FakeEngine* fake = nullptr;
    std::unique_ptr<frmMain> window;
    std::unique_ptr<MprisService> service;
    std::unique_ptr<MprisClient> client;
    std::unique_ptr<BusSignals> busSignals;
};

TEST_F(MprisTest, RootNamesThePlayer)
{
    const QString root = QStringLiteral("org.mpris.MediaPlayer2");
    EXPECT_EQ(service->serviceName(), QStringLiteral("org.mpris.MediaPlayer2.velkorplayer"));
    const std::vector<std::pair<const char*, QVariant>> expected = {
        { "Identity", QStringLiteral("Velkor Player") },
        { "DesktopEntry", QStringLiteral("velkor-player") },
        { "CanQuit", true },
        { "CanRaise", true },
        { "HasTrackList", false },
        { "SupportedUriSchemes", QStringList { QStringLiteral("file") } },
    };
    for (const auto& [name, value] : expected)
        EXPECT_EQ(client->get(root, QString::fromLatin1(name)), value) << name;
    const QStringList mimeTypes
        = client->get(root, QStringLiteral("SupportedMimeTypes")).toStringList();
    for (const char* type : { "audio/mpeg", "video/mpeg", "video/x-msvideo", "audio/x-wav" })
        EXPECT_TRUE(mimeTypes.contains(QString::fromLatin1(type))) << type;
}

TEST_F(MprisTest, GetAllGivesEveryPlayerProperty)
{
    const QDBusMessage reply = client->call(QStringLiteral("org.freedesktop.DBus.Properties"),
                                            QStringLiteral("GetAll"),
                                            { QStringLiteral("org.mpris.MediaPlayer2.Player") });
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    const QVariantMap all = qdbus_cast<QVariantMap>(reply.arguments().first());
    for (const char* name : { "PlaybackStatus", "LoopStatus", "Rate", "Shuffle", "Metadata",
                              "Volume", "Position", "MinimumRate", "MaximumRate", "CanGoNext",
                              "CanGoPrevious", "CanPlay", "CanPause", "CanSeek", "CanControl" })
        EXPECT_TRUE(all.contains(QString::fromLatin1(name))) << name;
    EXPECT_EQ(all.value(QStringLiteral("PlaybackStatus")).toString(), QStringLiteral("Stopped"));
    EXPECT_EQ(all.value(QStringLiteral("CanPause")).toBool(), false);
}

TEST_F(MprisTest, MetadataDescribesTheEntryPlaying)
{
    const QVariantMap none = client->metadata();
    EXPECT_EQ(none.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
              QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
    EXPECT_FALSE(none.contains(QStringLiteral("xesam:url")));

    const QString spaced = QStringLiteral("/musique/Été 2001/l'île #1.mp3");
    window->core().playlist().AppendMany({ spaced, kB });
    fake->durations[spaced] = 187.25;
    startEntry(0);
    const QVariantMap playing = client->metadata();
    EXPECT_EQ(playing.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path(),
              QStringLiteral("/org/velkorplayer/track/0"));
    EXPECT_EQ(playing.value(QStringLiteral("mpris:length")).toLongLong(), 187250000);
    EXPECT_EQ(playing.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("l'île #1.mp3"));
    EXPECT_EQ(QUrl(playing.value(QStringLiteral("xesam:url")).toString()).toLocalFile(), spaced);
    EXPECT_EQ(status(), QStringLiteral("Playing"));
}

TEST_F(MprisTest, TransportRunsTheButtonHandlers)
{
    startEntry(0);
    ASSERT_EQ(fake->FileName(), kA);

    client->player(QStringLiteral("Next"));
    EXPECT_EQ(fake->FileName(), kB);
    EXPECT_EQ(client->metadata().value(QStringLiteral("xesam:title")).toString(),
              QStringLiteral("b.avi"));
    client->player(QStringLiteral("Previous"));
    EXPECT_EQ(fake->FileName(), kA);

    fake->calls.clear();
    client->player(QStringLiteral("PlayPause"));
    EXPECT_EQ(fake->calls, QStringList { QStringLiteral("Pause") });
    EXPECT_TRUE(window->core().Paused());
    EXPECT_EQ(status(), QStringLiteral("Paused"));

    fake->calls.clear();
    client->player(QStringLiteral("PlayPause"));
    EXPECT_EQ(fake->calls, QStringList { QStringLiteral("Play") });
    EXPECT_EQ(status(), QStringLiteral("Playing"));

    // The play button leaves the pause flag set; Pause still pauses.
    fake->calls.clear();
    client->player(QStringLiteral("Pause"));
    EXPECT_EQ(fake->calls.last(), QStringLiteral("Pause"));
    EXPECT_EQ(status(), QStringLiteral("Paused"));

    fake->calls.clear();
    client->player(QStringLiteral("Stop"));
    EXPECT_EQ(fake->calls, QStringList({ QStringLiteral("Stop"),
                                         QStringLiteral("setCurrentPosition:0") }));
    EXPECT_EQ(status(), QStringLiteral("Stopped"));
}

TEST_F(MprisTest, NextAtTheEndWithoutRepeatStartsNothing)
{
    startEntry(2);
    ASSERT_EQ(fake->FileName(), kC);
    fake->calls.clear();
    client->player(QStringLiteral("Next"));
    EXPECT_TRUE(fake->callsStartingWith(QStringLiteral("setFileName")).isEmpty());
    EXPECT_EQ(fake->FileName(), kC);
}

TEST_F(MprisTest, SeekAndSetPositionMoveTheEngine)
{
    // Only the engine's state matters here, so it is set directly.
    window->core().playlist().AppendMany({ kA });
    fake->fileName = kA;
    fake->duration = 100.0;
    const QDBusObjectPath current = service->trackId();
    struct Case {
        const char* name;
        double from;
        const char* method;
        QVariantList arguments;
        std::optional<double> to; // nullopt: the engine is not moved
    };
    const std::vector<Case> cases = {
        { "forward", 10, "Seek", { qlonglong(5'000'000) }, 15.0 },
        { "backward", 10, "Seek", { qlonglong(-2'500'000) }, 7.5 },
        { "before the start clamps to 0", 10, "Seek", { qlonglong(-20'000'000) }, 0.0 },
        { "absolute", 10, "SetPosition", { QVariant::fromValue(current), qlonglong(42'000'000) }, 42.0 },
        { "other track ignored", 10, "SetPosition",
          { QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/velkorplayer/track/9"))),
            qlonglong(42'000'000) }, std::nullopt },
        { "past the end ignored", 10, "SetPosition",
          { QVariant::fromValue(current), qlonglong(101'000'000) }, std::nullopt },
        { "negative ignored", 10, "SetPosition",
          { QVariant::fromValue(current), qlonglong(-1) }, std::nullopt },
    };
    for (const Case& c : cases) {
        fake->position = c.from;
        fake->calls.clear();
        const qsizetype seeks = busSignals->seeks.size();
        const QDBusMessage reply = client->player(QString::fromLatin1(c.method), c.arguments);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << c.name;
        const QStringList moves = fake->callsStartingWith(QStringLiteral("setCurrentPosition"));
        if (c.to) {
            EXPECT_EQ(moves, QStringList { QStringLiteral("setCurrentPosition:%1").arg(*c.to) })
                << c.name;
            EXPECT_EQ(client->get(QStringLiteral("Position")).toLongLong(),
                      qlonglong(*c.to * 1e6)) << c.name;
            EXPECT_TRUE(waitInEventLoop([&] { return busSignals->seeks.size() > seeks; })) << c.name;
            if (busSignals->seeks.size() > seeks) {
                EXPECT_EQ(busSignals->seeks.last(), qlonglong(*c.to * 1e6)) << c.name;
            }
        } else {
            EXPECT_TRUE(moves.isEmpty()) << c.name;
        }
    }
}

TEST_F(MprisTest, VolumeMapsOntoTheSlidersElevenSteps)
{
    // The volume slider's range as the main window's form gives it.
    control<sarv::Variateur>(*window, "scrlVol")->setMin(0);
    control<sarv::Variateur>(*window, "scrlVol")->setMax(10);
    struct Case {
        double set;
        short step;
    };
    for (const Case& c : { Case { 0.5, 5 }, Case { 0.0, 0 }, Case { 1.0, 10 }, Case { 0.34, 3 },
                           Case { 0.36, 4 }, Case { 1.7, 10 }, Case { -0.2, 0 } }) {
        EXPECT_TRUE(client->set(QStringLiteral("Volume"), c.set)) << c.set;
        EXPECT_EQ(control<sarv::Variateur>(*window, "scrlVol")->Value(), c.step) << c.set;
        EXPECT_DOUBLE_EQ(client->get(QStringLiteral("Volume")).toDouble(), c.step / 10.0) << c.set;
    }
    // The slider's handler sets the engine's level: step 5 is -600.
    client->set(QStringLiteral("Volume"), 0.5);
    EXPECT_EQ(fake->Volume(), -600);

    // A slider with a narrower range is never asked for a value outside it
    // (it would answer with a message box).
    control<sarv::Variateur>(*window, "scrlVol")->setMax(6);
    EXPECT_TRUE(client->set(QStringLiteral("Volume"), 1.0));
    EXPECT_EQ(control<sarv::Variateur>(*window, "scrlVol")->Value(), 6);
}

TEST_F(MprisTest, LoopStatusAndShuffleFollowTheCheckBoxes)
{
    struct Case {
        const char* set;
        bool repeat;
        const char* read;
    };
    for (const Case& c : { Case { "Playlist", true, "Playlist" }, Case { "None", false, "None" },
                           Case { "Playlist", true, "Playlist" },
                           Case { "Track", true, "Playlist" } /* not offered: unchanged */ }) {
        client->set(QStringLiteral("LoopStatus"), QString::fromLatin1(c.set));
        EXPECT_EQ(control<QCheckBox>(*window, "chkRepeat")->isChecked(), c.repeat) << c.set;
        EXPECT_EQ(window->core().RepeatOn(), c.repeat) << c.set;
        EXPECT_EQ(client->get(QStringLiteral("LoopStatus")).toString(), QString::fromLatin1(c.read));
    }
    for (const bool on : { true, false, true }) {
        client->set(QStringLiteral("Shuffle"), on);
        EXPECT_EQ(control<QCheckBox>(*window, "chkSuffle")->isChecked(), on);
        EXPECT_EQ(window->core().Shuffle(), on);
        EXPECT_EQ(client->get(QStringLiteral("Shuffle")).toBool(), on);
    }
    // Clicking the box in the window is seen by the desktop too.
    control<QCheckBox>(*window, "chkSuffle")->setChecked(false);
    EXPECT_FALSE(client->get(QStringLiteral("Shuffle")).toBool());
}

TEST_F(MprisTest, ChangesAreSignalledAtTheHalfSecondUpdate)
{
    window->core().clock().start();
    control<QCheckBox>(*window, "chkRepeat")->setChecked(true);
    EXPECT_TRUE(waitInEventLoop([&] { return busSignals->lastChanged(QStringLiteral("LoopStatus")).isValid(); }));
    EXPECT_EQ(busSignals->lastChanged(QStringLiteral("LoopStatus")).toString(), QStringLiteral("Playlist"));

    // A track started behind MPRIS's back (as the end of a track does).
    window->core().playlist().AppendMany({ kA, kB });
    fake->setFileName(kB);
    EXPECT_TRUE(waitInEventLoop([&] { return busSignals->lastChanged(QStringLiteral("Metadata")).isValid(); }));
    const QVariantMap metadata = qdbus_cast<QVariantMap>(
        busSignals->lastChanged(QStringLiteral("Metadata")).value<QDBusArgument>());
    EXPECT_EQ(metadata.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("b.avi"));
    EXPECT_EQ(busSignals->lastChanged(QStringLiteral("PlaybackStatus")).toString(),
              QStringLiteral("Playing"));
    EXPECT_TRUE(busSignals->lastChanged(QStringLiteral("CanGoNext")).toBool());

    // Nothing changes: nothing is signalled.
    const qsizetype count = busSignals->changes.size();
    waitInEventLoop([] { return false; }, 1200);
    EXPECT_EQ(busSignals->changes.size(), count);
}

TEST_F(MprisTest, OpenUriPlaysThatFileAlone)
{
    QTemporaryDir scratch;
    const QString file = scratch.filePath(QStringLiteral("ouvert.mp3"));
    QFile(file).open(QIODevice::WriteOnly);
    window->core().playlist().AppendMany({ kA, kB });

    client->player(QStringLiteral("OpenUri"), { QStringLiteral("https://example.org/x.mp3") });
    client->player(QStringLiteral("OpenUri"), { QUrl::fromLocalFile(scratch.filePath("absent.mp3")).toString() });
    EXPECT_EQ(window->core().playlist().Entries(), QStringList({ kA, kB }));

    client->player(QStringLiteral("OpenUri"), { QUrl::fromLocalFile(file).toString() });
    EXPECT_EQ(window->core().playlist().Entries(), QStringList { file });
    EXPECT_EQ(fake->FileName(), file);
    EXPECT_EQ(status(), QStringLiteral("Playing"));
}

TEST_F(MprisTest, RaiseShowsAndQuitClosesTheWindow)
{
    window->hide();
    client->call(QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("Raise"));
    EXPECT_TRUE(window->isVisible());
    client->call(QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("Quit"));
    EXPECT_TRUE(waitInEventLoop([&] { return !window->isVisible(); }));
    EXPECT_FALSE(window->hasVideoWindow());
}

// What the issue asks of a desktop tool: list, play, pause, next, metadata,
// position — with playerctl talking to the player.
TEST_F(MprisTest, PlayerctlDrivesThePlayer)
{
    const QString playerctl = QStandardPaths::findExecutable(QStringLiteral("playerctl"));
    ASSERT_FALSE(playerctl.isEmpty()) << "scripts/install-deps installs playerctl";
    const auto run = [&](const QStringList& arguments) {
        QProcess process;
        process.start(playerctl, arguments);
        waitInEventLoop([&] { return process.state() == QProcess::NotRunning; }, 8000);
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(1000);
        }
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    };
    const QStringList player = { QStringLiteral("-p"), QStringLiteral("velkorplayer") };

    EXPECT_TRUE(run({ QStringLiteral("-l") }).split(u'\n').contains(QStringLiteral("velkorplayer")));
    startEntry(0);
    fake->position = 12.5;
    EXPECT_EQ(run(player + QStringList { QStringLiteral("metadata"), QStringLiteral("xesam:title") }),
              QStringLiteral("a.mp3"));
    // playerctl moves a playing position on by the time since it read it.
    EXPECT_NEAR(run(player + QStringList { QStringLiteral("position") }).toDouble(), 12.5, 0.5);
    run(player + QStringList { QStringLiteral("pause") });
    EXPECT_EQ(run(player + QStringList { QStringLiteral("status") }), QStringLiteral("Paused"));
    run(player + QStringList { QStringLiteral("play") });
    EXPECT_EQ(run(player + QStringList { QStringLiteral("status") }), QStringLiteral("Playing"));
    run(player + QStringList { QStringLiteral("next") });
    EXPECT_EQ(fake->FileName(), kB);
}

} // namespace
