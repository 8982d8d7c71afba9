// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// One run of a program in a child process: the CPU seconds of all of its
// threads, its peak resident memory and what it printed, from the kernel's
// own accounting of the child (wait4), so that the process measured does not
// measure itself.
struct ChildRun {
    bool ok = false;
    double cpuSeconds = 0;
    double peakMiB = 0;
    QString output;
};

ChildRun runChild(const QString& program, const QStringList& arguments);
