// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "planning/Coordinates.h"

namespace aerolume::planning {
namespace {

struct Typed {
    const char* text;
    bool latitude;
    std::optional<double> degrees;
};

class ParseCoordinateTest : public ::testing::TestWithParam<Typed> {};

TEST_P(ParseCoordinateTest, ReadsTheFormsAPilotTypes) {
    const Typed& t = GetParam();
    const auto value = parseCoordinate(t.text, t.latitude);
    ASSERT_EQ(value.has_value(), t.degrees.has_value()) << t.text;
    if (value) {
        EXPECT_NEAR(*value, *t.degrees, 1e-9) << t.text;
        EXPECT_FALSE(std::signbit(*value) && *value == 0) << t.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseCoordinateTest,
    ::testing::Values(Typed{"33.95", true, 33.95}, Typed{"-118.4", false, -118.4},
                      Typed{"33.95N", true, 33.95}, Typed{"S 12.5", true, -12.5},
                      Typed{"118.4 w", false, -118.4}, Typed{"33 57 00 N", true, 33.95},
                      Typed{"33°57'N", true, 33.95}, Typed{"33°57.5′ S", true, -(33 + 57.5 / 60)},
                      Typed{"118 24 W", false, -118.4}, Typed{"-33 57", true, -33.95},
                      Typed{"33°57′36″N", true, 33.96}, Typed{"  10 E ", false, 10},
                      Typed{"180 W", false, -180}, Typed{"90S", true, -90}, Typed{"-0", true, 0},
                      Typed{"0 00 00 S", true, 0}));

INSTANTIATE_TEST_SUITE_P(Refused, ParseCoordinateTest,
                         ::testing::Values(Typed{"", true, {}}, Typed{"N", true, {}},
                                           Typed{"33.95E", true, {}}, Typed{"118N", false, {}},
                                           Typed{"-33N", true, {}}, Typed{"90.1", true, {}},
                                           Typed{"180.5 E", false, {}}, Typed{"33 60 N", true, {}},
                                           Typed{"33 57 60 N", true, {}},
                                           Typed{"33.5 30 N", true, {}},
                                           Typed{"33 57 00 00", true, {}}, Typed{"33x", true, {}},
                                           Typed{"°33", true, {}}, Typed{"1e3", false, {}},
                                           Typed{"33-", true, {}}, Typed{"N 33 S", true, {}}));

struct Shown {
    double degrees;
    bool latitude;
    const char* text;
};

class FormatCoordinateTest : public ::testing::TestWithParam<Shown> {};

TEST_P(FormatCoordinateTest, ShowsDegreesAndMinutesWithTheHemisphere) {
    EXPECT_EQ(formatCoordinate(GetParam().degrees, GetParam().latitude), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FormatCoordinateTest,
    ::testing::Values(Shown{33.95, true, "33°57.00′N"}, Shown{-118.4, false, "118°24.00′W"},
                      Shown{0, true, "0°00.00′N"}, Shown{-0.0, false, "0°00.00′E"},
                      Shown{-0.00001, true, "0°00.00′N"}, Shown{12.5, false, "12°30.00′E"},
                      Shown{-33.0 - 1 / 60.0 / 1000, true, "33°00.00′S"},
                      Shown{45.99999999, true, "46°00.00′N"}, Shown{-180, false, "180°00.00′W"},
                      Shown{NAN, true, ""}));

TEST(FormatPositionTest, WritesLatitudeThenLongitude) {
    EXPECT_EQ(formatPosition(33.95, -118.4), "33°57.00′N 118°24.00′W");
}

TEST(CoordinateRoundTripTest, AShownPositionReadsBackToTheHundredthOfAMinute) {
    for (double value : {0.0, 1.0 / 7, -45.123456, 89.999, -179.99}) {
        const auto back = parseCoordinate(formatCoordinate(value, false), false);
        ASSERT_TRUE(back.has_value()) << value;
        EXPECT_NEAR(*back, value, 0.005 / 60 + 1e-12) << value;
    }
}

}  // namespace
}  // namespace aerolume::planning
