// SPDX-License-Identifier: GPL-3.0-or-later
// The loading of a flight as a pilot reaches it: the launcher opens the navigation log,
// Use Aircraft gives the plan its aircraft, and Loading for This Flight opens the loading
// window in the log's place; closing it gives the log back as it was.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include "SampleAircraft.h"
#include "aircraft/AircraftStore.h"
#include "aircraft/LoadingWindow.h"
#include "planning/NavLogWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

using aircraft::AircraftStore;

// Two legs of 60 NM along the equator; 40 US gal at start, 1 of them taxi.
const char* const kPlan = R"({
  "format": "aerolume-plan", "version": 1, "name": "Equator run",
  "defaults": {"altitudeFt": 4500, "trueAirspeedKt": 120, "windDirectionDeg": 0,
               "windSpeedKt": 0, "variationDeg": 0, "fuelUnit": "USgal",
               "fuelFlowPerHour": 8, "fuelAtStart": 40, "taxiFuel": 1, "reserveMinutes": 45},
  "checkpoints": [{"name": "A", "latitudeDeg": 0, "longitudeDeg": 0},
                  {"name": "B", "latitudeDeg": 0, "longitudeDeg": 1},
                  {"name": "C", "latitudeDeg": 0, "longitudeDeg": 2}]})";

// The circular's aircraft with two tanks of 20 US gal, a climb and a descent.
aircraft::Aircraft twin() {
    aircraft::Aircraft a = aircraft::test::circularAircraft();
    a.name = "Twin tanks";
    a.tanks = {{"Left", 22, 20, aircraft::FuelType::AvGas, 0},
               {"Right", 22, 20, aircraft::FuelType::AvGas, 0}};
    a.climb = aircraft::ClimbPerformance{700, 75, 11};
    a.descent = aircraft::ClimbPerformance{500, 110, 7};
    return a;
}

class LoadingForFlightTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(AircraftStore::defaultFolder()).removeRecursively();
        QString error;
        ASSERT_TRUE(AircraftStore().save(twin(), {}, &error)) << error.toStdString();
        program =
            std::make_unique<TestProgram>(std::vector<std::pair<QString, WindowRegistry::Factory>>{
                {QStringLiteral("NavLog"),
                 [](WindowRegistry& r) { return new planning::NavLogWindow(r); }},
                {QStringLiteral("Loading"),
                 [](WindowRegistry& r) { return new aircraft::LoadingWindow(r); }}});
        child<QAction>(program->main(), QStringLiteral("menuNavLog"))->trigger();
        log = qobject_cast<planning::NavLogWindow*>(
            program->registry().window(QStringLiteral("NavLog")));
        ASSERT_NE(log, nullptr);
        QFile file(dir.filePath(QStringLiteral("run.aerolume-plan")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kPlan);
        file.close();
        ASSERT_TRUE(log->openFile(file.fileName()));
        showAndActivate(log);
    }
    void TearDown() override {
        if (log != nullptr) {
            log->undoStack()->setClean();
        }
        program.reset();
        QDir(AircraftStore::defaultFolder()).removeRecursively();
    }
    void useTwin() {
        auto* menu = child<QMenu>(log, QStringLiteral("menuAircraft"));
        Q_EMIT menu->aboutToShow();
        child<QAction>(menu, QStringLiteral("mnuAircraft_Twin-tanks"))->trigger();
    }
    // Loading for This Flight from the log's Edit menu: the loading window, or none.
    QWidget* openLoading() {
        child<QAction>(log, QStringLiteral("mnuLoadingForFlight"))->trigger();
        QWidget* loading = program->registry().window(QStringLiteral("Loading"));
        if (loading != nullptr) {
            showAndActivate(loading);
        }
        return loading;
    }
    static QString text(const QWidget* window, const char* name) {
        return child<QLineEdit>(window, QString::fromLatin1(name))->text();
    }
    QString logMessage() const { return child<QLabel>(log, QStringLiteral("ErrorLbl"))->text(); }

    QTemporaryDir dir;
    std::unique_ptr<TestProgram> program;
    planning::NavLogWindow* log = nullptr;
};

TEST_F(LoadingForFlightTest, UseAircraftGivesThePlanItsAircraftClimbAndDescentInOneUndoableStep) {
    const planning::Plan before = log->model()->plan();
    useTwin();
    const planning::Plan& plan = log->model()->plan();
    EXPECT_EQ(plan.aircraft, "Twin tanks");
    EXPECT_EQ(plan.registration, "N43131");
    EXPECT_EQ(plan.climb, (planning::ClimbFigures{700, 75, 11}));
    EXPECT_EQ(plan.descent, (planning::ClimbFigures{500, 110, 7}));
    EXPECT_EQ(plan.defaults.trueAirspeed, 110);
    child<QAction>(log, QStringLiteral("mnuUndo"))->trigger();
    EXPECT_EQ(log->model()->plan(), before);
    EXPECT_FALSE(log->isWindowModified());
}

