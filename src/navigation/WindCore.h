// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <variant>

#include "common/Constants.h"

namespace aerolume {

struct WindInput {
    double WindDirection = 0;  // degrees true the wind blows from, 0 to 360
    double WindSpeed = 0;      // any speed unit, the same as TrueAirspeed; 0 to 200
    double TrueCourse = 0;     // degrees true, 0 to 360
    double TrueAirspeed = 0;   // 1 to 1000
};

struct WindResult {
    double Wca = 0;          // wind correction angle, degrees; > 0 right of course, < 0 left
    double TrueHeading = 0;  // degrees true, in [0, 360)
    double GroundSpeed = 0;  // the unit of the inputs
};

// Why the wind triangle has no answer for the course.
enum class WindError {
    // The crosswind reaches or exceeds the airspeed: no heading holds the course.
    CrosswindTooStrong,
    // The wind is faster than the airspeed and has a head wind component: every
    // heading that holds the course line moves the aircraft backwards along it.
    DriftsBackwards,
};

// Solves the wind triangle with `pi`, k = pi/180: the wind window's is the program's
// rounded pi (common/Constants.h); the navigation log passes the true one.
//   x  = (WindSpeed / TrueAirspeed) * sin(WindDirection*k - TrueCourse*k), the
//        crosswind as a fraction of the airspeed;
//   w  = arcsin x, as arctan(x / sqrt(1 - x*x));  Wca = w in degrees;
//   TrueHeading = TrueCourse + Wca, brought once into [0, 360);
//   GroundSpeed by the law of cosines on the air and wind vectors at that heading.
// A wind from the right (between the course and 180 degrees clockwise of it) gives a
// positive Wca. The law of cosines gives the size of the ground vector, not its sense
// along the course, so the two cases without a forward answer are errors, tested in
// this order: |x| >= 1 (CrosswindTooStrong); WindSpeed > TrueAirspeed with
// cos(WindDirection*k - TrueCourse*k) > 0 (DriftsBackwards). A wind exactly as fast
// as the airspeed from ahead gives a ground speed of 0.
std::variant<WindResult, WindError> ComputeWind(const WindInput& input, double pi = kPi);

}  // namespace aerolume
