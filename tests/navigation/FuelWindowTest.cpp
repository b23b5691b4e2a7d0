// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation/FuelWindow.h"
#include "support/MenuWindowTest.h"

namespace aerolume::test {
namespace {

const char* const kFields[] = {"txtFlow", "txtTime", "txtAmount"};
const char* const kResults[] = {"LblFlow",  "LblTime", "LblAmount", "LblGal",
                                "LblLitre", "LblLb",   "LblKg"};

class FuelWindowTest : public MenuWindowTest<FuelWindow> {
protected:
    FuelWindowTest()
        : MenuWindowTest("Fuel", "menuFuel",
                         {"Label4", "Label7", "Label10", "LblFlow", "LblTime", "LblAmount",
                          "LblGal", "LblLitre", "LblLb", "LblKg"}) {}

    std::vector<std::string> results() const {
        std::vector<std::string> texts;
        for (const char* name : kResults) {
            texts.push_back(text(name));
        }
        return texts;
    }
};

struct FuelCaptions {
    const char* unit;
    const char* fuel;
    std::array<const char*, 3> entries;
    std::vector<std::string> shown;
};

class FuelCaptionsTest : public FuelWindowTest,
                         public ::testing::WithParamInterface<FuelCaptions> {};

TEST_P(FuelCaptionsTest, EnterInTheAmountFillsTheEmptyOneInEveryUnit) {
    const FuelCaptions& c = GetParam();
    click(option(c.unit));
    click(option(c.fuel));
    fill(kFields, c.entries);
    expectEnterShowsResults("txtAmount");
    EXPECT_EQ(results(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, FuelCaptionsTest,
    ::testing::Values(FuelCaptions{"optGal",
                                   "optAvGas",
                                   {"10", "1:30", ""},
                                   {"10.0 US gal/h", "1:30:00", "15.0 US gal", "15.0 US gal",
                                    "56.8 L", "90.0 lb", "40.8 kg"}},
                      FuelCaptions{"optLb",
                                   "optJetA",
                                   {"", "2:00", "1340"},
                                   {"670.0 lb/h", "2:00:00", "1340.0 lb", "200.0 US gal", "757.1 L",
                                    "1340.0 lb", "607.8 kg"}},
                      FuelCaptions{"optLitre",
                                   "optAvGas",
                                   {"30", "", "60"},
                                   {"30.0 L/h", "2:00:00", "60.0 L", "15.9 US gal", "60.0 L",
                                    "95.1 lb", "43.1 kg"}},
                      FuelCaptions{"optKg",
                                   "optJetA",
                                   {"500", "30", ""},
                                   {"500.0 kg/h", "0:30:00", "250.0 kg", "82.3 US gal", "311.4 L",
                                    "551.2 lb", "250.0 kg"}}));

TEST_F(FuelWindowTest, TheFuelChangesOnlyTheWeights) {
    fill(kFields, {"", "1", "100"});
    click(compute());
    EXPECT_EQ(text("LblLb"), "600.0 lb");
    click(option("optJetA"));
    click(compute());
    EXPECT_EQ(text("LblLb"), "670.0 lb");
    EXPECT_EQ(text("LblLitre"), "378.5 L");
}

struct FuelError {
    std::array<const char*, 3> entries;
    const char* message;
    const char* field;
};

class FuelErrorTest : public FuelWindowTest, public ::testing::WithParamInterface<FuelError> {};

TEST_P(FuelErrorTest, ReportsAndSelectsTheField) {
    const FuelError& e = GetParam();
    fill(kFields, e.entries);
    expectReport(e.message, e.field);
    EXPECT_TRUE(holdTexts(window, kFields, e.entries));
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, FuelErrorTest,
    ::testing::Values(
        FuelError{{"", "", ""}, "Fill in two fields and leave one empty!", "txtFlow"},
        FuelError{{"10", "", ""}, "Fill in two fields and leave one empty!", "txtTime"},
        FuelError{{"1", "1", "1"}, "Leave empty the field to compute!", "txtFlow"},
        FuelError{{"99999.1", "1", ""}, "Enter a fuel flow from 0 to 99999 US gal/h!", "txtFlow"},
        FuelError{{"10", ":30", ""}, "Enter a time from 0:00:00 to 99:59:59!", "txtTime"},
        FuelError{
            {"", "1", "999999.1"}, "Enter a fuel amount from 0 to 999999 US gal!", "txtAmount"},
        FuelError{{"0", "", "10"}, "The time needs a fuel flow above 0!", "txtFlow"},
        FuelError{{"", "0", "10"}, "The fuel flow needs a time above 0!", "txtTime"},
        // Results the window would refuse as entries.
        FuelError{
            {"", "0:00:01", "999999"},
            "The fuel flow that burns 999999.0 US gal in 0:00:01 is 3599996400.0 US gal/h, outside "
            "the 0 to 99999 US gal/h this window takes: check the fuel amount and the time!",
            "txtAmount"},
        FuelError{{"0.1", "", "999999"},
                  "The time 999999.0 US gal lasts at 0.1 US gal/h is 9999990:00:00, outside the "
                  "0:00:00 to 99:59:59 this window takes: check the fuel amount and the fuel flow!",
                  "txtAmount"},
        FuelError{{"99999", "99:59:59", ""},
                  "The fuel burned at 99999.0 US gal/h for 99:59:59 is 9999872.2 US gal, outside "
                  "the 0 to 999999 US gal this window takes: check the fuel flow and the time!",
                  "txtTime"}));

TEST_F(FuelWindowTest, TheMessagesNameTheChosenUnit) {
    click(option("optKg"));
    fill(kFields, {"", "1", "1000000"});
    expectReport("Enter a fuel amount from 0 to 999999 kg!", "txtAmount");
}

TEST_F(FuelWindowTest, EnterMovesOnAndComputesWithoutABeepAndTheTimeTakesAColon) {
    expectKeys(field("txtTime"), {"txtTime", "1:3-0", "1:30", 1});
    expectKeys(field("txtFlow"), {"txtFlow", "1:2", "12", 1});
    typeFields(window, kFields, {"", "", ""});
    expectEnterChain(kFields);
    expectQuietEnterChain(kFields, {"10", "1:30", ""});
    EXPECT_EQ(text("LblAmount"), "15.0 US gal");
}

TEST_F(FuelWindowTest, RangesAreInTheTooltipsAndInTheHelp) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Fuel"));
    EXPECT_TRUE(option("optGal")->isChecked());
    EXPECT_TRUE(option("optAvGas")->isChecked());
    expectRangesInTooltipsAndHelp(kFields);
}

}  // namespace
}  // namespace aerolume::test
