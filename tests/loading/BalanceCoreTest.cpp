// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "loading/BalanceCore.h"

namespace aerolume {
namespace {

struct BalanceCase {
    const char* what;
    BalanceInput input;
    double grossWeight;
    double moment;
    double cg;
};

class ComputeBalanceTest : public ::testing::TestWithParam<BalanceCase> {};

TEST_P(ComputeBalanceTest, GivesGrossWeightMomentAndCentreOfGravity) {
    const BalanceCase& c = GetParam();
    const BalanceResult result = ComputeBalance(c.input);
    EXPECT_DOUBLE_EQ(result.GrossWeight, c.grossWeight) << c.what;
    EXPECT_DOUBLE_EQ(result.Moment, c.moment) << c.what;
    ASSERT_TRUE(result.CenterOfGravity.has_value()) << c.what;
    EXPECT_NEAR(*result.CenterOfGravity, c.cg, 1e-9) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComputeBalanceTest,
    ::testing::Values(
        BalanceCase{"empty aircraft only", {{{{1500, 85}}}}, 1500, 127500, 85},
        BalanceCase{"fuel and front seats",
                    {{{{1500, 85}, {240, 95}, {340, 80.5}}}},
                    2080,
                    177670,
                    85.418269230769},
        BalanceCase{"a load forward of the datum", {{{{100, -20}, {100, -5}}}}, 200, -2500, -12.5},
        BalanceCase{"every row used",
                    {{{{1000, 80},
                       {100, 90},
                       {200, 85},
                       {150, 110},
                       {50, 130},
                       {25, 140},
                       {10, -30},
                       {5, 200}}}},
                    1540,
                    133200,
                    86.493506493506},
        BalanceCase{"a row with weight and no arm",
                    {{{{1000, 80}, {500, 0}}}},
                    1500,
                    80000,
                    53.333333333333}));

TEST(ComputeBalance, NoCentreOfGravityWithoutWeight) {
    const BalanceResult zero = ComputeBalance({{{{0, 0}}}});
    EXPECT_EQ(zero.GrossWeight, 0);
    EXPECT_FALSE(zero.CenterOfGravity.has_value());
    const BalanceResult negative = ComputeBalance({{{{-10, 80}, {5, 90}}}});
    EXPECT_EQ(negative.GrossWeight, -5);
    EXPECT_EQ(negative.Moment, -350);
    EXPECT_FALSE(negative.CenterOfGravity.has_value());
}

TEST(ComputeBalance, AddsInRowOrder) {
    // 1e16 + 1 + 1 - 1e16 is 0 added row by row in doubles, 2 if the small rows came first.
    const BalanceResult result = ComputeBalance({{{{1e16, 1}, {1, 1}, {1, 1}, {-1e16, 1}}}});
    EXPECT_EQ(result.GrossWeight, 0);
    EXPECT_EQ(result.Moment, 0);
    EXPECT_FALSE(result.CenterOfGravity.has_value());
}

}  // namespace
}  // namespace aerolume
