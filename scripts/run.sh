#!/usr/bin/env bash
# Builds Openwright and starts it.
#   scripts/run.sh           on your own desktop
#   scripts/run.sh --sample  inside a throw-away sample desktop (about 25 applications, some
#                            defaults set): try everything, your own defaults are never touched
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
# Builds in several folders share their compiled objects.
export CCACHE_BASEDIR="$PWD"
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target openwright
program="$PWD/$build/ui/openwright"

if [[ "${1:-}" != "--sample" ]]; then
    exec "$program" "$@"
fi
shift
root=$(mktemp -d "${TMPDIR:-/tmp}/openwright-sample-XXXXXX")
trap 'rm -rf "$root"' EXIT
bash scripts/sample-desktop.sh "$root"
# A Wayland socket is found through XDG_RUNTIME_DIR, which the sample replaces: name it fully.
if [[ -n "${WAYLAND_DISPLAY:-}" && "${WAYLAND_DISPLAY}" != /* && -n "${XDG_RUNTIME_DIR:-}" ]]; then
    export WAYLAND_DISPLAY="$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY"
fi
echo "Sample desktop in $root (removed when Openwright quits)"
# shellcheck disable=SC1091
(source "$root/env.sh" && "$program" "$@")
