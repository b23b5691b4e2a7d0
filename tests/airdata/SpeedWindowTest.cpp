// SPDX-License-Identifier: GPL-3.0-or-later
#include "airdata/SpeedWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

const char* const kFields[] = {"txtCAS", "txtMSL", "txtBaro", "txtOAT"};

class SpeedWindowTest : public WindowTest<SpeedWindow> {
protected:
    SpeedWindowTest() : WindowTest("Speed", "Command8", {"Label8", "TAS", "Label7", "Mach"}) {}

    // Selects the unit, then types the four fields from the airspeed on, each entry
    // followed by Enter except the last, into whichever field has the focus.
    void fill(const char* cas, const char* msl, const char* baro, const char* oat,
              bool fahrenheit = false) {
        click(option(fahrenheit ? "OptionF" : "OptionC"));
        typeAlongEnterChain(window, kFields, {cas, msl, baro, oat});
    }
};

struct SpeedCaptions {
    const char* cas;
    const char* msl;
    const char* baro;
    const char* oat;
    bool fahrenheit;
    const char* tas;
    const char* mach;
};

class SpeedCaptionsTest : public SpeedWindowTest,
                          public ::testing::WithParamInterface<SpeedCaptions> {};

TEST_P(SpeedCaptionsTest, EnterInTheTemperatureShowsSpeedAndMach) {
    const SpeedCaptions& c = GetParam();
    fill(c.cas, c.msl, c.baro, c.oat, c.fahrenheit);
    expectEnterShowsResults("txtOAT");
    EXPECT_EQ(label("TAS")->text().toStdString(), c.tas);
    EXPECT_EQ(label("Mach")->text().toStdString(), c.mach);
    EXPECT_TRUE(holdTexts(window, kFields, {c.cas, c.msl, c.baro, c.oat}));  // left as typed
}

INSTANTIATE_TEST_SUITE_P(
    Worked, SpeedCaptionsTest,
    ::testing::Values(SpeedCaptions{"100", "0", "29.92", "15", false, "100.", ".151"},
                      SpeedCaptions{"250", "10000", "30.12", "-5", false, "287.6", ".451"},
                      SpeedCaptions{"450", "35000", "29.92", "-54", false, "713.2", "1.236"},
                      SpeedCaptions{"120", "8000", "29.5", "50", true, "138.9", ".212"}));

INSTANTIATE_TEST_SUITE_P(
    Limits, SpeedCaptionsTest,
    ::testing::Values(SpeedCaptions{"2000", "0", "29.92", "15", false, "2000.", "3.024"},
                      SpeedCaptions{".5", "0", "29.92", "15", false, ".5", ".001"},
                      SpeedCaptions{"100", "-1500", "29.92", "15", false, "97.4", ".147"},
                      SpeedCaptions{"100", "36000", "29.92", "15", false, "209.1", ".316"},
                      SpeedCaptions{"100", "0", "27", "15", false, "105.2", ".159"},
                      SpeedCaptions{"100", "0", "36", "15", false, "91.2", ".138"},
                      SpeedCaptions{"100", "0", "29.92", "150", false, "121.2", ".151"},
                      SpeedCaptions{"100", "0", "29.92", "302", true, "121.2", ".151"},
                      SpeedCaptions{"100", "0", "29.92", "-273", false, "2.3", ".151"},
                      SpeedCaptions{"100.", "0.", "29.92", "15.", false, "100.", ".151"}));

// The temperature is read leniently: its leading number, or 0, is used.
INSTANTIATE_TEST_SUITE_P(
    LenientTemperature, SpeedCaptionsTest,
    ::testing::Values(SpeedCaptions{"100", "0", "29.92", "15/4", false, "100.", ".151"},
                      SpeedCaptions{"100", "0", "29.92", "15-", false, "100.", ".151"},
                      SpeedCaptions{"100", "0", "29.92", "-", false, "97.4", ".151"},
                      SpeedCaptions{"100", "0", "29.92", ".", false, "97.4", ".151"},
                      SpeedCaptions{"100", "0", "29.92", "32.5", true, "97.4", ".151"}));

TEST_F(SpeedWindowTest, ComputeButtonGivesTheSameResultsWithoutABeep) {
    fill("250", "10000", "30.12", "-5");
    BeepCounter beeps;
    click(compute());
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_EQ(label("TAS")->text(), QStringLiteral("287.6"));
    EXPECT_EQ(label("Mach")->text(), QStringLiteral(".451"));
}

