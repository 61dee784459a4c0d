#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Changes on generated desktops, judged by GIO.

Each case builds a desktop in a throw-away tree (system and user entries, a user copy masking a
system entry, Flatpak-style IDs beside plain ones, lists at every level with alias keys,
repeated keys, items after "; ", a stray line, a managed list that is a symlink to a read-only
file, a read-only desktop list), then runs a random sequence of what people do through the
real command line, with and without a running instance, and after every operation checks:

  I1  every watched type whose GIO default changed is named in the output, none changed unnamed
  I2  every outcome the output states ("now", a change that took effect) is what GIO answers
  I3  read-only files and links to them are byte-identical afterwards and still links
  I4  an operation that changed a default left, before it, a backup of the earlier state
  I5  exit 0 only when every requested change took effect, 1 when one did not, 2 for bad
      input, never a signal; one JSON document
  I6  the guard never takes its own put-back for a takeover; a kept type ends on the choice

A failure prints its seed and a one-line replay. Nothing here reads or writes the real
desktop: HOME and every XDG_* variable point into the case's tree.
"""

import argparse
import hashlib
import json
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

MIME = "/usr/share/mime"
DESKTOPS = ["GNOME", "XFCE", "X-Cinnamon", "ubuntu:GNOME", ""]
NOBODY = 65534

# Desktop-file ID, name, declared types (as entries write them: aliases and odd case too).
APPS = [
    ("firefox-esr", "Firefox ESR", ["text/html", "x-scheme-handler/http", "x-scheme-handler/https",
                                    "application/xhtml+xml"]),
    ("chromium", "Chromium", ["text/html", "x-scheme-handler/http", "x-scheme-handler/https",
                              "application/xhtml+xml", "x-scheme-handler/about", "x-scheme-handler/unknown",
                              "application/pdf", "image/png"]),
    ("brave-browser", "Brave", ["text/html", "x-scheme-handler/http", "x-scheme-handler/https"]),
    ("com.brave.Browser", "Brave", ["text/html", "x-scheme-handler/http", "x-scheme-handler/https"]),
    ("okular", "Okular", ["application/pdf", "application/x-pdf", "image/png"]),
    ("org.gnome.Evince", "Document Viewer", ["application/pdf", "image/jpg"]),
    ("gimp", "GNU Image Manipulation Program", ["image/png", "image/jpeg"]),
    ("org.gnome.TextEditor", "Text Editor", ["text/plain", "Text/Plain", "text/markdown"]),
    ("code", "Visual Studio Code", ["text/plain", "text/x-csrc", "text/markdown", "text/x-python",
                                    "application/x-yaml"]),
    ("mpv", "mpv Media Player", ["video/mp4", "video/x-matroska", "audio/mpeg", "video/quicktime", "video/mp2t"]),
    ("vlc", "VLC media player", ["video/mp4", "audio/mpeg", "video/x-matroska"]),
    ("org.videolan.VLC", "VLC media player", ["video/mp4", "audio/mpeg"]),
    ("thunderbird", "Thunderbird", ["x-scheme-handler/mailto", "message/rfc822"]),
    ("org.telegram.desktop", "Telegram", ["x-scheme-handler/tg"]),
    ("telegramdesktop", "Telegram", ["x-scheme-handler/tg"]),
    ("org.gnome.Nautilus", "Files", ["inode/directory"]),
    ("linguist", "Qt Linguist", ["text/vnd.trolltech.linguist"]),
    ("seahorse", "Passwords and Keys", ["application/pgp-encrypted", "application/pgp-keys"]),
]
APP_IDS = [a[0] for a in APPS]
# The identity a backup keeps for an entry that has a canonical one, as the platform notes list.
IDENTITY = {"brave-browser": "com.brave.Browser", "vlc": "org.videolan.vlc", "org.videolan.VLC": "org.videolan.vlc",
            "org.telegram.desktop": "ru.keepcoder.Telegram", "telegramdesktop": "ru.keepcoder.Telegram",
            "code": "com.microsoft.VSCode"}
# Targets people name; their types are what the MIME database gives (see Mime.types).
TARGETS = [".pdf", ".txt", ".md", ".kt", ".srt", ".c", ".py", ".png", ".jpg", ".jpeg", ".mp4", ".mkv", ".mov",
           ".mp3", ".html", ".htm", ".ts", ".yaml", ".gpg", "http:", "https:", "mailto:", "tg:",
           "inode/directory"]
# Pinnable (listed) targets of one type each.
PINNABLE = [".pdf", ".txt", ".md", ".png", ".jpg", ".mp4", ".mkv", ".mp3", "mailto:", ".py"]
EXTRA_TYPES = ["application/xhtml+xml", "x-scheme-handler/about", "x-scheme-handler/unknown"]
FAMILIES = ["video/*", "audio/*", "image/*", "text/*"]
# Kept by a backup only while the browser is split: a forced choice that gave them to a merged
# browser is not (a known gap, see the README).
UNKEPT = {"x-scheme-handler/about", "x-scheme-handler/unknown", "application/xhtml+xml"}
# A backup's browser entry restores the links and pages with it.
BUNDLE = {"http:": ["x-scheme-handler/http", "x-scheme-handler/https", "text/html"]}
DIST_TARGETS = TARGETS


class Mime:
    """The shared MIME database as the system reads it: globs, aliases."""

    def __init__(self):
        self.globs = {}
        with open(os.path.join(MIME, "globs2"), encoding="utf-8") as f:
            for line in f:
                if line.startswith("#"):
                    continue
                parts = line.rstrip("\n").split(":")
                if len(parts) < 3 or not parts[2].startswith("*.") or any(c in parts[2][2:] for c in "*?["):
                    continue
                self.globs.setdefault(parts[2][2:].lower(), []).append((int(parts[0]), parts[1]))
        self.aliases = {}
        with open(os.path.join(MIME, "aliases"), encoding="utf-8") as f:
            for line in f:
                alias, canonical = line.split()
                self.aliases[alias] = canonical

    def canonical(self, t):
        return self.aliases.get(t, t)

    def types(self, target):
        """The types a target stands for: an extension's of highest weight, a scheme's handler type."""
        if target.endswith(":"):
            return [("x-scheme-handler/" + target[:-1]).lower()]
        if "/" in target:
            return [self.canonical(target)]
        if target.startswith("."):
            found = self.globs.get(target[1:].lower(), [])
            if not found:
                return []
            top = max(w for w, _ in found)
            return sorted({t for w, t in found if w == top})
        return []


class Failure(Exception):
    pass


def digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


class Desktop:
    """One generated desktop in `root`, written with the case's random generator."""

    def __init__(self, root, rnd, drop_to, readonly_files=True):
        self.root = root
        self.rnd = rnd
        self.drop_to = drop_to  # run as nobody: root ignores file modes
        self.readonly_files = readonly_files
        self.home = os.path.join(root, "home")
        self.config = os.path.join(self.home, ".config")
        self.data = os.path.join(self.home, ".local/share")
        self.sys_data = os.path.join(root, "share")
        self.sys_config = os.path.join(root, "etc")
        self.readonly = []  # paths that must stay as they are
        self.files = []  # what was written, for the report
        self.desktop = rnd.choice(DESKTOPS)
        self.installed = set()
        for d in (self.config, self.data + "/applications", self.sys_data + "/applications", self.sys_config):
            os.makedirs(d, exist_ok=True)
        os.makedirs(os.path.join(root, "run"), mode=0o700)
        os.symlink(MIME, os.path.join(self.sys_data, "mime"))
        for app_id, name, types in APPS:
            if rnd.random() < 0.85:
                self.write_entry(self.sys_data + "/applications", app_id, name, types)
                self.installed.add(app_id)
            if rnd.random() < 0.12:
                # A user copy of the same ID: its own, broken, hidden, or no program at all.
                kind = rnd.choice(["own", "broken", "hidden", "own"])
                self.write_entry(self.data + "/applications", app_id, name + " (mine)", types, kind)
                if kind == "own":
                    self.installed.add(app_id)
        self.write_list(os.path.join(self.config, "mimeapps.list"), rnd.random() < 0.85, user=True)
        names = [n for n in self.desktop.split(":") if n]
        for n in names:
            if rnd.random() < 0.35:
                self.write_list(os.path.join(self.config, n.lower() + "-mimeapps.list"), True, user=True,
                                readonly=rnd.random() < 0.3 and readonly_files)
            if rnd.random() < 0.3:
                self.write_list(os.path.join(self.sys_config, n.lower() + "-mimeapps.list"), True)
        if rnd.random() < 0.4:
            self.write_list(os.path.join(self.sys_config, "mimeapps.list"), True)
        if rnd.random() < 0.3:
            self.write_list(os.path.join(self.sys_data, "applications/mimeapps.list"), True)
        if rnd.random() < 0.15:
            self.write_list(os.path.join(self.data, "applications/mimeapps.list"), True, user=True)
        for folder in (self.data + "/applications", self.sys_data + "/applications"):
            subprocess.run(["update-desktop-database", "-q", folder], check=False)
        if drop_to:
            self.give_home_to_nobody()

    def env(self):
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "LC_ALL": "C.UTF-8",
            "HOME": self.home,
            "XDG_CONFIG_HOME": self.config,
            "XDG_DATA_HOME": self.data,
            "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
            "XDG_STATE_HOME": os.path.join(self.home, ".local/state"),
            "XDG_RUNTIME_DIR": os.path.join(self.root, "run"),
            "XDG_CONFIG_DIRS": self.sys_config,
            "XDG_DATA_DIRS": self.sys_data,
            "XDG_CURRENT_DESKTOP": self.desktop,
            "DBUS_SESSION_BUS_ADDRESS": "disabled:",
            "GIO_USE_VFS": "local",
            "QT_QPA_PLATFORM": "offscreen",
            "NO_COLOR": "1",
        }
        # A sanitized build reads its options (leak suppressions) from the caller's environment.
        for name in ("ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"):
            if name in os.environ:
                env[name] = os.environ[name]
        return env

    def write(self, path, text, mode=0o644):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
        os.chmod(path, mode)
        self.files.append((path, text))

    def write_entry(self, folder, app_id, name, types, kind="own"):
        text = "[Desktop Entry]\nType=Application\nName=%s\n" % name
        if kind == "hidden":
            text += "Hidden=true\n"
        # Distinct command lines: a desktop setting naming a command finds its entry again.
        text += "Exec=%s %s %%U\n" % ("openwright-no-such-program" if kind == "broken" else "true", app_id)
        text += "MimeType=%s;\n" % ";".join(types)
        self.write(os.path.join(folder, app_id + ".desktop"), text)

    def ids(self):
        rnd = self.rnd
        items = [(rnd.choice(APP_IDS) if rnd.random() > 0.1 else "ghost") + ".desktop"
                 for _ in range(1 + rnd.randrange(2))]
        sep = "; " if rnd.random() < 0.1 else ";"
        return sep.join(items) + (";" if rnd.random() < 0.5 else "")

    def type_key(self):
        rnd = self.rnd
        choices = [t for a in APPS for t in a[2]] + ["application/x-pdf", "text/x-markdown", "image/jpg"]
        return rnd.choice(choices)

    def write_list(self, path, present, user=False, readonly=False):
        if not present:
            return
        rnd = self.rnd
        text = ""
        for group in ["Default Applications", "Added Associations", "Removed Associations"]:
            if group != "Default Applications" and rnd.random() < 0.6:
                continue
            lines = ["%s=%s" % (self.type_key(), self.ids()) for _ in range(1 + rnd.randrange(5))]
            if rnd.random() < 0.15:  # a key repeated in the group
                lines.append(lines[0].split("=")[0] + "=" + self.ids())
            text += "[%s]\n%s\n" % (group, "\n".join(lines))
        if user and rnd.random() < 0.04:
            text += "a stray line\n"
        managed = (user and path.endswith("/mimeapps.list") and ".local" not in path and rnd.random() < 0.1
                   and self.readonly_files)
        if managed:
            # Home Manager or stow: the list is a link to a file the user cannot write.
            store = os.path.join(self.root, "store")
            real = os.path.join(store, "mimeapps.list")
            self.write(real, text, 0o444)
            os.symlink(real, path)
            self.readonly += [path, real]
        else:
            self.write(path, text, 0o444 if readonly else 0o644)
            if readonly:
                self.readonly.append(path)

    def give_home_to_nobody(self):
        # The user owns their home; the read-only files and the store stay root's.
        for base, dirs, files in os.walk(self.root):
            for n in dirs + files:
                p = os.path.join(base, n)
                if p not in self.readonly and not p.startswith(os.path.join(self.root, "store")):
                    os.lchown(p, NOBODY, NOBODY)
        os.chown(self.root, NOBODY, NOBODY)

    def readonly_state(self):
        state = {}
        for p in self.readonly:
            if os.path.islink(p):
                state[p] = ("link", os.readlink(p))
            elif os.path.exists(p):
                state[p] = ("file", digest(p), os.stat(p).st_mode)
            else:
                state[p] = ("gone",)
        return state

    def report(self):
        out = ["XDG_CURRENT_DESKTOP=" + self.desktop]
        for path, text in self.files:
            out.append("== %s ==\n%s" % (path[len(self.root):], text.rstrip("\n")))
        return "\n".join(out)


