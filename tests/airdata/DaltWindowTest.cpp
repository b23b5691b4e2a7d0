// SPDX-License-Identifier: GPL-3.0-or-later
#include "airdata/DaltWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

const char* const kFields[] = {"txtMSL", "txtAlt", "CTemp"};
const char* const kResults[] = {"DALabel", "DenAlt", "PresAltLbl", "PAlt"};

class DaltWindowTest : public WindowTest<DaltWindow> {
protected:
    DaltWindowTest() : WindowTest("Dalt", "Command4", kResults) {}

    // Selects the unit, then types the three fields as a pilot would: from the MSL
    // field, each entry followed by Enter except the last, into whichever field has
    // the focus.
    void fill(const char* msl, const char* altimeter, const char* temperature,
              bool fahrenheit = false) {
        click(option(fahrenheit ? "OptionF" : "OptionC"));
        typeAlongEnterChain(window, kFields, {msl, altimeter, temperature});
    }
};

struct DaltCaptions {
    const char* msl;
    const char* altimeter;
    const char* temperature;
    bool fahrenheit;
    const char* density;
    const char* pressure;
};

class DaltCaptionsTest : public DaltWindowTest,
                         public ::testing::WithParamInterface<DaltCaptions> {};

TEST_P(DaltCaptionsTest, EnterInTheTemperatureShowsBothAltitudes) {
    const DaltCaptions& c = GetParam();
    fill(c.msl, c.altimeter, c.temperature, c.fahrenheit);
    expectEnterShowsResults("CTemp");
    EXPECT_EQ(label("DenAlt")->text().toStdString(), c.density);
    EXPECT_EQ(label("PAlt")->text().toStdString(), c.pressure);
    // The fields stay as typed.
    EXPECT_EQ(field("txtMSL")->text().toStdString(), c.msl);
    EXPECT_EQ(field("CTemp")->text().toStdString(), c.temperature);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, DaltCaptionsTest,
    ::testing::Values(DaltCaptions{"5000", "30.12", "25", false, "7039", "4817"},
                      DaltCaptions{"5000", "29.92", "95", true, "8330", "5001"},
                      DaltCaptions{"0", "29.921", "15", false, "", ""},
                      DaltCaptions{"36000", "27", "15", false, "46316", "38815"},
                      DaltCaptions{"36000", "36", "150", false, "46383", "30791"},
                      DaltCaptions{"-1499", "36", "-40", false, "-16175", "-6708"},
                      DaltCaptions{"-1499", "27", "-273", false, "-704407", "1316"},
                      DaltCaptions{"5000", "30.12", "302", true, "17970", "4817"},
                      DaltCaptions{"5000", "30.12", "-459", true, "-520459", "4817"}));

// Text that is not a number is no error here: its leading number, or 0, is used.
INSTANTIATE_TEST_SUITE_P(
    LeadingNumbers, DaltCaptionsTest,
    ::testing::Values(DaltCaptions{"5000-1", "30.12", "25", false, "7039", "4817"},
                      DaltCaptions{"5000", "30.12/", "25/3", false, "7039", "4817"},
                      DaltCaptions{"-", "29.921", "15", false, "", ""},
                      DaltCaptions{".", "29.921", "15", false, "", ""},
                      DaltCaptions{"5000", "30.12", "1.2.", false, "4307", "4817"},
                      DaltCaptions{"0", "29.921", "-", false, "-1838", ""}));

TEST_F(DaltWindowTest, SeaLevelStandardShowsEmptyCaptionsEvenWhenTypedInFull) {
    // The altimeter field holds six characters: "29.92126" arrives as "29.921".
    fill("0", "29.92126", "15");
    EXPECT_EQ(field("txtAlt")->text(), QStringLiteral("29.921"));
    click(compute());
    EXPECT_TRUE(resultsShown());
    EXPECT_TRUE(label("DenAlt")->text().isEmpty());
    EXPECT_TRUE(label("PAlt")->text().isEmpty());
}

TEST_F(DaltWindowTest, ComputeButtonGivesTheSameResultsWithoutABeep) {
    fill("5000", "30.12", "25");
    BeepCounter beeps;
    click(compute());
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_EQ(label("DenAlt")->text(), QStringLiteral("7039"));
    EXPECT_EQ(label("PAlt")->text(), QStringLiteral("4817"));
}

struct DaltError {
    const char* msl;
    const char* altimeter;
    const char* temperature;
    bool fahrenheit;
    const char* message;
    const char* cleared;
};

class DaltErrorTest : public DaltWindowTest, public ::testing::WithParamInterface<DaltError> {};

TEST_P(DaltErrorTest, ReportsTheFirstFailingCheckAndClearsItsField) {
    const DaltError& e = GetParam();
    fill(e.msl, e.altimeter, e.temperature, e.fahrenheit);
    expectEnterReports("CTemp", e.message, e.cleared);
    EXPECT_TRUE(holdTexts(window, kFields, {e.msl, e.altimeter, e.temperature}, e.cleared));
}

