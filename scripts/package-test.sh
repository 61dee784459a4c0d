#!/usr/bin/env bash
# Builds the Debian package and proves it on this machine, as root: it installs with its declared
# dependencies, starts (--background, a few seconds under Xvfb, in a throw-away home), and
# removes cleanly, leaving nothing behind in the system folders. CI runs it on a fresh Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $(id -u) -eq 0 ]] || { echo "run as root: it installs and removes a package"; exit 1; }
bash scripts/install-deps.sh --package
# Builds in several folders share their compiled objects.
export CCACHE_BASEDIR="$PWD"
build=${BUILD_DIR:-build-package}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DOPENWRIGHT_BUILD_TESTS=OFF -DOPENWRIGHT_BUILD_BENCH=OFF -DOPENWRIGHT_HARDEN=ON >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/openwright_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Depends Recommends
# As a distribution would take it: no lintian error or warning.
lintian --fail-on error,warning "$deb"
echo "lintian: no errors or warnings"

dpkg -i "$deb" >/dev/null 2>&1 || DEBIAN_FRONTEND=noninteractive apt-get -f install -y -qq >/dev/null
dpkg -s openwright | grep -q "install ok installed"
files=$(dpkg -L openwright | grep -v '^/\.$')
for f in /usr/bin/openwright /usr/libexec/openwright/openwright-command /usr/libexec/openwright/openwright-window \
    /usr/lib/*/openwright/openwright-read.so \
    /usr/share/applications/io.github.openwright.Openwright.desktop \
    /usr/share/metainfo/io.github.openwright.Openwright.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/io.github.openwright.Openwright.svg \
    /usr/share/icons/hicolor/48x48/apps/io.github.openwright.Openwright.png /usr/share/man/man1/openwright.1.gz \
    /usr/share/doc/openwright/copyright; do
    [[ -e $f ]] || { echo "missing after install: $f"; exit 1; }
done
desktop-file-validate /usr/share/applications/io.github.openwright.Openwright.desktop

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
status=0
env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_RUNTIME_DIR="$home/run" DBUS_SESSION_BUS_ADDRESS=disabled: QT_QPA_PLATFORM=xcb \
    bash -c 'mkdir -m 700 -p "$XDG_RUNTIME_DIR"; xvfb-run -a timeout 4 openwright --background' || status=$?
[[ $status -eq 124 ]] || { echo "openwright --background exited with $status instead of running"; exit 1; }
[[ -s "$home/.local/share/Openwright/guard.json" ]] || { echo "it did not read the defaults"; exit 1; }
echo "started: ran in the background and read every default"
# As a script calls it: a query answered by openwright itself, a change by the program beside the
# window's that holds the model.
env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_RUNTIME_DIR="$home/run" DBUS_SESSION_BUS_ADDRESS=disabled: \
    bash -c 'openwright status .pdf >/dev/null && openwright backup now >/dev/null' ||
    { echo "the installed commands failed"; exit 1; }
echo "commands: a query and a change ran"

dpkg -r openwright >/dev/null
left=()
while IFS= read -r f; do
    [[ -f $f || -L $f ]] && left+=("$f")
done <<<"$files"
if ((${#left[@]})); then
    echo "left behind: ${left[*]}"
    exit 1
fi
echo "removed: nothing left behind"
