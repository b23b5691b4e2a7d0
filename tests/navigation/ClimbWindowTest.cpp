// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation/ClimbWindow.h"
#include "support/MenuWindowTest.h"

namespace aerolume::test {
namespace {

const char* const kFields[] = {"txtFrom", "txtTo", "txtGS", "txtVS", "txtAngle", "txtGradient"};
const char* const kResults[] = {"LblVS", "LblAngle", "LblGradient", "LblTime", "LblDist"};

class ClimbWindowTest : public MenuWindowTest<ClimbWindow> {
protected:
    ClimbWindowTest()
        : MenuWindowTest("Climb", "menuClimb",
                         {"Label7", "Label8", "Label9", "Label10", "Label11", "LblVS", "LblAngle",
                          "LblGradient", "LblTime", "LblDist"}) {}
};

struct ClimbCaptions {
    std::array<const char*, 6> typed;
    std::array<const char*, 5> shown;
};

class ClimbCaptionsTest : public ClimbWindowTest,
                          public ::testing::WithParamInterface<ClimbCaptions> {};

TEST_P(ClimbCaptionsTest, EnterInTheGradientShowsTheResults) {
    typeFields(window, kFields, GetParam().typed);
    expectEnterShowsResults("txtGradient");
    for (std::size_t i = 0; i < std::size(kResults); ++i) {
        EXPECT_EQ(text(kResults[i]), GetParam().shown[i]) << kResults[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    ByHand, ClimbCaptionsTest,
    ::testing::Values(
        ClimbCaptions{{"3000", "0", "120", "", "3", ""},
                      {"637 ft/min", "3.0°", "318 ft/NM", "0:04:43 descent", "9.4 NM descent"}},
        ClimbCaptions{{"0", "5000", "100", "500", "", ""},
                      {"500 ft/min", "2.8°", "300 ft/NM", "0:10:00 climb", "16.7 NM climb"}},
        ClimbCaptions{{"-1000", "2000", "90", "", "", "200"},
                      {"300 ft/min", "1.9°", "200 ft/NM", "0:10:00 climb", "15.0 NM climb"}},
        ClimbCaptions{{"-2000", "60000", "1000", "10000", "", ""},
                      {"10000 ft/min", "5.6°", "600 ft/NM", "0:06:12 climb", "103.3 NM climb"}},
        ClimbCaptions{
            {"60000", "-2000", "1", "", "", "3500"},
            {"58 ft/min", "29.9°", "3500 ft/NM", "17:42:51 descent", "17.7 NM descent"}}));

TEST_F(ClimbWindowTest, EnterMovesOnAndComputesWithoutABeep) {
    expectEnterChain(kFields);
    expectQuietEnterChain(kFields, {"3000", "0", "120", "", "3", ""});
    EXPECT_EQ(text("LblVS"), "637 ft/min");
}

TEST_F(ClimbWindowTest, TheComputeButtonGivesTheSameResultsWithoutABeep) {
    typeFields(window, kFields, {"3000", "0", "120", "", "3", ""});
    BeepCounter beeps;
    click(compute());
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(text("LblVS"), "637 ft/min");
}

TEST_F(ClimbWindowTest, OnlyAltitudesTakeAMinusSign) {
    const KeyCase cases[] = {{"txtFrom", "-1a0.5", "-10.5", 1},
                             {"txtGS", "-1a20", "120", 2},
                             {"txtAngle", "3°.5", "3.5", 1}};
    for (const KeyCase& k : cases) {
        expectKeys(field(k.field), k);
    }
}

struct ClimbError {
    std::array<const char*, 6> typed;
    const char* message;
    const char* field;
};

class ClimbErrorTest : public ClimbWindowTest, public ::testing::WithParamInterface<ClimbError> {};

TEST_P(ClimbErrorTest, ReportsTheFirstFailingCheckAndSelectsItsField) {
    const ClimbError& e = GetParam();
    typeFields(window, kFields, e.typed);
    expectEnterReports("txtGradient", e.message, e.field);
    EXPECT_TRUE(holdTexts(window, kFields, e.typed));
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, ClimbErrorTest,
    ::testing::Values(
        ClimbError{{"", "", "", "", "", ""},
                   "Enter a starting altitude from -2000 to 60000 ft!",
                   "txtFrom"},
        ClimbError{{"-", "0", "", "", "", ""},
                   "Enter a starting altitude from -2000 to 60000 ft!",
                   "txtFrom"},
        ClimbError{{"60001", "0", "", "", "", ""},
                   "Enter a starting altitude from -2000 to 60000 ft!",
                   "txtFrom"},
        ClimbError{{"0", "-2001", "", "", "", ""},
                   "Enter a target altitude from -2000 to 60000 ft!",
                   "txtTo"},
        ClimbError{
            {"0", "100", "3/4", "", "", ""}, "Enter a ground speed from 1 to 1000 kt!", "txtGS"},
        ClimbError{
            {"0", "100", "0", "", "", ""}, "Enter a ground speed from 1 to 1000 kt!", "txtGS"},
        ClimbError{
            {"0", "100", "1001", "", "", ""}, "Enter a ground speed from 1 to 1000 kt!", "txtGS"},
        ClimbError{{"0", "100", "90", "", "", ""},
                   "Fill in one of vertical speed, path angle and gradient!",
                   "txtVS"},
        ClimbError{{"0", "100", "90", "500", "", "300"},
                   "Fill in only one of vertical speed, path angle and gradient!",
                   "txtGradient"},
        ClimbError{{"0", "100", "90", "", "3", "300"},
                   "Fill in only one of vertical speed, path angle and gradient!",
                   "txtGradient"},
        ClimbError{{"0", "100", "90", "10001", "", ""},
                   "Enter a vertical speed from 1 to 10000 ft/min!",
                   "txtVS"},
        ClimbError{
            {"0", "100", "90", "", "0.09", ""}, "Enter a path angle from 0.1 to 30°!", "txtAngle"},
        ClimbError{{"0", "100", "90", "", "", "3501"},
                   "Enter a gradient from 1 to 3500 ft/NM!",
                   "txtGradient"},
        ClimbError{{"2500", "2500", "90", "", "3", ""},
                   "The starting and target altitudes are the same!",
                   "txtTo"},
        // Rates the window would refuse as entries.
        ClimbError{{"0", "5000", "1", "10000", "", ""},
                   "The gradient for 10000 ft/min at 1 kt is 600000 ft/NM, outside the 1 to 3500 "
                   "ft/NM this window takes: check the ground speed and the vertical speed!",
                   "txtVS"},
        ClimbError{{"0", "5000", "1000", "", "30", ""},
                   "The vertical speed for 30° at 1000 kt is 58467 ft/min, outside the 1 to 10000 "
                   "ft/min this window takes: check the ground speed and the rate!",
                   "txtAngle"},
        ClimbError{{"60000", "-2000", "1", "", "0.1", ""},
                   "The vertical speed for 0.1° at 1 kt is 0 ft/min, outside the 1 to 10000 ft/min "
                   "this window takes: check the ground speed and the rate!",
                   "txtAngle"},
        ClimbError{{"0", "100", "1", "", "", "1"},
                   "The vertical speed for 1 ft/NM at 1 kt is 0 ft/min, outside the 1 to 10000 "
                   "ft/min this window takes: check the ground speed and the rate!",
                   "txtGradient"}));

TEST_F(ClimbWindowTest, AfterAnErrorTheNextRunShowsResultsAgain) {
    typeFields(window, kFields, {"0", "100", "90", "500", "3", ""});
    click(compute());
    EXPECT_TRUE(errorShown());
    type(field("txtAngle"), QStringLiteral("\b"));  // the selected entry goes
    pressBackspace(field("txtAngle"));
    click(compute());
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(text("LblGradient"), "333 ft/NM");
}

TEST_F(ClimbWindowTest, TitleHelpAndRangesInTheTooltips) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Climb & Descent"));
    const QStringList help = helpParagraphs(window);
    ASSERT_EQ(help.size(), 4);
    EXPECT_TRUE(help[2].contains(QStringLiteral("Path Angle in degrees (0.1 to 30)")));
    EXPECT_EQ(field("txtGS")->toolTip(), QStringLiteral("1 to 1000 kt"));
    EXPECT_TRUE(field("txtVS")->toolTip().startsWith(QStringLiteral("1 to 10000 ft/min")));
}

class ClimbCloseTest : public ClimbWindowTest, public ::testing::WithParamInterface<CloseBy> {};

TEST_P(ClimbCloseTest, ClosingShowsTheLauncherAgain) {
    closeWindow(window, GetParam());
    EXPECT_FALSE(loaded());
    EXPECT_TRUE(program->main()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EveryWay, ClimbCloseTest,
                         ::testing::Values(CloseBy::Button, CloseBy::MenuEntry, CloseBy::CloseBox));

}  // namespace
}  // namespace aerolume::test
