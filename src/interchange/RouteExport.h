// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <variant>

#include "RouteRecord.h"

namespace aerolume::interchange {

// What every exported file shares, whatever its format: which points keep their
// identifiers, what a user waypoint is called, and how many points a file may hold.

// The route as the files carry it, or a message when it cannot be exported (fewer than
// two points, more than kMaxExportPoints). Points from the data (isFromData) keep their
// identifier, type and country code when the identifier is 1 to 12 letters and digits;
// every other point becomes a user waypoint without a country code, keeping an identifier
// it already has when that is a user identifier (isUserIdentifier) no other point of the
// file uses, else taking one made from its name (derivedIdentifier), numbered at its end
// when another point has it already ("LKELS1"). The same user waypoint twice (one name and
// position) keeps one identifier, so a round trip's start and end are one waypoint.
std::variant<Route, QString> prepareForExport(const Route& route);

// A user waypoint identifier made from a checkpoint's name: the name's letters and digits
// in upper case, accents removed ("Home" gives "HOME"). When they are more than
// kMaxUserIdentifierLength, each of the first six words keeps its first character, and the
// characters left over go to the first words first: their other letters and digits
// ("Île d'Yeu" gives "ILEDYE"), or only their consonants and digits when even those would
// not fit ("Lake Elsinore" gives "LKELSN"). A name with no letter or digit gives "WPT".
QString derivedIdentifier(const QString& name);

// Text in the form a panel unit shows: upper-case letters A-Z, digits, spaces and
// slashes, accents removed, other characters made spaces, runs of spaces made one, at
// most `length` characters.
QString panelText(const QString& text, qsizetype length);

// A coordinate as the files write it: rounded to 1e-6 degrees, never minus zero.
double roundedCoordinate(double degrees);

// The type's name in the files, as a QString ("USER WAYPOINT").
QString waypointTypeText(WaypointType type);

}  // namespace aerolume::interchange
