#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Openwright as a person meets it: the installed program on the sample desktop, driven by
# clicks and keys sent to its widgets (found through the accessibility tree, the way screen
# readers find them), with a real notification server and a tray. Run by person.sh, which sets
# up Xvfb, the session bus, the accessibility bus, the servers and the sandbox.
#
#   person.py PROGRAM ARTIFACTS_DIR GRAB_TOOL
#
# Every step saves a screenshot into ARTIFACTS_DIR; the README's screenshots come from them.
import json
import os
import re
import subprocess
import sys
import time

import pyatspi

PROGRAM, ARTIFACTS, GRAB = sys.argv[1], sys.argv[2], sys.argv[3]
DATA = os.path.join(os.environ["XDG_DATA_HOME"], "Openwright")
MIMEAPPS = os.path.join(os.environ["XDG_CONFIG_HOME"], "mimeapps.list")
STARTED = time.monotonic()
failures = []


def step(text):
    print(f"-- [{time.monotonic() - STARTED:5.1f} s] {text}", flush=True)


def check(condition, text):
    print(("ok   " if condition else "FAIL ") + text, flush=True)
    if not condition:
        failures.append(text)
    return condition


def wait_for(condition, seconds=10.0, interval=0.1):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            value = condition()
            if value:
                return value
        except Exception:  # the tree changes under us while widgets come and go
            pass
        time.sleep(interval)
    return None


def shot(name):
    """A screenshot of the whole screen: the window in its frame, with the tray and notifications."""
    time.sleep(0.4)  # let the last change paint
    subprocess.run([GRAB, os.path.join(ARTIFACTS, name + ".png")], check=False)


def xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def find_all(root, role=None, name=None, pattern=None):
    found = []

    def visit(acc, depth):
        if acc is None or depth > 40:
            return
        try:
            if not showing(acc) and depth > 1:
                return
            if (role is None or acc.getRoleName() == role) and (name is None or acc.name == name) and (
                pattern is None or re.search(pattern, acc.name or "")
            ):
                found.append(acc)
            for i in range(acc.childCount):
                visit(acc.getChildAtIndex(i), depth + 1)
        except Exception:
            pass

    visit(root, 0)
    return found


def find(root_name, role=None, name=None, pattern=None, seconds=10.0):
    return wait_for(lambda: (find_all(application(root_name), role, name, pattern) or [None])[0], seconds)


def click_at(x, y):
    shell = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True, text=True).stdout
    here = dict(line.split("=") for line in shell.split())
    # --sync waits for the pointer to move: it never does when it is there already.
    if (int(here["X"]), int(here["Y"])) != (x, y):
        xdotool("mousemove", "--sync", x, y)
    xdotool("click", 1)


def click(acc):
    x, y, w, h = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    click_at(x + w // 2, y + h // 2)


def keys(*combo):
    xdotool("key", "--clearmodifiers", *combo)


def x_windows(name):
    """The visible X windows of that title, with their geometry."""
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], capture_output=True, text=True)
    windows = []
    for wid in out.stdout.split():
        shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", wid], capture_output=True, text=True)
        g = dict(line.split("=") for line in shell.stdout.split())
        windows.append((wid, int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])))
    return windows


def main_window():
    return max(x_windows("^Openwright$"), key=lambda w: w[3] * w[4])


def run_sheet(what, screenshot=None):
    """Applies the open plan sheet and checks that its footer reports every change made."""
    apply = find(APP, "push button", pattern=r"^Apply \d+ Changes$")
    if check(apply is not None, what):
        click(apply)
        footer = find(APP, "label", pattern=r"^\d+ of \d+ changed\.$", seconds=15)
        check(footer is not None and footer.name.split()[0] == footer.name.split()[2],
              f"the footer reports every change made ({footer.name if footer else 'none'})")
        if screenshot:
            shot(screenshot)
        click(find(APP, "push button", "Done"))


def audit(screen):
    """Every control the keyboard reaches names what it acts on: none unnamed, no two buttons alike."""
    frame = find(APP, "frame", "Openwright")
    unnamed, seen, alike = [], set(), set()
    for acc in find_all(frame):
        try:
            if not acc.getState().contains(pyatspi.STATE_FOCUSABLE):
                continue
            role, name = acc.getRoleName(), (acc.name or "").strip()
        except Exception:
            continue
        if role in ("menu", "menu item", "menu bar", "list item"):
            continue
        if not name:
            unnamed.append(role)
        elif role in ("push button", "toggle button", "check box"):
            if name in seen:
                alike.add(name)
            seen.add(name)
    check(not unnamed and not alike,
          f"{screen}: every control names what it acts on (unnamed: {unnamed}, alike: {sorted(alike)})")


