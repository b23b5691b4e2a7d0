// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plan as the route files and the route map see it, and the airport and navaid data as
// they look it up; the navigation log's route menus and map pane (NavLogRoute.cpp) use them.
#include <optional>
#include <string>
#include <vector>

#include "CheckpointLookup.h"
#include "PlanCore.h"
#include "interchange/RouteMatching.h"
#include "map/MapRenderer.h"
#include "map/NearbyAirports.h"

namespace aerolume::airports {
class AirportDatabase;
}

namespace aerolume::planning {

// The plan's checkpoints as the route files carry them: a place of the data keeps its
// identifier, type and country; a typed position or a fix is a user waypoint.
interchange::Route routeOf(const Plan& plan);

// The checkpoints as the map labels them: a place of the data by its identifier.
std::vector<map::MapCheckpoint> mapCheckpointsOf(const Plan& plan);

// The airport and navaid data as the matching sees it. Each candidate's checkpoint, as
// the table's own look-up makes it (name, kind, country, field elevation), is kept for
// the points matched to it.
class DataPointLookup final : public interchange::PointLookup {
public:
    explicit DataPointLookup(const airports::AirportDatabase* database);
    std::vector<interchange::Candidate> candidates(const std::string& identifier,
                                                   interchange::WaypointType type) const override;
    // The checkpoint of a candidate given before.
    std::optional<Checkpoint> checkpointOf(const interchange::Candidate& candidate) const;

private:
    const airports::AirportDatabase* m_database;
    CheckpointFinder m_finder;
    mutable std::vector<Checkpoint> m_checkpoints;
};

// The checkpoints of an imported route: matched points as the data gives them, any
// other as a position typed, with the file's name and elevation.
std::vector<Checkpoint> checkpointsOf(const interchange::Route& route,
                                      const std::vector<interchange::PointMatch>& matches,
                                      const DataPointLookup& lookup);

// The airports of the data in the box the map draws; the last answer is kept, as the
// map asks again for every repaint.
class DataAirports final : public map::NearbyAirports {
public:
    std::vector<map::MapAirport> airportsIn(const map::GeoBox& box,
                                            std::size_t limit) const override;

private:
    mutable bool m_asked = false;
    mutable map::GeoBox m_box;
    mutable std::size_t m_limit = 0;
    mutable std::vector<map::MapAirport> m_airports;
};

}  // namespace aerolume::planning
