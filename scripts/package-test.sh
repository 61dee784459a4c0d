#!/usr/bin/env bash
# Builds the Debian packages as the distribution does (debian/, dpkg-buildpackage) and proves them
# on this machine, as root: lintian finds nothing in the source or the binaries that is not
# overridden with its reason, the autopkgtests (debian/tests) pass against the installed package,
# it installs with its declared dependencies, starts (--background, a few seconds under Xvfb, in
# a throw-away home), and purges cleanly, leaving nothing behind in the system folders. CI runs it
# on a fresh Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $(id -u) -eq 0 ]] || { echo "run as root: it installs and removes a package"; exit 1; }
bash scripts/install-deps.sh --package
# The build dependencies debian/control names, as a packager installs them.
DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq ./ >/dev/null

# The source as it is now (committed or not, untracked files included, ignored ones not), in a
# folder of its own: dpkg-buildpackage writes the packages beside it, in $build.
build=$(realpath -m "${BUILD_DIR:-build-package}")
source="$build/openwright"
rm -rf "$build"
mkdir -p "$source"
git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [[ -e $f || -L $f ]] && printf '%s\0' "$f"; done |
    tar --null -T - -cf - | tar -C "$source" -xf -
# debhelper gives the build a home of its own: the compiler cache stays the caller's. Builds of
# the same folder share their compiled objects. Without a base folder: ccache would rewrite the
# paths the compiler sees, and the debugging information (so the build IDs) would differ from a
# build without it.
export CCACHE_DIR="${CCACHE_DIR:-$(ccache -k cache_dir 2>/dev/null || echo "$HOME/.cache/ccache")}"
unset CCACHE_BASEDIR
# Without it debhelper builds with one job.
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-parallel=$(nproc)}"
start=$SECONDS
(cd "$source" && dpkg-buildpackage -us -uc >"$build/build.log" 2>&1) || { tail -n 50 "$build/build.log"; exit 1; }
echo "built in $((SECONDS - start)) s: $(cd "$build" && echo *.dsc *.deb)"
deb=$(ls "$build"/openwright_*.deb)
dpkg-deb --field "$deb" Depends Recommends

# As a distribution takes it: every tag lintian finds, down to the pedantic ones, is fixed or
# overridden with its reason (debian/*lintian-overrides).
lintian --pedantic -I --display-info --fail-on error,warning,info,pedantic "$build"/openwright_*.changes
echo "lintian: nothing that is not overridden, in the source and the binaries"

# The package's own tests (debian/tests) against the installed package; autopkgtest installs it.
autopkgtest --no-built-binaries "$build"/openwright_*.deb "$source" -- null >"$build/autopkgtest.log" 2>&1 ||
    { tail -n 40 "$build/autopkgtest.log"; echo "autopkgtest failed"; exit 1; }
sed -n '/@@@ summary/,$p' "$build/autopkgtest.log" | grep -E '^(command-line|window) '

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
dpkg -s openwright | grep -q "install ok installed"
files=$(dpkg -L openwright | grep -v '^/\.$')
for f in /usr/bin/openwright /usr/libexec/openwright/openwright-command /usr/libexec/openwright/openwright-window \
    /usr/lib/*/openwright/openwright-read.so \
    /usr/share/applications/io.github.openwright.Openwright.desktop \
    /usr/share/metainfo/io.github.openwright.Openwright.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/io.github.openwright.Openwright.svg \
    /usr/share/icons/hicolor/48x48/apps/io.github.openwright.Openwright.png /usr/share/man/man1/openwright.1.gz \
    /usr/share/doc/openwright/copyright /usr/share/doc/openwright/changelog.gz; do
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

dpkg --purge openwright >/dev/null
left=()
while IFS= read -r f; do
    [[ -e $f || -L $f ]] && [[ ! -d $f ]] && left+=("$f")
done <<<"$files"
if ((${#left[@]})); then
    echo "left behind: ${left[*]}"
    exit 1
fi
echo "purged: nothing left behind"
