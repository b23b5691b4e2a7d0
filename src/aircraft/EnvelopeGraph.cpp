// SPDX-License-Identifier: GPL-3.0-or-later
#include "EnvelopeGraph.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "common/FormatMask.h"

namespace aerolume::aircraft {
namespace {

// A round step giving about `count` ticks over `span`: 1, 2 or 5 times a power of ten.
double tickStep(double span, int count) {
    const double raw = span / std::max(count, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double f : {1.0, 2.0, 5.0}) {
        if (f * power >= raw) {
            return f * power;
        }
    }
    return 10 * power;
}

int decimalsFor(double step) {
    return step >= 1 ? 0 : std::min(6, static_cast<int>(std::ceil(-std::log10(step))));
}

QString number(double value, int decimals) {
    return QString::fromStdString(formatFixed(value, decimals));
}

}  // namespace

GraphFrame::GraphFrame(const QRectF& area, const GraphData& data, double labelHeight,
                       double labelWidth) {
    bool any = false;
    const auto take = [&](EnvelopePoint p) {
        if (!std::isfinite(p.arm) || !std::isfinite(p.weight)) {
            return;
        }
        if (!any) {
            m_minArm = m_maxArm = p.arm;
            m_minWeight = m_maxWeight = p.weight;
            any = true;
        }
        m_minArm = std::min(m_minArm, p.arm);
        m_maxArm = std::max(m_maxArm, p.arm);
        m_minWeight = std::min(m_minWeight, p.weight);
        m_maxWeight = std::max(m_maxWeight, p.weight);
    };
    for (const auto* e : {&data.normal, &data.utility}) {
        for (const EnvelopePoint& p : *e) {
            take(p);
        }
    }
    for (const auto& p : {data.takeoff, data.landing}) {
        if (p) {
            take(*p);
        }
    }
    const double armPad = std::max((m_maxArm - m_minArm) * 0.08, 1e-3);
    const double weightPad = std::max((m_maxWeight - m_minWeight) * 0.08, 1e-3);
    m_minArm -= armPad;
    m_maxArm += armPad;
    m_minWeight -= weightPad;
    m_maxWeight += weightPad;
    // Above the plot a line for the weight axis's title and half a line clear of the
    // frame; below it the arm labels and the arm axis's title.
    m_plot = area.adjusted(labelWidth, labelHeight * 1.5, -labelHeight, -labelHeight * 2.5);
    if (m_plot.width() < 1 || m_plot.height() < 1) {
        m_plot = area;
    }
}

QPointF GraphFrame::toPixel(EnvelopePoint p) const {
    const double x = (p.arm - m_minArm) / (m_maxArm - m_minArm);
    const double y = (p.weight - m_minWeight) / (m_maxWeight - m_minWeight);
    return {m_plot.left() + x * m_plot.width(), m_plot.bottom() - y * m_plot.height()};
}

QPolygonF GraphFrame::polygon(const Envelope& envelope) const {
    QPolygonF polygon;
    for (const EnvelopePoint& p : envelope) {
        polygon << toPixel(p);
    }
    return polygon;
}

GraphFrame frameFor(const QFont& font, const QPaintDevice* device, const QRectF& area,
                    const GraphData& data) {
    const QFontMetricsF metrics(font, device);
    // Room on the left for a weight label and a little more.
    return GraphFrame(area, data, metrics.height(),
                      metrics.horizontalAdvance(QStringLiteral("00000.0")) + metrics.height());
}

void paintEnvelopeGraph(QPainter& painter, const QRectF& area, const GraphData& data,
                        const QPalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(area, palette.color(QPalette::Base));
    const QColor ink = palette.color(QPalette::Text);
    const QColor highlight = palette.color(QPalette::Highlight);
    if (data.normal.empty() && !data.takeoff && !data.landing) {
        // No aircraft: no scales to draw, and no unit to name.
        painter.setPen(ink);
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, QObject::tr("No envelope yet"));
        painter.restore();
        return;
    }
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double unit = metrics.height();  // every size follows the font
    const GraphFrame frame = frameFor(painter.font(), painter.device(), area, data);
    const QRectF plot = frame.plot();

