// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "interchange/RouteMatching.h"

namespace aerolume::interchange {
namespace {

RoutePoint pt(const char* identifier, WaypointType type, const char* country, double lat,
              double lon, const char* name = "", std::optional<double> elevationFt = {}) {
    return {identifier, type, country, lat, lon, name, elevationFt};
}

// A few real places, two of them twins: the VOR "CPT" is both Compton (England) and Cape
// Town (South Africa).
class TableLookup : public PointLookup {
public:
    std::vector<Candidate> candidates(const std::string& identifier,
                                      WaypointType type) const override {
        std::vector<Candidate> found;
        for (const Candidate& c : m_table) {
            if (c.identifier == identifier && c.type == type) {
                found.push_back(c);
            }
        }
        return found;
    }

private:
    std::vector<Candidate> m_table{
        {"EGTK", WaypointType::Airport, "EG", 51.836944, -1.32, "Oxford", 270},
        {"CPT", WaypointType::Vor, "EG", 51.490, -1.219, "Compton", std::nullopt},
        {"CPT", WaypointType::Vor, "FA", -33.964, 18.605, "Cape Town", std::nullopt},
        {"BNE", WaypointType::Vor, "YB", -27.3853, 153.1314, "Brisbane", std::nullopt},
        {"BNE", WaypointType::Ndb, "YB", -27.39, 153.12, "Brisbane NDB", std::nullopt},
        // Two airports of one identifier in two countries, 3 NM apart.
        {"TWIN", WaypointType::Airport, "AA", 10.0, 10.0, "Twin A", std::nullopt},
        {"TWIN", WaypointType::Airport, "BB", 10.0, 10.05, "Twin B", std::nullopt},
    };
};

struct MatchCase {
    const char* what;
    RoutePoint point;
    MatchStatus status;
    const char* name;  // the candidate's, or "" for none
};

class MatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(MatchTest, TakesThePlaceOfTheDataOrSaysWhyNot) {
    const MatchCase& c = GetParam();
    const auto matches = matchRoute(Route{"", {c.point}}, TableLookup());
    ASSERT_EQ(matches.size(), 1U);
    EXPECT_EQ(matches[0].status, c.status) << c.what;
    EXPECT_EQ(matches[0].candidate ? matches[0].candidate->name : "", c.name) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Points, MatchTest,
    ::testing::Values(
        MatchCase{"exact", pt("EGTK", WaypointType::Airport, "EG", 51.8369, -1.3200),
                  MatchStatus::Matched, "Oxford"},
        MatchCase{"a mile off, no country", pt("EGTK", WaypointType::Airport, "", 51.85, -1.32),
                  MatchStatus::Matched, "Oxford"},
        MatchCase{"twin in England", pt("CPT", WaypointType::Vor, "EG", 51.49, -1.22),
                  MatchStatus::Matched, "Compton"},
        MatchCase{"twin in South Africa", pt("CPT", WaypointType::Vor, "", -33.96, 18.60),
                  MatchStatus::Matched, "Cape Town"},
        MatchCase{"the type tells VOR from NDB",
                  pt("BNE", WaypointType::Ndb, "YB", -27.3853, 153.1314), MatchStatus::Matched,
                  "Brisbane NDB"},
        MatchCase{"own country first, though farther",
                  pt("TWIN", WaypointType::Airport, "BB", 10.0, 10.0), MatchStatus::Matched,
                  "Twin B"},
        MatchCase{"nearest without a country", pt("TWIN", WaypointType::Airport, "", 10.0, 10.04),
                  MatchStatus::Matched, "Twin B"},
        MatchCase{"position far from every twin", pt("CPT", WaypointType::Vor, "EG", 48.0, 2.0),
                  MatchStatus::TooFar, "Compton"},
        MatchCase{"unknown identifier", pt("ZZZZ", WaypointType::Airport, "", 1, 1),
                  MatchStatus::NotFound, ""},
        MatchCase{"unknown type of a known identifier",
                  pt("EGTK", WaypointType::Vor, "", 51.8369, -1.32), MatchStatus::NotFound, ""},
        MatchCase{"user waypoint never looked up",
                  pt("EGTK", WaypointType::UserWaypoint, "", 51.8369, -1.32),
                  MatchStatus::UserWaypoint, ""}));

TEST(ApplyMatchesTest, MatchedPointsTakeTheDataUnmatchedOnesBecomeTypedCheckpoints) {
    const Route route{"",
                      {pt("EGTK", WaypointType::Airport, "", 51.85, -1.32),
                       pt("XYZ", WaypointType::Ndb, "EG", 51.5, -1.0),
                       pt("HOME", WaypointType::UserWaypoint, "", 51.6, -1.1, "Home", 300)}};
    const Route applied = applyMatches(route, matchRoute(route, TableLookup()));
    const RoutePoint oxford{"EGTK", WaypointType::Airport, "EG", 51.836944, -1.32, "Oxford", 270};
    EXPECT_EQ(applied.points[0], oxford);
    const RoutePoint kept{"XYZ", WaypointType::UserWaypoint, "", 51.5, -1.0, "XYZ", std::nullopt};
    EXPECT_EQ(applied.points[1], kept);
    EXPECT_EQ(applied.points[2], route.points[2]);
}

}  // namespace
}  // namespace aerolume::interchange
