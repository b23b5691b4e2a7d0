// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindWindCore.h"

#include <cmath>

#include <numbers>

namespace aerolume {

FindWindResult FindWind(const FindWindInput& input) {
    const double k = std::numbers::pi / 180;
    const double north = input.GroundSpeed * std::cos(input.TrueCourse * k) -
                         input.TrueAirspeed * std::cos(input.TrueHeading * k);
    const double east = input.GroundSpeed * std::sin(input.TrueCourse * k) -
                        input.TrueAirspeed * std::sin(input.TrueHeading * k);
    FindWindResult result;
    result.Speed = std::hypot(north, east);
    if (result.Speed > 0) {
        double from = std::atan2(-east, -north) / k;
        if (from < 0) {
            from += 360;
        }
        result.Direction = from >= 360 ? 0 : from;
    }
    result.AlongTrack = ResolveWind(result.Direction, result.Speed, input.TrueCourse);
    return result;
}

}  // namespace aerolume
