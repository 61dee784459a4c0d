#!/usr/bin/env bash
# The real application starting on the sample desktop, under Xvfb with a session bus of its own:
# the window appears, every default is read (guard.json holds them all), and a second start
# exits 0 and brings the first instance's window back.
#   startup.sh PROGRAM SAMPLE_SCRIPT
set -euo pipefail
program=$1
sample=$2
if [[ -z "${OPENWRIGHT_E2E_INNER:-}" ]]; then
    for tool in xvfb-run dbus-run-session xdotool xwininfo; do
        command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 0; }
    done
    root=$(mktemp -d "${TMPDIR:-/tmp}/openwright-e2e-XXXXXX")
    trap 'rm -rf "$root"' EXIT
    bash "$sample" "$root"
    # The sample's folders replace HOME and every XDG variable: nothing reaches a real desktop.
    # Not exec: the trap above removes the throw-away tree once the run ends.
    status=0
    env -i PATH="$PATH" LANG=C.UTF-8 OPENWRIGHT_E2E_INNER=1 OPENWRIGHT_E2E_ROOT="$root" \
        xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash "$0" "$@" || status=$?
    exit "$status"
fi

# shellcheck disable=SC1091
source "$OPENWRIGHT_E2E_ROOT/env.sh"
export QT_QPA_PLATFORM=xcb
data="$XDG_DATA_HOME/Openwright"

"$program" >"$OPENWRIGHT_E2E_ROOT/first.log" 2>&1 &
first=$!
trap 'kill $first 2>/dev/null || true' EXIT

fail() {
    echo "FAILED: $*"
    cat "$OPENWRIGHT_E2E_ROOT/first.log"
    exit 1
}
wait_for() { # seconds, command...
    local limit=$(($1 * 10))
    shift
    for ((i = 0; i < limit; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

wait_for 20 xdotool search --onlyvisible --name '^Openwright$' || fail "the window did not appear"
window=$(xdotool search --onlyvisible --name '^Openwright$' | head -n 1)
# Every catalog type read and absorbed: the guard's baseline names .ovpn, the last of them.
wait_for 20 grep -q '"\.ovpn"' "$data/guard.json" || fail "the defaults were not all read"
grep -q '"\.pdf"' "$data/guard.json" || fail "guard.json lacks .pdf"

xdotool windowunmap --sync "$window"
timeout 10 "$program" || fail "a second start did not exit 0"
wait_for 10 bash -c "xwininfo -id $window | grep -q IsViewable" || fail "the first window did not come back"
kill -0 "$first" 2>/dev/null || fail "the first instance is gone"
echo "PASSED"
