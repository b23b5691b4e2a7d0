// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>

#include "planning/LogRows.h"

namespace aerolume::planning {
namespace {

using K = LogRowKind;

struct RowsCase {
    const char* what;
    std::optional<ClimbFigures> climb;
    std::optional<ClimbFigures> descent;
    std::optional<double> secondLegAltitude;
    std::vector<LogRowKind> kinds;
};

// Three legs of 60 NM due east on the equator at 120 kt in still air, from and to sea
// level, at 4500 ft, off at 23:40 UTC.
Plan threeLegs(const RowsCase& c) {
    Plan plan;
    plan.defaults.trueAirspeed = 120;
    plan.checkpoints = {{"A", 0, 0, {}}, {"B", 0, 1, {}}, {"C", 0, 2, {}}, {"D", 0, 3, {}}};
    plan.checkpoints.front().elevation = 0;
    plan.checkpoints.back().elevation = 0;
    plan.checkpoints[2].leg.altitude = c.secondLegAltitude;
    plan.climb = c.climb;
    plan.descent = c.descent;
    plan.departureTime = TimeOfDay{23, 40};
    return plan;
}

void PrintTo(const RowsCase& c, std::ostream* os) {
    *os << c.what;
}

class LogRowsTest : public ::testing::TestWithParam<RowsCase> {};

TEST_P(LogRowsTest, PointsSplitTheirLegsIntoPartsThatAddUp) {
    const RowsCase& c = GetParam();
    const Plan plan = threeLegs(c);
    const PlanResult result = ComputePlan(plan);
    const std::vector<LogRow> rows = LogRows(plan, result);
    std::vector<LogRowKind> kinds;
    std::map<std::size_t, std::array<double, 3>> sums;  // distance, time, fuel per leg
    for (const LogRow& row : rows) {
        kinds.push_back(row.kind);
        if (row.leg) {
            auto& sum = sums[*row.leg];
            sum[0] += *row.distance;
            sum[1] += *row.time;
            sum[2] += *row.fuel;
        }
        ASSERT_TRUE(row.eta) << c.what;
    }
    EXPECT_EQ(kinds, c.kinds) << c.what;
    for (std::size_t i = 0; i < result.legs.size(); ++i) {
        EXPECT_NEAR(sums[i][0], *result.legs[i].distance, 1e-9) << c.what << " leg " << i;
        EXPECT_NEAR(sums[i][1], *result.legs[i].time, 1e-9) << c.what << " leg " << i;
        EXPECT_NEAR(sums[i][2], *result.legs[i].fuel, 1e-9) << c.what << " leg " << i;
    }
    EXPECT_NEAR(*rows.back().remaining, 0, 1e-9);
    EXPECT_EQ(rows.back().eta, result.legs.back().eta);
    // A climb is flown at its own airspeed, with the heading for it.
    for (const LogRow& row : rows) {
        if (row.phase == ProfilePhase::Climb) {
            EXPECT_DOUBLE_EQ(*row.trueAirspeed, c.climb->trueAirspeed) << c.what;
            EXPECT_EQ(row.wca, 0.0) << c.what;
        }
    }
}

// A climb of 4500 ft at 60 ft/min and 80 kt takes 100 NM: it spans the first two legs.
// A descent of 3500 ft (to 1000 ft over sea level) at 500 ft/min and 120 kt takes 14 NM.
INSTANTIATE_TEST_SUITE_P(
    Profiles, LogRowsTest,
    ::testing::Values(
        RowsCase{"level",
                 std::nullopt,
                 std::nullopt,
                 std::nullopt,
                 {K::Departure, K::Checkpoint, K::Checkpoint, K::Checkpoint}},
        RowsCase{"a climb spanning two legs",
                 ClimbFigures{60, 80, 10},
                 std::nullopt,
                 std::nullopt,
                 {K::Departure, K::Checkpoint, K::TopOfClimb, K::Checkpoint, K::Checkpoint}},
        RowsCase{"a descent",
                 std::nullopt,
                 ClimbFigures{500, 120, 6},
                 std::nullopt,
                 {K::Departure, K::Checkpoint, K::Checkpoint, K::TopOfDescent, K::Checkpoint}},
        // Up to 6500 ft on the second leg, and down again to 4500 ft on the third.
        RowsCase{"climb, step up and down, descent",
                 ClimbFigures{500, 80, 10},
                 ClimbFigures{500, 120, 6},
                 6500,
                 {K::Departure, K::TopOfClimb, K::Checkpoint, K::LevelOff, K::Checkpoint,
                  K::LevelOff, K::TopOfDescent, K::Checkpoint}}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& ch : name) {
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        }
        return name;
    });

TEST(LogRowsTest, ACheckpointMidClimbHasTheAltitudePassed) {
    RowsCase c{"", ClimbFigures{60, 80, 10}, std::nullopt, std::nullopt, {}};
    const std::vector<LogRow> rows = LogRows(threeLegs(c), ComputePlan(threeLegs(c)));
    // 60 of the climb's 100 NM: 2700 ft, climbing; the top of climb at 4500 ft.
    EXPECT_EQ(rows[1].phase, ProfilePhase::Climb);
    EXPECT_NEAR(*rows[1].altitude, 2700, 1e-6);
    EXPECT_NEAR(*rows[2].altitude, 4500, 1e-6);
    EXPECT_NEAR(*rows[2].distance, 40, 1e-6);
    EXPECT_EQ(rows[3].phase, ProfilePhase::Cruise);
}

}  // namespace
}  // namespace aerolume::planning
