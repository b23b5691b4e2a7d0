// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log's flight in time and height, typed as a pilot types it: the
// departure time, the climb and descent figures, the fuel plan and the alternate.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "NavLogFixture.h"
#include "airports/AirportData.h"
#include "planning/NavLogWindow.h"
#include "planning/PlanFile.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

using planning::NavLogModel;
using planning::NavLogWindow;

// Two legs of 60 NM along the equator at 120 kt in still air: 30 minutes each, 4 US gal
// each at 8 per hour; 4500 ft, sea level at both ends (no elevations).
const char* const kEquator = R"({
  "format": "aerolume-plan", "version": 3, "name": "Equator run",
  "defaults": {"altitudeFt": 4500, "trueAirspeedKt": 120, "windDirectionDeg": 0,
               "windSpeedKt": 0, "variationDeg": 0, "fuelUnit": "USgal",
               "fuelFlowPerHour": 8, "fuelAtStart": 40, "taxiFuel": 1, "reserveMinutes": 45},
  "fuelPlan": {"contingencyPercent": 5, "extraFuel": 0},
  "checkpoints": [{"name": "A", "latitudeDeg": 0, "longitudeDeg": 0},
                  {"name": "B", "latitudeDeg": 0, "longitudeDeg": 1},
                  {"name": "C", "latitudeDeg": 0, "longitudeDeg": 2}]})";

// Oxford to Southampton, both from the airport data.
const char* const kOxfordSouthampton = R"({
  "format": "aerolume-plan", "version": 3, "name": "South",
  "defaults": {"altitudeFt": 3500, "trueAirspeedKt": 110, "windDirectionDeg": 0,
               "windSpeedKt": 0, "variationDeg": 0, "fuelUnit": "USgal",
               "fuelFlowPerHour": 8, "fuelAtStart": 40, "taxiFuel": 1, "reserveMinutes": 45},
  "fuelPlan": {"contingencyPercent": 5, "extraFuel": 0},
  "checkpoints": [
    {"name": "EGTK London Oxford Airport", "latitudeDeg": 51.836899, "longitudeDeg": -1.32,
     "elevationFt": 270, "origin": {"kind": "airport", "identifier": "EGTK", "country": "GB"}},
    {"name": "EGHI Southampton Airport", "latitudeDeg": 50.950298, "longitudeDeg": -1.3568,
     "elevationFt": 44, "origin": {"kind": "airport", "identifier": "EGHI", "country": "GB"}}]})";

class NavLogFlightTest : public NavLogFixture {
public:
    void open(const char* json) {
        QFile file(dir.filePath(QStringLiteral("plan.aerolume-plan")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(json);
        file.close();
        ASSERT_TRUE(window->openFile(file.fileName()));
    }
    // Types each entry into its field and presses Enter, as a pilot does.
    void enter(const Names& fields, const Names& texts) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            auto* field = child<QLineEdit>(window, QString::fromLatin1(fields[i]));
            field->setFocus();
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            type(field, QString::fromUtf8(texts[i]));
            pressEnter(field);
        }
    }
    QString cell(int row, int column) const { return model->index(row, column).data().toString(); }
    QString label(const char* name) const {
        return child<QLabel>(window, QString::fromLatin1(name))->text();
    }
};

// What the window shows once the entries are typed: a table cell (row, column) or a label
// holding a text.
struct FlightCase {
    const char* what;
    Names fields;
    Names texts;
    int row;  // -1: `where` names a label
    int column;
    const char* where;
    const char* shows;  // the cell's whole text, or a part of the label's
};

void PrintTo(const FlightCase& c, std::ostream* os) {
    *os << c.what;
}

class FlightEntryTest : public NavLogFlightTest,
                        public ::testing::WithParamInterface<FlightCase> {};

