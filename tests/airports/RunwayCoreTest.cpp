// SPDX-License-Identifier: GPL-3.0-or-later
// Runway designators, end headings and surfaces, from runways of the data.
#include <gtest/gtest.h>

#include <cmath>

#include "airports/RunwayCore.h"

namespace aerolume::airports {
namespace {

struct DesignatorCase {
    const char* text;
    DesignatorKind kind;
    std::optional<double> magnetic;
};

class DesignatorTest : public ::testing::TestWithParam<DesignatorCase> {};

TEST_P(DesignatorTest, GivesTheMagneticHeading) {
    const Designator d = ParseDesignator(GetParam().text);
    EXPECT_EQ(d.Kind, GetParam().kind) << GetParam().text;
    EXPECT_EQ(d.MagneticHeading, GetParam().magnetic) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Designators, DesignatorTest,
    ::testing::Values(DesignatorCase{"09", DesignatorKind::Numbered, 90},
                      DesignatorCase{"9", DesignatorKind::Numbered, 90},
                      DesignatorCase{"27L", DesignatorKind::Numbered, 270},
                      DesignatorCase{"36", DesignatorKind::Numbered, 360},
                      DesignatorCase{"18W", DesignatorKind::Numbered, 180},
                      DesignatorCase{"N", DesignatorKind::Compass, 360},
                      DesignatorCase{"S", DesignatorKind::Compass, 180},
                      DesignatorCase{"nw", DesignatorKind::Compass, 315},
                      DesignatorCase{"SSW", DesignatorKind::Compass, 202.5},
                      DesignatorCase{"045", DesignatorKind::Degrees, 45},
                      DesignatorCase{"H1", DesignatorKind::Helipad, std::nullopt},
                      DesignatorCase{"H", DesignatorKind::Helipad, std::nullopt},
                      DesignatorCase{"00", DesignatorKind::None, std::nullopt},
                      DesignatorCase{"37", DesignatorKind::None, std::nullopt},
                      DesignatorCase{"ALL", DesignatorKind::None, std::nullopt},
                      DesignatorCase{"", DesignatorKind::None, std::nullopt}));

struct HeadingCase {
    const char* name;
    std::optional<double> ownTrue, otherTrue;
    const char *own, *other;
    std::optional<double> variationNow, variationThen;
    std::optional<double> expectTrue, expectMagnetic;
    HeadingSource source;
};

class EndHeadingTest : public ::testing::TestWithParam<HeadingCase> {};

void expectNear(std::optional<double> got, std::optional<double> want, const char* what) {
    ASSERT_EQ(got.has_value(), want.has_value()) << what;
    if (want) {
        EXPECT_NEAR(*got, *want, 1e-9) << what;
    }
}

TEST_P(EndHeadingTest, ResolvesTrueAndMagnetic) {
    const HeadingCase& c = GetParam();
    const EndHeading h =
        ResolveEndHeading(c.ownTrue, c.otherTrue, ParseDesignator(c.own), ParseDesignator(c.other),
                          c.variationNow, c.variationThen);
    expectNear(h.True, c.expectTrue, "true");
    expectNear(h.Magnetic, c.expectMagnetic, "magnetic");
    EXPECT_EQ(h.Source, c.source);
}

INSTANTIATE_TEST_SUITE_P(
    Runways, EndHeadingTest,
    ::testing::Values(
        // EGTK 01/19: true headings 11° and 191° in the data, variation 0.9° W.
        HeadingCase{"egtk01", 11, 191, "01", "19", -0.9, -1.0, 11, 11.9, HeadingSource::Data},
        // Only the other end's true heading: turned by 180°.
        HeadingCase{"fromOtherEnd", std::nullopt, 45, "21", "03", 12, 12, 225, 213,
                    HeadingSource::OppositeEnd},
        // 00AK N/S: no true heading; N is 360° magnetic, true by the variation then.
        HeadingCase{"compassNorth", std::nullopt, std::nullopt, "N", "S", 15, 16, 16, 360,
                    HeadingSource::Designator},
        HeadingCase{"numbered09", std::nullopt, std::nullopt, "09", "27", 3, 2.5, 92.5, 90,
                    HeadingSource::Designator},
        HeadingCase{"wrapsBelowNorth", std::nullopt, std::nullopt, "36", "18", -4, -3, 357, 360,
                    HeadingSource::Designator},
        // An end without a designator of its own takes the other's plus 180°.
        HeadingCase{"otherDesignator", std::nullopt, std::nullopt, "", "27L", 0, 0, 90, 90,
                    HeadingSource::Designator},
        HeadingCase{"helipad", std::nullopt, std::nullopt, "H1", "", 0, 0, std::nullopt,
                    std::nullopt, HeadingSource::None},
        // Near the magnetic pole the model has no variation: the true heading stays.
        HeadingCase{"noVariation", 350, 170, "35", "17", std::nullopt, std::nullopt, 350,
                    std::nullopt, HeadingSource::Data}),
    [](const auto& info) { return std::string(info.param.name); });

struct SurfaceCase {
    const char* text;
    SurfaceClass surface;
};

class SurfaceTest : public ::testing::TestWithParam<SurfaceCase> {};

TEST_P(SurfaceTest, ClassifiesTheText) {
    EXPECT_EQ(ClassifySurface(GetParam().text), GetParam().surface) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    DataSpellings, SurfaceTest,
    ::testing::Values(
        SurfaceCase{"ASP", SurfaceClass::Paved}, SurfaceCase{"Asphalt", SurfaceClass::Paved},
        SurfaceCase{"ASPH-G", SurfaceClass::Paved}, SurfaceCase{"ASPH/ CONC", SurfaceClass::Paved},
        SurfaceCase{"PEM", SurfaceClass::Paved}, SurfaceCase{"TURF", SurfaceClass::Grass},
        SurfaceCase{"Turf", SurfaceClass::Grass}, SurfaceCase{"GRS", SurfaceClass::Grass},
        SurfaceCase{"GRASSED BROWN CLAY", SurfaceClass::Grass},
        SurfaceCase{"TURF-GRVL", SurfaceClass::Grass},
        SurfaceCase{"GRVL-DIRT", SurfaceClass::Gravel}, SurfaceCase{"DIRT", SurfaceClass::Gravel},
        SurfaceCase{"PIÇARRA", SurfaceClass::Gravel}, SurfaceCase{"WATER-E", SurfaceClass::Water},
        SurfaceCase{"SNOW", SurfaceClass::SnowIce}, SurfaceCase{"ICE", SurfaceClass::SnowIce},
        SurfaceCase{"UNK", SurfaceClass::Unknown}, SurfaceCase{"X", SurfaceClass::Unknown},
        SurfaceCase{"", SurfaceClass::Unknown}));

TEST(RunwayWindChoice, LeavesOutWaterAndHelipads) {
    EXPECT_TRUE(CountsForWind(SurfaceClass::Grass, ParseDesignator("09")));
    EXPECT_FALSE(CountsForWind(SurfaceClass::Water, ParseDesignator("09")));
    EXPECT_FALSE(CountsForWind(SurfaceClass::Paved, ParseDesignator("H1")));
}

}  // namespace
}  // namespace aerolume::airports

