// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "airdata/AirspeedCore.h"
#include "airdata/AltitudeCore.h"
#include "airdata/Atmosphere.h"
#include "common/FormatMask.h"

namespace aerolume {
namespace {

struct PressureAltitudeCase {
    const char* what;
    double msl;
    double altimeter;
    double expected;
};

class PressureAltitudeTest : public ::testing::TestWithParam<PressureAltitudeCase> {};

TEST_P(PressureAltitudeTest, CorrectsTheElevationForTheAltimeterSetting) {
    const PressureAltitudeCase& c = GetParam();
    EXPECT_NEAR(PressureAltitude(c.msl, c.altimeter), c.expected, 0.001) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PressureAltitudeTest,
    ::testing::Values(PressureAltitudeCase{"standard setting", 5000, 29.92126, 5000},
                      PressureAltitudeCase{"high setting", 5000, 30.12, 4816.6923},
                      PressureAltitudeCase{"almost standard", 5000, 29.92, 5001.1653},
                      PressureAltitudeCase{"lowest of the ranges", -1500, 36, -6709.0355},
                      PressureAltitudeCase{"highest of the ranges", 36000, 27, 38815.2061}));

TEST(PressureAltitude, IsExactlyTheElevationAtTheStandardSetting) {
    EXPECT_EQ(PressureAltitude(0, 29.92126), 0.0);
    EXPECT_EQ(PressureAltitude(-1234, 29.92126), -1234.0);
}

struct FahrenheitCase {
    double fahrenheit;
    double celsius;
};

class FahrenheitTest : public ::testing::TestWithParam<FahrenheitCase> {};

TEST_P(FahrenheitTest, ConvertsToCelsius) {
    EXPECT_NEAR(FahrenheitToCelsius(GetParam().fahrenheit), GetParam().celsius, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, FahrenheitTest,
                         ::testing::Values(FahrenheitCase{95, 35}, FahrenheitCase{50, 10},
                                           FahrenheitCase{32, 0}, FahrenheitCase{-40, -40},
                                           FahrenheitCase{302, 150},
                                           FahrenheitCase{303, 150.5555555556},
                                           FahrenheitCase{-508, -300},
                                           FahrenheitCase{-460, -273.3333333333}));

struct AltitudeCase {
    const char* what;
    AltitudeInput input;
    double pressureAltitude;
    double densityAltitude;
    const char* pressureCaption;  // under "######"
    const char* densityCaption;
};

class ComputeAltitudesTest : public ::testing::TestWithParam<AltitudeCase> {};

TEST_P(ComputeAltitudesTest, GivesPressureAndDensityAltitude) {
    const AltitudeCase& c = GetParam();
    const auto result = ComputeAltitudes(c.input);
    ASSERT_TRUE(result.has_value()) << c.what;
    EXPECT_NEAR(result->PressureAltitude, c.pressureAltitude, 0.001) << c.what;
    EXPECT_NEAR(result->DensityAltitude, c.densityAltitude, 0.001) << c.what;
    EXPECT_EQ(formatMask(result->PressureAltitude, Mask::D6), c.pressureCaption) << c.what;
    EXPECT_EQ(formatMask(result->DensityAltitude, Mask::D6), c.densityCaption) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComputeAltitudesTest,
    ::testing::Values(
        AltitudeCase{
            "warm day, high setting", {5000, 30.12, 25}, 4816.6923, 7039.0340, "4817", "7039"},
        AltitudeCase{"hot day", {5000, 29.92, 35}, 5001.1653, 8330.1873, "5001", "8330"},
        AltitudeCase{
            "highest and thinnest", {36000, 27, 15}, 38815.2061, 46316.1322, "38815", "46316"},
        AltitudeCase{
            "highest, hottest", {36000, 36, 150}, 30790.9645, 46383.3938, "30791", "46383"},
        AltitudeCase{"lowest, coldest sensible",
                     {-1499, 36, -40},
                     -6708.0355,
                     -16174.7970,
                     "-6708",
                     "-16175"},
        AltitudeCase{"just above absolute zero",
                     {-1499, 27, -273},
                     1316.2061,
                     -704406.5912,
                     "1316",
                     "-704407"},
        AltitudeCase{
            "nearly standard rounds to nothing", {0, 29.921, 15}, 0.2405, 0.2970, "", ""}));

TEST(ComputeAltitudes, TheStandardAtmosphereAtSeaLevelIsExactlyZero) {
    const auto result = ComputeAltitudes({0, 29.92126, 15});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->PressureAltitude, 0.0);
    EXPECT_EQ(result->DensityAltitude, 0.0);
    EXPECT_EQ(formatMask(result->DensityAltitude, Mask::D6), "");
}

class AltitudesAtAbsoluteZeroTest : public ::testing::TestWithParam<double> {};

TEST_P(AltitudesAtAbsoluteZeroTest, HaveNoDensityAltitude) {
    EXPECT_FALSE(ComputeAltitudes({5000, 29.92, GetParam()}).has_value());
}

INSTANTIATE_TEST_SUITE_P(Cases, AltitudesAtAbsoluteZeroTest,
                         ::testing::Values(-273.15, -273.16, -274, -300,
                                           FahrenheitToCelsius(-460)));

TEST(ComputeAltitudes, JustAboveAbsoluteZeroStaysFinite) {
    const auto result = ComputeAltitudes({0, 29.92126, -273.14});
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(std::isfinite(result->DensityAltitude));
    EXPECT_LT(result->DensityAltitude, -1e6);
}

struct AirspeedCase {
    const char* what;
    AirspeedInput input;
    double trueAirspeed;
    double mach;
    const char* tasCaption;   // under "#####.#"
    const char* machCaption;  // under "#.###"
};

class ComputeAirspeedTest : public ::testing::TestWithParam<AirspeedCase> {};

TEST_P(ComputeAirspeedTest, GivesTrueAirspeedAndMach) {
    const AirspeedCase& c = GetParam();
    const auto result = ComputeAirspeed(c.input);
    ASSERT_TRUE(result.has_value()) << c.what;
    EXPECT_NEAR(result->TrueAirspeed, c.trueAirspeed, 0.0001) << c.what;
    EXPECT_NEAR(result->Mach, c.mach, 1e-6) << c.what;
    EXPECT_EQ(formatMask(result->TrueAirspeed, Mask::D5_1), c.tasCaption) << c.what;
    EXPECT_EQ(formatMask(result->Mach, Mask::D1_3), c.machCaption) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ComputeAirspeedTest,
    ::testing::Values(
        AirspeedCase{"sea level", {100, 0, 29.92, 15}, 100.00209, 0.151180, "100.", ".151"},
        AirspeedCase{
            "ten thousand feet", {250, 10000, 30.12, -5}, 287.62630, 0.450747, "287.6", ".451"},
        AirspeedCase{
            "beyond Mach 1", {450, 35000, 29.92, -54}, 713.19479, 1.236320, "713.2", "1.236"},
        AirspeedCase{
            "fifty Fahrenheit", {120, 8000, 29.5, 10}, 138.85498, 0.211761, "138.9", ".212"},
        AirspeedCase{"fastest", {2000, 0, 29.92, 15}, 2000.01814, 3.023557, "2000.", "3.024"},
        AirspeedCase{
            "lowest altitude", {100, -1500, 29.92, 15}, 97.35614, 0.147180, "97.4", ".147"},
        AirspeedCase{
            "highest altitude", {100, 36000, 29.92, 15}, 209.12469, 0.316147, "209.1", ".316"},
        AirspeedCase{"lowest setting", {100, 0, 27, 15}, 105.23849, 0.159096, "105.2", ".159"},
        AirspeedCase{"highest setting", {100, 0, 36, 15}, 91.21104, 0.137890, "91.2", ".138"},
        AirspeedCase{"hottest", {100, 0, 29.92, 150}, 121.18447, 0.151180, "121.2", ".151"},
        AirspeedCase{
            "just above absolute zero", {100, 0, 29.92, -273}, 2.28163, 0.151180, "2.3", ".151"},
        AirspeedCase{"very slow", {0.5, 0, 29.92, 15}, 0.50001, 0.000756, ".5", ".001"}));

class AirspeedAtAbsoluteZeroTest : public ::testing::TestWithParam<double> {};

TEST_P(AirspeedAtAbsoluteZeroTest, HasNoSpeedOfSound) {
    EXPECT_FALSE(ComputeAirspeed({100, 0, 29.92, GetParam()}).has_value());
}

INSTANTIATE_TEST_SUITE_P(Cases, AirspeedAtAbsoluteZeroTest,
                         ::testing::Values(-273.15, -273.16, -274, -300,
                                           FahrenheitToCelsius(-460)));

TEST(ComputeAirspeed, EveryCornerOfTheAcceptedRangesIsFinite) {
    for (double cas : {0.001, 2000.0}) {
        for (double msl : {-1500.0, 36000.0}) {
            for (double altimeter : {27.0, 36.0}) {
                for (double oat : {-273.14, 150.0}) {
                    const auto result = ComputeAirspeed({cas, msl, altimeter, oat});
                    ASSERT_TRUE(result.has_value());
                    EXPECT_TRUE(std::isfinite(result->TrueAirspeed));
                    EXPECT_GT(result->Mach, 0);
                }
            }
        }
    }
}

}  // namespace
}  // namespace aerolume
