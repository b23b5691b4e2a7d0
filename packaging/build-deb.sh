#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Aerolume from the sources as they are (a fresh clone
# will do): a Release build of the program and its print and airport modules, installed
# under /usr by CPack into build/deb/aerolume_<version>_amd64.deb. Its dependencies are
# the shared libraries the program and the modules link (found by dpkg-shlibdeps). Debian's own
# checker, lintian, then reviews the package; the build fails when it reports any error
# or warning.
#
#   packaging/build-deb.sh [build folder]
#
# Install it with:  sudo apt install ./build/deb/aerolume_*_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" dpkg-dev file lintian

build="${1:-build/deb}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DAEROLUME_BUILD_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
# The program's target builds its modules and documents too.
cmake --build "$build" --target aerolume
rm -f "$build"/aerolume_*_amd64.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/aerolume_*_amd64.deb)
echo "$deb"
dpkg-deb --contents "$deb" | awk '{print $6}' | grep -E 'bin/aerolume$|aerolume-(print|airports)\.so$'
echo "lintian $deb:"
lintian --fail-on error,warning "$deb"
echo "lintian: no error, no warning"
