// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <optional>

#include "AircraftProfile.h"

class QPainter;
class QPaintDevice;

namespace aerolume::aircraft {

// What the envelope graph shows: weight up, arm across.
struct GraphData {
    Envelope normal;
    Envelope utility;
    std::optional<EnvelopePoint> takeoff;
    std::optional<EnvelopePoint> landing;
    QString weightUnit;
    QString armUnit;
};

// The graph's scales inside a rectangle: the envelopes and the points with a margin
// around them, room on the left and below for the axis labels.
class GraphFrame {
public:
    GraphFrame(const QRectF& area, const GraphData& data, double labelHeight, double labelWidth);
    QPointF toPixel(EnvelopePoint p) const;
    QPolygonF polygon(const Envelope& envelope) const;
    const QRectF& plot() const { return m_plot; }
    double minArm() const { return m_minArm; }
    double maxArm() const { return m_maxArm; }
    double minWeight() const { return m_minWeight; }
    double maxWeight() const { return m_maxWeight; }

private:
    QRectF m_plot;
    double m_minArm = 0, m_maxArm = 1, m_minWeight = 0, m_maxWeight = 1;
};

// The frame the graph is drawn in for a font on a device (the painter's) and an area.
GraphFrame frameFor(const QFont& font, const QPaintDevice* device, const QRectF& area,
                    const GraphData& data);

// Draws the graph in `area` with the palette's colours (so it reads in dark and
// high-contrast schemes): the normal envelope filled and outlined in the highlight
// colour, the utility envelope dashed, the take-off point a disc and the landing point
// a square in the text colour, joined by the line the CG travels as fuel burns.
// Sizes follow the painter's font, so the same code draws on screen and on a page.
void paintEnvelopeGraph(QPainter& painter, const QRectF& area, const GraphData& data,
                        const QPalette& palette);

// The graph as a widget of any size. Its accessible description says where the points
// lie, for screen readers.
class EnvelopeGraph : public QWidget {
    Q_OBJECT

public:
    explicit EnvelopeGraph(QWidget* parent = nullptr);
    void setData(GraphData data);
    const GraphData& data() const { return m_data; }
    // Where a point of the graph is drawn in the widget.
    GraphFrame frame() const;

    QSize sizeHint() const override { return {320, 240}; }
    QSize minimumSizeHint() const override { return {160, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GraphData m_data;
};

}  // namespace aerolume::aircraft
