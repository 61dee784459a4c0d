#!/usr/bin/python
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets default applications through Openwright's command line and its --json answers.

from __future__ import annotations

DOCUMENTATION = r"""
---
module: openwright_defaults
short_description: Default applications for file types and link types on a Linux desktop
description:
  - Sets which installed application opens each file type (by extension or MIME type) and
    each link type (by URL scheme), for one person or for every new account of the machine,
    through the C(openwright) command line, which must be installed on the managed host.
  - Reports C(changed) only when a default changed. In check mode nothing is written and the
    result says what would change; with C(--diff) it shows each type before and after.
  - Every application is looked up before anything is written; when one is not installed the
    task fails with Openwright's message and no default is changed.
options:
  defaults:
    description:
      - Targets and the application each should open with. A target is an extension (C(.pdf)),
        a link type (C("http:"), quoted in YAML) or a MIME type (C(text/plain)); an
        application is a desktop-file ID (C(org.kde.okular)) or a name as
        C(openwright status --candidates) shows it.
      - With I(state=reset), only the targets count (give any value, such as C(~)).
    type: dict
  profile:
    description:
      - A profile export file (as C(openwright profile export) writes it) on the managed host,
        whose entries are used as I(defaults). Every profile in the file is applied, in order.
    type: path
  scope:
    description:
      - C(user) sets the defaults of the user the task runs as (choose them with C(become_user) or
        I(user)); C(system) sets what every new account gets (C(openwright --system), the first
        folder of C(XDG_CONFIG_DIRS), usually C(/etc/xdg); needs C(become)).
    type: str
    choices: [user, system]
    default: user
  desktop:
    description:
      - With I(scope=system), read and write as the desktop named does (C(KDE), C(GNOME),
        C(XFCE)); a line of that desktop's own list is changed where it decides.
    type: str
  user:
    description:
      - With I(scope=user), when the task runs as root, whose defaults; the commands run as
        that user, in their home. Without it, the user the task runs as.
    type: str
  state:
    description:
      - C(present) sets each target's application; C(reset) removes the line that sets it in
        the scope's list, so that the desktop's or system's choice applies again.
    type: str
    choices: [present, reset]
    default: present
  executable:
    description: The Openwright command line.
    type: path
    default: openwright
author:
  - Openwright developers
"""

EXAMPLES = r"""
- name: Everyone opens PDFs in Okular and links in Firefox ESR
  openwright.desktop.openwright_defaults:
    scope: system
    defaults:
      .pdf: org.kde.okular
      "http:": firefox-esr
  become: true

- name: A person's own choice, from a profile exported on a reference machine
  openwright.desktop.openwright_defaults:
    profile: /srv/profiles/reading.json
  become: true
  become_user: alice

- name: Back to the system's choice for plain text
  openwright.desktop.openwright_defaults:
    defaults:
      .txt: ~
    state: reset
"""

RETURN = r"""
changes:
  description: One entry per target, with the application before and after and Openwright's outcome.
  returned: always
  type: list
  elements: dict
  sample: [{"target": ".pdf", "before": "org.gnome.Evince.desktop", "after": "org.kde.okular.desktop",
            "result": "changed"}]
"""

import json
import os
import pwd

from ansible.module_utils.basic import AnsibleModule


def profile_defaults(module, path):
    try:
        with open(path, encoding="utf-8") as f:
            document = json.load(f)
    except (OSError, ValueError) as e:
        module.fail_json(msg="Cannot read the profile export %s: %s" % (path, e))
    if not isinstance(document, dict) or document.get("format") != "openwright.profiles":
        module.fail_json(msg="%s is not an Openwright profile export." % path)
    wanted = {}
    for profile in document.get("profiles", []):
        for entry in profile.get("entries", []):
            app = entry.get("bundleID") or entry.get("appName")
            if entry.get("target") and app:
                wanted[entry["target"]] = app
    return wanted


class Openwright:
    def __init__(self, module):
        self.module = module
        p = module.params
        self.prefix = []
        self.environ = {}
        if p["user"] and os.geteuid() == 0:
            account = pwd.getpwnam(p["user"])
            self.prefix = ["runuser", "-u", p["user"], "--"]
            self.environ = {"HOME": account.pw_dir, "USER": p["user"], "LOGNAME": p["user"]}
            for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"):
                self.environ[name] = ""
        self.scope = ["--system"] if p["scope"] == "system" else []
        if p["desktop"]:
            self.scope += ["--desktop", p["desktop"]]

    def run(self, *arguments):
        """Runs one command with --json; its document (or error), and its exit status."""
        args = self.prefix + [self.module.params["executable"]] + list(arguments) + self.scope + ["--json"]
        environ = {k: v for k, v in self.environ.items() if v}
        unset = [k for k, v in self.environ.items() if not v]
        if unset:
            args = self.prefix + ["env"] + ["-u%s" % k for k in unset] + args[len(self.prefix):]
        status, out, err = self.module.run_command(args, environ_update=environ)
        try:
            document = json.loads(out) if out.strip() else {}
        except ValueError:
            document = {}
        if status not in (0, 1) or (status == 1 and "error" in document):
            message = document.get("error") or err.strip() or out.strip() or "openwright exited with %d" % status
            self.module.fail_json(msg=message, rc=status, cmd=args)
        return document, status


