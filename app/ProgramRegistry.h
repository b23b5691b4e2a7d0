#pragma once

#include "shell/WindowRegistry.h"

namespace aerolume {

// Makes every window of the program known to `registry` by its name: the launcher
// ("Main"), the calculators, the document windows, About and the credits.
void registerProgramWindows(WindowRegistry& registry);

}  // namespace aerolume
