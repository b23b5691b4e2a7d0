#pragma once

#include <optional>

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

// Solves the wind triangle with the program's pi (common/Constants.h), k = pi/180:
//   x  = (WindSpeed / TrueAirspeed) * sin(WindDirection*k - TrueCourse*k), the
//        crosswind as a fraction of the airspeed;
//   w  = arcsin x, as arctan(x / sqrt(1 - x*x));  Wca = w in degrees;
//   TrueHeading = TrueCourse + Wca, brought once into [0, 360);
//   GroundSpeed by the law of cosines on the air and wind vectors at that heading.
// A wind from the right (between the course and 180 degrees clockwise of it) gives a
// positive Wca. Returns nothing when the crosswind reaches or exceeds the airspeed
// (|x| >= 1): the triangle has no solution.
std::optional<WindResult> ComputeWind(const WindInput& input);

}  // namespace aerolume
