// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/FormatMask.h"

namespace aerolume {
namespace {

struct Formatted {
    double value;
    Mask mask;
    std::string shown;
};

void PrintTo(const Formatted& f, std::ostream* os) {
    *os << f.value << " under " << maskPattern(f.mask);
}

class FormatMaskTest : public ::testing::TestWithParam<Formatted> {};

TEST_P(FormatMaskTest, Shows) {
    EXPECT_EQ(formatMask(GetParam().value, GetParam().mask), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    OneDecimal, FormatMaskTest,
    ::testing::Values(Formatted{120, Mask::D3_1, "120."}, Formatted{0.5, Mask::D3_1, ".5"},
                      Formatted{12.34, Mask::D3_1, "12.3"}, Formatted{0, Mask::D3_1, "."},
                      Formatted{-0.0, Mask::D3_1, "."}, Formatted{-0.04, Mask::D3_1, "."},
                      Formatted{-0.05, Mask::D3_1, "-.1"}, Formatted{-12.34, Mask::D3_1, "-12.3"},
                      Formatted{99.95, Mask::D3_1, "100."}, Formatted{99.94999, Mask::D3_1, "99.9"},
                      Formatted{12345.67, Mask::D3_1, "12345.7"},
                      Formatted{32.25 * 9 / 5 + 32, Mask::D3_1, "90.1"},
                      Formatted{1013.2, Mask::D4_1, "1013.2"},
                      Formatted{29.92 * 33.86363636, Mask::D4_1, "1013.2"},
                      Formatted{2080, Mask::D7_1, "2080."},
                      Formatted{1234567.85, Mask::D7_1, "1234567.9"},
                      Formatted{100.04, Mask::D5_1, "100."}, Formatted{287.64, Mask::D5_1, "287.6"},
                      Formatted{0.25, Mask::D5_1, ".3"}, Formatted{-0.25, Mask::D5_1, "-.3"}));

INSTANTIATE_TEST_SUITE_P(
    SeveralDecimals, FormatMaskTest,
    ::testing::Values(Formatted{1.005, Mask::D2_2, "1.01"}, Formatted{29.9125, Mask::D2_2, "29.91"},
                      Formatted{0.1, Mask::D2_2, ".1"}, Formatted{10, Mask::D2_2, "10."},
                      Formatted{0.004, Mask::D2_2, "."}, Formatted{0.151, Mask::D1_3, ".151"},
                      Formatted{1.2364, Mask::D1_3, "1.236"}, Formatted{0.0005, Mask::D1_3, ".001"},
                      Formatted{0.00049, Mask::D1_3, "."}, Formatted{12.5, Mask::D1_3, "12.5"}));

INSTANTIATE_TEST_SUITE_P(
    WholeNumbers, FormatMaskTest,
    ::testing::Values(Formatted{4817.4, Mask::D6, "4817"}, Formatted{7038.5, Mask::D6, "7039"},
                      Formatted{-7038.5, Mask::D6, "-7039"}, Formatted{0, Mask::D6, ""},
                      Formatted{0.49, Mask::D6, ""}, Formatted{-0.49, Mask::D6, ""},
                      Formatted{0.5, Mask::D6, "1"}, Formatted{-0.5, Mask::D6, "-1"},
                      Formatted{1234567, Mask::D6, "1234567"}, Formatted{1000, Mask::D5, "1000"},
                      Formatted{499.99999, Mask::D5, "500"}, Formatted{-2.5, Mask::D5, "-3"}));

INSTANTIATE_TEST_SUITE_P(
    Fixed, FormatMaskTest,
    ::testing::Values(
        Formatted{0.5, Mask::Fixed, "0.50"}, Formatted{2143.7261, Mask::Fixed, "2143.73"},
        Formatted{0, Mask::Fixed, "0.00"}, Formatted{-0.004, Mask::Fixed, "0.00"},
        Formatted{-0.005, Mask::Fixed, "-0.01"}, Formatted{-12.5, Mask::Fixed, "-12.50"},
        Formatted{359.999, Mask::Fixed, "360.00"}, Formatted{33.448, Mask::Fixed, "33.45"},
        Formatted{1.005, Mask::Fixed, "1.01"}, Formatted{100, Mask::Fixed, "100.00"},
        Formatted{123456789.125, Mask::Fixed, "123456789.13"},
        Formatted{1e20, Mask::Fixed, "100000000000000000000.00"}));

TEST(FormatMask, NonFiniteValuesAreNeverFormatted) {
    for (Mask mask : {Mask::D3_1, Mask::D4_1, Mask::D5, Mask::D6, Mask::D7_1, Mask::D2_2,
                      Mask::D1_3, Mask::D5_1, Mask::Fixed}) {
        EXPECT_EQ(formatMask(std::numeric_limits<double>::quiet_NaN(), mask), "")
            << maskPattern(mask);
        EXPECT_EQ(formatMask(std::numeric_limits<double>::infinity(), mask), "")
            << maskPattern(mask);
        EXPECT_EQ(formatMask(-std::numeric_limits<double>::infinity(), mask), "")
            << maskPattern(mask);
    }
}

TEST(FormatMask, ValuesJustUnderAndOverAHalfRoundToTheirNeighbours) {
    EXPECT_EQ(formatMask(std::nextafter(0.25, 0.0), Mask::D5_1), ".3");  // a half at 15 digits
    EXPECT_EQ(formatMask(0.2499999999, Mask::D5_1), ".2");
    EXPECT_EQ(formatMask(0.2500000001, Mask::D5_1), ".3");
    EXPECT_EQ(formatMask(1.4999999999, Mask::D6), "1");
    EXPECT_EQ(formatMask(1.5, Mask::D6), "2");
    EXPECT_EQ(formatMask(std::numeric_limits<double>::denorm_min(), Mask::Fixed), "0.00");
}

TEST(FormatFixed, LeadingZeroFixedPlacesAndNoMinusOnZero) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } rows[] = {{0.5, 1, "0.5"},      {12, 1, "12.0"},
                {0.05, 1, "0.1"},     {-0.04, 1, "0.0"},
                {-0.05, 1, "-0.1"},   {1.005, 2, "1.01"},
                {2.5, 0, "3"},        {-2.5, 0, "-3"},
                {-0.4, 0, "0"},       {0, 0, "0"},
                {2400, 0, "2400"},    {99.95, 1, "100.0"},
                {0.0004, 3, "0.000"}, {123456.7891, 4, "123456.7891"}};
    for (const auto& row : rows) {
        EXPECT_EQ(formatFixed(row.value, row.decimals), row.text) << row.value;
    }
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::quiet_NaN(), 1), "");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 0), "");
}

TEST(FormatExact, ShowsTheDigitsThatMakeAValueDifferent) {
    const struct {
        double value;
        const char* text;
    } rows[] = {{90.0000001, "90.0000001"},
                {-90, "-90"},
                {2000000, "2000000"},
                {1e308, "1e+308"},
                {-0.0, "0"},
                {0.1, "0.1"},
                {1e-7, "1e-07"},
                {123456789012345, "123456789012345"},
                {1e15, "1e+15"},
                {-2.5e-6, "-0.0000025"}};
    for (const auto& row : rows) {
        EXPECT_EQ(formatExact(row.value), row.text) << row.value;
    }
}

}  // namespace
}  // namespace aerolume
