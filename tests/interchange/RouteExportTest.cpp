// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "interchange/FmsFormat.h"
#include "interchange/RouteExport.h"

namespace aerolume::interchange {
namespace {

RoutePoint pt(const char* identifier, WaypointType type, const char* country, double lat,
              double lon, const char* name = "", std::optional<double> elevationFt = {}) {
    return {identifier, type, country, lat, lon, name, elevationFt};
}

struct NameCase {
    const char* name;
    const char* identifier;
};

class DerivedIdentifierTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(DerivedIdentifierTest, IsUpperCaseLettersAndDigitsOfAtMostSix) {
    const QString got = derivedIdentifier(QString::fromUtf8(GetParam().name));
    EXPECT_EQ(got.toStdString(), GetParam().identifier) << GetParam().name;
    EXPECT_TRUE(isUserIdentifier(got.toStdString())) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, DerivedIdentifierTest,
    ::testing::Values(NameCase{"Home", "HOME"}, NameCase{"M40 J9", "M40J9"},
                      NameCase{"Lake Elsinore", "LKELSN"}, NameCase{"Reporting point 2", "RPRTP2"},
                      NameCase{"Golden Gate Bridge", "GLDNGB"}, NameCase{"Île d'Yeu", "ILEDYE"},
                      NameCase{"Øresund", "ORESUN"}, NameCase{"Straße", "STRASS"},
                      NameCase{"a b c d e f g h", "ABCDEF"}, NameCase{"52°04′N 001°01′W", "50N00W"},
                      NameCase{"東京", "WPT"}, NameCase{"", "WPT"}));

RoutePoint user(const char* identifier, const char* name, double lat, double lon) {
    return {identifier, WaypointType::UserWaypoint, "", lat, lon, name, std::nullopt};
}

std::vector<std::string> identifiers(const Route& route) {
    std::vector<std::string> result;
    for (const RoutePoint& p : route.points) {
        result.push_back(p.identifier);
    }
    return result;
}

TEST(PrepareForExportTest, UserWaypointsTakeUniqueIdentifiersDataPointsKeepTheirs) {
    const Route route{"Trip",
                      {{"EGTK", WaypointType::Airport, "EG", 51.8, -1.3, "Oxford", 270},
                       user("", "Lake Elsinore", 33.6, -117.3),
                       user("", "Lake Elsinore shore", 33.7, -117.3),
                       user("LKELSN", "", 33.8, -117.3),
                       user("", "EGTK", 51.0, -1.0),
                       user("", "Lake Elsinore", 33.6, -117.3),
                       {"US-0042", WaypointType::Airport, "US", 40, -100, "Farm strip", 900},
                       {"DTY", WaypointType::Vor, "E", 52.2, -1.1, "Daventry", std::nullopt}}};
    const auto prepared = prepareForExport(route);
    ASSERT_TRUE(std::holds_alternative<Route>(prepared));
    const auto& r = std::get<Route>(prepared);
    EXPECT_EQ(identifiers(r), (std::vector<std::string>{"EGTK", "LKELSN", "LKELSS", "LKELS1",
                                                        "EGTK1", "LKELSN", "FRMSTR", "DTY"}));
    EXPECT_EQ(r.points[0].countryCode, "EG");
    EXPECT_EQ(r.points[6].type, WaypointType::UserWaypoint);  // not an identifier units take
    EXPECT_EQ(r.points[7].type, WaypointType::Vor);
    EXPECT_EQ(r.points[7].countryCode, "");  // not a two-letter code
    EXPECT_EQ(std::get<Route>(prepareForExport(r)), r) << "exporting again changes nothing";
}

TEST(PrepareForExportTest, RefusesRoutesAFileCannotHold) {
    Route route;
    route.points.push_back(user("A", "", 1, 1));
    EXPECT_TRUE(std::holds_alternative<QString>(prepareForExport(route)));
    route.points.resize(kMaxExportPoints, user("A", "", 1, 1));
    EXPECT_TRUE(std::holds_alternative<Route>(prepareForExport(route)));
    route.points.push_back(user("B", "", 2, 2));
    const auto refused = prepareForExport(route);
    ASSERT_TRUE(std::holds_alternative<QString>(refused));
    EXPECT_TRUE(std::get<QString>(refused).contains(QStringLiteral("at most 300")));
}

TEST(FmsTest, WritesTheSimulatorsLayout) {
    const Route route{"",
                      {{"KSMO", WaypointType::Airport, "K2", 34.015833, -118.451389, "", 177},
                       {"SMO", WaypointType::Vor, "K2", 34.010333, -118.456833, "", 0},
                       pt("VPLPT", WaypointType::Intersection, "K2", 33.8575, -118.398056),
                       pt("DPE", WaypointType::Ndb, "", 49.8247, 1.2333),
                       user("LKELSN", "Lake Elsinore", 33.6, -117.3),
                       {"KAVX", WaypointType::Airport, "K2", 33.405, -118.415833, "", 1602}}};
    EXPECT_EQ(writeFms(route, QDate(2026, 7, 14)).toStdString(),
              "I\n1100 Version\nCYCLE 2607\nADEP KSMO\nADES KAVX\nNUMENR 6\n"
              "1 KSMO ADEP 177.000000 34.015833 -118.451389\n"
              "3 SMO DRCT 0.000000 34.010333 -118.456833\n"
              "11 VPLPT DRCT 0.000000 33.857500 -118.398056\n"
              "2 DPE DRCT 0.000000 49.824700 1.233300\n"
              "28 LKELSN DRCT 0.000000 33.600000 -117.300000\n"
              "1 KAVX ADES 1602.000000 33.405000 -118.415833\n");
    const Route open{"", {user("A", "", 0.0000001, -0.0000004), user("B", "", 1, 1)}};
    const std::string text = writeFms(open, QDate(2026, 1, 1)).toStdString();
    EXPECT_NE(text.find("DEP A\nDES B\n"), std::string::npos) << text;
    EXPECT_NE(text.find("28 A DRCT 0.000000 0.000000 0.000000\n"), std::string::npos) << text;
}

struct CycleCase {
    QDate date;
    int cycle;
};

class AiracCycleTest : public ::testing::TestWithParam<CycleCase> {};

TEST_P(AiracCycleTest, CountsCyclesOfTheirYear) {
    EXPECT_EQ(airacCycle(GetParam().date), GetParam().cycle)
        << GetParam().date.toString().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Dates, AiracCycleTest,
    ::testing::Values(CycleCase{QDate(2020, 1, 2), 2001}, CycleCase{QDate(2020, 1, 1), 1913},
                      CycleCase{QDate(2020, 12, 31), 2014}, CycleCase{QDate(2021, 1, 28), 2101},
                      CycleCase{QDate(2026, 1, 22), 2601}, CycleCase{QDate(2026, 1, 21), 2513}));

}  // namespace
}  // namespace aerolume::interchange
