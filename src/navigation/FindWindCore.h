// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindComponents.h"

namespace aerolume {

// The fastest wind the window shows, as every window of the program takes a wind speed
// (kt); a faster one means the entries are off.
inline constexpr double kFindWindMaxSpeed = 200;

// The unknown-wind problem: what the aircraft pointed and flew through the air against
// what it made good over the ground.
struct FindWindInput {
    double TrueHeading = 0;   // degrees true, 0 to 360
    double TrueAirspeed = 0;  // kt, 1 to 1000
    double TrueCourse = 0;    // degrees true, the track made good, 0 to 360
    double GroundSpeed = 0;   // kt, 0 to 1500
};

struct FindWindResult {
    double Direction = 0;       // degrees true the wind blows from, in [0, 360); 0 in a calm
    double Speed = 0;           // kt
    WindComponents AlongTrack;  // on the track made good (ResolveWind's signs)
};

// The wind is the ground vector minus the air vector. With north and east components
// a = TAS (cos TH, sin TH) and g = GS (cos TC, sin TC), w = g - a blows towards
// atan2(w_east, w_north); it comes from the opposite direction. Its components along
// the track are those of ResolveWind with the track as the axis.
FindWindResult FindWind(const FindWindInput& input);

}  // namespace aerolume
