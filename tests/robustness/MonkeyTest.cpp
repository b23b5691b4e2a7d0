// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey test: every window of the program gets long seeded random sequences of
// what a user can do to it (keys of every code, Enter, Backspace and the editing
// keys and shortcuts, pastes of any text, clicks on its buttons and option buttons,
// its menu entries, closing it and opening it again from the launcher), and after
// every step every label and field on screen must show only what the window can
// legitimately show: no "nan" or "inf", no number out of its mask's shape, no
// character a field does not take. The launcher must always come back.
//
//   AEROLUME_MONKEY_STEPS    steps per window (default 16000; each is one or more events)
//   AEROLUME_MONKEY_SECONDS  at most this long per window (default 300)
//   AEROLUME_MONKEY_SEED     replays a run (each run prints its seed at the start)

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <random>

#include "MaskShapes.h"
#include "aircraft/LoadingWindow.h"
#include "aircraft/SampleAircraft.h"
#include "airdata/AtmosWindow.h"
#include "airdata/CloudWindow.h"
#include "airdata/DaltWindow.h"
#include "airdata/SpeedWindow.h"
#include "airports/AirportWindow.h"
#include "conversions/ConvertWindow.h"
#include "loading/WBWindow.h"
#include "navigation/ClimbWindow.h"
#include "navigation/FindWindWindow.h"
#include "navigation/FuelWindow.h"
#include "navigation/LatLongWindow.h"
#include "navigation/MagVarWindow.h"
#include "navigation/PPNavWindow.h"
#include "navigation/RunwayWindWindow.h"
#include "navigation/TsdWindow.h"
#include "navigation/WindWindow.h"
#include "planning/NavLogWindow.h"
#include "planning/PlanFile.h"
#include "shell/AboutWindow.h"
#include "shell/LauncherWindow.h"
#include "shell/SurpriseWindow.h"
#include "support/WindowTestKit.h"

namespace aerolume {
namespace {

using test::TestProgram;

// Characters far outside any font's scripts make the font engine say so, once per
// font; that is no news about the program.
QtMessageHandler g_previousHandler = nullptr;
void quietFonts(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("OpenType support missing"))) {
        g_previousHandler(type, context, message);
    }
}

