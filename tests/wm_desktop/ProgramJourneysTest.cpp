// The built program under a window manager, driven as a person drives it:
// on top restored at start-up and toggled, About over the main window while on
// top is suspended, and quitting by SIGTERM in every state a
// session can leave it in, each of which must end with status 0 and both the
// playlist and the settings written.
#include "X11Desktop.h"

#include "gui/Twips.h"
#include "support/MediaGenerator.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

using X11Desktop::Id;

namespace {

const QString kAbove = QStringLiteral("_NET_WM_STATE_ABOVE");
const QString kHidden = QStringLiteral("_NET_WM_STATE_HIDDEN");

// Writes the header of a 8 kHz, 8-bit mono WAV of the given length and extends
// the file to its full size without writing the samples: a sparse file of
// silence that takes no room on the disk.
bool sparseWav(const QString& path, quint32 seconds)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const quint32 rate = 8000;
    const quint32 data = rate * seconds;
    QByteArray header;
    const auto u32 = [&header](quint32 v) {
        for (int i = 0; i < 4; ++i)
            header.append(char((v >> (8 * i)) & 0xFF));
    };
    const auto u16 = [&header](quint16 v) {
        header.append(char(v & 0xFF));
        header.append(char(v >> 8));
    };
    header.append("RIFF");
    u32(36 + data);
    header.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(rate);
    u32(rate); // bytes per second
    u16(1); // block align
    u16(8); // bits per sample
    header.append("data");
    u32(data);
    return file.write(header) == header.size() && file.resize(header.size() + qint64(data));
}

struct Media {
    QTemporaryDir dir;
    QString video = dir.filePath(QStringLiteral("clip.mpg"));
    QString longWav = dir.filePath(QStringLiteral("long.wav"));
    bool ready = MediaGenerator::encode(video, 30, MediaGenerator::Kind::Mpeg1)
        && sparseWav(longWav, 40000);
};

Media& media()
{
    static Media m;
    return m;
}

// One run of velkor-player with its own settings and data folders.
class Program {
public:
    Program(bool onTop, const QByteArray& lastList)
    {
        QDir().mkpath(configFolder());
        QFile ini(configFolder() + QStringLiteral("/velkor-player.ini"));
        if (ini.open(QIODevice::WriteOnly))
            ini.write(QByteArray("[Options]\nleft=1500\ntop=1500\nOntop=")
                + (onTop ? "True" : "False") + "\n");
        ini.close();
        QDir().mkpath(dataFolder());
        QFile list(lastListPath());
        if (list.open(QIODevice::WriteOnly))
            list.write(lastList);
    }
    ~Program()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

    QString configFolder() const { return m_home.filePath(QStringLiteral("config/velkor-player")); }
    QString dataFolder() const { return m_home.filePath(QStringLiteral("data/velkor-player")); }
    QString lastListPath() const { return dataFolder() + QStringLiteral("/lastlist.lst"); }
    QByteArray file(const QString& path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    // Starts the program and waits for its main window (past the splash).
    bool start(const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(VELKOR_PLAYER_PROGRAM), arguments);
        if (!m_process.waitForStarted(5000))
            return false;
        const int width = Twips::toPixelsX(5145);
        const bool shown = waitFor(
            [&] {
                for (Id w : windows())
                    if (X11Desktop::geometry(w).width() == width) {
                        mainWindow = w;
                        return true;
                    }
                return false;
            },
            15000);
        // The main window shows in the middle of its load; the rest of the load
        // (the playlist last) takes a moment more.
        QTest::qWait(1000);
        return shown;
    }

    QList<Id> windows() const { return X11Desktop::visibleWindowsOf(m_process.processId()); }
    bool waitForWindows(const std::function<bool(const QList<Id>&)>& condition)
    {
        return waitFor([&] { return condition(windows()); }, 10000);
    }

