// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "AirportData.h"

namespace aerolume::airports {

// How the program words the airport data (the Airport window and the About window).

// "Small airport", "Heliport", "VOR-DME", ...: a place's kind.
QString kindCaption(const Place& place);
// "270 ft (82 m)"; "unknown" without one.
QString elevationCaption(std::optional<double> feet);
// A length "5006 ft (1526 m)"; "" without one.
QString lengthCaption(std::optional<double> feet);
// A navaid's frequency: kHz for an NDB ("373 kHz"), MHz otherwise ("113.35 MHz").
QString navaidFrequencyCaption(const Place& navaid, std::optional<double> khz);
// An airport frequency with three decimals: "125.325 MHz", "122.900 MHz".
QString mhzCaption(double mhz);
// "paved", "grass", ...
QString surfaceCaption(SurfaceClass surface);

// The data's credit: where it comes from, its dates and licences, and that it is
// reference data, not a chart. Empty when there is no data.
QString dataCreditText(const QList<DataSetInfo>& sets, AirportData::Origin origin);
// The credit of the data in use (opens the database if it is not open).
QString dataCreditLine();

}  // namespace aerolume::airports
