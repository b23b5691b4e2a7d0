// SPDX-License-Identifier: GPL-3.0-or-later
// Every window laid out whole: each named control inside its window, none clipped
// below the size its text needs, no two visible controls on top of one another, and
// the calculators' client areas in the proportions of their design sizes, as opened,
// with results shown and with their longest error messages, in the standard font and
// in a large one. Run with QT_SCALE_FACTOR=2 as well (see CMakeLists.txt).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStyle>
#include <QTemporaryDir>
#include <QTableView>
#include <QTest>
#include <optional>
#include <vector>

#include "ProgramWindows.h"
#include "aircraft/AircraftStore.h"
#include "aircraft/LoadingWindow.h"
#include "aircraft/SampleAircraft.h"
#include "planning/NavLogWindow.h"
#include "planning/PlanFile.h"
#include "platform/Twips.h"
#include "shell/LauncherWindow.h"
#include "shell/SurpriseWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume::test {
namespace {

// A user action: type `text` into the control, or, without text, click it; "\r"
// presses Enter in it.
struct Action {
    const char* control;
    const char* text = nullptr;
};

struct Scenario {
    const char* window;
    const char* state;
    std::vector<Action> actions;
    const char* error = nullptr;  // the message the error label must show, if any
};

const Scenario kScenarios[] = {
    {"Wind", "opened", {}},
    {"Wind",
     "results",
     {{"txtWind", "90"}, {"txtWindVel", "199"}, {"txtTC", "0"}, {"txtTAS", "999"}, {"Command2"}}},
    {"Wind",
     "longest error",
     {{"txtWind", "90"}, {"txtWindVel", "200"}, {"txtTC", "0"}, {"txtTAS", "150"}, {"Command2"}},
     "Crosswind too strong for this airspeed!"},
    {"Wind",
     "drifting backwards",
     {{"txtWind", "10"}, {"txtWindVel", "150"}, {"txtTC", "350"}, {"txtTAS", "120"}, {"Command2"}},
     "Wind too strong: drifting backwards!"},
    {"Wind",
     "error on Enter",
     {{"txtWind", "90"},
      {"txtWindVel", "20"},
      {"txtTC", "0"},
      {"txtTAS", "1001"},
      {"txtTAS", "\r"}},
     "We both know YOU cant go THAT fast!"},
    {"Dalt", "opened", {}},
    {"Dalt", "results", {{"txtMSL", "-1499"}, {"txtAlt", "27.01"}, {"CTemp", "150"}, {"Command2"}}},
    {"Dalt",
     "longest error",
     {{"txtMSL", "1000"}, {"txtAlt", "29.92"}, {"CTemp", "-290"}, {"Command2"}},
     "At or below absolute zero!"},
    {"Speed", "opened", {}},
    {"Speed",
     "results",
     {{"txtCAS", "1999"},
      {"txtMSL", "35999"},
      {"txtBaro", "29.921"},
      {"txtOAT", "-56"},
      {"Command2"}}},
    {"Speed",
     "longest error",
     {{"txtCAS", "250"},
      {"txtMSL", "10000"},
      {"txtBaro", "29.92"},
      {"txtOAT", "-290"},
      {"Command2"}},
     "At or below absolute zero!"},
    {"PPNav", "opened", {}},
    {"PPNav",
     "results",
     {{"P1", "35"}, {"P2", "1"}, {"Lat", "10"}, {"TAS", "10"}, {"Dist", "25000"}, {"Command2"}}},
    {"PPNav",
     "longest error",
     {{"P1", "29.92"}, {"P2", "29.50"}, {"Lat", "45"}, {"Command2"}},
     "Invalid True Airspeed!"},
    {"LatLong", "opened", {}},
    {"LatLong",
     "results",
     {{"txtDepLatDeg", "40"},
      {"txtDepLatMin", "38.123456789"},
      {"txtDepLongDeg", "73"},
      {"txtDestLatDeg", "33"},
      {"txtDestLatMin", "56"},
      {"optDestS"},
      {"txtDestLongDeg", "151"},
      {"optDestE"},
      {"Command2"}}},
    {"LatLong",
     "longest error",
     {{"txtDepLatDeg", "10"}, {"txtDestLatDeg", "89"}, {"txtDestLatMin", "61"}, {"Command2"}},
     "Destination Latitude beyond the pole!"},
    {"WB", "opened", {}},
    {"WB",
     "results",
     {{"txtW1", "9999999"},
      {"txtD1", "999999"},
      {"txtW2", "9999999"},
      {"txtD2", "999999"},
      {"Command2"}}},
    {"WB",
     "longest error",
     {{"txtW1", ""}, {"txtD1", "35"}, {"Command2"}},
     "Invalid Empty Weight!"},
    {"Convert", "opened", {}},
    {"Convert",
     "results",
     {{"Dist", "9999999"},
      {"OptKM"},
      {"Vol", "9999999"},
      {"optLit"},
      {"WindVel", "99"},
      {"Angle", "270"},
      {"Angle", "\r"},
      {"Fahr", "-459.6"},
      {"Fahr", "\r"},
      {"HG", "99.999"},
      {"HG", "\r"},
      {"txtLb", "99999999999"},
      {"txtLb", "\r"},
      {"txtFT", "99999999999"},
      {"txtFT", "\r"},
      {"txtGS", "9999"},
      {"txtFPNM", "9999"},
      {"txtFPNM", "\r"}}},
    {"Convert",
     "largest results the other way",
     {{"Cels", "999999"},
      {"Cels", "\r"},
      {"MB", "999999"},
      {"MB", "\r"},
      {"txtKg", "99999999999"},
      {"txtKg", "\r"},
      {"txtM", "99999999999"},
      {"txtM", "\r"},
      {"txtGS", "1"},
      {"txtFPM", "99999"},
      {"txtFPM", "\r"}}},
    {"TSD", "opened", {}},
    {"TSD",
     "longest results",
     {{"txtDist", ""}, {"txtGS", "2000"}, {"txtTime", "10:00"}, {"Command2"}}},
    {"TSD",
     "longest error",
     {{"txtDist", "20000"}, {"txtGS", "0.1"}, {"txtTime", ""}, {"Command2"}},
     "The time to fly 20000.0 NM at 0.1 kt is 200000:00:00, outside the 0:00:00 to 99:59:59 this "
     "window takes: check the distance and the ground speed!"},
    {"Fuel", "opened", {}},
    {"Fuel",
     "longest results",
     {{"optGal"}, {"txtFlow", "99999"}, {"txtTime", "10:00"}, {"txtAmount", ""}, {"Command2"}}},
    {"Fuel",
     "longest error",
     {{"txtFlow", "0.1"}, {"txtTime", ""}, {"txtAmount", "999999"}, {"Command2"}},
     "The time 999999.0 US gal lasts at 0.1 US gal/h is 9999990:00:00, outside the 0:00:00 to "
     "99:59:59 this window takes: check the fuel amount and the fuel flow!"},
    {"FindWind", "opened", {}},
    {"FindWind",
     "longest results",
     {{"txtTH", "0"}, {"txtTAS", "100"}, {"txtTC", "90"}, {"txtGS", "100"}, {"Command2"}}},
    {"FindWind",
     "longest error",
     {{"txtTH", "90"}, {"txtTAS", "1000"}, {"txtTC", "0"}, {"txtGS", "1500"}, {"Command2"}},
     "These entries give a wind of 1803 kt, outside the 0 to 200 kt this program takes: check "
     "the headings and the speeds!"},
    {"RwyWind", "opened", {}},
    {"RwyWind",
     "a gusty day",
     {{"txtRwy", "27"},
      {"txtWindDir", "300"},
      {"txtWindSpeed", "15"},
      {"txtGust", "25"},
      {"txtGust", "\r"}}},
    {"RwyWind",
     "longest results",
     {{"txtRwy", "18"},
      {"txtWindDir", "135"},
      {"txtWindSpeed", "150"},
      {"txtGust", "199"},
      {"Command2"}}},
    {"RwyWind",
     "longest error",
     {{"txtRwy", "18"},
      {"txtWindDir", "135"},
      {"txtWindSpeed", "150"},
      {"txtGust", "20"},
      {"Command2"}},
     "Enter a gust from the wind speed to 200 kt!"},
    {"MagVar", "opened", {}},
    {"MagVar",
     "results",
     {{"txtLatDeg", "51"},
      {"txtLatMin", "28"},
      {"txtLatSec", "12"},
      {"txtLongDeg", "0"},
      {"txtLongMin", "27"},
      {"txtAlt", "2500"},
      {"txtDate", "2026-04-15"},
      {"Command2"}}},
    {"MagVar",
     "results with both warnings",
     {{"txtLatDeg", "80"},
      {"txtLatMin", "59.999999"},
      {"txtLongDeg", "96"},
      {"txtAlt", "-1500"},
      {"txtDate", "2030-01-01"},
      {"Command2"}}},
    {"MagVar",
     "longest error",
     {{"txtLatDeg", "10"}, {"txtLongDeg", "181"}, {"Command2"}},
     "Enter a longitude from 0 to 180°, its minutes and seconds below 60!"},
    {"Climb", "opened", {}},
    {"Climb",
     "results",
     {{"txtFrom", "60000"}, {"txtTo", "-2000"}, {"txtGS", "1"}, {"txtVS", "1"}, {"Command2"}}},
    {"Climb",
     "longest error",
     {{"txtFrom", "0"}, {"txtTo", "5000"}, {"txtGS", "1"}, {"txtVS", "10000"}, {"Command2"}},
     "The gradient for 10000 ft/min at 1 kt is 600000 ft/NM, outside the 1 to 3500 ft/NM this "
     "window takes: check the ground speed and the vertical speed!"},
    {"Atmos", "opened", {}},
    {"Atmos",
     "results",
     {{"txtAlt", "-2000"},
      {"txtSetting", "1100"},
      {"txtOAT", "60"},
      {"txtElev", "-2000"},
      {"Command2"}}},
    {"Atmos",
     "a typical day",
     {{"txtAlt", "4500"},
      {"txtSetting", "1021"},
      {"txtOAT", "24"},
      {"txtElev", "1200"},
      {"txtElev", "\r"}}},
    {"Atmos",
     "longest error",
     {{"txtAlt", "65000"}, {"txtSetting", "990"}, {"Command2"}},
     "The pressure altitude is above the top of the standard atmosphere!"},
    {"Cloud", "opened", {}},
    {"Cloud", "results", {{"txtTemp", "0"}, {"txtDew", "-60"}, {"txtElev", "-2000"}, {"Command2"}}},
    {"Cloud",
     "longest error",
     {{"txtTemp", "10"}, {"txtDew", "10.1"}, {"txtElev", "0"}, {"Command2"}},
     "The dew point is above the temperature!"},
    {"Airport", "opened", {}},
    {"Airport",
     "an airport with its runway winds",
     {{"txtSearch", "EGTK"},
      {"txtSearch", "\r"},
      {"txtWindDir", "270"},
      {"txtWindSpeed", "15"},
      {"txtGust", "25"},
      {"txtXwindLimit", "15"},
      {"Command2"}}},
    {"Airport", "a navaid", {{"txtSearch", "SAM"}, {"txtSearch", "\r"}}},
    {"Airport", "longest error", {{"txtWindDir", "400"}, {"Command2"}}, "Choose an airport first!"},
    {"Main", "opened", {}},
    {"About", "opened", {}},
    {"NavLog", "opened", {}},
    {"NavLog",
     "refused entry",
     {{"txtTAS", "0"}, {"txtTAS", "\r"}},
     "Enter a true airspeed from 1 to 1000 kt!"},
    // The aircraft folder of the tests starts empty: the window says how to make one.
    {"Loading", "opened", {}, "No aircraft yet, make one with New or bring one in with Import."},
    {"Loading",
     "computed without aircraft",
     {{"optWeight"}, {"txtTaxi", "9999999"}, {"Command2"}},
     "No aircraft yet, make one with New or bring one in with Import."},
};

// Client areas by design, in twips (the About and credits windows size to their
// picture and text instead).
std::optional<QSizeF> designSize(const QString& window) {
    static const QHash<QString, QSizeF> sizes = {
        {QStringLiteral("Main"), {4905, 930}},      {QStringLiteral("Wind"), {3600, 3700}},
        {QStringLiteral("Dalt"), {3165, 2940}},     {QStringLiteral("Speed"), {3600, 3400}},
        {QStringLiteral("PPNav"), {3900, 3900}},    {QStringLiteral("LatLong"), {6600, 4800}},
        {QStringLiteral("WB"), {5685, 4770}},       {QStringLiteral("Convert"), {6375, 4020}},
        {QStringLiteral("MagVar"), {6600, 3900}},   {QStringLiteral("Climb"), {4200, 6000}},
        {QStringLiteral("Atmos"), {4800, 6600}},    {QStringLiteral("Cloud"), {5400, 3900}},
        {QStringLiteral("TSD"), {4800, 3450}},      {QStringLiteral("Fuel"), {5100, 6960}},
        {QStringLiteral("FindWind"), {4800, 4290}}, {QStringLiteral("RwyWind"), {5175, 4260}},
    };
    const auto found = sizes.constFind(window);
    return found == sizes.cend() ? std::nullopt : std::optional(*found);
}

// The controls the program named, as they lie on the screen now.
QList<QWidget*> namedControls(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !widget->isWindow() &&
            widget->isVisible()) {
            controls.append(widget);
        }
    }
    return controls;
}

