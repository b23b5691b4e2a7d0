// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace aerolume {

struct AltitudeInput {
    double MslAltitude = 0;  // feet above mean sea level; the window admits -1500 < MSL <= 36000
    double Altimeter = 0;    // sea-level altimeter setting, inches of mercury; 27 to 36
    double Temperature = 0;  // outside air temperature, degrees Celsius; -300 to 150
};

struct AltitudeResult {
    double PressureAltitude = 0;  // feet
    double DensityAltitude = 0;   // feet
};

// Pressure and density altitude in the standard atmosphere (lapse 0.0019812 degrees
// per foot, sea level 15 degrees Celsius, density exponent 0.234969):
//   PA = MSL + 145442.2 * (1 - (altimeter / 29.92126) ^ 0.190261)
//   Ts = 273.15 + (15 - 0.0019812 * PA)          standard temperature at PA, kelvin
//   T  = OAT + 273.15                             actual temperature, kelvin
//   DA = PA + (Ts / 0.0019812) * (1 - (Ts / T) ^ 0.234969)
// Air warmer than standard gives a density altitude above the pressure altitude.
// Returns nothing when the temperature is at or below absolute zero (T <= 0), where
// the density altitude has no real value, or when a result would not be finite.
std::optional<AltitudeResult> ComputeAltitudes(const AltitudeInput& input);

}  // namespace aerolume
