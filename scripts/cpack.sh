#!/usr/bin/env bash
# Builds the .deb through CMake's own packager (CPack), reproducibly: the build (what rcc embeds)
# and the package (its file times) carry the date of the release in debian/changelog, so two
# builds of one commit in one folder give the same bytes. Distributions build through debian/
# instead (scripts/package-test.sh).
#   scripts/cpack.sh [BUILD_DIR]   (default build-cpack; the .deb lands there)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-cpack}
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -STimestamp)}
export SOURCE_DATE_EPOCH
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DOPENWRIGHT_BUILD_TESTS=OFF -DOPENWRIGHT_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/openwright_*.deb
