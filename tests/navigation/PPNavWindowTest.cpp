#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "navigation/PPNavWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume {
namespace {

using test::BeepCounter;
using test::child;
using test::click;
using test::pressEnter;
using test::type;

const char* const kFields[] = {"P1", "P2", "Lat", "TAS", "Dist"};
const char* const kResults[] = {"Label5", "Label7", "Drift", "WindCA"};

struct Entries {
    const char* p1;
    const char* p2;
    const char* lat;
    const char* tas;
    const char* dist;
};

class PPNavWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        program = std::make_unique<test::TestProgram>(
            std::vector<std::pair<QString, WindowRegistry::Factory>>{
                {QStringLiteral("PPNav"), [](WindowRegistry& r) { return new PPNavWindow(r); }}});
        window = program->open(QStringLiteral("Command5"), QStringLiteral("PPNav"));
        ASSERT_NE(window, nullptr);
    }

    QLineEdit* field(const char* name) {
        return child<QLineEdit>(window, QString::fromLatin1(name));
    }
    QLabel* label(const char* name) { return child<QLabel>(window, QString::fromLatin1(name)); }
    QPushButton* compute() { return child<QPushButton>(window, QStringLiteral("Command2")); }

    // Types the five fields key by key.
    void fill(const Entries& e) {
        const std::pair<const char*, const char*> entries[] = {
            {"P1", e.p1}, {"P2", e.p2}, {"Lat", e.lat}, {"TAS", e.tas}, {"Dist", e.dist}};
        for (const auto& [name, text] : entries) {
            field(name)->clear();
            type(field(name), QString::fromUtf8(text));
            ASSERT_EQ(field(name)->text().toStdString(), text) << name << " refused a key";
        }
    }

    bool resultsShown() {
        for (const char* name : kResults) {
            if (label(name)->isHidden()) {
                return false;
            }
        }
        return label("lblError")->isHidden();
    }

    bool errorShown() {
        for (const char* name : kResults) {
            if (!label(name)->isHidden()) {
                return false;
            }
        }
        return !label("lblError")->isHidden();
    }

    std::unique_ptr<test::TestProgram> program;
    QWidget* window = nullptr;
};

struct PPNavCaptions {
    Entries entries;
    const char* drift;
    const char* wca;
};

class PPNavCaptionsTest : public PPNavWindowTest,
                          public ::testing::WithParamInterface<PPNavCaptions> {};

TEST_P(PPNavCaptionsTest, EnterInTheDistanceShowsTheResults) {
    const PPNavCaptions& c = GetParam();
    fill(c.entries);
    BeepCounter beeps;
    pressEnter(field("Dist"));
    EXPECT_EQ(beeps.count(), 1);  // the Enter key is dropped after the results
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(label("Drift")->text().toStdString(), c.drift);
    EXPECT_EQ(label("WindCA")->text().toStdString(), c.wca);
}

TEST_P(PPNavCaptionsTest, TheComputeButtonGivesTheSameWithoutABeep) {
    const PPNavCaptions& c = GetParam();
    fill(c.entries);
    BeepCounter beeps;
    click(compute());
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(label("Drift")->text().toStdString(), c.drift);
    EXPECT_EQ(label("WindCA")->text().toStdString(), c.wca);
}

INSTANTIATE_TEST_SUITE_P(
    Worked, PPNavCaptionsTest,
    ::testing::Values(
        PPNavCaptions{{"29.92", "30.12", "40", "200", "500"}, "33.45 NM Left", "3.83° Right"},
        PPNavCaptions{{"30.12", "29.92", "40", "200", "500"}, "33.45 NM Right", "3.83° Left"},
        PPNavCaptions{{"9.8", "10.1", "45", "300", "1000"}, "30.41 NM Left", "1.74° Right"},
        PPNavCaptions{{"20", "20", "45", "300", "1000"}, "0 NM", "0°"},
        PPNavCaptions{{"30", "30.0", "45", "300", "1000"}, "0 NM", "0°"},
        // The extremes are accepted and the angle is shown as computed, unreduced.
        PPNavCaptions{{"1", "35", "10", "10", "1"}, "420966.12 NM Left", "24083178.16° Right"},
        PPNavCaptions{{"35", "1", "80", "1000", "25000"}, "742.28 NM Right", "1.70° Left"},
        PPNavCaptions{{"1.", "1", "10.", "10", "1"}, "0 NM", "0°"}));