    // A point of the main window, given in twips from its top left corner.
    QPoint at(double left, double top) const
    {
        const QRect g = X11Desktop::geometry(mainWindow);
        return g.topLeft() + QPoint(Twips::toPixelsX(left), Twips::toPixelsY(top));
    }
    void click(QPoint point) const
    {
        X11Desktop::xdotool({ QStringLiteral("mousemove"), QString::number(point.x()),
            QString::number(point.y()) });
        QTest::qWait(150);
        X11Desktop::xdotool({ QStringLiteral("click"), QStringLiteral("1") });
    }
    // As a person does: the main window comes to the front, the pointer goes
    // to the dot and rests there, then the click.
    void clickCloseDot() const
    {
        X11Desktop::xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"),
            QString::number(mainWindow) });
        const QPoint dot = at(4875 + 67, 75 + 67);
        X11Desktop::xdotool(
            { QStringLiteral("mousemove"), QString::number(dot.x()), QString::number(dot.y()) });
        QTest::qWait(500);
        X11Desktop::xdotool({ QStringLiteral("click"), QStringLiteral("1") });
    }
    // Keys go to the main window, made the active one first.
    void key(const QString& keys) const
    {
        X11Desktop::xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"),
            QString::number(mainWindow) });
        QTest::qWait(100);
        X11Desktop::xdotool({ QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys });
    }
    bool mainAbove() const { return X11Desktop::netWmState(mainWindow).contains(kAbove); }

    enum class Quit { Sigterm, CloseDot };
    // Ends the program and returns how long it took, or -1 when it did not end.
    qint64 quit(Quit how)
    {
        QElapsedTimer timer;
        if (how == Quit::Sigterm) {
            timer.start();
            m_process.terminate();
        } else {
            clickCloseDot(); // the click is the last thing it does
            timer.start();
        }
        // The program may have ended already while the click was being
        // made; waitForFinished() answers false for a process that has.
        if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(10000))
            return -1;
        return timer.elapsed();
    }
    QProcess& process() { return m_process; }

    Id mainWindow = 0;

private:
    QTemporaryDir m_home;
    QProcess m_process;
};

QByteArray written(const QStringList& entries)
{
    QByteArray bytes;
    for (const QString& e : entries)
        bytes += '"' + QFile::encodeName(e) + "\"\r\n";
    return bytes;
}

struct Journey {
    const char* name;
    bool onTop;
    QByteArray lastList; // what the data folder holds at start
    std::function<QStringList()> arguments;
    std::function<bool(Program&)> reachState; // false when the state was not reached
    Program::Quit quit;
    std::function<QStringList()> playlistAtExit;
};

bool noState(Program&)
{
    return true;
}

bool aboutOpen(Program& p)
{
    p.click(p.at(120 + 127, 75 + 127));
    return p.waitForWindows([](const QList<Id>& w) { return w.size() >= 2; });
}

bool videoWindowShown(Program& p)
{
    return p.waitForWindows([](const QList<Id>& w) { return w.size() >= 2; });
}

bool fullScreen(Program& p)
{
    if (!videoWindowShown(p))
        return false;
    p.click(p.at(4545 + 165, 600 + 165));
    QTest::qWait(300);
    X11Desktop::xdotool({ QStringLiteral("key"), QStringLiteral("p") });
    return p.waitForWindows([](const QList<Id>& ws) {
        for (Id w : ws)
            if (X11Desktop::geometry(w).width() == 1280)
                return true;
        return false;
    });
}

bool leftFullScreen(Program& p)
{
    if (!fullScreen(p))
        return false;
    X11Desktop::xdotool({ QStringLiteral("key"), QStringLiteral("Escape") });
    return p.waitForWindows([](const QList<Id>& ws) {
        for (Id w : ws)
            if (X11Desktop::geometry(w).width() == 1280)
                return false;
        return true;
    });
}

bool movedPausedVideo(Program& p)
{
    if (!videoWindowShown(p))
        return false;
    for (Id w : p.windows())
        if (w != p.mainWindow)
            X11Desktop::xdotool({ QStringLiteral("windowmove"), QString::number(w),
                QStringLiteral("600"), QStringLiteral("500") });
    QTest::qWait(500);
    p.key(QStringLiteral("ctrl+a"));
    QTest::qWait(500);
    return true;
}

