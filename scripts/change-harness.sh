#!/usr/bin/env bash
# The change harness in long mode: random desktops and random sequences of changes through the
# real command line, judged by GIO after every operation (see tests/changes/change_harness.py).
#   scripts/change-harness.sh [CASES [FIRST-SEED [STEPS]]]   (default 2000 cases from seed 1, 8 steps)
# A failure prints its seed and a one-line replay; add --keep to that line to keep its tree.
set -euo pipefail
cd "$(dirname "$0")/.."
cases=${1:-2000}
seed=${2:-1}
steps=${3:-8}
bash scripts/install-deps.sh
export CCACHE_BASEDIR="$PWD"
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target openwright gio_defaults_probe cli_running_app
exec python3 tests/changes/change_harness.py --openwright "$build/ui/openwright" \
    --probe "$build/tests/gio_defaults_probe" --running-app "$build/tests/cli_running_app" \
    --cases "$cases" --seed "$seed" --steps "$steps"
