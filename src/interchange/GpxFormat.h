// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <variant>

#include "RouteRecord.h"

namespace aerolume::interchange {

// GPX 1.1 routes: a <rte> of <rtept lat lon> points, each with its name (the identifier),
// description (the checkpoint's name), elevation (metres), symbol and type. GPX carries
// no country code. docs/route-files.md describes what is read and written.

inline constexpr const char* kGpxNamespace = "http://www.topografix.com/GPX/1/1";
inline constexpr const char* kGpx10Namespace = "http://www.topografix.com/GPX/1/0";

// The first route in a file's bytes (GPX 1.1, or 1.0 whose routes are the same), or a
// message saying what is wrong and where: not XML, a DTD, not GPX, no route, a point
// without lat or lon or with one out of range, more than kMaxImportPoints points. A
// point's type is the one its <type> names ("AIRPORT", "VOR", "NDB", "INT"), or an
// airport when its symbol is "Airport", else a user waypoint; its identifier is its
// <name> when that is 1 to 12 upper-case letters and digits, and its name the first of
// <desc>, <cmt> and <name> that is not empty.
std::variant<Route, QString> readGpx(const QByteArray& bytes);

// The file of a route prepared for export (prepareForExport): one <rte>; `created` is the
// time in the file's metadata (UTC).
QByteArray writeGpx(const Route& route, const QDateTime& created);

}  // namespace aerolume::interchange