struct SpeedError {
    const char* cas;
    const char* msl;
    const char* baro;
    const char* oat;
    bool fahrenheit;
    const char* message;
    const char* cleared;
};

class SpeedErrorTest : public SpeedWindowTest, public ::testing::WithParamInterface<SpeedError> {};

TEST_P(SpeedErrorTest, ReportsTheFirstFailingCheckAndClearsItsField) {
    const SpeedError& e = GetParam();
    fill(e.cas, e.msl, e.baro, e.oat, e.fahrenheit);
    expectEnterReports("txtOAT", e.message, e.cleared);
    EXPECT_TRUE(holdTexts(window, kFields, {e.cas, e.msl, e.baro, e.oat}, e.cleared));
}

INSTANTIATE_TEST_SUITE_P(
    Emptiness, SpeedErrorTest,
    ::testing::Values(SpeedError{"", "", "", "", false, "Invalid CAS!", "txtCAS"},
                      SpeedError{"", "99999", "99", "999", false, "Invalid CAS!", "txtCAS"},
                      SpeedError{"100", "", "", "", false, "Invalid MSL Alt!", "txtMSL"},
                      SpeedError{"9999", "", "99", "999", false, "Invalid MSL Alt!", "txtMSL"},
                      SpeedError{"100", "0", "", "15", false, "Invalid Pressure!", "txtBaro"},
                      SpeedError{"100", "0", "29.92", "", false, "Invalid OAT!", "txtOAT"},
                      SpeedError{"9999", "99999", "99", "", false, "Invalid OAT!", "txtOAT"}));

INSTANTIATE_TEST_SUITE_P(
    Ranges, SpeedErrorTest,
    ::testing::Values(SpeedError{"0", "0", "29.92", "15", false, "Invalid TAS", "txtCAS"},
                      SpeedError{"2001", "0", "29.92", "15", false, "Invalid TAS", "txtCAS"},
                      SpeedError{"0", "99999", "99", "999", false, "Invalid TAS", "txtCAS"},
                      SpeedError{"100", "36001", "29.92", "15", false, "Ivalid MSL Alt!", "txtMSL"},
                      SpeedError{"100", "-1501", "99", "999", false, "Ivalid MSL Alt!", "txtMSL"},
                      SpeedError{"100", "0", "26.99", "15", false, "Invalid Pressure!", "txtBaro"},
                      SpeedError{"100", "0", "36.01", "999", false, "Invalid Pressure!", "txtBaro"},
                      SpeedError{"100", "0", "29.92", "151", false, "Invalid OAT!", "txtOAT"},
                      SpeedError{"100", "0", "29.92", "-301", false, "Invalid OAT!", "txtOAT"},
                      SpeedError{"100", "0", "29.92", "303", true, "Invalid OAT!", "txtOAT"},
                      SpeedError{"100", "0", "29.92", "-509", true, "Invalid OAT!", "txtOAT"}));

// Texts the key filters let through but that are not numbers fail the field's range check.
INSTANTIATE_TEST_SUITE_P(
    NotANumber, SpeedErrorTest,
    ::testing::Values(SpeedError{".", "0", "29.92", "15", false, "Invalid TAS", "txtCAS"},
                      SpeedError{"3/4", "0", "29.92", "15", false, "Invalid TAS", "txtCAS"},
                      SpeedError{"1.2.", "0", "29.92", "15", false, "Invalid TAS", "txtCAS"},
                      SpeedError{"/", "0", "29.92", "15", false, "Invalid TAS", "txtCAS"},
                      SpeedError{"100", "-", "29.92", "15", false, "Ivalid MSL Alt!", "txtMSL"},
                      SpeedError{"100", "5-", "29.92", "15", false, "Ivalid MSL Alt!", "txtMSL"},
                      SpeedError{"100", "1.2.3", "29.92", "15", false, "Ivalid MSL Alt!", "txtMSL"},
                      SpeedError{"100", "3/4", "29.92", "15", false, "Ivalid MSL Alt!", "txtMSL"},
                      SpeedError{"100", "0", ".", "15", false, "Invalid Pressure!", "txtBaro"},
                      SpeedError{"100", "0", "29/92", "15", false, "Invalid Pressure!", "txtBaro"},
                      SpeedError{"100", "0", "2.9.9", "15", false, "Invalid Pressure!",
                                 "txtBaro"}));

