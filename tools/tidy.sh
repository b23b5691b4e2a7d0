#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy with the checks of .clang-tidy over the project's own code: the
# program, its tests, the benchmarks and the fuzz targets. Fails on any finding.
#
#   tools/tidy.sh                 every source file
#   tools/tidy.sh src/loading     only the files whose path matches (a regular expression)
#
# Builds its compile commands and the generated form headers in build/tidy. It takes a
# few minutes on two cores, so ./test does not run it.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
build="${AEROLUME_TIDY_BUILD:-build/tidy}"

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DAEROLUME_FUZZ=ON \
    -DCMAKE_AUTOGEN_ORIGIN_DEPENDS=OFF >/dev/null
# The sources include the forms and meta-object code that the build generates, and the
# window icon's pixels; only that is built.
mapfile -t generated < <(ninja -C "$build" -t targets all | grep -o '^[A-Za-z0-9_]*_autogen:' |
    tr -d ':' | sort -u)
cmake --build "$build" --target "${generated[@]}" aerolume_icon_pixels

files="^$root/(src|app|tests|bench|fuzz)/"
if [ $# -gt 0 ]; then
    files="^$root/.*($1)"
fi
run-clang-tidy -p "$build" -j "$(nproc)" -quiet \
    -header-filter="^$root/(src|app|tests|bench|fuzz)/" "$files"
