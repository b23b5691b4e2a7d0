// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramRegistry.h"

#include "aircraft/LoadingWindow.h"
#include "airdata/AtmosWindow.h"
#include "airdata/CloudWindow.h"
#include "airdata/DaltWindow.h"
#include "airdata/SpeedWindow.h"
#include "airports/AirportCaptions.h"
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
#include "shell/AboutWindow.h"
#include "shell/LauncherWindow.h"
#include "shell/SurpriseWindow.h"

namespace aerolume {
namespace {

// A factory for a window whose constructor takes the registry.
template <typename Window>
WindowRegistry::Factory make() {
    return [](WindowRegistry& r) { return new Window(r); };
}

}  // namespace

void registerProgramWindows(WindowRegistry& registry) {
    const std::pair<const char*, WindowRegistry::Factory> windows[] = {
        {"Main", make<LauncherWindow>()},
        {"Wind", make<WindWindow>()},
        {"LatLong", make<LatLongWindow>()},
        {"PPNav", make<PPNavWindow>()},
        {"WB", make<WBWindow>()},
        {"About",
         [](WindowRegistry& r) {
             auto* about = new AboutWindow(r);
             about->setDataCredit(airports::dataCreditLine());
             return about;
         }},
        {"Surprise", [](WindowRegistry&) { return new SurpriseWindow; }},
        {"Convert", make<ConvertWindow>()},
        {"Dalt", make<DaltWindow>()},
        {"Speed", make<SpeedWindow>()},
        // The second group of the Compute menu.
        {"MagVar", make<MagVarWindow>()},
        {"Climb", make<ClimbWindow>()},
        {"Atmos", make<AtmosWindow>()},
        {"Cloud", make<CloudWindow>()},
        {"TSD", make<TsdWindow>()},
        {"Fuel", make<FuelWindow>()},
        {"FindWind", make<FindWindWindow>()},
        {"RwyWind", make<RunwayWindWindow>()},
        {"NavLog", make<planning::NavLogWindow>()},
        {"Loading", make<aircraft::LoadingWindow>()},
        {"Airport", make<airports::AirportWindow>()},
    };
    for (const auto& [name, factory] : windows) {
        registry.registerWindow(QString::fromLatin1(name), factory);
    }
}

}  // namespace aerolume

namespace aerolume {

bool openPlanFile(WindowRegistry& registry, const QString& path) {
    auto* log = qobject_cast<planning::NavLogWindow*>(registry.show(QStringLiteral("NavLog")));
    if (log == nullptr) {
        return false;
    }
    if (!log->openFile(path)) {
        registry.unload(QStringLiteral("NavLog"));
        return false;
    }
    return true;
}

}  // namespace aerolume
