// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace aerolume {

struct AirspeedInput {
    double CalibratedAirspeed = 0;  // knots; the window admits 0 < CAS <= 2000
    double MslAltitude = 0;         // feet above mean sea level; -1500 to 36000
    double Altimeter = 0;           // sea-level altimeter setting, inches of mercury; 27 to 36
    double Temperature = 0;         // outside air temperature, degrees Celsius; -300 to 150
};

struct AirspeedResult {
    double TrueAirspeed = 0;  // knots
    double Mach = 0;          // dimensionless
};

// True airspeed and Mach number by the subsonic compressible-flow (pitot) relations,
// used unchanged above Mach 1:
//   PA = MSL + (1 - (altimeter / 29.92126) ^ 0.190261) * 145442.2        feet
//   P  = 29.92126 * (1 - 6.8755856 * 10^-6 * PA) ^ 5.2558797     static pressure, inHg
//   a  = 38.967854 * sqrt(OAT + 273.15)                          speed of sound, knots
//   qc = 29.92126 * ((1 + 0.2 * (CAS / 661.4786) ^ 2) ^ 3.5 - 1) impact pressure, inHg
//   M  = (5 * ((qc / P + 1) ^ (2/7) - 1)) ^ 0.5
//   TAS = a * M                                                  knots
// Returns nothing when the temperature is at or below absolute zero (OAT + 273.15 <= 0:
// no speed of sound), or when a result would not be finite.
std::optional<AirspeedResult> ComputeAirspeed(const AirspeedInput& input);

}  // namespace aerolume
