// SPDX-License-Identifier: GPL-3.0-or-later
#include "airdata/CloudWindow.h"
#include "support/MenuWindowTest.h"

namespace aerolume::test {
namespace {

const char* const kFields[] = {"txtTemp", "txtDew", "txtElev"};

class CloudWindowTest : public MenuWindowTest<CloudWindow> {
protected:
    CloudWindowTest()
        : MenuWindowTest(
              "Cloud", "menuCloud",
              {"Label4", "Label5", "Label6", "LblBaseAgl", "LblBaseMsl", "LblFreezing"}) {}

    void fill(const std::array<const char*, 3>& typed, bool fahrenheit) {
        click(option(fahrenheit ? "optF" : "optC"));
        typeFields(window, kFields, typed);
    }
};

struct CloudCaptions {
    std::array<const char*, 3> typed;
    bool fahrenheit;
    std::array<const char*, 3> shown;
};

class CloudCaptionsTest : public CloudWindowTest,
                          public ::testing::WithParamInterface<CloudCaptions> {};

TEST_P(CloudCaptionsTest, EnterInTheElevationShowsTheResults) {
    const CloudCaptions& c = GetParam();
    fill(c.typed, c.fahrenheit);
    expectEnterShowsResults("txtElev");
    EXPECT_EQ(text("LblBaseAgl"), c.shown[0]);
    EXPECT_EQ(text("LblBaseMsl"), c.shown[1]);
    EXPECT_EQ(text("LblFreezing"), c.shown[2]);
}

// Spread x 400 ft; freezing level = field + temperature / 1.98 x 1000 ft; each to the
// nearest 100 ft.
INSTANTIATE_TEST_SUITE_P(
    ByHand, CloudCaptionsTest,
    ::testing::Values(
        CloudCaptions{{"20", "10", "0"}, false, {"4000 ft", "4000 ft", "10100 ft"}},
        CloudCaptions{{"15", "15", "1000"}, false, {"0 ft", "1000 ft", "8600 ft"}},
        CloudCaptions{{"0", "-5", "500"}, false, {"2000 ft", "2500 ft", "at the surface"}},
        CloudCaptions{{"-3", "-4", "2000"}, false, {"400 ft", "2400 ft", "at the surface"}},
        CloudCaptions{{"0.1", "-2", "-500"}, false, {"800 ft", "300 ft", "-400 ft"}},
        CloudCaptions{{"2.625", "0.5", "0"}, false, {"900 ft", "900 ft", "1300 ft"}},
        CloudCaptions{{"60", "-60", "20000"}, false, {"48000 ft", "68000 ft", "50300 ft"}},
        CloudCaptions{{"86", "50", "-500"}, true, {"8000 ft", "7500 ft", "14700 ft"}},
        CloudCaptions{{"32", "32", "0"}, true, {"0 ft", "0 ft", "at the surface"}}));

struct CloudError {
    std::array<const char*, 3> typed;
    bool fahrenheit;
    const char* message;
    const char* field;
};

class CloudErrorTest : public CloudWindowTest, public ::testing::WithParamInterface<CloudError> {};

TEST_P(CloudErrorTest, ReportsTheFirstFailingCheckAndSelectsItsField) {
    const CloudError& e = GetParam();
    fill(e.typed, e.fahrenheit);
    expectEnterReports("txtElev", e.message, e.field);
    EXPECT_TRUE(holdTexts(window, kFields, e.typed));
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, CloudErrorTest,
    ::testing::Values(
        CloudError{{"", "", ""}, false, "Enter a temperature from -60 to 60 °C!", "txtTemp"},
        CloudError{{"1.2.", "", ""}, false, "Enter a temperature from -60 to 60 °C!", "txtTemp"},
        CloudError{{"61", "", ""}, false, "Enter a temperature from -60 to 60 °C!", "txtTemp"},
        CloudError{{"141", "", ""}, true, "Enter a temperature from -76 to 140 °F!", "txtTemp"},
        CloudError{{"20", "", ""}, false, "Enter a dew point from -60 to 60 °C!", "txtDew"},
        CloudError{{"20", "-61", ""}, false, "Enter a dew point from -60 to 60 °C!", "txtDew"},
        CloudError{
            {"20", "10", ""}, false, "Enter a field elevation from -2000 to 20000 ft!", "txtElev"},
        CloudError{{"20", "10", "-2001"},
                   false,
                   "Enter a field elevation from -2000 to 20000 ft!",
                   "txtElev"},
        CloudError{{"10", "10.1", "0"}, false, "The dew point is above the temperature!", "txtDew"},
        CloudError{{"50", "51", "0"}, true, "The dew point is above the temperature!", "txtDew"}));

TEST_F(CloudWindowTest, EnterMovesOnAndComputesWithoutABeep) {
    expectEnterChain(kFields);
    expectQuietEnterChain(kFields, {"20", "10", "0"});
    EXPECT_EQ(text("LblFreezing"), "10100 ft");
}

TEST_F(CloudWindowTest, TheComputeButtonComputesAndTheTitleAndHelpAreShown) {
    fill({"20", "10", "0"}, false);
    BeepCounter beeps;
    click(compute());
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_EQ(text("LblBaseAgl"), "4000 ft");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Cloud Base & Freezing Level"));
    const QStringList help = helpParagraphs(window);
    ASSERT_EQ(help.size(), 4);
    EXPECT_TRUE(help[2].contains(QStringLiteral("× 400 ft")));
    EXPECT_EQ(field("txtElev")->toolTip(), QStringLiteral("-2000 to 20000 ft"));
}

}  // namespace
}  // namespace aerolume::test
