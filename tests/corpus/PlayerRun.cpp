// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlayerRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>

#include <csignal>

#include <unistd.h>

namespace {

// The inodes of the sockets listed in one of /proc/PID/net's tables.
QSet<QByteArray> tableInodes(const QString& path)
{
    QSet<QByteArray> inodes;
    QFile table(path);
    if (!table.open(QIODevice::ReadOnly))
        return inodes;
    table.readLine(); // the header
    while (!table.atEnd()) {
        const QList<QByteArray> fields = table.readLine().simplified().split(' ');
        if (fields.size() > 9)
            inodes.insert(fields.at(9));
    }
    return inodes;
}

} // namespace

PlayerRun::PlayerRun() = default;

PlayerRun::~PlayerRun()
{
    if (running()) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString PlayerRun::lastListPath() const
{
    return m_home.filePath(QStringLiteral("data/velkor-player/lastlist.lst"));
}

void PlayerRun::start(const QStringList& arguments, const QString& workingFolder)
{
    const QString program
        = QCoreApplication::applicationDirPath() + QStringLiteral("/../../player/velkor-player");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setWorkingDirectory(workingFolder);
    m_process.start(program, arguments);
    if (!m_process.waitForStarted(10000))
        qFatal("could not start %s", qPrintable(program));
    m_client = std::make_unique<MprisClient>(QStringLiteral("org.mpris.MediaPlayer2.velkorplayer"));
}

bool PlayerRun::waitForService(int ms)
{
    return waitInEventLoop([this] {
        return !running() || m_client->get(QStringLiteral("PlaybackStatus")).isValid();
    }, ms) && running();
}

bool PlayerRun::answersQuickly()
{
    QElapsedTimer clock;
    clock.start();
    const bool answered = m_client->get(QStringLiteral("PlaybackStatus")).isValid();
    return answered && clock.elapsed() < 2000;
}

int PlayerRun::terminate(int ms)
{
    if (!running())
        return -1;
    ::kill(pid_t(m_process.processId()), SIGTERM);
    if (!waitInEventLoop([this] { return !running(); }, ms))
        return -1;
    return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
}

QStringList PlayerRun::networkSockets() const
{
    const QString proc = QStringLiteral("/proc/%1").arg(m_process.processId());
    QSet<QByteArray> network;
    for (const char* table : { "tcp", "tcp6", "udp", "udp6", "udplite", "udplite6", "raw", "raw6" })
        network += tableInodes(proc + QStringLiteral("/net/") + QLatin1String(table));
    QStringList found;
    const QDir fds(proc + QStringLiteral("/fd"));
    for (const QString& fd : fds.entryList(QDir::System | QDir::NoDotAndDotDot)) {
        const QByteArray link = QFile::encodeName(fds.filePath(fd));
        char buffer[128] = {};
        const ssize_t n = ::readlink(link.constData(), buffer, sizeof buffer - 1);
        const QByteArray text(buffer, n > 0 ? n : 0);
        if (text.startsWith("socket:[") && network.contains(text.mid(8, text.size() - 9)))
            found << fd + QStringLiteral(" -> ") + QString::fromLatin1(text);
    }
    return found;
}
