#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's artwork (src/shell/art/*.svg) to the PNG files that the build
# embeds as Qt resources. The PNGs are committed, so building needs no renderer; run this
# after changing a drawing and commit both.
#
# Needs rsvg-convert (Debian: librsvg2-bin) or, failing that, ImageMagick's convert. The
# product picture is reduced to a 256-colour palette when ImageMagick is there.
set -eu

art="$(cd "$(dirname "$0")/../src/shell/art" && pwd)"

if command -v rsvg-convert >/dev/null 2>&1; then
    render() { rsvg-convert --width "$3" --height "$4" --output "$art/$2" "$art/$1"; }
elif command -v convert >/dev/null 2>&1; then
    render() { convert -background none "$art/$1" -resize "$3x$4!" "PNG32:$art/$2"; }
else
    echo "render-art.sh: needs rsvg-convert (librsvg2-bin) or ImageMagick" >&2
    exit 1
fi

render icon.svg icon-32.png 32 32
render icon.svg icon-64.png 64 64
render product.svg product.png 402 196
render beacon-off.svg beacon-off.png 32 32
render beacon-on.svg beacon-on.png 32 32

if command -v convert >/dev/null 2>&1; then
    convert "$art/product.png" -strip -colors 256 "PNG8:$art/product.png"
fi
echo "rendered into $art"
