#!/usr/bin/env bash
# The translations' one entry point.
#   update  re-read the code's texts into translations/*.ts (new texts come in unfinished,
#           removed ones go), then remake the pseudo-translation from them
#   check   every text of every language finished, placeholders and plural forms intact
#   status  how many texts each language has left to translate
# Translate new texts in Qt Linguist (`linguist translations/openwright_de.ts`) or any editor,
# then run `check`; the build compiles the .ts files into the program.
set -euo pipefail
cd "$(dirname "$0")/.."

LUPDATE=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
languages=(de es fr it pt_BR)

case "${1:-}" in
update)
    ts=()
    for l in "${languages[@]}"; do ts+=("translations/openwright_$l.ts"); done
    # No line numbers: a moved text is not a change of the translation.
    "$LUPDATE" -silent -locations none -no-obsolete -no-ui-lines -extensions cpp,h core app ui -ts "${ts[@]}"
    # English needs only the plural forms ("1 default", "2 defaults").
    "$LUPDATE" -silent -locations none -no-obsolete -pluralonly -extensions cpp,h core app ui \
        -ts translations/openwright_en.ts
    python3 scripts/translations.py pseudo translations/openwright_de.ts translations/openwright_pseudo.ts
    python3 scripts/translations.py status "${ts[@]}" translations/openwright_en.ts
    ;;
check | status)
    ts=()
    for l in "${languages[@]}" en; do ts+=("translations/openwright_$l.ts"); done
    if [[ "$1" == check && -x "$LUPDATE" ]]; then
        # A text the code has and the files lack would show in English: read the code into
        # copies, where such a text comes in unfinished.
        copies=$(mktemp -d)
        trap 'rm -rf "$copies"' EXIT
        cp "${ts[@]}" "$copies"/
        "$LUPDATE" -silent -locations none -no-obsolete -no-ui-lines -extensions cpp,h core app ui \
            -ts "$copies"/openwright_{de,es,fr,it,pt_BR}.ts 2>/dev/null
        "$LUPDATE" -silent -locations none -no-obsolete -pluralonly -extensions cpp,h core app ui \
            -ts "$copies"/openwright_en.ts 2>/dev/null
        ts=("$copies"/openwright_{de,es,fr,it,pt_BR,en}.ts)
    fi
    python3 scripts/translations.py "$1" "${ts[@]}"
    ;;
*)
    echo "usage: $0 update|check|status" >&2
    exit 2
    ;;
esac