// -300 to -273.15 degrees Celsius pass the range check but have no speed of sound.
INSTANTIATE_TEST_SUITE_P(
    BelowAbsoluteZero, SpeedErrorTest,
    ::testing::Values(
        SpeedError{"100", "0", "29.92", "-300", false, "At or below absolute zero!", "txtOAT"},
        SpeedError{"100", "0", "29.92", "-274", false, "At or below absolute zero!", "txtOAT"},
        SpeedError{"100", "0", "29.92", "-460", true, "At or below absolute zero!", "txtOAT"},
        SpeedError{"100", "0", "29.92", "-508", true, "At or below absolute zero!", "txtOAT"}));

TEST_F(SpeedWindowTest, ANewRunHidesTheErrorAndShowsTheResultsAgain) {
    fill("100", "36001", "29.92", "15");
    click(compute());
    EXPECT_EQ(label("ErrorLbl")->text(), QStringLiteral("Ivalid MSL Alt!"));
    click(compute());  // the cleared field is now reported empty
    EXPECT_EQ(label("ErrorLbl")->text(), QStringLiteral("Invalid MSL Alt!"));
    type(field("txtMSL"), QStringLiteral("0"));
    click(compute());
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(label("TAS")->text(), QStringLiteral("100."));
    EXPECT_EQ(label("Mach")->text(), QStringLiteral(".151"));
}

struct SpeedEnter {
    const char* from;
    const char* to;
};

class SpeedEnterTest : public SpeedWindowTest, public ::testing::WithParamInterface<SpeedEnter> {};

TEST_P(SpeedEnterTest, EnterMovesTheFocusAndBeeps) {
    expectEnterMovesOn(field(GetParam().from), field(GetParam().to), QStringLiteral("12"));
}

INSTANTIATE_TEST_SUITE_P(Chain, SpeedEnterTest,
                         ::testing::Values(SpeedEnter{"txtCAS", "txtMSL"},
                                           SpeedEnter{"txtMSL", "txtBaro"},
                                           SpeedEnter{"txtBaro", "txtOAT"}));