long long environmentNumber(const char* name, long long fallback) {
    bool ok = false;
    const long long value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

// A number under a mask followed by one of the suffixes, as a full-match pattern.
QString masked(Mask mask, const QStringList& suffixes = {QString()}) {
    QStringList escaped;
    for (const QString& suffix : suffixes) {
        escaped.append(QRegularExpression::escape(suffix));
    }
    return QStringLiteral("(?:%1)(?:%2)")
        .arg(QString::fromLatin1(shapes::maskShapePattern(mask)), escaped.join(QLatin1Char('|')));
}

// A number as formatFixed writes it with `decimals` places (never a minus on zero),
// followed by one of the suffixes, as a full-match pattern.
QString fixed(int decimals, const QStringList& suffixes = {QString()}) {
    QStringList escaped;
    for (const QString& suffix : suffixes) {
        escaped.append(QRegularExpression::escape(suffix));
    }
    const QString places = decimals == 0 ? QString() : QStringLiteral("\\.[0-9]{%1}").arg(decimals);
    return QStringLiteral("(?!-0(?:\\.0+)?(?![0-9.]))-?(?:0|[1-9][0-9]*)%1(?:%2)")
        .arg(places, escaped.join(QLatin1Char('|')));
}

// Patterns that match exactly the given texts.
QStringList literally(const QStringList& texts) {
    QStringList patterns;
    for (const QString& text : texts) {
        patterns.append(QRegularExpression::escape(text));
    }
    return patterns;
}

// What one window may show besides the texts it starts with.
struct WindowRules {
    const char* name;
    // How the launcher opens it: a button, or (About) a menu entry.
    const char* launcherButton;
    const char* launcherEntry;
    // Labels that show results: each text must match one of the patterns.
    std::map<QString, QStringList> results;
    // The error label, whose messages are sentences (a range in them included), never a
    // bare number.
    const char* errorLabel;
    // Fields the program writes results into (conversions), with the results' shape.
    std::map<QString, QString> resultFields;
    // Fields that take any text (the About window's), and labels that show such text back.
    QStringList freeFields;
};

const QString kWca =
    masked(Mask::D3_1, {QStringLiteral("° Left"), QStringLiteral("° Right"), QStringLiteral("°")});

// The second group's captions: whole numbers without leading zeros, tenths, h:mm:ss,
// and the wind's components in words.
const QString kWhole = QStringLiteral("(?:0|[1-9][0-9]*)");
const QString kKnots = kWhole + QStringLiteral(" kt");
const QString kDuration = kWhole + QStringLiteral(":[0-5][0-9]:[0-5][0-9]");
const QString kHeadwind = QStringLiteral("0 kt|[1-9][0-9]* kt (?:headwind|tailwind)");
const QString kCrosswind = QStringLiteral("0 kt|[1-9][0-9]* kt from the (?:left|right)");
const QStringList kFuelUnits = {QStringLiteral("US gal"), QStringLiteral("L"), QStringLiteral("lb"),
                                QStringLiteral("kg")};

// A position as the program writes it, a variation, a navaid's frequency.
const QString kPosition = QStringLiteral(
    "(?:[0-9]|[1-8][0-9]|90)°[0-5][0-9]\\.[0-9]{2}′[NS] "
    "(?:[0-9]|[1-9][0-9]|1[0-7][0-9]|180)°[0-5][0-9]\\.[0-9]{2}′[EW]");
const QString kVariation = QStringLiteral("(?:[1-9][0-9]*\\.[0-9]° [EW]|0\\.[1-9]° [EW]|0\\.0°)");
const QString kNavaidFrequency =
    QStringLiteral("[1-9][0-9]*(?:\\.[0-9])? kHz|[1-9][0-9]*\\.[0-9]{2} MHz|none given");

// An amount of the navigation log: empty, unknown, or a number with one decimal and a unit.
// With `after`, every amount but the empty one is followed by it.
QString navLogAmount(const QStringList& units, const QString& after = {}) {
    return QStringLiteral("|(?:unknown|-?[0-9]+\\.[0-9] (?:%1))%2")
        .arg(literally(units).join(u'|'), after);
}

// The navigation log's line on its climb and descent.
QString navLogProfile() {
    const QString at =
        QStringLiteral("[0-9]+\\.[0-9] NM from the departure at (?:0|-?[1-9][0-9]*) ft");
    return QStringLiteral(
               "|Climb and descent: (?:none, the log is level at cruise \\(no climb or descent "
               "figures\\)|the log is level at cruise while a leg cannot be flown \\(see the "
               "warnings\\)|(?:no climb figures: level at cruise from the departure|no top of "
               "climb|top of climb %1); (?:no descent figures: no descent to the destination|no "
               "top of descent|top of descent %1))\\.")
        .arg(at);
}

// What the loading window may show: results in lb and in, verdicts naming the limits
// of its aircraft, and the captions it makes for that aircraft's stations and tanks.
std::map<QString, QStringList> loadingResults() {
    const QString weight = QStringLiteral("-?[0-9]+\\.[0-9] lb");
    const QString arm = QStringLiteral("-?[0-9]+\\.[0-9]{2} in");
    const QString moment = QStringLiteral("-?[0-9]+\\.[0-9] lb·in");
    // Within limits, or out of limits with every limit broken: "A", "A and B", "A, B
    // and C".
    const QString broken =
        QStringLiteral("[A-Za-z][A-Za-z -]* by (?:%1|%2|[0-9]+\\.[0-9] US gal)").arg(weight, arm);
    const QString verdict =
        QStringLiteral(
            "Within limits|Within limits in the normal category only: outside the "
            "utility envelope by (?:%1|%2)|Out of limits: %3(?:(?:, | and )%3)*")
            .arg(weight, arm, broken);
    const QString margin =
        QStringLiteral(
            "%1 to the (?:forward|aft) limit, %2 (?:below the maximum weight|below "
            "the envelope's top|above the envelope's bottom)")
            .arg(arm, weight);
    std::map<QString, QStringList> rules;
    for (const char* point : {"Ramp", "Takeoff", "Landing"}) {
        const QString p = QString::fromLatin1(point);
        rules[QStringLiteral("Lbl%1Weight").arg(p)] = {weight};
        rules[QStringLiteral("Lbl%1Moment").arg(p)] = {moment};
        rules[QStringLiteral("Lbl%1CG").arg(p)] = {arm, QStringLiteral("none")};
        rules[QStringLiteral("Lbl%1MAC").arg(p)] = {QStringLiteral("-?[0-9]+\\.[0-9]% MAC")};
        rules[QStringLiteral("Lbl%1Margin").arg(p)] = {margin,
                                                       QStringLiteral("none, out of limits")};
        rules[QStringLiteral("Lbl%1Verdict").arg(p)] = {verdict};
    }
    const QString units = QStringLiteral("US gal|lb|");
    rules[QStringLiteral("lblTaxiUnit")] = {units};
    rules[QStringLiteral("lblFuelUnit1")] = {units};
    rules[QStringLiteral("lblFuelTakeoff")] = {QStringLiteral("Take-off")};
    rules[QStringLiteral("lblFuelBurned")] = {QStringLiteral("Burned")};
    rules[QStringLiteral("lblTank1")] = {QStringLiteral("Main \\(40\\.0 US gal\\):")};
    for (int i = 1; i <= 4; ++i) {
        rules[QStringLiteral("lblStation%1").arg(i)] = {
            QStringLiteral("[A-Za-z ]+ \\(lb(?:, maximum [0-9]+\\.0)?\\):")};
    }
    return rules;
}

std::vector<WindowRules> allWindows() {
    const QString tenths = kWhole + QStringLiteral("\\.[0-9]");
    const QString degrees = masked(Mask::Fixed, {QStringLiteral("°")});
    const QString miles = masked(Mask::Fixed, {QStringLiteral(" NM")});
    const QString fixedOrNone = QStringLiteral("|") + masked(Mask::Fixed);
    return {
        {"Wind",
         "Command2",
         "menuWinds",
         {{QStringLiteral("LblWCA"), {kWca}},
          {QStringLiteral("LblTHeading"), {masked(Mask::D3_1, {QStringLiteral("°")})}},
          {QStringLiteral("LblGS"), {masked(Mask::D4_1)}}},
         "ErrorLbl",
         {},
         {}},
        {"Dalt",
         "Command4",
         "menuDalt",
         {{QStringLiteral("DenAlt"), {masked(Mask::D6)}},
          {QStringLiteral("PAlt"), {masked(Mask::D6)}}},
         "ErrorLbl",
         {},
         {}},
        {"Speed",
         "Command8",
         "menuSpeed",
         {{QStringLiteral("TAS"), {masked(Mask::D5_1)}},
          {QStringLiteral("Mach"), {masked(Mask::D1_3)}}},
         "ErrorLbl",
         {},
         {}},
        {"PPNav",
         "Command5",
         "menuPPNav",
         {{QStringLiteral("Drift"),
           {masked(Mask::Fixed, {QStringLiteral(" NM Left"), QStringLiteral(" NM Right")}),
            QStringLiteral("0 NM")}},
          {QStringLiteral("WindCA"),
           {masked(Mask::Fixed, {QStringLiteral("° Left"), QStringLiteral("° Right")}),
            QStringLiteral("0°")}}},
         "lblError",
         {},
         {}},
        {"LatLong",
         "Command9",
         "menuLat",
         {{QStringLiteral("Dist"), {miles}},
          {QStringLiteral("TC"), {degrees}},
          {QStringLiteral("RTC"), {degrees}},
          {QStringLiteral("RDist"), {miles}}},
         "ErrorLbl",
         {},
         {}},
        {"WB",
         "Command10",
         "menuWB",
         {{QStringLiteral("GW"), {masked(Mask::D7_1)}},
          {QStringLiteral("CG"), {masked(Mask::Fixed)}}},
         "ErrorLbl",
         {},
         {}},
        {"Convert",
         "Command6",
         "MenuConv",
         {{QStringLiteral("NM"), {fixedOrNone}},
          {QStringLiteral("SM"), {fixedOrNone}},
          {QStringLiteral("KM"), {fixedOrNone}},
          {QStringLiteral("USGal"), {fixedOrNone}},
          {QStringLiteral("ImpGal"), {fixedOrNone}},
          {QStringLiteral("Lit"), {fixedOrNone}},
          {QStringLiteral("Label18"), {QStringLiteral("|") + masked(Mask::D3_1)}}},
         nullptr,
         {{QStringLiteral("Fahr"), masked(Mask::D3_1)},
          {QStringLiteral("Cels"), masked(Mask::D3_1)},
          {QStringLiteral("HG"), masked(Mask::D2_2)},
          {QStringLiteral("MB"), masked(Mask::D4_1)},
          {QStringLiteral("txtLb"), masked(Mask::D3_1)},
          {QStringLiteral("txtKg"), masked(Mask::D3_1)},
          {QStringLiteral("txtFT"), masked(Mask::D3_1)},
          {QStringLiteral("txtM"), masked(Mask::D3_1)},
          {QStringLiteral("txtFPNM"), masked(Mask::D5)},
          {QStringLiteral("txtFPM"), masked(Mask::D5)}},
         {}},
        {"TSD",
         nullptr,
         "menuTSD",
         {{QStringLiteral("LblDist"), {tenths + QStringLiteral(" NM")}},
          {QStringLiteral("LblGS"), {tenths + QStringLiteral(" kt")}},
          {QStringLiteral("LblTime"), {kDuration}}},
         "ErrorLbl",
         {},
         {}},
        {"Fuel",
         nullptr,
         "menuFuel",
         {{QStringLiteral("LblFlow"), {tenths + QStringLiteral(" (?:US gal|L|lb|kg)/h")}},
          {QStringLiteral("LblTime"), {kDuration}},
          {QStringLiteral("LblAmount"), {tenths + QStringLiteral(" (?:US gal|L|lb|kg)")}},
          {QStringLiteral("LblGal"), {tenths + QStringLiteral(" US gal")}},
          {QStringLiteral("LblLitre"), {tenths + QStringLiteral(" L")}},
          {QStringLiteral("LblLb"), {tenths + QStringLiteral(" lb")}},
          {QStringLiteral("LblKg"), {tenths + QStringLiteral(" kg")}}},
         "ErrorLbl",
         {},
         {}},
        {"FindWind",
         nullptr,
         "menuFindWind",
         {{QStringLiteral("LblWindDir"),
           {QStringLiteral("calm|(?:00[1-9]|0[1-9][0-9]|[12][0-9][0-9]|3[0-5][0-9]|360)°")}},
          {QStringLiteral("LblWindSpeed"), {kKnots}},
          {QStringLiteral("LblHeadwind"), {kHeadwind}},
          {QStringLiteral("LblCrosswind"), {kCrosswind}}},
         "ErrorLbl",
         {},
         {}},
        {"RwyWind",
         nullptr,
         "menuRwyWind",
         {{QStringLiteral("LblHeadwind"), {kHeadwind}},
          {QStringLiteral("LblCrosswind"), {kCrosswind}},
          {QStringLiteral("LblGustHeadwind"), {kHeadwind, QString()}},
          {QStringLiteral("LblGustCrosswind"), {kCrosswind, QString()}}},
         "ErrorLbl",
         {},
         {}},
        // One decimal and a side, or zero without one; whole nanotesla; the warnings' own
        // sentences, one or two of them.
        {"MagVar",
         nullptr,
         "menuMagVar",
         {{QStringLiteral("LblVar"),
           {QStringLiteral("[1-9]\\d*\\.\\d° [EW]|0\\.[1-9]° [EW]|0\\.0°"),
            QStringLiteral("none")}},
          {QStringLiteral("LblIncl"), {QStringLiteral("\\d+\\.\\d° (?:down|up)|0\\.0°")}},
          {QStringLiteral("LblTotal"), {QStringLiteral("(?:0|[1-9]\\d*) nT")}},
          {QStringLiteral("LblHoriz"), {QStringLiteral("(?:0|[1-9]\\d*) nT")}},
          {QStringLiteral("LblChange"),
           {QStringLiteral("\\d+\\.\\d′ [EW] per year|0\\.0′ per year"), QStringLiteral("none")}},
          {QStringLiteral("LblWarning"), {QStringLiteral("(?:The [A-Za-z0-9 ,:]+\\.\\n?){1,2}")}}},
         "ErrorLbl",
         {},
         {}},
        {"Climb",
         nullptr,
         "menuClimb",
         {{QStringLiteral("LblVS"), {fixed(0, {QStringLiteral(" ft/min")})}},
          {QStringLiteral("LblAngle"), {fixed(1, {QStringLiteral("°")})}},
          {QStringLiteral("LblGradient"), {fixed(0, {QStringLiteral(" ft/NM")})}},
          {QStringLiteral("LblTime"),
           {QStringLiteral("[0-9]+:[0-5][0-9]:[0-5][0-9] (?:climb|descent)")}},
          {QStringLiteral("LblDist"),
           {fixed(1, {QStringLiteral(" NM climb"), QStringLiteral(" NM descent")})}}},
         "ErrorLbl",
         {},
         {}},
        {"Atmos",
         nullptr,
         "menuAtmos",
         {{QStringLiteral("LblPA"), {fixed(0, {QStringLiteral(" ft")})}},
          {QStringLiteral("LblIsaTemp"), {fixed(1, {QStringLiteral(" °C")})}},
          {QStringLiteral("LblIsaDev"),
           {QString(), QStringLiteral("\\+?") + fixed(1, {QStringLiteral(" °C")})}},
          {QStringLiteral("LblDA"), {QString(), fixed(0, {QStringLiteral(" ft")})}},
          {QStringLiteral("LblTrueAlt"), {QString(), fixed(0, {QStringLiteral(" ft")})}},
          {QStringLiteral("LblPressureHpa"), {fixed(1, {QStringLiteral(" hPa")})}},
          {QStringLiteral("LblPressureInHg"), {fixed(2, {QStringLiteral(" inHg")})}},
          {QStringLiteral("LblDensityRatio"), {QString(), fixed(4)}},
          {QStringLiteral("LblSoundSpeed"), {QString(), fixed(0, {QStringLiteral(" kt")})}}},
         "ErrorLbl",
         {},
         {}},
        {"Cloud",
         nullptr,
         "menuCloud",
         {{QStringLiteral("LblBaseAgl"), {fixed(0, {QStringLiteral(" ft")})}},
          {QStringLiteral("LblBaseMsl"), {fixed(0, {QStringLiteral(" ft")})}},
          {QStringLiteral("LblFreezing"),
           {fixed(0, {QStringLiteral(" ft")}), QStringLiteral("at the surface")}}},
         "ErrorLbl",
         {},
         {}},
        {"About", nullptr, "menuAbout", {}, nullptr, {}, {QStringLiteral("Text1")}},
        // The navigation log: totals in their units or unknown; the warnings and the plan
        // name and variation fields show what the pilot typed (checkpoint names too).
        {"NavLog",
         nullptr,
         "menuNavLog",
         {{QStringLiteral("lblTotalDistance"), {navLogAmount({QStringLiteral("NM")})}},
          {QStringLiteral("lblGreatCircle"),
           {navLogAmount({QStringLiteral("NM")}), QStringLiteral("none")}},
          {QStringLiteral("lblTotalTime"),
           {QStringLiteral("|unknown|[0-9]+:[0-5][0-9]:[0-5][0-9]")}},
          {QStringLiteral("lblTripFuel"), {navLogAmount(kFuelUnits)}},
          {QStringLiteral("lblTaxiFuelTotal"), {navLogAmount(kFuelUnits)}},
          {QStringLiteral("lblReserveFuel"), {navLogAmount(kFuelUnits)}},
          {QStringLiteral("lblLandingFuel"), {navLogAmount(kFuelUnits)}},
          {QStringLiteral("ErrorLbl"), {QStringLiteral("[A-Z][^\\n]*[.!]")}},
          // The flight: the departure's local time, the profile, the fuel plan.
          {QStringLiteral("LblLocalTime"),
           {QStringLiteral("|local (?:[01][0-9]|2[0-3]):[0-5][0-9] \\S+(?:, the day (?:after|"
                           "before))?")}},
          {QStringLiteral("lblProfile"), {navLogProfile()}},
          {QStringLiteral("lblFuelPlanTaxi"), {navLogAmount(kFuelUnits)}},
          {QStringLiteral("lblFuelPlanTrip"), {navLogAmount(kFuelUnits)}},
          {QStringLiteral("lblFuelPlanContingency"),
           {navLogAmount(kFuelUnits, QStringLiteral(" \\((?:0|[1-9][0-9]*)(?:\\.[0-9]+)? %\\)"))}},
          {QStringLiteral("lblFuelPlanAlternate"), {navLogAmount(kFuelUnits)}},
          {QStringLiteral("lblFuelPlanFinalReserve"),
           {navLogAmount(kFuelUnits,
                         QStringLiteral(" \\((?:0|[1-9][0-9]*)(?:\\.[0-9]+)? min\\)"))}},
          {QStringLiteral("lblFuelPlanExtra"), {navLogAmount(kFuelUnits)}},
          {QStringLiteral("lblFuelPlanRequired"), {navLogAmount(kFuelUnits)}},
          {QStringLiteral("lblFuelPlanOnBoard"), {navLogAmount(kFuelUnits)}},
          {QStringLiteral("lblFuelPlanMargin"), {navLogAmount(kFuelUnits)}},
          {QStringLiteral("lblFuelPlanNote"),
           {QStringLiteral("|No fuel plan: enter a contingency \\(%\\) to have one\\.|No "
                           "alternate: its line is 0\\.|Short of fuel: the fuel on board is "
                           "[0-9]+\\.[0-9] (?:%1) less than the fuel required\\.")
                .arg(literally(kFuelUnits).join(u'|'))}}},
         nullptr,
         {},
         {QStringLiteral("txtPlanName"), QStringLiteral("txtVariation"),
          QStringLiteral("txtAlternate"), QStringLiteral("lblWarnings"),
          QStringLiteral("lblOffers")}},
        // The loading window, over an aircraft in lb and in (see loadingWindow()).
        {"Loading", nullptr, "menuLoading", loadingResults(), "ErrorLbl", {}, {}},
        // The Airport window over the test database: the search takes any text, and the
        // identifiers and names come from the data as they are ("Nanaimo"); its tables'
        // cells follow airportTables().
        {"Airport",
         nullptr,
         "menuAirport",
         {{QStringLiteral("LblElevation"),
           {QStringLiteral("unknown|-?") + kWhole + QStringLiteral(" ft \\(-?") + kWhole +
            QStringLiteral(" m\\)")}},
          {QStringLiteral("LblKind"),
           {QStringLiteral("[A-Z][A-Za-z/ -]*(?:, scheduled service)?")}},
          {QStringLiteral("LblPosition"), {kPosition}},
          {QStringLiteral("LblVariation"),
           {QStringLiteral("(?:%1 in the data; )?(?:radials slaved to %1; )?(?:%1 today \\(World "
                           "Magnetic Model\\)|unknown(?: by the model)?: too near the magnetic "
                           "pole)")
                .arg(kVariation)}},
          {QStringLiteral("LblFrequency"),
           // Empty while an airport is shown.
           {QStringLiteral("(?:(?:") + kNavaidFrequency +
            QStringLiteral(")(?:, DME channel [0-9]+[XY])?)?")}},
          {QStringLiteral("LblRunwayNote"),
           {QStringLiteral("Magnetic headings: the true heading less today's variation\\.(?: \\* "
                           "Derived: [^\\n]+\\.)?"),
            QStringLiteral("The data lists no runway here\\."),
            QStringLiteral("A navaid has no runways: choose an airport for the runway winds\\.")}},
          {QStringLiteral("LblWindNote"),
           {QStringLiteral("The wind as the tower gives it \\(magnetic\\) against each end's "
                           "magnetic heading(?:; \\* the heading is derived)?\\.(?:\\nCalm: any "
                           "runway\\.|\\nNo runway end here can be chosen into the wind\\.)?")}}},
         "ErrorLbl",
         {},
         {QStringLiteral("txtSearch"), QStringLiteral("LblIdent"), QStringLiteral("LblName"),
          QStringLiteral("LblServes")}},
        // The launcher alone: it opens every other window and gets them back. Its
        // thanks caption changes by its timers.
        {"Main",
         nullptr,
         nullptr,
         {{QStringLiteral("Label1"), literally(LauncherWindow::thanksCaptions())}},
         nullptr,
         {},
         {}},
        // The credits window, which the About window opens: its credit line cycles.
        {"Surprise",
         nullptr,
         nullptr,
         {{QStringLiteral("Label2"), literally(SurpriseWindow::creditLines())}},
         nullptr,
         {},
         {}},
    };
}

// The navigation log over a plan of checkpoints from the airport data, so that Edit,
// Airport Information opens the Airport window in its place and gives the log back.
QWidget* navLogWindow(WindowRegistry& registry) {
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("monkey.aerolume-plan"));
    if (!QFile::exists(path)) {
        using planning::PlaceKind;
        const planning::Checkpoint places[] = {
            {"EGTK London Oxford Airport",
             51.836899,
             -1.32,
             {},
             270,
             {PlaceKind::Airport, "EGTK", "GB", std::nullopt}},
            {"CPT Compton VOR-DME",
             51.4917,
             -1.2197,
             {},
             std::nullopt,
             {PlaceKind::VorDme, "CPT", "GB", std::nullopt}},
            {"CPT 090/10",
             51.5033,
             -0.9526,
             {},
             std::nullopt,
             {PlaceKind::RadialDistance, "CPT", "GB", planning::RadialDistance{"CPT", 90, 10}}},
            {"LFAT Le Touquet-Côte d'Opale Airport",
             50.518284,
             1.621656,
             {},
             36,
             {PlaceKind::Airport, "LFAT", "FR", std::nullopt}}};
        planning::Plan plan;
        for (int round = 0; round < 3; ++round) {
            plan.checkpoints.insert(plan.checkpoints.end(), std::begin(places), std::end(places));
        }
        planning::savePlanFile(path, plan);
    }
    auto* window = new planning::NavLogWindow(registry);
    window->openFile(path);
    return window;
}

