// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace aerolume {

// Time, speed and distance: two of the three known, the third missing.
struct TsdInput {
    std::optional<double> Distance;     // NM, 0 to 20000
    std::optional<double> GroundSpeed;  // kt, 0 to 2000
    std::optional<double> Hours;        // hours, 0 to 100
};

struct TsdResult {
    double Distance = 0;     // NM
    double GroundSpeed = 0;  // kt
    double Hours = 0;
};

// distance = ground speed * time. Fills in the one missing value from the other two.
// Returns nothing when not exactly one is missing, or when the missing one would come
// from a division by zero (a time at zero ground speed, a ground speed in zero time).
std::optional<TsdResult> SolveTsd(const TsdInput& input);

}  // namespace aerolume
