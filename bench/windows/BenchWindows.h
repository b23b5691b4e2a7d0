// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's windows as the benchmarks see them: registered by name as the program
// registers them, each with the launcher button or Compute menu entry that opens it, and
// the answers to measure on it. A calculator whose window is not in the source tree yet is listed
// with no factory and reported as missing.

#include <QAction>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <utility>
#include <vector>

#include "shell/LauncherWindow.h"
#include "shell/WindowRegistry.h"

#if __has_include("navigation/WindWindow.h")
#include "navigation/WindWindow.h"
#define AEROLUME_BENCH_WIND 1
#endif
#if __has_include("airdata/DaltWindow.h")
#include "airdata/DaltWindow.h"
#define AEROLUME_BENCH_DALT 1
#endif
#if __has_include("airdata/SpeedWindow.h")
#include "airdata/SpeedWindow.h"
#define AEROLUME_BENCH_SPEED 1
#endif
#if __has_include("navigation/PPNavWindow.h")
#include "navigation/PPNavWindow.h"
#define AEROLUME_BENCH_PPNAV 1
#endif
#if __has_include("navigation/LatLongWindow.h")
#include "navigation/LatLongWindow.h"
#define AEROLUME_BENCH_LATLONG 1
#endif
#if __has_include("loading/WBWindow.h")
#include "loading/WBWindow.h"
#define AEROLUME_BENCH_WB 1
#endif
#if __has_include("conversions/ConvertWindow.h")
#include "conversions/ConvertWindow.h"
#define AEROLUME_BENCH_CONVERT 1
#endif
#if __has_include("navigation/TsdWindow.h")
#include "navigation/FindWindWindow.h"
#include "navigation/FuelWindow.h"
#include "navigation/RunwayWindWindow.h"
#include "navigation/TsdWindow.h"
#define AEROLUME_BENCH_SECOND_GROUP 1
#endif
#if __has_include("navigation/ClimbWindow.h")
#include "navigation/ClimbWindow.h"
#define AEROLUME_BENCH_CLIMB 1
#endif
#if __has_include("airdata/AtmosWindow.h")
#include "airdata/AtmosWindow.h"
#define AEROLUME_BENCH_ATMOS 1
#endif
#if __has_include("airdata/CloudWindow.h")
#include "airdata/CloudWindow.h"
#define AEROLUME_BENCH_CLOUD 1
#endif