TEST_F(LoadingForFlightTest, WithoutAnAircraftTheLogSaysSoAndStays) {
    EXPECT_EQ(openLoading(), nullptr);
    EXPECT_TRUE(log->isVisible());
    EXPECT_EQ(logMessage(), QStringLiteral("This plan names no aircraft: choose one under Edit, "
                                           "Use Aircraft first."));
    useTwin();
    ASSERT_TRUE(QFile::remove(AircraftStore().entries().constFirst().path));
    EXPECT_EQ(openLoading(), nullptr);
    EXPECT_EQ(logMessage(), QStringLiteral("The plan's aircraft, Twin tanks (N43131), is not in "
                                           "the aircraft folder."));
}

TEST_F(LoadingForFlightTest, TheLoadingOpensForThePlanAndGivesTheLogBackAsItWas) {
    useTwin();
    const planning::Plan plan = log->model()->plan();
    const int undoIndex = log->undoStack()->index();
    const double trip = log->property("tripFuel").toDouble();
    ASSERT_GT(trip, 0);
    QWidget* loading = openLoading();
    ASSERT_NE(loading, nullptr) << logMessage().toStdString();
    EXPECT_FALSE(log->isVisible());
    EXPECT_FALSE(program->main()->isVisible());
    EXPECT_EQ(child<QComboBox>(loading, QStringLiteral("cboAircraft"))->currentText(),
              QStringLiteral("Twin tanks (N43131)"));
    // 39 US gal after taxi, shared by the equal tanks; the trip burned half from each.
    const QString half = QString::number(trip / 2, 'f', 1);
    EXPECT_EQ(text(loading, "txtFuel1"), QStringLiteral("19.5"));
    EXPECT_EQ(text(loading, "txtFuel2"), QStringLiteral("19.5"));
    EXPECT_EQ(text(loading, "txtBurn1"), half);
    EXPECT_EQ(text(loading, "txtBurn2"), half);
    EXPECT_EQ(text(loading, "txtTaxi"), QStringLiteral("1.0"));
    EXPECT_FALSE(child<QLabel>(loading, QStringLiteral("LblTakeoffVerdict"))->text().isEmpty());

    // The pilot fills the left tank only: From Navigation Log burns the trip from it.
    typeFields(loading, {"txtFuel1", "txtFuel2"}, {"20", "0"});
    click(child<QPushButton>(loading, QStringLiteral("cmdFromNavLog")));
    EXPECT_EQ(text(loading, "txtBurn1"), QString::number(trip, 'f', 1));
    EXPECT_EQ(text(loading, "txtBurn2"), QStringLiteral("0.0"));

    click(child<QPushButton>(loading, QStringLiteral("Command1")));
    TestProgram::settle();
    EXPECT_TRUE(log->isVisible());
    EXPECT_FALSE(program->main()->isVisible());
    EXPECT_EQ(log->model()->plan(), plan);
    EXPECT_EQ(log->undoStack()->index(), undoIndex);
}

// The plan's fuel unit chooses how the loading shows the fuel: by volume in the
// aircraft's volume unit, or by weight in its weight unit.
struct UnitCase {
    int unit;  // the log's fuel unit box: US gal, L, lb, kg
    bool byWeight;
    const char* eachTank;  // 39 of the unit after taxi, over the two tanks
};

class FlightUnitTest : public LoadingForFlightTest,
                       public ::testing::WithParamInterface<UnitCase> {};

TEST_P(FlightUnitTest, TheFuelIsShownAsThePlanGivesIt) {
    useTwin();
    auto* unit = child<QComboBox>(log, QStringLiteral("cboFuelUnit"));
    unit->setFocus();
    for (int i = 0; i < GetParam().unit; ++i) {
        QTest::keyClick(unit, Qt::Key_Down);
    }
    ASSERT_EQ(unit->currentIndex(), GetParam().unit);
    QWidget* loading = openLoading();
    ASSERT_NE(loading, nullptr) << logMessage().toStdString();
    EXPECT_EQ(child<QRadioButton>(loading, QStringLiteral("optWeight"))->isChecked(),
              GetParam().byWeight);
    EXPECT_EQ(text(loading, "txtFuel1"), QString::fromLatin1(GetParam().eachTank));
    EXPECT_EQ(text(loading, "txtFuel2"), QString::fromLatin1(GetParam().eachTank));
}

INSTANTIATE_TEST_SUITE_P(Units, FlightUnitTest,
                         ::testing::Values(UnitCase{0, false, "19.5"},   // US gal
                                           UnitCase{1, false, "5.2"},    // 39 L = 10.3 US gal
                                           UnitCase{2, true, "19.5"},    // lb
                                           UnitCase{3, true, "43.0"}));  // 39 kg = 86.0 lb

}  // namespace
}  // namespace aerolume::test
