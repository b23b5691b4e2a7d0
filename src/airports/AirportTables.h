// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "AirportData.h"

namespace aerolume::airports {

// The Airport window's tables as it shows them: the text of every cell, and the notes
// beneath them.

// The variation of the World Magnetic Model today at a place, east > 0; none in the
// blackout zone.
std::optional<double> variationToday(GeoPoint point, std::optional<double> elevationFt);

struct TableRows {
    QList<QStringList> rows;
    QString note;
};

// tblRunways: each runway's ends, length, width, surface, lights, the true and magnetic
// headings of its ends (derived ones marked *) and whether it is open; the note says how
// the headings were found. `variation` is today's at the airport.
TableRows runwayRows(const QList<RunwayInfo>& runways, std::optional<double> variation);

// tblRunwayWinds: the wind (magnetic, as the tower gives it) against the magnetic heading
// of every end of the open runways, steady and in the gusts; the best end into the wind,
// the ends beyond the crosswind limit and those left out of the choice (water, helipads)
// are noted. The note says which headings were derived, or that it is calm.
struct RunwayWindInput {
    double from = 0;
    double speed = 0;
    std::optional<double> gust;
    std::optional<double> crosswindLimit;
};
TableRows runwayWindRows(const QList<RunwayInfo>& runways, std::optional<double> variation,
                         const RunwayWindInput& wind);

// tblNavaids: the navaids near `point` (the place shown itself left out) with their
// kind, frequency, true bearing and great-circle distance from it.
QList<QStringList> navaidRows(GeoPoint point, const QList<NavaidInfo>& navaids);

}  // namespace aerolume::airports
