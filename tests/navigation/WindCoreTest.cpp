#include <gtest/gtest.h>

#include <cmath>

#include "navigation/WindCore.h"

namespace aerolume {
namespace {

struct WindCase {
    const char* what;
    WindInput input;
    double wca;
    double heading;
    double groundSpeed;
};

class ComputeWindTest : public ::testing::TestWithParam<WindCase> {};

TEST_P(ComputeWindTest, SolvesTheTriangle) {
    const WindCase& c = GetParam();
    const auto result = ComputeWind(c.input);
    ASSERT_TRUE(result.has_value()) << c.what;
    EXPECT_NEAR(result->Wca, c.wca, 0.01) << c.what;
    EXPECT_NEAR(result->TrueHeading, c.heading, 0.01) << c.what;
    EXPECT_NEAR(result->GroundSpeed, c.groundSpeed, 0.01) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComputeWindTest,
    ::testing::Values(WindCase{"calm", {0, 0, 45, 120}, 0, 45, 120},
                      WindCase{"head wind", {90, 20, 90, 100}, 0, 90, 80},
                      WindCase{"tail wind", {270, 20, 90, 100}, 0, 90, 120},
                      WindCase{"wind from the right", {90, 20, 0, 100}, 11.537, 11.537, 97.980},
                      WindCase{"wind from the left", {270, 20, 0, 100}, -11.537, 348.463, 97.980},
                      WindCase{
                          "course 360 as course 0", {90, 20, 360, 100}, 11.537, 11.537, 97.980},
                      WindCase{"heading past north", {90, 30, 350, 100}, 17.184, 7.184, 100.746},
                      WindCase{"strong quartering wind", {45, 200, 0, 1000}, 8.130, 8.130, 848.528},
                      WindCase{"airspeed equal to a head wind", {360, 100, 0, 100}, 0, 0, 0}));

TEST(ComputeWind, ACalmGivesExactlyNoCorrectionAndTheCourseAsHeading) {
    const auto result = ComputeWind({0, 0, 360, 150});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->Wca, 0.0);
    EXPECT_EQ(result->TrueHeading, 0.0);  // a heading of 360 is reported as 0
    EXPECT_EQ(result->GroundSpeed, 150.0);
}

TEST(ComputeWind, AWindStraightAheadGivesExactlyNoCorrection) {
    const auto result = ComputeWind({120, 20, 120, 100});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->Wca, 0.0);
    EXPECT_DOUBLE_EQ(result->GroundSpeed, 80.0);
}

TEST(ComputeWind, HeadingsStayInOneTurn) {
    for (double course = 0; course <= 360; course += 15) {
        for (double wind = 0; wind <= 360; wind += 30) {
            const auto result = ComputeWind({wind, 50, course, 120});
            ASSERT_TRUE(result.has_value());
            EXPECT_GE(result->TrueHeading, 0.0);
            EXPECT_LT(result->TrueHeading, 360.0);
            EXPECT_TRUE(std::isfinite(result->GroundSpeed));
        }
    }
}

TEST(ComputeWind, NoSolutionWhenTheCrosswindReachesTheAirspeed) {
    EXPECT_FALSE(ComputeWind({90, 200, 0, 150}).has_value());   // beyond the airspeed
    EXPECT_FALSE(ComputeWind({90, 100, 0, 100}).has_value());   // exactly the airspeed
    EXPECT_FALSE(ComputeWind({270, 120, 0, 100}).has_value());  // from the left
    EXPECT_TRUE(ComputeWind({90, 99, 0, 100}).has_value());
}

}  // namespace
}  // namespace aerolume
