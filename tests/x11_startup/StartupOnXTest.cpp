// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up and shutdown on a real X server: the splash hands over to the main
// window, SIGTERM ends the program as a normal unload that writes lastlist.lst
// back, the window has its rounded shape on screen, and a read-only data folder
// keeps the old file.
#include "core/Levels.h"
#include "core/PlaybackClock.h"
#include "core/PlayerCore.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "core/TransportController.h"
#include "core/MediaAdder.h"
#include "support/TestMain.h"
#include "engine/EngineFactory.h"
#include "core/MediaEngine.h"
#include "core/PlaylistModel.h"
#include "app/Launcher.h"
#include "gui/frmMain.h"
#include "gui/frmSplash.h"
#include "support/FakeEngine.h"

#include "support/WaitFor.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <unistd.h>

namespace {

// A temporary home for the user's folders; lastlist.lst in its data folder.
class UserFolders {
public:
    UserFolders()
    {
        qputenv("XDG_DATA_HOME", dataHome().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
    }
    QString root() const { return m_dir.path(); }
    QString dataHome() const { return m_dir.filePath(QStringLiteral("data")); }
    QString folder() const { return dataHome() + QStringLiteral("/velkor-player"); }
    QString lastList() const { return folder() + QStringLiteral("/lastlist.lst"); }
    void write(const QByteArray& bytes) const
    {
        QDir().mkpath(folder());
        QFile file(lastList());
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    QByteArray read() const
    {
        QFile file(lastList());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private:
    QTemporaryDir m_dir;
};

std::unique_ptr<MediaEngine> fakeEngine()
{
    return std::make_unique<FakeEngine>();
}

const QByteArray kHandWritten = "/m/a.mp3\n007\r\"/m/b c.mp3\"\r\n\r\n-\r\n/m/\xe9t\xe9.mp3";
const QByteArray kWritersForm
    = "\"/m/a.mp3\"\r\n\"7\"\r\n\"/m/b c.mp3\"\r\n\"\"\r\n\"-\"\r\n\"/m/\xe9t\xe9.mp3\"\r\n";

} // namespace

TEST(X11Startup, SplashHandsOverAndSigtermWritesThePlaylistBack)
{
    UserFolders folders;
    folders.write(kHandWritten);
    TestMain window(&fakeEngine);
    Launcher launcher(window);
    QSignalSpy unloaded(&window, &frmMain::unloaded);
    bool splashGoneWhenShown = false;
    launcher.start();
    QPointer<frmSplash> splash = launcher.splash();
    ASSERT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());
    QObject::connect(splash, &frmSplash::finished, &window,
        [&] { splashGoneWhenShown = !splash->isVisible() && !window.isVisible(); });

    ASSERT_TRUE(waitFor([&] { return window.isLoaded(); }, 8000));
    EXPECT_TRUE(splashGoneWhenShown);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.core().playlist().Count(), 6);

