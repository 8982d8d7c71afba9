// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ThreadCpu.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

void printThreadCpu(const char* who)
{
    if (qEnvironmentVariableIsEmpty("VELKOR_BENCH_THREADS"))
        return;
    const double tick = double(sysconf(_SC_CLK_TCK));
    QMap<QByteArray, double> byName;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(task + QStringLiteral("/stat")));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        // pid (name) state ... field 14 utime, 15 stime; the name may hold spaces.
        const qsizetype open = line.indexOf('('), close = line.lastIndexOf(')');
        if (open < 0 || close < open)
            continue;
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        if (fields.size() < 13)
            continue;
        byName[line.mid(open + 1, close - open - 1)] += (fields[11].toDouble() + fields[12].toDouble()) / tick;
    }
    std::vector<std::pair<double, QByteArray>> sorted;
    for (auto it = byName.cbegin(); it != byName.cend(); ++it)
        sorted.emplace_back(it.value(), it.key());
    std::sort(sorted.rbegin(), sorted.rend());
    for (const auto& [seconds, name] : sorted)
        std::fprintf(stderr, "%s thread %-16s %6.2f s\n", who, name.constData(), seconds);
}

namespace {

// Each thread's /proc file `file`, with the thread's name.
template <typename Visit>
void forEachThread(const char* file, Visit visit)
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        QFile contents(tasks.filePath(task + QLatin1Char('/') + QLatin1String(file)));
        if (comm.open(QIODevice::ReadOnly) && contents.open(QIODevice::ReadOnly))
            visit(comm.readAll().trimmed(), contents.readAll());
    }
}

} // namespace

QMap<QByteArray, long long> threadSleeps()
{
    QMap<QByteArray, long long> byName;
    forEachThread("status", [&byName](const QByteArray& name, const QByteArray& status) {
        for (const QByteArray& line : status.split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:"))
                byName[name] += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
    });
    return byName;
}

long long processSleeps()
{
    long long sleeps = 0;
    for (const long long count : threadSleeps())
        sleeps += count;
    return sleeps;
}

void printThreadSleeps(const QMap<QByteArray, long long>& before, double seconds)
{
    if (qEnvironmentVariableIsEmpty("VELKOR_BENCH_THREADS") || seconds <= 0)
        return;
    std::vector<std::pair<double, QByteArray>> sorted;
    const QMap<QByteArray, long long> now = threadSleeps();
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        sorted.emplace_back(double(it.value() - before.value(it.key())) / seconds, it.key());
    std::sort(sorted.rbegin(), sorted.rend());
    for (const auto& [perSecond, name] : sorted)
        std::fprintf(stderr, "wake-ups thread %-16s %6.2f /s\n", name.constData(), perSecond);
}
