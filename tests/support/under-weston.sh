#!/bin/sh
# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program in a headless Wayland session (weston's headless back
# end) with Xwayland, the X display that GNOME and KDE Wayland sessions give
# X11 clients. The test program itself talks X11 to Xwayland; WAYLAND_DISPLAY
# is set as in such a session. Exits with the test program's status.
set -u
runtime=$(mktemp -d /tmp/velkor-weston.XXXXXX)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --width=1280 --height=1024 --xwayland \
  --socket=velkor-wayland --idle-time=0 --log="$runtime/weston.log" >/dev/null 2>&1 &
compositor=$!
stop() {
  kill "$compositor" 2>/dev/null
  wait "$compositor" 2>/dev/null
  rm -rf "$runtime"
}
# Weston names the X display it opened for Xwayland in its log.
tries=0
display=""
until [ -n "$display" ]; do
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$runtime/weston.log" 2>/dev/null | head -n 1)
  tries=$((tries + 1))
  if [ -z "$display" ] && { [ "$tries" -gt 400 ] || ! kill -0 "$compositor" 2>/dev/null; }; then
    echo "under-weston: weston with Xwayland did not start" >&2
    cat "$runtime/weston.log" >&2
    stop
    exit 1
  fi
  [ -n "$display" ] || sleep 0.05
done
export WAYLAND_DISPLAY=velkor-wayland DISPLAY="$display"
export XDG_SESSION_TYPE=wayland
# The test program reads the X display like any X11 client of the session.
QT_QPA_PLATFORM=xcb "$@"
status=$?
stop
exit "$status"
