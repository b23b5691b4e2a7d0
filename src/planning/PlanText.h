// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "PlanCore.h"

namespace aerolume::planning {

// How the navigation log writes and reads its values (window, print and CSV alike).

// A course or heading in whole degrees, three digits, north as 360: "093°", "360°".
std::string formatDirection(double degrees);
// A wind correction angle in whole degrees, right positive: "+5°", "-12°", "0°".
std::string formatWca(double degrees);
// A variation with one decimal and its side: "12.5° E", "3.0° W", "0.0°".
std::string formatVariation(double degrees);
// A wind as pilots write it: "270°/15 kt".
std::string formatWind(double direction, double speed);

// A typed variation: a number of degrees with E or W after it ("12.5E", "3 W",
// "3.0° W") or a signed number, east positive ("-3"); within kVariationRange.
std::optional<double> parseVariation(std::string_view text);
// A typed number ('.' as the point, an optional '-') within `range`.
std::optional<double> parseInRange(std::string_view text, Range range);

// The fuel unit as the window and the printout show it: "US gal", "L", "lb", "kg".
const char* fuelUnitLabel(FuelUnit unit);

// The leg's status as a short warning ("" for a leg without one).
const char* legWarning(LegStatus status);

// The plan as comma-separated values: one header row, then one row per checkpoint
// (the first without leg values), numbers without units and with '.' as the decimal
// point, unknown values empty, texts quoted where they hold a comma, a quote or a
// line break; each header names its unit. Columns: checkpoint, latitude, longitude
// (decimal degrees, north and east positive), true course, wind from, wind speed, TAS,
// WCA (right positive), true heading, variation (east positive), magnetic heading, leg
// distance, distance remaining, ground speed, ETE (minutes), leg fuel, fuel remaining
// (the plan's fuel unit), the ETA (hh:mm UTC, "00:12 +1" on the day after the departure's;
// empty without a departure time), and empty ATA and actual fuel columns.
std::string planCsv(const Plan& plan, const PlanResult& result);

}  // namespace aerolume::planning