QRect inWindow(const QWidget* control, const QWidget* window) {
    return {control->mapTo(window, QPoint(0, 0)), control->size()};
}

// Where a control must lie: in the window, or in the form a scroll area of the window
// scrolls (the Airport window on a screen too small for it).
QRect roomOf(const QWidget* control, const QWidget* window) {
    for (const QWidget* w = control->parentWidget(); w != nullptr && w != window;
         w = w->parentWidget()) {
        if (const auto* scroller = qobject_cast<const QScrollArea*>(w)) {
            return inWindow(scroller->widget(), window);
        }
    }
    return window->rect();
}

bool fits(const QTableView* table) {
    const QHeaderView* header = table->horizontalHeader();
    for (int section = 0; section < header->count(); ++section) {
        if (header->sectionResizeMode(section) == QHeaderView::Stretch) {
            return true;
        }
    }
    return false;
}

bool needsWholeSize(const QWidget* control) {
    return qobject_cast<const QLabel*>(control) != nullptr ||
           qobject_cast<const QAbstractButton*>(control) != nullptr ||
           qobject_cast<const QLineEdit*>(control) != nullptr ||
           qobject_cast<const QGroupBox*>(control) != nullptr;
}

// The width a field has for its text: inside its frame and the toolkit's margins.
int textRoom(const QLineEdit* field) {
    constexpr int kInnerMargin = 2;  // the toolkit's margin on either side of the text
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    const QMargins margins = field->textMargins();
    return field->contentsRect().width() - 2 * frame - 2 * kInnerMargin - margins.left() -
           margins.right();
}

