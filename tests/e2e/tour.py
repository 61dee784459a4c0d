#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the installed program in the language of LANG, for the README: the overview,
# then each sidebar item named on the command line. Run by person.sh (OPENWRIGHT_E2E_DRIVER),
# which sets up Xvfb, the buses, the servers and the sandbox.
#
#   tour.py PROGRAM ARTIFACTS_DIR GRAB_TOOL [ITEM=SHOT...]
import json
import os
import subprocess
import sys
import time

import pyatspi

PROGRAM, ARTIFACTS, GRAB = sys.argv[1:4]
GUARD = os.path.join(os.environ["XDG_DATA_HOME"], "Openwright", "guard.json")


def wait_for(condition, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            value = condition()
            if value:
                return value
        except Exception:  # files and widgets come and go while the program starts
            pass
        time.sleep(0.2)
    sys.exit(f"FAIL {condition.__doc__}")


def shot(name):
    time.sleep(0.6)
    subprocess.run([GRAB, os.path.join(ARTIFACTS, name + ".png")], check=True)
    print(f"ok   {name}.png", flush=True)


def sidebar_item(name):
    """the sidebar item is there"""
    def visit(acc, depth):
        if acc is None or depth > 40:
            return None
        if acc.getRoleName() == "list item" and acc.name == name:
            return acc
        for i in range(acc.childCount):
            found = visit(acc.getChildAtIndex(i), depth + 1)
            if found:
                return found
        return None
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Openwright":
            return visit(app, 0)
    return None


def read_everything():
    """every default is read"""
    with open(GUARD, encoding="utf-8") as f:
        return ".ovpn" in json.load(f)["baseline"]


# OPENWRIGHT_E2E_ARGS: Qt's own arguments, such as -reverse for a right-to-left look.
program = subprocess.Popen([PROGRAM] + os.environ.get("OPENWRIGHT_E2E_ARGS", "").split())
wait_for(read_everything)
shot("overview")
for pair in sys.argv[4:]:
    item, name = pair.split("=", 1)
    acc = wait_for(lambda: sidebar_item(item))
    x, y, w, h = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + w // 2), str(y + h // 2), "click", "1"], check=True)
    shot(name)
program.terminate()
program.wait(10)
print("PASSED", flush=True)
