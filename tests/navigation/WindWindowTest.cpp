// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation/WindWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

const char* const kFields[] = {"txtWind", "txtWindVel", "txtTC", "txtTAS"};

class WindWindowTest : public WindowTest<WindWindow> {
protected:
    WindWindowTest()
        : WindowTest("Wind", "Command2",
                     {"Label5", "Label6", "Label7", "LblGS", "LblTHeading", "LblWCA"}) {}

    // Types the four fields key by key.
    void fill(const char* direction, const char* speed, const char* course, const char* airspeed) {
        typeFields(window, kFields, {direction, speed, course, airspeed});
    }
};

struct WindCaptions {
    const char* direction;
    const char* speed;
    const char* course;
    const char* airspeed;
    const char* wca;
    const char* heading;
    const char* groundSpeed;
};

class WindCaptionsTest : public WindWindowTest,
                         public ::testing::WithParamInterface<WindCaptions> {};

TEST_P(WindCaptionsTest, EnterInTheAirspeedShowsTheResults) {
    const WindCaptions& c = GetParam();
    fill(c.direction, c.speed, c.course, c.airspeed);
    expectEnterShowsResults("txtTAS");
    EXPECT_EQ(label("LblWCA")->text().toStdString(), c.wca);
    EXPECT_EQ(label("LblTHeading")->text().toStdString(), c.heading);
    EXPECT_EQ(label("LblGS")->text().toStdString(), c.groundSpeed);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, WindCaptionsTest,
    ::testing::Values(WindCaptions{"90", "20", "0", "100", "11.5° Right", "11.5°", "98."},
                      WindCaptions{"270", "20", "0", "100", "11.5° Left", "348.5°", "98."},
                      WindCaptions{"0", "0", "360", "100", ".°", ".°", "100."},
                      WindCaptions{"45", "0", "45", "120", ".°", "45.°", "120."},
                      WindCaptions{"120", "20", "120", "100", ".°", "120.°", "80."},
                      WindCaptions{"360", "200", "360", "1000", ".°", ".°", "800."},
                      WindCaptions{"45", "200", "0", "1000", "8.1° Right", "8.1°", "848.5"},
                      // The wind as fast as the airspeed from ahead holds the aircraft in
                      // place; faster from behind the beam carries it forward.
                      WindCaptions{"0", "100", "0", "100", ".°", ".°", "."},
                      WindCaptions{"200", "50", "180", "50", "20.° Right", "200.°", "."},
                      WindCaptions{"150", "60", "0", "50", "36.9° Right", "36.9°", "92."},
                      WindCaptions{"135", "150", "0", "120", "62.1° Right", "62.1°", "162.2"}));

TEST_F(WindWindowTest, ComputeButtonGivesTheSameResultsWithoutABeep) {
    fill("90", "20", "0", "100");
    BeepCounter beeps;
    click(compute());
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_EQ(label("LblWCA")->text(), QStringLiteral("11.5° Right"));
    EXPECT_EQ(label("LblGS")->text(), QStringLiteral("98."));
}

TEST_F(WindWindowTest, EnterMovesAlongTheFieldsWithABeepEach) {
    expectEnterChain(window, kFields, QStringLiteral("10"));
}

TEST_F(WindWindowTest, FieldsTakeOnlyDigitsAndBeepForAnythingElse) {
    QLineEdit* speed = field("txtWindVel");
    BeepCounter beeps;
    type(speed, QStringLiteral("1-2.3a 4/"));
    EXPECT_EQ(speed->text(), QStringLiteral("1234"));
    EXPECT_EQ(beeps.count(), 5);
    type(speed, QStringLiteral("5"));  // at most four characters
    EXPECT_EQ(speed->text(), QStringLiteral("1234"));
    pressBackspace(speed);
    EXPECT_EQ(speed->text(), QStringLiteral("123"));
    EXPECT_EQ(beeps.count(), 5);
}

TEST_F(WindWindowTest, PastingTextWithOtherCharactersIsRefused) {
    QLineEdit* course = field("txtTC");
    BeepCounter beeps;
    paste(course, QStringLiteral("12a"));
    EXPECT_EQ(course->text(), QString());
    EXPECT_GE(beeps.count(), 1);
    paste(course, QStringLiteral("270"));
    EXPECT_EQ(course->text(), QStringLiteral("270"));
}

struct WindError {
    const char* direction;
    const char* speed;
    const char* course;
    const char* airspeed;
    const char* message;
    const char* cleared;
};

class WindErrorTest : public WindWindowTest, public ::testing::WithParamInterface<WindError> {};

TEST_P(WindErrorTest, ReportsTheFirstFailingCheckAndClearsItsField) {
    const WindError& e = GetParam();
    fill(e.direction, e.speed, e.course, e.airspeed);
    expectEnterReports("txtTAS", e.message, e.cleared);
    EXPECT_TRUE(
        holdTexts(window, kFields, {e.direction, e.speed, e.course, e.airspeed}, e.cleared));
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, WindErrorTest,
    ::testing::Values(
        WindError{"", "", "", "", "Invalid Wind Direction!", "txtWind"},
        WindError{"10", "", "", "", "Invalid Wind Speed!", "txtWindVel"},
        WindError{"10", "10", "", "", "Invalid True Course!", "txtTC"},
        WindError{"10", "10", "10", "", "Invalid True Airspeed!", "txtTAS"},
        WindError{"999", "999", "999", "000", "Invalid True Airspeed!", "txtTAS"},
        WindError{"361", "201", "361", "1001", "Invalid Wind Angle!", "txtWind"},
        WindError{"360", "201", "361", "1001", "Avoid flying in the jetstream!", "txtWindVel"},
        WindError{"360", "200", "361", "1001", "Invalid True Course!", "txtTC"},
        WindError{"360", "200", "360", "1001", "We both know YOU cant go THAT fast!", "txtTAS"}));

