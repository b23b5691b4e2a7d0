// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunwayWindCore.h"

namespace aerolume {

RunwayWindResult RunwayWind(const RunwayWindInput& input) {
    const double heading = 10.0 * input.Runway;
    RunwayWindResult result{ResolveWind(input.WindDirection, input.WindSpeed, heading), {}};
    if (input.Gust) {
        result.Gust = ResolveWind(input.WindDirection, *input.Gust, heading);
    }
    return result;
}

}  // namespace aerolume
