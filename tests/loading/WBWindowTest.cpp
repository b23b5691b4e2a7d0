// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QSettings>

#include "loading/WBWindow.h"
#include "platform/SettingsStore.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

const QString kApp = QStringLiteral("ARLM");
const QString kSection = QStringLiteral("WB");
// The sixteen fields, row by row: weight then arm.
const char* const kRowFields[16] = {"txtW1", "txtD1", "txtW2", "txtD2", "txtW3", "txtD3",
                                    "txtW4", "txtD4", "txtW5", "txtD5", "txtW6", "txtD6",
                                    "txtW7", "txtD7", "txtW8", "txtD8"};
const char* const kArmKeys[8] = {"Empty_CG", "Fuel_CG",  "Front_CG",  "Rear_CG",
                                 "Bags1_CG", "Bags2_CG", "Other1_CG", "Other2_CG"};

QString stored(const char* key) {
    return platform::readSetting(kApp, kSection, QString::fromLatin1(key),
                                 QStringLiteral("<missing>"));
}

// The store file's text as it stands on disk.
QString onDisk() {
    QFile file(storeFile());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString weightName(int row) {
    return QStringLiteral("txtW%1").arg(row);
}
QString armName(int row) {
    return QStringLiteral("txtD%1").arg(row);
}

// The sixteen texts, row by row: weight then arm.
using Rows = std::vector<std::pair<const char*, const char*>>;

class WBWindowTest : public StoredWindowTest<WBWindow> {
protected:
    WBWindowTest() : StoredWindowTest("WB", "Command10", {"Label12", "Label13", "GW", "CG"}) {}

    void closeByButton() {
        closeWindow(window, CloseBy::Button);
        ASSERT_FALSE(loaded());
    }

    QLineEdit* weight(int row) { return field(weightName(row)); }
    QLineEdit* arm(int row) { return field(armName(row)); }

    // Empties every field, then types the given rows key by key.
    void fill(const Rows& rows) {
        for (const char* name : kRowFields) {
            field(name)->clear();
        }
        for (std::size_t i = 0; i < rows.size(); ++i) {
            typeFields(window, {kRowFields[2 * i], kRowFields[2 * i + 1]},
                       {rows[i].first, rows[i].second});
        }
    }
};

struct WBCaptions {
    const char* what;
    Rows rows;
    const char* grossWeight;
    const char* cg;
};

class WBCaptionsTest : public WBWindowTest, public ::testing::WithParamInterface<WBCaptions> {};

TEST_P(WBCaptionsTest, EnterInTheLastArmShowsTheResults) {
    const WBCaptions& c = GetParam();
    fill(c.rows);
    SCOPED_TRACE(c.what);
    expectEnterShowsResults("txtD8");
    EXPECT_EQ(label("GW")->text().toStdString(), c.grossWeight) << c.what;
    EXPECT_EQ(label("CG")->text().toStdString(), c.cg) << c.what;
}

TEST_P(WBCaptionsTest, TheComputeButtonGivesTheSameWithoutABeep) {
    const WBCaptions& c = GetParam();
    fill(c.rows);
    BeepCounter beeps;
    click(compute());
    EXPECT_EQ(beeps.count(), 0) << c.what;
    EXPECT_EQ(label("GW")->text().toStdString(), c.grossWeight) << c.what;
    EXPECT_EQ(label("CG")->text().toStdString(), c.cg) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Worked, WBCaptionsTest,
    ::testing::Values(
        WBCaptions{"fuel and front seats",
                   {{"1500", "85"}, {"240", "95"}, {"340", "80.5"}},
                   "2080.",
                   "85.42"},
        WBCaptions{"loads forward of the datum", {{"100", "-20"}, {"100", "-5"}}, "200.", "-12.50"},
        WBCaptions{
            "empty arms count as 0", {{"1000", "80"}, {"500", ""}, {"", "99"}}, "1500.", "53.33"},
        WBCaptions{"the last row",
                   {{"1000", "80"},
                    {"", ""},
                    {"", ""},
                    {"", ""},
                    {"", ""},
                    {"", ""},
                    {"", ""},
                    {"1000", "100"}},
                   "2000.",
                   "90.00"},
        WBCaptions{"the largest entries", {{"999999", "9999999"}}, "999999.", "9999999.00"},
        WBCaptions{"arms written with a point",
                   {{"1", "7."}, {"1", ".5"}, {"2", "-0.25"}},
                   "4.",
                   "1.75"}));

struct WBError {
    const char* what;
    Rows rows;
    const char* message;
    const char* focused;  // nullptr: the focus stays in txtD8, where Enter was pressed
};

class WBErrorTest : public WBWindowTest, public ::testing::WithParamInterface<WBError> {};

TEST_P(WBErrorTest, ReportsTheFirstFailureAndClearsNothing) {
    const WBError& e = GetParam();
    fill(e.rows);
    arm(8)->setFocus();
    BeepCounter beeps;
    pressEnter(arm(8));
    EXPECT_EQ(beeps.count(), 0) << e.what;  // a failed run leaves the Enter key alone
    EXPECT_TRUE(errorShown()) << e.what;
    EXPECT_EQ(label("ErrorLbl")->text().toStdString(), e.message) << e.what;
    const QString focused = e.focused != nullptr ? QString::fromLatin1(e.focused) : armName(8);
    EXPECT_TRUE(field(focused)->hasFocus()) << e.what;
    for (std::size_t i = 0; i < e.rows.size(); ++i) {
        EXPECT_EQ(weight(static_cast<int>(i) + 1)->text().toStdString(), e.rows[i].first);
        EXPECT_EQ(arm(static_cast<int>(i) + 1)->text().toStdString(), e.rows[i].second);
    }
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, WBErrorTest,
    ::testing::Values(
        WBError{"nothing entered", {}, "Invalid Empty Weight!", "txtW1"},
        WBError{"both of row 1 empty", {{"", ""}, {"240", "95"}}, "Invalid Empty Weight!", "txtW1"},
        WBError{"the empty weight before a bad arm",
                {{"", "85"}, {"", "-"}},
                "Invalid Empty Weight!",
                "txtW1"},
        WBError{"no empty CG", {{"1500", ""}, {"240", "95"}}, "Invalid Empty CG!", "txtD1"},
        WBError{"no weight at all", {{"0", "0"}}, "Invalid weight!", nullptr},
        WBError{"zero weights with arms",
                {{"0", "85"}, {"0", "95"}, {"", "1"}},
                "Invalid weight!",
                nullptr},
        WBError{"a lone minus sign",
                {{"1500", "85"}, {"240", "95"}, {"340", "-"}},
                "Invalid number!",
                "txtD3"},
        WBError{"a lone point", {{"1500", "85"}, {"240", "."}}, "Invalid number!", "txtD2"},
        WBError{"a minus after a digit",
                {{"1500", "85"}, {"", ""}, {"", ""}, {"10", "1-2"}},
                "Invalid number!",
                "txtD4"},
        WBError{"a slash",
                {{"1500", "85"}, {"", ""}, {"", ""}, {"", ""}, {"", "3/4"}},
                "Invalid number!",
                "txtD5"},
        WBError{"two points in the empty CG", {{"1500", "8.5.1"}}, "Invalid number!", "txtD1"},
        WBError{"the first of two bad fields",
                {{"1500", "85"}, {"1", "."}, {"1", "-"}},
                "Invalid number!",
                "txtD2"},
        WBError{"a bad arm before a zero weight",
                {{"0", "0"}, {"", "/"}},
                "Invalid number!",
                "txtD2"}));

TEST_F(WBWindowTest, TheNextRunRestoresTheResults) {
    fill({{"1500", ""}});
    click(compute());
    EXPECT_EQ(label("ErrorLbl")->text(), QStringLiteral("Invalid Empty CG!"));
    type(arm(1), QStringLiteral("85"));
    click(compute());
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(label("GW")->text(), QStringLiteral("1500."));
    EXPECT_EQ(label("CG")->text(), QStringLiteral("85.00"));
}

TEST_F(WBWindowTest, EnterGoesFromEachWeightToItsArmAndOnToTheNextRow) {
    expectEnterChain(window, kRowFields, QString());
}

class WBKeysTest : public WBWindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(WBKeysTest, EachFieldKeepsOnlyItsKeys) {
    expectKeys(field(GetParam().field), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Filters, WBKeysTest,
                         ::testing::Values(KeyCase{"txtW1", "1.5-0/0", "1500", 3},
                                           KeyCase{"txtW5", "2a4 0+", "240", 3},
                                           KeyCase{"txtD1", "-8.5/", "-8.5/", 0},
                                           KeyCase{"txtD8", "1e2,5", "125", 2},
                                           // at most 6 and 7 characters
                                           KeyCase{"txtW8", "1234567", "123456", 0},
                                           KeyCase{"txtD4", "-1234.567", "-1234.5", 0}));

TEST_F(WBWindowTest, HelpShowsThreeParagraphs) {
    const QStringList paragraphs = helpParagraphs(window);
    ASSERT_EQ(paragraphs.size(), 3);
    EXPECT_EQ(paragraphs[0],
              QStringLiteral("   Note: the labels 'Fuel', 'Front Seat(s)', etc. are merely "
                             "suggestions, you can enter baggage in that field, if you wanted to. "
                             "The labels are only for reference."));
    EXPECT_EQ(paragraphs[1],
              QStringLiteral("   Enter weights in the first columb. Valid values are positive "
                             "numbers up to 6 digits long. Enter the distance from the datum for "
                             "each weight. Valid values are all integers up to 7 digits. If a "
                             "particular load is FOREWARD from the datum, enter the distance as a "
                             "NEGATIVE number!"));
    EXPECT_EQ(paragraphs[2],
              QStringLiteral("   It might be best to do the weight & balance problem twice, as it "
                             "is quite easy to make a mistake with the data entry."));
}

TEST_F(WBWindowTest, StartsWithItsRowsAndEmptyResults) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Weight and Balance"));
    const std::pair<const char*, const char*> captions[] = {
        {"Label1", "Weight"},        {"Label2", "Inches aft of Datum"},
        {"Label3", "Empty Weight:"}, {"Label4", "Empty CG:"},
        {"Label5", "Fuel:"},         {"Label6", "Front Seat(s):"},
        {"Label7", "Rear Seat(s):"}, {"Label8", "Baggage 1:"},
        {"Label9", "Baggage 2:"},    {"Label10", "Other:"},
        {"Label11", "Other:"},       {"Label12", "Gross Weight:"},
        {"Label13", "CG Point:"}};
    for (const auto& [name, text] : captions) {
        EXPECT_EQ(label(name)->text().toStdString(), text);
    }
    for (int row = 1; row <= 8; ++row) {
        EXPECT_TRUE(weight(row)->text().isEmpty());
        EXPECT_TRUE(arm(row)->text().isEmpty());
        EXPECT_EQ(weight(row)->maxLength(), 6);
        EXPECT_EQ(arm(row)->maxLength(), 7);
    }
    for (int n = 1; n <= 6; ++n) {
        auto* line = child<QFrame>(window, QStringLiteral("Line%1").arg(n));
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->frameShape(), QFrame::HLine);
    }
    EXPECT_EQ(compute()->text(), QStringLiteral("Compute!"));
    EXPECT_TRUE(resultsShown());
    for (const char* name : {"GW", "CG", "ErrorLbl"}) {
        EXPECT_TRUE(label(name)->text().isEmpty()) << name;
    }
    EXPECT_TRUE(haveResultLook(window, {"GW", "CG", "ErrorLbl"}));
}