void expectLaidOut(QWidget* window, const std::string& where) {
    SCOPED_TRACE(where);
    const QList<QWidget*> controls = namedControls(window);
    ASSERT_FALSE(controls.isEmpty());
    for (QWidget* control : controls) {
        const std::string name = control->objectName().toStdString();
        const QRect area = roomOf(control, window);
        const QRect place = inWindow(control, window);
        EXPECT_TRUE(area.contains(place))
            << name << " at " << place.x() << "," << place.y() << " " << place.width() << "x"
            << place.height() << " outside " << area.width() << "x" << area.height();
        if (needsWholeSize(control)) {
            const QSize needed = control->minimumSizeHint();
            EXPECT_GE(control->width(), needed.width()) << name << " clipped across";
            EXPECT_GE(control->height(), needed.height()) << name << " clipped down";
        }
        // A table laid out to fit its room (a column stretching into what is left) shows
        // every column.
        if (auto* table = qobject_cast<QTableView*>(control); table != nullptr && fits(table)) {
            EXPECT_LE(table->horizontalHeader()->length(), table->viewport()->width())
                << name << " shows only some of its columns";
        }
        if (auto* field = qobject_cast<QLineEdit*>(control)) {
            EXPECT_LE(field->fontMetrics().horizontalAdvance(field->text()), textRoom(field))
                << name << " does not show \"" << field->text().toStdString() << "\" whole";
        }
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls.at(i);
            QWidget* b = controls.at(j);
            if (a->isAncestorOf(b) || b->isAncestorOf(a)) {
                continue;
            }
            EXPECT_FALSE(inWindow(a, window).intersects(inWindow(b, window)))
                << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString();
        }
    }
}

