// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "RouteRecord.h"

namespace aerolume::interchange {

// Matching an imported route to the airport and navaid data. The data is reached through
// PointLookup, so the matching knows nothing of how it is stored; the program hands it the
// airport database, the tests a small table.

// One place of the data that an imported point may be.
struct Candidate {
    std::string identifier;
    WaypointType type = WaypointType::Airport;
    std::string countryCode;  // as the data gives it, or empty
    double latitude = 0;      // degrees
    double longitude = 0;     // degrees
    std::string name;
    std::optional<double> elevationFt;
};

class PointLookup {
public:
    virtual ~PointLookup() = default;
    // Every place of the data with this identifier (exactly, upper-case) and type, in any
    // country; an empty list when there is none.
    virtual std::vector<Candidate> candidates(const std::string& identifier,
                                              WaypointType type) const = 0;
};

// A candidate farther than this from the file's position is another place, or the file's
// position is wrong: the point is not matched. Airport reference points of two sources
// may lie a mile or two apart; twins sharing an identifier are far more than this apart.
inline constexpr double kMatchRadiusNm = 5.0;

enum class MatchStatus {
    Matched,       // the data's place, within kMatchRadiusNm
    UserWaypoint,  // the file's own point: never looked up
    NotFound,      // no place of the data has its identifier and type
    TooFar,        // places with its identifier and type, none within kMatchRadiusNm
};

struct PointMatch {
    MatchStatus status = MatchStatus::NotFound;
    // The place taken (Matched), or the nearest one (TooFar).
    std::optional<Candidate> candidate;
    // NM from the file's position to the candidate (Matched, TooFar), else 0.
    double distanceNm = 0;
};

// For each point of the route in order: a user waypoint is left as the file gives it;
// any other is matched to the candidate of its identifier and type within kMatchRadiusNm
// of its position, one of its own country first (when both name one), then the nearest.
// Distances are great-circle on the program's sphere (one minute of arc is one NM).
std::vector<PointMatch> matchRoute(const Route& route, const PointLookup& lookup);

// The route as the navigation log should take it: a matched point carries the data's
// identifier, type, country, position, name and elevation; any other point keeps the
// file's position, identifier and name as a user waypoint (a typed checkpoint), its name
// the identifier when the file gave none. `matches` is matchRoute's result for `route`.
Route applyMatches(const Route& route, const std::vector<PointMatch>& matches);

}  // namespace aerolume::interchange
