// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// With VELKOR_BENCH_THREADS set, prints to stderr the CPU seconds each thread
// of this process has used so far, by the thread's name, largest first: the
// way to see which part of a run costs what.
void printThreadCpu(const char* who);

// How many times the threads of this process have gone to sleep so far (their
// voluntary context switches, all threads together): each is a wake-up later.
long long processSleeps();