namespace aerolume::airports {
namespace {

// EGTK: runway 01/19 (true 11°/191°, magnetic about 12°/192°) and the grass 03/21 and
// 09/27, winds as a tower gives them.
struct WindsCase {
    const char* name;
    double from, speed;
    std::optional<double> gust, limit;
    std::optional<std::size_t> best;
    std::vector<bool> beyond;
};

class RunwayWindsTest : public ::testing::TestWithParam<WindsCase> {};

const std::vector<EndWindInput> kEgtkEnds = {{12, true},  {192, true}, {24, true},
                                             {204, true}, {87, true},  {267, true}};

TEST_P(RunwayWindsTest, MarksTheBestEndAndTheLimit) {
    const WindsCase& c = GetParam();
    const RunwayWindsResult r = RunwayWinds(kEgtkEnds, c.from, c.speed, c.gust, c.limit);
    EXPECT_EQ(r.Best, c.best);
    std::vector<bool> beyond;
    for (const EndWind& e : r.Ends) {
        beyond.push_back(e.BeyondLimit);
    }
    EXPECT_EQ(beyond, c.beyond);
}

INSTANTIATE_TEST_SUITE_P(
    Egtk, RunwayWindsTest,
    ::testing::Values(
        WindsCase{"westerly", 270, 15, std::nullopt, std::nullopt, 5, std::vector<bool>(6, false)},
        // 270/15G25 with a 15 kt limit: only 09/27 keeps the gust's crosswind within it.
        WindsCase{"gustWithLimit", 270, 15, 25, 15, 5, {true, true, true, true, false, false}},
        // Nothing within the limit: the best end all the same, every end marked.
        WindsCase{"allBeyond", 150, 30, std::nullopt, 5, 1, std::vector<bool>(6, true)},
        WindsCase{"calm", 270, 0.4, std::nullopt, std::nullopt, std::nullopt,
                  std::vector<bool>(6, false)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunwayWinds, LeavesOutEndsThatCannotBeChosen) {
    const RunwayWindsResult r = RunwayWinds({{270, false}, {90, true}, {std::nullopt, true}}, 270,
                                            10, std::nullopt, std::nullopt);
    EXPECT_EQ(r.Best, 1u);
    EXPECT_NEAR(r.Ends[0].Steady->Headwind, 10, 1e-9);
    EXPECT_FALSE(r.Ends[2].Steady.has_value());
}

}  // namespace
}  // namespace aerolume::airports