def revert_buttons():
    return find_all(application("notification-daemon"), "push button", "Revert")


def text_of(path):
    try:
        with open(path, encoding="utf-8") as f:
            return f.read()
    except OSError:
        return ""


def load(name):
    text = text_of(os.path.join(DATA, name))
    return json.loads(text) if text else None


def default_of(mime):
    match = re.search(r"^" + re.escape(mime) + r"=([^;\n]*)", text_of(MIMEAPPS), re.M)
    return match.group(1) if match else None


APP = "Openwright"
env = dict(os.environ)

# A log of what the notification server is asked, as it arrives on the session bus.
monitor = subprocess.Popen(
    ["dbus-monitor", "--session", "interface='org.freedesktop.Notifications',member='Notify'"],
    stdout=subprocess.PIPE, text=True)

step("start the installed program")
app_process = subprocess.Popen([PROGRAM], env=env)
window = find(APP, "frame", "Openwright", seconds=20)
check(window is not None, "the window appears")
check(wait_for(lambda: load("guard.json") and ".ovpn" in load("guard.json")["baseline"], 20) is not None,
      "every default is read")
xdotool("windowsize", "--sync", main_window()[0], 1100, 700)
time.sleep(0.3)
shot("overview")
audit("overview")

step("pin the PDF type from the search results")
click(find(APP, "text", "Search types"))
xdotool("type", "--delay", "40", "pdf")
pin = find(APP, "push button", "Pin .pdf")
check(pin is not None, "the search shows .pdf with its pin")
shot("search")
audit("search results")
click(pin)
check(wait_for(lambda: ".pdf" in load("guard.json")["pinned"]) is not None, ".pdf is pinned in guard.json")

step("the type list with its picker open, and the add sheet")
click(find(APP, "text", "Search types"))
keys("ctrl+a", "BackSpace")
click(find(APP, "list item", "Documents & Office"))
picker = find(APP, "push button", pattern=r"^Choose the app for \.pdf")
if check(picker is not None, "the .pdf row has its picker"):
    windows = len(x_windows(""))
    click(picker)
    check(wait_for(lambda: len(x_windows("")) > windows, 3) is not None, "the picker opens its menu")
    shot("types-picker")
    keys("Escape")
audit("Documents & Office")
click(find(APP, "push button", "Add Type"))
field = find(APP, "text", pattern=r"extension|scheme")
if check(field is not None, "the add sheet opens"):
    xdotool("type", "--delay", "40", "nfo")
    shot("add-type")
    keys("Escape")
    check(wait_for(lambda: not find_all(application(APP), "text", pattern=r"extension|scheme"), 3) is not None,
          "Escape closes the add sheet")

step("a long candidate list: the menu shows a dozen, the chooser searches them all")
keys("ctrl+f")
xdotool("type", "--delay", "40", "txt")
picker = find(APP, "push button", pattern=r"^Choose the app for \.txt")
if check(picker is not None, "the search shows .txt with its picker"):
    windows = {w[0] for w in x_windows("")}
    click(picker)
    menu = wait_for(lambda: [w for w in x_windows("") if w[0] not in windows], 3)
    # Before, 150 editors made a menu of three screen-high columns.
    check(bool(menu) and menu[0][3] < 400 and menu[0][4] < 600,
          f"the menu is one short column ({menu[0][3]}x{menu[0][4]})" if menu else "the picker opens its menu")
    if menu:
        keys("Up")  # the last item, "Why this app?", then "Choose Another App…" above it
        keys("Up")
        keys("Return")
        search = find(APP, "text", "Search applications")
        if check(search is not None and find(APP, "list item", "Amber Notes", seconds=15) is not None,
                 "the chooser lists every application"):
            click(search)
            xdotool("type", "--delay", "40", "edit")
            check(find(APP, "list item", "Kestrel Edit") is not None, "its search finds them")
            shot("chooser-search")
        keys("Escape")
keys("ctrl+f")
keys("ctrl+a", "BackSpace")

step("another program takes PDFs over")
started = time.monotonic()
subprocess.run(["gio", "mime", "application/pdf", "org.kde.okular.desktop"], env=env, check=True,
               stdout=subprocess.DEVNULL)
