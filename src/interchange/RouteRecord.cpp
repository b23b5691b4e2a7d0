// SPDX-License-Identifier: GPL-3.0-or-later
#include "RouteRecord.h"

#include <algorithm>
#include <array>
#include <utility>

namespace aerolume::interchange {
namespace {

constexpr std::array<std::pair<WaypointType, std::string_view>, 5> kTypeNames{{
    {WaypointType::Airport, "AIRPORT"},
    {WaypointType::Vor, "VOR"},
    {WaypointType::Ndb, "NDB"},
    {WaypointType::Intersection, "INT"},
    {WaypointType::UserWaypoint, "USER WAYPOINT"},
}};

}  // namespace

std::string_view waypointTypeName(WaypointType type) {
    for (const auto& [known, name] : kTypeNames) {
        if (known == type) {
            return name;
        }
    }
    return "USER WAYPOINT";
}

std::optional<WaypointType> waypointTypeFromName(std::string_view name) {
    if (name == "INT-VRP") {
        return WaypointType::Intersection;
    }
    for (const auto& [type, known] : kTypeNames) {
        if (known == name) {
            return type;
        }
    }
    return std::nullopt;
}

bool isFromData(const RoutePoint& point) {
    return point.type != WaypointType::UserWaypoint && !point.identifier.empty();
}

bool isUserIdentifier(std::string_view text) {
    return !text.empty() && text.size() <= kMaxUserIdentifierLength &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); });
}

}  // namespace aerolume::interchange
