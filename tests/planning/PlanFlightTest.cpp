// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "planning/PlanCore.h"
#include "planning/PlanWarnings.h"

namespace aerolume::planning {
namespace {

// Three legs of 60 NM due east on the equator at 120 kt: 0.5 h and 4 fuel each (8 per
// hour); 40 at start, 1 taxi, a 45 minute reserve of 6.
Plan threeLegs() {
    Plan plan;
    plan.defaults.trueAirspeed = 120;
    plan.checkpoints = {{"A", 0, 0, {}}, {"B", 0, 1, {}}, {"C", 0, 2, {}}, {"D", 0, 3, {}}};
    return plan;
}

struct Clock {
    TimeOfDay departure;
    double hours;
    ClockMinute shown;
};

class EtaTest : public ::testing::TestWithParam<Clock> {};

TEST_P(EtaTest, CountsTheDaysAcrossMidnight) {
    const Clock& c = GetParam();
    EXPECT_EQ(toClockMinute(*EtaAfter(c.departure, c.hours)), c.shown)
        << c.departure.hour << ":" << c.departure.minute << " + " << c.hours;
}

INSTANTIATE_TEST_SUITE_P(
    Times, EtaTest,
    ::testing::Values(Clock{{23, 30}, 0.5, {1, 0, 0}}, Clock{{23, 30}, 1.25, {1, 0, 45}},
                      Clock{{10, 15}, 0, {0, 10, 15}}, Clock{{0, 0}, 24, {1, 0, 0}},
                      Clock{{22, 0}, 27.5, {2, 1, 30}},
                      // 23:59:30 is shown as the next day's 00:00; 23:59:29 is not.
                      Clock{{23, 59}, 0.5 / 60, {1, 0, 0}},
                      Clock{{23, 59}, 0.49 / 60, {0, 23, 59}}));

TEST(EtaTest, EveryCheckpointHasOneOnlyWithADepartureTime) {
    Plan plan = threeLegs();
    EXPECT_FALSE(ComputePlan(plan).departure);
    EXPECT_FALSE(ComputePlan(plan).legs[0].eta);
    plan.departureTime = TimeOfDay{23, 30};
    const PlanResult r = ComputePlan(plan);
    EXPECT_EQ(toClockMinute(*r.departure), (ClockMinute{0, 23, 30}));
    const ClockMinute want[] = {{1, 0, 0}, {1, 0, 30}, {1, 1, 0}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(toClockMinute(*r.legs[i].eta), want[i]) << i;
    }
    EXPECT_FALSE(EtaAfter({12, 0}, -1));
}

struct FuelCase {
    const char* what;
    double onBoard, contingency, extra;
    bool alternate;
    double alternateHeadwind;
    std::optional<double> total, margin;
};

class FuelPlanTest : public ::testing::TestWithParam<FuelCase> {};

// Taxi 1, trip 12, reserve 6; the alternate is 60 NM on from the destination: 4.
TEST_P(FuelPlanTest, AddsUpTheLinesAndTellsAShortfall) {
    const FuelCase& c = GetParam();
    Plan plan = threeLegs();
    plan.defaults.fuelAtStart = c.onBoard;
    plan.fuelPlan = FuelPlanInputs{c.contingency, c.extra};
    if (c.alternate) {
        plan.alternate = Checkpoint{"ALT", 0, 4, {}};
        plan.alternate->leg.altitude = 2500;
        plan.alternate->leg.windDirection = 90;
        plan.alternate->leg.windSpeed = c.alternateHeadwind;
    }
    const PlanResult r = ComputePlan(plan);
    const FuelPlanLines& f = *r.fuelPlan;
    EXPECT_DOUBLE_EQ(f.taxi, 1);
    EXPECT_NEAR(*f.trip, 12, 1e-9);
    EXPECT_NEAR(*f.contingency, 12 * c.contingency / 100, 1e-9);
    EXPECT_DOUBLE_EQ(f.finalReserve, 6);
    EXPECT_DOUBLE_EQ(f.extra, c.extra);
    EXPECT_DOUBLE_EQ(f.onBoard, c.onBoard);
    ASSERT_EQ(f.totalRequired.has_value(), c.total.has_value()) << c.what;
    ASSERT_EQ(f.margin.has_value(), c.margin.has_value()) << c.what;
    if (c.total) {
        EXPECT_NEAR(*f.totalRequired, *c.total, 1e-9) << c.what;
        EXPECT_NEAR(*f.margin, *c.margin, 1e-9) << c.what;
    }
    const bool shortfall = c.margin && *c.margin < 0;
    EXPECT_EQ(f.shortfall, shortfall) << c.what;
    const auto warnings = PlanWarnings(plan, r);
    EXPECT_EQ(warnings.back().kind == WarningKind::FuelPlanShortfall, shortfall) << c.what;
    if (shortfall) {
        EXPECT_NEAR(*warnings.back().fuel, -*c.margin, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, FuelPlanTest,
                         ::testing::Values(
                             // 1 + 12 + 0.6 + 4 + 6 + 2 = 25.6.
                             FuelCase{"every line", 40, 5, 2, true, 0, 25.6, 14.4},
                             FuelCase{"a shortfall", 20, 5, 2, true, 0, 25.6, -5.6},
                             FuelCase{"no alternate, no contingency", 40, 0, 0, false, 0, 19, 21},
                             // A 60 kt headwind at 120 kt: 1 h to the alternate, 8.
                             FuelCase{"alternate into wind", 30, 10, 0, true, 60, 28.2, 1.8},
                             FuelCase{"an alternate that cannot be flown", 40, 5, 0, true, 150,
                                      std::nullopt, std::nullopt}));

TEST(FuelPlanTest, NoneWithoutItsInputs) {
    EXPECT_FALSE(ComputePlan(threeLegs()).fuelPlan);
    EXPECT_FALSE(ComputePlan(threeLegs()).alternateLeg);
}

struct Running {
    const char* what;
    double fuelAtStart;
    bool climb;
    std::optional<std::size_t> leg;
    double along, time, shortBy;
    std::vector<bool> exhausted;
};

class FuelExhaustionTest : public ::testing::TestWithParam<Running> {};

TEST_P(FuelExhaustionTest, SaysOnWhichLegAndHowFarAlong) {
    const Running& c = GetParam();
    Plan plan = threeLegs();
    plan.defaults.fuelAtStart = c.fuelAtStart;
    if (c.climb) {
        plan.climb = ClimbFigures{500, 75, 10};  // 11.25 NM to 4500 ft, 1.5 fuel in 0.15 h
        plan.checkpoints.front().elevation = 0;
    }
    const PlanResult r = ComputePlan(plan);
    ASSERT_EQ(r.fuelExhaustion.has_value(), c.leg.has_value()) << c.what;
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(r.legs[i].fuelExhausted, c.exhausted[i]) << c.what << i;
        EXPECT_GE(*r.legs[i].fuelRemaining, 0) << c.what << i;
    }
    if (!c.leg) {
        return;
    }
    const FuelExhaustion& e = *r.fuelExhaustion;
    EXPECT_EQ(e.leg, *c.leg) << c.what;
    EXPECT_NEAR(e.distanceAlongLeg, c.along, 1e-6) << c.what;
    EXPECT_NEAR(e.timeAlongLeg, c.time, 1e-9) << c.what;
    EXPECT_NEAR(e.distance, *c.leg * 60 + c.along, 1e-6) << c.what;
    EXPECT_NEAR(*e.shortBy, c.shortBy, 1e-9) << c.what;
    const auto warnings = PlanWarnings(plan, r);
    const auto w = std::find_if(warnings.begin(), warnings.end(), [](const PlanWarning& x) {
        return x.kind == WarningKind::FuelExhausted;
    });
    ASSERT_NE(w, warnings.end());
    EXPECT_EQ(w->row, *c.leg + 1);
    EXPECT_NEAR(*w->distance, c.along, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Fuel, FuelExhaustionTest,
    ::testing::Values(
        Running{"a quarter along the last leg", 10, false, 2, 15, 0.125, 3, {false, false, true}},
        Running{"empty at a checkpoint runs out at the next leg's start",
                5,
                false,
                1,
                0,
                0,
                8,
                {false, true, true}},
        Running{"taxi beyond the fuel at start", 0.5, false, 0, 0, 0, 12.5, {true, true, true}},
        // 1 after taxi at 10 per hour in the climb, 400 ft/NM at 75 kt: 0.1 h, 7.5 NM.
        // Trip 1.5 in the climb, 48.75 NM at cruise 3.25, then 8: 12.75.
        Running{"in the climb", 2, true, 0, 7.5, 0.1, 11.75, {true, true, true}},
        Running{"enough", 40, false, std::nullopt, 0, 0, 0, {false, false, false}}));

TEST(PlanFaultsTest, ARoundTripIsZeroNauticalMilesOfGreatCircle) {
    Plan plan = threeLegs();
    plan.checkpoints.back() = {"A", 0, 0, {}};
    EXPECT_EQ(ComputePlan(plan).greatCircleDistance, 0.0);
    plan.checkpoints = {{"E", 0, 180, {}}, {"F", 1, 179, {}}, {"E", 0, -180, {}}};
    EXPECT_EQ(ComputePlan(plan).greatCircleDistance, 0.0);
    EXPECT_NEAR(*ComputePlan(threeLegs()).greatCircleDistance, 180, 1e-6);
}

TEST(PlanFaultsTest, ARepeatedCheckpointBelowTheReserveIsBoth) {
    Plan plan = threeLegs();
    plan.checkpoints[3] = {"C", 0, 2, {}};
    plan.defaults.fuelAtStart = 14;  // 13 after taxi, 5 at C: below the reserve of 6
    const PlanResult r = ComputePlan(plan);
    EXPECT_EQ(r.legs[2].status, LegStatus::ZeroLength);
    EXPECT_TRUE(r.legs[2].belowReserve);
    const auto warnings = PlanWarnings(plan, r);
    ASSERT_EQ(warnings.size(), 3U);
    EXPECT_EQ(warnings[1].kind, WarningKind::BelowReserve);
    EXPECT_EQ(warnings[1].row, 2U);
    EXPECT_EQ(warnings[2].kind, WarningKind::LegNotFlown);
    EXPECT_EQ(warnings[2].status, LegStatus::ZeroLength);
    EXPECT_EQ(warnings[2].row, 3U);
}

TEST(PlanWarningsTest, NameRowsAsTheTableShowsThemInItsOrder) {
    Plan plan = threeLegs();
    plan.checkpoints[1].name = "B\nnorth";
    plan.checkpoints[3].leg.windDirection = 90;  // C to D into 150 kt
    plan.checkpoints[3].leg.windSpeed = 150;
    plan.defaults.fuelAtStart = 10;
    const auto warnings = PlanWarnings(plan, ComputePlan(plan));
    ASSERT_EQ(warnings.size(), 3U);
    PlanWarning date;
    date.kind = WarningKind::NoPlanDate;
    EXPECT_EQ(warnings[0], date);
    PlanWarning reserve;
    reserve.kind = WarningKind::BelowReserve;
    reserve.row = 1;
    reserve.name = "B north";
    reserve.fuel = 6;
    EXPECT_EQ(warnings[1], reserve);
    PlanWarning leg;
    leg.kind = WarningKind::LegNotFlown;
    leg.row = 3;
    leg.fromRow = 2;
    leg.name = "D";
    leg.fromName = "C";
    leg.status = LegStatus::HeadwindTooStrong;
    EXPECT_EQ(warnings[2], leg);
}

}  // namespace
}  // namespace aerolume::planning