TEST_F(WBWindowTest, TabGoesAlongTheRowsThenTheButtons) {
    QStringList order(std::begin(kRowFields), std::end(kRowFields));
    order << QStringLiteral("Command2") << QStringLiteral("Command1");
    EXPECT_EQ(tabOrder(weight(1), 18), order);
}

// Persistence through the settings store.

class WBCloseTest : public WBWindowTest, public ::testing::WithParamInterface<CloseBy> {};

TEST_P(WBCloseTest, TheEmptyWeightAndArmsComeBackAndTheOtherWeightsDoNot) {
    fill({{"1500", "85"},
          {"240", "95"},
          {"340", "80.5"},
          {"170", "118.1"},
          {"20", "142"},
          {"10", "-3/4"},
          {"5", "-"},
          {"1", "9999999"}});
    closeWindow(window, GetParam());
    ASSERT_FALSE(loaded());
    EXPECT_TRUE(program->main()->isVisible());

    EXPECT_EQ(stored("Empty_W"), QStringLiteral("1500"));
    const char* arms[] = {"85", "95", "80.5", "118.1", "142", "-3/4", "-", "9999999"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(stored(kArmKeys[i]).toStdString(), arms[i]);
    }
    QSettings store(storeFile(), QSettings::IniFormat);
    store.beginGroup(kSection);
    EXPECT_EQ(store.childKeys().size(), 9);  // the weights of rows 2 to 8 are not kept

    reopen();
    EXPECT_EQ(weight(1)->text(), QStringLiteral("1500"));
    for (int row = 1; row <= 8; ++row) {
        EXPECT_EQ(arm(row)->text().toStdString(), arms[row - 1]);
        if (row > 1) {
            EXPECT_TRUE(weight(row)->text().isEmpty()) << row;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWay, WBCloseTest,
                         ::testing::Values(CloseBy::Button, CloseBy::MenuEntry, CloseBy::CloseBox));

TEST_F(WBWindowTest, AnEmptiedArmIsStoredEmptyAndReopensEmpty) {
    fill({{"1500", "85"}, {"", "95"}, {"", "80.5"}});
    closeByButton();
    reopen();
    ASSERT_EQ(arm(3)->text(), QStringLiteral("80.5"));
    arm(3)->setFocus();
    arm(3)->end(false);
    for (int i = 0; i < 4; ++i) {
        pressBackspace(arm(3));
    }
    ASSERT_TRUE(arm(3)->text().isEmpty());
    closeByButton();
    EXPECT_EQ(stored("Front_CG"), QString());  // present, and empty
    reopen();
    EXPECT_TRUE(arm(3)->text().isEmpty());
    EXPECT_EQ(arm(2)->text(), QStringLiteral("95"));
}

TEST_F(WBWindowTest, TheEntriesSurviveARestartOfTheProgram) {
    fill({{"1650", "84.2"}, {"300", "95"}});
    closeByButton();
    EXPECT_TRUE(onDisk().contains(QStringLiteral("Empty_W=1650")));
    EXPECT_TRUE(onDisk().contains(QStringLiteral("Empty_CG=84.2")));
    EXPECT_FALSE(onDisk().contains(QStringLiteral("300")));
    program.reset();
    startProgram();
    EXPECT_EQ(weight(1)->text(), QStringLiteral("1650"));
    EXPECT_EQ(arm(1)->text(), QStringLiteral("84.2"));
    EXPECT_EQ(arm(2)->text(), QStringLiteral("95"));
    EXPECT_TRUE(weight(2)->text().isEmpty());
    type(weight(2), QStringLiteral("300"));
    click(compute());
    EXPECT_EQ(label("GW")->text(), QStringLiteral("1950."));
    EXPECT_EQ(label("CG")->text(), QStringLiteral("85.86"));
}

TEST_F(WBWindowTest, NothingIsReadWhileTheWindowIsOpen) {
    ASSERT_TRUE(platform::writeSettings(kApp, kSection,
                                        {{QStringLiteral("Empty_W"), QStringLiteral("42")}}));
    EXPECT_TRUE(weight(1)->text().isEmpty());
    type(weight(1), QStringLiteral("7"));
    closeByButton();
    EXPECT_EQ(stored("Empty_W"), QStringLiteral("7"));  // the text as it stood
}

TEST_F(WBWindowTest, WithoutAStoreTheFieldsStartEmpty) {
    fill({{"1500", "85"}, {"240", "95"}});
    closeByButton();
    removeStore();
    reopen();
    EXPECT_TRUE(weight(1)->text().isEmpty());
    for (int row = 1; row <= 8; ++row) {
        EXPECT_TRUE(arm(row)->text().isEmpty()) << row;
    }
}

TEST_F(WBWindowTest, AStoreThatCannotBeReadOrWrittenGivesEmptyFieldsAndNoCrash) {
    closeByButton();
    removeStore();
    ASSERT_TRUE(QDir().mkpath(storeFile()));  // a folder where the file should be
    reopen();
    EXPECT_TRUE(weight(1)->text().isEmpty());
    for (int row = 1; row <= 8; ++row) {
        EXPECT_TRUE(arm(row)->text().isEmpty()) << row;
    }
    fill({{"1500", "85"}});
    click(compute());
    EXPECT_EQ(label("CG")->text(), QStringLiteral("85.00"));
    closeByButton();  // the entries cannot be saved; the window still closes
    EXPECT_TRUE(program->main()->isVisible());
    EXPECT_TRUE(QFileInfo(storeFile()).isDir());  // nothing was written in its place
    reopen();
    type(weight(2), QStringLiteral("100"));
    EXPECT_EQ(weight(2)->text(), QStringLiteral("100"));
}

TEST_F(WBWindowTest, AGarbageStoreGivesEmptyFields) {
    closeByButton();
    QDir().mkpath(QFileInfo(storeFile()).path());
    QFile file(storeFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray("\x00\xff\x01[WB\nEmpty_W", 15));
    file.close();
    reopen();
    EXPECT_TRUE(weight(1)->text().isEmpty());
    EXPECT_TRUE(arm(1)->text().isEmpty());
}

TEST_F(WBWindowTest, AStoredTextThatIsNotANumberIsReportedNotComputed) {
    closeByButton();
    ASSERT_TRUE(platform::writeSettings(kApp, kSection,
                                        {{QStringLiteral("Empty_W"), QStringLiteral(".")},
                                         {QStringLiteral("Empty_CG"), QStringLiteral("85")}}));
    reopen();
    ASSERT_EQ(weight(1)->text(), QStringLiteral("."));
    click(compute());
    EXPECT_EQ(label("ErrorLbl")->text(), QStringLiteral("Invalid number!"));
    EXPECT_TRUE(weight(1)->hasFocus());
    EXPECT_EQ(weight(1)->text(), QStringLiteral("."));
}

TEST_F(WBWindowTest, TheLaunchersMenuEntryOpensTheWindowToo) {
    fill({{"1500", "85"}});
    closeByButton();
    ASSERT_TRUE(reopenFromMenu("menuWB"));
    EXPECT_EQ(weight(1)->text(), QStringLiteral("1500"));
}

}  // namespace
}  // namespace aerolume::test
