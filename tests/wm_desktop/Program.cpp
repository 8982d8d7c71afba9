// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program.h"

#include "gui/Twips.h"
#include "support/MediaGenerator.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QTest>

using X11Desktop::Id;

namespace {

const QString kAbove = QStringLiteral("_NET_WM_STATE_ABOVE");

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

} // namespace

Media& media()
{
    static Media m;
    static const bool made = m.ready = MediaGenerator::encode(m.video, 30, MediaGenerator::Kind::Mpeg1)
        && MediaGenerator::encode(m.colour, 30, MediaGenerator::Kind::Colour)
        && sparseWav(m.longWav, 40000);
    Q_UNUSED(made);
    return m;
}

Program::Program(bool onTop, const QByteArray& lastList)
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

Program::~Program()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QByteArray Program::file(const QString& path) const
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool Program::start(const QStringList& arguments, const QStringList& environment)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
    // The program chooses its window system as in a user's session: in a
    // Wayland session it must come up as an X11 client by itself.
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // VELKOR_PLAYER_SCALE runs every journey of the test program on a screen
    // scaled that much (QT_SCALE_FACTOR), as on a 2x display.
    if (const QString scale = qEnvironmentVariable("VELKOR_PLAYER_SCALE"); !scale.isEmpty())
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    for (const QString& setting : environment)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(VELKOR_PLAYER_PROGRAM), arguments);
    if (!m_process.waitForStarted(5000))
        return false;
    m_scale = env.value(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1")).toDouble();
    const int width = qRound(Twips::toPixelsX(5145) * m_scale);
    const bool shown = waitFor(
        [&] {
            for (Id w : windows()) {
                if (X11Desktop::geometry(w).width() == width) {
                    mainWindow = w;
                    return true;
                }
                windowTypesBeforeMain << X11Desktop::property(w, QStringLiteral("_NET_WM_WINDOW_TYPE"));
            }
            return false;
        },
        15000);
    // The main window shows in the middle of its load; the rest of the load
    // (the playlist last) takes a moment more.
    QTest::qWait(1000);
    return shown;
}

QList<Id> Program::windows() const
{
    return X11Desktop::visibleWindowsOf(m_process.processId());
}

bool Program::waitForWindows(const std::function<bool(const QList<Id>&)>& condition)
{
    return waitFor([&] { return condition(windows()); }, 10000);
}

QPoint Program::at(double left, double top) const
{
    const QRect g = X11Desktop::geometry(mainWindow);
    return g.topLeft() + pixels(left, top);
}

QPoint Program::pixels(double left, double top) const
{
    return QPoint(Twips::toPixelsX(left), Twips::toPixelsY(top)) * m_scale;
}

void Program::click(QPoint point) const
{
    X11Desktop::xdotool({ QStringLiteral("mousemove"), QString::number(point.x()),
        QString::number(point.y()) });
    QTest::qWait(150);
    X11Desktop::xdotool({ QStringLiteral("click"), QStringLiteral("1") });
}

void Program::clickCloseDot() const
{
    X11Desktop::xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"),
        QString::number(mainWindow) });
    const QPoint dot = at(4875 + 67, 75 + 67);
    X11Desktop::xdotool(
        { QStringLiteral("mousemove"), QString::number(dot.x()), QString::number(dot.y()) });
    QTest::qWait(500);
    X11Desktop::xdotool({ QStringLiteral("click"), QStringLiteral("1") });
}

void Program::key(const QString& keys) const
{
    X11Desktop::xdotool({ QStringLiteral("windowactivate"), QStringLiteral("--sync"),
        QString::number(mainWindow) });
    QTest::qWait(100);
    X11Desktop::xdotool({ QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys });
}

bool Program::mainAbove() const
{
    return X11Desktop::netWmState(mainWindow).contains(kAbove);
}

qint64 Program::quit(Quit how)
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
