// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <variant>

#include "navigation/MagneticModel.h"
#include "navigation/RoutesCore.h"
#include "navigation/WindCore.h"
#include "planning/PlanCore.h"
#include "planning/PlanText.h"

namespace aerolume::planning {
namespace {

// A two-checkpoint plan with 8 per hour, 40 at start, 1 taxi, 45 min reserve (6).
Plan leg(double lat1, double lon1, double lat2, double lon2, double tas, double windDir,
         double windSpeed, double variation = 0) {
    Plan plan;
    plan.defaults.trueAirspeed = tas;
    plan.defaults.windDirection = windDir;
    plan.defaults.windSpeed = windSpeed;
    plan.defaults.variation = variation;
    plan.checkpoints = {{"A", lat1, lon1, {}}, {"B", lat2, lon2, {}}};
    return plan;
}

struct HandLeg {
    const char* what;
    Plan plan;
    LegStatus status;
    std::optional<double> course, distance, wca, heading, magnetic, groundSpeed, time;
};

class HandWorkedLegTest : public ::testing::TestWithParam<HandLeg> {};

void expectNear(const std::optional<double>& got, const std::optional<double>& want,
                const char* what, const char* name) {
    ASSERT_EQ(got.has_value(), want.has_value()) << what << ": " << name;
    if (want) {
        EXPECT_NEAR(*got, *want, 0.01) << what << ": " << name;
    }
}

TEST_P(HandWorkedLegTest, AgreesWithTheLegWorkedByHand) {
    const HandLeg& h = GetParam();
    const PlanResult result = ComputePlan(h.plan);
    ASSERT_EQ(result.legs.size(), 1U);
    const LegResult& l = result.legs[0];
    EXPECT_EQ(l.status, h.status) << h.what;
    expectNear(l.trueCourse, h.course, h.what, "course");
    expectNear(l.distance, h.distance, h.what, "distance");
    expectNear(l.wca, h.wca, h.what, "wca");
    expectNear(l.trueHeading, h.heading, h.what, "heading");
    expectNear(l.magneticHeading, h.magnetic, h.what, "magnetic heading");
    expectNear(l.groundSpeed, h.groundSpeed, h.what, "ground speed");
    expectNear(l.time, h.time, h.what, "time");
    expectNear(l.fuel, h.time ? std::optional(*h.time * 8) : std::nullopt, h.what, "fuel");
    expectNear(result.tripFuel, l.fuel, h.what, "trip fuel");
}

const std::nullopt_t no = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Legs, HandWorkedLegTest,
    ::testing::Values(
        HandLeg{"due east on the equator", leg(0, 0, 0, 1, 120, 0, 0), LegStatus::Ok, 90, 60, 0, 90,
                90, 120, 0.5},
        HandLeg{"due north", leg(0, 0, 1, 0, 120, 0, 0), LegStatus::Ok, 0, 60, 0, 0, 0, 120, 0.5},
        HandLeg{"across the 180th meridian", leg(0, 179.5, 0, -179.5, 60, 0, 0), LegStatus::Ok, 90,
                60, 0, 90, 90, 60, 1},
        HandLeg{"west across the 180th meridian", leg(0, -179.5, 0, 179.5, 60, 0, 0), LegStatus::Ok,
                270, 60, 0, 270, 270, 60, 1},
        HandLeg{"direct headwind", leg(0, 0, 0, 1, 100, 90, 20), LegStatus::Ok, 90, 60, 0, 90, 90,
                80, 0.75},
        HandLeg{"direct tailwind", leg(0, 0, 0, 1, 100, 270, 20), LegStatus::Ok, 90, 60, 0, 90, 90,
                120, 0.5},
        // sin(wca) = 30/100 from the left: wca = -17.46 deg, GS = 100 cos(wca) = 95.39.
        HandLeg{"crosswind from the left", leg(0, 0, 0, 1, 100, 0, 30), LegStatus::Ok, 90, 60,
                -17.46, 72.54, 72.54, 95.39, 60 / 95.39},
        HandLeg{"east variation subtracted", leg(0, 0, 0, 1, 120, 0, 0, 10), LegStatus::Ok, 90, 60,
                0, 90, 80, 120, 0.5},
        HandLeg{"west variation added", leg(0, 0, 0, 1, 120, 0, 0, -10), LegStatus::Ok, 90, 60, 0,
                90, 100, 120, 0.5},
        HandLeg{"west variation past north", leg(0, 0, 1, 0, 120, 0, 0, -10), LegStatus::Ok, 0, 60,
                0, 0, 10, 120, 0.5},
        HandLeg{"crosswind the airspeed cannot correct", leg(0, 0, 0, 1, 100, 180, 120),
                LegStatus::CrosswindTooStrong, 90, 60, no, no, no, no, no},
        HandLeg{"crosswind equal to the airspeed", leg(0, 0, 0, 1, 100, 0, 100),
                LegStatus::CrosswindTooStrong, 90, 60, no, no, no, no, no},
        HandLeg{"headwind faster than the airspeed", leg(0, 0, 0, 1, 100, 90, 150),
                LegStatus::HeadwindTooStrong, 90, 60, no, no, no, no, no},
        HandLeg{"quartering headwind faster than the airspeed", leg(0, 0, 0, 1, 100, 60, 150),
                LegStatus::HeadwindTooStrong, 90, 60, no, no, no, no, no},
        HandLeg{"headwind equal to the airspeed", leg(0, 0, 0, 1, 100, 90, 100),
                LegStatus::HeadwindTooStrong, 90, 60, no, no, no, no, no},
        HandLeg{"tailwind faster than the airspeed", leg(0, 0, 0, 1, 100, 270, 150), LegStatus::Ok,
                90, 60, 0, 90, 90, 250, 0.24},
        HandLeg{"same position", leg(10, 20, 10, 20, 100, 0, 0), LegStatus::ZeroLength, no, 0, no,
                no, no, no, 0},
        HandLeg{"180 E and 180 W are one position", leg(10, 180, 10, -180, 100, 0, 0),
                LegStatus::ZeroLength, no, 0, no, no, no, no, 0},
        HandLeg{"from a pole", leg(90, 0, 80, 0, 100, 0, 0), LegStatus::NoRhumbLine, no, no, no, no,
                no, no, no}));

// Headings as the log shows them, where the exact one is half a degree: rounded away
// from zero (a 30° wind correction and a variation of half a degree).
struct ShownLeg {
    const char* what;
    Plan plan;
    const char* wca;
    const char* trueHeading;
    const char* magneticHeading;
};

void PrintTo(const ShownLeg& l, std::ostream* os) {
    *os << l.what;
}

class ShownHeadingTest : public ::testing::TestWithParam<ShownLeg> {};

TEST_P(ShownHeadingTest, HalfADegreeRoundsAwayFromZero) {
    const ShownLeg& l = GetParam();
    const LegResult leg = ComputePlan(l.plan).legs.at(0);
    ASSERT_EQ(leg.status, LegStatus::Ok);
    EXPECT_EQ(formatWca(*leg.wca), l.wca);
    EXPECT_EQ(formatDirection(*leg.trueHeading), l.trueHeading);
    EXPECT_EQ(formatDirection(*leg.magneticHeading), l.magneticHeading);
}

INSTANTIATE_TEST_SUITE_P(
    Ties, ShownHeadingTest,
    ::testing::Values(ShownLeg{"north at 60 kt, 090/30, 0.5 E", leg(0, 0, 1, 0, 60, 90, 30, 0.5),
                               "+30°", "030°", "030°"},
                      ShownLeg{"north at 100 kt, 090/50, 2.5 E", leg(0, 0, 1, 0, 100, 90, 50, 2.5),
                               "+30°", "030°", "028°"},
                      ShownLeg{"north at 80 kt, 090/40, 10.5 W", leg(0, 0, 1, 0, 80, 90, 40, -10.5),
                               "+30°", "030°", "041°"},
                      ShownLeg{"north at 60 kt, 270/30, 0.5 W", leg(0, 0, 1, 0, 60, 270, 30, -0.5),
                               "-30°", "330°", "331°"}));

TEST(PlanTotalsTest, RunningTotalsAddUpAndTheFuelRemainingFallsBelowTheReserve) {
    // Three legs due east on the equator at 120 kt: 60 NM, 0.5 h and 4 fuel each.
    Plan plan = leg(0, 0, 0, 1, 120, 0, 0);
    plan.checkpoints.push_back({"C", 0, 2, {}});
    plan.checkpoints.push_back({"D", 0, 3, {}});
    plan.defaults.fuelAtStart = 20;  // 19 after taxi; reserve 6
    const PlanResult r = ComputePlan(plan);
    ASSERT_EQ(r.legs.size(), 3U);
    const double remaining[] = {15, 11, 7};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(*r.legs[i].totalDistance, 60.0 * (i + 1), 1e-6);
        EXPECT_NEAR(*r.legs[i].distanceRemaining, 60.0 * (2 - i), 1e-6);
        EXPECT_NEAR(*r.legs[i].totalTime, 0.5 * (i + 1), 1e-9);
        EXPECT_NEAR(*r.legs[i].fuelUsed, 4.0 * (i + 1), 1e-9);
        EXPECT_NEAR(*r.legs[i].fuelRemaining, remaining[i], 1e-9);
        EXPECT_FALSE(r.legs[i].belowReserve);
    }
    EXPECT_NEAR(*r.tripFuel, 12, 1e-9);
    EXPECT_NEAR(r.reserveFuel, 6, 1e-12);
    EXPECT_FALSE(r.firstBelowReserve);
    EXPECT_NEAR(*r.greatCircleDistance, 180, 1e-6);

