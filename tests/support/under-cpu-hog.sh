#!/bin/sh
# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a test command beside a CPU hog (stress-ng keeping two cores busy, at a
# lower priority than the test), as on a machine busy with other work: a test
# that only passes on an idle machine fails here. Exits with the command's
# status.
set -u
nice -n 10 stress-ng --cpu 2 --quiet >/dev/null 2>&1 &
hog=$!
"$@"
status=$?
kill "$hog" 2>/dev/null
wait "$hog" 2>/dev/null
exit "$status"