class LayoutTest : public ::testing::TestWithParam<double> {
protected:
    void SetUp() override {
        m_standardFont = QApplication::font();
        QFont font = m_standardFont;
        font.setPointSizeF(font.pointSizeF() * GetParam());
        QApplication::setFont(font);
        m_registry = programWindows();
    }
    void TearDown() override {
        m_registry.reset();
        settleEvents();
        QApplication::setFont(m_standardFont);
    }

    QWidget* open(const QString& name) {
        QWidget* window = m_registry->show(name);
        EXPECT_NE(window, nullptr) << name.toStdString();
        if (window != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        }
        return window;
    }

    std::string where(const QString& window, const char* state) const {
        return window.toStdString() + ", " + state + ", font x" +
               QString::number(GetParam()).toStdString();
    }

    void saveShot(QWidget* window, const std::string& where) const {
        const QString folder = qEnvironmentVariable("AEROLUME_SHOTS");
        if (!folder.isEmpty()) {
            QString file = QString::fromStdString(where);
            file.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.]+")), QStringLiteral("-"));
            window->grab().save(QDir(folder).filePath(file + QStringLiteral(".png")));
        }
    }

    // Lays the window out as the program shows it now, then checks it.
    void check(const QString& name, QWidget* window, const char* state) {
        settleEvents();
        const std::string place = where(name, state);
        saveShot(window, place);
        expectLaidOut(window, place);
    }

    std::unique_ptr<WindowRegistry> m_registry;

