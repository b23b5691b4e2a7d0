// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/WindowRegistry.h"

namespace aerolume {

// Makes every window of the program known to `registry` by its name: the launcher
// ("Main"), the calculators, the document windows, About and the credits.
void registerProgramWindows(WindowRegistry& registry);

// Opens the navigation log with the plan file at `path`, as a file given on the
// command line. Returns false, the log closed again, when the plan could not be read
// (the pilot has been told why).
bool openPlanFile(WindowRegistry& registry, const QString& path);

}  // namespace aerolume
