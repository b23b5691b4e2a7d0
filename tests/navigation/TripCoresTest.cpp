// SPDX-License-Identifier: GPL-3.0-or-later
// Time, speed and distance, and fuel: worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "navigation/FuelCore.h"
#include "navigation/TsdCore.h"

namespace aerolume {
namespace {

constexpr auto kNone = std::nullopt;

struct TsdCase {
    const char* what;
    TsdInput input;
    std::optional<TsdResult> expected;
};

class SolveTsdTest : public ::testing::TestWithParam<TsdCase> {};

TEST_P(SolveTsdTest, FillsTheMissingValue) {
    const TsdCase& c = GetParam();
    const auto result = SolveTsd(c.input);
    ASSERT_EQ(result.has_value(), c.expected.has_value()) << c.what;
    if (result) {
        EXPECT_NEAR(result->Distance, c.expected->Distance, 1e-9) << c.what;
        EXPECT_NEAR(result->GroundSpeed, c.expected->GroundSpeed, 1e-9) << c.what;
        EXPECT_NEAR(result->Hours, c.expected->Hours, 1e-9) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    ByHand, SolveTsdTest,
    ::testing::Values(TsdCase{"time", {120, 100, kNone}, TsdResult{120, 100, 1.2}},
                      TsdCase{"distance", {kNone, 150, 40.0 / 60}, TsdResult{100, 150, 40.0 / 60}},
                      TsdCase{"ground speed", {250, kNone, 2.5}, TsdResult{250, 100, 2.5}},
                      TsdCase{"no distance, no time", {0, 100, kNone}, TsdResult{0, 100, 0}},
                      TsdCase{"standing still", {kNone, 0, 3}, TsdResult{0, 0, 3}},
                      TsdCase{"largest entries", {kNone, 2000, 100}, TsdResult{200000, 2000, 100}},
                      TsdCase{"time at zero ground speed", {10, 0, kNone}, kNone},
                      TsdCase{"ground speed in zero time", {10, kNone, 0}, kNone},
                      TsdCase{"nothing missing", {10, 10, 1}, kNone},
                      TsdCase{"two missing", {10, kNone, kNone}, kNone},
                      TsdCase{"all missing", {kNone, kNone, kNone}, kNone}));

TEST(ConvertFuel, ConvertsByTheFuelsDensity) {
    using enum FuelUnit;
    EXPECT_NEAR(ConvertFuel(15, UsGallons, Litres, FuelKind::AvGas), 56.78117676, 1e-8);
    EXPECT_NEAR(ConvertFuel(15, UsGallons, Pounds, FuelKind::AvGas), 90, 1e-12);
    EXPECT_NEAR(ConvertFuel(15, UsGallons, Kilograms, FuelKind::AvGas), 40.8233133, 1e-7);
    EXPECT_NEAR(ConvertFuel(100, UsGallons, Pounds, FuelKind::JetA), 670, 1e-12);
    EXPECT_NEAR(ConvertFuel(670, Pounds, Kilograms, FuelKind::JetA), 303.9068879, 1e-7);
    EXPECT_NEAR(ConvertFuel(1, Kilograms, UsGallons, FuelKind::AvGas), 0.367437, 1e-6);
    EXPECT_NEAR(ConvertFuel(100, Litres, Kilograms, FuelKind::JetA), 80.2837, 1e-4);
    // Any unit there and back again.
    for (FuelUnit from : kFuelUnits) {
        for (FuelUnit to : kFuelUnits) {
            const double there = ConvertFuel(123.4, from, to, FuelKind::JetA);
            EXPECT_NEAR(ConvertFuel(there, to, from, FuelKind::JetA), 123.4, 1e-9);
        }
    }
}

struct FuelCase {
    const char* what;
    FuelInput input;
    std::optional<std::array<double, 4>> gallonsLitresPoundsKilograms;
    double flow = 0;
    double hours = 0;
};

class SolveFuelTest : public ::testing::TestWithParam<FuelCase> {};

TEST_P(SolveFuelTest, FillsTheMissingValueAndGivesEveryUnit) {
    const FuelCase& c = GetParam();
    const auto result = SolveFuel(c.input);
    ASSERT_EQ(result.has_value(), c.gallonsLitresPoundsKilograms.has_value()) << c.what;
    if (result) {
        EXPECT_NEAR(result->Flow, c.flow, 1e-9) << c.what;
        EXPECT_NEAR(result->Hours, c.hours, 1e-9) << c.what;
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_NEAR(result->AmountIn[i], (*c.gallonsLitresPoundsKilograms)[i], 1e-4)
                << c.what << " unit " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    ByHand, SolveFuelTest,
    ::testing::Values(
        FuelCase{"amount of AvGas",
                 {10, 1.5, kNone, FuelUnit::UsGallons, FuelKind::AvGas},
                 std::array{15.0, 56.7812, 90.0, 40.8233},
                 10,
                 1.5},
        FuelCase{"endurance in litres",
                 {30, kNone, 60, FuelUnit::Litres, FuelKind::AvGas},
                 std::array{15.8503, 60.0, 95.1019, 43.1375},
                 30,
                 2},
        FuelCase{"flow of Jet A in pounds",
                 {kNone, 2, 1340, FuelUnit::Pounds, FuelKind::JetA},
                 std::array{200.0, 757.0824, 1340.0, 607.8138},
                 670,
                 2},
        FuelCase{"kilograms of Jet A",
                 {500, 0.5, kNone, FuelUnit::Kilograms, FuelKind::JetA},
                 std::array{82.2620, 311.3957, 551.1557, 250.0},
                 500,
                 0.5},
        FuelCase{"time at zero flow", {0, kNone, 10, FuelUnit::Pounds, FuelKind::AvGas}, kNone},
        FuelCase{"flow over zero time", {kNone, 0, 10, FuelUnit::Pounds, FuelKind::AvGas}, kNone},
        FuelCase{"two missing", {10, kNone, kNone, FuelUnit::Litres, FuelKind::AvGas}, kNone}));

}  // namespace
}  // namespace aerolume
