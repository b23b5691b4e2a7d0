// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told about the calculators, through the same accessibility
// interfaces its bridge reads: the name of every field, option button and result, the
// result itself as the label's description once it has been computed, and the error.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "ProgramWindows.h"
#include "planning/NavLogWindow.h"

namespace aerolume::test {
namespace {

QString spoken(QWidget* control, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face != nullptr ? face->text(what) : QStringLiteral("<no accessible interface>");
}

class AccessibleNamesTest : public ::testing::Test {
protected:
    void TearDown() override {
        m_registry.reset();
        settleEvents();
    }

    QWidget* open(const char* name) {
        QWidget* window = m_registry->show(QString::fromLatin1(name));
        EXPECT_NE(window, nullptr) << name;
        return window;
    }

    std::unique_ptr<WindowRegistry> m_registry = programWindows();
};

const char* const kCalculators[] = {"Wind",    "Dalt",  "Speed",  "PPNav",    "LatLong", "WB",
                                    "Convert", "TSD",   "Fuel",   "FindWind", "RwyWind", "Climb",
                                    "Atmos",   "Cloud", "MagVar", "NavLog",   "Loading", "Airport"};

TEST_F(AccessibleNamesTest, EveryFieldAndOptionButtonHasAName) {
    for (const char* name : kCalculators) {
        QWidget* window = open(name);
        ASSERT_NE(window, nullptr);
        QList<QWidget*> controls;
        for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
            controls.append(field);
        }
        for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
            controls.append(option);
        }
        ASSERT_FALSE(controls.isEmpty()) << name;
        for (QWidget* control : controls) {
            EXPECT_FALSE(spoken(control, QAccessible::Name).trimmed().isEmpty())
                << name << "." << control->objectName().toStdString() << " has no name";
        }
        window->close();
        settleEvents();
    }
}

