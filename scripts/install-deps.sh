#!/usr/bin/env bash
# Installs the Debian packages that building and testing Openwright need.
# Idempotent: returns at once when everything is present. Runs as root or through sudo.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-svg-dev libqt6svg6 libglib2.0-dev libgtest-dev libsodium-dev breeze-icon-theme
    shared-mime-info desktop-file-utils appstream libglib2.0-bin dbus tzdata librsvg2-bin libicu-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    xvfb xauth xdotool x11-utils x11-xserver-utils openbox notification-daemon trayer at-spi2-core python3-pyatspi libatk-adaptor
    ansible-core
    # The programs that open files by rules of their own, which the openers' test runs for real.
    xdg-utils mailcap file kde-cli-tools libkf5service-bin
)
# Extra tools that `scripts/fuzz.sh` needs: clang with libFuzzer.
if [[ "${1:-}" == "--fuzz" ]]; then
    packages+=(clang libclang-rt-dev)
fi
# What `scripts/package-test.sh` builds the package with (debian/control's build dependencies
# come from `apt-get build-dep`) and checks it with.
if [[ "${1:-}" == "--package" ]]; then
    packages+=(dpkg-dev debhelper fakeroot lintian autopkgtest)
fi
# What the command line is measured against: GLib's `gio mime` and xdg-utils' `xdg-mime`.
if [[ "${1:-}" == "--bench" ]]; then
    packages+=(libglib2.0-bin xdg-utils)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
