#!/usr/bin/env bash
# Regenerates the README's screenshots from the end-to-end run (tests/e2e/person.sh): the
# installed program on the sample desktop under Xvfb, driven by clicks and keys. Run once in
# the light look and once as a dark desktop asks for it. Never touches your own desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
export CCACHE_BASEDIR="$PWD"
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"
out=docs/screenshots
mkdir -p "$out"
light=$(mktemp -d)
dark=$(mktemp -d)
german=$(mktemp -d)
roles=$(mktemp -d)
small=$(mktemp -d)
rtl=$(mktemp -d)
trap 'rm -rf "$light" "$dark" "$german" "$roles" "$small" "$rtl"' EXIT
bash tests/e2e/person.sh "$build" scripts/sample-desktop.sh "$light" | grep -E "^(FAIL|PASSED)|failed"
OPENWRIGHT_E2E_DARK=1 bash tests/e2e/person.sh "$build" scripts/sample-desktop.sh "$dark" |
    grep -E "^(FAIL|PASSED)|failed"
for shot in overview search types-picker add-type chooser-search notification guard guard-culprit clean-up tray profiles \
    profile-sheet backups applications all-types order-sheet settings; do
    cp "$light/$shot.png" "$out/$shot.png"
done
# A German desktop: the overview, a type list and All Types, through a short tour
# (tests/e2e/tour.py); then the system roles with the terminal, in English.
OPENWRIGHT_E2E_LANG=de_DE.UTF-8 OPENWRIGHT_E2E_DRIVER="$PWD/tests/e2e/tour.py" \
    bash tests/e2e/person.sh "$build" scripts/sample-desktop.sh "$german" "Dokumente & Büro=types" \
    "Alle Typen=all-types" | grep -E "^(FAIL|PASSED)"
cp "$german/overview.png" "$out/overview-de.png"
cp "$german/types.png" "$out/types-de.png"
cp "$german/all-types.png" "$out/all-types-de.png"
OPENWRIGHT_E2E_DRIVER="$PWD/tests/e2e/tour.py" \
    bash tests/e2e/person.sh "$build" scripts/sample-desktop.sh "$roles" "System Roles=system-roles" |
    grep -E "^(FAIL|PASSED)"
cp "$roles/system-roles.png" "$out/system-roles.png"
# A 1024×600 screen (the window opens at what its free area holds), and a right-to-left look.
OPENWRIGHT_E2E_SCREEN=1024x600x24 OPENWRIGHT_E2E_LANG=fr_FR.UTF-8 OPENWRIGHT_E2E_DRIVER="$PWD/tests/e2e/tour.py" \
    bash tests/e2e/person.sh "$build" scripts/sample-desktop.sh "$small" "Applications=applications" |
    grep -E "^(FAIL|PASSED)"
cp "$small/overview.png" "$out/overview-1024x600.png"
cp "$small/applications.png" "$out/applications-1024x600-fr.png"
OPENWRIGHT_E2E_ARGS=-reverse OPENWRIGHT_E2E_DRIVER="$PWD/tests/e2e/tour.py" \
    bash tests/e2e/person.sh "$build" scripts/sample-desktop.sh "$rtl" "Documents & Office=types" |
    grep -E "^(FAIL|PASSED)"
cp "$rtl/overview.png" "$out/overview-rtl.png"
cp "$rtl/types.png" "$out/types-rtl.png"
cp "$dark/overview.png" "$out/overview-dark.png"
cp "$dark/types-picker.png" "$out/types-picker-dark.png"
echo "Screenshots written to $out/"
