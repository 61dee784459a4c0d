#!/usr/bin/env bash
# Runs every benchmark under bench/ and writes their lines into the README's performance
# section, with the date and the machine. Each figure is printed against a floor measured in
# the same run. Everything runs in throw-away sandboxes (the sample desktop under Xvfb for the
# window); nothing reads or writes your own defaults.
#   scripts/bench.sh            run and update README.md
#   scripts/bench.sh --print    run and print only
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --bench
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
out=$(mktemp)
root=$(mktemp -d "${TMPDIR:-/tmp}/openwright-bench-XXXXXX")
trap 'rm -rf "$out" "$root"' EXIT

run() { "$@" 2>/dev/null | tee -a "$out"; }
run build/bench/bench_core
run build/bench/bench_defaults
run build/bench/bench_guard
run build/bench/bench_search
# inside DESKTOP COMMAND…: runs a command inside a generated desktop, with nothing of yours.
inside() {
    local desktop=$1
    shift
    run env -i PATH="$PATH" LANG=C.UTF-8 OPENWRIGHT_BENCH_ROOT="$desktop" bash -c "source '$desktop/env.sh'; \
        export QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled:; $*"
}
# Desktops of 30 to 10,000 applications: the sample desktop's 28 and generated ones.
for apps in ${OPENWRIGHT_BENCH_SIZES:-30 300 1000 3000 10000}; do
    desktop=$root/desktop-$apps
    bash scripts/generate-desktop.sh "$desktop" $((apps > 28 ? apps - 28 : 0))
    inside "$desktop" "'$PWD/build/bench/bench_defaults' --desktop $apps"
    inside "$desktop" "'$PWD/build/bench/bench_changes' $apps"
    # Forty new windows: over twenty, the 95th percentile of the first keystrokes was their second slowest.
    inside "$desktop" "BENCH_ROUNDS=20 '$PWD/build/bench/bench_search' --desktop $apps"
    inside "$desktop" "xvfb-run -a -s '-screen 0 1280x800x24' '$PWD/build/bench/bench_startup' \
        '$PWD/build/ui/openwright' '$PWD/build/bench/bench_bare_window' $apps"
done
run build/bench/bench_applications
# Idle with the window hidden, on the largest desktop: wake-ups, CPU and threads from outside.
inside "$desktop" "xvfb-run -a -s '-screen 0 1280x800x24' '$PWD/build/bench/bench_idle' \
    '$PWD/build/ui/openwright' $apps"
run build/bench/bench_cli

[[ "${1:-}" == "--print" ]] && exit 0
machine="$(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo), $(uname -m)"
{
    echo "<!-- bench:start -->"
    echo "Last run $(date -u +%Y-%m-%d) on $machine (\`scripts/bench.sh\`):"
    echo
    echo '```'
    cat "$out"
    echo '```'
    echo "<!-- bench:end -->"
} >"$out.section"
awk -v section="$out.section" '
    /<!-- bench:start -->/ { while ((getline line < section) > 0) print line; skip = 1; next }
    /<!-- bench:end -->/ { skip = 0; next }
    !skip { print }' README.md >README.md.new
mv README.md.new README.md
rm -f "$out.section"
echo "README.md updated"
