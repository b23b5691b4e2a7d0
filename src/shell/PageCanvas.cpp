// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageCanvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace aerolume {
namespace {

// Texts are measured at this many times their size, on a device of 72 dots per inch
// (one dot a point), and the answer divided back.
constexpr double kMeasureScale = 10;

QFont printFont(const PageFont& font, double points) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setBold(font.bold);
    f.setPointSizeF(points);
    return f;
}

// A device of 72 dots per inch to measure on.
const QImage& measuringDevice() {
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        i.setDotsPerMeterX(static_cast<int>(std::lround(72 / 0.0254)));
        i.setDotsPerMeterY(static_cast<int>(std::lround(72 / 0.0254)));
        return i;
    }();
    return image;
}

QFontMetricsF metricsFor(const PageFont& font) {
    return QFontMetricsF(printFont(font, font.points * kMeasureScale), &measuringDevice());
}

}  // namespace

QFont deviceFont(const PageFont& font, const QPaintDevice* device) {
    return printFont(font, font.points * 72.0 / device->logicalDpiY());
}

double PageMetrics::width(const PageFont& font, const QString& text) const {
    return metricsFor(font).horizontalAdvance(text) / kMeasureScale;
}

double PageMetrics::lineHeight(const PageFont& font) const {
    return metricsFor(font).lineSpacing() / kMeasureScale;
}

QString PageMetrics::elided(const PageFont& font, const QString& text, double width) const {
    return metricsFor(font).elidedText(text, Qt::ElideRight, width * kMeasureScale);
}

double PageMetrics::wrappedHeight(const PageFont& font, const QString& text, double width) const {
    const QRectF box = metricsFor(font).boundingRect(QRectF(0, 0, width * kMeasureScale, 1e9),
                                                     Qt::TextWordWrap, text);
    return box.height() / kMeasureScale;
}

void PageCanvas::text(const QRectF& rect, const PageFont& font, int flags, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    m_texts.push_back({rect, font, flags, text});
}

void PageCanvas::box(const QRectF& rect, double pen) {
    m_boxes.push_back({rect, pen});
}

void PageCanvas::fill(const QRectF& rect, const QColor& colour) {
    m_fills.push_back({rect, colour});
}

void PageCanvas::line(const QLineF& line, double pen) {
    m_lines.push_back({line, pen});
}

void PageCanvas::picture(const QRectF& rect, Picture paint) {
    m_pictures.push_back({rect, std::move(paint)});
}

void PageCanvas::paint(QPainter& painter) const {
    painter.save();
    for (const Fill& f : m_fills) {
        painter.fillRect(f.rect, f.colour);
    }
    painter.setBrush(Qt::NoBrush);
    for (const Box& b : m_boxes) {
        painter.setPen(QPen(Qt::black, b.pen));
        painter.drawRect(b.rect);
    }
    for (const Line& l : m_lines) {
        painter.setPen(QPen(Qt::black, l.pen));
        painter.drawLine(l.line);
    }
    // Texts are laid out at ten times their size, as they were measured: a font
    // engine that rounds sizes to whole pixels then leaves the widths as measured.
    painter.setPen(Qt::black);
    painter.scale(1 / kMeasureScale, 1 / kMeasureScale);
    for (const Text& t : m_texts) {
        const PageFont large{t.font.points * kMeasureScale, t.font.bold};
        painter.setFont(deviceFont(large, painter.device()));
        const QRectF& r = t.rect;
        painter.drawText(QRectF(r.x() * kMeasureScale, r.y() * kMeasureScale,
                                r.width() * kMeasureScale, r.height() * kMeasureScale),
                         t.flags, t.text);
    }
    painter.scale(kMeasureScale, kMeasureScale);
    for (const Drawing& d : m_pictures) {
        painter.save();
        d.paint(painter, d.rect);
        painter.restore();
    }
    painter.restore();
}

QSizeF printableSize(const QPagedPaintDevice& device) {
    return device.pageLayout().paintRect(QPageLayout::Point).size();
}

bool paintPages(QPagedPaintDevice& device, int count,
                const std::function<void(QPainter&, int)>& paintPage) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.scale(device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0);
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            device.newPage();
        }
        paintPage(painter, i);
    }
    painter.end();
    return true;
}

}  // namespace aerolume
