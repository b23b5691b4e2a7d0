// SPDX-License-Identifier: GPL-3.0-or-later
// How search results are ordered, on places of the data.
#include <gtest/gtest.h>

#include "airports/PlaceSearch.h"

namespace aerolume::airports {
namespace {

Place airport(const char* ident, const char* name, const char* town, const char* kind, double lat,
              double lon, std::vector<std::string> codes = {}) {
    return {PlaceType::Airport, 0, ident, std::move(codes), name, town, "", kind, {lat, lon}};
}
Place navaid(const char* ident, const char* name, const char* country, const char* kind, double lat,
             double lon) {
    return {PlaceType::Navaid, 0, ident, {}, name, "", country, kind, {lat, lon}};
}

const std::vector<Place> kPlaces = {
    navaid("SAM", "Samos", "GR", "VOR-DME", 37.6866, 26.9071),
    navaid("SAM", "Southampton", "GB", "VOR-DME", 50.9553, -1.3450),
    airport("EGHI", "Southampton Airport", "Southampton", "medium_airport", 50.9503, -1.3568,
            {"SOU", "EGHI"}),
    airport("LGSM", "Samos International Airport", "Samos Island", "medium_airport", 37.6900,
            26.9117, {"SMI", "LGSM"}),
    airport("KSMO", "Santa Monica Municipal Airport", "Santa Monica", "medium_airport", 34.0158,
            -118.4510, {"SMO", "KSMO", "SMO"}),
    airport("EGTK", "London Oxford Airport", "Kidlington, Oxfordshire", "medium_airport", 51.8369,
            -1.32, {"OXF", "EGTK"}),
    navaid("SAM", "Samsville", "US", "VOR-DME", 38.4852, -88.0858),
    airport("SAMA", "San Martin", "Mendoza", "small_airport", -33.08, -68.42),
};

std::vector<std::string> ranked(const char* query, std::optional<GeoPoint> near) {
    std::vector<Place> places = kPlaces;
    RankPlaces(query, places, near);
    std::vector<std::string> out;
    for (const Place& p : places) {
        if (MatchOf(query, p) != MatchKind::Other) {
            out.push_back(p.Ident + " " + p.Name);
        }
    }
    return out;
}

struct RankCase {
    const char* name;
    const char* query;
    std::optional<GeoPoint> near;
    std::vector<std::string> expected;
};

class RankingTest : public ::testing::TestWithParam<RankCase> {};

TEST_P(RankingTest, OrdersTheMatches) {
    EXPECT_EQ(ranked(GetParam().query, GetParam().near), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Queries, RankingTest,
    ::testing::Values(
        RankCase{"exactIdentifierFirst", "egtk", std::nullopt, {"EGTK London Oxford Airport"}},
        // Identifiers first (the VORs named SAM), then the identifier that begins with it,
        // then the names beginning with it.
        RankCase{"sharedIdentifier",
                 "SAM",
                 std::nullopt,
                 {"SAM Samos", "SAM Samsville", "SAM Southampton", "SAMA San Martin",
                  "LGSM Samos International Airport"}},
        // With a position, the nearest of each kind of match first (from Oxford).
        RankCase{"nearestFirst",
                 "SAM",
                 GeoPoint{51.8369, -1.32},
                 {"SAM Southampton", "SAM Samos", "SAM Samsville", "SAMA San Martin",
                  "LGSM Samos International Airport"}},
        RankCase{"iataCode", "oxf", std::nullopt, {"EGTK London Oxford Airport"}},
        RankCase{"nameWords", "santa mon", std::nullopt, {"KSMO Santa Monica Municipal Airport"}},
        RankCase{"townWord", "kidlington", std::nullopt, {"EGTK London Oxford Airport"}},
        // Two names that begin with it: the airport before the VOR.
        RankCase{"importanceWithinAMatch",
                 "southampton",
                 std::nullopt,
                 {"EGHI Southampton Airport", "SAM Southampton"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GreatCircle, DistanceAndCourseBetweenAirports) {
    // Oxford to Southampton: 53.2 NM, setting out on 181.5° true.
    const GeoPoint egtk{51.8369, -1.32};
    const GeoPoint eghi{50.9503, -1.3568};
    EXPECT_NEAR(DistanceNm(egtk, eghi), 53.2, 0.1);
    EXPECT_NEAR(InitialCourse(egtk, eghi), 181.5, 0.05);
    EXPECT_EQ(InitialCourse(egtk, egtk), 360);
    EXPECT_NEAR(DistanceNm({0, 0}, {0, 180}), 10807.3, 0.1);
}

}  // namespace
}  // namespace aerolume::airports
