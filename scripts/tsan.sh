#!/usr/bin/env bash
# Runs the model and D-Bus tests under ThreadSanitizer (build-tsan/). Not part of CI: Debian's
# Qt is not built with the sanitizer, so tests/tsan.supp leaves out the reports that only run
# through Qt's, libdbus's and GLib's own synchronisation.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOPENWRIGHT_SANITIZE=thread \
    -DOPENWRIGHT_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan --target app_tests dbus_tests
# The updater's tests start programs from a process with threads: the sanitizer must let them.
export TSAN_OPTIONS="suppressions=$PWD/tests/tsan.supp second_deadlock_stack=1 die_after_fork=0"
status=0
for t in app_tests dbus_tests; do
    echo "== $t"
    (cd build-tsan/tests && QT_QPA_PLATFORM=offscreen ./$t 2>&1) | tee "build-tsan/$t.log" | grep -E "^\[  (PASSED|FAILED)|WARNING: ThreadSanitizer" || true
    grep -q "WARNING: ThreadSanitizer" "build-tsan/$t.log" && status=1
    # A run that died before its summary found nothing: it failed.
    grep -q "^\[  PASSED  \]" "build-tsan/$t.log" || status=1
done
exit $status