TEST_F(WindWindowTest, TooFastByTheButtonHasItsOwnMessage) {
    fill("10", "10", "10", "1001");
    click(compute());
    EXPECT_EQ(label("ErrorLbl")->text(), QStringLiteral("C'mon, YOU cant go THAT fast!"));
    EXPECT_TRUE(field("txtTAS")->text().isEmpty());
}

TEST_F(WindWindowTest, AfterAFailureTheClearedFieldIsReportedEmptyThenResultsReturn) {
    fill("361", "10", "10", "100");
    click(compute());
    EXPECT_EQ(label("ErrorLbl")->text(), QStringLiteral("Invalid Wind Angle!"));
    click(compute());
    EXPECT_EQ(label("ErrorLbl")->text(), QStringLiteral("Invalid Wind Direction!"));
    type(field("txtWind"), QStringLiteral("10"));
    click(compute());
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(label("LblGS")->text(), QStringLiteral("90."));
}

TEST_F(WindWindowTest, TheCrosswindCaseLeavesTheFieldsAndShowsNoNumber) {
    fill("90", "200", "0", "150");
    click(compute());
    EXPECT_EQ(label("ErrorLbl")->text(), QStringLiteral("Crosswind too strong for this airspeed!"));
    EXPECT_TRUE(label("LblGS")->isHidden());
    EXPECT_EQ(field("txtWindVel")->text(), QStringLiteral("200"));
    EXPECT_TRUE(field("txtWindVel")->hasFocus());
    for (const char* name : {"LblGS", "LblTHeading", "LblWCA"}) {
        EXPECT_FALSE(label(name)->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive));
        EXPECT_FALSE(label(name)->text().contains(QStringLiteral("inf"), Qt::CaseInsensitive));
    }
}

// A wind faster than the airspeed with a head wind component carries the aircraft
// backwards along the course: reported like the crosswind, the wind speed kept.
struct BackwardsRow {
    const char* direction;
    const char* speed;
    const char* course;
    const char* airspeed;
};

class WindBackwardsTest : public WindWindowTest,
                          public ::testing::WithParamInterface<std::tuple<BackwardsRow, bool>> {};

TEST_P(WindBackwardsTest, ShowsTheMessageAndNoResultsByButtonAndByEnter) {
    const auto& [row, byEnter] = GetParam();
    fill(row.direction, row.speed, row.course, row.airspeed);
    if (byEnter) {
        field("txtTAS")->setFocus();
        pressEnter(field("txtTAS"));
    } else {
        click(compute());
    }
    EXPECT_EQ(label("ErrorLbl")->text(), QStringLiteral("Wind too strong: drifting backwards!"));
    EXPECT_TRUE(errorShown());
    EXPECT_TRUE(holdTexts(window, kFields, {row.direction, row.speed, row.course, row.airspeed}));
    EXPECT_TRUE(field("txtWindVel")->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WindBackwardsTest,
    ::testing::Combine(::testing::Values(BackwardsRow{"10", "150", "350", "120"},
                                         BackwardsRow{"200", "60", "180", "50"},
                                         BackwardsRow{"360", "40", "360", "30"},
                                         BackwardsRow{"0", "101", "0", "100"}),
                       ::testing::Bool()));

TEST_F(WindWindowTest, HelpShowsFourParagraphs) {
    const QStringList paragraphs = helpParagraphs(window);
    ASSERT_EQ(paragraphs.size(), 4);
    EXPECT_EQ(paragraphs[0],
              QStringLiteral("   Enter a wind direction (True). Valid values are from 0 "
                             "to 360 (both representing True North)."));
    EXPECT_EQ(paragraphs[3],
              QStringLiteral("   Enter a True Airspeed (same units as wind velocity). "
                             "Valid values are from 1 to 1000."));
}

TEST_F(WindWindowTest, StartsEmptyWithResultCaptionsShown) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Wind"));
    for (const char* name : kFields) {
        EXPECT_TRUE(field(name)->text().isEmpty());
        EXPECT_EQ(field(name)->maxLength(), 4);
    }
    EXPECT_TRUE(label("ErrorLbl")->isHidden());
    EXPECT_EQ(label("Label5")->text(), QStringLiteral("Ground Speed:"));
    EXPECT_EQ(label("Label6")->text(), QStringLiteral("True Heading:"));
    EXPECT_EQ(label("Label7")->text(), QStringLiteral("WCA:"));
    EXPECT_TRUE(label("LblGS")->text().isEmpty());
    EXPECT_TRUE(label("LblGS")->font().bold());
    EXPECT_EQ(label("LblGS")->palette().color(QPalette::WindowText), QColor(128, 0, 0));
}

}  // namespace
}  // namespace aerolume::test
