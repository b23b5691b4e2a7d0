// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <variant>

#include "RouteRecord.h"

namespace aerolume::interchange {

// The FlightPlan v1 XML file (.fpl) that panel GPS units and tablet apps exchange: a
// waypoint table (identifier, type, country code, latitude, longitude, comment,
// elevation) and a route of route points that refer to the table's waypoints by
// identifier, type and country code. docs/route-files.md describes what is read and
// written.

inline constexpr const char* kFplNamespace = "http://www8.garmin.com/xmlschemas/FlightPlan/v1";

// The route in a file's bytes, or a message saying what is wrong and where (line, column,
// element): not XML, a DTD, not a flight plan, a waypoint without a position or with one
// out of range, a route point that refers to no waypoint, more than kMaxImportPoints
// waypoints or route points. Elements this program does not know are passed over. The
// route's points are the route points in order, with their waypoints' values; a file
// without a route is read as its waypoint table in order.
std::variant<Route, QString> readFpl(const QByteArray& bytes);

// The file of a route prepared for export (prepareForExport): each distinct waypoint once
// in the table, the route points in order; `created` is the file's creation time (UTC).
QByteArray writeFpl(const Route& route, const QDateTime& created);

}  // namespace aerolume::interchange
