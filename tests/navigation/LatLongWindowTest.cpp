// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "navigation/LatLongWindow.h"
#include "platform/SettingsStore.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

// The twelve fields in the order of the Enter chain.
const char* const kFields[12] = {"txtDepLatDeg",   "txtDepLatMin",   "txtDepLatSec",
                                 "txtDepLongDeg",  "txtDepLongMin",  "txtDepLongSec",
                                 "txtDestLatDeg",  "txtDestLatMin",  "txtDestLatSec",
                                 "txtDestLongDeg", "txtDestLongMin", "txtDestLongSec"};
const char* const kResultArea[8] = {"Label13", "Label14", "Label15", "Label18",
                                    "Dist",    "TC",      "RTC",     "RDist"};

const QString kApplication = QStringLiteral("ARLM");
const QString kSection = QStringLiteral("LatLong");

// The hemisphere buttons to click: "NW", "SE" and so on, departure then destination.
struct Hemispheres {
    char depLat = 'N';
    char depLong = 'W';
    char destLat = 'N';
    char destLong = 'W';
};

class LatLongWindowTest : public StoredWindowTest<LatLongWindow> {
protected:
    LatLongWindowTest() : StoredWindowTest("LatLong", "Command9", kResultArea) {}

    // Types the twelve texts key by key, each field emptied first.
    void fill(const std::array<const char*, 12>& texts) { typeFields(window, kFields, texts); }
    void pick(const Hemispheres& h) {
        click(option(h.depLat == 'S' ? "optDepS" : "optDepN"));
        click(option(h.depLong == 'E' ? "optDepE" : "optDepW"));
        click(option(h.destLat == 'S' ? "optDestS" : "optDestN"));
        click(option(h.destLong == 'E' ? "optDestE" : "optDestW"));
    }
    void enterInLastField() {
        field("txtDestLongSec")->setFocus();
        pressEnter(field("txtDestLongSec"));
    }
};

struct WorkedRow {
    const char* what;
    std::array<const char*, 12> texts;
    Hemispheres hemispheres;
    const char* dist;
    const char* tc;
    const char* rtc;
    const char* rdist;
};

void PrintTo(const WorkedRow& row, std::ostream* os) {
    *os << row.what;
}

class LatLongWorkedRowTest : public LatLongWindowTest,
                             public ::testing::WithParamInterface<WorkedRow> {};

