// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "MapGeometry.h"

namespace aerolume::map {

// The airports the map shows near the route, from wherever the program keeps them; the
// map asks for those in the box it draws.

struct MapAirport {
    std::string identifier;  // "EGTK"
    std::string name;        // "Oxford"
    GeoPoint position;
};

class NearbyAirports {
public:
    virtual ~NearbyAirports() = default;
    // The airports inside `box` (which may lie across 180°), at most `limit` of them,
    // the most important first when there are more.
    virtual std::vector<MapAirport> airportsIn(const GeoBox& box, std::size_t limit) const = 0;
};

}  // namespace aerolume::map
