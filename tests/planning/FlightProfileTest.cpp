// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "navigation/ClimbCore.h"
#include "planning/PlanCore.h"
#include "planning/PlanWarnings.h"

namespace aerolume::planning {
namespace {

// Legs due east on the equator (one degree of longitude is 60 NM), 110 kt and 8 per
// hour at cruise; climbs at 500 ft/min and 75 kt (400 ft/NM in calm air), descents at
// 500 ft/min and 120 kt (250 ft/NM).
Plan eastward(std::initializer_list<double> legs, double altitude) {
    Plan plan;
    plan.defaults.trueAirspeed = 110;
    plan.defaults.altitude = altitude;
    plan.checkpoints.push_back({"P0", 0, 0, {}});
    double longitude = 0;
    for (double nm : legs) {
        longitude += nm / 60;
        std::string name = std::to_string(plan.checkpoints.size());
        name.insert(name.begin(), 'P');
        plan.checkpoints.push_back({name, 0, longitude, {}});
    }
    return plan;
}
const ClimbFigures kClimb{500, 75, 10};
const ClimbFigures kDescent{500, 120, 6};

struct Point {
    ProfilePointKind kind;
    double distance, altitude;
};

struct Profiled {
    const char* what;
    Plan plan;
    std::vector<Point> points;
    double arrival;
    std::vector<WarningKind> warnings;
};

Plan with(Plan plan, std::optional<ClimbFigures> climb, std::optional<ClimbFigures> descent,
          double departure = 0, double destination = 0) {
    plan.climb = climb;
    plan.descent = descent;
    plan.checkpoints.front().elevation = departure;
    plan.checkpoints.back().elevation = destination;
    plan.date = PlanDate{2026, 7, 1};
    return plan;
}

// The second leg has a 15 kt headwind: 60 kt over the ground in the climb, 500 ft/NM.
Plan headwindOnSecondLeg() {
    Plan plan = with(eastward({10, 10, 10}, 4500), kClimb, std::nullopt);
    plan.checkpoints[2].leg.windDirection = 90;
    plan.checkpoints[2].leg.windSpeed = 15;
    return plan;
}

Plan stepUp() {
    Plan plan = with(eastward({20, 20}, 3500), kClimb, std::nullopt, 500);
    plan.checkpoints[2].leg.altitude = 5500;
    return plan;
}

Plan stepDown() {
    Plan plan = with(eastward({20, 20}, 4500), kClimb, kDescent);
    plan.checkpoints[2].leg.altitude = 2500;
    return plan;
}

Plan lowerNextLeg() {
    Plan plan = with(eastward({5, 20}, 4500), kClimb, std::nullopt);
    plan.checkpoints[2].leg.altitude = 1500;
    return plan;
}

using K = ProfilePointKind;
using W = WarningKind;

class ProfileTest : public ::testing::TestWithParam<Profiled> {};

TEST_P(ProfileTest, PointsArrivalAndWarnings) {
    const Profiled& c = GetParam();
    const PlanResult r = ComputePlan(c.plan);
    ASSERT_EQ(r.profile.status, ProfileStatus::Computed) << c.what;
    ASSERT_EQ(r.profile.points.size(), c.points.size()) << c.what;
    for (std::size_t i = 0; i < c.points.size(); ++i) {
        EXPECT_EQ(r.profile.points[i].kind, c.points[i].kind) << c.what << " point " << i;
        EXPECT_NEAR(r.profile.points[i].distance, c.points[i].distance, 1e-6) << c.what << i;
        EXPECT_NEAR(r.profile.points[i].altitude, c.points[i].altitude, 1e-6) << c.what << i;
    }
    EXPECT_NEAR(r.profile.arrivalAltitude, c.arrival, 1e-6) << c.what;
    std::vector<WarningKind> kinds;
    for (const PlanWarning& w : PlanWarnings(c.plan, r)) {
        kinds.push_back(w.kind);
    }
    EXPECT_EQ(kinds, c.warnings) << c.what;
    // Every leg's time and fuel are its segments', and the trip adds them up.
    double time = 0;
    for (const ProfileSegment& s : r.profile.segments) {
        time += s.time;
    }
    EXPECT_NEAR(*r.totalTime, time, 1e-12) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, ProfileTest,
    ::testing::Values(
        // 4000 ft in the first leg, the last 500 ft in 1 NM of the second.
        Profiled{"a climb spanning two legs",
                 headwindOnSecondLeg(),
                 {{K::TopOfClimb, 11, 4500}},
                 4500,
                 {}},
        // 3000 ft from 500 ft: 7.5 NM; the step of 2000 ft from the second leg: 5 NM.
        Profiled{"a leg that steps up",
                 stepUp(),
                 {{K::TopOfClimb, 7.5, 3500}, {K::LevelOff, 25, 5500}},
                 5500,
                 {}},
        // Down 2000 ft from the second leg (8 NM), then 1500 ft to the pattern (6 NM).
        Profiled{
            "a leg that steps down",
            stepDown(),
            {{K::TopOfClimb, 11.25, 4500}, {K::LevelOff, 28, 2500}, {K::TopOfDescent, 34, 2500}},
            1000,
            {}},
        // 500 ft to 4500 ft in 10 NM; 4500 ft to 1500 + 1000 ft in 8 NM.
        Profiled{"climb and descent fit",
                 with(eastward({60}, 4500), kClimb, kDescent, 500, 1500),
                 {{K::TopOfClimb, 10, 4500}, {K::TopOfDescent, 52, 4500}},
                 2500,
                 {}},
        // 400 x = 1000 + 250 (20 - x): they meet at x = 6000 / 650 NM.
        Profiled{"climb and descent overlap",
                 with(eastward({20}, 9500), kClimb, kDescent),
                 {{K::TopOfClimb, 6000.0 / 650, 2400000.0 / 650},
                  {K::TopOfDescent, 6000.0 / 650, 2400000.0 / 650}},
                 1000,
                 {W::ClimbDoesNotFit}},
        // Level at 8500 ft from the start: 10 NM bring it down 2500 ft, to 6000 ft.
        Profiled{"a descent that does not fit",
                 with(eastward({10}, 8500), std::nullopt, kDescent),
                 {{K::TopOfDescent, 0, 8500}},
                 6000,
                 {W::DescentDoesNotFit}},
        Profiled{"a destination above the cruise altitude",
                 with(eastward({60}, 4500), kClimb, kDescent, 0, 4000),
                 {{K::TopOfClimb, 11.25, 4500}},
                 4500,
                 {W::ArrivalBelowPattern}},
        Profiled{"a climb cut short by a lower leg",
                 lowerNextLeg(),
                 {{K::TopOfClimb, 5, 2000}},
                 1500,
                 {W::ClimbDoesNotFit}},
        Profiled{"a climb longer than the route",
                 with(eastward({5}, 4500), kClimb, std::nullopt),
                 {{K::TopOfClimb, 5, 2000}},
                 2000,
                 {W::ClimbDoesNotFit}}));

TEST(ProfileSegmentTest, EachSegmentHasTheGroundSpeedTimeAndFuelOfItsLegsWind) {
    const PlanResult r = ComputePlan(headwindOnSecondLeg());
    const auto& s = r.profile.segments;
    ASSERT_EQ(s.size(), 4U);
    struct Want {
        std::size_t leg;
        ProfilePhase phase;
        double groundSpeed, distance;
    };
    const Want want[] = {{0, ProfilePhase::Climb, 75, 10},
                         {1, ProfilePhase::Climb, 60, 1},
                         {1, ProfilePhase::Cruise, 95, 9},
                         {2, ProfilePhase::Cruise, 110, 10}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(s[i].leg, want[i].leg) << i;
        EXPECT_EQ(s[i].phase, want[i].phase) << i;
        EXPECT_NEAR(s[i].groundSpeed, want[i].groundSpeed, 1e-9) << i;
        EXPECT_NEAR(s[i].to - s[i].from, want[i].distance, 1e-9) << i;
        EXPECT_NEAR(s[i].time, want[i].distance / want[i].groundSpeed, 1e-9) << i;
        EXPECT_NEAR(s[i].fuel, s[i].time * (s[i].phase == ProfilePhase::Climb ? 10 : 8), 1e-9);
    }
    EXPECT_NEAR(*r.legs[1].time, 1.0 / 60 + 9.0 / 95, 1e-9);
    EXPECT_NEAR(*r.legs[1].fuel, 10.0 / 60 + 8 * 9.0 / 95, 1e-9);
    EXPECT_NEAR(r.profile.points[0].time, 10.0 / 75 + 1.0 / 60, 1e-9);
}

// The climb window's core on the same numbers: rate, airspeed, headwind, from and to.
struct Same {
    double rate, airspeed, headwind, from, to;
};

class AgreesWithTheClimbCoreTest : public ::testing::TestWithParam<Same> {};

TEST_P(AgreesWithTheClimbCoreTest, TopOfClimbAndTopOfDescent) {
    const Same& s = GetParam();
    const ClimbFigures figures{s.rate, s.airspeed, 9};
    const bool climb = s.to > s.from;
    Plan plan = climb ? with(eastward({200}, s.to), figures, std::nullopt, s.from)
                      : with(eastward({200}, s.from), std::nullopt, figures, 0, s.to - 1000);
    plan.defaults.windDirection = s.headwind >= 0 ? 90 : 270;
    plan.defaults.windSpeed = std::abs(s.headwind);
    const PlanResult r = ComputePlan(plan);
    const ClimbResult core =
        ComputeClimb({s.from, s.to, s.airspeed - s.headwind, ClimbRate::VerticalSpeed, s.rate});
    const ProfileSegment& change = climb ? r.profile.segments.front() : r.profile.segments.back();
    EXPECT_NEAR(change.to - change.from, core.DistanceNm, 1e-9);
    EXPECT_NEAR(change.time, core.TimeHours, 1e-12);
    EXPECT_NEAR(change.groundSpeed, s.airspeed - s.headwind, 1e-9);
    const double at = climb ? core.DistanceNm : 200 - core.DistanceNm;
    EXPECT_NEAR(r.profile.points.front().distance, at, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Numbers, AgreesWithTheClimbCoreTest,
                         ::testing::Values(Same{700, 75, 0, 270, 6500}, Same{500, 80, 20, 0, 4500},
                                           Same{1200, 140, -30, 5000, 11500},
                                           Same{500, 120, 0, 8500, 2500},
                                           Same{800, 150, 25, 12500, 1700}));

TEST(LevelLogTest, WithoutFiguresTheLogIsLevelAndUnchanged) {
    Plan plan = eastward({10, 20, 30}, 4500);
    const PlanResult level = ComputePlan(plan);
    EXPECT_EQ(level.profile.status, ProfileStatus::Level);
    EXPECT_TRUE(level.profile.segments.empty());
    plan.checkpoints.front().elevation = 300;  // an elevation alone changes nothing
    plan.patternAltitude = 1500;
    const PlanResult same = ComputePlan(plan);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(*same.legs[i].time, *level.legs[i].time);
        EXPECT_NEAR(*same.legs[i].time, 10.0 * (i + 1) / 110, 1e-12);
    }
    // A leg that cannot be flown leaves the profile out, and the result says why.
    plan.climb = kClimb;
    plan.checkpoints[2].leg.windDirection = 90;
    plan.checkpoints[2].leg.windSpeed = 200;
    EXPECT_EQ(ComputePlan(plan).profile.status, ProfileStatus::LegUnknown);
    plan.checkpoints[2].leg.windSpeed = 90;  // flyable at 110 kt, not at 75
    const PlanResult windy = ComputePlan(plan);
    EXPECT_EQ(windy.profile.status, ProfileStatus::ClimbWindTooStrong);
    EXPECT_EQ(windy.profile.windLeg, 1U);
    EXPECT_NEAR(*windy.legs[1].time, 1, 1e-12);  // 20 NM at 20 kt
    // A climb over before that leg needs no climb airspeed there.
    plan.checkpoints.front().elevation = 4000;
    EXPECT_EQ(ComputePlan(plan).profile.status, ProfileStatus::Computed);
}

}  // namespace
}  // namespace aerolume::planning
