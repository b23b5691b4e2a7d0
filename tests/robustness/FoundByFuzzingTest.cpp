// SPDX-License-Identifier: GPL-3.0-or-later
// Faults the fuzz targets (fuzz/) found in the cores, each kept as the case that
// showed it.

#include <gtest/gtest.h>

#include "navigation/WindCore.h"

namespace aerolume {
namespace {

struct HeadingCase {
    WindInput input;
    double heading;
};

// A correction that takes the heading a rounding error below north gave 360, outside
// the heading's range [0, 360): the heading is north, 0.
TEST(FoundByFuzzing, AHeadingARoundingErrorBelowNorthIsNorth) {
    const HeadingCase cases[] = {
        // Wind from north as strong as the airspeed: the heading turns into the wind.
        {{0, 9, 15, 9}, 0},
        {{0, 9, 11, 9}, 0},
        {{0, 9, 77, 9}, 0},
        {{0, 9, 62, 9}, 0},
    };
    for (const auto& c : cases) {
        const auto outcome = ComputeWind(c.input);
        const auto* result = std::get_if<WindResult>(&outcome);
        ASSERT_NE(result, nullptr);
        EXPECT_GE(result->TrueHeading, 0);
        EXPECT_LT(result->TrueHeading, 360);
        EXPECT_NEAR(result->TrueHeading, c.heading, 1e-9)
            << "wind " << c.input.WindDirection << "/" << c.input.WindSpeed << ", course "
            << c.input.TrueCourse << ", TAS " << c.input.TrueAirspeed;
    }
}

}  // namespace
}  // namespace aerolume
