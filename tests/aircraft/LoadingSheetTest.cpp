// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "SampleAircraft.h"
#include "aircraft/LoadingSheet.h"

namespace aerolume::aircraft {
namespace {

using K = SheetLineKind;

struct SheetCase {
    const char* what;
    bool twoTanks;  // a second tank, aft of the first
    LoadingInput input;
    std::vector<SheetLineKind> kinds;
};

void PrintTo(const SheetCase& c, std::ostream* os) {
    *os << c.what;
}

class LoadingSheetTest : public ::testing::TestWithParam<SheetCase> {};

// Every product and every sum of the form, as a pilot checks it by hand.
TEST_P(LoadingSheetTest, LinesAddUpToTheTotals) {
    const SheetCase& c = GetParam();
    Aircraft aircraft = test::circularAircraft();
    if (c.twoTanks) {
        aircraft.tanks.push_back({"Aux", 40, 10, FuelType::AvGas, 0});
    }
    const LoadingResult result = computeLoading(aircraft, c.input);
    const std::vector<SheetLine> lines = loadingSheet(aircraft, c.input, result);
    std::vector<SheetLineKind> kinds;
    double weight = 0;
    double moment = 0;
    for (const SheetLine& line : lines) {
        kinds.push_back(line.kind);
        if (line.total) {
            EXPECT_NEAR(line.weight, weight, 1e-9) << c.what;
            EXPECT_NEAR(line.moment, moment, 1e-6) << c.what;
            ASSERT_TRUE(line.arm);
            EXPECT_NEAR(*line.arm * line.weight, line.moment, 1e-6) << c.what;
            continue;
        }
        if (line.arm) {
            EXPECT_NEAR(line.weight * *line.arm, line.moment, 1e-6) << c.what;
        }
        weight += line.weight;
        moment += line.moment;
    }
    EXPECT_EQ(kinds, c.kinds) << c.what;
    EXPECT_NEAR(lines.front().moment, 1169 * 10.6, 1e-9);
    EXPECT_NEAR(lines.back().weight, result.landing.weight, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Loadings, LoadingSheetTest,
    ::testing::Values(
        SheetCase{"seats, fuel and a burn",
                  false,
                  {{15, 340, 170, 50}, {240}, {60}, 0},
                  {K::EmptyWeight, K::Station, K::Station, K::Station, K::Station, K::Fuel, K::Ramp,
                   K::TaxiFuel, K::Takeoff, K::FuelBurned, K::Landing}},
        SheetCase{"taxi fuel from two tanks",
                  true,
                  {{15, 170}, {120, 60}, {30, 0}, 9},
                  {K::EmptyWeight, K::Station, K::Station, K::Station, K::Station, K::Fuel, K::Fuel,
                   K::Ramp, K::TaxiFuel, K::Takeoff, K::FuelBurned, K::Landing}},
        SheetCase{"nothing but the aircraft",
                  false,
                  {},
                  {K::EmptyWeight, K::Station, K::Station, K::Station, K::Station, K::Fuel, K::Ramp,
                   K::TaxiFuel, K::Takeoff, K::Landing}}));

}  // namespace
}  // namespace aerolume::aircraft