    plan.defaults.fuelAtStart = 15;  // 14 after taxi: 10, 6 (not below), 2
    const PlanResult low = ComputePlan(plan);
    EXPECT_FALSE(low.legs[1].belowReserve);
    EXPECT_TRUE(low.legs[2].belowReserve);
    EXPECT_EQ(low.firstBelowReserve, 3U);

    plan.defaults.taxiFuel = 10;  // 5 after taxi: below the reserve at the start
    EXPECT_EQ(ComputePlan(plan).firstBelowReserve, 0U);
}

TEST(PlanTotalsTest, ALegThatCannotBeFlownLeavesEveryTotalAfterItUnknown) {
    Plan plan = leg(0, 0, 0, 1, 100, 0, 0);
    plan.checkpoints.push_back({"C", 0, 2, {}});
    plan.checkpoints.push_back({"D", 0, 3, {}});
    plan.checkpoints[2].leg.windDirection = 90;
    plan.checkpoints[2].leg.windSpeed = 150;
    const PlanResult r = ComputePlan(plan);
    EXPECT_TRUE(r.legs[0].fuelRemaining);
    for (std::size_t i = 1; i < 3; ++i) {
        EXPECT_FALSE(r.legs[i].totalTime) << i;
        EXPECT_FALSE(r.legs[i].fuelUsed) << i;
        EXPECT_FALSE(r.legs[i].fuelRemaining) << i;
        EXPECT_TRUE(r.legs[i].totalDistance) << i;  // the course is still known
    }
    EXPECT_EQ(r.legs[1].status, LegStatus::HeadwindTooStrong);
    EXPECT_TRUE(r.legs[2].time);
    EXPECT_FALSE(r.totalTime);
    EXPECT_FALSE(r.tripFuel);
    EXPECT_NEAR(*r.totalDistance, 180, 1e-6);
}

