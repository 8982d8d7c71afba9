// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QMap>

// With VELKOR_BENCH_THREADS set, prints to stderr the CPU seconds each thread
// of this process has used so far, by the thread's name, largest first: the
// way to see which part of a run costs what.
void printThreadCpu(const char* who);

// How many times the threads of this process have gone to sleep so far (their
// voluntary context switches, all threads together): each is a wake-up later.
long long processSleeps();

// The same, by thread name (threads of one name added up).
QMap<QByteArray, long long> threadSleeps();

// With VELKOR_BENCH_THREADS set, prints to stderr each thread's wake-ups per
// second since `before` (a threadSleeps() taken seconds ago), most first.
void printThreadSleeps(const QMap<QByteArray, long long>& before, double seconds);
