#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Seeds simple faults, one at a time, into the lines a change touched, and tells which ones
the tests let through.

    scripts/mutants.py [--base REF] [--max N] [--seed S] [--list] [--slow] [PATH...]

Each mutant is one small edit of one line that `git diff REF` shows as added: a comparison
flipped, && and || swapped, a condition made always false (which drops an early return) or
negated, a `return;`, `break;` or `continue;` dropped, a whole number changed by one, true and
false swapped, + and - swapped beside a number, or the two arguments of a call swapped. For
each, the program rebuilds the test programs that cover the file's folder, one at a time and
nearest first (an incremental build), and runs each until its first failure. A mutant that no
longer builds is left out of the rate; one that makes a test fail or time out is killed; the
rest survive and are printed with file, line and edit, for a person to judge (some are
equivalent: the edit changes nothing anyone could observe).

The tree is always put back, also when interrupted. Run it in a build of its own if you are
building elsewhere meanwhile: --build DIR (configured by scripts/test.sh as build/).
"""
import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# The tests that cover each folder, most specific first: ctest names and the targets they need.
COVERAGE = [
    # The openers' rules are judged by the real openers.
    ("core/linux/Openers", ["e2e.openers"]),
    ("core/linux/", ["linux", "linux_tests", "differential_tests", "sample_tests", "sample_change_tests", "cli_tests"]),
    ("core/", ["core_tests", "linux", "app_tests", "cli_tests", "sample_change_tests", "ui_tests"]),
    ("app/cli/", ["cli_tests"]),
    ("app/linux/", ["app_tests", "single_instance_tests", "dbus_tests"]),
    ("app/", ["app_tests", "single_instance_tests", "dbus_tests", "cli_tests", "ui_tests", "sample_change_tests"]),
    ("ui/", ["ui_tests", "text_fit"]),
]
SLOW = ["changes.harness", "e2e.person"]
TARGET_OF = {"e2e.openers": "all", "linux": "linux_tests", "text_fit": "text_fit_tests", "changes.harness": "all", "e2e.person": "all"}


@dataclass
class Mutant:
    path: str
    line: int  # 1-based
    operator: str
    before: str
    after: str

    def name(self):
        return f"{self.path}:{self.line} {self.operator}"


def changed_lines(base, paths):
    """{path: set of line numbers} of the lines added since base, in C++ sources outside tests."""
    diff = subprocess.run(["git", "diff", "-U0", "--no-color", base, "--", *paths], cwd=ROOT,
                          capture_output=True, text=True, check=True).stdout
    result, current = {}, None
    for line in diff.splitlines():
        if line.startswith("+++ "):
            name = line[6:] if line.startswith("+++ b/") else None
            current = name if name and re.search(r"\.(cpp|h)$", name) and not name.startswith(("tests/", "bench/")) \
                else None
        elif current and line.startswith("@@"):
            m = re.match(r"@@ -\S+ \+(\d+)(?:,(\d+))? @@", line)
            start, count = int(m.group(1)), int(m.group(2) or "1")
            result.setdefault(current, set()).update(range(start, start + count))
    return result


def masked(code):
    """The line with string and character literals and a trailing // comment blanked out, so
    that operators are only looked for in code."""
    out, i, quote = [], 0, None
    while i < len(code):
        c = code[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            if c == quote:
                quote = None
                out.append(c)
            else:
                out.append(" ")
        elif c in "\"'":
            quote = c
            out.append(c)
        elif code.startswith("//", i):
            out.append(" " * (len(code) - i))
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def closing(text, start):
    """The index of the parenthesis closing the one at start, or None if it is not on this line."""
    depth = 0
    for i in range(start, len(text)):
        depth += {"(": 1, ")": -1}.get(text[i], 0)
        if depth == 0:
            return i
    return None


SIMPLE = ["==", "!=", "<=", ">=", "&&", "||"]
FLIP = {" == ": " != ", " != ": " == ", " < ": " <= ", " <= ": " < ", " > ": " >= ", " >= ": " > ",
        " && ": " || ", " || ": " && ", " + ": " - ", " - ": " + "}
ARGUMENT = r"[\w.:>-]*\w(?:\(\))?"


def mutants_of(path, number, code):
    body = code.strip()
    if not body or body.startswith(("#", "//", "*", "/*", "static_assert", "Q_")) or "operator" in body \
            or re.search(r"\b(reserve|qDebug|qInfo|qWarning|qCritical|Q_ASSERT|Q_UNUSED)\b", body):
        # Capacity hints and logging: a change there is seldom anything a person could see.
        return []
    plain = masked(code)
    found = []

    def add(operator, start, end, replacement):
        found.append(Mutant(path, number, operator, code, code[:start] + replacement + code[end:]))

    for token, other in FLIP.items():
        for m in re.finditer(re.escape(token), plain):
            if token.strip() in "+-" and not (re.search(r"\d $", plain[:m.start() + 1])
                                               or re.match(r"\d", plain[m.end():])):
                continue  # arithmetic with a number only: strings and signs would not build
            add("flip " + token.strip(), m.start(), m.end(), other)
    for m in re.finditer(r"\b(if|while) \(", plain):
        open_at = m.end() - 1
        close_at = closing(plain, open_at)
        if close_at is None:
            continue
        # Of an `if (init; condition)`, only the condition.
        start = open_at + 1
        semicolon = plain.rfind(";", start, close_at)
        if semicolon >= 0:
            start = semicolon + 1
            while plain[start] == " ":
                start += 1
        condition = code[start:close_at]
        add("never", start, close_at, "false")
        if condition.startswith("!"):
            add("drop !", start, start + 1, "")
        else:
            add("negate", start, close_at, f"!({condition})")
    m = re.fullmatch(r"\s*(return|break|continue);\s*", plain)
    if m:
        add("drop " + m.group(1), m.start(1), len(code.rstrip()), ";")
    for m in re.finditer(r"(?<![\w.])(\d+)(?![\w.'])", plain):
        add("constant +1", m.start(1), m.end(1), str(int(m.group(1)) + 1))
    for m in re.finditer(r"\b(true|false)\b", plain):
        add("swap bool", m.start(), m.end(), "false" if m.group(1) == "true" else "true")
    for m in re.finditer(rf"\w\(({ARGUMENT}), ({ARGUMENT})\)", plain):
        a, b = code[m.start(1):m.end(1)], code[m.start(2):m.end(2)]
        if a != b:
            add("swap arguments", m.start(1), m.end(2), f"{b}, {a}")
    return found


def coverage(path, slow):
    for folder, tests in COVERAGE:
        if path.startswith(folder):
            return tests + (SLOW if slow else [])
    return []


def run(command, timeout, env=None):
    try:
        return subprocess.run(command, cwd=ROOT, capture_output=True, text=True, timeout=timeout, env=env).returncode
    except subprocess.TimeoutExpired:
        return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--base", default="HEAD~1", help="what the change is measured against (default HEAD~1)")
    parser.add_argument("--build", default="build", help="the build folder (default build)")
    parser.add_argument("--max", type=int, default=0, help="at most this many mutants, chosen by --seed")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--list", action="store_true", help="only list the mutants")
    parser.add_argument("--slow", action="store_true", help="run the change harness and the person walk too")
    parser.add_argument("--timeout", type=int, default=600, help="seconds a build or a test run may take")
    parser.add_argument("paths", nargs="*", default=["core", "app", "ui"])
    args = parser.parse_args()

    mutants = []
    for path, numbers in sorted(changed_lines(args.base, args.paths).items()):
        lines = (ROOT / path).read_text().split("\n")
        for number in sorted(numbers):
            if number <= len(lines):
                mutants += mutants_of(path, number, lines[number - 1])
    mutants = [m for m in mutants if coverage(m.path, args.slow)]
    if args.max and len(mutants) > args.max:
        mutants = sorted(random.Random(args.seed).sample(mutants, args.max), key=lambda m: (m.path, m.line))
    print(f"{len(mutants)} mutants in the lines changed since {args.base}", flush=True)
    if args.list:
        for m in mutants:
            print(f"{m.name()}\n    - {m.before.strip()}\n    + {m.after.strip()}")
        return 0

    build = str(Path(args.build).resolve())
    originals = {}

    def put_back(*_):
        for path, text in originals.items():
            (ROOT / path).write_text(text)
        originals.clear()
        if _:
            sys.exit(130)

    signal.signal(signal.SIGINT, put_back)
    signal.signal(signal.SIGTERM, put_back)
    env = dict(os.environ, GTEST_FAIL_FAST="1", CCACHE_BASEDIR=str(ROOT))
    killed, survived, unbuilt = 0, [], 0
    try:
        for i, m in enumerate(mutants, 1):
            tests = coverage(m.path, args.slow)
            file = ROOT / m.path
            originals[m.path] = file.read_text()
            lines = originals[m.path].split("\n")
            lines[m.line - 1] = m.after
            file.write_text("\n".join(lines))
            started = time.monotonic()
            verdict = "SURVIVED"
            # Stage by stage, the nearest tests first: most mutants die there, and the programs
            # further out need not be relinked for them.
            for test in tests:
                if run(["cmake", "--build", build, "--target", TARGET_OF.get(test, test)], args.timeout, env) != 0:
                    verdict = "does not build"
                    break
                pattern = "^" + re.escape(test) + r"(\..*)?$"
                if run(["ctest", "--test-dir", build, "-R", pattern, "--stop-on-failure", "-j2",
                        "--timeout", str(args.timeout)], args.timeout * 2, env) != 0:
                    verdict = "killed"
                    break
            if verdict == "does not build":
                unbuilt += 1
            elif verdict == "killed":
                killed += 1
            else:
                survived.append(m)
            put_back()
            print(f"[{i}/{len(mutants)}] {verdict:14} {m.name()}  ({time.monotonic() - started:.0f} s)", flush=True)
            if verdict == "SURVIVED":
                print(f"    - {m.before.strip()}\n    + {m.after.strip()}", flush=True)
    finally:
        put_back()
        # Leave the build matching the tree.
        run(["cmake", "--build", build], None, env)

    judged = killed + len(survived)
    print(f"\n{killed} killed, {len(survived)} survived, {unbuilt} did not build")
    if judged:
        print(f"kill rate {100 * killed / judged:.0f} % of {judged} mutants that build")
    for m in survived:
        print(f"survived: {m.name()}\n    - {m.before.strip()}\n    + {m.after.strip()}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