TEST_P(LatLongWorkedRowTest, TypedAndClickedShowsTheCaptions) {
    const WorkedRow& row = GetParam();
    fill(row.texts);
    pick(row.hemispheres);
    expectEnterShowsResults("txtDestLongSec");
    EXPECT_EQ(text("Dist"), row.dist);
    EXPECT_EQ(text("TC"), row.tc);
    EXPECT_EQ(text("RTC"), row.rtc);
    EXPECT_EQ(text("RDist"), row.rdist);

    // The button gives the same captions without a beep.
    for (const char* name : {"Dist", "TC", "RTC", "RDist"}) {
        label(name)->clear();
    }
    BeepCounter buttonBeeps;
    click(button("Command2"));
    EXPECT_EQ(buttonBeeps.count(), 0);
    EXPECT_EQ(text("Dist"), row.dist);
    EXPECT_EQ(text("RDist"), row.rdist);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LatLongWorkedRowTest,
    ::testing::Values(
        WorkedRow{"across the continent",
                  {"33", "57", "0", "118", "24", "0", "40", "38", "0", "73", "47", "0"},
                  {'N', 'W', 'N', 'W'},
                  "2143.73 NM",
                  "65.89°",
                  "79.32°",
                  "2164.58 NM"},
        WorkedRow{"across the 180th meridian",
                  {"21", "19", "0", "157", "55", "0", "35", "33", "0", "139", "47", "0"},
                  {'N', 'W', 'N', 'E'},
                  "3341.35 NM",
                  "299.29°",
                  "284.62°",
                  "3383.20 NM"},
        WorkedRow{"southern hemisphere",
                  {"33", "52", "0", "151", "12", "0", "36", "51", "0", "174", "46", "0"},
                  {'S', 'E', 'S', 'E'},
                  "1163.95 NM",
                  "105.59°",
                  "98.83°",
                  "1166.74 NM"},
        WorkedRow{"one parallel",
                  {"33", "56", "0", "118", "24", "0", "33", "56", "0", "73", "47", "0"},
                  {'N', 'W', 'N', 'W'},
                  "2202.88 NM",
                  "77.10°",
                  "90.00°",
                  "2221.07 NM"},
        WorkedRow{"equator east",
                  {"0", "0", "0", "0", "0", "0", "0", "0", "0", "10", "0", "0"},
                  {'N', 'W', 'N', 'E'},
                  "600.00 NM",
                  "90.00°",
                  "90.00°",
                  "600.00 NM"},
        WorkedRow{"equator west",
                  {"0", "0", "0", "0", "0", "0", "0", "0", "0", "10", "0", "0"},
                  {'N', 'W', 'N', 'W'},
                  "600.00 NM",
                  "270.00°",
                  "270.00°",
                  "600.00 NM"},
        WorkedRow{"due north, decimals and blanks",
                  {"9.5", "30", "", "30", "", "", "20", "", "", "30", "", ""},
                  {'N', 'W', 'N', 'W'},
                  "600.00 NM",
                  "360.00°",
                  "0.00°",
                  "600.00 NM"},
        WorkedRow{"due south",
                  {"20", "", "", "30", "", "", "10", "", "", "30", "", ""},
                  {'N', 'E', 'N', 'E'},
                  "600.00 NM",
                  "180.00°",
                  "180.00°",
                  "600.00 NM"}));

TEST_F(LatLongWindowTest, AllBlankWritesTwelveZerosAndReportsTheSamePoint) {
    BeepCounter beeps;
    enterInLastField();
    EXPECT_EQ(beeps.count(), 0);  // a run that ends in an error leaves the key alone
    for (const char* name : kFields) {
        EXPECT_EQ(field(name)->text(), QStringLiteral("0")) << name;
    }
    EXPECT_EQ(text("ErrorLbl"), "Same departure and destination!");
    EXPECT_TRUE(errorShown());
    EXPECT_TRUE(field("txtDestLongSec")->hasFocus());
}

TEST_F(LatLongWindowTest, ABoundFailureFillsOnlyTheDegreeFields) {
    type(field("txtDepLatDeg"), QStringLiteral("95"));
    field("txtDestLatSec")->setFocus();
    click(button("Command2"));
    EXPECT_EQ(text("ErrorLbl"), "Invalid Departure Latitude!");
    EXPECT_TRUE(errorShown());
    EXPECT_TRUE(field("txtDepLatDeg")->hasFocus());
    EXPECT_EQ(field("txtDepLatDeg")->text(), QStringLiteral("95"));  // kept, not emptied
    for (const char* name : {"txtDepLongDeg", "txtDestLatDeg", "txtDestLongDeg"}) {
        EXPECT_EQ(field(name)->text(), QStringLiteral("0")) << name;
    }
    for (const char* name :
         {"txtDepLatMin", "txtDepLatSec", "txtDepLongMin", "txtDepLongSec", "txtDestLatMin",
          "txtDestLatSec", "txtDestLongMin", "txtDestLongSec"}) {
        EXPECT_TRUE(field(name)->text().isEmpty()) << name;
    }
}

struct ErrorRow {
    const char* what;
    std::array<const char*, 12> texts;
    Hemispheres hemispheres;
    const char* message;
    const char* focus;  // the field that has the focus afterwards
};

void PrintTo(const ErrorRow& row, std::ostream* os) {
    *os << row.what;
}

class LatLongErrorTest : public LatLongWindowTest,
                         public ::testing::WithParamInterface<ErrorRow> {};

