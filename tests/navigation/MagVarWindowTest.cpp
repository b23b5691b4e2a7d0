// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDate>

#include "navigation/MagVarWindow.h"
#include "support/MenuWindowTest.h"

namespace aerolume::test {
namespace {

const char* const kFields[] = {"txtLatDeg",  "txtLatMin",  "txtLatSec", "txtLongDeg",
                               "txtLongMin", "txtLongSec", "txtAlt",    "txtDate"};

class MagVarWindowTest : public MenuWindowTest<MagVarWindow> {
protected:
    MagVarWindowTest()
        : MenuWindowTest("MagVar", "menuMagVar",
                         {"Label9", "Label10", "Label11", "Label12", "Label13", "LblVar", "LblIncl",
                          "LblTotal", "LblHoriz", "LblChange"}) {}

    // Types the fields key by key and picks the hemispheres.
    void fill(const Names& texts, bool south, bool east) {
        typeFields(window, kFields, texts);
        click(option(south ? "optS" : "optN"));
        click(option(east ? "optE" : "optW"));
    }
};

struct MagVarCase {
    const char* what;
    Names texts;  // the eight fields
    bool south;
    bool east;
    const char* variation;
    const char* inclination;
    const char* total;
    const char* horizontal;
    const char* change;
    const char* warning;  // "" when none is shown
};

class MagVarCaptionsTest : public MagVarWindowTest,
                           public ::testing::WithParamInterface<MagVarCase> {};

TEST_P(MagVarCaptionsTest, EnterInTheDateShowsTheResults) {
    const MagVarCase& c = GetParam();
    fill(c.texts, c.south, c.east);
    expectEnterShowsResults("txtDate");
    EXPECT_EQ(text("LblVar"), c.variation) << c.what;
    EXPECT_EQ(text("LblIncl"), c.inclination) << c.what;
    EXPECT_EQ(text("LblTotal"), c.total) << c.what;
    EXPECT_EQ(text("LblHoriz"), c.horizontal) << c.what;
    EXPECT_EQ(text("LblChange"), c.change) << c.what;
    EXPECT_EQ(text("LblWarning"), c.warning) << c.what;
    EXPECT_EQ(label("LblWarning")->isHidden(), *c.warning == '\0') << c.what;
}

// The first three rows are points of the model's published test values (D, I and the
// intensities as the window rounds them; the yearly change within the published
// precision); the last row and the tests below show the core's own figures, which
// tests/navigation/MagneticModelTest.cpp holds against the published ones.
INSTANTIATE_TEST_SUITE_P(
    Worked, MagVarCaptionsTest,
    ::testing::Values(
        MagVarCase{"the north test point, decimal degrees and minutes",
                   {"79.5", "30", "", "0", "", "", "0", "2025-01-01"},
                   false,
                   true,
                   "1.3° E",
                   "83.2° down",
                   "55178 nT",
                   "6523 nT",
                   "31.4′ E per year",
                   ""},
        MagVarCase{"the south test point, mid-2027: the field points up",
                   {"80", "", "", "120", "", "", "", "2027-07-02"},
                   true,
                   false,
                   "68.5° E",
                   "71.9° up",
                   "54474 nT",
                   "16908 nT",
                   "6.9′ W per year",
                   ""},
        MagVarCase{"minutes and seconds, 6 km up, mid-2025",
                   {"35.75", "15", "", "136", "59.5", "30", "19685", "2025/7/2"},
                   true,
                   false,
                   "20.3° E",
                   "52.1° up",
                   "41281 nT",
                   "25353 nT",
                   "1.5′ E per year",
                   ""},
        MagVarCase{"west variation, out of the model's life",
                   {"80", "", "", "96", "", "", "0", "2030-01-01"},
                   false,
                   false,
                   "25.5° W",
                   "87.5° down",
                   "56763 nT",
                   "2471 nT",
                   "61.9′ E per year",
                   "The horizontal field here is below 6000 nT: the compass and the variation "
                   "are unreliable.\nThe model is made for 2025 to 2029: for this date its "
                   "values are extrapolated and may be wrong."}));

// Near the magnetic pole the compass is useless: no number for the variation, a sentence
// instead, and the rest of the results as usual.
TEST_F(MagVarWindowTest, TheBlackoutZoneGivesNoVariation) {
    fill({"89", "", "", "121", "", "", "0", "2025-01-01"}, false, false);
    click(compute());
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(text("LblVar"), "none");
    EXPECT_EQ(text("LblChange"), "none");
    EXPECT_EQ(text("LblIncl"), "88.4° down");
    EXPECT_EQ(text("LblWarning"),
              "The horizontal field here is below 2000 nT: the compass is useless and the "
              "variation has no meaning.");
    // A run elsewhere takes the warning away.
    fill({"43", "", "", "93", "", "", "0", "2026-06-01"}, false, true);
    click(compute());
    EXPECT_TRUE(label("LblWarning")->isHidden());
    EXPECT_EQ(text("LblVar"), "0.5° E");
}

TEST_F(MagVarWindowTest, StartsWithTodayAndTheNorthWestHemispheres) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Magnetic Variation"));
    EXPECT_EQ(field("txtDate")->text(),
              QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    EXPECT_TRUE(option("optN")->isChecked());
    EXPECT_TRUE(option("optW")->isChecked());
    EXPECT_TRUE(field("txtLatDeg")->hasFocus());
    EXPECT_TRUE(label("ErrorLbl")->isHidden());
    EXPECT_TRUE(label("LblWarning")->isHidden());
}

TEST_F(MagVarWindowTest, EnterMovesOnAndComputesWithoutABeep) {
    expectEnterChain(kFields);
    expectQuietEnterChain(kFields, {"45", "", "", "75", "", "", "", "2026-01-01"});
    EXPECT_FALSE(text("LblVar").empty());
}

class MagVarKeysTest : public MagVarWindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(MagVarKeysTest, EachFieldKeepsOnlyItsKeys) {
    field(GetParam().field)->clear();  // the date starts filled in
    expectKeys(field(GetParam().field), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Filters, MagVarKeysTest,
                         ::testing::Values(KeyCase{"txtLatDeg", "-12.5a", "12.5", 2},
                                           KeyCase{"txtLongSec", "3/0", "3/0", 0},
                                           KeyCase{"txtAlt", "-1500x", "-1500", 1},
                                           KeyCase{"txtDate", "2026-04-15", "2026-04-15", 0},
                                           KeyCase{"txtDate", "2026 4:15", "2026415", 2}));

struct MagVarError {
    Names texts;
    const char* message;
    const char* focused;
};

class MagVarErrorTest : public MagVarWindowTest,
                        public ::testing::WithParamInterface<MagVarError> {};

TEST_P(MagVarErrorTest, ReportsTheFirstFailingCheckAndSelectsItsField) {
    const MagVarError& e = GetParam();
    fill(e.texts, false, false);
    expectEnterReports("txtDate", e.message, e.focused);
    EXPECT_TRUE(label("LblWarning")->isHidden());
    EXPECT_TRUE(holdTexts(window, kFields, e.texts, nullptr));
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, MagVarErrorTest,
    ::testing::Values(
        MagVarError{{"91", "", "", "400", "", "", "99999", "0"},
                    "Enter a latitude from 0 to 90°, its minutes and seconds below 60!",
                    "txtLatDeg"},
        MagVarError{{"89", "60", "", "0", "", "", "0", "2026-01-01"},
                    "Enter a latitude from 0 to 90°, its minutes and seconds below 60!",
                    "txtLatMin"},
        MagVarError{{"89", "", "60", "0", "", "", "0", "2026-01-01"},
                    "Enter a latitude from 0 to 90°, its minutes and seconds below 60!",
                    "txtLatSec"},
        MagVarError{{"89.5", "30", "1", "0", "", "", "0", "2026-01-01"},
                    "Enter a latitude from 0 to 90°, its minutes and seconds below 60!",
                    "txtLatDeg"},
        MagVarError{{"1.2.3", "", "", "0", "", "", "0", "2026-01-01"},
                    "Enter a latitude from 0 to 90°, its minutes and seconds below 60!",
                    "txtLatDeg"},
        MagVarError{{"0", "", "", "180", "0", "1", "0", "2026-01-01"},
                    "Enter a longitude from 0 to 180°, its minutes and seconds below 60!",
                    "txtLongDeg"},
        MagVarError{{"0", "", "", "181", "", "", "0", "2026-01-01"},
                    "Enter a longitude from 0 to 180°, its minutes and seconds below 60!",
                    "txtLongDeg"},
        MagVarError{{"0", "", "", "0", "", "", "60001", "2026-01-01"},
                    "Enter an altitude from -1500 to 60000 ft, or none for sea level!",
                    "txtAlt"},
        MagVarError{{"0", "", "", "0", "", "", "-1501", "2026-01-01"},
                    "Enter an altitude from -1500 to 60000 ft, or none for sea level!",
                    "txtAlt"},
        MagVarError{{"0", "", "", "0", "", "", "1-0", "2026-01-01"},
                    "Enter an altitude from -1500 to 60000 ft, or none for sea level!",
                    "txtAlt"},
        MagVarError{{"0", "", "", "0", "", "", "0", "2026-02-29"},
                    "Enter a date from 1900-01-01 to 2100-12-31 as YYYY-MM-DD!",
                    "txtDate"},
        MagVarError{{"0", "", "", "0", "", "", "0", "26-01-01"},
                    "Enter a date from 1900-01-01 to 2100-12-31 as YYYY-MM-DD!",
                    "txtDate"},
        MagVarError{{"0", "", "", "0", "", "", "0", "2101-01-01"},
                    "Enter a date from 1900-01-01 to 2100-12-31 as YYYY-MM-DD!",
                    "txtDate"},
        MagVarError{{"0", "", "", "0", "", "", "0", ""},
                    "Enter a date from 1900-01-01 to 2100-12-31 as YYYY-MM-DD!",
                    "txtDate"}));

TEST_F(MagVarWindowTest, BlankFieldsCountAsZeroAndTheBoundsAreTaken) {
    fill({"90", "", "", "180", "", "", "", "2028-02-29"}, true, true);
    click(compute());
    EXPECT_TRUE(resultsShown());
    fill({"", "", "", "", "", "", "60000", "1900-01-01"}, false, false);
    click(compute());
    EXPECT_TRUE(resultsShown());
    EXPECT_FALSE(label("LblWarning")->isHidden());
}

TEST_F(MagVarWindowTest, HelpDescribesTheFieldsTheModelAndItsLimits) {
    const QStringList paragraphs = helpParagraphs(window);
    ASSERT_EQ(paragraphs.size(), 4);
    EXPECT_TRUE(paragraphs[0].contains(QStringLiteral("decimal degrees")));
    EXPECT_TRUE(paragraphs[2].contains(QStringLiteral("World Magnetic Model 2025")));
    EXPECT_TRUE(paragraphs[3].contains(QStringLiteral("2000 nT")));
}

}  // namespace
}  // namespace aerolume::test
