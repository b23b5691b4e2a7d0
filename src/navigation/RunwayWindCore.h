// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "WindComponents.h"

namespace aerolume {

struct RunwayWindInput {
    int Runway = 36;             // runway number, 1 to 36; its heading is ten times it
    double WindDirection = 0;    // degrees the wind blows from, 0 to 360 (same reference)
    double WindSpeed = 0;        // kt, 0 to 200
    std::optional<double> Gust;  // kt, from WindSpeed to 200, when one is reported
};

struct RunwayWindResult {
    WindComponents Steady;
    std::optional<WindComponents> Gust;  // the gust from the same direction
};

// Head- and crosswind on the runway heading (10 * Runway) by ResolveWind:
// headwind = speed * cos(wind - heading), crosswind = speed * sin(wind - heading),
// positive from the right; the gust resolved the same way.
RunwayWindResult RunwayWind(const RunwayWindInput& input);

}  // namespace aerolume
