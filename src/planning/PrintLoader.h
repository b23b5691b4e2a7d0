// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace aerolume::planning {

// The address of `symbol` in the print module (PrintHook.h), loading the module on first
// use; null when it cannot be loaded or lacks the symbol. The module "aerolume-print" is
// found as platform/ModuleLoader.h says, or at the file named by the environment
// variable AEROLUME_PRINT_PLUGIN when it is set.
void* resolvePrintSymbol(const char* symbol);

}  // namespace aerolume::planning
