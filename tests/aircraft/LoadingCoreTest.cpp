// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "SampleAircraft.h"
#include "aircraft/LoadingCore.h"

namespace aerolume::aircraft {
namespace {

using test::circularAircraft;

// The circular's worked loadings, with the CG to the tenth it prints.
struct WorkedCase {
    const char* figure;
    LoadingInput input;
    double weight;
    double moment;  // the circular rounds the empty moment, 12391.4, to 12391
    double cgTenths;
};

class WorkedExampleTest : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedExampleTest, GivesTheCircularsWeightMomentAndCg) {
    const WorkedCase& c = GetParam();
    const LoadingResult r = computeLoading(circularAircraft(), c.input);
    EXPECT_DOUBLE_EQ(r.takeoff.weight, c.weight) << c.figure;
    EXPECT_NEAR(r.takeoff.moment, c.moment, 0.5) << c.figure;
    ASSERT_TRUE(r.takeoff.cg) << c.figure;
    EXPECT_DOUBLE_EQ(std::round(*r.takeoff.cg * 10) / 10, c.cgTenths) << c.figure;
    EXPECT_TRUE(r.takeoff.findings.empty()) << c.figure;
}

INSTANTIATE_TEST_SUITE_P(
    Ac43131B, WorkedExampleTest,
    ::testing::Values(
        WorkedCase{"10-10 most forward", {{17, 170, 0, 0}, {83}, {}, 0}, 1439, 16104, 11.2},
        WorkedCase{"10-11 most rearward", {{17, 170, 340, 100}, {240}, {}, 0}, 2036, 43428, 21.3},
        WorkedCase{
            "10-14 maximum baggage", {{17, 340, 170, 100}, {240}, {}, 0}, 2036, 37988, 18.7}));

TEST(LandingPoint, FuelBurnMovesTheCgFromTheTankArm) {
    // Figure 10-14's loading, 25 US gal (150 lb) burned and 2 gal (12 lb) taxied.
    const LoadingResult r =
        computeLoading(circularAircraft(), {{17, 340, 170, 100}, {228}, {150}, 12});
    EXPECT_DOUBLE_EQ(r.ramp.weight, 2036);
    EXPECT_DOUBLE_EQ(r.takeoff.weight, 2024);
    EXPECT_DOUBLE_EQ(r.landing.weight, 1874);
    EXPECT_NEAR(*r.landing.cg, (37988.4 - 12 * 22 - 150 * 22) / 1874, 1e-9);
    EXPECT_NEAR(*r.landing.percentMac, *r.landing.cg / 60 * 100, 1e-9);
    EXPECT_TRUE(r.landing.normal->inside);
    EXPECT_NEAR(r.landing.normal->armMargin, 21.9 - *r.landing.cg, 1e-9);
    EXPECT_NEAR(r.landing.normal->weightMargin, 2100 - 1874, 1e-9);
}

// Verdicts: which limit a loading breaks, at which point.
struct VerdictCase {
    const char* what;
    LoadingInput input;
    Breach breach;
    int index;
    double excess;
    bool ramp, takeoff, landing;  // the points that carry the finding
};

class VerdictTest : public ::testing::TestWithParam<VerdictCase> {};

bool carries(const LoadPoint& p, const VerdictCase& c) {
    for (const Finding& f : p.findings) {
        if (f.breach == c.breach && f.index == c.index) {
            EXPECT_NEAR(f.excess, c.excess, 1e-9) << c.what;
            return true;
        }
    }
    return false;
}

TEST_P(VerdictTest, NamesTheLimitBrokenAtEachPoint) {
    const VerdictCase& c = GetParam();
    Aircraft a = circularAircraft();
    a.maxLandingWeight = 2000;
    a.utility = {{1100, 8.5}, {1900, 8.5}, {1900, 15}, {1100, 15}};
    const LoadingResult r = computeLoading(a, c.input);
    EXPECT_EQ(carries(r.ramp, c), c.ramp) << c.what;
    EXPECT_EQ(carries(r.takeoff, c), c.takeoff) << c.what;
    EXPECT_EQ(carries(r.landing, c), c.landing) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Limits, VerdictTest,
                         ::testing::Values(VerdictCase{"baggage over 100 lb",
                                                       {{17, 170, 0, 120}, {120}, {60}, 0},
                                                       Breach::StationOverMax,
                                                       3,
                                                       20,
                                                       true,
                                                       true,
                                                       true},
                                           VerdictCase{"fuel over 40 gal",
                                                       {{17, 170}, {246}, {60}, 0},
                                                       Breach::TankOverCapacity,
                                                       0,
                                                       6,
                                                       true,
                                                       true,
                                                       false},
                                           VerdictCase{"taxi fuel fills the tank over",
                                                       {{17, 170}, {240}, {60}, 6},
                                                       Breach::TankOverCapacity,
                                                       0,
                                                       6,
                                                       true,
                                                       false,
                                                       false},
                                           VerdictCase{"burn over contents",
                                                       {{17, 170}, {60}, {90}, 0},
                                                       Breach::BurnOverContents,
                                                       0,
                                                       30,
                                                       false,
                                                       false,
                                                       true},
                                           VerdictCase{"over take-off weight",
                                                       {{17, 340, 340, 100}, {240}, {210}, 0},
                                                       Breach::OverMaxWeight,
                                                       -1,
                                                       106,
                                                       true,
                                                       true,
                                                       false},
                                           VerdictCase{"over landing weight",
                                                       {{17, 340, 170, 100}, {240}, {30}, 0},
                                                       Breach::OverMaxWeight,
                                                       -1,
                                                       6,
                                                       false,
                                                       false,
                                                       true},
                                           VerdictCase{
                                               "CG aft of the envelope",
                                               {{0, 170, 340, 100}, {0}, {}, 0},
                                               Breach::CgAft,
                                               -1,
                                               (170 * 16 + 340 * 48 + 7550 + 12391.4) / 1779 - 21.9,
                                               false,
                                               true,
                                               true},
                                           VerdictCase{"CG forward of the envelope",
                                                       {{100, 0, 0, 0}, {0}, {}, 0},
                                                       Breach::CgForward,
                                                       -1,
                                                       8.5 - (12391.4 - 4900) / 1269,
                                                       false,
                                                       true,
                                                       true},
                                           VerdictCase{"outside the utility envelope only",
                                                       {{17, 340, 170, 0}, {240}, {}, 0},
                                                       Breach::OutsideUtility,
                                                       -1,
                                                       1936 - 1900,
                                                       false,
                                                       true,
                                                       true},
                                           // Heavier than every corner and aft of every
                                           // one: both breaches are told.
                                           VerdictCase{"above the envelope and aft of it",
                                                       {{17, 170, 500, 100}, {240}, {}, 0},
                                                       Breach::CgAft,
                                                       -1,
                                                       51108.4 / 2196 - 21.9,
                                                       false,
                                                       true,
                                                       true},
                                           VerdictCase{"aft of the envelope and above it",
                                                       {{17, 170, 500, 100}, {240}, {}, 0},
                                                       Breach::AboveEnvelope,
                                                       -1,
                                                       2196 - 2100,
                                                       false,
                                                       true,
                                                       true}));

// The margin of a point inside the envelope: to the nearer CG limit, and to the nearest
// weight limit, the maximum weight named when it is as near as the envelope's top.
struct MarginCase {
    const char* what;
    LoadingInput input;
    double maxTakeoffWeight;
    std::optional<Margin> takeoff;
};

class MarginTest : public ::testing::TestWithParam<MarginCase> {};

TEST_P(MarginTest, NamesTheLimitsItIsMeasuredTo) {
    const MarginCase& c = GetParam();
    Aircraft a = circularAircraft();
    a.maxTakeoffWeight = c.maxTakeoffWeight;
    const LoadingResult r = computeLoading(a, c.input);
    ASSERT_EQ(r.takeoff.margin.has_value(), c.takeoff.has_value()) << c.what;
    if (c.takeoff) {
        EXPECT_NEAR(r.takeoff.margin->arm, c.takeoff->arm, 1e-9) << c.what;
        EXPECT_EQ(r.takeoff.margin->armLimit, c.takeoff->armLimit) << c.what;
        EXPECT_NEAR(r.takeoff.margin->weight, c.takeoff->weight, 1e-9) << c.what;
        EXPECT_EQ(r.takeoff.margin->weightLimit, c.takeoff->weightLimit) << c.what;
    }
}

constexpr double kFigure14Cg = 37724.4 / 2024;  // 10-14 with 38 US gal, 2024 lb
constexpr double kFigure10Cg = 16104.4 / 1439;  // 10-10, the most forward loading

INSTANTIATE_TEST_SUITE_P(
    Limits, MarginTest,
    ::testing::Values(
        MarginCase{"near the aft limit and the maximum weight",
                   {{17, 340, 170, 100}, {228}, {}, 0},
                   2100,
                   Margin{21.9 - kFigure14Cg, Side::Aft, 76, WeightLimit::MaximumWeight}},
        MarginCase{
            "near the forward limit and the envelope's bottom",
            {{17, 170, 0, 0}, {83}, {}, 0},
            2100,
            Margin{kFigure10Cg - 8.5, Side::Forward, 1439 - 1100, WeightLimit::EnvelopeBottom}},
        MarginCase{"the envelope's top below the maximum weight",
                   {{17, 340, 170, 100}, {228}, {}, 0},
                   2200,
                   Margin{21.9 - kFigure14Cg, Side::Aft, 76, WeightLimit::EnvelopeTop}},
        MarginCase{
            "loaded to the maximum weight exactly",
            {{17, 340, 170, 100}, {304}, {}, 0},
            2100,
            Margin{21.9 - (37724.4 + 76 * 22) / 2100, Side::Aft, 0, WeightLimit::MaximumWeight}},
        MarginCase{"over the maximum weight, inside the envelope",
                   {{17, 340, 170, 100}, {228}, {}, 0},
                   2000,
                   std::nullopt},
        MarginCase{"aft of the envelope", {{0, 170, 340, 100}, {0}, {}, 0}, 2100, std::nullopt}));

// Points against envelopes, convex and not.
struct LocateCase {
    const char* what;
    Envelope envelope;
    EnvelopePoint point;
    bool inside;
    Side side;        // outside only
    double distance;  // outside: how far; inside: the arm margin
};

class LocateTest : public ::testing::TestWithParam<LocateCase> {};

TEST_P(LocateTest, PlacesThePointInsideOrBeyondTheRightEdge) {
    const LocateCase& c = GetParam();
    const Position p = locate(c.envelope, c.point);
    ASSERT_EQ(p.inside, c.inside) << c.what;
    if (c.inside) {
        EXPECT_NEAR(p.armMargin, c.distance, 1e-9) << c.what;
    } else {
        EXPECT_EQ(p.side, c.side) << c.what;
        EXPECT_NEAR(p.distance, c.distance, 1e-9) << c.what;
    }
}

const Envelope kBox = {{1100, 8.5}, {2100, 8.5}, {2100, 21.9}, {1100, 21.9}};
// A typical light aircraft: the forward limit slopes aft above 1950 lb.
const Envelope kSloped = {{1500, 35}, {1950, 35}, {2300, 38.5}, {2300, 47.3}, {1500, 47.3}};
// An L: the upper part is cut away aft of 40 in above 2000 lb (not convex).
const Envelope kEll = {{1500, 35}, {2300, 35}, {2300, 40}, {2000, 40}, {2000, 47}, {1500, 47}};

INSTANTIATE_TEST_SUITE_P(
    Envelopes, LocateTest,
    ::testing::Values(
        LocateCase{"centre of a box", kBox, {1600, 15}, true, Side::Forward, 6.5},
        LocateCase{"on the forward edge", kBox, {1600, 8.5}, true, Side::Forward, 0},
        LocateCase{"on a corner", kBox, {2100, 21.9}, true, Side::Forward, 0},
        LocateCase{"on the sloped edge, typed",
                   kSloped,
                   {2125, 35 + 0.1 + 0.1 + 1.55},
                   true,
                   Side::Forward,
                   0},
        LocateCase{"a millionth of the span past an edge",
                   kBox,
                   {1600, 8.5 - 13.4e-6 * 0.9},
                   true,
                   Side::Forward,
                   13.4e-6 * 0.9},
        LocateCase{"ten millionths past an edge",
                   kBox,
                   {1600, 8.5 - 13.4e-5},
                   false,
                   Side::Forward,
                   13.4e-5},
        LocateCase{"ahead of the sloped edge", kSloped, {2125, 36}, false, Side::Forward, 0.75},
        LocateCase{"aft", kBox, {1600, 23}, false, Side::Aft, 1.1},
        LocateCase{"above", kBox, {2200, 15}, false, Side::Above, 100},
        LocateCase{"below", kBox, {1000, 15}, false, Side::Below, 100},
        LocateCase{"beyond a corner", kBox, {2200, 30}, false, Side::Above, 100},
        LocateCase{"in the L's cut-away corner", kEll, {2100, 44}, false, Side::Aft, 4},
        LocateCase{"in the L's foot", kEll, {2100, 37}, true, Side::Forward, 2},
        LocateCase{"in the L's upright", kEll, {1800, 45}, true, Side::Forward, 2},
        LocateCase{"level with the L's inner corner", kEll, {2000, 45}, true, Side::Forward, 2},
        // Found by fuzzing: a sliver far from the datum, where the figures' rounding
        // exceeds a millionth of the span, keeps its edges inside.
        LocateCase{"middle of a sliver's edge",
                   {{30, -999999.99998}, {999475.600664, -1e6}, {1e6, -1e6}},
                   {500015, (-1e6 + -999999.99998) / 2},
                   true,
                   Side::Forward,
                   0},
        // Found by fuzzing: level with the top corner of a triangle and beside it.
        LocateCase{"level with a corner, beside it",
                   {{1000, 10}, {2000, 15}, {1000, 20}},
                   {2000, 25},
                   false,
                   Side::Aft,
                   10}));

struct ShapeCase {
    const char* what;
    Envelope envelope;
    const char* key;  // "" when the envelope is accepted
    const char* reason;
};

class EnvelopeShapeTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(EnvelopeShapeTest, RefusesEnvelopesThatAreNoOutline) {
    const ShapeCase& c = GetParam();
    Aircraft a = circularAircraft();
    a.normal = c.envelope;
    const auto error = checkAircraft(a);
    if (std::string(c.key).empty()) {
        EXPECT_FALSE(error) << c.what << ": " << error->key << " " << error->reason;
        return;
    }
    ASSERT_TRUE(error) << c.what;
    EXPECT_EQ(error->key, c.key) << c.what;
    EXPECT_EQ(error->reason, c.reason) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, EnvelopeShapeTest,
    ::testing::Values(
        ShapeCase{"a box", kBox, "", ""}, ShapeCase{"an L", kEll, "", ""},
        ShapeCase{"the box the other way round", {kBox.rbegin(), kBox.rend()}, "", ""},
        ShapeCase{
            "two points", {{1000, 10}, {2000, 20}}, "envelope", "needs at least three points"},
        ShapeCase{"a bow tie",
                  {{1100, 8.5}, {2100, 21.9}, {2100, 8.5}, {1100, 21.9}},
                  "envelope",
                  "crosses itself or repeats a point"},
        ShapeCase{"a repeated corner",
                  {{1100, 8.5}, {2100, 8.5}, {2100, 8.5}, {1100, 21.9}},
                  "envelope",
                  "crosses itself or repeats a point"},
        ShapeCase{"an edge folding back",
                  {{1100, 8.5}, {2100, 8.5}, {1600, 8.5}},
                  "envelope",
                  "crosses itself or repeats a point"},
        ShapeCase{"a negative weight",
                  {{-1100, 8.5}, {2100, 8.5}, {2100, 21.9}},
                  "envelope[0].weight",
                  "-1100 is outside 0 to 2000000 lb"},
        ShapeCase{"a sliver of arm",
                  {{1100, 8.5}, {2100, 8.5}, {2100, 8.55}},
                  "envelope",
                  "spans 0.05 in of arm, less than the 0.1 in an envelope needs"},
        ShapeCase{"a sliver of weight",
                  {{1100, 8.5}, {1105, 8.5}, {1105, 21.9}},
                  "envelope",
                  "spans 5 lb of weight, less than the 10 lb an envelope needs"},
        ShapeCase{"an arm beyond any aircraft",
                  {{1100, 8.5}, {2100, 8.5}, {2100, 10000.0001}},
                  "envelope[2].arm",
                  "10000.0001 is outside -10000 to 10000 in"},
        ShapeCase{"not a number",
                  {{1100, NAN}, {2100, 8.5}, {2100, 21.9}},
                  "envelope[0].arm",
                  "is not a finite number"}));

TEST(Profile, RefusesFiguresNoAircraftHasNamingTheirDigits) {
    const struct {
        void (*change)(Aircraft&);
        const char* key;
        const char* reason;
    } cases[] = {
        {[](Aircraft& a) { a.emptyWeight = -1; }, "emptyWeight",
         "-1 must be more than 0 and at most 2000000 lb"},
        {[](Aircraft& a) { a.emptyWeight = 1e308; }, "emptyWeight",
         "1e+308 must be more than 0 and at most 2000000 lb"},
        {[](Aircraft& a) { a.emptyArm = -1e5; }, "emptyArm",
         "-100000 is outside -10000 to 10000 in"},
        {[](Aircraft& a) { a.stations[3].maxWeight = -5; }, "stations[3].maxWeight",
         "-5 is outside 0 to 2000000 lb"},
        {[](Aircraft& a) { a.tanks[0].capacity = -40; }, "tanks[0].capacity",
         "-40 is outside 0 to 100000 US gal"},
        {[](Aircraft& a) {
             a.tanks[0].fuel = FuelType::Other;
             a.tanks[0].density = 15.000001;
         },
         "tanks[0].density", "15.000001 is outside 1 to 15 lb/US gal"},
        {[](Aircraft& a) { a.maxLandingWeight = 0; }, "maxLandingWeight",
         "0 must be more than 0 and at most 2000000 lb"},
        {[](Aircraft& a) { a.macLength.reset(); }, "macLength", "is needed with the other MAC key"},
        {[](Aircraft& a) { a.macLength = 1000.5; }, "macLength",
         "1000.5 must be more than 0 and at most 1000 in"},
        {[](Aircraft& a) { a.cruiseTas = 1000.1; }, "cruiseTas", "1000.1 is outside 0 to 1000 kt"},
        {[](Aircraft& a) {
             a.units = Units::KilogramMillimetre;
             a.fuelFlow = 10001;
         },
         "fuelFlow", "10001 is outside 0 to 10000 L/h"},
        {[](Aircraft& a) { a.name.clear(); }, "name", "is empty"},
        {[](Aircraft& a) {
             a.utility = {{1, 1}, {2, 2}};
         },
         "utilityEnvelope", "needs at least three points"},
    };
    for (const auto& c : cases) {
        Aircraft a = circularAircraft();
        c.change(a);
        const auto error = checkAircraft(a);
        ASSERT_TRUE(error) << c.key;
        EXPECT_EQ(error->key, c.key);
        EXPECT_EQ(error->reason, c.reason);
    }
    EXPECT_FALSE(checkAircraft(circularAircraft()));
}

TEST(Profile, TheLimitsHoldInEveryUnitAlike) {
    // The same limits, one aircraft's units converted to the other's.
    const ProfileLimits lb = profileLimits(Units::PoundInch);
    const ProfileLimits mm = profileLimits(Units::KilogramMillimetre);
    const ProfileLimits m = profileLimits(Units::KilogramMetre);
    EXPECT_EQ(mm.arm, m.arm * 1000);
    EXPECT_EQ(mm.macLength, m.macLength * 1000);
    EXPECT_EQ(mm.envelopeArmSpan, m.envelopeArmSpan * 1000);
    EXPECT_NEAR(mm.arm, lb.arm * 25.4, lb.arm * 25.4 * 0.02);
    EXPECT_NEAR(mm.weight, lb.weight * kKilogramsPerPound, lb.weight * 0.11);
    EXPECT_NEAR(mm.maxDensity, lb.maxDensity * kKilogramsPerPound / kLitresPerUsGallon, 0.01);
}

TEST(Fuel, DensitiesAreTheStandardOnesConvertedExactly) {
    Tank tank;
    EXPECT_DOUBLE_EQ(fuelDensity(tank, Units::PoundInch), 6.0);
    EXPECT_NEAR(fuelDensity(tank, Units::KilogramMetre), 0.718959, 1e-6);
    tank.fuel = FuelType::JetA;
    EXPECT_DOUBLE_EQ(fuelDensity(tank, Units::PoundInch), 6.7);
    EXPECT_NEAR(fuelDensity(tank, Units::KilogramMillimetre), 6.7 * 0.45359237 / 3.785411784,
                1e-15);
    tank.fuel = FuelType::Other;
    tank.density = 0.8;
    EXPECT_DOUBLE_EQ(fuelDensity(tank, Units::KilogramMetre), 0.8);
}

TEST(Fuel, BurnSplitsInProportionToContents) {
    const auto shares = splitInProportion(30, {60, 30, 0});
    ASSERT_EQ(shares.size(), 3u);
    EXPECT_DOUBLE_EQ(shares[0], 20);
    EXPECT_DOUBLE_EQ(shares[1], 10);
    EXPECT_DOUBLE_EQ(shares[2], 0);
    const auto even = splitInProportion(10, {0, 0});
    EXPECT_DOUBLE_EQ(even[0], 5);
    EXPECT_DOUBLE_EQ(even[1], 5);
}

TEST(Fuel, TripFuelFromTheLogIsConvertedAndSplit) {
    Aircraft a = test::circularAircraft();
    a.tanks = {{"Left", 22, 20, FuelType::AvGas, 0}, {"Right", 22, 20, FuelType::JetA, 0}};
    const struct {
        double trip;
        FuelUnit unit;
        std::vector<double> takeoff;
        double left, right;
    } cases[] = {
        {30, FuelUnit::Pound, {120, 60}, 20, 10},
        {30, FuelUnit::Kilogram, {60, 60}, 15 / 0.45359237, 15 / 0.45359237},
        // 20 US gal over 20 gal of AvGas and 10 gal of Jet A.
        {20, FuelUnit::UsGallon, {120, 67}, 20.0 * 2 / 3 * 6.0, 20.0 / 3 * 6.7},
        {3.785411784, FuelUnit::Litre, {60, 0}, 6.0, 0},
    };
    for (const auto& c : cases) {
        const auto burn = splitTripFuel(a, c.trip, c.unit, c.takeoff);
        ASSERT_EQ(burn.size(), 2u);
        EXPECT_NEAR(burn[0], c.left, 1e-9) << c.trip;
        EXPECT_NEAR(burn[1], c.right, 1e-9) << c.trip;
    }
    a.units = Units::KilogramMetre;
    const auto metric = splitTripFuel(a, 10, FuelUnit::Pound, {10, 0});
    EXPECT_NEAR(metric[0], 4.5359237, 1e-12);
}

// A flight's take-off fuel fills the tanks as their capacities are, its trip burns from
// them as their take-off fuel is, and the taxi fuel is the same amount in the aircraft's
// unit of its kind.
TEST(Fuel, AFlightsFuelIsSharedByCapacityAndBurnedByContents) {
    Aircraft a = test::circularAircraft();
    a.tanks = {{"Main", 22, 30, FuelType::AvGas, 0}, {"Aux", 40, 10, FuelType::JetA, 0}};
    const struct {
        double takeoff, trip;
        FuelUnit unit;
        double main, aux, mainBurn;  // lb
    } cases[] = {
        // 40 US gal fill both tanks: 30 gal of AvGas, 10 of Jet A; 8 gal burn as 6 and 2.
        {40, 8, FuelUnit::UsGallon, 180, 67, 36},
        // 100 L over 30 and 10 US gal: three quarters in the main tank.
        {100, 0, FuelUnit::Litre, 75 / 3.785411784 * 6, 25 / 3.785411784 * 6.7, 0},
        // 247 lb over the full tanks' 180 lb and 67 lb; 24.7 lb burned as they hold it.
        {247, 24.7, FuelUnit::Pound, 180, 67, 18},
    };
    for (const auto& c : cases) {
        const FlightFuel f = splitFlightFuel(a, c.takeoff, c.trip, c.unit);
        ASSERT_EQ(f.takeoff.size(), 2u);
        EXPECT_NEAR(f.takeoff[0], c.main, 1e-9) << c.takeoff;
        EXPECT_NEAR(f.takeoff[1], c.aux, 1e-9) << c.takeoff;
        EXPECT_NEAR(f.burn[0], c.mainBurn, 1e-9) << c.takeoff;
    }
    EXPECT_NEAR(inAircraftUnit(a, 2, FuelUnit::Litre), 2 / 3.785411784, 1e-12);
    EXPECT_NEAR(inAircraftUnit(a, 1, FuelUnit::Kilogram), 1 / 0.45359237, 1e-12);
    a.units = Units::KilogramMillimetre;
    EXPECT_NEAR(inAircraftUnit(a, 1, FuelUnit::UsGallon), 3.785411784, 1e-12);
    EXPECT_NEAR(inAircraftUnit(a, 10, FuelUnit::Pound), 4.5359237, 1e-12);
}

}  // namespace
}  // namespace aerolume::aircraft