TEST_F(AccessibleNamesTest, ControlsAreNamedByTheirCaptions) {
    const struct {
        const char* window;
        const char* control;
        const char* name;
    } expected[] = {
        {"Wind", "txtWind", "Wind Direction:"},
        {"Wind", "txtWindVel", "Wind Speed:"},
        {"Wind", "txtTC", "True Course:"},
        {"Wind", "txtTAS", "True Airspeed:"},
        {"Wind", "LblGS", "Ground Speed:"},
        {"Wind", "LblTHeading", "True Heading:"},
        {"Wind", "LblWCA", "WCA:"},
        {"Dalt", "txtMSL", "MSL Altitude:"},
        {"Dalt", "txtAlt", "Altimeter Setting:"},
        {"Dalt", "CTemp", "Temperature:"},
        {"Dalt", "OptionF", "°F"},
        {"Dalt", "DenAlt", "Density Altitude:"},
        {"Dalt", "PAlt", "Pressure Altitude:"},
        {"Speed", "txtCAS", "Calibrated Airspeed:"},
        {"Speed", "txtOAT", "Outside Air Temp:"},
        {"Speed", "TAS", "True Airspeed:"},
        {"Speed", "Mach", "Mach Number:"},
        {"PPNav", "P1", "Departure Pressure:"},
        {"PPNav", "Lat", "Average Latitude:"},
        {"PPNav", "Dist", "Distance (NM):"},
        {"PPNav", "Drift", "Drift:"},
        {"PPNav", "WindCA", "WCA:"},
        {"LatLong", "txtDepLatDeg", "Deg"},
        {"LatLong", "txtDestLongSec", "Sec"},
        {"LatLong", "optDestS", "S"},
        {"LatLong", "Dist", "Great Circle Distance:"},
        {"LatLong", "TC", "Great Circle True Course:"},
        {"LatLong", "RTC", "Rhumb line True Course:"},
        {"LatLong", "RDist", "Rhumb line Distance:"},
        {"WB", "txtW1", "Empty Weight:"},
        {"WB", "txtD1", "Empty CG:"},
        {"WB", "txtW2", "Fuel:"},
        {"WB", "txtD2", "Fuel: Inches aft of Datum"},
        {"WB", "GW", "Gross Weight:"},
        {"WB", "CG", "CG Point:"},
        {"Convert", "Dist", "Distance"},
        {"Convert", "OptKM", "KM"},
        {"Convert", "KM", "KM"},
        {"Convert", "Angle", "Angle:"},
        {"Convert", "Label18", "Component:"},
        {"Convert", "Vol", "Volume"},
        {"Convert", "optImpGal", "Imp Gal"},
        {"Convert", "ImpGal", "Imp"},
        {"Convert", "Lit", "Lit"},
        {"Convert", "txtFPM", "Feet/Min:"},
        {"MagVar", "txtLatDeg", "Latitude degrees"},
        {"MagVar", "txtLongSec", "Longitude seconds"},
        {"MagVar", "optS", "S"},
        {"MagVar", "txtAlt", "Altitude (ft):"},
        {"MagVar", "txtDate", "Date (YYYY-MM-DD):"},
        {"MagVar", "LblVar", "Variation:"},
        {"MagVar", "LblIncl", "Inclination:"},
        {"MagVar", "LblTotal", "Total Intensity:"},
        {"MagVar", "LblHoriz", "Horizontal Intensity:"},
        {"MagVar", "LblChange", "Yearly Change:"},
        {"Climb", "txtFrom", "Starting Altitude (ft):"},
        {"Climb", "txtVS", "Vertical Speed (ft/min):"},
        {"Climb", "txtGradient", "Gradient (ft/NM):"},
        {"Climb", "LblVS", "Vertical Speed:"},
        {"Climb", "LblTime", "Time:"},
        {"Climb", "LblDist", "Distance:"},
        {"Atmos", "txtSetting", "Altimeter Setting:"},
        {"Atmos", "txtOAT", "Outside Air Temperature:"},
        {"Atmos", "optInHg", "inHg"},
        {"Atmos", "optF", "°F"},
        {"Atmos", "LblDA", "Density Altitude:"},
        {"Atmos", "LblPressureInHg", "Static Pressure (inHg):"},
        {"Atmos", "LblSoundSpeed", "Speed of Sound:"},
        {"Cloud", "txtDew", "Dew Point:"},
        {"Cloud", "txtElev", "Field Elevation (ft):"},
        {"Cloud", "optC", "°C"},
        {"Cloud", "LblBaseMsl", "Cloud Base above Sea Level:"},
        {"Cloud", "LblFreezing", "Freezing Level above Sea Level:"},
        {"TSD", "txtDist", "Distance (NM):"},
        {"TSD", "txtGS", "Ground Speed (kt):"},
        {"TSD", "txtTime", "Time (h:mm:ss):"},
        {"TSD", "LblDist", "Distance:"},
        {"TSD", "LblGS", "Ground Speed:"},
        {"TSD", "LblTime", "Time:"},
        {"Fuel", "txtFlow", "Fuel Flow (per hour):"},
        {"Fuel", "txtTime", "Time (h:mm:ss):"},
        {"Fuel", "txtAmount", "Fuel Amount:"},
        {"Fuel", "optGal", "US gallons"},
        {"Fuel", "optLitre", "Litres"},
        {"Fuel", "optKg", "Kilograms"},
        {"Fuel", "optJetA", "Jet A"},
        {"Fuel", "LblFlow", "Fuel Flow:"},
        {"Fuel", "LblTime", "Time:"},
        {"Fuel", "LblAmount", "Fuel Amount:"},
        {"Fuel", "LblGal", "US Gallons:"},
        {"Fuel", "LblLitre", "Litres:"},
        {"Fuel", "LblLb", "Pounds:"},
        {"Fuel", "LblKg", "Kilograms:"},
        {"FindWind", "txtTH", "True Heading (°):"},
        {"FindWind", "txtTAS", "True Airspeed (kt):"},
        {"FindWind", "txtTC", "True Course (°):"},
        {"FindWind", "txtGS", "Ground Speed (kt):"},
        {"FindWind", "LblWindDir", "Wind From:"},
        {"FindWind", "LblWindSpeed", "Wind Speed:"},
        {"FindWind", "LblHeadwind", "Head/Tailwind:"},
        {"FindWind", "LblCrosswind", "Crosswind:"},
        {"RwyWind", "txtRwy", "Runway Number:"},
        {"RwyWind", "txtWindDir", "Wind From (°):"},
        {"RwyWind", "txtWindSpeed", "Wind Speed (kt):"},
        {"RwyWind", "txtGust", "Gust (kt, optional):"},
        {"RwyWind", "LblHeadwind", "Head/Tailwind:"},
        {"RwyWind", "LblCrosswind", "Crosswind:"},
        {"RwyWind", "LblGustHeadwind", "Gust Head/Tailwind:"},
        {"RwyWind", "LblGustCrosswind", "Gust Crosswind:"},
        {"NavLog", "txtTAS", "TAS (kt):"},
        {"NavLog", "txtVariation", "Variation:"},
        {"NavLog", "txtReserve", "Reserve (min):"},
        {"NavLog", "tblLog", "Checkpoints"},
        {"NavLog", "lblTripFuel", "Trip fuel:"},
        {"Loading", "cboAircraft", "Aircraft:"},
        {"Loading", "txtTaxi", "Taxi fuel"},
        {"Loading", "optWeight", "By weight"},
        {"Loading", "LblTakeoffWeight", "Take-off weight"},
        {"Loading", "LblLandingCG", "Landing CG"},
        {"Loading", "LblTakeoffMargin", "Take-off margin"},
        {"Loading", "LblTakeoffVerdict", "Take-off verdict"},
        {"Loading", "LblLandingVerdict", "Landing verdict"},
        {"Loading", "graphEnvelope", "Envelope graph"},
        {"Airport", "txtSearch", "Identifier or name:"},
        {"Airport", "lstMatches", "Matches"},
        {"Airport", "LblIdent", "Identifier:"},
        {"Airport", "LblElevation", "Elevation:"},
        {"Airport", "tblRunways", "Runways"},
        {"Airport", "tblFrequencies", "Frequencies"},
        {"Airport", "tblNavaids", "Navaids within 40 NM"},
        {"Airport", "txtWindDir", "Wind direction (° magnetic):"},
        {"Airport", "txtXwindLimit", "Crosswind limit (kt):"},
        {"Airport", "tblRunwayWinds", "Wind on every runway end"},
    };
    for (const auto& e : expected) {
        QWidget* window = open(e.window);
        ASSERT_NE(window, nullptr);
        auto* control = window->findChild<QWidget*>(QString::fromLatin1(e.control));
        ASSERT_NE(control, nullptr) << e.window << "." << e.control;
        EXPECT_EQ(spoken(control, QAccessible::Name).toStdString(), e.name)
            << e.window << "." << e.control;
        window->close();
        settleEvents();
    }
}

