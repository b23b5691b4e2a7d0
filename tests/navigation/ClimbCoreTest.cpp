// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <utility>

#include "navigation/ClimbCore.h"

namespace aerolume {
namespace {

struct ClimbCase {
    ClimbInput input;
    double verticalSpeed;
    double angle;
    double gradient;
    double minutes;
    double distance;
    bool descent;
};

class ClimbTable : public ::testing::TestWithParam<ClimbCase> {};

TEST_P(ClimbTable, CompletesTheRatesTimeAndDistance) {
    const ClimbCase& c = GetParam();
    const ClimbResult r = ComputeClimb(c.input);
    EXPECT_NEAR(r.VerticalSpeed, c.verticalSpeed, 0.05);
    EXPECT_NEAR(r.PathAngle, c.angle, 0.0005);
    EXPECT_NEAR(r.Gradient, c.gradient, 0.05);
    EXPECT_NEAR(r.TimeHours * 60, c.minutes, 0.005);
    EXPECT_NEAR(r.DistanceNm, c.distance, 0.005);
    EXPECT_EQ(r.Descent, c.descent);
}

// By hand: tan 3 deg = 0.0524078 gives 318.44 ft/NM, at 120 kt 636.9 ft/min; 500 ft/min
// at 100 kt is 300 ft/NM, arctan(300 / 6076.115) = 2.8266 deg.
INSTANTIATE_TEST_SUITE_P(
    ByHand, ClimbTable,
    ::testing::Values(
        ClimbCase{{3000, 0, 120, ClimbRate::PathAngle, 3}, 636.88, 3, 318.44, 4.7105, 9.4209, true},
        ClimbCase{
            {0, 5000, 100, ClimbRate::VerticalSpeed, 500}, 500, 2.8266, 300, 10, 16.6667, false},
        ClimbCase{{-1000, 2000, 90, ClimbRate::Gradient, 200}, 300, 1.8852, 200, 10, 15, false},
        ClimbCase{{10000, 9000, 60, ClimbRate::Gradient, 6076.11549},
                  6076.115,
                  45,
                  6076.115,
                  0.16458,
                  0.16458,
                  true},
        ClimbCase{
            {5000, 5000, 120, ClimbRate::VerticalSpeed, 700}, 700, 3.2967, 350, 0, 0, false}));

TEST(ClimbCore, AnyOfTheThreeRatesGivesTheSameAnswer) {
    for (const double speed : {1.0, 65.0, 120.0, 480.0, 1000.0}) {
        for (const double angle : {0.1, 1.0, 3.0, 7.5, 30.0}) {
            const ClimbResult fromAngle =
                ComputeClimb({12000, 2000, speed, ClimbRate::PathAngle, angle});
            for (const auto& [given, rate] :
                 {std::pair{ClimbRate::VerticalSpeed, fromAngle.VerticalSpeed},
                  std::pair{ClimbRate::Gradient, fromAngle.Gradient}}) {
                const ClimbResult r = ComputeClimb({12000, 2000, speed, given, rate});
                EXPECT_NEAR(r.PathAngle, angle, 1e-9 * angle);
                EXPECT_NEAR(r.TimeHours, fromAngle.TimeHours, 1e-9 * fromAngle.TimeHours);
                EXPECT_NEAR(r.DistanceNm, fromAngle.DistanceNm, 1e-9 * fromAngle.DistanceNm);
                // Distance is ground speed times time.
                EXPECT_NEAR(r.DistanceNm, speed * r.TimeHours, 1e-9 * r.DistanceNm);
            }
        }
    }
}

}  // namespace
}  // namespace aerolume
