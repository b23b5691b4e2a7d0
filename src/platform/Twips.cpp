// SPDX-License-Identifier: GPL-3.0-or-later
#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace aerolume::platform {

int twipsToPixels(double twips, const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

}  // namespace aerolume::platform
