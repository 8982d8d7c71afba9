// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ThreadCpu.h"

#include <QDir>
#include <QFile>
#include <QMap>

#include <unistd.h>

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

long long processSleeps()
{
    long long sleeps = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task + QStringLiteral("/status")));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:"))
                sleeps += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
    }
    return sleeps;
}
