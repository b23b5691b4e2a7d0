// SPDX-License-Identifier: GPL-3.0-or-later
#include "airdata/AtmosWindow.h"
#include "support/MenuWindowTest.h"

namespace aerolume::test {
namespace {

const char* const kFields[] = {"txtAlt", "txtSetting", "txtOAT", "txtElev"};
const char* const kResults[] = {"LblPA",           "LblIsaTemp",      "LblIsaDev",
                                "LblDA",           "LblTrueAlt",      "LblPressureHpa",
                                "LblPressureInHg", "LblDensityRatio", "LblSoundSpeed"};

class AtmosWindowTest : public MenuWindowTest<AtmosWindow> {
protected:
    AtmosWindowTest()
        : MenuWindowTest("Atmos", "menuAtmos",
                         {"Label5", "Label8", "Label13", "LblPA", "LblPressureInHg"}) {}

    void fill(const std::array<const char*, 4>& typed, bool inHg, bool fahrenheit) {
        click(option(inHg ? "optInHg" : "optHpa"));
        click(option(fahrenheit ? "optF" : "optC"));
        typeFields(window, kFields, typed);
    }
};

struct AtmosCaptions {
    std::array<const char*, 4> typed;
    bool inHg;
    bool fahrenheit;
    std::array<const char*, 9> shown;
};

class AtmosCaptionsTest : public AtmosWindowTest,
                          public ::testing::WithParamInterface<AtmosCaptions> {};

TEST_P(AtmosCaptionsTest, EnterInTheElevationShowsTheResults) {
    const AtmosCaptions& c = GetParam();
    fill(c.typed, c.inHg, c.fahrenheit);
    expectEnterShowsResults("txtElev");
    for (std::size_t i = 0; i < std::size(kResults); ++i) {
        EXPECT_EQ(text(kResults[i]), c.shown[i]) << kResults[i];
    }
}

// Worked from the standard atmosphere's formulas; 36089 ft is the tropopause.
INSTANTIATE_TEST_SUITE_P(
    ByHand, AtmosCaptionsTest,
    ::testing::Values(
        AtmosCaptions{{"0", "1030", "", ""},
                      false,
                      false,
                      {"-454 ft", "15.9 °C", "", "", "", "1030.0 hPa", "30.42 inHg", "", ""}},
        AtmosCaptions{{"10000", "29.92", "", ""},
                      true,
                      false,
                      {"10001 ft", "-4.8 °C", "", "", "", "696.8 hPa", "20.58 inHg", "", ""}},
        AtmosCaptions{{"5000", "1013.25", "25", "1000"},
                      false,
                      false,
                      {"5000 ft", "5.1 °C", "+19.9 °C", "7262 ft", "5286 ft", "843.1 hPa",
                       "24.90 inHg", "0.8041", "673 kt"}},
        AtmosCaptions{{"5000", "1013.25", "77", "1000"},
                      false,
                      true,
                      {"5000 ft", "5.1 °C", "+19.9 °C", "7262 ft", "5286 ft", "843.1 hPa",
                       "24.90 inHg", "0.8041", "673 kt"}},
        AtmosCaptions{{"36089", "1013.25", "-56.5", ""},
                      false,
                      false,
                      {"36089 ft", "-56.5 °C", "0.0 °C", "36089 ft", "36089 ft", "226.3 hPa",
                       "6.68 inHg", "0.2971", "574 kt"}},
        AtmosCaptions{{"12000", "1000", "-20", "3000"},
                      false,
                      false,
                      {"12364 ft", "-9.5 °C", "-10.5 °C", "11086 ft", "11641 ft", "635.2 hPa",
                       "18.76 inHg", "0.7136", "620 kt"}}));

TEST_F(AtmosWindowTest, WithoutTheTemperatureItsResultsAreEmptiedAgain) {
    fill({"5000", "1013.25", "25", ""}, false, false);
    click(compute());
    EXPECT_EQ(text("LblDA"), "7262 ft");
    typeFields(window, {"txtOAT"}, {""});
    click(compute());
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(text("LblPA"), "5000 ft");
    EXPECT_EQ(text("LblDA"), "");
    EXPECT_EQ(text("LblSoundSpeed"), "");
}

struct AtmosError {
    std::array<const char*, 4> typed;
    bool inHg;
    bool fahrenheit;
    const char* message;
    const char* field;
};

class AtmosErrorTest : public AtmosWindowTest, public ::testing::WithParamInterface<AtmosError> {};

TEST_P(AtmosErrorTest, ReportsTheFirstFailingCheckAndSelectsItsField) {
    const AtmosError& e = GetParam();
    fill(e.typed, e.inHg, e.fahrenheit);
    expectEnterReports("txtElev", e.message, e.field);
    EXPECT_TRUE(holdTexts(window, kFields, e.typed));
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, AtmosErrorTest,
    ::testing::Values(
        AtmosError{{"", "", "", ""},
                   false,
                   false,
                   "Enter an indicated altitude from -2000 to 65000 ft!",
                   "txtAlt"},
        AtmosError{{"65001", "", "", ""},
                   false,
                   false,
                   "Enter an indicated altitude from -2000 to 65000 ft!",
                   "txtAlt"},
        AtmosError{{"0", "", "", ""},
                   false,
                   false,
                   "Enter an altimeter setting from 850 to 1100 hPa!",
                   "txtSetting"},
        AtmosError{{"0", "29.92", "", ""},
                   false,
                   false,
                   "Enter an altimeter setting from 850 to 1100 hPa!",
                   "txtSetting"},
        AtmosError{{"0", "1013", "", ""},
                   true,
                   false,
                   "Enter an altimeter setting from 25.10 to 32.48 inHg!",
                   "txtSetting"},
        AtmosError{{"0", "25.09", "", ""},
                   true,
                   false,
                   "Enter an altimeter setting from 25.10 to 32.48 inHg!",
                   "txtSetting"},
        AtmosError{{"0", "1013", "-", ""},
                   false,
                   false,
                   "Enter an outside air temperature from -100 to 60 °C!",
                   "txtOAT"},
        AtmosError{{"0", "1013", "61", ""},
                   false,
                   false,
                   "Enter an outside air temperature from -100 to 60 °C!",
                   "txtOAT"},
        AtmosError{{"0", "1013", "-149", ""},
                   false,
                   true,
                   "Enter an outside air temperature from -148 to 140 °F!",
                   "txtOAT"},
        AtmosError{{"0", "1013", "", "20001"},
                   false,
                   false,
                   "Enter a station elevation from -2000 to 20000 ft!",
                   "txtElev"},
        AtmosError{{"65000", "990", "", ""},
                   false,
                   false,
                   "The pressure altitude is above the top of the standard atmosphere!",
                   "txtAlt"},
        AtmosError{{"65000", "1013.25", "0", ""},
                   false,
                   false,
                   "The density altitude is above the top of the standard atmosphere!",
                   "txtOAT"}));

TEST_F(AtmosWindowTest, EnterMovesOnAndComputesWithoutABeep) {
    expectQuietEnterChain(kFields, {"5000", "1013.25", "25", "1000"});
    EXPECT_EQ(text("LblDA"), "7262 ft");
}

TEST_F(AtmosWindowTest, TitleHelpAndRangesInTheTooltips) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Atmosphere"));
    const QStringList help = helpParagraphs(window);
    ASSERT_EQ(help.size(), 6);
    EXPECT_TRUE(help[1].contains(QStringLiteral("from 850 to 1100")));
    EXPECT_TRUE(help[5].contains(QStringLiteral("flight computer's rule")));
    EXPECT_EQ(field("txtSetting")->toolTip(),
              QStringLiteral("850 to 1100 hPa, or 25.10 to 32.48 inHg"));
    EXPECT_TRUE(option("optHpa")->isChecked());
    EXPECT_TRUE(option("optC")->isChecked());
}

}  // namespace
}  // namespace aerolume::test
