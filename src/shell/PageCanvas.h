// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Printed pages, laid out in points and painted on any device.
// A printout (the navigation log, the loading form) is laid out once, the same for
// every device: its texts are measured at their printed size in points (PageMetrics),
// and each page is a PageCanvas, a list of drawing operations in points from the top
// left of the printable area. Painting a page on a PDF writer, a printer or a widget
// replays those operations with the painter's coordinates in points: paintPages()
// scales the painter of a paged device to points, and PageCanvas::paint() sets each
// font so that the device's own resolution does not scale it a second time. Pages,
// font sizes and write-in boxes are therefore the same on paper, in a PDF and on screen.

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace aerolume {

// A font of a printout: the program's print family at a size in points.
struct PageFont {
    double points = 9;
    bool bold = false;
};

// The QFont to set on a painter of `device` whose coordinates are points.
QFont deviceFont(const PageFont& font, const QPaintDevice* device);

// Text sizes at the printed size, in points, the same on every device (measured at ten
// times the size without hinting, so no device's rounding shows).
class PageMetrics {
public:
    double width(const PageFont& font, const QString& text) const;
    double lineHeight(const PageFont& font) const;  // from one line's top to the next's
    // The text cut with an ellipsis to fit `width`.
    QString elided(const PageFont& font, const QString& text, double width) const;
    // The height of the text broken into lines of at most `width` at word boundaries.
    double wrappedHeight(const PageFont& font, const QString& text, double width) const;
};

// One page's drawing, in points.
class PageCanvas {
public:
    using Picture = std::function<void(QPainter&, const QRectF&)>;

    // `flags` are Qt::AlignmentFlag and Qt::TextFlag values, as QPainter::drawText takes.
    void text(const QRectF& rect, const PageFont& font, int flags, const QString& text);
    void box(const QRectF& rect, double pen = 0.5);
    void fill(const QRectF& rect, const QColor& colour);
    void line(const QLineF& line, double pen = 0.5);
    // A picture painted by `paint` in `rect` (points) when the page is painted.
    void picture(const QRectF& rect, Picture paint);

    // Paints the page on a painter whose coordinates are points.
    void paint(QPainter& painter) const;

private:
    struct Text {
        QRectF rect;
        PageFont font;
        int flags;
        QString text;
    };
    struct Fill {
        QRectF rect;
        QColor colour;
    };
    struct Line {
        QLineF line;
        double pen;
    };
    struct Box {
        QRectF rect;
        double pen;
    };
    struct Drawing {
        QRectF rect;
        Picture paint;
    };
    std::vector<Fill> m_fills;
    std::vector<Box> m_boxes;
    std::vector<Line> m_lines;
    std::vector<Text> m_texts;
    std::vector<Drawing> m_pictures;
};

// The size of the device's printable area in points.
QSizeF printableSize(const QPagedPaintDevice& device);

// Paints `count` pages on a paged device (a PDF writer, a printer), a new page between
// each, with `paintPage` given a painter in points and the page's index; false when
// the painter could not start on the device.
bool paintPages(QPagedPaintDevice& device, int count,
                const std::function<void(QPainter&, int)>& paintPage);

}  // namespace aerolume
