// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintLoader.h"

#include "platform/ModuleLoader.h"

namespace aerolume::planning {

namespace {
constexpr const char* kModuleName = "aerolume-print";
constexpr const char* kModuleVariable = "AEROLUME_PRINT_PLUGIN";
}  // namespace

void* resolvePrintSymbol(const char* symbol) {
    return platform::resolveModuleSymbol(kModuleName, kModuleVariable, symbol);
}

}  // namespace aerolume::planning
