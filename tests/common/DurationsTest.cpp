// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/Durations.h"

namespace aerolume {
namespace {

TEST(Durations, FormattedAsHoursMinutesSecondsToTheNearestSecond) {
    const struct {
        double hours;
        const char* text;
    } rows[] = {{0, "0:00:00"},          {1.0 + 5.5 / 60, "1:05:30"},
                {0.5 / 60, "0:00:30"},   {0.4 / 3600, "0:00:00"},
                {0.5 / 3600, "0:00:01"}, {59.5 / 3600 + 59.0 / 60, "1:00:00"},
                {125.25, "125:15:00"}};
    for (const auto& row : rows) {
        EXPECT_EQ(formatDuration(row.hours), row.text) << row.hours;
    }
    EXPECT_EQ(formatDuration(-1.0 / 3600), "");
    EXPECT_EQ(formatDuration(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(formatDuration(std::numeric_limits<double>::infinity()), "");
}

TEST(Durations, TypedAsHoursAndMinutesOrAsMinutes) {
    const struct {
        const char* text;
        double hours;
    } rows[] = {{"1:05:30", 1 + 5.5 / 60},
                {"1:05", 1 + 5.0 / 60},
                {"0:7", 7.0 / 60},
                {"90", 1.5},
                {"7.5", 0.125},
                {".5", 0.5 / 60},
                {"0", 0},
                {"10:59:59", 10 + 59.0 / 60 + 59.0 / 3600}};
    for (const auto& row : rows) {
        const auto hours = parseDuration(row.text);
        ASSERT_TRUE(hours.has_value()) << row.text;
        EXPECT_NEAR(*hours, row.hours, 1e-12) << row.text;
    }
}

TEST(Durations, MalformedTimesHaveNoValue) {
    for (const char* text : {"", ":", "1:", ":30", "1:60", "1:05:60", "1:2:3:4", "-5", "1.5:00",
                             "1:5.5", "1e3", "abc", "1:-5", "1::5", "1:005"}) {
        EXPECT_FALSE(parseDuration(text).has_value()) << text;
    }
}

}  // namespace
}  // namespace aerolume
