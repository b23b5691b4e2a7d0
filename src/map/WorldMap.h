// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "MapGeometry.h"

namespace aerolume::map {

// The coastlines and country borders under the route, read from the program's compact
// map file (data/map/README.md describes its layout and where it comes from). No toolkit:
// the bytes come from wherever the program keeps them.

struct MapShape {
    std::vector<Vec3> points;
    Cap cap;
};

// A ring of the land (an outer coast or a lake's or inland sea's shore), with its
// positions for telling land from water.
struct LandRing {
    MapShape shape;
    std::vector<GeoPoint> positions;
    GeoBox box;  // never across 180°: the data's rings are cut there
};

class WorldMap {
public:
    // The map in a file's bytes, or a message saying what is wrong (not a map file, a
    // newer version, a layer or a line cut short, a position out of range).
    static std::variant<WorldMap, std::string> read(std::string_view bytes);

    // Where the map comes from and its licence, to be shown with it.
    const std::string& attribution() const { return m_attribution; }
    // Filled even-odd, the rings are the land.
    const std::vector<LandRing>& land() const { return m_land; }
    // The land's rings as lines, without the cuts of the data along 180° and the pole.
    const std::vector<MapShape>& coastlines() const { return m_coastlines; }
    const std::vector<MapShape>& borders() const { return m_borders; }
    // Even-odd over the land's rings, on latitude and longitude.
    bool isLand(const GeoPoint& point) const;

private:
    std::string m_attribution;
    std::vector<LandRing> m_land;
    std::vector<MapShape> m_coastlines;
    std::vector<MapShape> m_borders;
};

// The graticule a view shows: meridians and parallels every 0.25° to 30° (about four to
// eight across the view), within the view's box, as lines of points.
std::vector<std::vector<Vec3>> graticule(const MapView& view);

}  // namespace aerolume::map
