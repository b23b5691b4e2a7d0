// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace aerolume {

// What the window takes, as an entry and as a result: a distance from 0 to 20000 NM, a
// ground speed from 0 to 2000 kt, a time from 0 to below 100 hours (99:59:59).
inline constexpr double kTsdMaxDistance = 20000;    // NM
inline constexpr double kTsdMaxGroundSpeed = 2000;  // kt
inline constexpr double kTsdHoursBelow = 100;       // h

// Time, speed and distance: two of the three known, the third missing.
struct TsdInput {
    std::optional<double> Distance;     // NM, 0 to kTsdMaxDistance
    std::optional<double> GroundSpeed;  // kt, 0 to kTsdMaxGroundSpeed
    std::optional<double> Hours;        // hours, 0 to below kTsdHoursBelow
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
