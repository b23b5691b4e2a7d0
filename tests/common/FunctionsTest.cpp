// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "common/Constants.h"
#include "common/Functions.h"

namespace aerolume {
namespace {

TEST(Functions, TheProgramsPiIsTheDoubleNearest3_1415926535898) {
    EXPECT_EQ(kPi, 3.1415926535898);
    EXPECT_GT(kPi, M_PI);
}

TEST(Functions, InverseSineAndCosine) {
    EXPECT_DOUBLE_EQ(ArcCos(0), M_PI / 2);
    EXPECT_NEAR(ArcSin(0.5), kPi / 6, 1e-12);
    EXPECT_EQ(ArcSin(0), 0.0);
    EXPECT_NEAR(ArcCos(0.5), M_PI / 3, 1e-12);
    EXPECT_NEAR(ArcCos(-0.5), 2 * M_PI / 3, 1e-12);
    EXPECT_NEAR(ArcSin(-0.5), -M_PI / 6, 1e-12);
}

struct Atan2Case {
    double y;
    double x;
    double expected;
};

class Atan2Test : public ::testing::TestWithParam<Atan2Case> {};

TEST_P(Atan2Test, TakesTheQuadrantFromTheSigns) {
    EXPECT_DOUBLE_EQ(Atan2(GetParam().y, GetParam().x), GetParam().expected)
        << GetParam().y << ", " << GetParam().x;
}

INSTANTIATE_TEST_SUITE_P(Rules, Atan2Test,
                         ::testing::Values(Atan2Case{0, 0, 0}, Atan2Case{1, 0, kPi / 2},
                                           Atan2Case{-1, 0, -kPi / 2}, Atan2Case{0, -1, kPi},
                                           Atan2Case{-0.0, -1, kPi},
                                           Atan2Case{-1, -1, std::atan(1.0) - kPi},
                                           Atan2Case{1, -1, std::atan(-1.0) + kPi},
                                           Atan2Case{1, 1, std::atan(1.0)},
                                           Atan2Case{-1, 1, -std::atan(1.0)}));

struct ModCase {
    double a;
    double b;
    double expected;
};

class ModRealTest : public ::testing::TestWithParam<ModCase> {};

TEST_P(ModRealTest, FoldsIntoOneTurn) {
    EXPECT_DOUBLE_EQ(ModReal(GetParam().a, GetParam().b), GetParam().expected)
        << GetParam().a << " mod " << GetParam().b;
}

INSTANTIATE_TEST_SUITE_P(Degrees, ModRealTest,
                         ::testing::Values(ModCase{370, 360, 10}, ModCase{360, 360, 0},
                                           ModCase{0, 360, 0}, ModCase{-10, 360, 350},
                                           ModCase{-360, 360, 360}, ModCase{-720, 360, 360},
                                           ModCase{725, 360, 5}, ModCase{-0.5, 360, 359.5}));

TEST(NumericKeyFilter, PassesBackspaceMinusPointSlashAndDigitsAndBeepsForTheRest) {
    int beeps = 0;
    const auto beep = [&beeps] { ++beeps; };
    for (int key : {8, 45, 46, 47, 48, 53, 57}) {
        EXPECT_EQ(NumericKeyFilter(key, beep), key);
    }
    EXPECT_EQ(beeps, 0);
    for (int key : {13, 32, int{'a'}, 44, 58, 27, 0x00B0}) {
        const int before = beeps;
        EXPECT_EQ(NumericKeyFilter(key, beep), 0) << key;
        EXPECT_EQ(beeps, before + 1) << key;
    }
}

}  // namespace
}  // namespace aerolume