void typeInto(QWidget* window, const char* field, const char* text) {
    auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(field));
    ASSERT_NE(edit, nullptr) << field;
    edit->clear();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

void click(QWidget* window, const char* button) {
    auto* control = window->findChild<QAbstractButton*>(QString::fromLatin1(button));
    ASSERT_NE(control, nullptr) << button;
    control->click();
}

TEST_F(AccessibleNamesTest, ResultsAreSpokenAsTheyChange) {
    QWidget* wind = open("Wind");
    ASSERT_NE(wind, nullptr);
    auto* groundSpeed = wind->findChild<QLabel*>(QStringLiteral("LblGS"));
    ASSERT_NE(groundSpeed, nullptr);
    EXPECT_EQ(spoken(groundSpeed, QAccessible::Description), QString());

    typeInto(wind, "txtWind", "270");
    typeInto(wind, "txtWindVel", "20");
    typeInto(wind, "txtTC", "90");
    typeInto(wind, "txtTAS", "100");
    click(wind, "Command2");
    settleEvents();
    EXPECT_EQ(groundSpeed->text(), QStringLiteral("120."));
    EXPECT_EQ(spoken(groundSpeed, QAccessible::Description), QStringLiteral("120."));
    EXPECT_EQ(spoken(groundSpeed, QAccessible::Name), QStringLiteral("Ground Speed:"));

    // A new result replaces the old one in what is spoken, Enter computing this time.
    typeInto(wind, "txtTAS", "150");
    QTest::keyClick(wind->findChild<QLineEdit*>(QStringLiteral("txtTAS")), Qt::Key_Return);
    settleEvents();
    EXPECT_EQ(spoken(groundSpeed, QAccessible::Description), QStringLiteral("170."));
}

TEST_F(AccessibleNamesTest, TheMagneticVariationAndItsWarningAreSpoken) {
    QWidget* magVar = open("MagVar");
    ASSERT_NE(magVar, nullptr);
    typeInto(magVar, "txtLatDeg", "80");
    typeInto(magVar, "txtLongDeg", "96");
    typeInto(magVar, "txtDate", "2026-01-01");
    click(magVar, "Command2");
    settleEvents();
    auto* variation = magVar->findChild<QLabel*>(QStringLiteral("LblVar"));
    auto* warning = magVar->findChild<QLabel*>(QStringLiteral("LblWarning"));
    ASSERT_NE(variation, nullptr);
    ASSERT_NE(warning, nullptr);
    EXPECT_TRUE(variation->text().endsWith(QStringLiteral("° W")));
    EXPECT_EQ(spoken(variation, QAccessible::Description), variation->text());
    EXPECT_FALSE(warning->text().isEmpty());
    EXPECT_EQ(spoken(warning, QAccessible::Name), warning->text());
}

