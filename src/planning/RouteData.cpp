// SPDX-License-Identifier: GPL-3.0-or-later
#include "RouteData.h"

#include <cmath>

#include "PlanText.h"
#include "airports/AirportData.h"

namespace aerolume::planning {
namespace {

using interchange::WaypointType;

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

WaypointType waypointTypeOf(PlaceKind kind) {
    switch (kind) {
        case PlaceKind::Airport:
        case PlaceKind::Heliport:
        case PlaceKind::SeaplaneBase:
        case PlaceKind::Balloonport:
            return WaypointType::Airport;
        case PlaceKind::Vor:
        case PlaceKind::VorDme:
        case PlaceKind::Vortac:
        case PlaceKind::Tacan:
        case PlaceKind::Dme:
            return WaypointType::Vor;
        case PlaceKind::Ndb:
        case PlaceKind::NdbDme:
            return WaypointType::Ndb;
        case PlaceKind::Other:
            return WaypointType::Intersection;
        case PlaceKind::Typed:
        case PlaceKind::RadialDistance:
            break;
    }
    return WaypointType::UserWaypoint;
}

}  // namespace

interchange::Route routeOf(const Plan& plan) {
    interchange::Route route;
    route.name = plan.name;
    for (const Checkpoint& c : plan.checkpoints) {
        interchange::RoutePoint p;
        p.type = waypointTypeOf(c.origin.kind);
        if (p.type != WaypointType::UserWaypoint) {
            p.identifier = c.origin.identifier;
            p.countryCode = c.origin.country;
        }
        p.latitude = c.latitude;
        p.longitude = c.longitude;
        p.name = c.name;
        p.elevationFt = c.elevation;
        route.points.push_back(std::move(p));
    }
    return route;
}

DataPointLookup::DataPointLookup(const airports::AirportDatabase* database)
    : m_database(database), m_finder(database, {}) {}

std::vector<interchange::Candidate> DataPointLookup::candidates(const std::string& identifier,
                                                                WaypointType type) const {
    std::vector<interchange::Candidate> found;
    if (m_database == nullptr) {
        return found;
    }
    for (const airports::Place& place : m_database->placesNamed(q(identifier))) {
        if (place.Ident != identifier || waypointTypeOf(placeKindOf(place)) != type) {
            continue;
        }
        const auto checkpoint = m_finder.checkpointOf({place, std::nullopt, std::nullopt});
        if (!checkpoint) {
            continue;
        }
        found.push_back({place.Ident, type, place.Country, checkpoint->latitude,
                         checkpoint->longitude, checkpoint->name, checkpoint->elevation});
        m_checkpoints.push_back(*checkpoint);
    }
    return found;
}

std::optional<Checkpoint> DataPointLookup::checkpointOf(
    const interchange::Candidate& candidate) const {
    for (const Checkpoint& c : m_checkpoints) {
        if (c.origin.identifier == candidate.identifier && c.latitude == candidate.latitude &&
            c.longitude == candidate.longitude) {
            return c;
        }
    }
    return std::nullopt;
}

std::vector<Checkpoint> checkpointsOf(const interchange::Route& route,
                                      const std::vector<interchange::PointMatch>& matches,
                                      const DataPointLookup& lookup) {
    const interchange::Route applied = interchange::applyMatches(route, matches);
    std::vector<Checkpoint> checkpoints;
    for (std::size_t i = 0; i < applied.points.size(); ++i) {
        const interchange::RoutePoint& p = applied.points[i];
        if (matches[i].status == interchange::MatchStatus::Matched && matches[i].candidate) {
            if (auto data = lookup.checkpointOf(*matches[i].candidate)) {
                checkpoints.push_back(*data);
                continue;
            }
        }
        Checkpoint c;
        c.name = oneLineName(p.name.empty() ? p.identifier : p.name);
        c.latitude = p.latitude;
        c.longitude = p.longitude;
        if (p.elevationFt && kElevationRange.contains(*p.elevationFt)) {
            c.elevation = std::round(*p.elevationFt);
        }
        checkpoints.push_back(std::move(c));
    }
    return checkpoints;
}

std::vector<map::MapAirport> DataAirports::airportsIn(const map::GeoBox& box,
                                                      std::size_t limit) const {
    if (m_asked && box.south == m_box.south && box.north == m_box.north && box.west == m_box.west &&
        box.east == m_box.east && limit == m_limit) {
        return m_airports;
    }
    m_asked = true;
    m_box = box;
    m_limit = limit;
    m_airports.clear();
    const airports::AirportDatabase* db = airports::AirportData::instance().database();
    if (db == nullptr) {
        return m_airports;
    }
    for (const airports::Place& p :
         db->airportsInBox(box.south, box.west, box.north, box.east, static_cast<int>(limit))) {
        m_airports.push_back({p.Ident, p.Name, {p.Position.Latitude, p.Position.Longitude}});
    }
    return m_airports;
}

std::vector<map::MapCheckpoint> mapCheckpointsOf(const Plan& plan) {
    std::vector<map::MapCheckpoint> points;
    for (const Checkpoint& c : plan.checkpoints) {
        const bool fromData = c.origin.kind != PlaceKind::Typed &&
                              c.origin.kind != PlaceKind::RadialDistance &&
                              !c.origin.identifier.empty();
        points.push_back({q(fromData ? c.origin.identifier : c.name), {c.latitude, c.longitude}});
    }
    return points;
}

}  // namespace aerolume::planning
