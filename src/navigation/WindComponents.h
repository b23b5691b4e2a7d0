// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace aerolume {

// A wind split along an axis (a track made good or a runway heading).
struct WindComponents {
    double Headwind = 0;   // knots; > 0 against the direction of travel, < 0 a tailwind
    double Crosswind = 0;  // knots; > 0 from the right of the axis, < 0 from the left
};

// The components of a wind blowing from `windFrom` (degrees) at `windSpeed` (knots,
// >= 0) on an axis pointing to `axis` (degrees, the same reference as the wind):
//   angle = windFrom - axis;  Headwind = windSpeed * cos(angle);
//   Crosswind = windSpeed * sin(angle), positive from the right.
// Any finite angles; Headwind^2 + Crosswind^2 = windSpeed^2. Degrees become radians
// with the true pi (std::numbers::pi), so that a component of exactly half a knot
// (15 kt at 60 degrees: 7.5) comes out within rounding of the half and is shown rounded
// away from zero.
WindComponents ResolveWind(double windFrom, double windSpeed, double axis);

// How the wind windows round what they show: whole knots and whole degrees, half away
// from zero on the 15-significant-digit value (formatFixed with no decimals).

// A component in whole knots without its sign ("12"), and which way it points:
// -1, 0 or +1; 0 exactly when the component rounds to 0 knots.
struct RoundedComponent {
    std::string Knots;
    int Sign = 0;
};
RoundedComponent RoundComponent(double knots);

// True when a wind speed (knots) rounds to 0 knots: the wind is calm.
bool RoundsToCalm(double windSpeed);

// A direction (degrees, any finite value) in whole degrees from 1 to 360, north being
// 360, written with three digits ("005", "090", "360").
std::string WholeDegrees(double direction);

}  // namespace aerolume