// The Airport window's tables: the pattern of each column's cells, or none for the
// data's own names and identifiers.
const std::map<QString, std::vector<QString>>& airportTables() {
    static const QString direction =
        QStringLiteral("(?:00[1-9]|0[1-9][0-9]|[12][0-9]{2}|3[0-5][0-9]|360)°");
    static const QString heading = QStringLiteral("(?:%1\\*?|–)").arg(direction);
    static const QString length =
        QStringLiteral("|") + kWhole + QStringLiteral(" ft \\(") + kWhole + QStringLiteral(" m\\)");
    static const QString note = QStringLiteral(
        "best into the wind|crosswind beyond the limit|water, not chosen|helipad, not "
        "chosen|no heading known");
    static const std::map<QString, std::vector<QString>> tables = {
        {QStringLiteral("tblRunways"),
         {{},
          length,
          length,
          {},
          QStringLiteral("yes|no"),
          QStringLiteral("%1(?: / %1)?").arg(heading),
          QStringLiteral("%1(?: / %1)?").arg(heading),
          QStringLiteral("open|closed")}},
        {QStringLiteral("tblFrequencies"), {{}, {}, QStringLiteral("[1-9][0-9]*\\.[0-9]{3} MHz")}},
        {QStringLiteral("tblNavaids"),
         {{}, {}, {}, kNavaidFrequency, direction, QStringLiteral("(?:0|[1-9][0-9]*)\\.[0-9] NM")}},
        {QStringLiteral("tblRunwayWinds"),
         {{},
          heading,
          QStringLiteral("|") + kHeadwind,
          QStringLiteral("|") + kCrosswind,
          QStringLiteral("|") + kHeadwind,
          QStringLiteral("|") + kCrosswind,
          QStringLiteral("|(?:%1)(?:; (?:%1))*").arg(note)}},
    };
    return tables;
}

