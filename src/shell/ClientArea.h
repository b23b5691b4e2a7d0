// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMainWindow;

namespace aerolume {

// Sizes a window's client area (below its menu bar) to the given twips, scaled up
// evenly when the fonts need more room, so the proportions stay those of the design.
// Returns the scale applied (1 when the design size fits).
double fitClientArea(QMainWindow* window, double widthTwips, double heightTwips);

// Sizes the window again from its design size when its controls no longer fit in its
// client area (a result longer than any shown before, a message of more lines): the
// area grows, in proportion. A window that fitClientArea() never sized grows by what its
// controls lack. Does nothing for a window whose controls fit.
void refitClientArea(QMainWindow* window);

}  // namespace aerolume
