// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>

namespace aerolume {

// Holds the form at the window's size, or at the form's least size where the window is
// smaller (a large scale or font on a small screen): there it scrolls.
class FormScroller final : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // A message or a note shown needs room at once.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit();
};

}  // namespace aerolume