    ::raise(SIGTERM);
    ASSERT_TRUE(waitFor([&] { return unloaded.count() == 1; }, 5000));
    EXPECT_EQ(folders.read(), kWritersForm);
}

TEST(X11Startup, SigintAfterLoadAndEmptyPlaylistGiveAZeroByteFile)
{
    UserFolders folders;
    TestMain window(&fakeEngine);
    Launcher launcher(window);
    QSignalSpy unloaded(&window, &frmMain::unloaded);
    window.Form_Load();
    ::raise(SIGINT);
    ASSERT_TRUE(waitFor([&] { return unloaded.count() == 1; }, 5000));
    EXPECT_TRUE(QFileInfo::exists(folders.lastList()));
    EXPECT_EQ(folders.read(), QByteArray());
}

TEST(X11Startup, SigtermDuringTheSplashKeepsTheStoredPlaylist)
{
    UserFolders folders;
    folders.write(kHandWritten);
    TestMain window(&fakeEngine);
    Launcher launcher(window);
    launcher.start();
    ::raise(SIGTERM);
    ASSERT_TRUE(waitFor([&] { return launcher.splash() == nullptr; }, 3000));
    QTest::qWait(3200); // long past the splash's own end: no hand-over happens
    EXPECT_FALSE(window.isLoaded());
    EXPECT_EQ(folders.read(), kHandWritten);
}

TEST(X11Startup, WindowIsRoundedOnScreen)
{
    UserFolders folders;
    TestMain window(&fakeEngine);
    window.move(100, 100);
    window.Form_Load();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(200);
    const QRect frame = window.geometry();
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                            .toImage();
    ASSERT_FALSE(shot.isNull());
    if (const QString dir = qEnvironmentVariable("VELKOR_SCREENSHOT_DIR"); !dir.isEmpty())
        shot.save(dir + QStringLiteral("/frmMain.png"));
    const QRgb corner = shot.pixel(0, 0);
    const QRgb top = shot.pixel(frame.width() / 2, 2);
    const QRgb bottomCorner = shot.pixel(frame.width() - 1, frame.height() - 1);
    // The root window shows through the cut corners; the skin is there inside.
    EXPECT_NE(corner, top);
    EXPECT_EQ(corner, bottomCorner);
    EXPECT_GT(qBlue(top), qRed(top)); // the bluish face of the skin
    window.Form_Unload();
}

// As root the test runs itself again in a child process as the user nobody,
// who may not write the data folder; that child does the load and unload.
TEST(X11Startup, ReadOnlyDataFolderKeepsTheOldFile)
{
    if (!qEnvironmentVariableIsEmpty("VELKOR_READONLY_CHILD")) {
        TestMain window(&fakeEngine);
        window.Form_Load();
        ASSERT_EQ(window.core().playlist().Count(), 6);
        window.core().playlist().Clear();
        window.Form_Unload();
        return;
    }
    UserFolders folders;
    folders.write(kHandWritten);
    QFile::setPermissions(folders.folder(),
        QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
            | QFileDevice::ExeOther);
    if (::geteuid() != 0) {
        TestMain window(&fakeEngine);
        window.Form_Load();
        window.core().playlist().Clear();
        window.Form_Unload();
    } else {
        // Permissions do not bind root: the same run happens as an ordinary
        // user in a child process.
        QFile::setPermissions(folders.root(),
            QFile::permissions(folders.root()) | QFileDevice::ReadOther | QFileDevice::ExeOther);
        QFile::setPermissions(folders.dataHome(),
            QFile::permissions(folders.dataHome()) | QFileDevice::ReadOther
                | QFileDevice::ExeOther);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELKOR_READONLY_CHILD"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folders.root());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QStringLiteral("setpriv"),
            { QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
                QStringLiteral("--gtest_filter=X11Startup.ReadOnlyDataFolderKeepsTheOldFile") });
        ASSERT_TRUE(child.waitForFinished(30000));
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child.exitCode(), 0);
    }
    EXPECT_EQ(folders.read(), kHandWritten);
    QFile::setPermissions(
        folders.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// The built program itself, once it has a media engine to start with.
TEST(X11Startup, ProgramEndsOnSigtermAndWritesThePlaylistBack)
{
    ASSERT_TRUE(createMediaEngine());
    const QString program
        = QCoreApplication::applicationDirPath() + QStringLiteral("/../player/velkor-player");
    ASSERT_TRUE(QFileInfo::exists(program)) << "velkor-player is built before the tests";
    UserFolders folders;
    folders.write(kHandWritten);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), folders.dataHome());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folders.root() + QStringLiteral("/config"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(program, {});
    ASSERT_TRUE(child.waitForStarted(5000));
    QTest::qWait(6000); // the splash's 2.8 s and the load
    child.terminate();
    ASSERT_TRUE(child.waitForFinished(15000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0);
    EXPECT_EQ(folders.read(), kWritersForm);
}
