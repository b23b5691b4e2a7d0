// SPDX-License-Identifier: GPL-3.0-or-later
// The wind from ground speed and the runway wind windows.
#include "navigation/FindWindWindow.h"
#include "navigation/RunwayWindWindow.h"
#include "support/MenuWindowTest.h"

namespace aerolume::test {
namespace {

const char* const kFindFields[] = {"txtTH", "txtTAS", "txtTC", "txtGS"};
const char* const kFindResults[] = {"LblWindDir", "LblWindSpeed", "LblHeadwind", "LblCrosswind"};
const char* const kRunwayFields[] = {"txtRwy", "txtWindDir", "txtWindSpeed", "txtGust"};
const char* const kRunwayResults[] = {"LblHeadwind", "LblCrosswind", "LblGustHeadwind",
                                      "LblGustCrosswind"};

template <class Window>
class WindTest : public MenuWindowTest<Window> {
protected:
    using MenuWindowTest<Window>::MenuWindowTest;

    std::vector<std::string> texts(const Names& names) const {
        std::vector<std::string> shown;
        for (const char* name : names) {
            shown.push_back(this->text(name));
        }
        return shown;
    }
};

class FindWindWindowTest : public WindTest<FindWindWindow> {
protected:
    FindWindWindowTest()
        : WindTest(
              "FindWind", "menuFindWind",
              {"Label5", "Label8", "LblWindDir", "LblWindSpeed", "LblHeadwind", "LblCrosswind"}) {}
};

struct Case {
    std::array<const char*, 4> entries;
    std::vector<std::string> shown;
};

class FindWindCaptionsTest : public FindWindWindowTest,
                             public ::testing::WithParamInterface<Case> {};

TEST_P(FindWindCaptionsTest, EnterInTheGroundSpeedShowsTheWind) {
    fill(kFindFields, GetParam().entries);
    expectEnterShowsResults("txtGS");
    EXPECT_EQ(texts(kFindResults), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, FindWindCaptionsTest,
    ::testing::Values(
        Case{{"45", "120", "45", "120"}, {"calm", "0 kt", "0 kt", "0 kt"}},
        Case{{"360", "100", "0", "80"}, {"360°", "20 kt", "20 kt headwind", "0 kt"}},
        Case{{"90", "100", "90", "120"}, {"270°", "20 kt", "20 kt tailwind", "0 kt"}},
        // Flying east, a north wind of 20 kt: 90 degrees off the track, from the left.
        Case{{"79", "102", "90", "100"}, {"360°", "19 kt", "0 kt", "19 kt from the left"}},
        Case{{"0", "100", "11", "102"}, {"270°", "19 kt", "4 kt tailwind", "19 kt from the left"}},
        Case{{"9", "123", "10", "100"}, {"005°", "23 kt", "23 kt headwind", "2 kt from the left"}},
        Case{{"350", "120.5", "355", "110"},
             {"309°", "15 kt", "10 kt headwind", "11 kt from the left"}},
        Case{{"180", "100", "0", "100"}, {"180°", "200 kt", "200 kt tailwind", "0 kt"}},
        // Exact halves of a knot, rounded away from zero.
        Case{{"70", "15", "10", "0"}, {"070°", "15 kt", "8 kt headwind", "13 kt from the right"}},
        Case{{"340", "13", "10", "20"}, {"227°", "11 kt", "9 kt tailwind", "7 kt from the left"}},
        Case{{"0", "1", "360", "0"}, {"360°", "1 kt", "1 kt headwind", "0 kt"}}));

struct Error {
    std::array<const char*, 4> entries;
    const char* message;
    const char* field;
};

class FindWindErrorTest : public FindWindWindowTest, public ::testing::WithParamInterface<Error> {};

TEST_P(FindWindErrorTest, ReportsAndSelectsTheField) {
    fill(kFindFields, GetParam().entries);
    expectReport(GetParam().message, GetParam().field);
    EXPECT_TRUE(holdTexts(window, kFindFields, GetParam().entries));
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, FindWindErrorTest,
    ::testing::Values(
        Error{{"", "", "", ""}, "Enter a true heading from 0 to 360°!", "txtTH"},
        Error{{"361", "0", "", ""}, "Enter a true heading from 0 to 360°!", "txtTH"},
        Error{{"360", "0", "", ""}, "Enter a true airspeed from 1 to 1000 kt!", "txtTAS"},
        Error{{"360", "1000.1", "", ""}, "Enter a true airspeed from 1 to 1000 kt!", "txtTAS"},
        Error{{"0", "100", "361", ""}, "Enter a true course from 0 to 360°!", "txtTC"},
        Error{{"0", "100", "0", "1500.5"}, "Enter a ground speed from 0 to 1500 kt!", "txtGS"},
        Error{{"0", "100", "0", "1/2"}, "Enter a ground speed from 0 to 1500 kt!", "txtGS"},
        Error{{"90", "1000", "0", "1500"},
              "These entries give a wind of 1803 kt, outside the 0 to 200 kt this program takes: "
              "check the headings and the speeds!",
              "txtGS"}));

TEST_F(FindWindWindowTest, FiltersEnterChainRangesAndHelp) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Wind from Ground Speed"));
    expectKeys(field("txtTH"), {"txtTH", "-1.2:3", "123", 3});
    expectKeys(field("txtTAS"), {"txtTAS", "-12.5:", "12.5", 2});
    typeFields(window, kFindFields, {"", "", "", ""});
    expectEnterChain(kFindFields);
    expectRangesInTooltipsAndHelp(kFindFields);
    expectQuietEnterChain(kFindFields, {"360", "100", "0", "80"});
    EXPECT_EQ(text("LblHeadwind"), "20 kt headwind");
}

class RunwayWindWindowTest : public WindTest<RunwayWindWindow> {
protected:
    RunwayWindWindowTest()
        : WindTest("RwyWind", "menuRwyWind",
                   {"Label5", "Label8", "LblHeadwind", "LblCrosswind", "LblGustHeadwind",
                    "LblGustCrosswind"}) {}
};

class RunwayWindCaptionsTest : public RunwayWindWindowTest,
                               public ::testing::WithParamInterface<Case> {};

TEST_P(RunwayWindCaptionsTest, EnterInTheGustShowsTheComponents) {
    fill(kRunwayFields, GetParam().entries);
    expectEnterShowsResults("txtGust");
    EXPECT_EQ(texts(kRunwayResults), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, RunwayWindCaptionsTest,
    ::testing::Values(
        Case{{"36", "360", "20", ""}, {"20 kt headwind", "0 kt", "", ""}},
        Case{{"27", "300", "20", "30"},
             {"17 kt headwind", "10 kt from the right", "26 kt headwind", "15 kt from the right"}},
        Case{{"9", "270", "15", "15"}, {"15 kt tailwind", "0 kt", "15 kt tailwind", "0 kt"}},
        Case{{"18", "90", "10", "25"},
             {"0 kt", "10 kt from the left", "0 kt", "25 kt from the left"}},
        Case{{"1", "0", "0", ""}, {"0 kt", "0 kt", "", ""}},
        Case{{"22", "250", "200", "200"},
             {"173 kt headwind", "100 kt from the right", "173 kt headwind",
              "100 kt from the right"}},
        // Exact halves of a knot, rounded away from zero.
        Case{{"4", "100", "15", ""}, {"8 kt headwind", "13 kt from the right", "", ""}},
        Case{{"1", "160", "9", "9"},
             {"8 kt tailwind", "5 kt from the right", "8 kt tailwind", "5 kt from the right"}}));

class RunwayWindErrorTest : public RunwayWindWindowTest,
                            public ::testing::WithParamInterface<Error> {};

TEST_P(RunwayWindErrorTest, ReportsAndSelectsTheField) {
    fill(kRunwayFields, GetParam().entries);
    expectReport(GetParam().message, GetParam().field);
    EXPECT_TRUE(holdTexts(window, kRunwayFields, GetParam().entries));
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, RunwayWindErrorTest,
    ::testing::Values(
        Error{{"", "", "", ""}, "Enter a runway number from 1 to 36!", "txtRwy"},
        Error{{"0", "", "", ""}, "Enter a runway number from 1 to 36!", "txtRwy"},
        Error{{"37", "", "", ""}, "Enter a runway number from 1 to 36!", "txtRwy"},
        Error{{"36", "361", "", ""}, "Enter where the wind is from, 0 to 360°!", "txtWindDir"},
        Error{{"36", "", "10", ""}, "Enter where the wind is from, 0 to 360°!", "txtWindDir"},
        Error{{"36", "360", "201", ""}, "Enter a wind speed from 0 to 200 kt!", "txtWindSpeed"},
        Error{{"36", "360", "20", "15"}, "Enter a gust from the wind speed to 200 kt!", "txtGust"},
        Error{
            {"36", "360", "20", "201"}, "Enter a gust from the wind speed to 200 kt!", "txtGust"}));

TEST_F(RunwayWindWindowTest, FiltersEnterChainRangesAndHelp) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Runway Wind"));
    expectKeys(field("txtRwy"), {"txtRwy", "-2.7", "27", 2});
    typeFields(window, kRunwayFields, {"", "", "", ""});
    expectEnterChain(kRunwayFields);
    expectRangesInTooltipsAndHelp(kRunwayFields);
    expectQuietEnterChain(kRunwayFields, {"27", "300", "20", ""});
    EXPECT_EQ(text("LblCrosswind"), "10 kt from the right");
}

TEST_F(RunwayWindWindowTest, ComputeButtonAndAGustLeftOutLater) {
    fill(kRunwayFields, {"27", "300", "20", "30"});
    click(compute());
    EXPECT_EQ(text("LblGustCrosswind"), "15 kt from the right");
    field("txtGust")->clear();
    click(compute());
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(text("LblGustHeadwind"), "");
    EXPECT_EQ(text("LblGustCrosswind"), "");
}

}  // namespace
}  // namespace aerolume::test