class SpeedKeysTest : public SpeedWindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(SpeedKeysTest, TheFilterDropsOtherKeysWithABeep) {
    expectKeys(field(GetParam().field), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Filters, SpeedKeysTest,
    ::testing::Values(KeyCase{"txtCAS", "-100", "100", 1}, KeyCase{"txtCAS", "1.5/", "1.5/", 0},
                      KeyCase{"txtCAS", "12345", "1234", 0}, KeyCase{"txtCAS", "1k2", "12", 1},
                      KeyCase{"txtMSL", "-1500", "-1500", 0},
                      KeyCase{"txtMSL", "1234567", "123456", 0},
                      KeyCase{"txtMSL", "1 000", "1000", 1},
                      KeyCase{"txtBaro", "-29.92", "29.92", 1},
                      KeyCase{"txtBaro", "29,92", "2992", 1}, KeyCase{"txtOAT", "-54", "-54", 0},
                      KeyCase{"txtOAT", "-54.5", "-54.", 0}, KeyCase{"txtOAT", "15°C", "15", 2}));

TEST_F(SpeedWindowTest, PastingIsFilteredLikeTyping) {
    QLineEdit* baro = field("txtBaro");
    BeepCounter beeps;
    paste(baro, QStringLiteral("-29"));
    EXPECT_TRUE(baro->text().isEmpty());
    EXPECT_GE(beeps.count(), 1);
    paste(field("txtMSL"), QStringLiteral("-1500"));
    EXPECT_EQ(field("txtMSL")->text(), QStringLiteral("-1500"));
}

TEST_F(SpeedWindowTest, HelpShowsTwoParagraphs) {
    const QStringList paragraphs = helpParagraphs(window);
    ASSERT_EQ(paragraphs.size(), 2);
    EXPECT_EQ(paragraphs[0],
              QStringLiteral("Enter your calibrated airspeed (knots) between 0 and 2000. Enter the "
                             "MSL altitude between -1500 and 36000 feet. Enter the sea level "
                             "altimeter setting (inches of Mercury) between 27 and 36. Enter the "
                             "true outside air temerature between -300 and 150 degrees Centigrade "
                             "(you can use Fahrenheit if desired by selecting the radio button)."));
    EXPECT_EQ(paragraphs[1],
              QStringLiteral("Note: This calculation does not take into account the effects of "
                             "compressibility on the OAT probe. At higher speeds (0.3 Mach and "
                             "above), the OAT reading will be higher than actual.    "));
}

TEST_F(SpeedWindowTest, StartsEmptyInCelsiusWithBlankResults) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Speed Calculations"));
    const std::pair<const char*, int> lengths[] = {
        {"txtCAS", 4}, {"txtMSL", 6}, {"txtBaro", 6}, {"txtOAT", 4}};
    for (const auto& [name, length] : lengths) {
        EXPECT_TRUE(field(name)->text().isEmpty()) << name;
        EXPECT_EQ(field(name)->maxLength(), length) << name;
        EXPECT_EQ(field(name)->palette().color(QPalette::Base), QColor(Qt::white)) << name;
    }
    EXPECT_TRUE(option("OptionC")->isChecked());
    EXPECT_FALSE(option("OptionF")->isChecked());
    EXPECT_EQ(option("OptionC")->text(), QStringLiteral("°C"));
    EXPECT_EQ(option("OptionF")->text(), QStringLiteral("°F"));
    EXPECT_EQ(label("Label8")->text(), QStringLiteral("True Airspeed:"));
    EXPECT_EQ(label("Label7")->text(), QStringLiteral("Mach Number:"));
    EXPECT_TRUE(label("ErrorLbl")->isHidden());
    EXPECT_TRUE(label("ErrorLbl")->font().bold());
    EXPECT_EQ(label("ErrorLbl")->font().pointSizeF(), 12);
    for (const char* name : {"TAS", "Mach"}) {
        EXPECT_FALSE(label(name)->isHidden()) << name;
        EXPECT_EQ(label(name)->text(), QStringLiteral(" ")) << name;
        EXPECT_TRUE(label(name)->font().bold()) << name;
        EXPECT_EQ(label(name)->palette().color(QPalette::WindowText), QColor(128, 0, 0)) << name;
    }
    EXPECT_NE(action("mnuClose"), nullptr);
}

TEST_F(SpeedWindowTest, FieldsAndTheirCaptionsShareTheirTooltips) {
    const struct {
        const char* field;
        const char* caption;
        QString tip;
    } tips[] = {{"txtCAS", "Label1", QStringLiteral("0 < CAS 2000 Knots ")},
                {"txtMSL", "Label4", QStringLiteral("-1500 < MSL < 36000 Feet")},
                {"txtBaro", "Label5", QStringLiteral("27.00 < Barometer < 36.00 \"HG")},
                {"txtOAT", "Label2", QStringLiteral("-300C < OAT < 150C")}};
    for (const auto& t : tips) {
        EXPECT_EQ(field(t.field)->toolTip(), t.tip) << t.field;
        EXPECT_EQ(label(t.caption)->toolTip(), t.tip) << t.caption;
    }
    EXPECT_EQ(label("Label1")->text(), QStringLiteral("Calibrated Airspeed:"));
    EXPECT_EQ(label("Label4")->text(), QStringLiteral("MSL Altitude:"));
    EXPECT_EQ(label("Label5")->text(), QStringLiteral("Altimeter Setting:"));
    EXPECT_EQ(label("Label2")->text(), QStringLiteral("Outside Air Temp:"));
}

TEST_F(SpeedWindowTest, TabVisitsTheControlsInOrder) {
    EXPECT_EQ(focusChain(field("txtCAS"), 8),
              (QStringList{"txtCAS", "txtMSL", "txtBaro", "txtOAT", "OptionC", "OptionF",
                           "Command2", "Command1"}));
}

TEST_F(SpeedWindowTest, TheCloseButtonUnloadsTheWindowAndShowsTheLauncher) {
    type(field("txtCAS"), QStringLiteral("100"));
    closeWindow(window, CloseBy::Button);
    EXPECT_FALSE(loaded());
    EXPECT_TRUE(program->main()->isVisible());
    ASSERT_TRUE(reopenFromMenu("menuSpeed"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(field("txtCAS")->text().isEmpty());
    EXPECT_EQ(label("TAS")->text(), QStringLiteral(" "));
}

}  // namespace
}  // namespace aerolume::test