TEST(ResolveLegsTest, AnOverrideTakesThePlaceOfThePlanValueAndSaysSo) {
    Plan plan = leg(0, 0, 0, 1, 100, 10, 20, -5);
    plan.checkpoints.push_back({"C", 0, 2, {}});
    plan.checkpoints[2].leg = {8500, 130, 250, 35, 3};
    const auto legs = ResolveLegs(plan);
    ASSERT_EQ(legs.size(), 2U);
    EXPECT_EQ(legs[0].trueAirspeed, 100);
    EXPECT_EQ(legs[0].variation, -5);
    EXPECT_EQ(legs[0].variationSource, VariationSource::PlanDefault);
    EXPECT_EQ(legs[1].altitude, 8500);
    EXPECT_EQ(legs[1].trueAirspeed, 130);
    EXPECT_EQ(legs[1].windDirection, 250);
    EXPECT_EQ(legs[1].windSpeed, 35);
    EXPECT_EQ(legs[1].variation, 3);
    EXPECT_EQ(legs[1].variationSource, VariationSource::Typed);
    EXPECT_TRUE(ResolveLegs(Plan{}).empty());
}

// Half way along the rhumb line: the legs from each end to the midpoint are half the
// leg's length on the leg's course.
struct Midpoint {
    double lat1, lon1, lat2, lon2;
};

