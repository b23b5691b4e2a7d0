// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>

#include "RouteRecord.h"

namespace aerolume::interchange {

// The flight simulator's version 1100 flight plan (.fms), written only: a text file of
// a header ("I", "1100 Version", the AIRAC cycle), the departure and destination
// ("ADEP"/"ADES" for airports, "DEP"/"DES" for other points), the number of points
// ("NUMENR") and one line per point: type code (1 airport, 2 NDB, 3 VOR, 11 named fix,
// 28 latitude/longitude point), identifier, how it is reached ("ADEP", "ADES" or "DRCT"),
// altitude in feet (an airport's elevation, else 0), latitude and longitude in degrees.

// The file of a route prepared for export (prepareForExport), for the cycle of `date`.
QByteArray writeFms(const Route& route, const QDate& date);

// The AIRAC cycle in force on `date` as the file writes it: the year's last two digits
// and the cycle's number in its year (2601 for the first cycle effective in 2026).
// Cycles are 28 days long, counted from the one effective on 2020-01-02 (2001).
int airacCycle(const QDate& date);

}  // namespace aerolume::interchange