// The loading window over an aircraft folder holding at least the sample aircraft; its
// dialogs are answered at once (the editor cancelled, a deletion confirmed) and no file
// is chosen, so the monkey never waits on a modal dialog.
QWidget* loadingWindow(WindowRegistry& registry) {
    aircraft::AircraftStore store;
    if (store.entries().isEmpty()) {
        QString error;
        store.save(aircraft::test::circularAircraft(), {}, &error);
    }
    auto* window = new aircraft::LoadingWindow(registry);
    window->setDialogRunner([](QDialog& dialog) {
        return qobject_cast<QMessageBox*>(&dialog) != nullptr ? int(QMessageBox::Yes)
                                                              : int(QDialog::Rejected);
    });
    window->setFileChooser(
        [](aircraft::LoadingWindow::FileRole, const QString&) { return QString(); });
    return window;
}

std::vector<std::pair<QString, WindowRegistry::Factory>> everyWindow() {
    return {
        {QStringLiteral("Wind"), [](WindowRegistry& r) { return new WindWindow(r); }},
        {QStringLiteral("Dalt"), [](WindowRegistry& r) { return new DaltWindow(r); }},
        {QStringLiteral("Speed"), [](WindowRegistry& r) { return new SpeedWindow(r); }},
        {QStringLiteral("PPNav"), [](WindowRegistry& r) { return new PPNavWindow(r); }},
        {QStringLiteral("LatLong"), [](WindowRegistry& r) { return new LatLongWindow(r); }},
        {QStringLiteral("WB"), [](WindowRegistry& r) { return new WBWindow(r); }},
        {QStringLiteral("Convert"), [](WindowRegistry& r) { return new ConvertWindow(r); }},
        {QStringLiteral("TSD"), [](WindowRegistry& r) { return new TsdWindow(r); }},
        {QStringLiteral("Fuel"), [](WindowRegistry& r) { return new FuelWindow(r); }},
        {QStringLiteral("FindWind"), [](WindowRegistry& r) { return new FindWindWindow(r); }},
        {QStringLiteral("RwyWind"), [](WindowRegistry& r) { return new RunwayWindWindow(r); }},
        {QStringLiteral("MagVar"), [](WindowRegistry& r) { return new MagVarWindow(r); }},
        {QStringLiteral("Climb"), [](WindowRegistry& r) { return new ClimbWindow(r); }},
        {QStringLiteral("Atmos"), [](WindowRegistry& r) { return new AtmosWindow(r); }},
        {QStringLiteral("Cloud"), [](WindowRegistry& r) { return new CloudWindow(r); }},
        {QStringLiteral("About"), [](WindowRegistry& r) { return new AboutWindow(r); }},
        {QStringLiteral("NavLog"), navLogWindow},
        {QStringLiteral("Surprise"), [](WindowRegistry&) { return new SurpriseWindow; }},
        {QStringLiteral("Loading"), loadingWindow},
        {QStringLiteral("Airport"),
         [](WindowRegistry& r) { return new airports::AirportWindow(r); }},
    };
}

