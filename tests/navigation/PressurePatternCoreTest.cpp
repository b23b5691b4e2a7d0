// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "navigation/PressurePatternCore.h"

namespace aerolume {
namespace {

struct PressurePatternCase {
    const char* what;
    PressurePatternInput input;
    double drift;
    double wca;
};

class ComputePressurePatternTest : public ::testing::TestWithParam<PressurePatternCase> {};

TEST_P(ComputePressurePatternTest, GivesDriftAndCorrection) {
    const PressurePatternCase& c = GetParam();
    const PressurePatternResult result = ComputePressurePattern(c.input);
    EXPECT_NEAR(result.Drift, c.drift, std::fabs(c.drift) * 1e-9 + 1e-9) << c.what;
    EXPECT_NEAR(result.Wca, c.wca, std::fabs(c.wca) * 1e-9 + 1e-9) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComputePressurePatternTest,
    ::testing::Values(
        PressurePatternCase{
            "rise at 40 N", {29.92, 30.12, 40, 200, 500}, 33.448062277, 3.827080614},
        PressurePatternCase{
            "fall at 40 N", {30.12, 29.92, 40, 200, 500}, -33.448062277, -3.827080614},
        PressurePatternCase{
            "rise from 9.8 to 10.1", {9.8, 10.1, 45, 300, 1000}, 30.405591591, 1.739482682},
        PressurePatternCase{"no change", {20, 20, 45, 300, 1000}, 0, 0},
        PressurePatternCase{"30 against 30.0", {30, 30.0, 45, 300, 1000}, 0, 0},
        // The largest rise at the lowest latitude, airspeed and distance: the angle is
        // neither limited nor reduced to a turn.
        PressurePatternCase{
            "extreme rise", {1, 35, 10, 10, 1}, 420966.122317799, 24083178.16050663},
        PressurePatternCase{
            "extreme fall far north", {35, 1, 80, 1000, 25000}, -742.276853288, -1.698605636}));

TEST(ComputePressurePattern, SwappingThePressuresFlipsBothSignsExactly) {
    const PressurePatternInput inputs[] = {
        {29.92, 30.12, 40, 200, 500}, {9.8, 10.1, 45, 300, 1000}, {1, 35, 80, 1000, 25000}};
    for (const PressurePatternInput& in : inputs) {
        const PressurePatternResult up = ComputePressurePattern(in);
        const PressurePatternResult down =
            ComputePressurePattern({in.DestinationPressure, in.DeparturePressure, in.Latitude,
                                    in.TrueAirspeed, in.Distance});
        EXPECT_GT(up.Drift, 0);
        EXPECT_GT(up.Wca, 0);
        EXPECT_EQ(down.Drift, -up.Drift);
        EXPECT_EQ(down.Wca, -up.Wca);
    }
}

TEST(ComputePressurePattern, EveryInputWithinTheRangesGivesFiniteResults) {
    for (double p1 : {1.0, 35.0}) {
        for (double p2 : {1.0, 17.5, 35.0}) {
            for (double lat : {10.0, 45.0, 80.0}) {
                for (double tas : {10.0, 1000.0}) {
                    for (double dist : {1.0, 25000.0}) {
                        const auto r = ComputePressurePattern({p1, p2, lat, tas, dist});
                        EXPECT_TRUE(std::isfinite(r.Drift));
                        EXPECT_TRUE(std::isfinite(r.Wca));
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace aerolume