INSTANTIATE_TEST_SUITE_P(
    Emptiness, DaltErrorTest,
    ::testing::Values(DaltError{"", "", "", false, "Invalid temperature!", "CTemp"},
                      DaltError{"99999", "99", "", false, "Invalid temperature!", "CTemp"},
                      DaltError{"", "", "15", false, "Invalid altitude!", "txtMSL"},
                      DaltError{"", "99", "999", false, "Invalid altitude!", "txtMSL"},
                      DaltError{"5000", "", "15", false, "Invalid altimeter!", "txtAlt"},
                      DaltError{"-1500", "", "999", false, "Invalid altimeter!", "txtAlt"}));

INSTANTIATE_TEST_SUITE_P(
    Ranges, DaltErrorTest,
    ::testing::Values(DaltError{"-1500", "29.92", "15", false, "Invalid altitude!", "txtMSL"},
                      DaltError{"36001", "29.92", "15", false, "Invalid altitude!", "txtMSL"},
                      DaltError{"-1501", "99", "999", false, "Invalid altitude!", "txtMSL"},
                      DaltError{"5000", "99", "151", false, "Invalid temperature!", "CTemp"},
                      DaltError{"5000", "29.92", "-301", false, "Invalid temperature!", "CTemp"},
                      DaltError{"5000", "29.92", "303", true, "Invalid temperature!", "CTemp"},
                      DaltError{"5000", "29.92", "-509", true, "Invalid temperature!", "CTemp"},
                      DaltError{"5000", "26.99", "15", false, "Invalid Altimeter!", "txtAlt"},
                      DaltError{"5000", "36.01", "15", false, "Invalid Altimeter!", "txtAlt"},
                      DaltError{"5000", ".", "15", false, "Invalid Altimeter!", "txtAlt"},
                      DaltError{"5000", "2/9.9", "15", false, "Invalid Altimeter!", "txtAlt"}));

// -300 to -273.15 degrees Celsius pass the range check but have no density altitude.
INSTANTIATE_TEST_SUITE_P(
    BelowAbsoluteZero, DaltErrorTest,
    ::testing::Values(
        DaltError{"5000", "29.92", "-300", false, "At or below absolute zero!", "CTemp"},
        DaltError{"5000", "29.92", "-274", false, "At or below absolute zero!", "CTemp"},
        DaltError{"5000", "29.92", "-460", true, "At or below absolute zero!", "CTemp"},
        DaltError{"5000", "29.92", "-508", true, "At or below absolute zero!", "CTemp"}));

TEST_F(DaltWindowTest, ANewRunHidesTheErrorAndShowsTheResultsAgain) {
    fill("5000", "26.99", "25");
    click(compute());
    EXPECT_EQ(label("ErrorLbl")->text(), QStringLiteral("Invalid Altimeter!"));
    click(compute());  // the cleared field is now reported empty
    EXPECT_EQ(label("ErrorLbl")->text(), QStringLiteral("Invalid altimeter!"));
    type(field("txtAlt"), QStringLiteral("30.12"));
    click(compute());
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(label("DenAlt")->text(), QStringLiteral("7039"));
    EXPECT_EQ(label("ErrorLbl")->font().pointSizeF(), 12);
    EXPECT_TRUE(label("ErrorLbl")->font().bold());
}

TEST_F(DaltWindowTest, SwitchingTheUnitAfterARunChangesTheNextResult) {
    fill("5000", "29.92", "35");
    click(compute());
    EXPECT_EQ(label("DenAlt")->text(), QStringLiteral("8330"));
    click(option("OptionF"));
    EXPECT_FALSE(option("OptionC")->isChecked());
    click(compute());
    EXPECT_EQ(label("DenAlt")->text(), QStringLiteral("4592"));  // 35 °F, cold air
}

struct DaltEnter {
    const char* from;
    const char* to;
};

class DaltEnterTest : public DaltWindowTest, public ::testing::WithParamInterface<DaltEnter> {};

TEST_P(DaltEnterTest, EnterMovesTheFocusAndBeeps) {
    expectEnterMovesOn(field(GetParam().from), field(GetParam().to), QStringLiteral("12"));
}

INSTANTIATE_TEST_SUITE_P(Chain, DaltEnterTest,
                         ::testing::Values(DaltEnter{"txtMSL", "txtAlt"},
                                           DaltEnter{"txtAlt", "CTemp"}));

