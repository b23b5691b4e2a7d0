// SPDX-License-Identifier: GPL-3.0-or-later
// The wind on an axis, the wind found from ground speed and the runway wind, with the
// rounding the wind windows show.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "navigation/FindWindCore.h"
#include "navigation/RunwayWindCore.h"
#include "navigation/WindComponents.h"

namespace aerolume {
namespace {

struct RunwayCase {
    const char* what;
    RunwayWindInput input;
    WindComponents steady;
    std::optional<WindComponents> gust;
};

class RunwayWindTest : public ::testing::TestWithParam<RunwayCase> {};

TEST_P(RunwayWindTest, SplitsTheWindOnTheRunwayHeading) {
    const RunwayCase& c = GetParam();
    const RunwayWindResult result = RunwayWind(c.input);
    EXPECT_NEAR(result.Steady.Headwind, c.steady.Headwind, 1e-7) << c.what;
    EXPECT_NEAR(result.Steady.Crosswind, c.steady.Crosswind, 1e-7) << c.what;
    ASSERT_EQ(result.Gust.has_value(), c.gust.has_value()) << c.what;
    if (c.gust) {
        EXPECT_NEAR(result.Gust->Headwind, c.gust->Headwind, 1e-7) << c.what;
        EXPECT_NEAR(result.Gust->Crosswind, c.gust->Crosswind, 1e-7) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ByHand, RunwayWindTest,
    ::testing::Values(
        RunwayCase{"straight down runway 36", {36, 360, 20, {}}, {20, 0}, {}},
        RunwayCase{"north wind as 0 on runway 1", {1, 0, 10, {}}, {9.84807753, -1.73648178}, {}},
        RunwayCase{
            "30 degrees from the right", {27, 300, 20, 30}, {17.32050808, 10}, {{25.98076211, 15}}},
        RunwayCase{"direct tailwind", {9, 270, 15, {}}, {-15, 0}, {}},
        RunwayCase{"straight across from the left", {18, 90, 10, 25}, {0, -10}, {{0, -25}}},
        RunwayCase{"calm", {22, 0, 0, {}}, {0, 0}, {}}));

struct FoundCase {
    const char* what;
    FindWindInput input;
    double direction;
    double speed;
    WindComponents alongTrack;
};

class FindWindTest : public ::testing::TestWithParam<FoundCase> {};

TEST_P(FindWindTest, TheWindIsTheGroundVectorLessTheAirVector) {
    const FoundCase& c = GetParam();
    const FindWindResult result = FindWind(c.input);
    EXPECT_NEAR(std::remainder(result.Direction - c.direction, 360), 0, 1e-6) << c.what;
    EXPECT_GE(result.Direction, 0) << c.what;
    EXPECT_LT(result.Direction, 360) << c.what;
    EXPECT_NEAR(result.Speed, c.speed, 1e-6) << c.what;
    EXPECT_NEAR(result.AlongTrack.Headwind, c.alongTrack.Headwind, 1e-6) << c.what;
    EXPECT_NEAR(result.AlongTrack.Crosswind, c.alongTrack.Crosswind, 1e-6) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    ByHand, FindWindTest,
    ::testing::Values(
        FoundCase{"calm", {45, 120, 45, 120}, 0, 0, {0, 0}},
        FoundCase{"headwind from the north", {360, 100, 0, 80}, 0, 20, {20, 0}},
        FoundCase{"direct tailwind", {90, 100, 90, 120}, 270, 20, {-20, 0}},
        // Flying east with a north wind of 20 kt: heading 78.69 at 101.98 kt.
        FoundCase{
            "wind 90 degrees off the track", {78.69006753, 101.98039027, 90, 100}, 0, 20, {0, -20}},
        // Heading north at 100 kt, a west wind of 20 kt: track 11.31 at 101.98 kt.
        FoundCase{"west wind on a northerly heading",
                  {0, 100, 11.30993247, 101.98039027},
                  270,
                  20,
                  {-3.92232270, -19.61161351}},
        FoundCase{"held still by the wind", {180, 40, 0, 0}, 180, 40, {-40, 0}}));

// What the windows show of a component that is exactly half a knot: rounded away from
// zero, whatever the direction (degrees are turned into radians with the true pi).
struct ShownCase {
    const char* what;
    WindComponents components;
    const char* headwind;  // whole knots, signed as RoundComponent gives them
    const char* crosswind;
};

void PrintTo(const ShownCase& c, std::ostream* os) {
    *os << c.what;
}

std::string shown(double knots) {
    const RoundedComponent rounded = RoundComponent(knots);
    return (rounded.Sign < 0 ? "-" : "") + rounded.Knots;
}

class HalfKnotTest : public ::testing::TestWithParam<ShownCase> {};

TEST_P(HalfKnotTest, RoundsAwayFromZero) {
    const ShownCase& c = GetParam();
    EXPECT_EQ(shown(c.components.Headwind), c.headwind);
    EXPECT_EQ(shown(c.components.Crosswind), c.crosswind);
}

INSTANTIATE_TEST_SUITE_P(
    Ties, HalfKnotTest,
    ::testing::Values(
        ShownCase{"runway 04, 100 at 15", RunwayWind({4, 100, 15, {}}).Steady, "8", "13"},
        ShownCase{"runway 01, 160 at 9", RunwayWind({1, 160, 9, {}}).Steady, "-8", "5"},
        ShownCase{"runway 36, 300 at 9", RunwayWind({36, 300, 9, {}}).Steady, "5", "-8"},
        ShownCase{"runway 09, 120 at 13", RunwayWind({9, 120, 13, {}}).Steady, "11", "7"},
        ShownCase{"runway 27, 150 at 17", RunwayWind({27, 150, 17, {}}).Steady, "-9", "-15"},
        ShownCase{"heading 070 at 15, track 010 at 0", FindWind({70, 15, 10, 0}).AlongTrack, "8",
                  "13"},
        ShownCase{"heading 100 at 17, track 040 at 0", FindWind({100, 17, 40, 0}).AlongTrack, "9",
                  "15"},
        ShownCase{"heading 040 at 9, track 010 at 10", FindWind({40, 9, 10, 10}).AlongTrack, "-2",
                  "5"},
        ShownCase{"heading 340 at 13, track 010 at 20", FindWind({340, 13, 10, 20}).AlongTrack,
                  "-9", "-7"}));

TEST(RoundComponent, WholeKnotsAndTheSideTheyPointTo) {
    const struct {
        double knots;
        const char* text;
        int sign;
    } cases[] = {{12.5, "13", 1}, {-12.5, "13", -1}, {0.49, "0", 0},    {-0.49, "0", 0},
                 {0.5, "1", 1},   {-0.0, "0", 0},    {199.6, "200", 1}, {7.4, "7", 1}};
    for (const auto& c : cases) {
        const RoundedComponent rounded = RoundComponent(c.knots);
        EXPECT_EQ(rounded.Knots, c.text) << c.knots;
        EXPECT_EQ(rounded.Sign, c.sign) << c.knots;
    }
    EXPECT_TRUE(RoundsToCalm(0.49));
    EXPECT_FALSE(RoundsToCalm(0.5));
}

TEST(WholeDegrees, ThreeDigitsWithNorthAs360) {
    const struct {
        double degrees;
        const char* text;
    } cases[] = {{5, "005"},   {0, "360"},  {360, "360"}, {359.4, "359"}, {359.5, "360"},
                 {0.5, "001"}, {90, "090"}, {-10, "350"}, {720.4, "360"}, {269.99, "270"}};
    for (const auto& c : cases) {
        EXPECT_EQ(WholeDegrees(c.degrees), c.text) << c.degrees;
    }
}

}  // namespace
}  // namespace aerolume
