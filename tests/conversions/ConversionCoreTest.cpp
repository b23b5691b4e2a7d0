// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "conversions/ConversionCore.h"

namespace aerolume {
namespace {

// Expected values are worked out by hand in exact decimal arithmetic from the
// program's constants; a double result must agree to about 12 significant digits.
void expectClose(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-12 + 1e-12) << what;
}

struct UnitCase {
    const char* what;
    UnitConversion conversion;
    double value;
    double expected;
};

class ConvertUnitTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(ConvertUnitTest, UsesTheProgramsConstants) {
    const UnitCase& c = GetParam();
    expectClose(ConvertUnit(c.conversion, c.value), c.expected, c.what);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConvertUnitTest,
    ::testing::Values(
        UnitCase{"boiling point", UnitConversion::CelsiusToFahrenheit, 100, 212},
        UnitCase{"minus forty meets", UnitConversion::CelsiusToFahrenheit, -40, -40},
        UnitCase{"freezing point", UnitConversion::FahrenheitToCelsius, 32, 0},
        UnitCase{"body temperature", UnitConversion::FahrenheitToCelsius, 98.6, 37},
        UnitCase{"standard pressure", UnitConversion::InchesHgToMillibars, 29.92, 1013.1999998912},
        UnitCase{"one inch", UnitConversion::InchesHgToMillibars, 1, 33.86363636},
        UnitCase{"1013 mb", UnitConversion::MillibarsToInchesHg, 1013, 29.914093962943795},
        UnitCase{"100 lb", UnitConversion::PoundsToKilograms, 100, 45.359702440351991},
        UnitCase{"100 kg", UnitConversion::KilogramsToPounds, 100, 220.46},
        UnitCase{"an 11-digit mass", UnitConversion::KilogramsToPounds, 99999999999,
                 220459999997.7954},
        UnitCase{"0.304 m per foot, not 0.3048", UnitConversion::FeetToMetres, 1000, 304},
        UnitCase{"negative feet", UnitConversion::FeetToMetres, -10, -3.04},
        UnitCase{"100 m", UnitConversion::MetresToFeet, 100, 328.08}));

struct DistanceCase {
    const char* what;
    DistanceInput input;
    DistanceResult expected;
};

class ComputeDistanceTest : public ::testing::TestWithParam<DistanceCase> {};

TEST_P(ComputeDistanceTest, GivesAllThreeUnits) {
    const DistanceCase& c = GetParam();
    const DistanceResult r = ComputeDistance(c.input);
    expectClose(r.NauticalMiles, c.expected.NauticalMiles, c.what);
    expectClose(r.StatuteMiles, c.expected.StatuteMiles, c.what);
    expectClose(r.Kilometres, c.expected.Kilometres, c.what);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ComputeDistanceTest,
    ::testing::Values(DistanceCase{"100 NM",
                                   {100, DistanceUnit::NauticalMiles},
                                   {100, 115.15972222, 185.331607996424}},
                      DistanceCase{"100 SM",
                                   {100, DistanceUnit::StatuteMiles},
                                   {86.835916301500784, 100, 160.9344}},
                      DistanceCase{"100 km",
                                   {100, DistanceUnit::Kilometres},
                                   {53.957336841284886, 62.137119223733397, 100}},
                      DistanceCase{"negative NM",
                                   {-1, DistanceUnit::NauticalMiles},
                                   {-1, -1.1515972222, -1.85331607996424}},
                      DistanceCase{"zero km", {0, DistanceUnit::Kilometres}, {0, 0, 0}}));

TEST(ComputeDistance, TheGivenUnitIsTheInputItself) {
    EXPECT_EQ(ComputeDistance({123.456, DistanceUnit::NauticalMiles}).NauticalMiles, 123.456);
    EXPECT_EQ(ComputeDistance({123.456, DistanceUnit::StatuteMiles}).StatuteMiles, 123.456);
    EXPECT_EQ(ComputeDistance({123.456, DistanceUnit::Kilometres}).Kilometres, 123.456);
}

TEST(ComputeDistance, ConvertingBackGivesTheDistanceAgain) {
    const DistanceResult fromNm = ComputeDistance({250, DistanceUnit::NauticalMiles});
    expectClose(ComputeDistance({fromNm.Kilometres, DistanceUnit::Kilometres}).NauticalMiles, 250,
                "via km");
    expectClose(ComputeDistance({fromNm.StatuteMiles, DistanceUnit::StatuteMiles}).NauticalMiles,
                250, "via SM");
}

struct VolumeCase {
    const char* what;
    VolumeInput input;
    VolumeResult expected;
};

class ComputeVolumeTest : public ::testing::TestWithParam<VolumeCase> {};

TEST_P(ComputeVolumeTest, GivesAllThreeUnits) {
    const VolumeCase& c = GetParam();
    const VolumeResult r = ComputeVolume(c.input);
    expectClose(r.UsGallons, c.expected.UsGallons, c.what);
    expectClose(r.ImperialGallons, c.expected.ImperialGallons, c.what);
    expectClose(r.Litres, c.expected.Litres, c.what);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ComputeVolumeTest,
    ::testing::Values(
        VolumeCase{"10 US gal", {10, VolumeUnit::UsGallons}, {10, 8.3270880173203431, 37.854}},
        VolumeCase{"10 imp gal", {10, VolumeUnit::ImperialGallons}, {12.009, 10, 45.4588686}},
        VolumeCase{
            "10 litres", {10, VolumeUnit::Litres}, {2.6417287472922280, 2.1997907796587793, 10}},
        VolumeCase{"nothing", {0, VolumeUnit::Litres}, {0, 0, 0}}));

struct CrosswindCase {
    const char* what;
    CrosswindInput input;
    double expected;
};

class ComputeCrosswindTest : public ::testing::TestWithParam<CrosswindCase> {};

TEST_P(ComputeCrosswindTest, KeepsTheSign) {
    const CrosswindCase& c = GetParam();
    EXPECT_NEAR(ComputeCrosswind(c.input), c.expected, 1e-9) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ComputeCrosswindTest,
    ::testing::Values(CrosswindCase{"30 degrees", {20, 30}, 9.999999989637159},
                      CrosswindCase{"330 degrees", {20, 330}, -10.000000113991252},
                      CrosswindCase{"square on", {50, 90}, 50},
                      CrosswindCase{"from behind the other side", {50, 270}, -50},
                      CrosswindCase{"down the runway", {99, 0}, 0},
                      CrosswindCase{"calm", {0, 45}, 0},
                      CrosswindCase{"beyond a turn", {20, 390}, 9.999999865283066},
                      // The rounded factor puts 180 degrees just short of pi.
                      CrosswindCase{"tail wind", {20, 180}, 7.179586947861643e-08}));

struct ClimbRateCase {
    ClimbInput input;
    double expected;
};

class ComputeClimbRateTest : public ::testing::TestWithParam<ClimbRateCase> {};

TEST_P(ComputeClimbRateTest, IsFeetPerMinute) {
    const ClimbRateCase& c = GetParam();
    expectClose(ComputeClimbRate(c.input), c.expected, "rate");
}

INSTANTIATE_TEST_SUITE_P(Rows, ComputeClimbRateTest,
                         ::testing::Values(ClimbRateCase{{120, 500}, 1000},
                                           ClimbRateCase{{90, 318}, 477},
                                           ClimbRateCase{{0, 500}, 0},
                                           ClimbRateCase{{9999, 9999}, 1666333.35}));

struct ClimbGradientCase {
    ClimbInput input;
    double expected;
};

class ComputeClimbGradientTest : public ::testing::TestWithParam<ClimbGradientCase> {};

TEST_P(ComputeClimbGradientTest, IsFeetPerNauticalMile) {
    const ClimbGradientCase& c = GetParam();
    const auto gradient = ComputeClimbGradient(c.input);
    ASSERT_TRUE(gradient.has_value());
    expectClose(*gradient, c.expected, "gradient");
}

INSTANTIATE_TEST_SUITE_P(Rows, ComputeClimbGradientTest,
                         ::testing::Values(ClimbGradientCase{{120, 1000}, 500},
                                           ClimbGradientCase{{90, 477}, 318},
                                           ClimbGradientCase{{1, 99999}, 5999940},
                                           ClimbGradientCase{{120, 0}, 0}));

TEST(ComputeClimbGradient, NoGradientWithoutGroundSpeed) {
    EXPECT_FALSE(ComputeClimbGradient({0, 1000}).has_value());
    EXPECT_FALSE(ComputeClimbGradient({0, 0}).has_value());
}

}  // namespace
}  // namespace aerolume
