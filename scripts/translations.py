#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads and writes Qt Linguist files for scripts/translations.sh.

  check FILE...            every message finished, with the placeholders of its source
  status FILE...           unfinished messages per file
  pseudo FROM.ts TO.ts     the pseudo-translation: every text about 40% longer, accented and
                           bracketed, so that untranslatable and clipped texts show
  fill FILE.ts TABLE.json  takes translations from a table {source: text or [forms]}
"""
import json
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:n|L?\d+)")
ACCENTS = str.maketrans("aeiouAEIOUcnyCNYsz", "áéîõüÅÉÎÕÜçñýÇÑÝšž")


def messages(root):
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def forms(message):
    translation = message.find("translation")
    if translation is None:
        return translation, []
    numerus = translation.findall("numerusform")
    return translation, [n.text or "" for n in numerus] if numerus else [translation.text or ""]


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text)))


def check(paths):
    problems = []
    for path in paths:
        root = ET.parse(path).getroot()
        for context, message in messages(root):
            source = message.findtext("source") or ""
            translation, texts = forms(message)
            where = f"{path}: {context}: {source!r}"
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                problems.append(f"{where}: not translated")
                continue
            numerus = message.get("numerus") == "yes"
            for text in texts:
                if not text.strip():
                    problems.append(f"{where}: empty translation")
                    continue
                want = placeholders(source)
                have = placeholders(text)
                # A singular form may say "one" instead of %n; every other placeholder stays.
                if numerus:
                    want = [p for p in want if p != "%n"]
                    have = [p for p in have if p != "%n"]
                if want != have:
                    problems.append(f"{where}: placeholders {have} instead of {want} in {text!r}")
                # Texts that are glued to others keep their spaces and line ends.
                # (A hyphen may join a suffix instead: " files" becomes "-Dateien".)
                # French sets a space before ";" and ":".
                joined = text.startswith("-") or (source[:1] in ";:" and text.lstrip()[:1] == source[:1])
                if (source[:1].isspace() != text[:1].isspace() and not joined) or source[-1:].isspace() != text[-1:].isspace():
                    problems.append(f"{where}: leading or trailing space differs in {text!r}")
                if source.endswith("…") != text.endswith("…"):
                    problems.append(f"{where}: the ellipsis is lost or added in {text!r}")
            if numerus and not any("%n" in t for t in texts):
                problems.append(f"{where}: no plural form shows the number")
    for p in problems:
        print(p)
    print(f"{len(problems)} problems in {len(paths)} files")
    return 1 if problems else 0


def status(paths):
    for path in paths:
        root = ET.parse(path).getroot()
        total = left = 0
        for _, message in messages(root):
            total += 1
            translation = message.find("translation")
            if translation is None or translation.get("type") == "unfinished":
                left += 1
        print(f"{path}: {left} of {total} texts left to translate")
    return 0


def pseudo_text(source):
    # Key sequences stay as they are, or the shortcuts would stop working.
    if re.fullmatch(r"(Ctrl|Shift|Alt|Meta)\+.*", source):
        return source
    out = []
    # Placeholders, markup and entities keep their letters.
    for piece in re.split(r"(%(?:n|L?\d+)|<[^>]+>|&\w+;)", source):
        if PLACEHOLDER.fullmatch(piece or "") or piece.startswith("<") or re.fullmatch(r"&\w+;", piece):
            out.append(piece)
        else:
            out.append(piece.translate(ACCENTS))
    text = "".join(out)
    letters = len(re.sub(r"%(?:n|L?\d+)|<[^>]+>", "", source))
    padding = max(1, round(letters * 0.4) - 2)
    return "[" + text + " " + "·" * (padding - 1) + "]" if padding > 1 else "[" + text + "]"


def pseudo(source_path, target_path):
    tree = ET.parse(source_path)
    root = tree.getroot()
    root.set("language", "en")
    for _, message in messages(root):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.clear()
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo_text(source)
        else:
            translation.text = pseudo_text(source)
    write(tree, target_path)
    return 0


def fill(path, table_path):
    with open(table_path, encoding="utf-8") as f:
        table = json.load(f)
    tree = ET.parse(path)
    left = 0
    for context, message in messages(tree.getroot()):
        source = message.findtext("source") or ""
        key = f"{context}|{source}" if f"{context}|{source}" in table else source
        if key not in table:
            if message.find("translation").get("type") == "unfinished":
                left += 1
            continue
        value = table[key]
        translation = message.find("translation")
        translation.attrib.clear()
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            for form in value if isinstance(value, list) else [value, value]:
                ET.SubElement(translation, "numerusform").text = form
        else:
            translation.text = value
    write(tree, path)
    print(f"{path}: {left} texts without a translation")
    return 0


def write(tree, path):
    # In lupdate's own layout (contexts at the margin), so that a fill changes only its texts.
    ET.indent(tree, space="    ")
    text = ET.tostring(tree.getroot(), encoding="unicode")
    text = "\n".join(line[4:] if line.startswith("    ") else line for line in text.split("\n"))
    text = re.sub(r">([^<]*)<", lambda m: ">" + m.group(1).replace("'", "&apos;").replace('"', "&quot;") + "<", text)
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        f.write(text)
        f.write("\n")


def main(argv):
    command, args = argv[1], argv[2:]
    if command == "check":
        return check(args)
    if command == "status":
        return status(args)
    if command == "pseudo":
        return pseudo(*args)
    if command == "fill":
        return fill(*args)
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
