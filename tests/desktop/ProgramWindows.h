// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every window of the program, registered under its name the way the program does.

#include <memory>

#include "shell/WindowRegistry.h"

namespace aerolume::test {

// A registry of every window of the program whose Exit is a no-op, so a test can press anything.
std::unique_ptr<WindowRegistry> programWindows();

// Runs the event loop until it would wait for the next event: what the program does
// between two user actions (the windows announce their results then).
void settleEvents();

}  // namespace aerolume::test
