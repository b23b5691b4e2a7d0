// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace aerolume {

struct PressurePatternInput {
    double DeparturePressure = 0;    // P1, pressure aloft over the departure, inches Hg
    double DestinationPressure = 0;  // P2, pressure aloft over the destination, inches Hg
    double Latitude = 0;             // average latitude of the route, degrees north
    double TrueAirspeed = 0;         // knots
    double Distance = 0;             // nautical miles
};

struct PressurePatternResult {
    double Drift = 0;  // D, nautical miles; > 0 when the destination pressure is higher
    double Wca = 0;    // W, degrees; same sign as Drift
};

// The drift relation of pressure pattern navigation, northern hemisphere.
// Units: pressures in inches of mercury (1 to 35), latitude in degrees north (10 to 80),
// true airspeed in knots (10 to 1000), distance in nautical miles (1 to 25000); the
// window checks these ranges, this function checks nothing.
//   s = sin((pi / 180) * Latitude), with the program's pi and pi / 180 formed first;
//   D = ((P2 - P1) * 21500) / (TrueAirspeed * s)               nautical miles of drift;
//   W = ((P2 - P1) * 1230000) / (Distance * (TrueAirspeed * s)) degrees of correction.
// Both are signed, positive when P2 > P1 (a rise in pressure drifts the aircraft to the
// left, corrected to the right), and neither is limited or reduced.
PressurePatternResult ComputePressurePattern(const PressurePatternInput& input);

}  // namespace aerolume