TEST_P(FlightEntryTest, ShowsWhatTheFlightIs) {
    const FlightCase& c = GetParam();
    open(kEquator);
    enter(c.fields, c.texts);
    if (c.row >= 0) {
        EXPECT_EQ(cell(c.row, c.column), QString::fromUtf8(c.shows));
    } else {
        EXPECT_TRUE(label(c.where).contains(QString::fromUtf8(c.shows)))
            << label(c.where).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FlightEntryTest,
    ::testing::Values(
        FlightCase{"no departure time: no ETA", {}, {}, 2, NavLogModel::Eta, "", ""},
        FlightCase{"a departure time gives the ETAs",
                   {"txtDepartureTime"},
                   {"09:30"},
                   2,
                   NavLogModel::Eta,
                   "",
                   "10:30"},
        FlightCase{
            "hhmm is read too", {"txtDepartureTime"}, {"0930"}, 1, NavLogModel::Eta, "", "10:00"},
        FlightCase{"the departure's own row",
                   {"txtDepartureTime"},
                   {"09:30"},
                   0,
                   NavLogModel::Eta,
                   "",
                   "09:30"},
        FlightCase{"an ETA past midnight says so",
                   {"txtDepartureTime"},
                   {"23:45"},
                   2,
                   NavLogModel::Eta,
                   "",
                   "00:45 +1"},
        FlightCase{"a time that does not exist is refused",
                   {"txtDepartureTime"},
                   {"24:10"},
                   -1,
                   0,
                   "ErrorLbl",
                   "Enter the departure time in UTC as hours and minutes"},
        FlightCase{"without figures the window says the log is level",
                   {},
                   {},
                   -1,
                   0,
                   "lblProfile",
                   "level at cruise (no climb or descent figures)"},
        // 4500 ft at 500 ft/min: 9 min at 90 kt, 13.5 NM.
        FlightCase{"climb figures give a top of climb in its row",
                   {"txtClimbRate", "txtClimbTAS", "txtClimbFuelFlow"},
                   {"500", "90", "12"},
                   1,
                   NavLogModel::Notes,
                   "",
                   "Top of climb 13.5 NM along the leg, 4500 ft"},
        FlightCase{"and in the profile's line",
                   {"txtClimbRate", "txtClimbTAS", "txtClimbFuelFlow"},
                   {"500", "90", "12"},
                   -1,
                   0,
                   "lblProfile",
                   "top of climb 13.5 NM from the departure at 4500 ft"},
        // From 4500 ft to the 1000 ft pattern at 100 ft/min: 35 min at 120 kt, 70 NM
        // before the destination, 50 NM along the first leg.
        FlightCase{"descent figures give a top of descent",
                   {"txtDescentRate", "txtDescentTAS", "txtDescentFuelFlow"},
                   {"100", "120", "6"},
                   1,
                   NavLogModel::Notes,
                   "",
                   "Top of descent 50.0 NM along the leg, 4500 ft"},
        FlightCase{"a descent that cannot fit is warned",
                   {"txtDescentRate", "txtDescentTAS", "txtDescentFuelFlow"},
                   {"50", "120", "6"},
                   -1,
                   0,
                   "lblWarnings",
                   "the descent does not fit the route"},
        FlightCase{"a climb rate of 0 is refused",
                   {"txtClimbRate"},
                   {"0"},
                   -1,
                   0,
                   "ErrorLbl",
                   "Enter a climb rate from 1 to 10000 ft/min"},
        // Trip 8.0, contingency 10 % 0.8, reserve 6.0, taxi 1, extra 2: 17.8 of 40.
        FlightCase{"the fuel plan adds up its lines",
                   {"txtContingency", "txtExtraFuel"},
                   {"10", "2"},
                   -1,
                   0,
                   "lblFuelPlanRequired",
                   "17.8 US gal"},
        FlightCase{"its margin",
                   {"txtContingency", "txtExtraFuel"},
                   {"10", "2"},
                   -1,
                   0,
                   "lblFuelPlanMargin",
                   "22.2 US gal"},
        FlightCase{"a shortfall is warned",
                   {"txtFuelStart"},
                   {"12"},
                   -1,
                   0,
                   "lblFuelPlanNote",
                   "Short of fuel: the fuel on board is 3.4 US gal less"},
        FlightCase{"an empty contingency is no fuel plan",
                   {"txtContingency"},
                   {""},
                   -1,
                   0,
                   "lblFuelPlanNote",
                   "No fuel plan"}));

TEST_F(NavLogFlightTest, AnAlternateByIdentifierIsTheFuelPlansAlternateLine) {
    open(kOxfordSouthampton);
    EXPECT_EQ(label("lblFuelPlanAlternate"), QStringLiteral("0.0 US gal"));
    // Southampton to Brize Norton, 48.7 NM at 110 kt and 8 per hour: 3.5 US gal.
    enter({"txtAlternate"}, {"EGVN"});
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("txtAlternate"))->text(),
              QStringLiteral("EGVN RAF Brize Norton"));
    EXPECT_EQ(label("lblFuelPlanAlternate"), QStringLiteral("3.5 US gal"));
    // At its own altitude, kept in the file; undone, it is gone.
    enter({"txtAlternateAltitude"}, {"2500"});
    ASSERT_TRUE(model->plan().alternate);
    EXPECT_EQ(model->plan().alternate->leg.altitude, 2500);
    EXPECT_EQ(model->plan().alternate->origin.identifier, "EGVN");
    const QString saved = dir.filePath(QStringLiteral("saved.aerolume-plan"));
    ASSERT_TRUE(window->saveFile(saved));
    const auto read = planning::readPlanFile(saved);
    ASSERT_TRUE(std::holds_alternative<planning::Plan>(read));
    EXPECT_EQ(std::get<planning::Plan>(read).alternate, model->plan().alternate);
    child<QAction>(window, QStringLiteral("mnuUndo"))->trigger();
    ASSERT_TRUE(model->plan().alternate);
    EXPECT_FALSE(model->plan().alternate->leg.altitude);
    child<QAction>(window, QStringLiteral("mnuUndo"))->trigger();
    EXPECT_FALSE(model->plan().alternate);
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("txtAlternate"))->text(), QString());
    // A place the data does not have is refused and named.
    enter({"txtAlternate"}, {"ZZZZ"});
    EXPECT_TRUE(label("ErrorLbl").contains(QStringLiteral("no place of that identifier")))
        << label("ErrorLbl").toStdString();
    EXPECT_FALSE(model->plan().alternate);
}

TEST_F(NavLogFlightTest, ThePrintedHeaderNamesTheAircraftAndTheFieldsFrequencies) {
    open(kOxfordSouthampton);
    planning::Plan plan = model->plan();
    plan.aircraft = "C172S Skyhawk";
    plan.registration = "G-ABCD";
    model->editValues(plan);
    const planning::PrintHeader header = window->printHeader();
    EXPECT_EQ(header.aircraft, QStringLiteral("C172S Skyhawk"));
    EXPECT_EQ(header.registration, QStringLiteral("G-ABCD"));
    EXPECT_EQ(header.departureFrequencies.size(), 7);
    EXPECT_EQ(header.destinationFrequencies.size(), 5);
    EXPECT_TRUE(header.departureFrequencies.contains(QStringLiteral("APP 125.325")))
        << header.departureFrequencies.join(u',').toStdString();
}

}  // namespace
}  // namespace aerolume::test
