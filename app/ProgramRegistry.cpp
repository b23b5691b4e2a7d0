#include "ProgramRegistry.h"

#include "aircraft/LoadingWindow.h"
#include "airdata/DaltWindow.h"
#include "airdata/SpeedWindow.h"
#include "conversions/ConvertWindow.h"
#include "loading/WBWindow.h"
#include "navigation/LatLongWindow.h"
#include "navigation/PPNavWindow.h"
#include "navigation/WindWindow.h"
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
        {"About", make<AboutWindow>()},
        {"Surprise", [](WindowRegistry&) { return new SurpriseWindow; }},
        {"Convert", make<ConvertWindow>()},
        {"Dalt", make<DaltWindow>()},
        {"Speed", make<SpeedWindow>()},
        // The second group of the Compute menu.
        {"Loading", make<aircraft::LoadingWindow>()},
    };
    for (const auto& [name, factory] : windows) {
        registry.registerWindow(QString::fromLatin1(name), factory);
    }
}

}  // namespace aerolume
