// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGroupBox>
#include <QMenu>

#include "conversions/ConvertWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

class ConvertWindowTest : public WindowTest<ConvertWindow> {
protected:
    ConvertWindowTest() : WindowTest("Convert", "Command6") {}

    // Types into a field key by key, after giving it the focus as a click would.
    void enter(const char* name, const QString& typed) {
        field(name)->setFocus(Qt::MouseFocusReason);
        type(field(name), typed);
    }
};

// The two-field converters: Enter in the source writes the partner, then beeps.

struct PairCase {
    const char* source;
    const char* typed;
    const char* partner;
    const char* shown;
};
void PrintTo(const PairCase& c, std::ostream* os) {
    *os << c.source << " " << c.typed;
}

class PairConversionTest : public ConvertWindowTest,
                           public ::testing::WithParamInterface<PairCase> {};

TEST_P(PairConversionTest, EnterWritesThePartnerAndBeeps) {
    const PairCase& c = GetParam();
    enter(c.source, QString::fromLatin1(c.typed));
    BeepCounter beeps;
    pressEnter(field(c.source));
    EXPECT_EQ(text(c.partner), c.shown);
    EXPECT_EQ(text(c.source), c.typed);  // Enter inserts nothing
    EXPECT_EQ(beeps.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, PairConversionTest,
    ::testing::Values(
        PairCase{"Cels", "100", "Fahr", "212."}, PairCase{"Fahr", "32", "Cels", "."},
        PairCase{"HG", "29.92", "MB", "1013.2"}, PairCase{"MB", "1013", "HG", "29.91"},
        PairCase{"txtFT", "1000", "txtM", "304."}, PairCase{"txtLb", "100", "txtKg", "45.4"},
        PairCase{"txtKg", "100", "txtLb", "220.5"}, PairCase{"txtM", "100", "txtFT", "328.1"},
        PairCase{"Cels", "-40", "Fahr", "-40."}, PairCase{"Fahr", "-.5", "Cels", "-18.1"},
        PairCase{"MB", "-1", "HG", "-.03"},
        // Large inputs print every integer digit, however long.
        PairCase{"txtKg", "99999999999", "txtLb", "220459999997.8"},
        PairCase{"txtM", "99999999999", "txtFT", "328079999996.7"},
        PairCase{"HG", "999999", "MB", "33863602.5"},
        PairCase{"Cels", "999999", "Fahr", "1800030.2"}));

class PairEmptyTest : public ConvertWindowTest, public ::testing::WithParamInterface<PairCase> {};

TEST_P(PairEmptyTest, EnterInAnEmptyFieldOnlyBeeps) {
    const PairCase& c = GetParam();
    enter(c.partner, QStringLiteral("12"));
    field(c.source)->setFocus();
    BeepCounter beeps;
    pressEnter(field(c.source));
    EXPECT_EQ(beeps.count(), 1);
    EXPECT_EQ(text(c.partner), "12");
    EXPECT_EQ(text(c.source), "");
}

// A source text that is not a number as a whole clears the result.
TEST_P(PairEmptyTest, ANonNumberClearsThePartner) {
    const PairCase& c = GetParam();
    for (const char* bad : {"-", ".", "1.2.3", "3/4", "5-", "/"}) {
        field(c.source)->clear();
        enter(c.source, QStringLiteral("10"));
        pressEnter(field(c.source));
        ASSERT_FALSE(field(c.partner)->text().isEmpty());
        field(c.source)->clear();
        type(field(c.source), QString::fromLatin1(bad));
        BeepCounter beeps;
        pressEnter(field(c.source));
        EXPECT_EQ(text(c.partner), "") << bad;
        EXPECT_EQ(text(c.source), bad);
        EXPECT_EQ(beeps.count(), 1) << bad;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PairEmptyTest,
    ::testing::Values(PairCase{"Cels", "", "Fahr", ""}, PairCase{"Fahr", "", "Cels", ""},
                      PairCase{"HG", "", "MB", ""}, PairCase{"MB", "", "HG", ""},
                      PairCase{"txtLb", "", "txtKg", ""}, PairCase{"txtKg", "", "txtLb", ""},
                      PairCase{"txtFT", "", "txtM", ""}, PairCase{"txtM", "", "txtFT", ""}));

class KeyFilterTest : public ConvertWindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyFilterTest, PassesItsRangeAndBeepsForTheRest) {
    expectKeys(field(GetParam().field), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, KeyFilterTest,
    ::testing::Values(KeyCase{"Cels", "-1.a/2 ", "-1./2", 2}, KeyCase{"txtLb", "12e3+4", "1234", 2},
                      KeyCase{"Dist", "-1x.5", "-1.5", 1}, KeyCase{"Vol", "-1x./5", "1./5", 2},
                      KeyCase{"WindVel", "-1.2", "12", 2}, KeyCase{"Angle", "3/3.0", "330", 2},
                      KeyCase{"txtGS", "1-2a0", "120", 2}, KeyCase{"txtFPNM", "5.00", "500", 1},
                      KeyCase{"txtFPM", "-1000", "1000", 1},
                      // The maximum lengths.
                      KeyCase{"Fahr", "1234567", "123456", 0},
                      KeyCase{"MB", "1234567", "123456", 0},
                      KeyCase{"txtKg", "123456789012", "12345678901", 0},
                      KeyCase{"txtFT", "123456789012", "12345678901", 0},
                      KeyCase{"Dist", "12345678", "1234567", 0},
                      KeyCase{"Vol", "12345678", "1234567", 0}, KeyCase{"WindVel", "123", "12", 0},
                      KeyCase{"Angle", "1234", "123", 0}, KeyCase{"txtGS", "12345", "1234", 0},
                      KeyCase{"txtFPNM", "12345", "1234", 0},
                      KeyCase{"txtFPM", "123456", "12345", 0}));

TEST_F(ConvertWindowTest, PastingIsLimitedToTheFieldsKeys) {
    paste(field("Vol"), QStringLiteral("-5"));
    EXPECT_EQ(text("Vol"), "");
    paste(field("Vol"), QStringLiteral("5.5"));
    EXPECT_EQ(text("Vol"), "5.5");
    paste(field("Angle"), QStringLiteral("3.5"));
    EXPECT_EQ(text("Angle"), "");
    paste(field("txtKg"), QStringLiteral("-3/4"));
    EXPECT_EQ(text("txtKg"), "-3/4");
}

// A result longer than its field's maximum length is shown whole; the limit still
// bounds what the user types there.
TEST_F(ConvertWindowTest, ALongResultIsShownWholeAndTheLimitReturns) {
    enter("txtKg", QStringLiteral("50000000000"));
    pressEnter(field("txtKg"));
    EXPECT_EQ(text("txtLb"), "110230000000.");
    QLineEdit* pounds = field("txtLb");
    pounds->setFocus();
    pounds->end(false);
    BeepCounter beeps;
    type(pounds, QStringLiteral("1"));
    EXPECT_EQ(text("txtLb"), "110230000000.");
    EXPECT_EQ(beeps.count(), 0);
    pressBackspace(pounds);
    pressBackspace(pounds);
    EXPECT_EQ(text("txtLb"), "11023000000");
    EXPECT_EQ(pounds->maxLength(), 11);
    type(pounds, QStringLiteral("1"));
    EXPECT_EQ(text("txtLb"), "11023000000");
}

// Crosswind.

struct CrosswindCase {
    const char* velocity;
    const char* angle;
    const char* shown;
};
void PrintTo(const CrosswindCase& c, std::ostream* os) {
    *os << c.velocity << " " << c.angle;
}

class CrosswindTest : public ConvertWindowTest,
                      public ::testing::WithParamInterface<CrosswindCase> {};

TEST_P(CrosswindTest, EnterInTheAngleShowsTheComponent) {
    const CrosswindCase& c = GetParam();
    enter("WindVel", QString::fromLatin1(c.velocity));
    BeepCounter beeps;
    pressEnter(field("WindVel"));
    EXPECT_TRUE(field("Angle")->hasFocus());
    type(field("Angle"), QString::fromLatin1(c.angle));
    pressEnter(field("Angle"));
    EXPECT_EQ(text("Label18"), c.shown);
    EXPECT_EQ(beeps.count(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, CrosswindTest,
    ::testing::Values(CrosswindCase{"20", "30", "10."}, CrosswindCase{"20", "330", "-10."},
                      CrosswindCase{"15", "90", "15."}, CrosswindCase{"99", "999", "-97.8"},
                      CrosswindCase{"20", "180", "."}, CrosswindCase{"0", "45", "."}));

TEST_F(ConvertWindowTest, EnterInAnEmptyWindVelocityStaysAndBeeps) {
    field("WindVel")->setFocus();
    BeepCounter beeps;
    pressEnter(field("WindVel"));
    EXPECT_TRUE(field("WindVel")->hasFocus());
    EXPECT_EQ(beeps.count(), 1);
}

TEST_F(ConvertWindowTest, EnterInTheAngleWithAnEmptyFieldDoesNothing) {
    enter("WindVel", QStringLiteral("20"));
    enter("Angle", QStringLiteral("30"));
    pressEnter(field("Angle"));
    ASSERT_EQ(text("Label18"), "10.");
    for (const char* emptied : {"Angle", "WindVel"}) {
        field(emptied)->clear();
        field("Angle")->setFocus();
        BeepCounter beeps;
        pressEnter(field("Angle"));
        EXPECT_EQ(beeps.count(), 0) << emptied;
        EXPECT_EQ(text("Label18"), "10.") << emptied;
    }
}

// Climb rate and gradient.

struct ClimbCase {
    const char* groundSpeed;
    const char* source;
    const char* typed;
    const char* target;
    const char* shown;
};
void PrintTo(const ClimbCase& c, std::ostream* os) {
    *os << c.groundSpeed << " " << c.source << " " << c.typed;
}

class ClimbTest : public ConvertWindowTest, public ::testing::WithParamInterface<ClimbCase> {};

TEST_P(ClimbTest, EnterWritesTheOtherRateField) {
    const ClimbCase& c = GetParam();
    enter("txtGS", QString::fromLatin1(c.groundSpeed));
    BeepCounter beeps;
    pressEnter(field("txtGS"));
    EXPECT_TRUE(field("txtFPNM")->hasFocus());
    enter(c.source, QString::fromLatin1(c.typed));
    pressEnter(field(c.source));
    EXPECT_EQ(text(c.target), c.shown);
    EXPECT_EQ(beeps.count(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, ClimbTest,
    ::testing::Values(ClimbCase{"120", "txtFPNM", "500", "txtFPM", "1000"},
                      ClimbCase{"120", "txtFPM", "1000", "txtFPNM", "500"},
                      ClimbCase{"90", "txtFPNM", "318", "txtFPM", "477"},
                      ClimbCase{"0", "txtFPNM", "300", "txtFPM", ""},
                      // Without ground speed there is no gradient: the field stays empty.
                      ClimbCase{"0", "txtFPM", "1000", "txtFPNM", ""},
                      ClimbCase{"0000", "txtFPM", "0", "txtFPNM", ""},
                      // Results longer than the field are shown whole.
                      ClimbCase{"5", "txtFPM", "1000", "txtFPNM", "12000"},
                      ClimbCase{"1", "txtFPM", "99999", "txtFPNM", "5999940"},
                      ClimbCase{"9999", "txtFPNM", "9999", "txtFPM", "1666333"}));

TEST_F(ConvertWindowTest, GroundSpeedZeroReplacesAnOldGradient) {
    enter("txtGS", QStringLiteral("120"));
    enter("txtFPM", QStringLiteral("1000"));
    pressEnter(field("txtFPM"));
    ASSERT_EQ(text("txtFPNM"), "500");
    field("txtGS")->clear();
    enter("txtGS", QStringLiteral("0"));
    pressEnter(field("txtFPM"));
    EXPECT_EQ(text("txtFPNM"), "");
}

struct ClimbEmptyCase {
    const char* groundSpeed;
    const char* source;
    const char* typed;
    const char* target;
};
void PrintTo(const ClimbEmptyCase& c, std::ostream* os) {
    *os << "'" << c.groundSpeed << "' " << c.source << " '" << c.typed << "'";
}

class ClimbEmptyTest : public ConvertWindowTest,
                       public ::testing::WithParamInterface<ClimbEmptyCase> {};

TEST_P(ClimbEmptyTest, EnterWithAnEmptyFieldNeitherConvertsNorBeeps) {
    const ClimbEmptyCase& c = GetParam();
    enter("txtGS", QString::fromLatin1(c.groundSpeed));
    enter(c.target, QStringLiteral("77"));
    enter(c.source, QString::fromLatin1(c.typed));
    BeepCounter beeps;
    pressEnter(field(c.source));
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_EQ(text(c.target), "77");
    EXPECT_TRUE(field(c.source)->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Fields, ClimbEmptyTest,
                         ::testing::Values(ClimbEmptyCase{"120", "txtFPNM", "", "txtFPM"},
                                           ClimbEmptyCase{"", "txtFPNM", "500", "txtFPM"},
                                           ClimbEmptyCase{"120", "txtFPM", "", "txtFPNM"},
                                           ClimbEmptyCase{"", "txtFPM", "1000", "txtFPNM"}));

TEST_F(ConvertWindowTest, EnterInAnEmptyGroundSpeedMovesOnWithABeep) {
    field("txtGS")->setFocus();
    BeepCounter beeps;
    pressEnter(field("txtGS"));
    EXPECT_TRUE(field("txtFPNM")->hasFocus());
    EXPECT_EQ(beeps.count(), 1);
}

// Distance and volume convert on a unit button's click.

struct UnitsCase {
    const char* source;
    const char* typed;
    const char* option;
    const char* first;
    const char* second;
    const char* third;
};
void PrintTo(const UnitsCase& c, std::ostream* os) {
    *os << c.typed << " " << c.option;
}

class UnitsTest : public ConvertWindowTest, public ::testing::WithParamInterface<UnitsCase> {
protected:
    std::vector<const char*> results() const {
        return std::string(GetParam().source) == "Dist"
                   ? std::vector<const char*>{"NM", "SM", "KM"}
                   : std::vector<const char*>{"USGal", "ImpGal", "Lit"};
    }
};

TEST_P(UnitsTest, AClickShowsAllThreeUnits) {
    const UnitsCase& c = GetParam();
    enter(c.source, QString::fromLatin1(c.typed));
    BeepCounter beeps;
    click(option(c.option));
    EXPECT_TRUE(option(c.option)->isChecked());
    const auto names = results();
    EXPECT_EQ(text(names[0]), c.first);
    EXPECT_EQ(text(names[1]), c.second);
    EXPECT_EQ(text(names[2]), c.third);
    EXPECT_EQ(beeps.count(), 0);
}

// Only the text at the moment of the click counts; a new value waits for the next click,
// which may be on the button already chosen.
TEST_P(UnitsTest, TypingChangesNothingUntilTheNextClick) {
    const UnitsCase& c = GetParam();
    enter(c.source, QString::fromLatin1(c.typed));
    click(option(c.option));
    const auto names = results();
    const std::string before = text(names[0]);
    field(c.source)->clear();
    type(field(c.source), QStringLiteral("1"));
    EXPECT_EQ(text(names[0]), before);
    click(option(c.option));
    EXPECT_NE(text(names[0]), before);
}

TEST_P(UnitsTest, AClickWithAnEmptyFieldDoesNothing) {
    const UnitsCase& c = GetParam();
    enter(c.source, QString::fromLatin1(c.typed));
    click(option(c.option));
    field(c.source)->clear();
    click(option(c.option));
    EXPECT_EQ(text(results()[0]), c.first);
    EXPECT_EQ(text(results()[2]), c.third);
}

TEST_P(UnitsTest, ANonNumberClearsTheResults) {
    const UnitsCase& c = GetParam();
    for (const char* bad : {".", "1.2.3", "3/4", "/"}) {
        field(c.source)->clear();
        enter(c.source, QString::fromLatin1(c.typed));
        click(option(c.option));
        ASSERT_EQ(text(results()[0]), c.first);
        field(c.source)->clear();
        type(field(c.source), QString::fromLatin1(bad));
        click(option(c.option));
        for (const char* name : results()) {
            EXPECT_EQ(text(name), "") << bad << " " << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Worked, UnitsTest,
    ::testing::Values(UnitsCase{"Dist", "100", "OptNM", "100.00", "115.16", "185.33"},
                      UnitsCase{"Dist", "100", "OptSM", "86.84", "100.00", "160.93"},
                      UnitsCase{"Dist", "100", "OptKM", "53.96", "62.14", "100.00"},
                      UnitsCase{"Dist", "-.5", "OptNM", "-0.50", "-0.58", "-0.93"},
                      UnitsCase{"Dist", "9999999", "OptNM", "9999999.00", "11515971.07",
                                "18533158.95"},
                      UnitsCase{"Vol", "10", "optGal", "10.00", "8.33", "37.85"},
                      UnitsCase{"Vol", "10", "optImpGal", "12.01", "10.00", "45.46"},
                      UnitsCase{"Vol", "10", "optLit", "2.64", "2.20", "10.00"},
                      UnitsCase{"Vol", "007", "optGal", "7.00", "5.83", "26.50"}));

TEST_F(ConvertWindowTest, ALoneMinusDistanceClearsTheResults) {
    enter("Dist", QStringLiteral("100"));
    click(option("OptKM"));
    field("Dist")->clear();
    type(field("Dist"), QStringLiteral("-"));
    click(option("OptSM"));
    for (const char* name : {"NM", "SM", "KM"}) {
        EXPECT_EQ(text(name), "") << name;
    }
}

TEST_F(ConvertWindowTest, EnterInDistanceAndVolumeMovesToTheFirstUnitWithABeep) {
    const std::pair<const char*, const char*> moves[] = {{"Dist", "OptNM"}, {"Vol", "optGal"}};
    for (const auto& [name, first] : moves) {
        enter(name, QStringLiteral("5"));
        BeepCounter beeps;
        pressEnter(field(name));
        EXPECT_TRUE(option(first)->hasFocus()) << name;
        EXPECT_EQ(beeps.count(), 1) << name;
        EXPECT_EQ(text(name), "5");
    }
    for (const char* name : {"NM", "USGal"}) {
        EXPECT_EQ(text(name), "") << "Enter does not convert";
    }
}

// The window itself.

TEST_F(ConvertWindowTest, StartsEmptyWithNoUnitChosen) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Conversions"));
    for (const char* name : {"OptNM", "OptSM", "OptKM", "optGal", "optImpGal", "optLit"}) {
        EXPECT_FALSE(option(name)->isChecked()) << name;
    }
    const Names results = {"NM", "SM", "KM", "USGal", "ImpGal", "Lit", "Label18"};
    for (const char* name : results) {
        EXPECT_EQ(text(name), "") << name;
    }
    EXPECT_TRUE(haveResultLook(window, results));
    EXPECT_TRUE(window->findChildren<QPushButton*>().isEmpty());
}

TEST_F(ConvertWindowTest, FramesAndCaptionsAreThere) {
    QStringList titles;
    for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        titles << frame->title();
    }
    titles.sort();
    EXPECT_EQ(titles, (QStringList{"Climb Rate", "Crosswind", "Distance", "Length", "Mass",
                                   "Pressure", "Temperature", "Volume"}));
    QStringList captions;
    for (const QLabel* l : window->findChildren<QLabel*>()) {
        if (!l->text().isEmpty()) {
            captions << l->text();
        }
    }
    for (const char* expected : {"NM",
                                 "SM",
                                 "KM",
                                 "Wind Velocity:",
                                 "Angle:",
                                 "Component:",
                                 "Fahrenheit:",
                                 "Centigrade:",
                                 "Inches HG:",
                                 "Millibars:",
                                 "Pounds:",
                                 "Kilograms:",
                                 "Feet:",
                                 "Meters:",
                                 "US Gal",
                                 "Imp Gal",
                                 "Liters",
                                 "US",
                                 "Imp",
                                 "Lit",
                                 "Ground Speed:",
                                 "Feet/NM:",
                                 "Feet/Min:"}) {
        EXPECT_TRUE(captions.contains(QString::fromUtf8(expected))) << expected;
    }
}

TEST_F(ConvertWindowTest, TabRunsThroughTheFieldsAndButtonsInOrder) {
    const QStringList order = {"Dist",  "OptNM",   "OptSM", "OptKM",  "WindVel",   "Angle",
                               "Fahr",  "Cels",    "HG",    "MB",     "txtLb",     "txtKg",
                               "txtFT", "txtM",    "Vol",   "optGal", "optImpGal", "optLit",
                               "txtGS", "txtFPNM", "txtFPM"};
    EXPECT_EQ(focusChain(field("Dist"), 21), order);
}

TEST_F(ConvertWindowTest, HelpShowsFiveParagraphs) {
    const QStringList paragraphs = helpParagraphs(window);
    ASSERT_EQ(paragraphs.size(), 5);
    EXPECT_EQ(paragraphs[0],
              QStringLiteral("Distance: Enter a positive value in the text box, then select the "
                             "'radio button' appropriate to the input unit of measure. The "
                             "equivalent distances will then be calculated."));
    EXPECT_EQ(paragraphs[2],
              QStringLiteral("Temperature, Pressure, Mass, and Length: Enter the value to be "
                             "converted in the unit desired, then press 'Enter' to see the "
                             "equivalent value."));
    EXPECT_EQ(paragraphs[4],
              QStringLiteral("Climb/Descent Rate & Gradient: Enter a ground speed in Knots, then "
                             "either the climb/descent rate or gradient in feet per minute or feet "
                             "per Nautical Mile. Press 'Enter' to display the corresponding "
                             "climb/descent rate/gradient"));
}

TEST_F(ConvertWindowTest, TheHelpMenuHoldsHelpASeparatorAndClose) {
    auto* menu = child<QMenu>(window, QStringLiteral("menuHelp"));
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->objectName(), QStringLiteral("mnuHelp"));
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Help..."));
    EXPECT_EQ(actions[1]->objectName(), QStringLiteral("mnuxxx"));
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->objectName(), QStringLiteral("mnuClose"));
    EXPECT_EQ(actions[2]->text(), QStringLiteral("Close"));
}

TEST_F(ConvertWindowTest, CloseShowsTheLauncherAndReopeningStartsEmpty) {
    enter("Cels", QStringLiteral("100"));
    pressEnter(field("Cels"));
    closeWindow(window, CloseBy::MenuEntry);
    EXPECT_TRUE(program->main()->isVisible());
    EXPECT_FALSE(loaded());
    ASSERT_NO_FATAL_FAILURE(reopen());
    EXPECT_EQ(text("Cels"), "");
    EXPECT_EQ(text("Fahr"), "");
}

TEST_F(ConvertWindowTest, TheComputeMenuEntryOpensItToo) {
    closeWindow(window, CloseBy::MenuEntry);
    ASSERT_TRUE(reopenFromMenu("MenuConv"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(program->main()->isVisible());
}

}  // namespace
}  // namespace aerolume::test