class DaltKeysTest : public DaltWindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(DaltKeysTest, TheFilterDropsOtherKeysWithABeep) {
    expectKeys(field(GetParam().field), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Filters, DaltKeysTest,
    ::testing::Values(KeyCase{"txtMSL", "-1.5/", "-1.5/", 0}, KeyCase{"txtMSL", "1a2 e+", "12", 4},
                      KeyCase{"txtMSL", "1234567", "123456", 0},
                      KeyCase{"txtAlt", "-29.9", "29.9", 1}, KeyCase{"txtAlt", "3/0,1", "3/01", 1},
                      KeyCase{"txtAlt", "29.9212", "29.921", 0},
                      KeyCase{"CTemp", "-12.5", "-12.", 0}, KeyCase{"CTemp", "1°5C", "15", 2}));

TEST_F(DaltWindowTest, BackspacePassesAndPastingIsFiltered) {
    QLineEdit* altimeter = field("txtAlt");
    BeepCounter beeps;
    paste(altimeter, QStringLiteral("-29"));
    EXPECT_TRUE(altimeter->text().isEmpty());
    EXPECT_GE(beeps.count(), 1);
    paste(altimeter, QStringLiteral("29.92"));
    EXPECT_EQ(altimeter->text(), QStringLiteral("29.92"));
    const int before = beeps.count();
    pressBackspace(altimeter);
    EXPECT_EQ(altimeter->text(), QStringLiteral("29.9"));
    EXPECT_EQ(beeps.count(), before);
}

TEST_F(DaltWindowTest, HelpShowsOneParagraph) {
    const QStringList paragraphs = helpParagraphs(window);
    ASSERT_EQ(paragraphs.size(), 1);
    EXPECT_EQ(paragraphs[0],
              QStringLiteral("Enter an MSL altitude between -1500 and 65000 feet. Enter the sea "
                             "level altimeter setting (inches of Mercury) from 27 to 36. Enter the "
                             "outside air temperature between -300 and 150 Centigrade. A "
                             "Fahrenheit 'radio button' is provided for convenience."));
}

TEST_F(DaltWindowTest, StartsEmptyInCelsiusWithTheResultCaptionsShown) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Density Altitude"));
    const std::pair<const char*, int> lengths[] = {{"txtMSL", 6}, {"txtAlt", 6}, {"CTemp", 4}};
    for (const auto& [name, length] : lengths) {
        EXPECT_TRUE(field(name)->text().isEmpty()) << name;
        EXPECT_EQ(field(name)->maxLength(), length) << name;
        EXPECT_EQ(field(name)->palette().color(QPalette::Base), QColor(Qt::white)) << name;
    }
    EXPECT_TRUE(option("OptionC")->isChecked());
    EXPECT_FALSE(option("OptionF")->isChecked());
    EXPECT_EQ(option("OptionC")->text(), QStringLiteral("°C"));
    EXPECT_EQ(option("OptionF")->text(), QStringLiteral("°F"));
    EXPECT_EQ(compute()->text(), QStringLiteral("Compute!"));
    EXPECT_EQ(button("Command1")->text(), QStringLiteral("Close"));
    EXPECT_EQ(label("Label1")->text(), QStringLiteral("MSL Altitude:"));
    EXPECT_EQ(label("Label2")->text(), QStringLiteral("Altimeter Setting:"));
    EXPECT_EQ(label("Label3")->text(), QStringLiteral("Temperature:"));
    EXPECT_EQ(label("DALabel")->text(), QStringLiteral("Density Altitude:"));
    EXPECT_EQ(label("PresAltLbl")->text(), QStringLiteral("Pressure Altitude:"));
    EXPECT_TRUE(label("ErrorLbl")->isHidden());
    for (const char* name : {"DenAlt", "PAlt"}) {
        EXPECT_FALSE(label(name)->isHidden()) << name;
        EXPECT_TRUE(label(name)->text().isEmpty()) << name;
    }
    EXPECT_TRUE(haveResultLook(window, {"DenAlt", "PAlt"}));
    EXPECT_NE(action("mnuExit"), nullptr);
}

TEST_F(DaltWindowTest, FieldsAndTheirCaptionsShareTheirTooltips) {
    const struct {
        const char* field;
        const char* caption;
        QString tip;
    } tips[] = {{"txtMSL", "Label1", QStringLiteral("-1500 < MSL < 36000 Feet")},
                {"txtAlt", "Label2", QStringLiteral("27.00 < Barometer < 36.00 \"HG")},
                {"CTemp", "Label3", QStringLiteral("-300C < OAT < 150C")}};
    for (const auto& t : tips) {
        EXPECT_EQ(field(t.field)->toolTip(), t.tip) << t.field;
        EXPECT_EQ(label(t.caption)->toolTip(), t.tip) << t.caption;
    }
}

TEST_F(DaltWindowTest, TabVisitsTheControlsInOrder) {
    EXPECT_EQ(focusChain(field("txtMSL"), 7), (QStringList{"txtMSL", "txtAlt", "CTemp", "OptionC",
                                                           "OptionF", "Command2", "Command1"}));
}

TEST_F(DaltWindowTest, TheCloseEntryUnloadsTheWindowAndShowsTheLauncher) {
    type(field("txtMSL"), QStringLiteral("5000"));
    action("mnuExit")->trigger();
    TestProgram::settle();
    EXPECT_FALSE(loaded());
    EXPECT_TRUE(program->main()->isVisible());
    // The launcher's menu entry opens a fresh window.
    ASSERT_TRUE(reopenFromMenu("menuDalt"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(field("txtMSL")->text().isEmpty());
}

}  // namespace
}  // namespace aerolume::test
