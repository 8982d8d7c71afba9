#!/bin/sh

# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test program on the current X display (the one xvfb-run made) with
# openbox managing its windows, so that stacking, on-top, minimising and moving
# behave as on a desktop. Exits with the test program's status.
set -u
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# The window manager is in charge once it has announced itself on the root.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
  tries=$((tries + 1))
  if [ "$tries" -gt 200 ] || ! kill -0 "$wm" 2>/dev/null; then
    echo "under-openbox: openbox did not start on $DISPLAY" >&2
    kill "$wm" 2>/dev/null
    exit 1
  fi
  sleep 0.05
done
"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit "$status"