bool longFilePaused(Program& p)
{
    QTest::qWait(1000);
    p.key(QStringLiteral("ctrl+a"));
    QTest::qWait(500);
    return true;
}

bool breakMessageOpen(Program& p)
{
    p.key(QStringLiteral("ctrl+p"));
    return p.waitForWindows([](const QList<Id>& ws) {
        for (Id w : ws)
            if (X11Desktop::name(w) == QStringLiteral("Have a Break!"))
                return true;
        return false;
    });
}

bool openDialogOpen(Program& p)
{
    p.key(QStringLiteral("ctrl+o"));
    return p.waitForWindows([](const QList<Id>& w) { return w.size() >= 2; });
}

QStringList none()
{
    return {};
}
QStringList video()
{
    return { media().video };
}
QStringList longWav()
{
    return { media().longWav };
}
QStringList breakEntries()
{
    return { QStringLiteral("-"), QStringLiteral("-") };
}

const Journey kJourneys[] = {
    { "OnTopRestored", true, {}, none, noState, Program::Quit::Sigterm, none },
    { "OnTopOff", false, {}, none, noState, Program::Quit::Sigterm, none },
    { "AboutOpenOnTop", true, {}, none, aboutOpen, Program::Quit::Sigterm, none },
    { "FullScreenVideo", false, {}, video, fullScreen, Program::Quit::Sigterm, video },
    { "AfterLeavingFullScreen", true, {}, video, leftFullScreen, Program::Quit::Sigterm, video },
    { "MovedPausedVideoWindow", true, {}, video, movedPausedVideo, Program::Quit::Sigterm, video },
    { "LongPausedAudio", true, {}, longWav, longFilePaused, Program::Quit::Sigterm, longWav },
    // Play goes to the entry after CurrentTrack (0): the second break asks.
    { "MessageBoxOpen", true, "\"-\"\r\n\"-\"\r\n", none, breakMessageOpen,
        Program::Quit::Sigterm, breakEntries },
    { "FileDialogOpen", true, {}, none, openDialogOpen, Program::Quit::Sigterm, none },
    { "CloseDotOnTopOff", false, {}, none, noState, Program::Quit::CloseDot, none },
    { "CloseDotOnTopRestored", true, {}, video, noState, Program::Quit::CloseDot, video },
};

class Quitting : public ::testing::TestWithParam<Journey> { };

} // namespace

TEST_P(Quitting, EndsWithStatusZeroAndWritesBothFiles)
{
    const Journey& j = GetParam();
    ASSERT_TRUE(media().ready);
    Program program(j.onTop, j.lastList);
    ASSERT_TRUE(program.start(j.arguments()));
    ASSERT_TRUE(j.reachState(program));
    ::unlink(QFile::encodeName(program.configFolder() + QStringLiteral("/velkor-player.ini")));
    const qint64 ms = program.quit(j.quit);
    ASSERT_GE(ms, 0) << "still running 10 s after the request to quit";
    std::printf("  %s: ended %lld ms after the request\n", j.name, static_cast<long long>(ms));
    EXPECT_EQ(program.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.process().exitCode(), 0);
    EXPECT_EQ(program.file(program.lastListPath()), written(j.playlistAtExit()));
    EXPECT_TRUE(program.file(program.configFolder() + QStringLiteral("/velkor-player.ini"))
                    .contains(j.onTop ? "Ontop=True" : "Ontop=False"));
}