change = wait_for(lambda: next((c for c in load("guard.json")["history"] if c["target"] == ".pdf"), None), 10)
check(change is not None and time.monotonic() - started <= 5.0,
      f"the guard logs the change within 5 s ({time.monotonic() - started:.1f} s)")
check(wait_for(lambda: any(c.get("file") == MIMEAPPS for c in load("guard.json")["history"]), 5) is not None,
      "the change names the list that gio wrote")

step("the notification, and Revert on it")
notify = wait_for(lambda: find("notification-daemon", "push button", "Revert", seconds=0.5), 10)
check(notify is not None, "the notification shows a Revert button")
shot("notification")
if notify:
    click(notify)
check(wait_for(lambda: default_of("application/pdf") == "org.gnome.Evince.desktop", 10) is not None,
      "Revert puts Document Viewer back in mimeapps.list")
backups = wait_for(lambda: [p for p in load("profiles.json") or [] if "beforeRevert" in p.get("backupReason", {})], 5)
check(bool(backups) and backups[0]["backupReason"]["beforeRevert"]["_0"] == ".pdf",
      "a \u201cBefore reverting .pdf\u201d backup exists")
check(wait_for(lambda: all(c["resolved"] for c in load("guard.json")["history"] if c["target"] == ".pdf"), 5)
      is not None, "the change is resolved in guard.json")
monitor.terminate()
calls = monitor.communicate()[0]
check('string ".pdf default changed"' in calls, "the notification's title is \u201c.pdf default changed\u201d")
check('string "Okular replaced Document Viewer. Revert to keep Document Viewer."' in calls,
      "the notification's body names both applications")
check('string "revert"' in calls and 'string "Revert"' in calls, "the notification offers the Revert action")

step("the change shows as handled in the window and the tray panel")
click(find(APP, "list item", "Default Guard"))
check(find(APP, "label", "Handled") is not None, "the guard screen shows the change as Handled")
check(find(APP, "label", "Changed in ~/.config/mimeapps.list") is not None,
      "the guard screen names the list that changed")
