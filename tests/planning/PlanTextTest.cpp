// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "planning/PlanText.h"

namespace aerolume::planning {
namespace {

TEST(PlanTextTest, DirectionsAnglesAndVariationsAsPilotsWriteThem) {
    const std::pair<double, const char*> directions[] = {
        {93.4, "093°"}, {0, "360°"}, {359.6, "360°"}, {0.4, "360°"}, {5.5, "006°"}, {270, "270°"}};
    for (const auto& [value, text] : directions) {
        EXPECT_EQ(formatDirection(value), text) << value;
    }
    const std::pair<double, const char*> angles[] = {
        {4.6, "+5°"}, {-12.2, "-12°"}, {0.3, "0°"}, {-0.3, "0°"}, {NAN, ""}};
    for (const auto& [value, text] : angles) {
        EXPECT_EQ(formatWca(value), text) << value;
    }
    const std::pair<double, const char*> variations[] = {
        {12.5, "12.5° E"}, {-3, "3.0° W"}, {0, "0.0°"}, {-0.04, "0.0°"}, {INFINITY, ""}};
    for (const auto& [value, text] : variations) {
        EXPECT_EQ(formatVariation(value), text) << value;
    }
    EXPECT_EQ(formatWind(270, 15), "270°/15 kt");
}

TEST(PlanTextTest, TypedVariations) {
    const std::pair<const char*, std::optional<double>> typed[] = {
        {"12.5E", 12.5}, {"3 W", -3}, {"3.0° w", -3}, {"-3", -3},     {"4", 4}, {"0W", 0},
        {"-3W", {}},     {"E", {}},   {"181E", {}},   {"12.5 X", {}}, {"", {}}, {"180W", -180}};
    for (const auto& [text, value] : typed) {
        EXPECT_EQ(parseVariation(text), value) << text;
    }
    EXPECT_EQ(parseInRange(" 120 ", kAirspeedRange), 120);
    EXPECT_FALSE(parseInRange("0", kAirspeedRange));
    EXPECT_FALSE(parseInRange("1e3", kAirspeedRange));
}

TEST(PlanTextTest, CsvHasOneHeaderRowAndTheSameColumnsInEveryRow) {
    Plan plan;
    plan.defaults.trueAirspeed = 120;
    plan.checkpoints = {{"Home, field", 0, 0, {}}, {"East \"1\"", 0, 1, {}}, {"Far", 0, 2, {}}};
    plan.checkpoints[2].leg.windDirection = 90;
    plan.checkpoints[2].leg.windSpeed = 150;
    const std::string csv = planCsv(plan, ComputePlan(plan));
    std::istringstream lines(csv);
    std::string line;
    std::vector<std::string> rows;
    while (std::getline(lines, line)) {
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        rows.push_back(line);
    }
    ASSERT_EQ(rows.size(), 4U);
    auto fields = [](const std::string& row) {
        int commas = 0;
        bool quoted = false;
        for (char c : row) {
            quoted = c == '"' ? !quoted : quoted;
            commas += (c == ',' && !quoted) ? 1 : 0;
        }
        return commas + 1;
    };
    for (const std::string& row : rows) {
        EXPECT_EQ(fields(row), 20) << row;
    }
    // Every header names its unit, the fuel in the plan's.
    EXPECT_EQ(rows[0].substr(0, 76),
              "Checkpoint,Latitude (° north positive),Longitude (° east positive),TC (°)");
    EXPECT_NE(rows[0].find(",Leg fuel (US gal),Fuel remaining (US gal),"), std::string::npos);
    EXPECT_EQ(rows[1], "\"Home, field\",0.000000,0.000000,,,,,,,,,,120.0,,,,39.0,,,");
    EXPECT_EQ(rows[2],
              "\"East \"\"1\"\"\",0.000000,1.000000,90,0,0,120,0,90,0.0,90,60.0,60.0,120,30.0,"
              "4.0,35.0,,,");
    // The leg that cannot be flown: no heading, time or fuel, nothing remaining.
    EXPECT_EQ(rows[3], "Far,0.000000,2.000000,90,90,150,120,,,0.0,,60.0,0.0,,,,,,,");
    // More taxi fuel than the fuel at start: none left, never less.
    plan.defaults.fuelAtStart = 0.5;
    EXPECT_NE(planCsv(plan, ComputePlan(plan)).find(",,,,0.0,,,\r\n"), std::string::npos);
}

TEST(PlanTextTest, CsvCarriesTheEtaOfEveryCheckpointKnown) {
    Plan plan;
    plan.defaults.trueAirspeed = 120;
    plan.checkpoints = {{"A", 0, 0, {}}, {"B", 0, 1, {}}, {"C", 0, 2, {}}};
    plan.departureTime = TimeOfDay{23, 45};
    const std::string csv = planCsv(plan, ComputePlan(plan));
    // The departure, 30 minutes later past midnight, and 30 more.
    for (const char* eta : {",39.0,23:45,,\r\n", ",00:15 +1,,\r\n", ",00:45 +1,,\r\n"}) {
        EXPECT_NE(csv.find(eta), std::string::npos) << eta << "\n" << csv;
    }
}

}  // namespace
}  // namespace aerolume::planning
