// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/FieldReading.h"

namespace aerolume {
namespace {

struct Reading {
    std::string text;
    std::optional<double> strict;
    double lenient;
};

class FieldReadingTest : public ::testing::TestWithParam<Reading> {};

TEST_P(FieldReadingTest, StrictAndLenient) {
    const Reading& r = GetParam();
    EXPECT_EQ(strictNumber(r.text), r.strict) << '"' << r.text << '"';
    EXPECT_EQ(lenientNumber(r.text), r.lenient) << '"' << r.text << '"';
}

INSTANTIATE_TEST_SUITE_P(WellFormed, FieldReadingTest,
                         ::testing::Values(Reading{"0", 0.0, 0.0}, Reading{"12", 12.0, 12.0},
                                           Reading{"-3.5", -3.5, -3.5}, Reading{".5", 0.5, 0.5},
                                           Reading{"-.5", -0.5, -0.5}, Reading{"7.", 7.0, 7.0},
                                           Reading{"29.92", 29.92, 29.92},
                                           Reading{"000123", 123.0, 123.0},
                                           Reading{"-1500", -1500.0, -1500.0},
                                           Reading{"36000", 36000.0, 36000.0}));

INSTANTIATE_TEST_SUITE_P(
    NotNumbers, FieldReadingTest,
    ::testing::Values(Reading{"", std::nullopt, 0.0}, Reading{"-", std::nullopt, 0.0},
                      Reading{".", std::nullopt, 0.0}, Reading{"-.", std::nullopt, 0.0},
                      Reading{"/5", std::nullopt, 0.0}, Reading{"1.2.3", std::nullopt, 1.2},
                      Reading{"3/4", std::nullopt, 3.0}, Reading{"5-", std::nullopt, 5.0},
                      Reading{"1-2", std::nullopt, 1.0}, Reading{"12abc", std::nullopt, 12.0},
                      Reading{" 12", std::nullopt, 0.0}, Reading{"12 ", std::nullopt, 12.0},
                      Reading{"+5", std::nullopt, 0.0}, Reading{"1e3", std::nullopt, 1.0},
                      Reading{"inf", std::nullopt, 0.0}, Reading{"nan", std::nullopt, 0.0},
                      Reading{"--1", std::nullopt, 0.0}, Reading{"..5", std::nullopt, 0.0},
                      Reading{"7./", std::nullopt, 7.0}, Reading{"-.5.", std::nullopt, -0.5}));

TEST(FieldReading, HugeNumbersAreNotConvertedStrictlyAndReadAsTheLargestDouble) {
    const std::string huge(400, '9');
    EXPECT_EQ(strictNumber(huge), std::nullopt);
    EXPECT_EQ(lenientNumber(huge), std::numeric_limits<double>::max());
    EXPECT_EQ(lenientNumber("-" + huge), std::numeric_limits<double>::lowest());
}

TEST(FieldReading, StrictAndLenientAgreeOnEveryWellFormedNumber) {
    for (const char* text : {"1", "0.25", "-0.001", "65000", "89.999999", "-0"}) {
        ASSERT_TRUE(strictNumber(text).has_value()) << text;
        EXPECT_EQ(*strictNumber(text), lenientNumber(text)) << text;
    }
}

}  // namespace
}  // namespace aerolume