INSTANTIATE_TEST_SUITE_P(States, Quitting, ::testing::ValuesIn(kJourneys),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OnTopProgram, RestoredOnTopTogglesOnTheSameWindowAndAboutStaysOverIt)
{
    Program program(true, {});
    ASSERT_TRUE(program.start({}));
    const Id main = program.mainWindow;
    ASSERT_TRUE(waitFor([&] { return program.mainAbove(); }));

    // Ctrl+L ("P&remier plan") twice: off, then on again, always on the same
    // mapped window, which keeps the focus.
    for (bool wanted : { false, true }) {
        SCOPED_TRACE(wanted);
        program.key(QStringLiteral("ctrl+l"));
        EXPECT_TRUE(waitFor([&] { return program.mainAbove() == wanted; }, 3000));
        EXPECT_TRUE(X11Desktop::isViewable(main));
        EXPECT_EQ(X11Desktop::activeWindow(), main);
        EXPECT_TRUE(program.windows().contains(main));
    }

    // "?" suspends on top: the main window leaves the top-most layer and the
    // About window stays over it, also after the periodic rule has run again.
    ASSERT_TRUE(aboutOpen(program));
    QTest::qWait(1200);
    EXPECT_FALSE(program.mainAbove());
    Id about = 0;
    for (Id w : program.windows())
        if (w != main)
            about = w;
    const QList<Id> order = X11Desktop::stacking();
    ASSERT_TRUE(order.contains(about));
    EXPECT_GT(order.indexOf(about), order.indexOf(main));

    // "&Ok" gives on top back.
    const QRect g = X11Desktop::geometry(about);
    program.click(g.topLeft()
        + QPoint(Twips::toPixelsX(2760 + 600), Twips::toPixelsY(3240 + 187)));
    EXPECT_TRUE(waitFor([&] { return program.mainAbove(); }, 3000));
    EXPECT_TRUE(program.waitForWindows([](const QList<Id>& w) { return w.size() == 1; }));
    EXPECT_TRUE(program.windows().contains(main));
    EXPECT_GE(program.quit(Program::Quit::Sigterm), 0);
}

// Minimised by its orange dot, the main window shows the scrolling title as
// its task-bar caption; brought back, it is on top again with an empty
// caption, the same window throughout. Dragged by its title, it follows the
// pointer.
TEST(MinimiseProgram, CaptionScrollsWhileMinimisedAndRestoringGivesOnTopBack)
{
    ASSERT_TRUE(media().ready);
    Program program(true, {});
    ASSERT_TRUE(program.start(video()));
    const Id main = program.mainWindow;
    ASSERT_TRUE(waitFor([&] { return program.mainAbove(); }));

    // An empty caption reads as the program's name on the X server.
    const QString emptyCaption = X11Desktop::name(main);
    program.click(program.at(4680 + 67, 75 + 67));
    ASSERT_TRUE(waitFor([&] { return X11Desktop::netWmState(main).contains(kHidden); }, 3000));
    const QString caption = X11Desktop::name(main);
    EXPECT_TRUE(caption.contains(QStringLiteral("clip.mpg"))) << caption.toStdString();
    EXPECT_TRUE(waitFor([&] { return X11Desktop::name(main) != caption; }, 3000))
        << "the caption stays " << caption.toStdString();

    X11Desktop::xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(main) });
    EXPECT_TRUE(waitFor(
        [&] { return X11Desktop::isViewable(main) && !X11Desktop::netWmState(main).contains(kHidden); }, 3000));
    EXPECT_TRUE(waitFor([&] { return program.mainAbove(); }, 3000));
    EXPECT_TRUE(waitFor([&] { return X11Desktop::name(main) == emptyCaption; }, 3000))
        << X11Desktop::name(main).toStdString();

    const QPoint before = X11Desktop::geometry(main).topLeft();
    const QPoint delta(120, 90);
    X11Desktop::drag(program.at(900 + 1800, 45 + 90), delta);
    EXPECT_TRUE(waitFor([&] {
        return (X11Desktop::geometry(main).topLeft() - before - delta).manhattanLength() <= 4;
    }, 3000)) << "moved by " << (X11Desktop::geometry(main).topLeft() - before).x() << ","
              << (X11Desktop::geometry(main).topLeft() - before).y();
    EXPECT_TRUE(program.windows().contains(main));
    EXPECT_GE(program.quit(Program::Quit::Sigterm), 0);
}
