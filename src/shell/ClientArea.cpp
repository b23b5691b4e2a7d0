// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClientArea.h"

#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <algorithm>
#include <cmath>

#include "platform/Twips.h"

namespace aerolume {

namespace {

// The design size a window was fitted to, kept on the window for refitClientArea().
constexpr char kDesignTwips[] = "aerolumeClientAreaTwips";

// The room the client area's controls need at `width`: their minimum size, and the height
// that wrapped text (a long message) takes at that width.
QSize neededAt(QWidget* client, int width) {
    QSize needed = client->minimumSizeHint();
    if (client->hasHeightForWidth()) {
        needed.setHeight(std::max(needed.height(), client->heightForWidth(width)));
    }
    return needed;
}

}  // namespace

double fitClientArea(QMainWindow* window, double widthTwips, double heightTwips) {
    window->setProperty(kDesignTwips, QSizeF(widthTwips, heightTwips));
    QWidget* client = window->centralWidget();
    const double width = platform::twipsToPixels(widthTwips, window);
    const double height = platform::twipsToPixels(heightTwips, window);
    const QSize needed = neededAt(client, static_cast<int>(width));
    const double scale = std::max({1.0, needed.width() / width, needed.height() / height});
    const int menuHeight =
        window->menuBar() != nullptr ? window->menuBar()->sizeHint().height() : 0;
    window->resize(static_cast<int>(std::ceil(width * scale)),
                   static_cast<int>(std::ceil(height * scale)) + menuHeight);
    return scale;
}

void refitClientArea(QMainWindow* window) {
    QWidget* client = window->centralWidget();
    if (client == nullptr) {
        return;
    }
    const QSize needed = neededAt(client, client->width());
    if (client->width() >= needed.width() && client->height() >= needed.height()) {
        return;
    }
    const QVariant design = window->property(kDesignTwips);
    if (!design.isValid()) {
        // A window sized by its layout (a document window) grows by what it lacks.
        window->resize(window->size() + (needed - client->size()).expandedTo(QSize(0, 0)));
        return;
    }
    const QSizeF twips = design.toSizeF();
    fitClientArea(window, twips.width(), twips.height());
}

}  // namespace aerolume
