// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation/TsdWindow.h"
#include "support/MenuWindowTest.h"

namespace aerolume::test {
namespace {

const char* const kFields[] = {"txtDist", "txtGS", "txtTime"};

class TsdWindowTest : public MenuWindowTest<TsdWindow> {
protected:
    TsdWindowTest()
        : MenuWindowTest("TSD", "menuTSD",
                         {"Label4", "Label5", "Label6", "LblDist", "LblGS", "LblTime"}) {}
};

struct TsdCaptions {
    const char* distance;
    const char* groundSpeed;
    const char* time;
    const char* shownDistance;
    const char* shownGroundSpeed;
    const char* shownTime;
};

class TsdCaptionsTest : public TsdWindowTest, public ::testing::WithParamInterface<TsdCaptions> {};

TEST_P(TsdCaptionsTest, EnterInTheTimeFillsTheEmptyOne) {
    const TsdCaptions& c = GetParam();
    fill(kFields, {c.distance, c.groundSpeed, c.time});
    expectEnterShowsResults("txtTime");
    EXPECT_EQ(text("LblDist"), c.shownDistance);
    EXPECT_EQ(text("LblGS"), c.shownGroundSpeed);
    EXPECT_EQ(text("LblTime"), c.shownTime);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, TsdCaptionsTest,
    ::testing::Values(TsdCaptions{"120", "100", "", "120.0 NM", "100.0 kt", "1:12:00"},
                      TsdCaptions{"", "150", "0:40", "100.0 NM", "150.0 kt", "0:40:00"},
                      TsdCaptions{"", "95", "1:05:30", "103.7 NM", "95.0 kt", "1:05:30"},
                      TsdCaptions{"250", "", "150", "250.0 NM", "100.0 kt", "2:30:00"},
                      TsdCaptions{".5", "", "7.5", "0.5 NM", "4.0 kt", "0:07:30"},
                      TsdCaptions{"0", "120", "", "0.0 NM", "120.0 kt", "0:00:00"},
                      TsdCaptions{"", "2000", "10:00", "20000.0 NM", "2000.0 kt", "10:00:00"},
                      TsdCaptions{"20000", "", "5999.99", "20000.0 NM", "200.0 kt", "99:59:59"}));

TEST_F(TsdWindowTest, ComputeButtonGivesTheResultsWithoutABeep) {
    fill(kFields, {"", "120", "30"});
    BeepCounter beeps;
    click(compute());
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(text("LblDist"), "60.0 NM");
}

struct TsdError {
    const char* distance;
    const char* groundSpeed;
    const char* time;
    const char* message;
    const char* field;
};

class TsdErrorTest : public TsdWindowTest, public ::testing::WithParamInterface<TsdError> {};

TEST_P(TsdErrorTest, ReportsAndSelectsTheField) {
    const TsdError& e = GetParam();
    fill(kFields, {e.distance, e.groundSpeed, e.time});
    expectReport(e.message, e.field);
    EXPECT_TRUE(holdTexts(window, kFields, {e.distance, e.groundSpeed, e.time}));
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, TsdErrorTest,
    ::testing::Values(
        TsdError{"", "", "", "Fill in two fields and leave one empty!", "txtDist"},
        TsdError{"10", "", "", "Fill in two fields and leave one empty!", "txtGS"},
        TsdError{"10", "10", "10", "Leave empty the field to compute!", "txtDist"},
        TsdError{"20000.1", "10", "", "Enter a distance from 0 to 20000 NM!", "txtDist"},
        TsdError{"1.2.3", "", "10", "Enter a distance from 0 to 20000 NM!", "txtDist"},
        TsdError{"", "2000.1", "10", "Enter a ground speed from 0 to 2000 kt!", "txtGS"},
        TsdError{"", "3/4", "10", "Enter a ground speed from 0 to 2000 kt!", "txtGS"},
        TsdError{"", "100", "100:00", "Enter a time from 0:00:00 to 99:59:59!", "txtTime"},
        TsdError{"", "100", "1:60", "Enter a time from 0:00:00 to 99:59:59!", "txtTime"},
        TsdError{"10", "0", "", "The time needs a ground speed above 0!", "txtGS"},
        TsdError{"10", "", "0:00", "The ground speed needs a time above 0!", "txtTime"},
        // Results the window would refuse as entries.
        TsdError{"20000", "", "0:00:01",
                 "The ground speed to fly 20000.0 NM in 0:00:01 is 72000000.0 kt, outside the 0 to "
                 "2000 kt this window takes: check the distance and the time!",
                 "txtTime"},
        TsdError{"", "2000", "99:59:59",
                 "The distance flown at 2000.0 kt for 99:59:59 is 199999.4 NM, outside the 0 to "
                 "20000 NM this window takes: check the ground speed and the time!",
                 "txtTime"},
        TsdError{"20000", "0.1", "",
                 "The time to fly 20000.0 NM at 0.1 kt is 200000:00:00, outside the 0:00:00 to "
                 "99:59:59 this window takes: check the distance and the ground speed!",
                 "txtGS"}));

TEST_F(TsdWindowTest, EnterMovesAlongTheFieldsAndComputesWithoutABeep) {
    expectEnterChain(kFields);
    expectQuietEnterChain(kFields, {"250", "", "150"});
    EXPECT_EQ(text("LblGS"), "100.0 kt");
}

TEST_F(TsdWindowTest, KeyFiltersTakeNoSignAndTheColonOnlyInTheTime) {
    const KeyCase cases[] = {{"txtDist", "-1a2.5:", "12.5", 3},
                             {"txtGS", "1:2", "12", 1},
                             {"txtTime", "-1:05:3a0", "1:05:30", 2}};
    for (const KeyCase& k : cases) {
        expectKeys(field(k.field), k);
    }
}

TEST_F(TsdWindowTest, RangesAreInTheTooltipsAndInTheHelp) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Time, Speed & Distance"));
    expectRangesInTooltipsAndHelp(kFields);
}

}  // namespace
}  // namespace aerolume::test
