// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace aerolume {

struct CloudInput {
    double TemperatureC;  // surface temperature, deg C
    double DewPointC;     // surface dew point, deg C, at most the temperature
    double FieldFeet;     // field elevation, ft
};

struct CloudResult {
    double BaseAboveField;     // ft
    double BaseAboveSeaLevel;  // ft
    // The freezing level above sea level, ft; none when the surface is at or below 0 C
    // (the freezing level is at the surface).
    std::optional<double> FreezingLevel;
};

// The rules of thumb for convective cloud and the freezing level:
//   cloud base above the field = (temperature - dew point) * 400 ft per deg C,
//   freezing level = field + temperature / 1.98 * 1000 ft (1.98 deg C per 1000 ft).
// Each height is rounded to the nearest 100 ft (half away from zero), all the precision
// a rule of thumb supports; the heights above sea level are the field elevation plus
// the unrounded height, then rounded, but never below the field (a base at the surface
// of a field at 1249 ft is at 1249 ft). No result when the dew point is above the
// temperature.
std::optional<CloudResult> ComputeCloud(const CloudInput& input);

}  // namespace aerolume
