// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace aerolume::platform {

// Converts a size in twips (1/1440 inch) to device-independent pixels through the
// logical DPI of the widget's screen (the primary screen when there is no widget).
int twipsToPixels(double twips, const QWidget* widget = nullptr);

}  // namespace aerolume::platform