class RhumbMidpointTest : public ::testing::TestWithParam<Midpoint> {};

TEST_P(RhumbMidpointTest, HalvesTheLegOnItsCourse) {
    const Midpoint& m = GetParam();
    double lat = 0;
    double lon = 0;
    RhumbMidpoint(m.lat1, m.lon1, m.lat2, m.lon2, lat, lon);
    const PlanResult whole = ComputePlan(leg(m.lat1, m.lon1, m.lat2, m.lon2, 100, 0, 0));
    const PlanResult first = ComputePlan(leg(m.lat1, m.lon1, lat, lon, 100, 0, 0));
    const PlanResult second = ComputePlan(leg(lat, lon, m.lat2, m.lon2, 100, 0, 0));
    const double half = *whole.legs[0].distance / 2;
    EXPECT_NEAR(*first.legs[0].distance, half, 1e-6 * half);
    EXPECT_NEAR(*second.legs[0].distance, half, 1e-6 * half);
    EXPECT_NEAR(*first.legs[0].trueCourse, *whole.legs[0].trueCourse, 1e-6);
    EXPECT_NEAR(*second.legs[0].trueCourse, *whole.legs[0].trueCourse, 1e-6);
    EXPECT_GT(lon, -180);
    EXPECT_LE(lon, 180);
}

INSTANTIATE_TEST_SUITE_P(Legs, RhumbMidpointTest,
                         ::testing::Values(Midpoint{0, 0, 0, 2}, Midpoint{0, 0, 2, 0},
                                           Midpoint{34.02, -118.45, 36.08, -115.15},
                                           Midpoint{60, 10, 70, 40}, Midpoint{-40, 170, -30, -170},
                                           Midpoint{10, -179.5, 12, 179.5}));

// A plan dated 2026-07-01 whose legs without a typed variation take the model's.
class ModelVariationTest : public ::testing::Test {
protected:
    static Plan dated(double lat1, double lon1, double lat2, double lon2) {
        Plan plan = leg(lat1, lon1, lat2, lon2, 120, 0, 0, -7);
        plan.date = PlanDate{2026, 7, 1};
        plan.defaults.altitude = 8500;
        return plan;
    }
    // The model's record at the leg's midpoint and the leg's altitude.
    static MagneticVariation expected(const Plan& plan, double altitude) {
        const Checkpoint& a = plan.checkpoints[0];
        const Checkpoint& b = plan.checkpoints[1];
        double lat = 0;
        double lon = 0;
        RhumbMidpoint(a.latitude, a.longitude, b.latitude, b.longitude, lat, lon);
        return *MagneticVariationAt(lat, lon, altitude, *DecimalYear(2026, 7, 1));
    }
};