def walk(value, key=None):
    """Every (key, value) pair in a JSON document, depth first."""
    if isinstance(value, dict):
        for k, v in value.items():
            yield k, v
            yield from walk(v, k)
    elif isinstance(value, list):
        for v in value:
            yield from walk(v, key)


def objects(value):
    if isinstance(value, dict):
        yield value
        for v in value.values():
            yield from objects(v)
    elif isinstance(value, list):
        for v in value:
            yield from objects(v)


def bare(desktop_id):
    return desktop_id[:-len(".desktop")] if desktop_id and desktop_id.endswith(".desktop") else desktop_id or ""


class Case:
    def __init__(self, args, mime, seed):
        self.args = args
        self.mime = mime
        self.seed = seed
        self.rnd = random.Random(seed)
        self.root = tempfile.mkdtemp(prefix="change-%d-" % seed, dir=args.work)
        os.chmod(self.root, 0o755)
        self.drop_to = args.drop_to
        # Root writes any file: read-only ones are made only for a user they bind.
        self.desktop = Desktop(self.root, self.rnd, self.drop_to, readonly_files=os.getuid() != 0 or self.drop_to)
        self.env = self.desktop.env()
        self.watched = sorted({t for target in TARGETS for t in mime.types(target)} | set(EXTRA_TYPES))
        self.log = []
        self.instance = None

    def run(self, argv, check_json=True):
        cmd = ([ "setpriv", "--reuid=%d" % NOBODY, "--regid=%d" % NOBODY, "--clear-groups", "--"]
               if self.drop_to else []) + argv
        p = subprocess.run(cmd, env=self.env, cwd=self.desktop.home, capture_output=True, text=True,
                           timeout=120)
        return p

    def gio(self):
        p = self.run([self.args.probe] + self.watched)
        answers = {}
        for line in p.stdout.splitlines():
            t, _, app = line.partition("\t")
            answers[t] = bare(app)
        return answers

    def cli(self, words):
        return self.run([self.args.openwright] + words)

    def backups(self):
        """The backups in Openwright's data file, by id: each a map of target to identity."""
        try:
            with open(os.path.join(self.desktop.data, "Openwright/profiles.json"), encoding="utf-8") as f:
                doc = json.load(f)
        except (OSError, ValueError):
            return {}
        profiles = doc if isinstance(doc, list) else doc.get("profiles", [])
        return {p["id"]: {e["target"]: e["bundleID"] for e in p.get("entries", [])}
                for p in profiles if isinstance(p, dict) and p.get("kind") == "snapshot"}

    def start_instance(self):
        cmd = (["setpriv", "--reuid=%d" % NOBODY, "--regid=%d" % NOBODY, "--clear-groups", "--"]
               if self.drop_to else []) + [self.args.running_app]
        self.instance = subprocess.Popen(cmd, env=self.env, cwd=self.desktop.home, stdout=subprocess.PIPE,
                                         stderr=subprocess.DEVNULL, text=True)
        deadline = time.time() + 30
        while time.time() < deadline:
            line = self.instance.stdout.readline()
            if not line or line.strip() == "ready":
                return
        raise Failure("the running instance did not start")

    def stop_instance(self):
        if self.instance:
            self.instance.send_signal(signal.SIGTERM)
            try:
                self.instance.wait(10)
            except subprocess.TimeoutExpired:
                self.instance.kill()
            self.instance = None

    # Operations: each returns the argument list, run with --json.

    def pick_targets(self, n):
        return self.rnd.sample(TARGETS, n)

    def next_operation(self):
        r = self.rnd.random()
        app = self.rnd.choice(APP_IDS + ["ghost"]) if self.rnd.random() < 0.95 else "Okular"
        if r < 0.30:
            words = ["set"] + self.pick_targets(1 + self.rnd.randrange(3)) + [app]
            if self.rnd.random() < 0.4:
                words.append("--force")
            return words
        if r < 0.42:
            return ["reset"] + self.pick_targets(1 + self.rnd.randrange(2))
        if r < 0.52:
            return ["set", self.rnd.choice(FAMILIES), app] if self.rnd.random() < 0.7 else ["set", "--all", app]
        if r < 0.58:
            return ["profile", "apply", self.rnd.choice(["Developer", "Media & Creator", "Maximum Privacy",
                                                         "Work & Business"])]
        if r < 0.66:
            return ["backup", "restore", "?"]  # the id is picked when it runs
        if r < 0.72:
            return ["backup", "now"]
        if r < 0.80:
            return ["doctor", "--fix"]
        if r < 0.92:
            return ["pin", "--keep" if self.rnd.random() < 0.6 else "", self.rnd.choice(PINNABLE)]
        return [self.rnd.choice(["why", "status", "check"]), self.rnd.choice(TARGETS)] + (
            ["firefox-esr"] if self.rnd.random() < 0.3 else [])

    def check(self, words, before, after, p, ro_before, backups_before, backups_after, started):
        """Checks I1–I5 for one operation; the guard's own sequence adds I6."""
        problems = []
        if p.returncode < 0 or p.returncode not in (0, 1, 2):
            problems.append("I5: exit %d (a signal or an unknown status)" % p.returncode)
        try:
            doc = json.loads(p.stdout) if p.stdout.strip() else None
        except ValueError:
            doc = None
            problems.append("I5: the output is not one JSON document")
        named = set()
        if doc is not None:
            for k, v in walk(doc):
                if k in ("target", "type") and isinstance(v, str):
                    named.update(self.mime.types(v))
        changed = sorted(t for t in self.watched if before.get(t) != after.get(t))
        if words[0] not in ("why", "status", "check") and doc is not None and p.returncode != 2:
            unnamed = [t for t in changed if t not in named]
            if unnamed:
                problems.append("I1: changed without a word: " + ", ".join(
                    "%s %s→%s" % (t, before.get(t) or "-", after.get(t) or "-") for t in unnamed))
        if words[0] in ("why", "status", "check", "backup") and words[:2] != ["backup", "restore"] and changed:
            problems.append("I1: a command that changes no default moved " + ", ".join(changed))
        if doc is not None:
            for o in objects(doc):
                stated = [e for key in ("now", "alsoMoved") if isinstance(o.get(key), list) for e in o[key]]
                for entry in stated:
                    if not isinstance(entry, dict):
                        continue
                    types = self.mime.types(entry.get("target") or entry.get("type") or "")
                    if len(types) != 1 or types[0] not in after:
                        continue
                    app = entry.get("app")
                    said = bare(app.get("desktopId")) if isinstance(app, dict) else ""
                    if said != after[types[0]]:
                        problems.append("I2: says %s opens in %s, GIO opens %s" % (
                            entry.get("target"), said or "nothing", after[types[0]] or "nothing"))
                if o.get("result") in ("changed", "alreadyDefault") and isinstance(o.get("app"), dict):
                    for t in self.mime.types(o.get("target", "")):
                        if t in after and after[t] != bare(o["app"].get("desktopId")):
                            problems.append("I2: %s %s to %s, GIO opens %s" % (
                                o.get("target"), o["result"], bare(o["app"].get("desktopId")), after[t] or "nothing"))
            successes = [o.get("success") for o in objects(doc) if "success" in o]
            if p.returncode == 0 and False in successes:
                problems.append("I5: exit 0 with a change that did not succeed")
            if p.returncode == 1 and successes and all(successes) and words[0] in ("set", "reset"):
                problems.append("I5: exit 1 with every change a success")
        ro_after = self.desktop.readonly_state()
        for path, state in ro_before.items():
            if ro_after.get(path) != state:
                problems.append("I3: %s was %s, is %s" % (path[len(self.root):], state[0], ro_after.get(path)))
        if changed and words[0] not in ("why", "status", "check") and words[:2] != ["guard", "check"]:
            # A backup taken before, or one already holding the earlier state, can undo it.
            kept = {t for b in backups_after.values() for target in b for t in self.types_held(target)}
            # The guard's own put-backs back up once a day, not before each.
            guarded = {t for c in (doc or {}).get("guardChanges") or [] for t in self.mime.types(c.get("target", ""))}
            wanted = [t for t in changed if before.get(t) and t in kept and t not in UNKEPT | guarded]
            if not backups_after:
                problems.append("I4: %s changed %s with no backup at all" % (" ".join(words), ", ".join(changed)))
            elif wanted and not any(self.holds(b, before, wanted) for b in backups_after.values()):
                problems.append("I4: no backup holds what %s opened before %s" % (", ".join(
                    "%s (%s→%s)" % (t, before[t], after.get(t) or "-") for t in wanted), " ".join(words)))
        return problems

    def types_held(self, target):
        # An extension of several types is kept whole while they open in one application, and
        # by each type (MIME-type entries) while they open apart.
        return BUNDLE.get(target) or self.mime.types(target)

    def holds(self, backup, before, changed):
        """Whether `backup` keeps what each of the changed types opened before."""
        held = {}
        for target, identity in backup.items():
            for t in self.types_held(target):
                held[t] = identity
        return all(t in held and held[t] in (before[t], IDENTITY.get(before[t])) for t in changed)

    def operation(self, words):
        words = [w for w in words if w]
        if words[:2] == ["backup", "restore"]:
            backups = list(self.backups())
            if not backups:
                return []
            words = ["backup", "restore", self.rnd.choice(backups)]
        before = self.gio()
        ro_before = self.desktop.readonly_state()
        backups_before = self.backups()
        started = time.time()
        p = self.cli(words + ["--json"])
        after = self.gio()
        backups_after = self.backups()
        self.log.append("%s → %d" % (" ".join(words), p.returncode))
        problems = self.check(words, before, after, p, ro_before, backups_before, backups_after, started)
        if problems:
            problems.append("  output: " + (p.stdout.strip() + " " + p.stderr.strip()).replace("\n", " ")[:1500])
        return problems, after

    def guard_sequence(self, words):
        """pin [--keep] T, then an outside write of T's type and two guard checks."""
        target = words[-1]
        keep = "--keep" in words
        (problems, after) = self.operation(words)
        if problems or not self.log[-1].endswith("→ 0"):
            return problems
        t = self.mime.types(target)[0]
        choice = after.get(t)
        others = [a for a in APP_IDS if a in self.desktop.installed and a != choice]
        if not others:
            return []
        intruder = self.rnd.choice(others)
        # As xdg-mime default does: GIO's own write, from another program.
        ro = self.desktop.readonly_state()
        self.run(["gio", "mime", t, intruder + ".desktop"])
        outside = self.gio()
        # GIO's own write replaces a managed link with a private file: from now on it is one.
        after_outside = self.desktop.readonly_state()
        self.desktop.readonly = [p for p in self.desktop.readonly if ro.get(p) == after_outside.get(p)]
        self.log.append("(outside) gio mime %s %s" % (t, intruder))
        out = []
        for n in range(2):
            before = self.gio()
            p = self.cli(["guard", "check", "--json"])
            now = self.gio()
            self.log.append("guard check → %d" % p.returncode)
            out += [x for x in self.check(["guard", "check"], before, now, p, self.desktop.readonly_state(), {}, {},
                                           0) if not x.startswith("I4")]
            if p.returncode != 0:
                out.append("I5: guard check exit %d: %s" % (p.returncode, p.stderr.strip()))
            try:
                changes = json.loads(p.stdout).get("changes", [])
            except (ValueError, AttributeError):
                changes = []
            if n == 1 and changes:
                out.append("I6: the second check, with nothing changed since, reports %s" % json.dumps(changes))
        final = self.gio()
        if outside.get(t) == intruder and choice and keep and final.get(t) != choice:
            out.append("I6: %s is kept on %s but ends on %s" % (target, choice, final.get(t) or "nothing"))
        if out:
            out.append("  (pinned %s%s on %s; intruder %s)" % (target, " kept" if keep else "", choice, intruder))
        return out

    def run_case(self):
        if self.rnd.random() < 0.3:
            self.start_instance()
        try:
            for _ in range(self.args.steps):
                words = self.next_operation()
                if words[0] == "pin":
                    problems = self.guard_sequence([w for w in words if w])
                else:
                    result = self.operation(words)
                    problems = result[0] if result else []
                if problems:
                    return problems
            return []
        finally:
            self.stop_instance()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--openwright", required=True)
    ap.add_argument("--probe", required=True, help="the GIO defaults probe")
    ap.add_argument("--running-app", required=True, help="the stand-in for a running instance")
    ap.add_argument("--seed", type=int, default=20261207)
    ap.add_argument("--cases", type=int, default=100)
    ap.add_argument("--steps", type=int, default=6)
    ap.add_argument("--only", type=int, help="replay one case: its seed")
    ap.add_argument("--keep", action="store_true", help="keep each failing case's tree")
    ap.add_argument("--work", default=None)
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    args = ap.parse_args()
    for name in ("openwright", "probe", "running_app"):
        setattr(args, name, os.path.abspath(getattr(args, name)))
    # As root, the commands run as nobody, whom file modes bind; where nobody cannot reach the
    # build (a private folder), as root, without read-only files.
    args.drop_to = os.getuid() == 0 and subprocess.run(
        ["setpriv", "--reuid=%d" % NOBODY, "--regid=%d" % NOBODY, "--clear-groups", "--", "test", "-x",
         args.openwright]).returncode == 0
    if os.getuid() == 0 and not args.drop_to:
        print("nobody cannot run %s: the commands run as root, without read-only files" % args.openwright)
    args.work = args.work or tempfile.mkdtemp(prefix="openwright-changes-")
    os.makedirs(args.work, exist_ok=True)
    os.chmod(args.work, 0o755)
    mime = Mime()
    seeds = [args.only] if args.only is not None else [args.seed + i for i in range(args.cases)]

    def one(seed):
        case = Case(args, mime, seed)
        try:
            problems = case.run_case()
        except (Failure, subprocess.TimeoutExpired) as e:
            problems = ["the case could not run: %s" % e]
        text = None
        if problems:
            text = "case %d failed after: %s\n  %s\nreplay: %s --openwright %s --probe %s --running-app %s --only %d\n%s" % (
                seed, " ; ".join(case.log), "\n  ".join(problems), sys.argv[0], args.openwright, args.probe,
                args.running_app, seed, case.desktop.report() if args.only is not None else "")
        if not (problems and args.keep):
            shutil.rmtree(case.root, ignore_errors=True)
        return seed, text

    from concurrent.futures import ThreadPoolExecutor
    failed = 0
    with ThreadPoolExecutor(max_workers=args.jobs) as pool:
        for seed, text in pool.map(one, seeds):
            if text:
                failed += 1
                if failed <= 5:
                    print(text, flush=True)
    print("%d passed, %d failed" % (len(seeds) - failed, failed))
    if args.only is None:
        shutil.rmtree(args.work, ignore_errors=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