    // Axes, ticks and their labels.
    painter.setPen(QPen(ink, std::max(1.0, unit / 16)));
    painter.drawRect(plot);
    const double armStep =
        tickStep(frame.maxArm() - frame.minArm(), std::max(2, int(plot.width() / (unit * 5))));
    const double weightStep = tickStep(frame.maxWeight() - frame.minWeight(),
                                       std::max(2, int(plot.height() / (unit * 2.5))));
    QColor grid = ink;
    grid.setAlphaF(0.25);
    for (double a = std::ceil(frame.minArm() / armStep) * armStep; a <= frame.maxArm();
         a += armStep) {
        const double x = frame.toPixel({frame.minWeight(), a}).x();
        painter.setPen(QPen(grid, std::max(1.0, unit / 20), Qt::DotLine));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(ink);
        const QString text = number(a, decimalsFor(armStep));
        painter.drawText(QRectF(x - unit * 3, plot.bottom() + unit * 0.2, unit * 6, unit),
                         Qt::AlignHCenter | Qt::AlignTop, text);
    }
    for (double w = std::ceil(frame.minWeight() / weightStep) * weightStep; w <= frame.maxWeight();
         w += weightStep) {
        const double y = frame.toPixel({w, frame.minArm()}).y();
        painter.setPen(QPen(grid, std::max(1.0, unit / 20), Qt::DotLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(ink);
        painter.drawText(
            QRectF(area.left(), y - unit / 2, plot.left() - area.left() - unit * 0.3, unit),
            Qt::AlignRight | Qt::AlignVCenter, number(w, decimalsFor(weightStep)));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + unit * 1.3, plot.width(), unit),
                     Qt::AlignHCenter | Qt::AlignTop, QObject::tr("CG (%1)").arg(data.armUnit));
    painter.drawText(QRectF(area.left(), area.top(), plot.left() - area.left() + unit * 4, unit),
                     Qt::AlignLeft | Qt::AlignTop, QObject::tr("Weight (%1)").arg(data.weightUnit));

    // The envelopes.
    painter.setClipRect(plot);
    if (data.normal.size() >= 2) {
        QColor fill = highlight;
        fill.setAlphaF(0.2);
        painter.setBrush(fill);
        painter.setPen(QPen(highlight, std::max(2.0, unit / 8)));
        painter.drawPolygon(frame.polygon(data.normal));
    }
    if (data.utility.size() >= 2) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(highlight, std::max(1.5, unit / 10), Qt::DashLine));
        painter.drawPolygon(frame.polygon(data.utility));
    }

    // The take-off and landing points and the line the CG travels between them.
    const double mark = unit * 0.35;
    painter.setPen(QPen(ink, std::max(1.5, unit / 10)));
    if (data.takeoff && data.landing) {
        painter.drawLine(frame.toPixel(*data.takeoff), frame.toPixel(*data.landing));
    }
    painter.setBrush(ink);
    if (data.landing) {
        const QPointF at = frame.toPixel(*data.landing);
        painter.drawRect(QRectF(at.x() - mark, at.y() - mark, 2 * mark, 2 * mark));
    }
    if (data.takeoff) {
        painter.drawEllipse(frame.toPixel(*data.takeoff), mark * 1.15, mark * 1.15);
    }
    painter.setClipping(false);

    // The key.
    if (data.takeoff || data.landing) {
        painter.setBrush(ink);
        const double y = plot.top() + unit * 0.7;
        double x = plot.left() + unit * 0.6;
        painter.drawEllipse(QPointF(x, y), mark, mark);
        painter.drawText(QPointF(x + unit * 0.6, y + metrics.ascent() / 2.5),
                         QObject::tr("Take-off"));
        x += unit * 0.6 + metrics.horizontalAdvance(QObject::tr("Take-off")) + unit;
        painter.drawRect(QRectF(x - mark, y - mark, 2 * mark, 2 * mark));
        painter.drawText(QPointF(x + unit * 0.6, y + metrics.ascent() / 2.5),
                         QObject::tr("Landing"));
    }
    painter.restore();
}

EnvelopeGraph::EnvelopeGraph(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(tr("Envelope graph"));
}

void EnvelopeGraph::setData(GraphData data) {
    m_data = std::move(data);
    update();
}

GraphFrame EnvelopeGraph::frame() const {
    return frameFor(font(), this, QRectF(rect()), m_data);
}

void EnvelopeGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintEnvelopeGraph(painter, QRectF(rect()), m_data, palette());
}

}  // namespace aerolume::aircraft
