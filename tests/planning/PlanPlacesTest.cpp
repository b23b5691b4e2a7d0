// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "navigation/MagneticModel.h"
#include "planning/PlanPlaces.h"

namespace aerolume::planning {
namespace {

struct Line {
    const char* typed;
    const char* shown;
};

class OneLineNameTest : public ::testing::TestWithParam<Line> {};

TEST_P(OneLineNameTest, APastedBreakBecomesOneSpace) {
    EXPECT_EQ(oneLineName(GetParam().typed), GetParam().shown) << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(Names, OneLineNameTest,
                         ::testing::Values(Line{"EGTK\nOxford", "EGTK Oxford"},
                                           Line{"EGTK\r\nOxford", "EGTK Oxford"},
                                           Line{"\nEGTK Oxford\n", "EGTK Oxford"},
                                           Line{"A\t\tB", "A B"},
                                           Line{"two  spaces kept", "two  spaces kept"},
                                           Line{"Z\xC3\xBCrich", "Z\xC3\xBCrich"},
                                           Line{"A\xE2\x80\xA8"
                                                "B",
                                                "A B"},
                                           Line{"A\xC2\x85"
                                                "B",
                                                "A B"},
                                           Line{"", ""}));

struct Typed {
    const char* text;
    std::optional<RadialDistance> fix;
};

class ParseRadialDistanceTest : public ::testing::TestWithParam<Typed> {};

TEST_P(ParseRadialDistanceTest, AcceptsTheDocumentedFormsOnly) {
    EXPECT_EQ(parseRadialDistance(GetParam().text), GetParam().fix) << GetParam().text;
}

const std::nullopt_t bad = std::nullopt;

INSTANTIATE_TEST_SUITE_P(Forms, ParseRadialDistanceTest,
                         ::testing::Values(Typed{"SAM 270/15", RadialDistance{"SAM", 270, 15}},
                                           Typed{"SAM270/15", RadialDistance{"SAM", 270, 15}},
                                           Typed{"SAM270015", RadialDistance{"SAM", 270, 15}},
                                           Typed{" sam 270015 ", RadialDistance{"SAM", 270, 15}},
                                           Typed{"SAM 270/015", RadialDistance{"SAM", 270, 15}},
                                           Typed{"SAM 090/2.5", RadialDistance{"SAM", 90, 2.5}},
                                           Typed{"1A 000/5", RadialDistance{"1A", 0, 5}},
                                           Typed{"AB1360999", RadialDistance{"AB1", 360, 999}},
                                           Typed{"SAM 361/15", bad}, Typed{"SAM 270/0", bad},
                                           Typed{"SAM270000", bad}, Typed{"SAM 270/1000", bad},
                                           Typed{"SAM 270/15.25", bad}, Typed{"SAM 270/", bad},
                                           Typed{"SAM 27/15", bad}, Typed{"SAM 270 15", bad},
                                           Typed{"SAM", bad}, Typed{"270/15", bad},
                                           Typed{"123270015", bad}, Typed{"TOOLONG270/15", bad},
                                           Typed{"SA-M 270/15", bad}, Typed{"", bad}));

struct Fix {
    const char* what;
    Navaid navaid;
    RadialDistance fix;
    double latitude, longitude, trueRadial;
};

class RadialDistancePositionTest : public ::testing::TestWithParam<Fix> {};

// The expected positions are the destination-point formula worked separately.
TEST_P(RadialDistancePositionTest, LiesOnTheGreatCircleAtTheDistance) {
    const Fix& f = GetParam();
    const FixPosition got = RadialDistancePosition(f.navaid, f.fix, std::nullopt, 0);
    EXPECT_NEAR(got.position.latitude, f.latitude, 1e-7) << f.what;
    EXPECT_NEAR(got.position.longitude, f.longitude, 1e-7) << f.what;
    EXPECT_NEAR(got.trueRadial, f.trueRadial, 1e-9) << f.what;
    EXPECT_EQ(got.variationSource, FixVariationSource::Station) << f.what;
    EXPECT_NEAR(GreatCircleDistance(f.navaid.position, got.position), f.fix.distance, 1e-6)
        << f.what;
}

INSTANTIATE_TEST_SUITE_P(
    Fixes, RadialDistancePositionTest,
    ::testing::Values(Fix{"east on the equator", {{0, 0}, 0.0}, {"X", 90, 60}, 0, 1, 90},
                      Fix{"north", {{0, 0}, 0.0}, {"X", 360, 60}, 1, 0, 0},
                      Fix{"east at 60 N curves south",
                          {{60, 0}, 0.0},
                          {"X", 90, 60},
                          59.984888840,
                          1.999391136,
                          90},
                      // Southampton's VOR-DME, its variation 4.001 W from the data.
                      Fix{"SAM 270/15",
                          {{50.955299377441406, -1.3450000286102295}, -4.001, 66},
                          {"SAM", 270, 15},
                          50.937187034,
                          -1.740752145,
                          265.999},
                      Fix{"east variation added",
                          {{-33.9, 151.2}, 12.5},
                          {"X", 45, 100},
                          -32.993123804,
                          152.875920364,
                          57.5},
                      Fix{"across the 180th meridian",
                          {{10, 179.9}, 0.0},
                          {"X", 90, 30},
                          9.999615317,
                          -179.592287095,
                          90}));

TEST(RadialDistancePositionTest, WithoutAStationVariationTheModelsThenThePlans) {
    const Navaid navaid{{50.955299377441406, -1.3450000286102295}, std::nullopt, 66};
    const double year = *DecimalYear(2026, 7, 1);
    const FixPosition model = RadialDistancePosition(navaid, {"SAM", 270, 15}, year, 7);
    const auto expected = MagneticVariationAt(50.955299377441406, -1.3450000286102295, 66, year);
    EXPECT_EQ(model.variationSource, FixVariationSource::Model);
    EXPECT_DOUBLE_EQ(model.variation, expected->Field.Declination);
    EXPECT_NEAR(model.trueRadial, 270 + expected->Field.Declination, 1e-9);

    const FixPosition undated = RadialDistancePosition(navaid, {"SAM", 270, 15}, std::nullopt, 7);
    EXPECT_EQ(undated.variationSource, FixVariationSource::PlanDefault);
    EXPECT_EQ(undated.trueRadial, 277);
}

// SAM names four VOR-DMEs in the data; each previous checkpoint puts the nearest first.
TEST(NearestFirstTest, OrdersTheCandidatesByGreatCircleDistance) {
    const std::vector<Position> sam = {{37.68659973144531, 26.907100677490234},    // Samos
                                       {28.822500228881836, 76.82379913330078},    // Sampla
                                       {50.955299377441406, -1.3450000286102295},  // Southampton
                                       {38.485198974609375, -88.08580017089844}};  // Samsville
    struct Case {
        std::optional<Position> previous;
        std::vector<std::size_t> order;
    };
    const Case cases[] = {{Position{51.836899, -1.32}, {2, 0, 3, 1}},   // EGTK
                          {Position{41.9786, -87.9048}, {3, 2, 0, 1}},  // KORD
                          {Position{-33.9461, 151.177}, {1, 3, 0, 2}},  // YSSY
                          {std::nullopt, {0, 1, 2, 3}}};
    for (const Case& c : cases) {
        EXPECT_EQ(NearestFirst(sam, c.previous), c.order);
    }
    // One place twice: the order given is kept.
    EXPECT_EQ(NearestFirst({{1, 1}, {0, 0}, {1, 1}}, Position{0, 0}),
              (std::vector<std::size_t>{1, 0, 2}));
}

TEST(PlaceKindKeyTest, EveryKindReadsBackFromItsKey) {
    for (int k = 0; k <= static_cast<int>(PlaceKind::Other); ++k) {
        const auto kind = static_cast<PlaceKind>(k);
        EXPECT_EQ(placeKindFromKey(placeKindKey(kind)), kind) << k;
    }
    EXPECT_FALSE(placeKindFromKey("VOR"));
}

}  // namespace
}  // namespace aerolume::planning
