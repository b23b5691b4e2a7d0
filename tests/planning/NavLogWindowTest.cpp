// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QBrush>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeySequence>
#include <QMenu>
#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "NavLogFixture.h"
#include "ProgramRegistry.h"
#include "aircraft/AircraftStore.h"
#include "aircraft/SampleAircraft.h"
#include "airports/AirportData.h"
#include "airports/AirportWindow.h"
#include "navigation/MagneticModel.h"
#include "planning/NavLogWindow.h"
#include "planning/PlanFile.h"
#include "planning/PlanPrint.h"
#include "planning/PlanText.h"
#include "planning/PrintHook.h"
#include "planning/PrintLoader.h"
#include "support/WindowTestKit.h"

#include <sys/stat.h>

namespace aerolume::test {
namespace {

using planning::NavLogModel;
using planning::NavLogWindow;

const char* const kSample = R"({
  "format": "aerolume-plan", "version": 1, "name": "Equator run",
  "defaults": {"altitudeFt": 4500, "trueAirspeedKt": 120, "windDirectionDeg": 0,
               "windSpeedKt": 0, "variationDeg": -10, "fuelUnit": "USgal",
               "fuelFlowPerHour": 8, "fuelAtStart": 40, "taxiFuel": 1, "reserveMinutes": 45},
  "checkpoints": [{"name": "A", "latitudeDeg": 0, "longitudeDeg": 0},
                  {"name": "B", "latitudeDeg": 0, "longitudeDeg": 1},
                  {"name": "C", "latitudeDeg": 0, "longitudeDeg": 2}]})";

// What a message box showed, after pressing one of its buttons.
struct Answered {
    bool shown = false;
    QString text;
};
Answered answerBox(QMessageBox::StandardButton press, const std::function<void()>& trigger) {
    Answered seen;
    QTimer reader;
    reader.setInterval(10);
    QObject::connect(&reader, &QTimer::timeout, &reader, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        reader.stop();
        seen.shown = true;
        seen.text = box->text();
        box->button(press)->click();
    });
    reader.start();
    trigger();
    return seen;
}

// The airport data the window finds: the tests' database of real rows, or none.
void useAirportData(const QByteArray& path) {
    qputenv("AEROLUME_AIRPORT_DATABASE", path);
    airports::AirportData::instance().reload();
}

class NavLogTest : public NavLogFixture {
public:
    void TearDown() override {
        NavLogFixture::TearDown();
        // A test may have taken the airport data away.
        useAirportData(AEROLUME_TEST_DATABASE);
    }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString writeFile(const char* name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QString cell(int row, int column) const { return model->index(row, column).data().toString(); }
    QString label(const char* name) const {
        return child<QLabel>(window, QString::fromLatin1(name))->text();
    }
    // Types into the cell as a pilot would: the cell made current, the keys, then Tab.
    void typeCell(int row, int column, const QString& text) {
        table->setFocus();
        table->setCurrentIndex(model->index(row, column));
        for (QChar c : text) {
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    void press(QWidget* to, QKeyCombination key) {
        QTest::keyClick(to, key.key(), key.keyboardModifiers());
    }
    // Types into a checkpoint cell and presses Enter: a place of the data is taken, or
    // its list of places stays open for the choice.
    void typeCheckpoint(int row, const QString& text) {
        table->setFocus();
        table->setCurrentIndex(model->index(row, NavLogModel::Name));
        for (QChar c : text) {
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
        }
        enter();
    }
    // Enter in the focused widget; a cell's editor takes its entry once the key is done.
    void enter() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QApplication::processEvents();
    }
    // The places offered under the cell: identifier, kind and country of each.
    QStringList offers() const {
        QStringList listed;
        auto* list = window->findChild<QTreeWidget*>(QStringLiteral("lstOffers"));
        if (list == nullptr || !list->isVisible()) {
            return listed;
        }
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            listed << item->text(0) + u' ' + item->text(2) + u' ' + item->text(3);
        }
        return listed;
    }
    QString offersCaption() const {
        auto* caption = window->findChild<QLabel*>(QStringLiteral("lblOffers"));
        return caption != nullptr && caption->isVisible() ? caption->text() : QString();
    }
    QStringList names() const {
        QStringList list;
        for (int r = 0; r < model->checkpointCount(); ++r) {
            list << cell(r, NavLogModel::Name);
        }
        return list;
    }
};

TEST_F(NavLogTest, ANewPlanIsReadyToTypeAndTheRowBelowTheLastAddsACheckpoint) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Navigation Log - Untitled[*]"));
    EXPECT_EQ(cell(0, NavLogModel::Name), QStringLiteral("Type the departure"));
    EXPECT_EQ(cell(1, NavLogModel::Name), QStringLiteral("Type the destination"));
    EXPECT_EQ(model->headerData(1, Qt::Vertical, Qt::DisplayRole), QStringLiteral("*"));
    const char* const rows[][3] = {
        {"Home", "0", "0"}, {"East", "0 00 00 N", "1E"}, {"North-east", "0°30'N", "001 00 00 E"}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            typeCell(r, c, QString::fromUtf8(rows[r][c]));
        }
        EXPECT_EQ(model->checkpointCount(), r + 1);
        EXPECT_EQ(cell(r + 1, NavLogModel::Name), r == 0
                                                      ? QStringLiteral("Type the destination")
                                                      : QStringLiteral("Type the next checkpoint"));
    }
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(cell(1, NavLogModel::Latitude), QStringLiteral("0°00.00′N"));
    EXPECT_EQ(cell(1, NavLogModel::Longitude), QStringLiteral("1°00.00′E"));
    // Default plan: 110 kt, no wind, no variation, 8 per hour.
    EXPECT_EQ(cell(1, NavLogModel::TrueCourse), QStringLiteral("090°"));
    EXPECT_EQ(cell(1, NavLogModel::Distance), QStringLiteral("60.0 NM"));
    EXPECT_EQ(cell(2, NavLogModel::TrueCourse), QStringLiteral("360°"));
    EXPECT_EQ(cell(2, NavLogModel::Distance), QStringLiteral("30.0 NM"));
    EXPECT_EQ(cell(2, NavLogModel::TotalDistance), QStringLiteral("90.0 NM"));
    EXPECT_EQ(label("lblTotalDistance"), QStringLiteral("90.0 NM"));
    EXPECT_EQ(label("lblTotalTime"), QStringLiteral("0:49:05"));
    EXPECT_DOUBLE_EQ(window->property("tripFuel").toDouble(), 8.0 * 90 / 110);
    EXPECT_EQ(window->property("fuelUnit").toString(), QStringLiteral("USgal"));
    // Each checkpoint added is one command.
    child<QAction>(window, QStringLiteral("mnuUndo"))->trigger();
    EXPECT_EQ(model->checkpointCount(), 3);
    EXPECT_EQ(cell(2, NavLogModel::Longitude), QStringLiteral("1°00.00′E"));
}