TEST_F(ModelVariationTest, ALegWithoutATypedVariationTakesTheModelsAtItsMidpoint) {
    const Plan plans[] = {dated(34.02, -118.45, 36.08, -115.15), dated(51.47, -0.45, 48.85, 2.35),
                          dated(-33.95, 151.18, -37.67, 144.83), dated(0, 179.5, 0, -179.5)};
    for (const Plan& plan : plans) {
        const auto legs = ResolveLegs(plan);
        const MagneticVariation model = expected(plan, 8500);
        EXPECT_EQ(legs[0].variationSource, VariationSource::Model);
        EXPECT_DOUBLE_EQ(legs[0].variation, model.Field.Declination);
        EXPECT_EQ(legs[0].magneticZone, MagneticZone::Normal);
        const LegResult result = ComputePlan(plan).legs[0];
        EXPECT_NEAR(*result.magneticHeading,
                    std::fmod(*result.trueHeading - model.Field.Declination + 360, 360), 1e-9);
    }
    // Near Los Angeles the variation is some 11° east: not the plan's 7° W.
    EXPECT_NEAR(ResolveLegs(plans[0])[0].variation, 11.3, 1.0);
}

TEST_F(ModelVariationTest, TheLegsOwnAltitudeIsTheModelsHeight) {
    Plan plan = dated(60, 10, 70, 40);
    plan.checkpoints[1].leg.altitude = 45000;
    EXPECT_DOUBLE_EQ(ResolveLegs(plan)[0].variation, expected(plan, 45000).Field.Declination);
    EXPECT_NE(ResolveLegs(plan)[0].variation, expected(plan, 8500).Field.Declination);
}

TEST_F(ModelVariationTest, ATypedVariationOverridesAndClearingItReturnsTheModels) {
    Plan plan = dated(34.02, -118.45, 36.08, -115.15);
    plan.checkpoints[1].leg.variation = 3;
    EXPECT_EQ(ResolveLegs(plan)[0].variation, 3);
    EXPECT_EQ(ResolveLegs(plan)[0].variationSource, VariationSource::Typed);
    EXPECT_NEAR(*ComputePlan(plan).legs[0].magneticHeading,
                *ComputePlan(plan).legs[0].trueHeading - 3, 1e-9);
    plan.checkpoints[1].leg.variation.reset();
    EXPECT_EQ(ResolveLegs(plan)[0].variationSource, VariationSource::Model);
    EXPECT_DOUBLE_EQ(ResolveLegs(plan)[0].variation, expected(plan, 8500).Field.Declination);
}

TEST_F(ModelVariationTest, WhereTheModelGivesNoneThePlansVariationApplies) {
    struct Case {
        const char* what;
        Plan plan;
        VariationSource source;
        std::optional<MagneticZone> zone;
    };
    Plan undated = dated(34.02, -118.45, 36.08, -115.15);
    undated.date.reset();
    Plan tooEarly = undated;
    tooEarly.date = PlanDate{1999, 12, 31};
    Plan noSuchDay = undated;
    noSuchDay.date = PlanDate{2026, 2, 30};
    const Case cases[] = {
        {"no plan date", undated, VariationSource::PlanDefault, std::nullopt},
        {"a date before the plan years", tooEarly, VariationSource::PlanDefault, std::nullopt},
        {"a day that does not exist", noSuchDay, VariationSource::PlanDefault, std::nullopt},
        // The horizontal field is below 2000 nT there: no variation.
        {"blackout near the magnetic pole", dated(81, 109, 81, 111), VariationSource::PlanDefault,
         MagneticZone::Blackout},
        // Between 2000 and 6000 nT: the model's value, with the caution kept.
        {"caution zone", dated(74, 109, 74, 111), VariationSource::Model, MagneticZone::Caution}};
    for (const Case& c : cases) {
        const auto legs = ResolveLegs(c.plan);
        EXPECT_EQ(legs[0].variationSource, c.source) << c.what;
        EXPECT_EQ(legs[0].magneticZone, c.zone) << c.what;
        if (c.source == VariationSource::PlanDefault) {
            EXPECT_EQ(legs[0].variation, -7) << c.what;
        }
    }
    // A date outside the model's five years is still evaluated.
    Plan late = dated(34.02, -118.45, 36.08, -115.15);
    late.date = PlanDate{2031, 3, 1};
    EXPECT_EQ(ResolveLegs(late)[0].variationSource, VariationSource::Model);
}