namespace aerolume::bench {

struct Calculator {
    QString name;                     // the window's name in the registry
    QString launcherButton;           // the launcher button, or Compute menu entry, that opens it
    WindowRegistry::Factory factory;  // empty while the window does not exist yet
};

template <class W>
WindowRegistry::Factory factoryOf() {
    return [](WindowRegistry& r) { return new W(r); };
}

// In the order of the launcher's buttons, then of the Compute menu's second group.
inline std::vector<Calculator> calculators() {
    std::vector<Calculator> list = {
        {QStringLiteral("Convert"), QStringLiteral("Command6"), {}},
        {QStringLiteral("Dalt"), QStringLiteral("Command4"), {}},
        {QStringLiteral("LatLong"), QStringLiteral("Command9"), {}},
        {QStringLiteral("PPNav"), QStringLiteral("Command5"), {}},
        {QStringLiteral("Speed"), QStringLiteral("Command8"), {}},
        {QStringLiteral("WB"), QStringLiteral("Command10"), {}},
        {QStringLiteral("Wind"), QStringLiteral("Command2"), {}},
        // The second group of the Compute menu, opened from its entries.
        {QStringLiteral("TSD"), QStringLiteral("menuTSD"), {}},
        {QStringLiteral("Fuel"), QStringLiteral("menuFuel"), {}},
        {QStringLiteral("FindWind"), QStringLiteral("menuFindWind"), {}},
        {QStringLiteral("RwyWind"), QStringLiteral("menuRwyWind"), {}},
        {QStringLiteral("Climb"), QStringLiteral("menuClimb"), {}},
        {QStringLiteral("Atmos"), QStringLiteral("menuAtmos"), {}},
        {QStringLiteral("Cloud"), QStringLiteral("menuCloud"), {}},
    };
    auto set = [&list](const char* name, WindowRegistry::Factory factory) {
        for (Calculator& c : list) {
            if (c.name == QLatin1String(name)) {
                c.factory = std::move(factory);
            }
        }
    };
#ifdef AEROLUME_BENCH_CONVERT
    set("Convert", factoryOf<ConvertWindow>());
#endif
#ifdef AEROLUME_BENCH_DALT
    set("Dalt", factoryOf<DaltWindow>());
#endif
#ifdef AEROLUME_BENCH_LATLONG
    set("LatLong", factoryOf<LatLongWindow>());
#endif
#ifdef AEROLUME_BENCH_PPNAV
    set("PPNav", factoryOf<PPNavWindow>());
#endif
#ifdef AEROLUME_BENCH_SPEED
    set("Speed", factoryOf<SpeedWindow>());
#endif
#ifdef AEROLUME_BENCH_WB
    set("WB", factoryOf<WBWindow>());
#endif
#ifdef AEROLUME_BENCH_WIND
    set("Wind", factoryOf<WindWindow>());
#endif
#ifdef AEROLUME_BENCH_SECOND_GROUP
    set("TSD", factoryOf<TsdWindow>());
    set("Fuel", factoryOf<FuelWindow>());
    set("FindWind", factoryOf<FindWindWindow>());
    set("RwyWind", factoryOf<RunwayWindWindow>());
#endif
#ifdef AEROLUME_BENCH_CLIMB
    set("Climb", factoryOf<ClimbWindow>());
#endif
#ifdef AEROLUME_BENCH_ATMOS
    set("Atmos", factoryOf<AtmosWindow>());
#endif
#ifdef AEROLUME_BENCH_CLOUD
    set("Cloud", factoryOf<CloudWindow>());
#endif
    (void)set;
    return list;
}

// Opens a calculator as the pilot does: a click on its launcher button, or its Compute
// menu entry. False when the launcher has neither by that name.
inline bool openFromLauncher(QWidget* launcher, const QString& opener) {
    if (launcher == nullptr) {
        return false;
    }
    if (auto* button = launcher->findChild<QPushButton*>(opener)) {
        QTest::mouseClick(button, Qt::LeftButton);
        return true;
    }
    if (auto* entry = launcher->findChild<QAction*>(opener)) {
        entry->trigger();
        return true;
    }
    return false;
}

// A registry holding the launcher and every calculator there is.
inline void registerAll(WindowRegistry& registry) {
    registry.registerWindow(QStringLiteral("Main"),
                            [](WindowRegistry& r) { return new LauncherWindow(r); });
    for (const Calculator& c : calculators()) {
        if (c.factory) {
            registry.registerWindow(c.name, c.factory);
        }
    }
}

// One answer of a window: the entries typed first, then, before each measured run, one
// field retyped with the next of two texts (so every run changes the results), then
// Enter in a field or a click on a button, after which every result must be non-empty
// and the error label hidden.
struct Answer {
    QString window;
    QString title;  // what is measured, for the table
    std::vector<std::pair<QString, QString>> entries;
    QString varied;
    std::pair<QString, QString> variants;
    enum class By { Enter, Click } by;
    QString target;  // the field Enter is pressed in, or the button clicked
    std::vector<QString> results;
    QString errorLabel = QStringLiteral("ErrorLbl");
};

inline std::vector<Answer> answers() {
    using By = Answer::By;
    using E = std::vector<std::pair<QString, QString>>;
    auto s = [](const char* text) { return QString::fromLatin1(text); };
    std::vector<Answer> list;
    auto both = [&list](Answer enter, const QString& button) {
        Answer click = enter;
        enter.title = QStringLiteral("Enter in ") + enter.target;
        list.push_back(enter);
        click.by = By::Click;
        click.title = QStringLiteral("click on ") + button;
        click.target = button;
        list.push_back(click);
    };
    const QString compute = s("Command2");

    both({s("Wind"),
          {},
          E{{s("txtWind"), s("90")}, {s("txtWindVel"), s("20")}, {s("txtTC"), s("0")}},
          s("txtTAS"),
          {s("100"), s("120")},
          By::Enter,
          s("txtTAS"),
          {s("LblWCA"), s("LblTHeading"), s("LblGS")}},
         compute);
    both({s("Dalt"),
          {},
          E{{s("txtMSL"), s("5000")}, {s("txtAlt"), s("30.12")}},
          s("CTemp"),
          {s("25"), s("15")},
          By::Enter,
          s("CTemp"),
          {s("DenAlt"), s("PAlt")}},
         compute);
    both({s("Speed"),
          {},
          E{{s("txtCAS"), s("250")}, {s("txtMSL"), s("10000")}, {s("txtBaro"), s("30.12")}},
          s("txtOAT"),
          {s("-5"), s("5")},
          By::Enter,
          s("txtOAT"),
          {s("TAS"), s("Mach")}},
         compute);
    both(
        {s("PPNav"),
         {},
         E{{s("P1"), s("29.92")}, {s("P2"), s("30.12")}, {s("Lat"), s("40")}, {s("TAS"), s("200")}},
         s("Dist"),
         {s("500"), s("800")},
         By::Enter,
         s("Dist"),
         {s("Drift"), s("WindCA")},
         s("lblError")},
        compute);
    both({s("LatLong"),
          {},
          E{{s("txtDepLatDeg"), s("33")},
            {s("txtDepLatMin"), s("57")},
            {s("txtDepLatSec"), s("0")},
            {s("txtDepLongDeg"), s("118")},
            {s("txtDepLongMin"), s("24")},
            {s("txtDepLongSec"), s("0")},
            {s("txtDestLatDeg"), s("40")},
            {s("txtDestLatMin"), s("38")},
            {s("txtDestLatSec"), s("0")},
            {s("txtDestLongDeg"), s("73")},
            {s("txtDestLongMin"), s("47")}},
          s("txtDestLongSec"),
          {s("0"), s("30")},
          By::Enter,
          s("txtDestLongSec"),
          {s("Dist"), s("TC"), s("RTC"), s("RDist")}},
         compute);
    both({s("WB"),
          {},
          E{{s("txtW1"), s("1500")},
            {s("txtD1"), s("85")},
            {s("txtW2"), s("240")},
            {s("txtD2"), s("95")},
            {s("txtW3"), s("340")},
            {s("txtD3"), s("80.5")},
            {s("txtW8"), s("40")}},
          s("txtD8"),
          {s("120"), s("140")},
          By::Enter,
          s("txtD8"),
          {s("GW"), s("CG")}},
         compute);
    both({s("TSD"),
          {},
          E{{s("txtDist"), s("120")}, {s("txtGS"), s("")}},
          s("txtTime"),
          {s("1:05"), s("0:55")},
          By::Enter,
          s("txtTime"),
          {s("LblDist"), s("LblGS"), s("LblTime")}},
         compute);
    both({s("Fuel"),
          {},
          E{{s("txtFlow"), s("9.5")}, {s("txtAmount"), s("")}},
          s("txtTime"),
          {s("2:30"), s("3:15")},
          By::Enter,
          s("txtAmount"),
          {s("LblFlow"), s("LblTime"), s("LblAmount"), s("LblGal"), s("LblLitre"), s("LblLb"),
           s("LblKg")}},
         compute);
    both({s("FindWind"),
          {},
          E{{s("txtTH"), s("95")}, {s("txtTAS"), s("120")}, {s("txtTC"), s("90")}},
          s("txtGS"),
          {s("105"), s("130")},
          By::Enter,
          s("txtGS"),
          {s("LblWindDir"), s("LblWindSpeed"), s("LblHeadwind"), s("LblCrosswind")}},
         compute);
    both({s("RwyWind"),
          {},
          E{{s("txtRwy"), s("27")}, {s("txtWindDir"), s("300")}, {s("txtWindSpeed"), s("15")}},
          s("txtGust"),
          {s("25"), s("30")},
          By::Enter,
          s("txtGust"),
          {s("LblHeadwind"), s("LblCrosswind"), s("LblGustHeadwind"), s("LblGustCrosswind")}},
         compute);

    // The conversions window has no Compute! button: Enter converts in most of its
    // sections and a click on a unit button in the distance and volume sections.
    const std::pair<const char*, const char*> conversions[] = {
        {"Fahr", "Cels"}, {"HG", "MB"}, {"txtLb", "txtKg"}, {"txtFT", "txtM"}};
    for (const auto& [from, into] : conversions) {
        list.push_back({s("Convert"),
                        QStringLiteral("Enter in ") + s(from),
                        {},
                        s(from),
                        {s("59"), s("30")},
                        By::Enter,
                        s(from),
                        {s(into)},
                        QString()});
    }
    list.push_back({s("Convert"),
                    s("Enter in Angle"),
                    E{{s("WindVel"), s("20")}},
                    s("Angle"),
                    {s("30"), s("60")},
                    By::Enter,
                    s("Angle"),
                    {s("Label18")},
                    QString()});
    list.push_back({s("Convert"),
                    s("Enter in txtFPNM"),
                    E{{s("txtGS"), s("120")}},
                    s("txtFPNM"),
                    {s("300"), s("400")},
                    By::Enter,
                    s("txtFPNM"),
                    {s("txtFPM")},
                    QString()});
    list.push_back({s("Convert"),
                    s("click on OptNM"),
                    {},
                    s("Dist"),
                    {s("100"), s("250")},
                    By::Click,
                    s("OptNM"),
                    {s("NM"), s("SM"), s("KM")},
                    QString()});
    list.push_back({s("Convert"),
                    s("click on optGal"),
                    {},
                    s("Vol"),
                    {s("50"), s("80")},
                    By::Click,
                    s("optGal"),
                    {s("USGal"), s("ImpGal"), s("Lit")},
                    QString()});

    both({s("Climb"),
          {},
          E{{s("txtFrom"), s("3000")}, {s("txtTo"), s("0")}, {s("txtGS"), s("120")}},
          s("txtAngle"),
          {s("3"), s("4")},
          By::Enter,
          s("txtGradient"),
          {s("LblVS"), s("LblAngle"), s("LblGradient"), s("LblTime"), s("LblDist")}},
         compute);
    both({s("Atmos"),
          {},
          E{{s("txtAlt"), s("4500")}, {s("txtSetting"), s("1021")}, {s("txtOAT"), s("24")}},
          s("txtElev"),
          {s("1200"), s("0")},
          By::Enter,
          s("txtElev"),
          {s("LblPA"), s("LblDA"), s("LblTrueAlt"), s("LblSoundSpeed")}},
         compute);
    both({s("Cloud"),
          {},
          E{{s("txtTemp"), s("20")}, {s("txtDew"), s("10")}},
          s("txtElev"),
          {s("1000"), s("0")},
          By::Enter,
          s("txtElev"),
          {s("LblBaseAgl"), s("LblBaseMsl"), s("LblFreezing")}},
         compute);
    return list;
}

}  // namespace aerolume::bench