private:
    QFont m_standardFont;
};

void perform(QWidget* window, const Action& action) {
    auto* control = window->findChild<QWidget*>(QString::fromLatin1(action.control));
    ASSERT_NE(control, nullptr) << action.control;
    if (action.text == nullptr) {
        auto* button = qobject_cast<QAbstractButton*>(control);
        ASSERT_NE(button, nullptr) << action.control;
        button->click();
    } else if (QLatin1String(action.text) == QLatin1String("\r")) {
        QTest::keyClick(control, Qt::Key_Return);
    } else {
        auto* field = qobject_cast<QLineEdit*>(control);
        ASSERT_NE(field, nullptr) << action.control;
        field->clear();
        QTest::keyClicks(field, QString::fromLatin1(action.text));
    }
}

TEST_P(LayoutTest, EveryWindowInEveryStateIsLaidOutWhole) {
    for (const Scenario& scenario : kScenarios) {
        const QString name = QString::fromLatin1(scenario.window);
        QWidget* window = open(name);
        ASSERT_NE(window, nullptr);
        for (const Action& action : scenario.actions) {
            perform(window, action);
        }
        // The state is the one meant: its error is the one shown, or none is.
        const auto* error =
            window->findChild<QLabel*>(name == QLatin1String("PPNav") ? QStringLiteral("lblError")
                                                                      : QStringLiteral("ErrorLbl"));
        if (scenario.error != nullptr) {
            ASSERT_NE(error, nullptr);
            EXPECT_TRUE(error->isVisible()) << scenario.window << ", " << scenario.state;
            EXPECT_EQ(error->text().toStdString(), scenario.error);
        } else if (error != nullptr) {
            EXPECT_FALSE(error->isVisible())
                << scenario.window << ", " << scenario.state << ": " << error->text().toStdString();
        }
        check(name, window, scenario.state);
        if (const auto design = designSize(name)) {
            // The client area: the window below its menu bar.
            auto* main = qobject_cast<QMainWindow*>(window);
            ASSERT_NE(main, nullptr);
            const QSize client = main->centralWidget()->size();
            const double ratio = static_cast<double>(client.width()) / client.height();
            EXPECT_NEAR(ratio, design->width() / design->height(), 0.02 * ratio)
                << where(name, scenario.state) << ": client area " << client.width() << "x"
                << client.height();
            // Twips at the screen's logical resolution give the least size.
            EXPECT_GE(client.width() + 1, platform::twipsToPixels(design->width(), window));
            EXPECT_GE(client.height() + 1, platform::twipsToPixels(design->height(), window));
        }
        if (name != QLatin1String("Main")) {
            window->close();
        }
        settleEvents();
    }
}

