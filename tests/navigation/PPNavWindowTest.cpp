// SPDX-License-Identifier: GPL-3.0-or-later
#include "navigation/PPNavWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

const char* const kFields[] = {"P1", "P2", "Lat", "TAS", "Dist"};

struct Entries {
    const char* p1;
    const char* p2;
    const char* lat;
    const char* tas;
    const char* dist;

    Names texts() const { return {p1, p2, lat, tas, dist}; }
};

class PPNavWindowTest : public WindowTest<PPNavWindow> {
protected:
    PPNavWindowTest()
        : WindowTest("PPNav", "Command5", {"Label5", "Label7", "Drift", "WindCA"}, "lblError") {}

    // Types the five fields key by key.
    void fill(const Entries& e) { typeFields(window, kFields, e.texts()); }
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
    expectEnterShowsResults("Dist");
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
    expectEnterReports("Dist", r.message, r.cleared);
    EXPECT_TRUE(holdTexts(window, kFields, r.entries.texts(), r.cleared));
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
    EXPECT_TRUE(holdTexts(window, kFields, e.entries.texts()));
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
    expectEnterChain(window, kFields, QStringLiteral("12"));
}

class PPNavKeysTest : public PPNavWindowTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(PPNavKeysTest, EachFieldKeepsOnlyItsKeys) {
    expectKeys(field(GetParam().field), GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Filters, PPNavKeysTest,
    ::testing::Values(KeyCase{"P1", "-2a9./9", "29./9", 2}, KeyCase{"P2", "3 0.1e", "30.1", 2},
                      KeyCase{"Lat", "-45.5", "45.5", 1}, KeyCase{"TAS", "1.5/0-", "150", 3},
                      KeyCase{"Dist", "2.5/0", "250", 2},
                      // at most 6, 6, 6, 4 and 5 characters
                      KeyCase{"P1", "1234567", "123456", 0},
                      KeyCase{"Lat", "12.45678", "12.456", 0}, KeyCase{"TAS", "12345", "1234", 0},
                      KeyCase{"Dist", "123456", "12345", 0}));

TEST_F(PPNavWindowTest, HelpShowsTwoParagraphs) {
    const QStringList paragraphs = helpParagraphs(window);
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
    EXPECT_EQ(button("Command1")->text(), QStringLiteral("Close"));
    EXPECT_TRUE(resultsShown());
    for (const char* name : {"Drift", "WindCA", "lblError"}) {
        EXPECT_TRUE(label(name)->text().isEmpty()) << name;
    }
    EXPECT_TRUE(haveResultLook(window, {"Drift", "WindCA", "lblError"}));
}

TEST_F(PPNavWindowTest, TabGoesThroughTheFieldsThenTheButtons) {
    EXPECT_EQ(tabOrder(field("P1"), 7),
              (QStringList{"P1", "P2", "Lat", "TAS", "Dist", "Command2", "Command1"}));
}

TEST_F(PPNavWindowTest, TheLaunchersMenuEntryOpensTheWindowAgainEmpty) {
    type(field("P1"), QStringLiteral("29.92"));
    closeWindow(window, CloseBy::MenuEntry);
    EXPECT_FALSE(loaded());
    EXPECT_TRUE(program->main()->isVisible());
    ASSERT_TRUE(reopenFromMenu("menuPPNav"));
    EXPECT_TRUE(field("P1")->text().isEmpty());
}

}  // namespace
}  // namespace aerolume::test
