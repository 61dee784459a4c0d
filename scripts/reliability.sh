#!/usr/bin/env bash
# Reliability checks that take longer than CI allows, with their figures printed for the README.
#   scripts/reliability.sh [FUZZ_SECONDS]   (default 1800: the fuzz targets for 30 minutes)
# 1. The document fuzzer (scripts/fuzz.sh) for FUZZ_SECONDS with no finding.
# 2. 200 kills (SIGKILL) at random moments during a burst of saves; every data file still loads.
# 3. The application started with no session bus, with a bus but no notification server, with no
#    tray, with a read-only data folder and with a full disk: it keeps the user's data and says
#    what it could not do. Needs root (or user namespaces) for the read-only and full mounts.
# 4. Changes of defaults with ~/.config full or read-only: every list stays as it was.
# 5. Changing commands sent to a running window that cannot save: none is acknowledged.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-1800}
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target openwright reliability_probe
probe=$PWD/build/tests/reliability_probe
program=$PWD/build/ui/openwright
work=$(mktemp -d "${TMPDIR:-/tmp}/openwright-reliability-XXXXXX")
cleanup() {
    # Every small file system mounted below the work folder, innermost first.
    awk -v w="$work/" 'index($2, w) == 1 { print $2 }' /proc/mounts | sort -r | xargs -r -n1 umount 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

echo "== 1. fuzzing for ${seconds} s"
if (( seconds > 0 )); then
    bash scripts/fuzz.sh "$seconds" 2>&1 | grep -E "^(stat::|Done|==[0-9]+==ERROR|SUMMARY)" || true
    findings=$(find build-fuzz/findings -type f 2>/dev/null | wc -l)
    echo "fuzz findings: $findings"
fi

echo "== 2. 200 kills during a burst of saves"
data=$work/kills
mkdir -p "$data"
broken=0
for ((i = 1; i <= 200; i++)); do
    "$probe" burst "$data" >"$work/burst.log" 2>&1 &
    pid=$!
    for ((w = 0; w < 100; w++)); do grep -q saving "$work/burst.log" && break; sleep 0.02; done
    sleep "0.$(printf '%03d' $((RANDOM % 400)))"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if ! "$probe" check "$data" >"$work/check.log" 2>&1; then
        broken=$((broken + 1))
        cat "$work/check.log"
    fi
done
echo "kills: 200, data files that did not load afterwards: $broken"

echo "== 3. starts in a degraded session"
root=$work/sample
bash scripts/sample-desktop.sh "$root"
run() { # name, then environment assignments; prints what the application said on stderr
    local name=$1
    shift
    local out
    out=$(env -i PATH="$PATH" LANG=C.UTF-8 bash -c "source '$root/env.sh'; export QT_QPA_PLATFORM=xcb OPENWRIGHT_STARTUP_PROBE=1 $*; \
        xvfb-run -a -s '-screen 0 1280x800x24' timeout 60 '$program'" 2>&1) || true
    local ready=no
    grep -q '^ready' <<<"$out" && ready=yes
    echo "$name: started and read every default: $ready"
    grep -E "could not|cannot" <<<"$out" | sed 's/^/    said: /' | sort -u || true
}
run "no session bus" "DBUS_SESSION_BUS_ADDRESS=disabled:"
run "no notification server, no tray" ""
# A read-only data folder and a full disk, with the user's data already in them.
for kind in readonly full; do
    dir=$work/$kind/data/Openwright
    mkdir -p "$dir"
    mount -t tmpfs -o size=64k tmpfs "$dir"
    "$probe" burst "$dir" >/dev/null 2>&1 &
    pid=$!
    sleep 1
    kill -9 "$pid"; wait "$pid" 2>/dev/null || true
    before=$(cat "$dir"/*.json | md5sum)
    if [[ $kind == readonly ]]; then
        mount -o remount,ro "$dir"
    else
        dd if=/dev/zero of="$dir/filler" bs=1k count=1024 2>/dev/null || true
    fi
    run "$kind data folder" "XDG_DATA_HOME='$work/$kind/data'"
    "$probe" check "$dir" >/dev/null 2>&1 && loads=yes || loads=no
    after=$(cat "$dir"/*.json | md5sum)
    echo "    the user's data still loads: $loads, unchanged: $([[ $before == "$after" ]] && echo yes || echo changed)"
done

echo "== 4. the user's defaults lists on a full disk and in a read-only folder"
# ~/.config of the sample desktop on a small file system of its own, filled or made read-only;
# every change must fail with the reason and leave each list byte for byte as it was.
for kind in full readonly; do
    lists=$work/lists-$kind
    bash scripts/sample-desktop.sh "$lists" >/dev/null
    config=$(bash -c "source '$lists/env.sh'; echo \$XDG_CONFIG_HOME")
    cp -a "$config" "$work/config-copy"
    mount -t tmpfs -o size=256k tmpfs "$config"
    cp -a "$work/config-copy/." "$config/" && rm -rf "$work/config-copy"
    if [[ $kind == readonly ]]; then
        mount -o remount,ro "$config"
    else
        dd if=/dev/zero of="$config/filler" bs=1k count=1024 2>/dev/null || true
    fi
    before=$(cat "$config"/*mimeapps.list | md5sum)
    tries=0 succeeded=0 lost=0
    for target in .pdf .png .mp4 .txt http: mailto: .md .zip .json .svg; do
        for app in okular org.gnome.Loupe vlc org.gnome.TextEditor firefox; do
            tries=$((tries + 1))
            if bash -c "source '$lists/env.sh'; '$program' set $target $app" 2>/dev/null | grep -q "^Changed"; then
                succeeded=$((succeeded + 1))
            fi
            [[ $(cat "$config"/*mimeapps.list | md5sum) == "$before" ]] || lost=$((lost + 1))
        done
    done
    echo "$kind ~/.config: changes tried: $tries, reported as changed: $succeeded, tries after which a list differed: $lost"
    umount "$config"
done

echo "== 5. commands sent to a running window that cannot save"
digest() { { cat "$1"/*.json 2>/dev/null || true; } | md5sum; }
# The window runs with its data folder full, read-only, or with guard.json replaced by a folder;
# every changing command it acknowledges (exit 0) must be on disk.
for kind in full readonly folder; do
    desk=$work/window-$kind
    bash scripts/sample-desktop.sh "$desk" >/dev/null
    data=$(bash -c "source '$desk/env.sh'; echo \$XDG_DATA_HOME")/Openwright
    mkdir -p "$data"
    case $kind in
        full) mount -t tmpfs -o size=64k tmpfs "$data" && dd if=/dev/zero of="$data/filler" bs=1k count=1024 2>/dev/null || true ;;
        readonly) mount -t tmpfs -o size=64k,ro tmpfs "$data" ;;
        folder) mkdir -p "$data/guard.json" ;;
    esac
    env -i PATH="$PATH" LANG=C.UTF-8 bash -c "source '$desk/env.sh'; export QT_QPA_PLATFORM=offscreen; \
        timeout 120 '$program' --background" >/dev/null 2>&1 &
    window=$!
    sleep 3
    acknowledged=0 lost=0
    for command in "backup now" "pin .pdf" "unpin .pdf" "pin .png" "backup now" "pin mailto:" "guard check" \
        "unpin .png" "backup now"; do
        snapshot=$(digest "$data")
        if bash -c "source '$desk/env.sh'; '$program' $command" >/dev/null 2>&1; then
            acknowledged=$((acknowledged + 1))
            # An acknowledged change is on disk: the files differ from before it (guard check may find nothing).
            [[ $command == "guard check" || $(digest "$data") != "$snapshot" ]] || lost=$((lost + 1))
        fi
    done
    kill "$window" 2>/dev/null || true
    wait "$window" 2>/dev/null || true
    mountpoint -q "$data" && umount "$data"
    echo "data folder $kind: changing commands: 9, acknowledged: $acknowledged, acknowledged but not saved: $lost"
done

echo "== 6. links, FIFOs, devices and huge files where Openwright reads and writes"
# Each hazard is laid at each of Openwright's files in turn, as another user or an accident
# leaves them; then the window starts (and reads every default and draws the icons shown) and
# a change, an export and a guard check run. A hang is a start or command that does not finish
# in time; a loss is the victim file changed; an intrusion is a file appearing where a planted
# link points.
desk=$work/hazards
bash scripts/sample-desktop.sh "$desk" >/dev/null
eval "$(bash -c "source '$desk/env.sh'; echo cache=\$XDG_CACHE_HOME/Openwright runtime=\$XDG_RUNTIME_DIR apps=\$XDG_DATA_HOME/applications")"
mkdir -p "$cache" "$apps"
victim=$work/victim-bashrc intruded=$work/intruded-autostart.desktop shared=$work/shared
mkdir -p "$shared" && chmod 1777 "$shared"
printf '[Desktop Entry]\nType=Application\nName=Icon Trap\nExec=true %%f\nIcon=%s\nMimeType=application/pdf;\n' \
    "$work/icon" >"$apps/icon-trap.desktop"
cli() { env -i PATH="$PATH" LANG=C.UTF-8 bash -c "source '$desk/env.sh'; timeout 30 '$program' $*" >/dev/null 2>&1; }
cli set .pdf icon-trap.desktop --force || echo "could not make the icon trap the default for .pdf"
cli profile import - <<<'{"format":"openwright.profiles","version":1,"profiles":[{"id":"X","name":"Reading","summary":"","symbol":"book","kind":"preset","createdAt":"2025-03-01T09:30:00Z","entries":[{"target":".pdf","bundleID":"org.kde.okular","appName":"Okular"}]}]}' || true
tried=0 hangs=0 losses=0 intrusions=0 peak=0
lay() { # place, hazard
    rm -rf "$1"
    case $2 in
        link-to-victim) ln -s "$victim" "$1" && chown -h 65534:65534 "$1" ;;
        dangling-link) ln -s "$intruded" "$1" && chown -h 65534:65534 "$1" ;;
        fifo) mkfifo "$1" ;;
        device) ln -s /dev/urandom "$1" ;;
        huge) truncate -s 500M "$1" ;;
        folder) mkdir "$1" ;;
    esac
}
for place in "$cache/states" "$cache/drawings" "$work/icon" "$runtime/io.github.openwright.Openwright.lock" \
    "$shared/report.json"; do
    for hazard in link-to-victim dangling-link fifo device huge folder; do
        tried=$((tried + 1))
        printf '# mine\n' >"$victim" && chmod 600 "$victim"
        rm -f "$intruded"
        before=$(stat -c '%i %a' "$victim")$(md5sum <"$victim")
        lay "$place" "$hazard"
        out=$(env -i PATH="$PATH" LANG=C.UTF-8 bash -c "source '$desk/env.sh'; export QT_QPA_PLATFORM=offscreen \
            OPENWRIGHT_STARTUP_PROBE=1; timeout 30 '$program'" 2>&1) || true
        status=ok
        if ! grep -q '^ready' <<<"$out"; then
            # A refusal with its reason (the lock) is no hang: a start that said nothing is.
            grep -qiE "lock file|cannot" <<<"$out" || status=hang
        fi
        kb=$(grep -oE '^(ready|settled) [0-9]+' <<<"$out" | grep -oE '[0-9]+' | sort -n | tail -1 || true)
        kb=${kb:-0}
        ((kb > peak)) && peak=$kb
        for command in "set .pdf okular" "profile export Reading $shared/report.json" "guard check" \
            "set .pdf icon-trap.desktop --force"; do
            rc=0
            env -i PATH="$PATH" LANG=C.UTF-8 bash -c "source '$desk/env.sh'; timeout 30 '$program' $command" \
                >/dev/null 2>&1 || rc=$?
            ((rc == 124)) && status=hang
        done
        [[ $status == hang ]] && hangs=$((hangs + 1)) && echo "    hang: $hazard at $place"
        after=$(stat -c '%i %a' "$victim")$(md5sum <"$victim")
        [[ $before == "$after" ]] || { losses=$((losses + 1)); echo "    loss: $hazard at $place"; }
        [[ -e $intruded ]] && { intrusions=$((intrusions + 1)); echo "    intrusion: $hazard at $place"; }
        rm -rf "$place"
    done
done
echo "hazards tried: $tried, hangs: $hangs, losses: $losses, intrusions: $intrusions, largest memory at a start: ${peak} KiB"

echo "== 7. a flood of unfinished requests on the window's socket"
env -i PATH="$PATH" LANG=C.UTF-8 bash -c "source '$desk/env.sh'; export QT_QPA_PLATFORM=offscreen; \
    timeout 300 '$program' --background" >/dev/null 2>&1 &
for ((w = 0; w < 100; w++)); do [[ -S $runtime/io.github.openwright.Openwright.socket ]] && break; sleep 0.1; done
window=$(pgrep -n -f -- "$program --background" || true)
python3 - "$runtime/io.github.openwright.Openwright.socket" <<'PY'
import socket, sys
clients, refused = [], 0
for i in range(40):
    s = socket.socket(socket.AF_UNIX)
    s.connect(sys.argv[1])
    s.sendall(b"hello 1\n")
    s.recv(64)
    s.settimeout(5)
    try:
        s.sendall(b"request %d\n" % (48 << 20))
        chunk = b"x" * (1 << 20)
        for _ in range(47):
            s.sendall(chunk)
    except OSError:
        pass
    s.settimeout(0.2)
    try:
        if b"busy" in s.recv(4096):
            refused += 1
    except OSError:
        pass
    clients.append(s)
print(f"clients: 40, each announcing 48 MiB and sending 47; refused as busy: {refused}")
PY
[[ -n $window ]] && echo "window's peak memory: $(awk '/VmHWM/ { print $2, $3 }' /proc/"$window"/status)"
[[ -n $window ]] && kill "$window" 2>/dev/null || true
