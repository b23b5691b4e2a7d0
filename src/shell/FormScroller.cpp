// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormScroller.h"

#include <QEvent>
#include <QLayout>
#include <QScrollBar>
#include <algorithm>

namespace aerolume {

void FormScroller::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    fit();
}

bool FormScroller::eventFilter(QObject* watched, QEvent* event) {
    const bool handled = QScrollArea::eventFilter(watched, event);
    if (watched == widget() && event->type() == QEvent::LayoutRequest) {
        fit();
    }
    return handled;
}

void FormScroller::fit() {
    QWidget* form = widget();
    QSize room = maximumViewportSize();
    QSize least = form->minimumSizeHint().expandedTo(form->minimumSize());
    // Wrapped notes need the more height the narrower the form.
    auto leastHeight = [&] {
        least.setHeight(std::max(least.height(), form->layout()->totalMinimumHeightForWidth(
                                                     std::max(room.width(), least.width()))));
    };
    leastHeight();
    if (least.height() > room.height()) {
        room.rwidth() -= verticalScrollBar()->sizeHint().width();
        leastHeight();
    }
    if (least.width() > room.width()) {
        room.rheight() -= horizontalScrollBar()->sizeHint().height();
    }
    form->resize(room.expandedTo(least));
}

}  // namespace aerolume
