// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QWidget>
#include <vector>

#include "map/MapGeometry.h"
#include "map/MapRenderer.h"

namespace aerolume::map {

class NearbyAirports;
class WorldMap;

// The program's own map of the world (data/map/), read once from the program's
// resources; null, with the reason in `error`, when it cannot be read.
const WorldMap* builtInWorldMap(QString* error = nullptr);

// The route on a map the pilot can move: the wheel, + and - zoom (about the pointer, or
// the middle for keys), dragging and the arrow keys pan, Home (or a double click) fits the
// route again. Until the pilot zooms or pans, every new route given is fitted; after,
// the view stays where the pilot put it.
class MapWidget : public QWidget {
    Q_OBJECT

public:
    explicit MapWidget(QWidget* parent = nullptr);

    // The route to draw, checkpoints in flight order.
    void setRoute(std::vector<MapCheckpoint> checkpoints);
    const std::vector<MapCheckpoint>& route() const { return m_content.checkpoints; }
    // The airports to show near the route; null for none. Not owned.
    void setAirports(const NearbyAirports* airports);
    // The map of the world under the route; by default the program's own.
    void setWorldMap(const WorldMap* world);

    const MapView& view() const { return m_view; }
    // True while the view is the route fitted (no zoom or pan since).
    bool isFitted() const { return m_fitted; }
    void fitRoute();
    void zoomBy(double factor);
    void panBy(const QPoint& pixels);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void describe();

    MapContent m_content;
    MapView m_view;
    bool m_fitted = true;
    bool m_dragging = false;
    QPoint m_dragFrom;
};

}  // namespace aerolume::map