struct PPNavRejected {
    Entries entries;
    const char* message;
    const char* cleared;
};

class PPNavRangeTest : public PPNavWindowTest,
                       public ::testing::WithParamInterface<PPNavRejected> {};

TEST_P(PPNavRangeTest, AFieldOutOfRangeIsClearedAndFocused) {
    const PPNavRejected& r = GetParam();
    fill(r.entries);
    BeepCounter beeps;
    pressEnter(field("Dist"));
    EXPECT_EQ(beeps.count(), 0);  // a failed run leaves the Enter key alone
    EXPECT_TRUE(errorShown());
    EXPECT_EQ(label("lblError")->text().toStdString(), r.message);
    EXPECT_TRUE(field(r.cleared)->text().isEmpty());
    EXPECT_TRUE(field(r.cleared)->hasFocus());
    const std::pair<const char*, const char*> texts[] = {{"P1", r.entries.p1},
                                                         {"P2", r.entries.p2},
                                                         {"Lat", r.entries.lat},
                                                         {"TAS", r.entries.tas},
                                                         {"Dist", r.entries.dist}};
    for (const auto& [name, text] : texts) {
        if (std::string(name) != r.cleared) {
            EXPECT_EQ(field(name)->text().toStdString(), text) << name << " kept its text";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, PPNavRangeTest,
    ::testing::Values(
        PPNavRejected{{"0.99", "30", "45", "300", "1000"}, "Invalid Pressure!", "P1"},
        PPNavRejected{{"35.01", "30", "45", "300", "1000"}, "Invalid Pressure!", "P1"},
        PPNavRejected{{"30", "0.99", "45", "300", "1000"}, "Invalid Pressure!", "P2"},
        PPNavRejected{{"30", "35.01", "45", "300", "1000"}, "Invalid Pressure!", "P2"},
        PPNavRejected{{"30", "30", "9.9", "300", "1000"}, "Invalid Latitude!", "Lat"},
        PPNavRejected{{"30", "30", "80.1", "300", "1000"}, "Invalid Latitude!", "Lat"},
        PPNavRejected{{"30", "30", "45", "9", "1000"}, "Invalid TAS!", "TAS"},
        PPNavRejected{{"30", "30", "45", "5", "1000"}, "Invalid TAS!", "TAS"},
        PPNavRejected{{"30", "30", "45", "1001", "1000"}, "Invalid TAS!", "TAS"},
        PPNavRejected{{"30", "30", "45", "300", "0"}, "Invalid Distance!", "Dist"},
        PPNavRejected{{"30", "30", "45", "300", "25001"}, "Invalid Distance!", "Dist"},
        // Texts the filter lets through that are not numbers: the field's range message.
        PPNavRejected{{".", "30", "45", "300", "1000"}, "Invalid Pressure!", "P1"},
        PPNavRejected{{"30", "..", "45", "300", "1000"}, "Invalid Pressure!", "P2"},
        PPNavRejected{{"30", "30", "3/4", "300", "1000"}, "Invalid Latitude!", "Lat"},
        PPNavRejected{{"29.9.2", "30", "45", "300", "1000"}, "Invalid Pressure!", "P1"},
        PPNavRejected{{"30", ".5/", "45", "300", "1000"}, "Invalid Pressure!", "P2"},
        // The order of the range checks: pressures, then airspeed before latitude.
        PPNavRejected{{"36", "36", "9", "5", "0"}, "Invalid Pressure!", "P1"},
        PPNavRejected{{"30", "36", "9", "5", "0"}, "Invalid Pressure!", "P2"},
        PPNavRejected{{"30", "30", "9", "5", "0"}, "Invalid TAS!", "TAS"},
        PPNavRejected{{"30", "30", "9", "300", "0"}, "Invalid Latitude!", "Lat"}));

struct PPNavEmpty {
    Entries entries;
    const char* message;
    const char* focused;
};

class PPNavEmptyTest : public PPNavWindowTest, public ::testing::WithParamInterface<PPNavEmpty> {};

TEST_P(PPNavEmptyTest, AnEmptyFieldIsFocusedAndNothingIsCleared) {
    const PPNavEmpty& e = GetParam();
    fill(e.entries);
    click(compute());
    EXPECT_TRUE(errorShown());
    EXPECT_EQ(label("lblError")->text().toStdString(), e.message);
    EXPECT_TRUE(field(e.focused)->hasFocus());
    const std::pair<const char*, const char*> texts[] = {{"P1", e.entries.p1},
                                                         {"P2", e.entries.p2},
                                                         {"Lat", e.entries.lat},
                                                         {"TAS", e.entries.tas},
                                                         {"Dist", e.entries.dist}};
    for (const auto& [name, text] : texts) {
        EXPECT_EQ(field(name)->text().toStdString(), text) << name << " kept its text";
    }
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, PPNavEmptyTest,
    ::testing::Values(PPNavEmpty{{"", "", "", "", ""}, "Invalid Pressure!", "P1"},
                      PPNavEmpty{{"30", "", "", "", ""}, "Invalid Pressure!", "P2"},
                      PPNavEmpty{{"30", "30", "", "", ""}, "Invalid Latitude!", "Lat"},
                      PPNavEmpty{{"30", "30", "45", "", ""}, "Invalid True Airspeed!", "TAS"},
                      PPNavEmpty{{"30", "30", "45", "300", ""}, "Invalid Distance!", "Dist"},
                      // All emptiness checks come before any range check.
                      PPNavEmpty{{"99", "0", "5", "5", ""}, "Invalid Distance!", "Dist"},
                      PPNavEmpty{{"99", "0", "5", "", "0"}, "Invalid True Airspeed!", "TAS"}));

TEST_F(PPNavWindowTest, AnEmptyDistanceByEnterGivesNoBeep) {
    fill({"30", "30", "45", "300", ""});
    BeepCounter beeps;
    pressEnter(field("Dist"));
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_EQ(label("lblError")->text(), QStringLiteral("Invalid Distance!"));
}

TEST_F(PPNavWindowTest, TheNextRunRestoresTheResults) {
    fill({"29.92", "30.12", "40", "5", "500"});
    click(compute());
    EXPECT_TRUE(errorShown());
    click(compute());  // the cleared airspeed is now empty
    EXPECT_EQ(label("lblError")->text(), QStringLiteral("Invalid True Airspeed!"));
    type(field("TAS"), QStringLiteral("200"));
    click(compute());
    EXPECT_TRUE(resultsShown());
    EXPECT_EQ(label("Drift")->text(), QStringLiteral("33.45 NM Left"));
}

TEST_F(PPNavWindowTest, EnterMovesAlongTheFieldsWithABeepEach) {
    field("P1")->setFocus();
    for (int i = 0; i < 4; ++i) {
        BeepCounter beeps;
        type(field(kFields[i]), QStringLiteral("12"));
        pressEnter(field(kFields[i]));
        EXPECT_EQ(beeps.count(), 1) << kFields[i];
        EXPECT_TRUE(field(kFields[i + 1])->hasFocus()) << kFields[i];
        EXPECT_EQ(field(kFields[i])->text(), QStringLiteral("12"));
    }
}

struct PPNavKeys {
    const char* field;
    const char* typed;
    const char* kept;
    int beeps;
};

class PPNavKeysTest : public PPNavWindowTest, public ::testing::WithParamInterface<PPNavKeys> {};

TEST_P(PPNavKeysTest, EachFieldKeepsOnlyItsKeys) {
    const PPNavKeys& k = GetParam();
    BeepCounter beeps;
    type(field(k.field), QString::fromLatin1(k.typed));
    EXPECT_EQ(field(k.field)->text().toStdString(), k.kept);
    EXPECT_EQ(beeps.count(), k.beeps);
}

INSTANTIATE_TEST_SUITE_P(Filters, PPNavKeysTest,
                         ::testing::Values(PPNavKeys{"P1", "-2a9./9", "29./9", 2},
                                           PPNavKeys{"P2", "3 0.1e", "30.1", 2},
                                           PPNavKeys{"Lat", "-45.5", "45.5", 1},
                                           PPNavKeys{"TAS", "1.5/0-", "150", 3},
                                           PPNavKeys{"Dist", "2.5/0", "250", 2},
                                           // at most 6, 6, 6, 4 and 5 characters
                                           PPNavKeys{"P1", "1234567", "123456", 0},
                                           PPNavKeys{"Lat", "12.45678", "12.456", 0},
                                           PPNavKeys{"TAS", "12345", "1234", 0},
                                           PPNavKeys{"Dist", "123456", "12345", 0}));

TEST_F(PPNavWindowTest, HelpShowsTwoParagraphs) {
    const auto seen = test::captureMessageBox(
        [this] { child<QAction>(window, QStringLiteral("mnuHelp"))->trigger(); });
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, QStringLiteral("Aerolume Help"));
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_FALSE(seen.hasIcon);
    const QStringList paragraphs = seen.text.split(QStringLiteral("\n\r\n\r"));
    ASSERT_EQ(paragraphs.size(), 2);
    EXPECT_EQ(paragraphs[0],
              QStringLiteral(
                  "Pressure pattern navigation computes the net amount of drift one encounters "
                  "while flying. It is a useful tool (for longer trips) for calculating the 'MTR' "
                  "or minimum time route.  The 'Drift' solution is the distance off course (left "
                  "or right) you would be after flying to your destination without wind "
                  "correction. The 'WCA' can be applied to your course throughout the trip to "
                  "minimize time en route. An exhaustive explanation of it's principles will not "
                  "be given in this help file; books such as 'The Proficient Pilot' (By Captain "
                  "Penhallow) discuss the principles in detail."));
    EXPECT_EQ(paragraphs[1],
              QStringLiteral(
                  "Enter the barometric pressure, in inches of Mercury, at the cruising altitude "
                  "above your departure point and for the destination pressure aloft. Valid "
                  "values range from 1 to 35 inches HG. Enter your cruising KTAS, valid values "
                  "range from 10 to 1000 knots. Enter the average latitude along your route, "
                  "valid values are from 10 to 80 degrees north latitude (solutions for the "
                  "southern hemisphere will be reversed due to the coriolis effect)."));
}

TEST_F(PPNavWindowTest, StartsEmptyWithCaptionsShownAndTheErrorHidden) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Pressure Pattern Navigation"));
    const std::pair<const char*, int> lengths[] = {
        {"P1", 6}, {"P2", 6}, {"Lat", 6}, {"TAS", 4}, {"Dist", 5}};
    for (const auto& [name, length] : lengths) {
        EXPECT_TRUE(field(name)->text().isEmpty()) << name;
        EXPECT_EQ(field(name)->maxLength(), length) << name;
        EXPECT_TRUE(field(name)->font().bold()) << name;
    }
    const std::pair<const char*, const char*> captions[] = {{"Label1", "Departure Pressure:"},
                                                            {"Label2", "Destination Pressure:"},
                                                            {"Label4", "Average Latitude:"},
                                                            {"Label3", "TAS (Knots):"},
                                                            {"Label6", "Distance (NM):"},
                                                            {"Label5", "Drift:"},
                                                            {"Label7", "WCA:"}};
    for (const auto& [name, text] : captions) {
        EXPECT_EQ(label(name)->text().toStdString(), text);
    }
    EXPECT_EQ(compute()->text(), QStringLiteral("Compute!"));
    EXPECT_EQ(child<QPushButton>(window, QStringLiteral("Command1"))->text(),
              QStringLiteral("Close"));
    EXPECT_TRUE(resultsShown());
    for (const char* name : {"Drift", "WindCA", "lblError"}) {
        EXPECT_TRUE(label(name)->text().isEmpty()) << name;
        EXPECT_TRUE(label(name)->font().bold()) << name;
        EXPECT_EQ(label(name)->font().pointSizeF(), 12) << name;
        EXPECT_EQ(label(name)->palette().color(QPalette::WindowText), QColor(128, 0, 0)) << name;
    }
}

TEST_F(PPNavWindowTest, TabGoesThroughTheFieldsThenTheButtons) {
    const char* order[] = {"P1", "P2", "Lat", "TAS", "Dist", "Command2", "Command1"};
    field("P1")->setFocus();
    for (int i = 0; i + 1 < 7; ++i) {
        QWidget* from = QApplication::focusWidget();
        ASSERT_NE(from, nullptr);
        ASSERT_EQ(from->objectName().toStdString(), order[i]);
        QTest::keyClick(from, Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), order[6]);
}

TEST_F(PPNavWindowTest, TheLaunchersMenuEntryOpensTheWindowAgainEmpty) {
    type(field("P1"), QStringLiteral("29.92"));
    child<QAction>(window, QStringLiteral("mnuClose"))->trigger();
    test::TestProgram::settle();
    EXPECT_FALSE(program->registry().isLoaded(QStringLiteral("PPNav")));
    EXPECT_TRUE(program->main()->isVisible());
    child<QAction>(program->main(), QStringLiteral("menuPPNav"))->trigger();
    window = program->registry().window(QStringLiteral("PPNav"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(field("P1")->text().isEmpty());
}

}  // namespace
}  // namespace aerolume