// A checkpoint typed by identifier: taken by Enter when it names one place, chosen from
// the list (the Down arrow, then Enter) when it names several.
struct TypedCase {
    const char* typed;
    int downs;  // -1: taken by Enter alone; otherwise offered, and that far down chosen
    const char* name;
    const char* elevation;
    const char* distance;  // of the leg that ends there
};

TEST_F(NavLogTest, APlanTypedAsIdentifiersOnly) {
    const TypedCase rows[] = {
        {"EGTK", -1, "EGTK London Oxford Airport", "270 ft", ""},
        // Compton first, Cape Town (IATA CPT) after it.
        {"CPT", 0, "CPT Compton VOR-DME", "", "21.0 NM"},
        // Boulogne-sur-Mer before the two of Saint Lucia and Brisbane (IATA BNE).
        {"bne", 0, "BNE Boulogne-sur-Mer VOR", "", "128.9 NM"},
        {"LFAT", -1, "LFAT Le Touquet-Côte d'Opale Airport", "36 ft", "12.6 NM"},
    };
    // Enter takes a checkpoint and moves on to the next row's: the keys alone type the plan.
    table->setFocus();
    table->setCurrentIndex(model->index(0, NavLogModel::Name));
    for (int r = 0; r < 4; ++r) {
        const TypedCase& c = rows[r];
        EXPECT_EQ(table->currentIndex(), model->index(r, NavLogModel::Name));
        for (QChar key : QString::fromUtf8(c.typed)) {
            QTest::keyClicks(QApplication::focusWidget(), QString(key));
        }
        enter();
        if (c.downs >= 0) {
            ASSERT_GE(offers().size(), 2) << c.typed;
            EXPECT_TRUE(offersCaption().contains(QStringLiteral("nearest to the previous")) ||
                        r == 0);
            for (int d = 0; d < c.downs; ++d) {
                press(QApplication::focusWidget(), Qt::Key_Down);
            }
            enter();
        }
        EXPECT_EQ(cell(r, NavLogModel::Name), QString::fromUtf8(c.name)) << c.typed;
        EXPECT_EQ(cell(r, NavLogModel::Elevation), QString::fromUtf8(c.elevation)) << c.typed;
        if (r > 0) {
            EXPECT_EQ(cell(r, NavLogModel::Distance), QString::fromUtf8(c.distance)) << c.typed;
        }
    }
    EXPECT_EQ(model->checkpointCount(), 4);
    EXPECT_EQ(label("lblTotalDistance"), QStringLiteral("162.5 NM"));
    const planning::CheckpointOrigin boulogne{planning::PlaceKind::Vor, "BNE", "FR", std::nullopt};
    EXPECT_EQ(model->plan().checkpoints[2].origin, boulogne);
    // Tabbing through a position from the data leaves it as it is, not rounded to what
    // the cells show.
    const planning::Plan taken = model->plan();
    table->setCurrentIndex(model->index(2, NavLogModel::Latitude));
    press(table, Qt::Key_F2);
    press(QApplication::focusWidget(), Qt::Key_Tab);
    press(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(model->plan(), taken);
    EXPECT_FALSE(child<QLabel>(window, QStringLiteral("ErrorLbl"))->isVisible());
}

TEST_F(NavLogTest, AnIdentifierOfSeveralPlacesListsThemNearestFirstWithKindAndCountry) {
    typeCheckpoint(0, QStringLiteral("EGTK"));
    typeCheckpoint(1, QStringLiteral("BNN"));
    EXPECT_EQ(offers(),
              (QStringList{QStringLiteral("BNN VOR-DME GB"), QStringLiteral("BNN VOR-DME NO"),
                           QStringLiteral("BNN VOR-DME CN")}));
    EXPECT_EQ(offersCaption(), QStringLiteral("BNN names 3 places, nearest to the previous "
                                              "checkpoint first: choose one."));
    EXPECT_EQ(model->checkpointCount(), 1);  // nothing taken before the choice
    press(QApplication::focusWidget(), Qt::Key_Down);
    enter();
    EXPECT_EQ(cell(1, NavLogModel::Name), QStringLiteral("BNN Bronnoy VOR-DME"));
    EXPECT_EQ(cell(1, NavLogModel::Latitude), QStringLiteral("65°27.43′N"));
    // A click takes a place too; Escape closes the list, then leaves the cell as it was.
    typeCheckpoint(2, QStringLiteral("SAM"));
    ASSERT_EQ(offers().size(), 4);
    EXPECT_EQ(offers().constFirst(), QStringLiteral("SAM VOR-DME GB"));
    press(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(offers().isEmpty());
    press(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(model->checkpointCount(), 2);
    typeCell(2, NavLogModel::Name, QStringLiteral("SAM"));
    auto* list = child<QTreeWidget>(window, QStringLiteral("lstOffers"));
    ASSERT_EQ(list->topLevelItemCount(), 4);
    const QRect item = list->visualItemRect(list->topLevelItem(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    EXPECT_EQ(cell(2, NavLogModel::Name), QStringLiteral("SAM Samos VOR-DME"));
}

TEST_F(NavLogTest, AFixFromANavaidLiesOnItsRadialTurnedToTrue) {
    typeCheckpoint(0, QStringLiteral("CPT"));
    enter();  // Compton, offered first
    typeCheckpoint(1, QStringLiteral("CPT090010"));
    EXPECT_EQ(cell(1, NavLogModel::Name), QStringLiteral("CPT 090/10"));
    // Compton's radials are slaved to 4.0° W: the 090 radial is 086° true.
    EXPECT_EQ(cell(1, NavLogModel::TrueCourse), QStringLiteral("086°"));
    EXPECT_EQ(cell(1, NavLogModel::Distance), QStringLiteral("10.0 NM"));
    const planning::CheckpointOrigin fix{planning::PlaceKind::RadialDistance, "CPT", "GB",
                                         planning::RadialDistance{"CPT", 90, 10}};
    EXPECT_EQ(model->plan().checkpoints[1].origin, fix);
    // A fix from a navaid the data does not know is refused and says why.
    BeepCounter beeps;
    typeCheckpoint(2, QStringLiteral("QQQ 270/15"));
    EXPECT_EQ(beeps.count(), 1);
    EXPECT_TRUE(label("ErrorLbl").startsWith(QStringLiteral("The airport data has no navaid QQQ")));
    EXPECT_EQ(model->checkpointCount(), 2);
}

TEST_F(NavLogTest, ASavedPlanReopensWithoutTheDataFromItsPositions) {
    for (const char* typed : {"EGTK", "CPT 090/10", "LFAT"}) {
        typeCheckpoint(model->checkpointCount(), QString::fromLatin1(typed));
    }
    typeCell(1, NavLogModel::Elevation, QStringLiteral("450"));
    ASSERT_EQ(model->checkpointCount(), 3);
    const planning::Plan typed = model->plan();
    QStringList shown;
    for (int r = 0; r < 3; ++r) {
        for (int c : {NavLogModel::Name, NavLogModel::Latitude, NavLogModel::Elevation,
                      NavLogModel::Distance}) {
            shown << cell(r, c);
        }
    }
    const QString saved = path("identifiers.aerolume-plan");
    ASSERT_TRUE(window->saveFile(saved));

    useAirportData(QFile::encodeName(path("no-such-database.sqlite")));
    window->mnuNew_Click();
    ASSERT_TRUE(window->openFile(saved));
    EXPECT_EQ(model->plan(), typed);
    QStringList reopened;
    for (int r = 0; r < 3; ++r) {
        for (int c : {NavLogModel::Name, NavLogModel::Latitude, NavLogModel::Elevation,
                      NavLogModel::Distance}) {
            reopened << cell(r, c);
        }
    }
    EXPECT_EQ(reopened, shown);
    // Typing says why nothing is offered; positions are typed as ever.
    table->setFocus();
    table->setCurrentIndex(model->index(3, NavLogModel::Name));
    for (const char* key : {"E", "G"}) {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(key));
    }
    EXPECT_TRUE(offersCaption().contains(QStringLiteral("No airport data can be read")));
    EXPECT_TRUE(offers().isEmpty());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("LL"));
    press(QApplication::focusWidget(), Qt::Key_Tab);
    typeCell(3, NavLogModel::Latitude, QStringLiteral("51.47N"));
    typeCell(3, NavLogModel::Longitude, QStringLiteral("0.45W"));
    EXPECT_EQ(cell(3, NavLogModel::Name), QStringLiteral("EGLL"));
    EXPECT_EQ(model->plan().checkpoints[3].origin, planning::CheckpointOrigin{});
    EXPECT_EQ(cell(3, NavLogModel::Distance), QStringLiteral("96.9 NM"));
}

class LoadedTest : public NavLogTest {
protected:
    void SetUp() override {
        NavLogTest::SetUp();
        ASSERT_TRUE(window->openFile(writeFile("sample.aerolume-plan", kSample)));
    }
};

// A cell being typed into when the window closes, or goes with the program: its entry
// may be taken on the way out, but nothing the window no longer has is reached.
class TypingWhenClosedTest : public LoadedTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TypingWhenClosedTest, EndsCleanly) {
    table->setFocus();
    table->setCurrentIndex(model->index(1, NavLogModel::Name));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Mid"));
    ASSERT_NE(QApplication::focusWidget(), table);  // the cell's editor
    window->undoStack()->setClean();
    if (GetParam()) {
        // The entry is taken before the close, which asks about it.
        const Answered seen =
            answerBox(QMessageBox::Discard, [this] { closeWindow(window, CloseBy::CloseBox); });
        EXPECT_TRUE(seen.shown);
        EXPECT_TRUE(program->main()->isVisible());
    } else {
        program.reset();
    }
    window = nullptr;
}

INSTANTIATE_TEST_SUITE_P(ByCloseBoxAndWithTheProgram, TypingWhenClosedTest,
                         ::testing::Values(true, false));

TEST_F(NavLogTest, EnterTakesThePlanValuesAndMovesOnWithoutABeep) {
    BeepCounter beeps;
    typeAlongEnterChain(window,
                        {"txtPlanName", "txtDate", "txtAltitude", "txtTAS", "txtWindDir",
                         "txtWindSpeed", "txtVariation"},
                        {"Trip", "2026-07-01", "5500", "95", "270", "15", "3W"});
    pressEnter(child<QLineEdit>(window, QStringLiteral("txtVariation")));
    typeAlongEnterChain(window, {"txtFuelFlow", "txtFuelStart", "txtTaxiFuel", "txtReserve"},
                        {"9", "48", "2", "30"});
    // On through the flight's fields to the table.
    pressEnter(child<QLineEdit>(window, QStringLiteral("txtReserve")));
    for (const char* name :
         {"txtContingency", "txtExtraFuel", "txtDepartureTime", "txtPatternAltitude",
          "txtAlternate", "txtAlternateAltitude", "txtClimbRate", "txtClimbTAS", "txtClimbFuelFlow",
          "txtDescentRate", "txtDescentTAS", "txtDescentFuelFlow"}) {
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(name));
        pressEnter(child<QLineEdit>(window, QLatin1String(name)));
    }
    child<QWidget>(window, QStringLiteral("cboPageSize"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(beeps.count(), 0);
    EXPECT_TRUE(table->hasFocus());
    const planning::PlanDefaults& d = model->plan().defaults;
    EXPECT_EQ(d.trueAirspeed, 95);
    EXPECT_EQ(d.variation, -3);
    EXPECT_EQ(d.reserveMinutes, 30);
}

TEST_F(NavLogTest, AnOpenedPlanShowsItsValuesInEveryFieldEvenTheFocusedOne) {
    auto* name = child<QLineEdit>(window, QStringLiteral("txtPlanName"));
    name->setFocus();
    ASSERT_TRUE(window->openFile(writeFile("sample.aerolume-plan", kSample)));
    EXPECT_EQ(name->text(), QStringLiteral("Equator run"));
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("txtVariation"))->text(),
              QStringLiteral("10W"));
}

TEST_F(LoadedTest, EditingAPlanValueOrALegMovesEveryTotal) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Navigation Log - sample.aerolume-plan[*]"));
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(cell(1, NavLogModel::MagneticHeading), QStringLiteral("100°"));  // 10° W added
    EXPECT_EQ(label("lblTotalTime"), QStringLiteral("1:00:00"));
    auto* tas = child<QLineEdit>(window, QStringLiteral("txtTAS"));
    typeFields(window, {"txtTAS"}, {"60"});
    pressEnter(tas);
    EXPECT_EQ(label("lblTotalTime"), QStringLiteral("2:00:00"));
    EXPECT_EQ(label("lblTripFuel"), QStringLiteral("16.0 US gal"));
    EXPECT_EQ(cell(2, NavLogModel::FuelRemaining), QStringLiteral("23.0 US gal"));
    EXPECT_TRUE(window->isWindowModified());
    // A headwind of 30 kt on the second leg alone.
    typeCell(2, NavLogModel::WindDirection, QStringLiteral("90"));
    typeCell(2, NavLogModel::WindSpeed, QStringLiteral("30"));
    EXPECT_EQ(cell(2, NavLogModel::GroundSpeed), QStringLiteral("30 kt"));
    EXPECT_EQ(cell(1, NavLogModel::GroundSpeed), QStringLiteral("60 kt"));
    EXPECT_EQ(label("lblTotalTime"), QStringLiteral("3:00:00"));
    // Emptying the cell returns the leg to the plan's wind.
    typeCell(2, NavLogModel::WindSpeed, QStringLiteral(" "));
    EXPECT_EQ(cell(2, NavLogModel::GroundSpeed), QStringLiteral("60 kt"));
}