def app_id(document):
    app = document.get("app") or {}
    return app.get("desktopId") or app.get("name") or ""


def main():
    module = AnsibleModule(
        argument_spec=dict(
            defaults=dict(type="dict"),
            profile=dict(type="path"),
            scope=dict(type="str", choices=["user", "system"], default="user"),
            desktop=dict(type="str"),
            user=dict(type="str"),
            state=dict(type="str", choices=["present", "reset"], default="present"),
            executable=dict(type="path", default="openwright"),
        ),
        required_one_of=[("defaults", "profile")],
        mutually_exclusive=[("defaults", "profile")],
        supports_check_mode=True,
    )
    p = module.params
    if p["desktop"] and p["scope"] != "system":
        module.fail_json(msg="desktop is for scope=system; a person's desktop is the one they log in to.")
    wanted = profile_defaults(module, p["profile"]) if p["profile"] else {str(k): v for k, v in p["defaults"].items()}
    tool = Openwright(module)
    changes, before_text, after_text = [], [], []

    # Every target is read (and every application looked up) before anything is written.
    pending = []
    for target, app in wanted.items():
        if p["state"] == "present":
            if app is None or str(app) == "":
                module.fail_json(msg="No application given for %s." % target)
            checked, status = tool.run("check", target, str(app))
            current, _ = tool.run("status", target)
            before = app_id((current.get("types") or [{}])[0])
            if status == 0 and checked.get("isDefault"):
                changes.append(dict(target=target, before=before, after=before, result="alreadyDefault"))
                continue
            pending.append((target, str(app), before, app_id(checked)))
        else:
            why, _ = tool.run("why", target)
            deciding = [s for s in why.get("steps", []) if s.get("decides")]
            written = deciding and is_written_by_scope(deciding[0].get("file", ""), p["scope"])
            before = app_id(why)
            if not written:
                changes.append(dict(target=target, before=before, after=before, result="alreadyDefault"))
                continue
            pending.append((target, None, before, None))

    for target, app, before, after in pending:
        if module.check_mode:
            result = dict(target=target, before=before, after=after or "(the system's choice)", result="wouldChange")
        elif app is not None:
            answer, status = tool.run("set", target, app)
            if status != 0 or not answer.get("success"):
                module.fail_json(msg="%s: %s" % (target, answer.get("message") or answer.get("error")), changes=changes)
            result = dict(target=target, before=before, after=app_id(answer), result=answer.get("result"))
        else:
            answer, status = tool.run("reset", target)
            entry = (answer.get("changes") or [{}])[0]
            if status != 0 or not entry.get("success"):
                module.fail_json(msg="%s: %s" % (target, entry.get("message") or answer.get("error")), changes=changes)
            now = (entry.get("now") or [{}])[0]
            result = dict(target=target, before=before, after=app_id(now), result=entry.get("result"))
        changes.append(result)
        before_text.append("%s: %s\n" % (target, result["before"]))
        after_text.append("%s: %s\n" % (target, result["after"]))

    changed = any(c["result"] in ("changed", "wouldChange") for c in changes)
    diff = dict(before="".join(before_text), after="".join(after_text), before_header="defaults", after_header="defaults")
    module.exit_json(changed=changed, changes=changes, diff=diff)


def is_written_by_scope(path, scope):
    """Whether a reset in this scope removes the line in `path`."""
    if scope == "system":
        first = (os.environ.get("XDG_CONFIG_DIRS") or "/etc/xdg").split(":")[0]
        return path.startswith(first.rstrip("/") + "/")
    home = os.path.expanduser("~")
    config = os.environ.get("XDG_CONFIG_HOME") or os.path.join(home, ".config")
    data = os.environ.get("XDG_DATA_HOME") or os.path.join(home, ".local", "share")
    return path.startswith(config.rstrip("/") + "/") or path.startswith(os.path.join(data, "applications") + "/")


if __name__ == "__main__":
    main()