shot("guard")
tray = wait_for(lambda: [w for w in x_windows("") if w[2] > 700 and w[3] >= 16 and w[4] >= 16 and w[1] > 1000], 5)
if check(bool(tray), "the tray shows Openwright's icon"):
    _, x, y, width, height = max(tray, key=lambda w: w[1])
    panels = len(x_windows("^Openwright$"))
    click_at(x + width // 2, y + height // 2)
    check(wait_for(lambda: len(x_windows("^Openwright$")) > panels, 5) is not None,
          "the tray icon opens the panel")
    shot("tray")
    keys("Escape")

step("apply a preset, then restore the backup taken before it")
before = text_of(MIMEAPPS)
click(find(APP, "list item", "Profiles"))
shot("profiles")
audit("Profiles")
click(find(APP, "push button", pattern=r"^Media & Creator"))
run_sheet("the preset's card opens its sheet", "profile-sheet")
check(default_of("video/x-matroska") != re.search(r"^video/x-matroska=([^;\n]*)", before, re.M).group(1),
      "the preset moved .mkv")
click(find(APP, "list item", "Backups"))
shot("backups")
audit("Backups")
title = find(APP, "label", pattern="^Before applying \u201cMedia & Creator\u201d$")
if check(title is not None, "a backup was taken before the preset"):
    row = title.parent
    restore = next(iter(find_all(row, "push button", pattern="^Restore")), None)
    click(restore)
    primary = find(APP, "push button", pattern=r"^Restore \d+ Defaults$")
    if check(primary is not None, "the backup's sheet offers the restore"):
        click(primary)
        find(APP, "label", pattern=r"^\d+ of \d+ changed\.$", seconds=15)
        click(find(APP, "push button", "Done"))
        check(default_of("video/x-matroska") == re.search(r"^video/x-matroska=([^;\n]*)", before, re.M).group(1),
              "restoring the backup puts .mkv back")

step("one application for all its video types, from the Applications screen")


def declared(desktop_id):
    for folder in os.environ.get("XDG_DATA_DIRS", "").split(":") + [os.environ["XDG_DATA_HOME"]]:
        match = re.search(r"^MimeType=(.*)$", text_of(os.path.join(folder, "applications", desktop_id)), re.M)
        if match:
            return [t for t in match.group(1).split(";") if t]
    return []


videos = [t for t in declared("mpv.desktop") if t.startswith("video/")]
click(find(APP, "list item", "Applications"))
filter_field = find(APP, "text", "Search applications")
if filter_field is not None:
    click(filter_field)
    xdotool("type", "--delay", "40", "mpv")
mpv = find(APP, "list item", "mpv Media Player", seconds=15)
if check(mpv is not None and len(videos) > 1, f"the Applications screen lists mpv ({len(videos)} video types)"):
    click(mpv)
    click(find(APP, "push button", "Use for All Video"))
    run_sheet("Use for All Video opens the plan sheet")
    check(wait_for(lambda: all(default_of(t) == "mpv.desktop" for t in videos), 5) is not None,
          "mimeapps.list names mpv for every video type it declares")
    check(default_of("audio/mpeg") != "mpv.desktop", "its audio types are left alone")
    check(find(APP, "label", f"{len(videos)} of {len(videos)} open in mpv Media Player") is not None,
          "the page marks the whole family as mpv's")
    shot("applications")
    time.sleep(2)  # a guard check after the run sees the extensions of those types moved: by us
    check(not [c for c in load("guard.json")["history"] if c["target"] in (".mp4", ".mov", ".mkv")],
          "the guard does not report the run's own changes to the video extensions")

step("a change kept in the window takes its notification down")
subprocess.run(["gio", "mime", "application/pdf", "org.kde.okular.desktop"], env=env, check=True,
               stdout=subprocess.DEVNULL)
if check(wait_for(lambda: revert_buttons(), 10) is not None, "the second takeover is notified"):
    focus_window = main_window()[0]
    xdotool("windowactivate", "--sync", focus_window)
    click(find(APP, "list item", "Default Guard"))
    keep = find(APP, "push button", pattern=r"^Keep Okular for \.pdf$")
    if check(keep is not None, "the guard screen offers Keep for it"):
        audit("Default Guard")
        click(keep)
        check(wait_for(lambda: not revert_buttons(), 5) is not None, "its notification is withdrawn")

step("an always-kept type: a program takes it twice, the guard puts it back twice and names it")
GRABBY = os.path.join(os.environ["XDG_DATA_HOME"], "applications", "com.example.Grabby.desktop")


def grab():
    """What a self-integrating program does at every start: writes its entry, claims PDFs."""
    with open(GRABBY, "w", encoding="utf-8") as f:
        f.write("[Desktop Entry]\nType=Application\nName=Grabby Viewer\nExec=true %f\nMimeType=application/pdf;\n")
    subprocess.run(["gio", "mime", "application/pdf", "com.example.Grabby.desktop"], env=env, check=True,
                   stdout=subprocess.DEVNULL)


def put_back_naming_grabby():
    return [c for c in load("guard.json")["history"]
            if c.get("handling") == "putBack" and c.get("culprit", {}).get("name") == "Grabby Viewer"]


keep_box = find(APP, "check box", "Always keep .pdf")
if check(keep_box is not None, "the pinned row offers Always keep"):
    click(keep_box)
    check(wait_for(lambda: ".pdf" in load("guard.json").get("kept", []), 5) is not None, ".pdf is kept in guard.json")
    for n in (1, 2):
        time.sleep(1.5)  # written after the guard's last look, which it keeps in whole seconds
        grab()
        check(wait_for(lambda: len(put_back_naming_grabby()) >= n, 15) is not None,
              f"takeover {n}: the guard puts .pdf back and names Grabby Viewer")
        check(wait_for(lambda: default_of("application/pdf") == "org.kde.okular.desktop", 5) is not None,
              f"takeover {n}: Okular opens PDFs again")
    check(wait_for(lambda: find("notification-daemon", "push button", "Allow", seconds=0.5), 5) is not None,
          "the put-back's notification offers Allow")
    check(find(APP, "label", pattern=r"^Probably Grabby Viewer") is not None, "the guard screen names the program")
    shot("guard-culprit")
    # Asking again from here on: the takeovers below are for Revert.
    click(find(APP, "check box", "Always keep .pdf"))
    check(wait_for(lambda: not load("guard.json").get("kept"), 5) is not None, ".pdf is no longer kept")

step("the clean-up sheet fixes the defaults files, keeping a copy")
click(find(APP, "list item", "Overview"))
check(find(APP, "label", pattern=r"^\d+ problems? in your defaults files$") is not None,
      "the overview counts the problems in the defaults files")
click(find(APP, "push button", "Clean Up…"))
fix = find(APP, "push button", "Fix Selected")
if check(fix is not None, "the Clean Up sheet opens"):
    shot("clean-up")
    click(fix)
    check(find(APP, "label", pattern=r"^Fixed ", seconds=10) is not None, "the sheet says what it fixed")
    check(os.path.exists(MIMEAPPS + ".before-cleanup-1"), "a copy of mimeapps.list is kept beside it")
    check("atom.desktop" not in text_of(MIMEAPPS), "the lines naming the uninstalled Atom are gone")
    keys("Escape")

step("settings")
keys("ctrl+comma")
check(find(APP, "label", pattern="^Open at login$") is not None, "Ctrl+, opens the settings")
check(find(APP, "label", "Updates", seconds=1) is None, "a build without an update feed shows no Updates section")
shot("settings")
keys("Escape")

step("quitting takes Openwright's notifications down")
subprocess.run(["gio", "mime", "application/pdf", "org.gnome.Evince.desktop"], env=env, check=True,
               stdout=subprocess.DEVNULL)
check(wait_for(lambda: revert_buttons(), 10) is not None, "a third takeover is notified")
xdotool("windowactivate", "--sync", main_window()[0])
keys("ctrl+q")
try:
    app_process.wait(10)
except subprocess.TimeoutExpired:
    app_process.terminate()
    app_process.wait(10)
check(wait_for(lambda: not revert_buttons(), 5) is not None, "no notification of Openwright's is left")

step("a desktop without a tray: closing the window keeps guarding, and says so once")
os.kill(int(os.environ["OPENWRIGHT_E2E_TRAYER_PID"]), 15)
time.sleep(1)
monitor = subprocess.Popen(
    ["dbus-monitor", "--session", "interface='org.freedesktop.Notifications',member='Notify'"],
    stdout=subprocess.PIPE, text=True)
app_process = subprocess.Popen([PROGRAM], env=env)
check(find(APP, "frame", "Openwright", seconds=20) is not None, "the window appears with no tray")
check(wait_for(lambda: load("guard.json") and ".ovpn" in load("guard.json")["baseline"], 20) is not None,
      "every default is read")
xdotool("windowactivate", "--sync", main_window()[0])
keys("ctrl+w")
check(wait_for(lambda: not x_windows("^Openwright$"), 5) is not None, "the window closes")
time.sleep(1)
check(app_process.poll() is None, "Openwright keeps running with its window closed")
shot("no-tray-background")
history = len(load("guard.json")["history"])
# Not back to Okular: a type given back to the choice is no takeover, and ends the open one.
subprocess.run(["gio", "mime", "application/pdf", "gimp.desktop"], env=env, check=True,
               stdout=subprocess.DEVNULL)
check(wait_for(lambda: len(load("guard.json")["history"]) > history, 10) is not None,
      "it still guards: the takeover is logged")
monitor.terminate()
calls = monitor.communicate()[0]
check(calls.count('string "Openwright keeps guarding"') == 1,
      "one notification says it keeps guarding in the background")
check("File \u2192 Quit" in calls, "the notification says how to quit")

step("a tray that comes late gets the icon")


def tray_icons():
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--classname", "openwright"],
                         capture_output=True, text=True).stdout.split()
    small = []
    for wid in out:
        shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", wid], capture_output=True, text=True)
        g = dict(line.split("=") for line in shell.stdout.split())
        if int(g["WIDTH"]) <= 64 and int(g["HEIGHT"]) <= 64:
            small.append(wid)
    return small


check(not tray_icons(), "no icon while there is no tray")
tray = subprocess.Popen(["trayer", "--edge", "bottom", "--align", "right", "--widthtype", "request", "--height", "28",
                         "--SetDockType", "false"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
check(wait_for(tray_icons, 10) is not None, "the icon appears in the tray started after Openwright")
shot("late-tray")

step("a second start brings the window back, and File \u2192 Quit quits")
subprocess.run([PROGRAM], env=env, timeout=10)
check(wait_for(lambda: x_windows("^Openwright$"), 10) is not None, "the window is back")
xdotool("windowactivate", "--sync", main_window()[0])
keys("ctrl+q")
try:
    app_process.wait(10)
    check(True, "Quit ends Openwright")
except subprocess.TimeoutExpired:
    check(False, "Quit ends Openwright")
    app_process.terminate()
    app_process.wait(10)
tray.terminate()
print(f"{len(failures)} failed" if failures else "PASSED", flush=True)
sys.exit(1 if failures else 0)
