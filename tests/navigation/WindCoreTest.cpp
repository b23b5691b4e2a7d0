// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>

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
    const auto outcome = ComputeWind(c.input);
    const auto* result = std::get_if<WindResult>(&outcome);
    ASSERT_NE(result, nullptr) << c.what;
    EXPECT_NEAR(result->Wca, c.wca, 0.01) << c.what;
    EXPECT_NEAR(result->TrueHeading, c.heading, 0.01) << c.what;
    EXPECT_NEAR(result->GroundSpeed, c.groundSpeed, 0.01) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComputeWindTest,
    ::testing::Values(
        WindCase{"calm", {0, 0, 45, 120}, 0, 45, 120},
        WindCase{"head wind", {90, 20, 90, 100}, 0, 90, 80},
        WindCase{"tail wind", {270, 20, 90, 100}, 0, 90, 120},
        WindCase{"wind from the right", {90, 20, 0, 100}, 11.537, 11.537, 97.980},
        WindCase{"wind from the left", {270, 20, 0, 100}, -11.537, 348.463, 97.980},
        WindCase{"course 360 as course 0", {90, 20, 360, 100}, 11.537, 11.537, 97.980},
        WindCase{"heading past north", {90, 30, 350, 100}, 17.184, 7.184, 100.746},
        WindCase{"strong quartering wind", {45, 200, 0, 1000}, 8.130, 8.130, 848.528},
        WindCase{"airspeed equal to a head wind", {360, 100, 0, 100}, 0, 0, 0},
        // As fast as the airspeed from ahead of the beam: the aircraft holds
        // its place on the course line.
        WindCase{"airspeed equal to a quartering head wind", {40, 120, 0, 120}, 40, 40, 0},
        // Faster than the airspeed from behind the beam: carried forward.
        WindCase{"tail wind faster than the airspeed", {150, 60, 0, 50}, 36.870, 36.870, 91.962},
        WindCase{"quartering tail wind faster than the airspeed",
                 {135, 150, 0, 120},
                 62.114,
                 62.114,
                 162.191}));

TEST(ComputeWind, ACalmGivesExactlyNoCorrectionAndTheCourseAsHeading) {
    const auto outcome = ComputeWind({0, 0, 360, 150});
    const auto* result = std::get_if<WindResult>(&outcome);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->Wca, 0.0);
    EXPECT_EQ(result->TrueHeading, 0.0);  // a heading of 360 is reported as 0
    EXPECT_EQ(result->GroundSpeed, 150.0);
}

TEST(ComputeWind, AWindStraightAheadGivesExactlyNoCorrection) {
    const auto outcome = ComputeWind({120, 20, 120, 100});
    const auto* result = std::get_if<WindResult>(&outcome);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->Wca, 0.0);
    EXPECT_DOUBLE_EQ(result->GroundSpeed, 80.0);
}

TEST(ComputeWind, HeadingsStayInOneTurn) {
    for (double course = 0; course <= 360; course += 15) {
        for (double wind = 0; wind <= 360; wind += 30) {
            const auto outcome = ComputeWind({wind, 50, course, 120});
            const auto* result = std::get_if<WindResult>(&outcome);
            ASSERT_NE(result, nullptr);
            EXPECT_GE(result->TrueHeading, 0.0);
            EXPECT_LT(result->TrueHeading, 360.0);
            EXPECT_TRUE(std::isfinite(result->GroundSpeed));
        }
    }
}

struct NoAnswer {
    const char* what;
    WindInput input;
    std::optional<WindError> expected;  // none: a result
};

void PrintTo(const NoAnswer& row, std::ostream* os) {
    *os << row.what;
}

class WindErrorTest : public ::testing::TestWithParam<NoAnswer> {};

TEST_P(WindErrorTest, SaysWhyThereIsNoAnswer) {
    const NoAnswer& row = GetParam();
    const auto outcome = ComputeWind(row.input);
    const auto* error = std::get_if<WindError>(&outcome);
    if (row.expected) {
        ASSERT_NE(error, nullptr) << row.what;
        EXPECT_EQ(*error, *row.expected) << row.what;
    } else {
        EXPECT_EQ(error, nullptr) << row.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindErrorTest,
    ::testing::Values(
        NoAnswer{"crosswind beyond the airspeed", {90, 200, 0, 150}, WindError::CrosswindTooStrong},
        NoAnswer{
            "crosswind exactly the airspeed", {90, 100, 0, 100}, WindError::CrosswindTooStrong},
        NoAnswer{"crosswind from the left", {270, 120, 0, 100}, WindError::CrosswindTooStrong},
        NoAnswer{"crosswind just below the airspeed", {90, 99, 0, 100}, std::nullopt},
        // The crosswind test comes first when both hold.
        NoAnswer{"strong wind ahead of the beam", {45, 200, 0, 100}, WindError::CrosswindTooStrong},
        NoAnswer{"quartering head wind faster than the airspeed",
                 {10, 150, 350, 120},
                 WindError::DriftsBackwards},
        NoAnswer{"head wind faster, across south", {200, 60, 180, 50}, WindError::DriftsBackwards},
        NoAnswer{"head wind faster, on north", {360, 40, 360, 30}, WindError::DriftsBackwards},
        NoAnswer{"head wind one faster", {0, 101, 0, 100}, WindError::DriftsBackwards},
        NoAnswer{"head wind as fast", {0, 100, 0, 100}, std::nullopt},
        NoAnswer{
            "just ahead of the beam, faster", {89, 101, 0, 100}, WindError::CrosswindTooStrong},
        NoAnswer{"just behind the beam, faster", {91, 101, 0, 100}, WindError::CrosswindTooStrong},
        NoAnswer{"behind the beam, faster", {120, 101, 0, 100}, std::nullopt},
        NoAnswer{"ahead of the beam, faster", {60, 101, 0, 100}, WindError::DriftsBackwards}));

}  // namespace
}  // namespace aerolume
