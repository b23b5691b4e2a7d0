// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <QRectF>
#include <QString>
#include <vector>

#include "map/MapGeometry.h"

class QPainter;

namespace aerolume::map {

class NearbyAirports;
class WorldMap;

// Draws the route map with QPainter on any paint device, so the window, a picture and a
// printed page share one drawing: water, land, coastlines and borders, a graticule, the
// airports near the route, the legs as rhumb lines, the checkpoints with their names, a
// scale bar, a north arrow and the map's source. Line widths and text scale with the
// device's resolution (a pixel at 96 dots per inch), so a page at 1200 dpi looks as the
// screen does.

struct MapCheckpoint {
    QString name;
    GeoPoint position;
};

// The colours of the drawing. From the palette for the screen, so dark and high-contrast
// schemes read; for paper, dark ink on white.
struct MapStyle {
    QColor water;
    QColor land;
    QColor coast;
    QColor border;
    QColor graticule;
    QColor airport;
    QColor route;
    QColor halo;   // round the route, checkpoints and labels, to lift them off the map
    QColor label;  // checkpoints and their names

    static MapStyle fromPalette(const QPalette& palette);
    static MapStyle paper();
};

struct MapContent {
    const WorldMap* world = nullptr;           // none: water only
    const NearbyAirports* airports = nullptr;  // none: no airports drawn
    std::vector<MapCheckpoint> checkpoints;
};

// How finely legs are sampled as rhumb lines: no piece longer than this on the drawing.
inline constexpr double kLegStepPx = 24;

// Draws `content` as `view` shows it into `area` of the painter's device; `view`'s width
// and height are the area's, in device pixels. The painter's state is left as it was.
void drawMap(QPainter& painter, const QRectF& area, const MapView& view, const MapContent& content,
             const MapStyle& style);

// The view that fits the checkpoints' legs into an area of the given size (device
// pixels), with a margin for the names, at the device's resolution.
MapView fitCheckpoints(const std::vector<MapCheckpoint>& checkpoints, double width, double height,
                       double dotsPerInch = 96);

}  // namespace aerolume::map
