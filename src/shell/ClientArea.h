#pragma once

class QMainWindow;

namespace aerolume {

// Sizes a window's client area (below its menu bar) to the given twips, scaled up
// evenly when the fonts need more room, so the proportions stay those of the design.
// Returns the scale applied (1 when the design size fits).
double fitClientArea(QMainWindow* window, double widthTwips, double heightTwips);

}  // namespace aerolume