// Runs `action`, answering every modal dialog it opens by cancelling it: the navigation
// log's file dialogs and its question about unsaved changes.
void dismissingDialogs(const std::function<void()>& action) {
    QTimer dismiss;
    dismiss.setInterval(5);
    QObject::connect(&dismiss, &QTimer::timeout, &dismiss, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
    dismiss.start();
    action();
}

// Texts the monkey pastes or types: numbers good and bad, words, signs, blanks,
// characters from far outside the keyboard's range, and long runs.
QString randomText(std::mt19937_64& random) {
    static const QStringList pieces = {
        QStringLiteral("0"),     QStringLiteral("7"),
        QStringLiteral("12"),    QStringLiteral("360"),
        QStringLiteral("1000"),  QStringLiteral("29.92"),
        QStringLiteral("-"),     QStringLiteral("."),
        QStringLiteral("/"),     QStringLiteral("-.5"),
        QStringLiteral("1.2.3"), QStringLiteral("3/4"),
        QStringLiteral("nan"),   QStringLiteral("inf"),
        QStringLiteral("-inf"),  QStringLiteral("1e309"),
        QStringLiteral("0x1F"),  QStringLiteral(" "),
        QStringLiteral("\t"),    QStringLiteral("\n"),
        QStringLiteral("°"),     QStringLiteral("é"),
        QStringLiteral("中"),    QStringLiteral("\u202e"),
        QStringLiteral("hi"),    QStringLiteral("abc"),
        QString(QChar(0)),       QStringLiteral("99999999999999999999"),
    };
    QString text;
    const int count = std::uniform_int_distribution<int>(0, 6)(random);
    for (int i = 0; i < count; ++i) {
        text += pieces[std::uniform_int_distribution<qsizetype>(0, pieces.size() - 1)(random)];
    }
    if (std::uniform_int_distribution<int>(0, 30)(random) == 0) {
        text += QString(std::uniform_int_distribution<int>(20, 400)(random), QLatin1Char('9'));
    }
    return text;
}

class Monkey {
public:
    // Drives the window of `rules`; `every` holds the rules of every window it can
    // reach.
    Monkey(const WindowRules& rules, const std::vector<WindowRules>& every, std::uint64_t seed)
        : m_rules(rules), m_random(seed) {
        for (const WindowRules& window : every) {
            Compiled& compiled = m_compiled[QString::fromLatin1(window.name)];
            compiled.rules = &window;
            for (const auto& [label, patterns] : window.results) {
                for (const QString& pattern : patterns) {
                    compiled.results[label].append(
                        QRegularExpression(QRegularExpression::anchoredPattern(pattern)));
                }
            }
            for (const auto& [field, pattern] : window.resultFields) {
                compiled.resultFields.emplace(
                    field, QRegularExpression(QRegularExpression::anchoredPattern(pattern)));
            }
        }
    }

    // Runs up to `steps` steps or until `seconds` have passed; returns the steps done.
    long long run(long long steps, long long seconds) {
        m_program = std::make_unique<TestProgram>(everyWindow());
        m_program->registry().setEndProgram([this] { m_exits++; });
        if (isLauncher()) {
            m_window = m_program->main();
        } else {
            openFromLauncher();
        }
        QElapsedTimer clock;
        clock.start();
        long long done = 0;
        for (; done < steps && !::testing::Test::HasFatalFailure(); ++done) {
            if (done % 256 == 0 && clock.elapsed() > seconds * 1000) {
                break;
            }
            step();
            check();
        }
        m_program.reset();
        return done;
    }

    int exits() const { return m_exits; }
    int reopenings() const { return m_reopenings; }
    // How often results and messages were on screen, and the windows that were.
    long long resultsSeen() const { return m_resultsSeen; }
    long long messagesSeen() const { return m_messagesSeen; }
    QStringList opened() const {
        QStringList names = m_opened.values();
        names.sort();
        return names;
    }

private:
    bool isLauncher() const { return qstrcmp(m_rules.name, "Main") == 0; }
    QString name() const { return QString::fromLatin1(m_rules.name); }
    WindowRegistry& registry() { return m_program->registry(); }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    bool chance(int inN) { return pick(inN) == 0; }
    template <class T>
    T* pickFrom(const QList<T*>& items) {
        return items.isEmpty() ? nullptr : items[pick(static_cast<int>(items.size()))];
    }

    void note(const QString& what) {
        m_recent.push_back(what);
        if (m_recent.size() > 12) {
            m_recent.pop_front();
        }
    }
    std::string recent() const {
        std::string text;
        for (const QString& what : m_recent) {
            text += "\n  " + what.toStdString();
        }
        return text;
    }

    // The window under test, as the launcher opens it: its button or its menu entry.
    void openFromLauncher() {
        QWidget* launcher = m_program->main();
        ASSERT_NE(launcher, nullptr);
        ASSERT_TRUE(launcher->isVisible()) << "the launcher is not back" << recent();
        if (m_rules.launcherButton != nullptr && chance(2)) {
            test::click(
                test::child<QPushButton>(launcher, QString::fromLatin1(m_rules.launcherButton)));
        } else {
            test::child<QAction>(launcher, QString::fromLatin1(m_rules.launcherEntry))->trigger();
        }
        m_window = registry().window(name());
        ASSERT_NE(m_window, nullptr) << "the launcher did not open " << m_rules.name << recent();
        ASSERT_TRUE(m_window->isVisible());
        ASSERT_FALSE(launcher->isVisible()) << "the launcher stays open beside " << m_rules.name;
        QApplication::setActiveWindow(m_window);
        m_reopenings++;
        remember(m_window);
    }

    // The texts a window starts with are its own: static captions and blank results,
    // and for the stored fields what the store gave them.
    void remember(QWidget* window) {
        window->setProperty("monkeyRemembered", true);
        m_opened.insert(window->objectName());
        for (QLabel* label : window->findChildren<QLabel*>()) {
            m_initial[label] = label->text();
        }
        for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
            m_maxLength[field] = {field, field->maxLength()};
            m_allowance.remove(field);
        }
    }

    // The top-level windows on screen, launcher included.
    static QList<QWidget*> shownWindows() {
        QList<QWidget*> shown;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && qobject_cast<QMenu*>(window) == nullptr) {
                shown.append(window);
            }
        }
        return shown;
    }

    // One random thing a user does.
    void step() {
        // The launcher test drives the launcher and whatever it opens.
        QWidget* target = m_window;
        if (isLauncher()) {
            target = pickFrom(shownWindows());
            if (target == nullptr) {
                ADD_FAILURE() << "no window on screen" << recent();
                return;
            }
        } else if (QWidget* credits = registry().window(QStringLiteral("Surprise"));
                   credits != nullptr && chance(4)) {
            target = credits;  // the About window's credits, once opened
        } else if (m_window != nullptr && !m_window->isVisible()) {
            // A window it opened stands in its place (the Airport window from the log)
            // until it closes and gives the window back.
            for (QWidget* shown : shownWindows()) {
                if (registry().window(shown->objectName()) == shown) {
                    target = shown;
                }
            }
        }
        if (target == nullptr) {
            return;
        }
        if (QApplication::activeWindow() != target) {
            QApplication::setActiveWindow(target);
        }

        const int kind = pick(100);
        if (kind < 30) {
            typeKey(target);
        } else if (kind < 45) {
            typeNumber(target);
        } else if (kind < 55) {
            editingKey(target);
        } else if (kind < 62) {
            pasteText(target);
        } else if (kind < 70) {
            focusField(target);
        } else if (kind < 80) {
            clickButton(target, /*options=*/true);
        } else if (kind < 86) {
            clickButton(target, /*options=*/false);
        } else if (kind < 90) {
            tickTimer(target);
        } else if (kind < 93) {
            menuEntry(target);
        } else if (kind < 94 && chance(3)) {
            closeWindow(target);
        } else if (kind < 96 && target == m_program->main()) {
            note(QStringLiteral("double-click on the launcher"));
            QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier,
                               QPoint(3, target->height() - 3));
        } else {
            typeText(target);
        }
        afterStep();
    }

    // Closed windows are deleted and the launcher must be back; the window under test
    // is opened again, from its launcher button or its menu entry.
    void afterStep() {
        TestProgram::settle();
        if (isLauncher()) {
            if (!m_program->main()->isVisible()) {
                // A calculator or About is open: it must be one of the program's.
                bool open = false;
                for (const auto& [window, factory] : everyWindow()) {
                    if (QWidget* w = registry().window(window); w != nullptr && w->isVisible()) {
                        open = true;
                    }
                }
                ASSERT_TRUE(open) << "the launcher is hidden and nothing else is open" << recent();
            }
            return;
        }
        if (!registry().isLoaded(name())) {
            note(QStringLiteral("reopen"));
            openFromLauncher();
        }
    }

    QLineEdit* focusedField(QWidget* window) {
        auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (focused != nullptr && focused->window() == window && !chance(5)) {
            return focused;
        }
        return pickFrom(window->findChildren<QLineEdit*>());
    }
    QWidget* keyTarget(QWidget* window) {
        QWidget* focused = QApplication::focusWidget();
        if (focused != nullptr && focused->window() == window &&
            (qobject_cast<QLineEdit*>(focused) != nullptr ? !chance(5) : chance(4))) {
            return focused;  // a focused button takes Space too
        }
        if (QLineEdit* field = focusedField(window)) {
            return field;
        }
        return window;
    }

    static Qt::Key keyOf(QChar c) {
        if (c.isLetterOrNumber() && c.unicode() < 128) {
            return static_cast<Qt::Key>(c.toUpper().unicode());
        }
        switch (c.unicode()) {
            case ' ':
                return Qt::Key_Space;
            case '-':
                return Qt::Key_Minus;
            case '.':
                return Qt::Key_Period;
            case '/':
                return Qt::Key_Slash;
            default:
                return Qt::Key_unknown;
        }
    }

    void sendCharacter(QWidget* to, QChar c) {
        QTest::sendKeyEvent(QTest::Click, to, keyOf(c), QString(c), Qt::NoModifier);
    }

    // A key with a character: mostly those numeric fields take, any code up to 255,
    // and characters from much further out.
    void typeKey(QWidget* window) {
        QWidget* to = keyTarget(window);
        const int which = pick(10);
        QChar c;
        if (which < 5) {
            c = QChar(u"-./0123456789"[pick(13)]);
        } else if (which < 8) {
            c = QChar(static_cast<char16_t>(pick(256)));
        } else if (which < 9) {
            c = QChar(static_cast<char16_t>(0x100 + pick(0xd000)));
        } else {
            c = QChar(u"hiHI nN"[pick(7)]);
        }
        note(QStringLiteral("key %1 to %2").arg(c.unicode()).arg(to->objectName()));
        if (c.unicode() == 8) {
            QTest::keyClick(to, Qt::Key_Backspace);
        } else if (c.unicode() == 13) {
            QTest::keyClick(to, Qt::Key_Return);
        } else if (c.unicode() == 27) {
            QTest::keyClick(to, Qt::Key_Escape);
        } else if (c.unicode() == 9) {
            QTest::keyClick(to, Qt::Key_Tab);
        } else {
            sendCharacter(to, c);
        }
    }

    // A number of the size pilots type, into the focused field, then Enter: enough of
    // these fill a window with entries that pass its checks.
    void typeNumber(QWidget* window) {
        QLineEdit* field = focusedField(window);
        if (field == nullptr) {
            return;
        }
        QString number;
        switch (pick(5)) {
            case 0:
                number = QString::number(pick(10));
                break;
            case 1:
                number = QString::number(pick(400));
                break;
            case 2:
                number = QStringLiteral("%1.%2").arg(27 + pick(9)).arg(pick(100));
                break;
            case 3:
                number = QStringLiteral("-%1").arg(pick(60));
                break;
            default:
                number = QString::number(pick(40000));
                break;
        }
        note(QStringLiteral("number %1 into %2").arg(number, field->objectName()));
        if (!chance(4)) {
            field->selectAll();
        }
        for (const QChar c : number) {
            sendCharacter(field, c);
        }
        if (chance(2)) {
            QTest::keyClick(field, Qt::Key_Return);
        }
    }

    void typeText(QWidget* window) {
        QWidget* to = keyTarget(window);
        const QString text = chance(3) ? QStringLiteral("hi") : randomText(m_random);
        note(QStringLiteral("type \"%1\" to %2").arg(text.left(40), to->objectName()));
        for (const QChar c : text) {
            sendCharacter(to, c);
            if (!registry().isLoaded(name()) && !isLauncher()) {
                return;  // a focused button took a space and closed the window
            }
        }
        QTest::keyClick(to, Qt::Key_Return);
    }

    void editingKey(QWidget* window) {
        static const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        } keys[] = {
            {Qt::Key_Return, Qt::NoModifier},
            {Qt::Key_Enter, Qt::KeypadModifier},
            {Qt::Key_Backspace, Qt::NoModifier},
            {Qt::Key_Delete, Qt::NoModifier},
            {Qt::Key_Home, Qt::NoModifier},
            {Qt::Key_End, Qt::NoModifier},
            {Qt::Key_Left, Qt::NoModifier},
            {Qt::Key_Right, Qt::ShiftModifier},
            {Qt::Key_Left, Qt::ShiftModifier},
            {Qt::Key_Tab, Qt::NoModifier},
            {Qt::Key_Backtab, Qt::ShiftModifier},
            {Qt::Key_Escape, Qt::NoModifier},
            {Qt::Key_A, Qt::ControlModifier},
            {Qt::Key_C, Qt::ControlModifier},
            {Qt::Key_X, Qt::ControlModifier},
            {Qt::Key_V, Qt::ControlModifier},
            {Qt::Key_Z, Qt::ControlModifier},
            {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
            {Qt::Key_Y, Qt::ControlModifier},
            {Qt::Key_Insert, Qt::ShiftModifier},
            {Qt::Key_Delete, Qt::ShiftModifier},
            {Qt::Key_Backspace, Qt::ControlModifier},
            {Qt::Key_Space, Qt::NoModifier},
            {Qt::Key_Up, Qt::NoModifier},
            {Qt::Key_Down, Qt::NoModifier},
        };
        const auto& k = keys[pick(static_cast<int>(std::size(keys)))];
        QWidget* to = keyTarget(window);
        note(QStringLiteral("key 0x%1 mod 0x%2 to %3")
                 .arg(k.key, 0, 16)
                 .arg(k.modifiers.toInt(), 0, 16)
                 .arg(to->objectName()));
        QTest::keyClick(to, k.key, k.modifiers);
    }

    void pasteText(QWidget* window) {
        QLineEdit* field = focusedField(window);
        if (field == nullptr) {
            return;
        }
        const QString text = randomText(m_random);
        note(QStringLiteral("paste \"%1\" into %2").arg(text.left(40), field->objectName()));
        QApplication::clipboard()->setText(text);
        if (chance(2)) {
            field->selectAll();
        }
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

    void focusField(QWidget* window) {
        if (QLineEdit* field = pickFrom(window->findChildren<QLineEdit*>())) {
            note(QStringLiteral("click into %1").arg(field->objectName()));
            QTest::mouseClick(field, Qt::LeftButton);
        }
    }

    // A button of the window, or one of its option buttons. The Close buttons are
    // among them.
    void clickButton(QWidget* window, bool options) {
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            if (b->isVisible() && (qobject_cast<QRadioButton*>(b) != nullptr) == options) {
                buttons.append(b);
            }
        }
        QAbstractButton* b = pickFrom(buttons);
        // A click on Close ends the window's session: one in ten, or the fields would
        // seldom fill before the window is gone.
        if (b != nullptr && b->objectName() == QStringLiteral("Command1") &&
            window != m_program->main() && !chance(10)) {
            b = pickFrom(buttons);
        }
        if (b != nullptr) {
            note(QStringLiteral("click %1").arg(b->objectName()));
            test::click(b);
        }
    }

    void tickTimer(QWidget* window) {
        QList<QTimer*> running;
        for (QTimer* t : window->findChildren<QTimer*>()) {
            if (t->isActive() && !t->objectName().isEmpty()) {
                running.append(t);
            }
        }
        if (QTimer* t = pickFrom(running)) {
            note(QStringLiteral("tick %1").arg(t->objectName()));
            QTimerEvent event(t->timerId());
            QCoreApplication::sendEvent(t, &event);
        }
    }

    // A menu entry; the Help boxes are modal and are answered with OK.
    void menuEntry(QWidget* window) {
        QList<QAction*> entries;
        for (QAction* a : window->findChildren<QAction*>()) {
            if (!a->isSeparator() && a->menu() == nullptr && !a->objectName().isEmpty() &&
                a->isEnabled()) {
                entries.append(a);
            }
        }
        QAction* entry = pickFrom(entries);
        if (entry == nullptr) {
            return;
        }
        note(QStringLiteral("menu %1").arg(entry->objectName()));
        if (entry->text().startsWith(QStringLiteral("Help")) ||
            entry->objectName().compare(QStringLiteral("menuHelp"), Qt::CaseInsensitive) == 0) {
            // Help boxes are slow to open and close: one in ten.
            if (chance(10)) {
                const test::MessageBoxSeen seen =
                    test::captureMessageBox([entry] { entry->trigger(); });
                EXPECT_TRUE(seen.shown) << entry->objectName().toStdString();
            }
            return;
        }
        dismissingDialogs([entry] { entry->trigger(); });
    }

    void closeWindow(QWidget* window) {
        if (window == m_program->main()) {
            return;  // the launcher has no way to close but Exit, which the menu covers
        }
        const QString what = window->objectName();
        switch (pick(3)) {
            case 0:
                if (auto* close = window->findChild<QPushButton*>(QStringLiteral("Command1"))) {
                    note(QStringLiteral("close %1 by its button").arg(what));
                    dismissingDialogs([close] { test::click(close); });
                    break;
                }
                [[fallthrough]];
            case 1:
                note(QStringLiteral("close %1 by its close box").arg(what));
                dismissingDialogs([window] { window->close(); });
                break;
            default:
                for (QAction* a : window->findChildren<QAction*>()) {
                    if (a->text() == QStringLiteral("Close")) {
                        note(QStringLiteral("close %1 by its menu").arg(what));
                        dismissingDialogs([a] { a->trigger(); });
                        return;
                    }
                }
                note(QStringLiteral("close %1 by its close box").arg(what));
                dismissingDialogs([window] { window->close(); });
                break;
        }
    }

    // Every text on screen is one the window can show.
    void check() {
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
        const QList<QWidget*> shown = shownWindows();
        ASSERT_FALSE(shown.isEmpty()) << "no window on screen" << recent();
        const QWidget* launcher = m_program->main();
        ASSERT_NE(launcher, nullptr) << "the launcher is gone" << recent();
        for (QWidget* window : shown) {
            if (!window->property("monkeyRemembered").toBool()) {
                remember(window);
            }
            for (QLabel* label : window->findChildren<QLabel*>()) {
                checkLabel(label);
            }
            for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
                checkField(field);
            }
            for (QTableWidget* table : window->findChildren<QTableWidget*>()) {
                checkTable(table);
            }
        }
        // Either the launcher or a window that gives it back is on screen.
        bool launcherOrWindow = launcher->isVisible();
        for (QWidget* window : shown) {
            launcherOrWindow =
                launcherOrWindow || registry().window(window->objectName()) == window;
        }
        ASSERT_TRUE(launcherOrWindow)
            << "neither the launcher nor a window of the program" << recent();
    }

    static bool garbage(const QString& text) {
        static const QRegularExpression nanOrInf(QStringLiteral("nan|inf"),
                                                 QRegularExpression::CaseInsensitiveOption);
        return text.contains(nanOrInf);
    }

    void checkLabel(QLabel* label) {
        const QString text = label->text();
        const QString name = label->objectName();
        const Compiled& own = rulesOf(label->window());
        if (own.rules != nullptr && own.rules->freeFields.contains(name)) {
            return;  // what the user typed, shown back
        }
        ASSERT_FALSE(garbage(text))
            << name.toStdString() << " shows " << text.toStdString() << recent();
        if (text == m_initial.value(label)) {
            return;
        }
        const Compiled& rules = rulesOf(label->window());
        ASSERT_NE(rules.rules, nullptr)
            << "a window of no rules: " << label->window()->objectName().toStdString();
        if (rules.rules->errorLabel != nullptr &&
            name == QString::fromLatin1(rules.rules->errorLabel)) {
            // Hyphenated words too ("take-off").
            static const QRegularExpression words(QRegularExpression::anchoredPattern(
                QStringLiteral("[A-Za-z][A-Za-z0-9' ,/!.:°-]*")));
            ASSERT_TRUE(words.match(text).hasMatch())
                << "message " << text.toStdString() << recent();
            m_messagesSeen += label->isVisible() ? 1 : 0;
            return;
        }
        const auto rule = rules.results.find(name);
        ASSERT_NE(rule, rules.results.end())
            << name.toStdString() << " changed to \"" << text.toStdString() << "\"" << recent();
        for (const QRegularExpression& pattern : rule->second) {
            if (pattern.match(text).hasMatch()) {
                m_resultsSeen += label->isVisible() && !text.isEmpty() ? 1 : 0;
                return;
            }
        }
        FAIL() << name.toStdString() << " shows \"" << text.toStdString() << "\"" << recent();
    }

    void checkTable(QTableWidget* table) {
        const auto rules = airportTables().find(table->objectName());
        if (rules == airportTables().end() || !table->isVisible()) {
            return;
        }
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString& pattern = rules->second.at(static_cast<std::size_t>(column));
            if (pattern.isNull()) {
                continue;
            }
            const QRegularExpression shape(QRegularExpression::anchoredPattern(pattern));
            for (int row = 0; row < table->rowCount(); ++row) {
                const QTableWidgetItem* cell = table->item(row, column);
                const QString text = cell != nullptr ? cell->text() : QString();
                ASSERT_TRUE(shape.match(text).hasMatch())
                    << table->objectName().toStdString() << " row " << row << " column " << column
                    << " shows \"" << text.toStdString() << "\"" << recent();
                m_resultsSeen += text.isEmpty() ? 0 : 1;
            }
        }
    }

    void checkField(QLineEdit* field) {
        const QString text = field->text();
        const QString name = field->objectName();
        const Compiled& rules = rulesOf(field->window());
        if (rules.rules != nullptr && rules.rules->freeFields.contains(name)) {
            return;  // any text the user typed
        }
        if (qobject_cast<QAbstractItemView*>(field->parentWidget()->parentWidget()) != nullptr) {
            return;  // a table cell's editor, holding what the user types into the cell
        }
        ASSERT_FALSE(garbage(text))
            << name.toStdString() << " shows " << text.toStdString() << recent();
        static const QRegularExpression typeable(
            QRegularExpression::anchoredPattern(QStringLiteral("[-./0-9:]*")));
        ASSERT_TRUE(typeable.match(text).hasMatch())
            << name.toStdString() << " holds \"" << text.toStdString() << "\"" << recent();
        // A field remembered when its window opened; one built since (the loading window's
        // rows for another aircraft) may stand where a deleted one stood.
        const auto remembered = m_maxLength.constFind(field);
        const int limit = remembered != m_maxLength.cend() && remembered->field == field
                              ? remembered->maxLength
                              : field->maxLength();
        if (text.size() <= limit) {
            m_allowance.remove(field);  // the field is back to its typing limit
            return;
        }
        // Only a result the program wrote may be longer than what can be typed. While
        // such a result stands, the field takes edits up to its length.
        const auto pattern = rules.resultFields.find(name);
        const bool result =
            pattern != rules.resultFields.end() && pattern->second.match(text).hasMatch();
        if (result) {
            m_allowance[field] = std::max(m_allowance.value(field), static_cast<int>(text.size()));
            return;
        }
        ASSERT_LE(text.size(), m_allowance.value(field, limit))
            << name.toStdString() << " holds \"" << text.toStdString() << "\", longer than "
            << limit << " and than any result it showed" << recent();
    }

    struct Compiled {
        const WindowRules* rules = nullptr;
        std::map<QString, QList<QRegularExpression>> results;
        std::map<QString, QRegularExpression> resultFields;
    };
    const Compiled& rulesOf(const QWidget* window) const {
        static const Compiled none;
        const auto it = m_compiled.find(window->objectName());
        return it == m_compiled.end() ? none : it->second;
    }

    const WindowRules& m_rules;
    std::mt19937_64 m_random;
    std::unique_ptr<TestProgram> m_program;
    QPointer<QWidget> m_window;
    std::map<QString, Compiled> m_compiled;
    QHash<const QLabel*, QString> m_initial;
    struct Remembered {
        QPointer<QLineEdit> field;
        int maxLength = 0;
    };
    QHash<const QLineEdit*, Remembered> m_maxLength;
    QHash<const QLineEdit*, int> m_allowance;
    std::deque<QString> m_recent;
    int m_exits = 0;
    int m_reopenings = 0;
    long long m_resultsSeen = 0;
    long long m_messagesSeen = 0;
    QSet<QString> m_opened;
};

