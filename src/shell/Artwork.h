// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace aerolume::art {

// The program's own pictures, embedded in the program (drawn in src/shell/art/*.svg,
// rendered by tools/render-art.sh); the window icon as pixels ready to show, which the
// build writes from its renderings, the others as PNG resources.

// The window icon every calculator window and the About window show (32 x 32, with a
// 64 x 64 rendering for larger uses).
QIcon programIcon();
// The About window's product picture, 402 x 196.
QPixmap productPicture();
// The credits window's two icons, 32 x 32 each: the aircraft with its beacon dark
// (shown most of the time) and lit (the blink); the lit one is also its window icon.
QPixmap beaconDark();
QPixmap beaconLit();

}  // namespace aerolume::art
