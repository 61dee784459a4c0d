#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. Safe to run repeatedly.
#   scripts/test.sh              the release build (build/)
#   scripts/test.sh --sanitize   a Debug build with Qt's assertions, AddressSanitizer and
#                                UndefinedBehaviorSanitizer (build-sanitize/), as CI runs it too
set -euo pipefail
cd "$(dirname "$0")/.."
skip=()

bash scripts/install-deps.sh
# Builds in several folders share their compiled objects.
export CCACHE_BASEDIR="$PWD"
if [[ "${1:-}" == "--sanitize" ]]; then
    build=${BUILD_DIR:-build-sanitize}
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOPENWRIGHT_SANITIZE=address,undefined \
        -DOPENWRIGHT_BUILD_BENCH=OFF >/dev/null
    # Stacks by frame pointers: unwinding every allocation by its tables made each command
    # five times slower. GLib has no frame pointers, so its leaks are suppressed by library.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
    # What the sanitizers cannot see differently: the person walk (the release run walks it),
    # the translation and data checks, which libraries the programs link, and the Ansible module
    # (its own Python, over the command line the release run builds).
    skip=(-E '^(e2e\.person|translations\.check|data\..*|cli\.libraries|window\.libraries|ansible\.playbook)$')
else
    build=${BUILD_DIR:-build}
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "${skip[@]}"
