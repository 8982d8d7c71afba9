#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The player read as a screen reader reads it.

Starts the built program on the accessibility bus of the current session (run
under dbus-run-session, on an X server with a window manager), reads its
accessible tree with pyatspi, checks roles, names and the sliders' values, then
moves the keyboard focus with Tab to the volume slider and turns the volume up
with Right, as a person without a mouse does.

Usage: journey.py PROGRAM
"""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi

PLAYER_NAME = "velkor-player"
MPRIS_NAME = "velkorplayer"
# Limits for what is awaited; each wait ends as soon as its condition holds.
START_LIMIT = 60
STEP_LIMIT = 20


class Failure(Exception):
    pass


def wait_for(condition, limit, what):
    """Polls condition until it gives a true value, or fails after limit seconds."""
    deadline = time.monotonic() + limit
    while True:
        try:
            result = condition()
        except Exception:  # an object that went away while it was read
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure("waited %d s for %s" % (limit, what))
        time.sleep(0.1)


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find_player():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == PLAYER_NAME:
            return app
    return None


def main_window(app):
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window.name == "Velkor Player" and window.getState().contains(pyatspi.STATE_SHOWING):
            return window
    return None


def sliders(window):
    return {node.name: node for node in descendants(window)
            if node.getRole() == pyatspi.ROLE_SLIDER}


def value_of(node):
    value = node.queryValue()
    return (value.currentValue, value.minimumValue, value.maximumValue)


def describe(node):
    text = "%s \"%s\"" % (node.getRoleName(), node.name)
    if node.getRole() == pyatspi.ROLE_SLIDER:
        text += " %g in %g..%g" % value_of(node)
    return text


def check_tree(window):
    nodes = list(descendants(window))
    print("accessible tree of the main window:")
    for node in nodes:
        print("  " + describe(node))

    found = sliders(window)
    if sorted(found) != ["Balance", "Position", "Volume"]:
        raise Failure("sliders: %s" % sorted(found))
    for name, expected in (("Volume", (5, 0, 10)), ("Balance", (10, 0, 20))):
        if value_of(found[name]) != expected:
            raise Failure("%s reads %s, not %s" % (name, value_of(found[name]), expected))
    buttons = [n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    if len(buttons) < 12:
        raise Failure("only %d push buttons" % len(buttons))
    unreadable = [n.name for n in buttons if len(n.name.strip()) < 2]
    if unreadable:
        raise Failure("push buttons without a readable name: %s" % unreadable)
    boxes = [n for n in nodes if n.getRole() == pyatspi.ROLE_CHECK_BOX]
    if len(boxes) != 3 or not all(n.name.strip() for n in boxes):
        raise Failure("check boxes: %s" % [n.name for n in boxes])


def focused(window):
    for node in descendants(window):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return node
    return None


def press(key):
    subprocess.run(["xdotool", "key", key], check=True)


def mpris_volume():
    done = subprocess.run(["playerctl", "-p", MPRIS_NAME, "volume"],
                          capture_output=True, text=True)
    return float(done.stdout) if done.returncode == 0 else None


def tab_to_volume(window):
    volume = sliders(window)["Volume"]
    for _ in range(40):
        if volume.getState().contains(pyatspi.STATE_FOCUSED):
            return volume
        before = focused(window)
        press("Tab")
        wait_for(lambda: focused(window) not in (None, before), STEP_LIMIT,
                 "the focus to move on Tab")
    raise Failure("Tab never reached the volume slider")


def journey(program, home):
    config = os.path.join(home, "config", "velkor-player")
    os.makedirs(config)
    # The volume at step 5 of 0..10 (engine level -600), so that it can go up.
    with open(os.path.join(config, "velkor-player.ini"), "w") as settings:
        settings.write("[Options]\nVol=-600\n")
    environment = dict(os.environ,
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       XDG_CONFIG_HOME=os.path.join(home, "config"),
                       XDG_DATA_HOME=os.path.join(home, "data"))
    player = subprocess.Popen([program], env=environment)
    try:
        app = wait_for(find_player, START_LIMIT, "the player on the accessibility bus")
        window = wait_for(lambda: main_window(app), START_LIMIT, "the main window")
        wait_for(lambda: window.getState().contains(pyatspi.STATE_ACTIVE), START_LIMIT,
                 "the main window to take the keyboard")
        check_tree(window)

        volume = tab_to_volume(window)
        print("focus on " + describe(volume))
        wait_for(lambda: mpris_volume() == 0.5, STEP_LIMIT, "MPRIS to report volume 0.5")
        press("Right")
        wait_for(lambda: value_of(volume)[0] == 6, STEP_LIMIT, "the volume slider at 6")
        wait_for(lambda: mpris_volume() == 0.6, STEP_LIMIT, "MPRIS to report volume 0.6")
        print("Right: " + describe(volume) + ", MPRIS volume %g" % mpris_volume())
    finally:
        subprocess.run(["playerctl", "-p", MPRIS_NAME, "stop"], capture_output=True)
        player.terminate()
        try:
            player.wait(timeout=STEP_LIMIT)
        except subprocess.TimeoutExpired:
            player.kill()
            player.wait()


def run():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    with tempfile.TemporaryDirectory() as home:
        try:
            journey(sys.argv[1], home)
        except Failure as failure:
            print("atspi journey: " + str(failure), file=sys.stderr)
            return 1
    print("atspi journey: passed")
    return 0


if __name__ == "__main__":
    sys.exit(run())