// The navigation log with a plan and the loading window with an aircraft, computed,
// refused and out of limits (with AEROLUME_SHOTS set, their PDF pages are written there
// too).
TEST_P(LayoutTest, DocumentWindowsWithTheirContentAreLaidOutWhole) {
    const QString shots = qEnvironmentVariable("AEROLUME_SHOTS");
    QTemporaryDir folder;
    planning::Plan plan;
    plan.name = "Equator & back";
    plan.date = planning::PlanDate{2026, 7, 1};
    plan.defaults.windDirection = 320;
    plan.defaults.windSpeed = 18;
    plan.checkpoints = {{"Home", 0, 0, {}},
                        {"East 1", 0.5, 1, {}},
                        {"Turn", 1, 1.5, {{}, {}, {}, {}, 2.5}},
                        {"Home", 0, 0, {}}};
    const QString planPath = folder.filePath(QStringLiteral("trip.aerolume-plan"));
    ASSERT_TRUE(planning::savePlanFile(planPath, plan).isEmpty());
    auto* log = qobject_cast<planning::NavLogWindow*>(open(QStringLiteral("NavLog")));
    ASSERT_NE(log, nullptr);
    ASSERT_TRUE(log->openFile(planPath));
    check(QStringLiteral("NavLog"), log, "a plan of three legs");
    if (!shots.isEmpty() && GetParam() == 1.0) {
        log->exportPdf(QDir(shots).filePath(QStringLiteral("navlog-page.pdf")));
    }
    log->close();
    settleEvents();

    QDir(aircraft::AircraftStore::defaultFolder()).removeRecursively();
    QString error;
    ASSERT_TRUE(aircraft::AircraftStore().save(aircraft::test::circularAircraft(), {}, &error));
    QWidget* loading = open(QStringLiteral("Loading"));
    ASSERT_NE(loading, nullptr);
    check(QStringLiteral("Loading"), loading, "an aircraft picked");
    const struct {
        const char* state;
        const char* entries[7];
    } states[] = {{"refused burn", {"17", "340", "170", "100", "10", "25", ""}},
                  {"out of limits twice", {"17", "170", "500", "100", "40", "", ""}},
                  {"within limits", {"17", "340", "170", "100", "38", "25", "2"}}};
    for (const auto& state : states) {
        typeFields(loading,
                   {"txtStation1", "txtStation2", "txtStation3", "txtStation4", "txtFuel1",
                    "txtBurn1", "txtTaxi"},
                   state.entries);
        child<QAbstractButton>(loading, QStringLiteral("Command2"))->click();
        check(QStringLiteral("Loading"), loading, state.state);
    }
    if (!shots.isEmpty() && GetParam() == 1.0) {
        auto* window = qobject_cast<aircraft::LoadingWindow*>(loading);
        window->setFileChooser([&shots](aircraft::LoadingWindow::FileRole, const QString&) {
            return QDir(shots).filePath(QStringLiteral("loading-page.pdf"));
        });
        window->cmdPdf_Click();
    }
    loading->close();
    settleEvents();
    QDir(aircraft::AircraftStore::defaultFolder()).removeRecursively();
}

TEST_P(LayoutTest, LauncherShowsEveryThanksCaptionWhole) {
    auto* launcher = qobject_cast<LauncherWindow*>(open(QStringLiteral("Main")));
    ASSERT_NE(launcher, nullptr);
    launcher->Form_DblClick();
    using Step = void (LauncherWindow::*)();
    const Step steps[] = {&LauncherWindow::Timer1_Timer, &LauncherWindow::Timer2_Timer,
                          &LauncherWindow::Timer3_Timer, &LauncherWindow::Timer4_Timer};
    int caption = 0;
    for (Step step : steps) {
        (launcher->*step)();
        check(QStringLiteral("Main"), launcher,
              ("thanks caption " + std::to_string(++caption)).c_str());
    }
}

TEST_P(LayoutTest, CreditsWindowShowsEveryLineWhole) {
    auto* credits = qobject_cast<SurpriseWindow*>(open(QStringLiteral("Surprise")));
    ASSERT_NE(credits, nullptr);
    using Step = void (SurpriseWindow::*)();
    const Step steps[] = {&SurpriseWindow::Timer1_Timer, &SurpriseWindow::Timer2_Timer,
                          &SurpriseWindow::Timer3_Timer, &SurpriseWindow::Timer8_Timer,
                          &SurpriseWindow::Timer9_Timer, &SurpriseWindow::Timer4_Timer,
                          &SurpriseWindow::Timer5_Timer, &SurpriseWindow::Timer6_Timer};
    int line = 0;
    for (Step step : steps) {
        (credits->*step)();
        check(QStringLiteral("Surprise"), credits,
              ("credit line " + std::to_string(++line)).c_str());
        // Both blink states: the lit icon replaces the dark one in the same place.
        credits->Timer7_Timer();
        check(QStringLiteral("Surprise"), credits,
              ("credit line " + std::to_string(line) + ", icon lit").c_str());
        credits->Timer7_Timer();
    }
    credits->close();
}

INSTANTIATE_TEST_SUITE_P(Fonts, LayoutTest, ::testing::Values(1.0, 1.75),
                         [](const ::testing::TestParamInfo<double>& info) {
                             return info.param == 1.0 ? std::string("StandardFont")
                                                      : std::string("LargeFont");
                         });

}  // namespace
}  // namespace aerolume::test
