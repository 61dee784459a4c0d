#!/usr/bin/env bash
# Runs tests/e2e/person.py: Openwright installed from the build into a throw-away prefix, on the
# sample desktop, under Xvfb with a session bus and an accessibility bus of its own, a real
# notification server (notification-daemon) and a tray host (trayer).
#   person.sh BUILD_DIR SAMPLE_SCRIPT ARTIFACTS_DIR [DRIVER ARGUMENTS...]
set -euo pipefail
build=$1
sample=$2
artifacts=$3
here=$(cd "$(dirname "$0")" && pwd)
if [[ -z "${OPENWRIGHT_E2E_INNER:-}" ]]; then
    for tool in xvfb-run dbus-run-session dbus-monitor xdotool trayer gio /usr/bin/python3 \
        /usr/lib/notification-daemon/notification-daemon /usr/libexec/at-spi-bus-launcher; do
        command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 0; }
    done
    /usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "SKIPPED: python3-pyatspi is not installed"; exit 0; }
    root=$(mktemp -d "${TMPDIR:-/tmp}/openwright-person-XXXXXX")
    trap '[[ -n "${OPENWRIGHT_E2E_KEEP:-}" ]] || rm -rf "$root"' EXIT
    cmake --install "$build" --prefix "$root/prefix" >/dev/null
    bash "$sample" "$root/desktop"
    # A desktop with many text editors, as some are: 150 more handlers of plain text.
    apps=$root/desktop/usr/share/applications
    icons=(org.gnome.TextEditor gvim kate)
    i=0
    for first in Amber Basalt Cedar Delta Ember Fjord Granite Harbor Indigo Juniper Kestrel Lumen Meadow Nimbus Onyx; do
        for second in Notes Writer Edit Pad Text Scribe Draft Jot Quill Ledger; do
            printf '[Desktop Entry]\nType=Application\nName=%s %s\nExec=gnome-text-editor %%U\nIcon=%s\nMimeType=text/plain;\n' \
                "$first" "$second" "${icons[i % 3]}" >"$apps/com.example.${first}${second}.desktop"
            i=$((i + 1))
        done
    done
    update-desktop-database "$apps"
    mkdir -p "$artifacts"
    # The desktop's own programs (the accessibility bus, the window manager, the notification
    # server, the tray) keep their caches and sockets in a home of their own here, not yours.
    session=$root/session
    mkdir -p "$session/.config" "$session/.cache" "$session/.local/share" "$session/.local/state"
    mkdir -m 700 -p "$session/run"
    # Not exec: the trap above removes the throw-away tree (some 170 MB) once the run ends.
    env -i PATH="/usr/bin:/bin:/usr/sbin:/sbin" LANG=C.UTF-8 OPENWRIGHT_E2E_INNER=1 \
        HOME="$session" XDG_CONFIG_HOME="$session/.config" XDG_CACHE_HOME="$session/.cache" \
        XDG_DATA_HOME="$session/.local/share" XDG_STATE_HOME="$session/.local/state" XDG_RUNTIME_DIR="$session/run" \
        OPENWRIGHT_E2E_DARK="${OPENWRIGHT_E2E_DARK:-}" OPENWRIGHT_E2E_LANG="${OPENWRIGHT_E2E_LANG:-}" \
        OPENWRIGHT_E2E_DRIVER="${OPENWRIGHT_E2E_DRIVER:-}" OPENWRIGHT_E2E_ARGS="${OPENWRIGHT_E2E_ARGS:-}" \
        OPENWRIGHT_E2E_ROOT="$root" xvfb-run -a -s "-screen 0 ${OPENWRIGHT_E2E_SCREEN:-1280x800x24}" \
        dbus-run-session -- bash "$0" "$@"
    exit 0 # a failed run has left already, with its status (set -e)
fi

root=$OPENWRIGHT_E2E_ROOT
# The accessibility bus starts with the system's own settings, before the sandbox takes over.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$root/atspi.log" 2>&1 &
# A window manager frames, places and focuses windows as on a desktop; with the system's own
# settings too. The screenshots show its frames.
command -v openbox >/dev/null && openbox --sm-disable >"$root/wm.log" 2>&1 &
sleep 0.5
command -v xsetroot >/dev/null && xsetroot -solid "#4a5568"
# scripts/screenshots.sh asks for the dark look once, as a dark desktop would.
[[ -n "${OPENWRIGHT_E2E_DARK:-}" ]] && export GTK_THEME=Adwaita:dark
# The notification server and the tray are the desktop's, so they keep the system's icon themes:
# the sample's folders hold application icons only.
/usr/lib/notification-daemon/notification-daemon >"$root/notifications.log" 2>&1 &
trayer --edge bottom --align right --widthtype request --height 28 --SetDockType false >"$root/tray.log" 2>&1 &
# person.py takes the tray away and brings it back, as a desktop without one and a late panel do.
export OPENWRIGHT_E2E_TRAYER_PID=$!
sleep 0.5
# shellcheck disable=SC1091
source "$root/desktop/env.sh"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG="${OPENWRIGHT_E2E_LANG:-en_US.UTF-8}"
# scripts/screenshots.sh drives a short tour in another language with tests/e2e/tour.py instead.
/usr/bin/python3 "${OPENWRIGHT_E2E_DRIVER:-$here/person.py}" "$root/prefix/bin/openwright" "$artifacts" \
    "$build/tests/e2e_grab" "${@:4}"
