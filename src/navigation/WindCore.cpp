// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindCore.h"

#include <algorithm>
#include <cmath>

namespace aerolume {

std::variant<WindResult, WindError> ComputeWind(const WindInput& input, double pi) {
    const double k = pi / 180;
    const double offCourse = input.WindDirection * k - input.TrueCourse * k;
    const double x = (input.WindSpeed / input.TrueAirspeed) * std::sin(offCourse);
    if (!(std::fabs(x) < 1)) {
        return WindError::CrosswindTooStrong;
    }
    if (input.WindSpeed > input.TrueAirspeed && std::cos(offCourse) > 0) {
        return WindError::DriftsBackwards;
    }
    const double w = std::atan(x / std::sqrt(-x * x + 1));
    double h = input.TrueCourse + w * (180 / pi);
    if (h >= 360) {
        h -= 360;
    } else if (h < 0) {
        h += 360;
        // A heading a rounding error below 0 (course 15, wind 0 at 9, airspeed 9)
        // comes to 360 exactly, which is north, 0.
        if (h == 360) {
            h = 0;
        }
    }
    const double tas = input.TrueAirspeed;
    const double ws = input.WindSpeed;
    // With the airspeed equal to a head wind the square is 0 in exact arithmetic and
    // may round just below it.
    const double square =
        tas * tas + ws * ws - 2 * tas * ws * std::cos(h * k - input.WindDirection * k);
    const double groundSpeed = std::sqrt(std::max(0.0, square));
    return WindResult{w * (180 / pi), h, groundSpeed};
}

}  // namespace aerolume