// The calculators, the About window (and through it the credits) and the
// launcher (and through it all of them).
class MonkeyTest : public ::testing::TestWithParam<const char*> {};

TEST_P(MonkeyTest, ShowsNothingButWhatTheWindowCanShow) {
    const std::vector<WindowRules> windows = allWindows();
    const auto rules = std::find_if(windows.begin(), windows.end(), [](const WindowRules& w) {
        return qstrcmp(w.name, GetParam()) == 0;
    });
    ASSERT_NE(rules, windows.end());
    static const std::uint64_t baseSeed = [] {
        const long long given = environmentNumber("AEROLUME_MONKEY_SEED", -1);
        return given >= 0 ? static_cast<std::uint64_t>(given) : std::random_device()();
    }();
    const std::uint64_t seed = baseSeed + static_cast<std::uint64_t>(rules - windows.begin());
    const long long steps = environmentNumber("AEROLUME_MONKEY_STEPS", 16000);
    const long long seconds = environmentNumber("AEROLUME_MONKEY_SECONDS", 300);
    std::printf("monkey on %s: seed %llu (AEROLUME_MONKEY_SEED=%llu replays this run)\n",
                rules->name, static_cast<unsigned long long>(seed),
                static_cast<unsigned long long>(baseSeed));
    if (g_previousHandler == nullptr) {
        g_previousHandler = qInstallMessageHandler(quietFonts);
    }
    test::removeStore();
    Monkey monkey(*rules, windows, seed);
    const long long done = monkey.run(steps, seconds);
    std::printf(
        "monkey on %s: %lld steps, %d openings, %d exits asked; results on screen %lld times, "
        "messages %lld times; windows seen: %s\n",
        rules->name, done, monkey.reopenings(), monkey.exits(), monkey.resultsSeen(),
        monkey.messagesSeen(), qPrintable(monkey.opened().join(QLatin1Char(' '))));
    EXPECT_GT(done, 0);
    test::removeStore();
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, MonkeyTest,
                         ::testing::Values("Wind", "Dalt", "Speed", "PPNav", "LatLong", "WB",
                                           "Convert", "TSD", "Fuel", "FindWind", "RwyWind", "Climb",
                                           "Atmos", "Cloud", "MagVar", "NavLog", "Loading",
                                           "Airport", "About", "Main"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });

}  // namespace
}  // namespace aerolume