TEST_F(AccessibleNamesTest, ConversionResultsAreSpokenToo) {
    QWidget* convert = open("Convert");
    ASSERT_NE(convert, nullptr);
    typeInto(convert, "Dist", "100");
    click(convert, "OptNM");
    settleEvents();
    auto* kilometres = convert->findChild<QLabel*>(QStringLiteral("KM"));
    ASSERT_NE(kilometres, nullptr);
    EXPECT_FALSE(kilometres->text().isEmpty());
    EXPECT_EQ(spoken(kilometres, QAccessible::Description), kilometres->text());
    EXPECT_EQ(spoken(kilometres, QAccessible::Name), QStringLiteral("KM"));
}

TEST_F(AccessibleNamesTest, TheErrorIsSpokenByItsMessageAndTheResultsAreHidden) {
    QWidget* dalt = open("Dalt");
    ASSERT_NE(dalt, nullptr);
    typeInto(dalt, "txtMSL", "1000");
    typeInto(dalt, "txtAlt", "40");
    typeInto(dalt, "CTemp", "15");
    click(dalt, "Command2");
    settleEvents();
    auto* error = dalt->findChild<QLabel*>(QStringLiteral("ErrorLbl"));
    auto* density = dalt->findChild<QLabel*>(QStringLiteral("DenAlt"));
    ASSERT_NE(error, nullptr);
    ASSERT_NE(density, nullptr);
    QAccessibleInterface* errorFace = QAccessible::queryAccessibleInterface(error);
    ASSERT_NE(errorFace, nullptr);
    EXPECT_EQ(errorFace->text(QAccessible::Name), QStringLiteral("Invalid Altimeter!"));
    EXPECT_FALSE(errorFace->state().invisible);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(density)->state().invisible);
}

// The name of a table cell's column header. Qt hands the header cells over to the
// caller, who must give them back through the accessibility cache.
QString columnHeaderName(QAccessibleInterface* cell) {
    QString name;
    for (QAccessibleInterface* header : cell->tableCellInterface()->columnHeaderCells()) {
        name = header->text(QAccessible::Name);
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));
    }
    return name;
}

TEST_F(AccessibleNamesTest, TheNavigationLogSpeaksItsCellsAndHeaders) {
    auto* log = qobject_cast<planning::NavLogWindow*>(open("NavLog"));
    ASSERT_NE(log, nullptr);
    planning::Plan plan;
    plan.checkpoints = {{"Home", 0, 0, {}}, {"East", 0, 1, {}}, {"Far", 0, 2, {}}};
    plan.checkpoints[2].leg.windDirection = 90;
    plan.checkpoints[2].leg.windSpeed = 150;
    log->model()->resetPlan(plan);
    settleEvents();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(
        log->findChild<QTableView*>(QStringLiteral("tblLog")));
    ASSERT_NE(face, nullptr);
    QAccessibleTableInterface* table = face->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 4);  // and the row ready to type the next checkpoint
    EXPECT_EQ(table->columnCount(), planning::NavLogModel::ColumnCount);
    const struct {
        int row;
        int column;
        const char* text;
    } cells[] = {{1, planning::NavLogModel::Name, "East"},
                 {1, planning::NavLogModel::TrueCourse, "090°"},
                 {1, planning::NavLogModel::Distance, "60.0 NM"},
                 {2, planning::NavLogModel::Time, "unknown"},
                 {2, planning::NavLogModel::FuelRemaining, "unknown"},
                 {3, planning::NavLogModel::Name, "Type the next checkpoint"}};
    for (const auto& c : cells) {
        QAccessibleInterface* cell = table->cellAt(c.row, c.column);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text(QAccessible::Name).toStdString(), c.text) << c.row << "," << c.column;
        ASSERT_NE(cell->tableCellInterface(), nullptr);
        EXPECT_FALSE(columnHeaderName(cell).isEmpty());
    }
    EXPECT_EQ(columnHeaderName(table->cellAt(0, planning::NavLogModel::Wca)),
              QStringLiteral("Wind correction angle"));
    log->undoStack()->setClean();
    log->close();
}

}  // namespace
}  // namespace aerolume::test