TEST_P(LatLongErrorTest, ShowsTheMessageInsteadOfTheResults) {
    const ErrorRow& row = GetParam();
    // A computation first, so that there are captions to keep.
    fill({"0", "0", "0", "0", "0", "0", "0", "0", "0", "10", "0", "0"});
    enterInLastField();
    ASSERT_EQ(text("Dist"), "600.00 NM");

    fill(row.texts);
    pick(row.hemispheres);
    BeepCounter beeps;
    enterInLastField();
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_EQ(text("ErrorLbl"), row.message);
    EXPECT_TRUE(errorShown());
    EXPECT_TRUE(field(row.focus)->hasFocus()) << "focus expected in " << row.focus;
    // The hidden results keep their old captions.
    EXPECT_EQ(text("Dist"), "600.00 NM");
    EXPECT_EQ(text("TC"), "270.00°");
    EXPECT_EQ(text("RTC"), "270.00°");
    EXPECT_EQ(text("RDist"), "600.00 NM");
    // No field was emptied.
    for (int i = 0; i < 12; ++i) {
        if (*row.texts[i] != '\0') {
            EXPECT_EQ(field(kFields[i])->text().toStdString(), row.texts[i]) << kFields[i];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Checks, LatLongErrorTest,
    ::testing::Values(ErrorRow{"latitude 90",
                               {"90", "", "", "", "", "", "", "", "", "", "", ""},
                               {},
                               "Invalid Departure Latitude!",
                               "txtDepLatDeg"},
                      ErrorRow{"longitude 180.25",
                               {"", "", "", "180.25", "", "", "", "", "", "", "", ""},
                               {},
                               "Invalid Departure Longitude!",
                               "txtDepLongDeg"},
                      ErrorRow{"destination latitude 89.5",
                               {"", "", "", "", "", "", "89.5", "", "", "", "", ""},
                               {},
                               "Invalid Destination Latitude!",
                               "txtDestLatDeg"},
                      ErrorRow{"destination longitude 181",
                               {"10", "", "", "", "", "", "", "", "", "181", "", ""},
                               {},
                               "Invalid Destination Longitude!",
                               "txtDestLongDeg"},
                      ErrorRow{"89 60 is the pole",
                               {"89", "60", "", "", "", "", "", "", "", "", "", ""},
                               {},
                               "Can't start/stop at a pole!",
                               "txtDestLongSec"},
                      ErrorRow{"bounds before the pole",
                               {"89", "60", "", "", "", "", "", "", "", "181", "", ""},
                               {},
                               "Invalid Destination Longitude!",
                               "txtDestLongDeg"},
                      ErrorRow{"opposite meridians on the equator",
                               {"", "", "", "90", "", "", "", "", "", "90", "", ""},
                               {'N', 'W', 'N', 'E'},
                               "Can't cross a pole!",
                               "txtDestLongSec"},
                      ErrorRow{"prime meridian to the 180th",
                               {"10", "", "", "0", "", "", "20", "", "", "180", "", ""},
                               {'N', 'W', 'S', 'W'},
                               "Can't cross a pole!",
                               "txtDestLongSec"},
                      ErrorRow{"zero west is zero east",
                               {"", "", "", "", "", "", "", "", "", "", "", ""},
                               {'N', 'W', 'S', 'E'},
                               "Same departure and destination!",
                               "txtDestLongSec"},
                      ErrorRow{"89 61 is past the pole",
                               {"89", "61", "", "", "", "", "", "", "", "", "", ""},
                               {},
                               "Departure Latitude beyond the pole!",
                               "txtDestLongSec"},
                      ErrorRow{"5401 minutes south",
                               {"", "", "", "", "", "", "0", "5401", "", "", "", ""},
                               {'N', 'W', 'S', 'W'},
                               "Destination Latitude beyond the pole!",
                               "txtDestLongSec"},
                      ErrorRow{"180 W and 180 E",
                               {"40", "", "", "180", "", "", "40", "", "", "180", "", ""},
                               {'N', 'W', 'N', 'E'},
                               "Departure and destination are one position!",
                               "txtDestLongSec"},
                      ErrorRow{"opposite meridians up to rounding",
                               {"10", "", "", "30.5", "", "", "40", "", "", "149.5", "", ""},
                               {'N', 'W', 'N', 'E'},
                               "Can't cross a pole!",
                               "txtDestLongSec"},
                      // Texts the key filter lets through that are not numbers.
                      ErrorRow{"a lone point in degrees",
                               {".", "", "", "", "", "", "", "", "", "", "", ""},
                               {},
                               "Invalid Departure Latitude!",
                               "txtDepLatDeg"},
                      ErrorRow{"a fraction in minutes",
                               {"10", "", "", "20", "3/4", "", "", "", "", "", "", ""},
                               {},
                               "Invalid Departure Longitude!",
                               "txtDepLongMin"},
                      ErrorRow{"two points in seconds",
                               {"10", "", "", "20", "", "", "30", "", "1.2.3", "40", "", ""},
                               {},
                               "Invalid Destination Latitude!",
                               "txtDestLatSec"},
                      ErrorRow{"a slash in the last field",
                               {"10", "", "", "20", "", "", "30", "", "", "40", "", "/"},
                               {},
                               "Invalid Destination Longitude!",
                               "txtDestLongSec"},
                      ErrorRow{"bounds before a text in minutes",
                               {"10", "1.2.3", "", "20", "", "", "30", "", "", "181", "", ""},
                               {},
                               "Invalid Destination Longitude!",
                               "txtDestLongDeg"}));

// A latitude past the pole, reached through its minutes, is decided only after the
// tests of the opposite meridians and of the same point.
struct PastThePoleRow {
    const char* what;
    std::array<const char*, 12> texts;
    Hemispheres hemispheres;
    const char* message;
};

void PrintTo(const PastThePoleRow& row, std::ostream* os) {
    *os << row.what;
}

class LatLongPastThePoleTest
    : public LatLongWindowTest,
      public ::testing::WithParamInterface<std::tuple<PastThePoleRow, bool>> {};

TEST_P(LatLongPastThePoleTest, TheExactTestsComeFirstByButtonAndByEnter) {
    const auto& [row, byEnter] = GetParam();
    fill(row.texts);
    pick(row.hemispheres);
    if (byEnter) {
        enterInLastField();
    } else {
        click(button("Command2"));
    }
    EXPECT_EQ(text("ErrorLbl"), row.message);
    EXPECT_TRUE(errorShown());
    EXPECT_TRUE(holdTexts(window, kFields, row.texts));
    // The focus stays where the run began.
    EXPECT_EQ(QApplication::focusWidget(),
              byEnter ? static_cast<QWidget*>(field("txtDestLongSec")) : button("Command2"));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LatLongPastThePoleTest,
    ::testing::Combine(::testing::Values(PastThePoleRow{"to the opposite meridian",
                                                        {"89", "70", "0", "90", "0", "0", "20", "0",
                                                         "0", "90", "0", "0"},
                                                        {'N', 'W', 'S', 'E'},
                                                        "Can't cross a pole!"},
                                         PastThePoleRow{"to the same point",
                                                        {"89", "65", "30", "100", "0", "0", "89",
                                                         "65", "30", "100", "0", "0"},
                                                        {'N', 'E', 'N', 'E'},
                                                        "Same departure and destination!"}),
                       ::testing::Bool()));

TEST_F(LatLongWindowTest, AfterAnErrorTheNextComputationShowsEverythingAgain) {
    fill({"0", "0", "0", "0", "0", "0", "0", "0", "0", "10", "0", "0"});
    click(button("Command2"));
    ASSERT_TRUE(resultsShown());
    field("txtDepLatDeg")->clear();
    type(field("txtDepLatDeg"), QStringLiteral("95"));
    click(button("Command2"));
    ASSERT_TRUE(errorShown());
    field("txtDepLatDeg")->clear();
    type(field("txtDepLatDeg"), QStringLiteral("10"));
    click(button("Command2"));
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(text("Label13"), "Distance:");
    EXPECT_EQ(text("Label18"), "Great Circle");
    EXPECT_EQ(text("Dist"), "846.36 NM");
    EXPECT_EQ(text("TC"), "225.44°");
}

TEST_F(LatLongWindowTest, EnterMovesAlongTheFieldsSkippingTheOptionButtons) {
    expectEnterChain(window, kFields, QStringLiteral("1"));
}

TEST_F(LatLongWindowTest, FieldsTakePointSlashAndDigitsButNoMinus) {
    for (const char* name : kFields) {
        QLineEdit* f = field(name);
        BeepCounter beeps;
        type(f, QStringLiteral("1-2a.3/4 x"));
        EXPECT_EQ(f->text(), QStringLiteral("12.3/4")) << name;
        EXPECT_EQ(beeps.count(), 4) << name;
        pressBackspace(f);
        EXPECT_EQ(f->text(), QStringLiteral("12.3/")) << name;
        EXPECT_EQ(beeps.count(), 4) << name;
    }
    QLineEdit* seconds = field("txtDepLatSec");
    seconds->clear();
    type(seconds, QStringLiteral("1234567890123"));
    EXPECT_EQ(seconds->text(), QStringLiteral("123456789012"));  // at most 12 characters
    BeepCounter beeps;
    seconds->clear();
    paste(seconds, QStringLiteral("-5"));
    EXPECT_TRUE(seconds->text().isEmpty());
    EXPECT_GE(beeps.count(), 1);
    paste(seconds, QStringLiteral("59.5"));
    EXPECT_EQ(seconds->text(), QStringLiteral("59.5"));
}

TEST_F(LatLongWindowTest, OpensWithTheDesignAndTheFocusInTheFirstField) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Latitude/Longitude Navigation"));
    EXPECT_TRUE(field("txtDepLatDeg")->hasFocus());
    for (const char* name : kFields) {
        EXPECT_TRUE(field(name)->text().isEmpty()) << name;
        EXPECT_EQ(field(name)->maxLength(), 12) << name;
    }
    for (const char* name : {"optDepN", "optDepW", "optDestN", "optDestW"}) {
        EXPECT_TRUE(option(name)->isChecked()) << name;
    }
    for (const char* name : {"optDepS", "optDepE", "optDestS", "optDestE"}) {
        EXPECT_FALSE(option(name)->isChecked()) << name;
    }
    EXPECT_TRUE(label("ErrorLbl")->isHidden());
    EXPECT_TRUE(label("ErrorLbl")->text().isEmpty());
    EXPECT_TRUE(haveResultLook(window, {"Dist", "TC", "RTC", "RDist", "ErrorLbl"}));
}

TEST_F(LatLongWindowTest, TabGoesThroughEachFrameThenItsOptionsThenTheButtons) {
    const QStringList order = {
        "txtDepLatDeg",   "txtDepLatMin",   "txtDepLatSec",   "optDepN",  "optDepS",
        "txtDepLongDeg",  "txtDepLongMin",  "txtDepLongSec",  "optDepE",  "optDepW",
        "txtDestLatDeg",  "txtDestLatMin",  "txtDestLatSec",  "optDestN", "optDestS",
        "txtDestLongDeg", "txtDestLongMin", "txtDestLongSec", "optDestE", "optDestW",
        "Command2",       "Command1"};
    EXPECT_EQ(focusChain(field("txtDepLatDeg"), 22), order);
}

TEST_F(LatLongWindowTest, HelpShowsTwoParagraphs) {
    const QStringList paragraphs = helpParagraphs(window);
    ASSERT_EQ(paragraphs.size(), 2);
    EXPECT_EQ(paragraphs[0],
              QStringLiteral("Enter Lat/Long of the departure point, and destination. Valid "
                             "latitude values are from 0 to 89 degrees, as anything above will "
                             "result in an 'Illegal function call' in the program (Note: If you "
                             "approach either pole using minutes/seconds, you may crash the "
                             "program!) Valid longitude values are from 0 to 180. Degree, minute, "
                             "and second values can be entered with decimals if desired; blank "
                             "fields are treated as zero."));
    EXPECT_EQ(paragraphs[1],
              QStringLiteral("Terminology: A 'Great Circle' route could be thought of as a plane "
                             "drawn through a globe. A 'Rhumb Line' is a stright line drawn over "
                             "a flat map. A great circle route's true course changes as the "
                             "flight or voyage progresses, as opposed to a rhumb line whose true "
                             "course remains constant."));
}

TEST_F(LatLongWindowTest, TheLaunchersMenuEntryOpensItToo) {
    closeWindow(window, CloseBy::Button);
    EXPECT_FALSE(loaded());
    EXPECT_TRUE(program->main()->isVisible());
    EXPECT_TRUE(reopenFromMenu("menuLat"));
    EXPECT_FALSE(program->main()->isVisible());
}

class LatLongPersistenceTest : public LatLongWindowTest,
                               public ::testing::WithParamInterface<CloseBy> {};

TEST_P(LatLongPersistenceTest, TheDepartureSurvivesClosingAndReopening) {
    // Blank, "0" and texts that are not numbers are kept as they stand.
    fill({"33", "", "3/4", "1.2.3", ".", "0", "40", "38", "0", "73", "47", "0"});
    pick({'S', 'E', 'S', 'E'});
    closeWindow(window, GetParam());
    ASSERT_FALSE(loaded());
    ASSERT_TRUE(program->main()->isVisible());

    const std::pair<const char*, const char*> stored[] = {
        {"DepLatDeg", "33"},     {"DepLatMin", ""},   {"DepLatSec", "3/4"},
        {"DepLongDeg", "1.2.3"}, {"DepLongMin", "."}, {"DepLongSec", "0"}};
    for (const auto& [key, value] : stored) {
        EXPECT_EQ(
            platform::readSetting(kApplication, kSection, QString::fromLatin1(key)).toStdString(),
            value)
            << key;
    }
    EXPECT_TRUE(
        platform::readSetting(kApplication, kSection, QStringLiteral("DestLatDeg")).isNull());

    reopen();
    const std::array<const char*, 12> restored = {"33", "", "3/4", "1.2.3", ".", "0",
                                                  "",   "", "",    "",      "",  ""};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(field(kFields[i])->text().toStdString(), restored[i]) << kFields[i];
    }
    for (const char* name : {"optDepN", "optDepW", "optDestN", "optDestW"}) {
        EXPECT_TRUE(option(name)->isChecked()) << name;
    }
    EXPECT_TRUE(field("txtDepLatDeg")->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(Closing, LatLongPersistenceTest,
                         ::testing::Values(CloseBy::Button, CloseBy::MenuEntry, CloseBy::CloseBox));

TEST_F(LatLongWindowTest, TheDepartureSurvivesARestartOfTheProgram) {
    fill({"21", "19", "0", "157", "55", "0", "", "", "", "", "", ""});
    click(button("Command1"));
    program.reset();
    startProgram();
    const char* destination[6] = {"35", "33", "0", "139", "47", "0"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(field(kFields[i + 6])->text().isEmpty());
        type(field(kFields[i + 6]), QString::fromLatin1(destination[i]));
    }
    click(option("optDestE"));
    click(button("Command2"));
    EXPECT_EQ(text("Dist"), "3341.35 NM");
    EXPECT_EQ(text("RTC"), "284.62°");
}

TEST_F(LatLongWindowTest, AnyStoredTextIsShownAndReportedNotComputed) {
    closeWindow(window, CloseBy::Button);
    ASSERT_TRUE(platform::writeSettings(kApplication, kSection,
                                        {{QStringLiteral("DepLatDeg"), QStringLiteral("12")},
                                         {QStringLiteral("DepLatMin"), QStringLiteral("a,b")},
                                         {QStringLiteral("DepLatSec"), QStringLiteral(" 7 ")},
                                         {QStringLiteral("DepLongDeg"), QStringLiteral("-5")},
                                         {QStringLiteral("DepLongMin"), QStringLiteral("x=y;z")},
                                         {QStringLiteral("DepLongSec"), QStringLiteral("1e3")}}));
    reopen();
    EXPECT_EQ(field("txtDepLatMin")->text(), QStringLiteral("a,b"));
    EXPECT_EQ(field("txtDepLatSec")->text(), QStringLiteral(" 7 "));
    EXPECT_EQ(field("txtDepLongDeg")->text(), QStringLiteral("-5"));
    EXPECT_EQ(field("txtDepLongMin")->text(), QStringLiteral("x=y;z"));

    // Each text that is not a number is reported in turn; nothing is computed.
    const std::pair<const char*, const char*> reported[] = {
        {"txtDepLongDeg", "Invalid Departure Longitude!"},
        {"txtDepLatMin", "Invalid Departure Latitude!"},
        {"txtDepLatSec", "Invalid Departure Latitude!"},
        {"txtDepLongMin", "Invalid Departure Longitude!"},
        {"txtDepLongSec", "Invalid Departure Longitude!"}};
    for (const auto& [name, message] : reported) {
        click(button("Command2"));
        EXPECT_EQ(text("ErrorLbl"), message) << name;
        EXPECT_TRUE(errorShown()) << name;
        EXPECT_TRUE(field(name)->hasFocus()) << name;
        EXPECT_TRUE(text("Dist").empty());
        field(name)->setText(QStringLiteral("1"));
    }
    click(button("Command2"));
    EXPECT_TRUE(resultsShown());

    // Closing writes the texts back as they stand.
    field("txtDepLatMin")->setText(QStringLiteral("a,b"));
    field("txtDepLatSec")->setText(QStringLiteral(" 7 "));
    click(button("Command1"));
    EXPECT_EQ(platform::readSetting(kApplication, kSection, QStringLiteral("DepLatMin")),
              QStringLiteral("a,b"));
    EXPECT_EQ(platform::readSetting(kApplication, kSection, QStringLiteral("DepLatSec")),
              QStringLiteral(" 7 "));
}

struct BrokenStore {
    const char* what;
    void (*make)(const QString& path);
};

void PrintTo(const BrokenStore& store, std::ostream* os) {
    *os << store.what;
}

class LatLongBrokenStoreTest : public LatLongWindowTest,
                               public ::testing::WithParamInterface<BrokenStore> {};

TEST_P(LatLongBrokenStoreTest, GivesEmptyFieldsAndClosesCleanly) {
    closeWindow(window, CloseBy::Button);
    removeStore();
    GetParam().make(storeFile());
    reopen();
    for (const char* name : kFields) {
        EXPECT_TRUE(field(name)->text().isEmpty()) << name;
    }
    type(field("txtDepLatDeg"), QStringLiteral("10"));
    click(button("Command2"));
    EXPECT_EQ(text("Dist"), "600.00 NM");
    closeWindow(window, CloseBy::Button);
    EXPECT_FALSE(loaded());
    EXPECT_TRUE(program->main()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Stores, LatLongBrokenStoreTest,
    ::testing::Values(BrokenStore{"missing", [](const QString&) {}},
                      BrokenStore{"a folder where the file should be",
                                  [](const QString& path) { QDir().mkpath(path); }},
                      BrokenStore{"not a settings file", [](const QString& path) {
                                      QDir().mkpath(QFileInfo(path).path());
                                      QFile file(path);
                                      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                                      file.write(QByteArray("\x00\xff\x01[\x80\n=\xfe", 9));
                                  }}));

}  // namespace
}  // namespace aerolume::test