TEST_F(LoadedTest, AnAircraftGivesThePlanItsCruiseSpeedAndFuelFlowUndoably) {
    auto* menu = child<QMenu>(window, QStringLiteral("menuAircraft"));
    Q_EMIT menu->aboutToShow();
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_FALSE(menu->actions().constFirst()->isEnabled());  // no aircraft yet
    EXPECT_EQ(menu->actions().constFirst()->objectName(), QStringLiteral("mnuNoAircraft"));

    aircraft::Aircraft a = aircraft::test::circularAircraft();  // 110 kt, 9 US gal/h
    QString error;
    ASSERT_TRUE(aircraft::AircraftStore().save(a, QString(), &error)) << error.toStdString();
    a.name = "Loading & Envelope";
    a.units = aircraft::Units::KilogramMetre;
    a.macLength = 1.6;
    a.cruiseTas = 95;
    a.fuelFlow = 30;
    ASSERT_TRUE(aircraft::AircraftStore().save(a, QString(), &error)) << error.toStdString();
    Q_EMIT menu->aboutToShow();
    QStringList names;
    QStringList objectNames;
    for (const QAction* entry : menu->actions()) {
        names << entry->text();
        objectNames << entry->objectName();
        // A name's ampersand is shown as one, not taken as a mnemonic.
        EXPECT_TRUE(QKeySequence::mnemonic(entry->text()).isEmpty()) << entry->text().toStdString();
    }
    ASSERT_EQ(names, (QStringList{QStringLiteral("AC 43.13-1B example (N43131)"),
                                  QStringLiteral("Loading && Envelope (N43131)")}));
    EXPECT_EQ(objectNames, (QStringList{QStringLiteral("mnuAircraft_AC-43-13-1B-example"),
                                        QStringLiteral("mnuAircraft_Loading-Envelope")}));
    menu->actions().at(1)->trigger();
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("txtTAS"))->text(), QStringLiteral("95"));
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("txtFuelFlow"))->text(),
              QStringLiteral("30"));
    EXPECT_EQ(window->property("fuelUnit").toString(), QStringLiteral("L"));
    menu->actions().at(0)->trigger();
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("txtTAS"))->text(), QStringLiteral("110"));
    EXPECT_EQ(window->property("fuelUnit").toString(), QStringLiteral("USgal"));
    child<QAction>(window, QStringLiteral("mnuUndo"))->trigger();
    child<QAction>(window, QStringLiteral("mnuUndo"))->trigger();
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("txtTAS"))->text(), QStringLiteral("120"));
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(LoadedTest, UndoAndRedoWalkBackEveryEditToTheSavedState) {
    typeCell(1, NavLogModel::Name, QStringLiteral("Bravo"));
    typeCell(1, NavLogModel::Longitude, QStringLiteral("2E"));
    EXPECT_EQ(cell(1, NavLogModel::Distance), QStringLiteral("120.0 NM"));
    auto* undo = child<QAction>(window, QStringLiteral("mnuUndo"));
    auto* redo = child<QAction>(window, QStringLiteral("mnuRedo"));
    undo->trigger();
    EXPECT_EQ(cell(1, NavLogModel::Distance), QStringLiteral("60.0 NM"));
    EXPECT_EQ(cell(1, NavLogModel::Name), QStringLiteral("Bravo"));
    press(table, Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(cell(1, NavLogModel::Name), QStringLiteral("B"));
    EXPECT_FALSE(window->isWindowModified());
    redo->trigger();
    redo->trigger();
    EXPECT_EQ(cell(1, NavLogModel::Distance), QStringLiteral("120.0 NM"));
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(LoadedTest, InsertDeleteAndMoveCheckpointsEachUndoable) {
    auto names = [this] { return NavLogTest::names().join(u','); };
    table->setFocus();
    table->setCurrentIndex(model->index(0, 0));
    press(table, Qt::CTRL | Qt::Key_I);
    EXPECT_EQ(names(), QStringLiteral("A,,B,C"));
    // The new checkpoint stands where the one before it is until its position is typed.
    EXPECT_TRUE(label("lblWarnings")
                    .contains(QStringLiteral("Row 2, the leg from A to row 2: Same position")));
    table->setCurrentIndex(model->index(3, 0));
    press(table, Qt::ALT | Qt::Key_Up);
    EXPECT_EQ(names(), QStringLiteral("A,,C,B"));
    press(table, Qt::ALT | Qt::Key_Up);
    EXPECT_EQ(names(), QStringLiteral("A,C,,B"));
    EXPECT_EQ(table->currentIndex().row(), 1);
    child<QAction>(window, QStringLiteral("mnuMoveDown"))->trigger();
    EXPECT_EQ(names(), QStringLiteral("A,,C,B"));
    child<QAction>(window, QStringLiteral("mnuDelete"))->trigger();
    EXPECT_EQ(names(), QStringLiteral("A,,B"));
    for (const char* expected : {"A,,C,B", "A,C,,B", "A,,C,B", "A,,B,C", "A,B,C"}) {
        child<QAction>(window, QStringLiteral("mnuUndo"))->trigger();
        EXPECT_EQ(names(), QString::fromLatin1(expected));
    }
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(LoadedTest, SavedPlanReopensFromTheFileAndFromTheCommandLine) {
    typeCell(2, NavLogModel::Variation, QStringLiteral("5E"));
    const QString saved = path("saved.aerolume-plan");
    ASSERT_TRUE(window->saveFile(saved));
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Navigation Log - saved.aerolume-plan[*]"));
    const QString shown = cell(2, NavLogModel::MagneticHeading);
    EXPECT_EQ(shown, QStringLiteral("085°"));
    window->mnuNew_Click();
    EXPECT_EQ(model->checkpointCount(), 0);
    ASSERT_TRUE(window->openFile(saved));
    EXPECT_EQ(cell(2, NavLogModel::MagneticHeading), shown);

    // As main() does with a file argument: a program whose windows are all registered.
    WindowRegistry registry;
    registerProgramWindows(registry);
    ASSERT_TRUE(openPlanFile(registry, saved));
    auto* opened = qobject_cast<NavLogWindow*>(registry.window(QStringLiteral("NavLog")));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->model()->plan(), model->plan());
    EXPECT_FALSE(registry.isLoaded(QStringLiteral("Main")));
    opened->close();
    TestProgram::settle();
    delete registry.window(QStringLiteral("Main"));
}

TEST_F(LoadedTest, UnsavedChangesAreAskedAboutBeforeTheyAreThrownAway) {
    typeCell(1, NavLogModel::Name, QStringLiteral("Changed"));
    Answered seen = answerBox(QMessageBox::Cancel, [this] { window->mnuNew_Click(); });
    EXPECT_TRUE(seen.shown);
    EXPECT_TRUE(seen.text.contains(QStringLiteral("not saved")));
    EXPECT_EQ(model->checkpointCount(), 3);
    seen = answerBox(QMessageBox::Cancel, [this] { window->close(); });
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(program->main()->isVisible());
    seen = answerBox(QMessageBox::Discard, [this] { window->mnuNew_Click(); });
    EXPECT_EQ(model->checkpointCount(), 0);
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(LoadedTest, AnEntryStillBeingTypedIsAskedAboutBeforeTheWindowCloses) {
    table->setFocus();
    table->setCurrentIndex(model->index(1, NavLogModel::Name));
    for (const char* key : {"B", "2"}) {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(key));
    }
    const Answered seen = answerBox(QMessageBox::Cancel, [this] { window->close(); });
    EXPECT_TRUE(seen.shown);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(cell(1, NavLogModel::Name), QStringLiteral("B2"));
}

TEST_F(LoadedTest, BadFilesAreRefusedAndTheOpenPlanStays) {
    typeCell(1, NavLogModel::Name, QStringLiteral("Kept"));
    const planning::Plan before = model->plan();
    const std::pair<const char*, QByteArray> bad[] = {
        {"not JSON", "{ nope"},
        {"newer", QByteArray(kSample).replace("\"version\": 1", "\"version\": 4")},
        {"missing key", QByteArray(kSample).replace("\"taxiFuel\": 1,", "")},
        {"out of range", QByteArray(kSample).replace(R"("latitudeDeg": 0, "longitudeDeg": 2)",
                                                     R"("latitudeDeg": 0, "longitudeDeg": 200)")},
        {"wrong type", QByteArray(kSample).replace(R"("name": "B")", R"("name": 2)")},
        {"huge", QByteArray(planning::kMaxPlanFileBytes + 10, ' ')}};
    const char* const where[] = {"not JSON",
                                 "version",
                                 "defaults.taxiFuel",
                                 "checkpoint 3 (checkpoints[2]).longitudeDeg",
                                 "checkpoint 2 (checkpoints[1]).name",
                                 "larger than 4 MB"};
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        const QString file = writeFile("bad.aerolume-plan", bad[i].second);
        bool opened = true;
        const MessageBoxSeen seen = captureMessageBox([&] { opened = window->openFile(file); });
        EXPECT_FALSE(opened) << bad[i].first;
        EXPECT_TRUE(seen.text.contains(QString::fromLatin1(where[i])))
            << bad[i].first << ": " << seen.text.toStdString();
        EXPECT_EQ(model->plan(), before) << bad[i].first;
        EXPECT_TRUE(window->isWindowModified()) << bad[i].first;
        EXPECT_TRUE(window->filePath().endsWith(QStringLiteral("sample.aerolume-plan")));
    }
}

TEST_F(LoadedTest, APipeOrADeviceGivenAsAPlanIsRefusedAtOnce) {
    const QString pipe = dir.filePath(QStringLiteral("pipe.aerolume-plan"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const struct {
        QString path;
        const char* reason;
    } rows[] = {{pipe, "it is a named pipe, not a file"},
                {QStringLiteral("/dev/zero"), "it is a device, not a file"},
                {dir.path(), "it is a folder, not a file"}};
    for (const auto& row : rows) {
        QElapsedTimer clock;
        clock.start();
        bool opened = true;
        const MessageBoxSeen seen = captureMessageBox([&] { opened = window->openFile(row.path); });
        EXPECT_FALSE(opened);
        EXPECT_EQ(seen.text, QStringLiteral("The plan file %1 cannot be opened: %2.")
                                 .arg(row.path, QString::fromLatin1(row.reason)));
        EXPECT_LT(clock.elapsed(), 2000);
        EXPECT_TRUE(window->filePath().endsWith(QStringLiteral("sample.aerolume-plan")));
    }
    // From the command line, as main() opens it: refused too, so main() shows the
    // launcher instead.
    WindowRegistry registry;
    registerProgramWindows(registry);
    bool opened = true;
    const MessageBoxSeen seen = captureMessageBox([&] { opened = openPlanFile(registry, pipe); });
    EXPECT_FALSE(opened);
    EXPECT_TRUE(seen.text.endsWith(QStringLiteral("it is a named pipe, not a file.")));
    TestProgram::settle();
    EXPECT_FALSE(registry.isLoaded(QStringLiteral("NavLog")));
}

TEST_F(LoadedTest, NamesAreCountedInCharactersAsAPersonSeesThem) {
    // "é" typed as e and a combining accent: two code points, one character.
    const QString accented = QString::fromUtf16(u"e\u0301");
    auto* name = child<QLineEdit>(window, QStringLiteral("txtPlanName"));
    name->setText(accented.repeated(200));
    pressEnter(name);
    EXPECT_EQ(QString::fromStdString(model->plan().name), accented.repeated(200));
    name->setText(accented.repeated(201));
    pressEnter(name);
    EXPECT_EQ(label("ErrorLbl"), QStringLiteral("A plan name has at most 200 characters."));
    EXPECT_EQ(QString::fromStdString(model->plan().name), accented.repeated(200));
    EXPECT_TRUE(
        model->setData(model->index(0, NavLogModel::Name), accented.repeated(200), Qt::EditRole));
    EXPECT_FALSE(
        model->setData(model->index(0, NavLogModel::Name), accented.repeated(201), Qt::EditRole));
}

TEST_F(LoadedTest, AWarningForEveryLegScrollsInsteadOfGrowingTheWindow) {
    const int height = window->sizeHint().height();
    for (int i = 0; i < 60; ++i) {
        model->insertCheckpoint(model->rowCount());  // each on the one before: no length
    }
    EXPECT_GE(label("lblWarnings").count(u'\n'), 59);
    EXPECT_LE(window->sizeHint().height(), height + 6 * window->fontMetrics().lineSpacing());
    EXPECT_TRUE(child<QWidget>(window, QStringLiteral("scrWarnings"))->isVisible());
}

TEST_F(LoadedTest, ALongAircraftNameIsCutInTheMenuWithTheWholeNameInItsTooltip) {
    QDir(aircraft::AircraftStore::defaultFolder()).removeRecursively();
    aircraft::Aircraft a = aircraft::test::circularAircraft();
    a.name = std::string(100, 'W');
    QString error;
    ASSERT_TRUE(aircraft::AircraftStore().save(a, QString(), &error)) << error.toStdString();
    auto* menu = child<QMenu>(window, QStringLiteral("menuAircraft"));
    Q_EMIT menu->aboutToShow();
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_LT(menu->actions().constFirst()->text().size(), 60);
    EXPECT_EQ(menu->actions().constFirst()->toolTip(),
              QStringLiteral("W").repeated(100) + QStringLiteral(" (N43131)"));
    QDir(aircraft::AircraftStore::defaultFolder()).removeRecursively();
}

TEST_F(LoadedTest, ALegThatCannotBeFlownAndALowReserveAreWarnedInTheWindow) {
    typeCell(2, NavLogModel::WindDirection, QStringLiteral("90"));
    typeCell(2, NavLogModel::WindSpeed, QStringLiteral("150"));
    EXPECT_EQ(cell(2, NavLogModel::Time), QStringLiteral("—"));
    EXPECT_EQ(cell(2, NavLogModel::FuelRemaining), QStringLiteral("—"));
    EXPECT_EQ(model->index(2, NavLogModel::FuelRemaining).data(Qt::AccessibleTextRole),
              QStringLiteral("unknown"));
    EXPECT_EQ(label("lblTotalTime"), QStringLiteral("unknown"));
    EXPECT_FALSE(window->property("tripFuel").isValid());
    EXPECT_TRUE(
        label("lblWarnings").contains(QStringLiteral("Row 3, the leg from B to C: Headwind")));
    typeCell(2, NavLogModel::WindSpeed, QStringLiteral(" "));
    // 40 - 1 taxi - 4 - 4 = 31 against a reserve of 6; now 9.5 at start.
    typeFields(window, {"txtFuelStart"}, {"9.5"});
    pressEnter(child<QLineEdit>(window, QStringLiteral("txtFuelStart")));
    EXPECT_EQ(cell(2, NavLogModel::FuelRemaining), QStringLiteral("0.5 US gal"));
    EXPECT_TRUE(label("lblWarnings")
                    .contains(QStringLiteral("Row 2 (B): the fuel remaining is below the reserve "
                                             "of 6.0 US gal from here on.")));
}

TEST_F(LoadedTest, TheFlightDateBringsTheModelsVariationWhichATypedOneOverrides) {
    // The sample is a version 1 plan: no date, the plan's 10° W on every leg.
    auto* date = child<QLineEdit>(window, QStringLiteral("txtDate"));
    EXPECT_EQ(date->text(), QString());
    EXPECT_TRUE(label("lblWarnings").contains(QStringLiteral("The plan has no date")));
    EXPECT_EQ(cell(1, NavLogModel::Variation), QStringLiteral("10.0° W"));

    BeepCounter beeps;
    typeFields(window, {"txtDate"}, {"2026-02-30"});
    pressEnter(date);
    EXPECT_TRUE(label("ErrorLbl").contains(QStringLiteral("year-month-day")));
    EXPECT_FALSE(model->plan().date);
    typeFields(window, {"txtDate"}, {"2026-07-01"});
    pressEnter(date);
    EXPECT_EQ(model->plan().date, (planning::PlanDate{2026, 7, 1}));
    EXPECT_FALSE(label("lblWarnings").contains(QStringLiteral("no date")));
    // The first leg's midpoint is 0° N 0.5° E, at the plan's 4500 ft.
    const double year = *DecimalYear(2026, 7, 1);
    const QString modelValue = QString::fromStdString(
        planning::formatVariation(MagneticVariationAt(0, 0.5, 4500, year)->Field.Declination));
    const QModelIndex variation = model->index(1, NavLogModel::Variation);
    EXPECT_EQ(cell(1, NavLogModel::Variation), modelValue);
    EXPECT_NE(modelValue, QStringLiteral("10.0° W"));
    EXPECT_TRUE(variation.data(Qt::FontRole).value<QFont>().italic());
    EXPECT_EQ(variation.data(Qt::ToolTipRole).toString(),
              QStringLiteral("World Magnetic Model 2025"));
    EXPECT_EQ(variation.data(Qt::AccessibleTextRole).toString(),
              modelValue + QStringLiteral(" (World Magnetic Model 2025)"));

    typeCell(1, NavLogModel::Variation, QStringLiteral("5E"));
    EXPECT_EQ(cell(1, NavLogModel::Variation), QStringLiteral("5.0° E"));
    EXPECT_EQ(cell(1, NavLogModel::MagneticHeading), QStringLiteral("085°"));
    EXPECT_FALSE(variation.data(Qt::FontRole).value<QFont>().italic());
    EXPECT_FALSE(variation.data(Qt::ToolTipRole).isValid());
    typeCell(1, NavLogModel::Variation, QStringLiteral(" "));
    EXPECT_EQ(cell(1, NavLogModel::Variation), modelValue);
    typeCell(2, NavLogModel::Variation, QStringLiteral("2W"));

    const QString saved = path("dated.aerolume-plan");
    ASSERT_TRUE(window->saveFile(saved));
    window->mnuNew_Click();
    EXPECT_EQ(date->text(), QDate::currentDate().toString(Qt::ISODate));
    ASSERT_TRUE(window->openFile(saved));
    EXPECT_EQ(date->text(), QStringLiteral("2026-07-01"));
    EXPECT_EQ(cell(1, NavLogModel::Variation), modelValue);
    EXPECT_EQ(cell(2, NavLogModel::Variation), QStringLiteral("2.0° W"));
    EXPECT_EQ(beeps.count(), 0);

    // A date past the model's five years is computed, with a warning.
    typeFields(window, {"txtDate"}, {"2031-01-01"});
    pressEnter(date);
    EXPECT_TRUE(label("lblWarnings").contains(QStringLiteral("outside the World Magnetic")));
    child<QAction>(window, QStringLiteral("mnuUndo"))->trigger();
    EXPECT_EQ(date->text(), QStringLiteral("2026-07-01"));
}

TEST_F(LoadedTest, RefusedEntriesBeepAndSayWhy) {
    BeepCounter beeps;
    typeCell(1, NavLogModel::Latitude, QStringLiteral("95N"));
    EXPECT_EQ(beeps.count(), 1);
    EXPECT_TRUE(label("ErrorLbl").contains(QStringLiteral("latitude")));
    EXPECT_EQ(cell(1, NavLogModel::Latitude), QStringLiteral("0°00.00′N"));
    typeFields(window, {"txtTAS"}, {"0"});
    pressEnter(child<QLineEdit>(window, QStringLiteral("txtTAS")));
    EXPECT_EQ(label("ErrorLbl"), QStringLiteral("Enter a true airspeed from 1 to 1000 kt!"));
    EXPECT_EQ(model->plan().defaults.trueAirspeed, 120);
}

TEST_F(LoadedTest, ExportsWriteCsvAndAPdfOfAsManyPagesAsThePlanNeeds) {
    ASSERT_TRUE(window->exportCsv(path("log.csv")));
    QFile csv(path("log.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().count('\n'), 4);
    ASSERT_TRUE(window->exportPdf(path("log.pdf")));
    QFile pdf(path("log.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    // Sixty checkpoints on the kneeboard page: more than one page.
    planning::Plan long_ = model->plan();
    for (int i = 3; i < 60; ++i) {
        long_.checkpoints.push_back({"P", 0, i / 10.0, {}});
    }
    model->resetPlan(long_);
    child<QComboBox>(window, QStringLiteral("cboPageSize"))->setCurrentIndex(2);
    ASSERT_TRUE(window->exportPdf(path("long.pdf")));
    QFile longPdf(path("long.pdf"));
    ASSERT_TRUE(longPdf.open(QIODevice::ReadOnly));
    EXPECT_GE(longPdf.readAll().count("/Type /Page\n"), 2);
}

// The sample plan with one change made to it, as a file's bytes.
QByteArray sampleWith(const std::function<void(QJsonObject&)>& change) {
    QJsonObject top = QJsonDocument::fromJson(kSample).object();
    change(top);
    return QJsonDocument(top).toJson();
}
void setDefault(QJsonObject& top, const char* key, double value) {
    QJsonObject defaults = top.value(QStringLiteral("defaults")).toObject();
    defaults.insert(QString::fromLatin1(key), value);
    top.insert(QStringLiteral("defaults"), defaults);
}
// Sets a key of checkpoint `index`, or of its leg for "leg.<key>".
void setPoint(QJsonObject& top, int index, const char* key, double value) {
    QJsonArray list = top.value(QStringLiteral("checkpoints")).toArray();
    QJsonObject point = list.at(index).toObject();
    const QString name = QString::fromLatin1(key);
    if (name.startsWith(QStringLiteral("leg."))) {
        QJsonObject leg = point.value(QStringLiteral("leg")).toObject();
        leg.insert(name.mid(4), value);
        point.insert(QStringLiteral("leg"), leg);
    } else {
        point.insert(name, value);
    }
    list.replace(index, point);
    top.insert(QStringLiteral("checkpoints"), list);
}

struct CellText {
    int row, column;
    const char* text;
};

// A fault found in the log, and what the window shows of it now. The sample: A, B and C
// 60 NM apart on the equator, 120 kt, 8 US gal/h, 40 at start, 1 for taxi, a reserve of
// 45 minutes (6 US gal).
struct FaultCase {
    const char* fault;
    std::function<void(QJsonObject&)> plan;
    const char* pastedName;  // pasted into row 2's checkpoint cell, when not null
    std::vector<CellText> cells;
    std::vector<std::pair<const char*, const char*>> labels;
    const char* warning;  // one whole line of the warnings, when not empty
    bool twoShades;       // row 2's fuel left shaded apart from the rest of its row
};
void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.fault;
}

class FaultTest : public NavLogTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultTest, ShowsWhatTheFlightIs) {
    const FaultCase& c = GetParam();
    ASSERT_TRUE(window->openFile(writeFile("fault.aerolume-plan", sampleWith(c.plan))));
    if (c.pastedName != nullptr) {
        table->setFocus();
        table->setCurrentIndex(model->index(1, NavLogModel::Name));
        press(table, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        paste(editor, QString::fromUtf8(c.pastedName));
        press(editor, Qt::Key_Tab);
    }
    for (const CellText& t : c.cells) {
        EXPECT_EQ(cell(t.row, t.column), QString::fromUtf8(t.text)) << t.row << "," << t.column;
    }
    for (const auto& [name, text] : c.labels) {
        EXPECT_EQ(label(name), QString::fromUtf8(text)) << name;
    }
    if (*c.warning != '\0') {
        EXPECT_TRUE(label("lblWarnings").split(u'\n').contains(QString::fromUtf8(c.warning)))
            << label("lblWarnings").toStdString();
    }
    if (c.twoShades) {
        const QVariant fuel = model->index(1, NavLogModel::FuelRemaining).data(Qt::BackgroundRole);
        const QVariant leg = model->index(1, NavLogModel::Distance).data(Qt::BackgroundRole);
        ASSERT_TRUE(fuel.isValid() && leg.isValid());
        EXPECT_NE(fuel.value<QBrush>().color(), leg.value<QBrush>().color());
    }
}

INSTANTIATE_TEST_SUITE_P(
    FoundInTheLog, FaultTest,
    ::testing::Values(
        FaultCase{"a round trip",
                  [](QJsonObject& t) { setPoint(t, 2, "longitudeDeg", 0); },
                  nullptr,
                  {{2, NavLogModel::TotalDistance, "120.0 NM"}},
                  {{"lblGreatCircle", "0.0 NM"}},
                  "",
                  false},
        FaultCase{"the fuel running out",
                  [](QJsonObject& t) { setDefault(t, "fuelAtStart", 4); },
                  nullptr,
                  {{1, NavLogModel::FuelRemaining, "0.0 US gal"},
                   {2, NavLogModel::FuelRemaining, "0.0 US gal"},
                   {1, NavLogModel::Notes, "Fuel runs out 45.0 NM along the leg"},
                   {2, NavLogModel::Notes, "No fuel left"}},
                  {{"lblLandingFuel", "0.0 US gal"}},
                  "Out of fuel: Row 2, the leg from A to B: the fuel runs out 45.0 NM (0:22:30) "
                  "along the leg, 5.0 US gal short of the destination; rows 2 to 3 have no fuel "
                  "left.",
                  false},
        FaultCase{"a repeated checkpoint below the reserve",
                  [](QJsonObject& t) {
                      setPoint(t, 1, "longitudeDeg", 0);
                      setPoint(t, 2, "longitudeDeg", 0.5);
                      setDefault(t, "fuelAtStart", 6.5);
                  },
                  nullptr,
                  {{1, NavLogModel::Notes, "Same position as row 1. Below the reserve"},
                   {0, NavLogModel::Notes, "Below the reserve after taxi"}},
                  {},
                  "Row 1 (A): after taxi the fuel is already below the reserve of 6.0 US gal.",
                  true},
        FaultCase{"a pasted line break in a name",
                  [](QJsonObject& t) { setPoint(t, 1, "longitudeDeg", 0); },
                  "North\nfield",
                  {{1, NavLogModel::Name, "North field"}},
                  {},
                  "Row 2, the leg from A to North field: Same position as the checkpoint before: "
                  "no course.",
                  false},
        FaultCase{"warnings numbering legs apart from the rows",
                  [](QJsonObject& t) {
                      setPoint(t, 2, "leg.windDirectionDeg", 90);
                      setPoint(t, 2, "leg.windSpeedKt", 150);
                  },
                  nullptr,
                  {{2, NavLogModel::Notes,
                    "Headwind at least the airspeed: no ground speed along the course"}},
                  {},
                  "Row 3, the leg from B to C: Headwind at least the airspeed: no ground speed "
                  "along the course.",
                  false}));

TEST_F(NavLogTest, VersionOneAndTwoPlansOpen) {
    const QByteArray v2 = QByteArray(kSample)
                              .replace(R"("version": 1)", R"("version": 2, "date": "2026-07-01")")
                              .replace(R"("name": "B")", R"("name": "B", "elevationFt": 900)");
    for (const QByteArray& bytes : {QByteArray(kSample), v2}) {
        ASSERT_TRUE(window->openFile(writeFile("old.aerolume-plan", bytes)));
        EXPECT_EQ(names(), (QStringList{"A", "B", "C"}));
        EXPECT_EQ(cell(2, NavLogModel::TotalDistance), QStringLiteral("120.0 NM"));
        // Version 2 had no elevations: the key is not read.
        EXPECT_EQ(cell(1, NavLogModel::Elevation), QString());
        EXPECT_FALSE(window->isWindowModified());
    }
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("txtDate"))->text(),
              QStringLiteral("2026-07-01"));
}

TEST_F(NavLogTest, TheWindowFitsTheScreenWithTheFieldsInTheOrderOfTheirTabChain) {
    window->fitTo(QSize(1366, 768));
    QApplication::processEvents();
    EXPECT_GE(window->width(), 1300);
    EXPECT_LE(window->width(), 1366);
    EXPECT_LE(window->height(), 768 - 40);  // a title bar and a panel
    // The fuel columns are in reach: the table scrolls to them.
    for (int column : {NavLogModel::FuelUsed, NavLogModel::FuelRemaining, NavLogModel::Notes}) {
        table->scrollTo(model->index(0, column));
        EXPECT_TRUE(table->viewport()->rect().contains(table->visualRect(model->index(0, column))))
            << column;
    }
    // The fields read left to right, top to bottom, in the order Tab takes them.
    const QStringList chain = {"txtPlanName",      "txtDate",
                               "txtAltitude",      "txtTAS",
                               "txtWindDir",       "txtWindSpeed",
                               "txtVariation",     "cboFuelUnit",
                               "txtFuelFlow",      "txtFuelStart",
                               "txtTaxiFuel",      "txtReserve",
                               "txtContingency",   "txtExtraFuel",
                               "txtDepartureTime", "txtPatternAltitude",
                               "txtAlternate",     "txtAlternateAltitude",
                               "txtClimbRate",     "txtClimbTAS",
                               "txtClimbFuelFlow", "txtDescentRate",
                               "txtDescentTAS",    "txtDescentFuelFlow",
                               "cboPageSize",      "tblLog"};
    EXPECT_EQ(focusChain(child<QWidget>(window, chain.first()), 26), chain);
    QPoint before(-1, -1);
    for (const QString& name : chain) {
        const QPoint at = child<QWidget>(window, name)->mapTo(window, QPoint(0, 0));
        EXPECT_TRUE(at.y() > before.y() + 5 ||
                    (std::abs(at.y() - before.y()) <= 5 && at.x() > before.x()))
            << name.toStdString();
        before = at;
    }
    // A long name is shown from its start.
    planning::Plan named = model->plan();
    named.name = std::string(120, 'x') + " the end";
    named.name.replace(0, 6, "Oxford");
    model->resetPlan(named);
    window->setFocus();
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("txtPlanName"))->cursorPosition(), 0);
}

// At 1.75 times the standard font the window stays within a 1366 x 768 screen and its
// form scrolls to every field.
TEST_F(NavLogTest, ALargeFontScrollsTheFormWithinTheScreen) {
    QFont font = window->font();
    font.setPointSizeF(font.pointSizeF() * 1.75);
    window->setFont(font);
    window->fitTo(QSize(1366, 768));
    QApplication::processEvents();
    EXPECT_LE(window->width(), 1366 - 16);
    EXPECT_LE(window->height(), 768 - 48);
    auto* scroller = qobject_cast<QScrollArea*>(window->centralWidget());
    ASSERT_NE(scroller, nullptr);
    EXPECT_GT(scroller->horizontalScrollBar()->maximum(), 0);
    // The last field of the widest row is within the scrolling's reach.
    const QWidget* fuel = child<QWidget>(window, QStringLiteral("txtDescentFuelFlow"));
    EXPECT_LE(fuel->mapTo(scroller->widget(), QPoint(0, 0)).x() + fuel->width(),
              scroller->horizontalScrollBar()->maximum() + scroller->viewport()->width());
}

TEST_F(NavLogTest, AirportInformationShowsTheCheckpointsPlaceAndGivesTheLogBack) {
    typeCheckpoint(0, QStringLiteral("EGTK"));
    typeCheckpoint(1, QStringLiteral("CPT 090/10"));
    typeCell(2, NavLogModel::Name, QStringLiteral("Farm strip"));
    const planning::Plan typed = model->plan();
    const struct {
        int row;
        const char* ident;  // shown in the Airport window; none for a typed position
    } rows[] = {{0, "EGTK (also OXF)"}, {1, "CPT"}, {2, nullptr}};
    for (const auto& r : rows) {
        table->setCurrentIndex(model->index(r.row, NavLogModel::Name));
        press(table, Qt::CTRL | Qt::SHIFT | Qt::Key_I);
        QWidget* info = program->registry().window(QStringLiteral("Airport"));
        if (r.ident == nullptr) {
            EXPECT_EQ(info, nullptr);
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(label("ErrorLbl"), QStringLiteral("Checkpoint 3 is a position typed by hand, "
                                                        "not a place of the airport data."));
            continue;
        }
        ASSERT_NE(info, nullptr) << label("ErrorLbl").toStdString();
        EXPECT_TRUE(info->isVisible());
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(program->main()->isVisible());
        EXPECT_EQ(child<QLabel>(info, QStringLiteral("LblIdent"))->text(),
                  QString::fromLatin1(r.ident));
        click(child<QPushButton>(info, QStringLiteral("Command1")));
        TestProgram::settle();
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(program->main()->isVisible());
        EXPECT_EQ(model->plan(), typed);
        showAndActivate(window);
    }
}

// The print module named by AEROLUME_PRINT_PLUGIN for the test's lifetime.
class PrintTest : public LoadedTest {
protected:
    void usePlugin(const QByteArray& file) { qputenv("AEROLUME_PRINT_PLUGIN", file); }
    void TearDown() override {
        qunsetenv("AEROLUME_PRINT_PLUGIN");
        LoadedTest::TearDown();
    }
    // Presses Ctrl+P; a modal dialog that opens is closed with Escape. Returns its
    // objectName, or "" when none opened.
    QString pressPrint() {
        QString seen;
        QTimer reader;
        reader.setInterval(10);
        QObject::connect(&reader, &QTimer::timeout, &reader, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                reader.stop();
                seen = modal->objectName();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        reader.start();
        press(table, Qt::CTRL | Qt::Key_P);
        return seen;
    }
};

TEST_F(PrintTest, TheModulePrintsEveryPageOfTheLog) {
    usePlugin(AEROLUME_PRINT_PLUGIN_FILE);
    ASSERT_NE(planning::resolvePrintSymbol(planning::kPrintSymbol), nullptr);
    const auto toFile = reinterpret_cast<planning::PrintToFileFunction>(
        planning::resolvePrintSymbol(planning::kPrintToFileSymbol));
    ASSERT_NE(toFile, nullptr);
    planning::Plan long_ = model->plan();
    for (int i = 3; i < 60; ++i) {
        long_.checkpoints.push_back({"P", 0, i / 10.0, {}});
    }
    model->resetPlan(long_);
    const planning::PaintPages paint = [&](QPagedPaintDevice& device) {
        return planning::paintPlanPages(device, model->plan(), model->result());
    };
    const QPageSize a5(QPageSize::A5);
    const QString file = path("printed.pdf");
    const int pages = toFile(&file, &a5, &paint);
    EXPECT_GE(pages, 2);
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), pages);
}

TEST_F(PrintTest, CtrlPOpensThePrintDialogAndCancellingPrintsNothing) {
    usePlugin(AEROLUME_PRINT_PLUGIN_FILE);
    EXPECT_EQ(pressPrint(), QStringLiteral("dlgPrint"));
    EXPECT_FALSE(child<QLabel>(window, QStringLiteral("ErrorLbl"))->isVisible());
}

TEST_F(PrintTest, WithoutTheModuleTheWindowSaysSoAndSuggestsThePdf) {
    usePlugin(QFile::encodeName(path("missing/aerolume-print.so")));
    BeepCounter beeps;
    EXPECT_EQ(pressPrint(), QString());
    EXPECT_TRUE(child<QLabel>(window, QStringLiteral("ErrorLbl"))->isVisible());
    EXPECT_EQ(label("ErrorLbl"),
              QStringLiteral("Printing is not available on this computer. Use Export PDF in the "
                             "File menu and print the PDF file instead."));
    EXPECT_EQ(beeps.count(), 1);
    EXPECT_EQ(model->checkpointCount(), 3);
}

}  // namespace
}  // namespace aerolume::test
