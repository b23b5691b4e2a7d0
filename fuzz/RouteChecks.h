// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the route file readers' fuzz targets share: a route read from any bytes lies in
// the documented ranges, and exported and read again gives back its points.

#include <QByteArray>
#include <QDateTime>
#include <variant>

#include "FuzzCheck.h"
#include "interchange/RouteExport.h"

namespace aerolume::fuzz {

using interchange::Route;
using interchange::RoutePoint;

template <typename Read, typename Write>
void checkRouteReader(const std::uint8_t* bytes, std::size_t size, Read read, Write write) {
    const QByteArray input(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    const auto result = read(input);
    if (const auto* message = std::get_if<QString>(&result)) {
        FUZZ_CHECK(!message->isEmpty(), "a refusal without a message");
        return;
    }
    const Route& route = std::get<Route>(result);
    FUZZ_CHECK(!route.points.empty() && route.points.size() <= interchange::kMaxImportPoints,
               "%zu points", route.points.size());
    for (const RoutePoint& p : route.points) {
        FUZZ_CHECK(p.latitude >= -90 && p.latitude <= 90, "latitude %g", p.latitude);
        FUZZ_CHECK(p.longitude >= -180 && p.longitude <= 180, "longitude %g", p.longitude);
        FUZZ_CHECK(!p.elevationFt || std::isfinite(*p.elevationFt), "elevation");
        FUZZ_CHECK(p.name.size() <= 4 * interchange::kMaxNameLength, "name of %zu bytes",
                   p.name.size());
    }
    const auto prepared = interchange::prepareForExport(route);
    if (std::holds_alternative<QString>(prepared)) {
        FUZZ_CHECK(route.points.size() < 2 || route.points.size() > interchange::kMaxExportPoints,
                   "%zu points refused for export", route.points.size());
        return;
    }
    const Route& out = std::get<Route>(prepared);
    for (const RoutePoint& p : out.points) {
        FUZZ_CHECK(p.type != interchange::WaypointType::UserWaypoint ||
                       interchange::isUserIdentifier(p.identifier),
                   "user identifier \"%s\"", p.identifier.c_str());
    }
    const auto again = read(write(out, QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC)));
    FUZZ_CHECK(std::holds_alternative<Route>(again), "an exported route is refused: %s",
               qPrintable(std::get<QString>(again)));
    const Route& back = std::get<Route>(again);
    FUZZ_CHECK(back.points.size() == out.points.size(), "%zu points back of %zu",
               back.points.size(), out.points.size());
    for (std::size_t i = 0; i < back.points.size(); ++i) {
        FUZZ_CHECK(back.points[i].identifier == out.points[i].identifier, "identifier %s for %s",
                   back.points[i].identifier.c_str(), out.points[i].identifier.c_str());
        FUZZ_CHECK(std::fabs(back.points[i].latitude - out.points[i].latitude) <= 1e-6 &&
                       std::fabs(back.points[i].longitude - out.points[i].longitude) <= 1e-6,
                   "point %zu moved", i);
    }
}

}  // namespace aerolume::fuzz
