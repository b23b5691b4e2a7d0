#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's icon (src/shell/art/icon.svg, its own drawing) into the PNG
# sizes of the desktop's icon theme, packaging/icons/NxN.png. The PNGs are committed,
# so installing needs no renderer; run this after changing the drawing and commit them.
#
# Needs rsvg-convert (Debian: librsvg2-bin).
set -eu

here="$(cd "$(dirname "$0")" && pwd)"
source_svg="$here/../src/shell/art/icon.svg"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "render-icons.sh: needs rsvg-convert (Debian package librsvg2-bin)" >&2
    exit 1
fi

for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "$here/icons/${size}x${size}.png" \
        "$source_svg"
done
echo "rendered into $here/icons"