// The same inputs through the route and wind cores directly.
struct Shared {
    double lat1, lon1, lat2, lon2, tas, windDir, windSpeed;
};

class AgreesWithTheCoresTest : public ::testing::TestWithParam<Shared> {};

TEST_P(AgreesWithTheCoresTest, CourseDistanceHeadingAndGroundSpeed) {
    const Shared& s = GetParam();
    const PlanResult r =
        ComputePlan(leg(s.lat1, s.lon1, s.lat2, s.lon2, s.tas, s.windDir, s.windSpeed));
    const LegResult& l = r.legs.at(0);
    auto dms = [](double v, double& d, double& m, double& sec) {
        const double a = std::fabs(v);
        d = std::floor(a);
        m = std::floor((a - d) * 60);
        sec = ((a - d) * 60 - m) * 60;
    };
    RouteInput in;
    dms(s.lat1, in.DepLatDeg, in.DepLatMin, in.DepLatSec);
    dms(s.lon1, in.DepLongDeg, in.DepLongMin, in.DepLongSec);
    dms(s.lat2, in.DestLatDeg, in.DestLatMin, in.DestLatSec);
    dms(s.lon2, in.DestLongDeg, in.DestLongMin, in.DestLongSec);
    in.DepSouth = s.lat1 < 0;
    in.DestSouth = s.lat2 < 0;
    in.DepEast = s.lon1 > 0;
    in.DestEast = s.lon2 > 0;
    const auto route = std::get<RouteResult>(ComputeRoutes(in));
    EXPECT_NEAR(*l.trueCourse, std::fmod(route.RhumbLineCourse, 360), 1e-9);
    EXPECT_NEAR(*l.distance, route.RhumbLineDistance, 1e-9);
    EXPECT_NEAR(*r.greatCircleDistance, route.GreatCircleDistance, 1e-9);
    const auto answer = ComputeWind({s.windDir, s.windSpeed, *l.trueCourse, s.tas});
    const auto* wind = std::get_if<WindResult>(&answer);
    ASSERT_NE(wind, nullptr);
    EXPECT_NEAR(*l.wca, wind->Wca, 1e-9);
    EXPECT_NEAR(*l.trueHeading, wind->TrueHeading, 1e-9);
    EXPECT_NEAR(*l.groundSpeed, wind->GroundSpeed, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Routes, AgreesWithTheCoresTest,
                         ::testing::Values(Shared{33.95, -118.4, 36.08, -115.15, 120, 250, 25},
                                           Shared{51.47, -0.45, 48.85, 2.35, 105, 20, 18},
                                           Shared{-33.95, 151.18, -37.67, 144.83, 140, 300, 40},
                                           Shared{64.13, -21.94, 61.0, -45.4, 160, 90, 60},
                                           Shared{1.35, 103.99, 13.69, 100.75, 200, 180, 5}));

TEST(FuelUnitKeyTest, EveryUnitReadsBackFromItsKey) {
    for (FuelUnit unit :
         {FuelUnit::UsGallons, FuelUnit::Litres, FuelUnit::Pounds, FuelUnit::Kilograms}) {
        EXPECT_EQ(fuelUnitFromKey(fuelUnitKey(unit)), unit);
    }
    EXPECT_FALSE(fuelUnitFromKey("gal"));
}

}  // namespace
}  // namespace aerolume::planning
