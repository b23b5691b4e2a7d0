// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aerolume::interchange {

// A route as the interchange files carry it, the same for every format: points in flight
// order, each with what a panel GPS unit knows of a waypoint. The navigation log turns its
// checkpoints into this record to export them and takes it back on import.
//
// Positions are decimal degrees, north and east positive; elevations are feet.

// The kinds of waypoint the files name. An intersection is any named fix that is neither
// an airport nor a navaid (a reporting point, an airway intersection).
enum class WaypointType { Airport, Vor, Ndb, Intersection, UserWaypoint };

struct RoutePoint {
    // The identifier as the data or the file gives it ("EGTK", "CPT"); upper-case letters
    // and digits. A user waypoint may have none until it is exported.
    std::string identifier;
    WaypointType type = WaypointType::UserWaypoint;
    // The two-letter country or region code of the data's identifier, or empty.
    std::string countryCode;
    double latitude = 0;   // degrees, -90 to 90
    double longitude = 0;  // degrees, -180 to 180
    // The checkpoint's name as the pilot sees it (UTF-8), or empty.
    std::string name;
    std::optional<double> elevationFt;

    bool operator==(const RoutePoint&) const = default;
};

struct Route {
    std::string name;  // UTF-8, or empty
    std::vector<RoutePoint> points;

    bool operator==(const Route&) const = default;
};

// The most route points an exported file may hold: what panel GPS units take in one plan.
inline constexpr std::size_t kMaxExportPoints = 300;
// The most points an imported file may hold (route points and waypoints each): the
// navigation log's own limit. Larger files are refused before they are read to the end.
inline constexpr std::size_t kMaxImportPoints = 1000;
// Names longer than this (characters) are cut when a file is read, as in the navigation log.
inline constexpr std::size_t kMaxNameLength = 200;
// A user waypoint's identifier on export: upper-case letters and digits, at most this long.
inline constexpr std::size_t kMaxUserIdentifierLength = 6;

// The name the files use for a type ("AIRPORT", "VOR", "NDB", "INT", "USER WAYPOINT").
std::string_view waypointTypeName(WaypointType type);
// The type a file's name stands for; "INT-VRP" (a visual reporting point) is an
// intersection. Case matters, as in the files.
std::optional<WaypointType> waypointTypeFromName(std::string_view name);

// A point taken from the airport and navaid data: it has an identifier and a type other
// than a user waypoint, and keeps them on export.
bool isFromData(const RoutePoint& point);

// True when text is a user waypoint identifier panel units accept: 1 to
// kMaxUserIdentifierLength characters, each A-Z or 0-9.
bool isUserIdentifier(std::string_view text);

}  // namespace aerolume::interchange
