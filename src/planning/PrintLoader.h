// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace aerolume::planning {

// Where the print module (PrintHook.h) is looked for, in order: the file named by the
// environment variable AEROLUME_PRINT_PLUGIN when it is set (and then only there);
// otherwise next to the program (a build tree), then in the library folder's aerolume
// folder of the prefix the program is installed in (on Debian
// /usr/lib/x86_64-linux-gnu/aerolume for /usr/bin/aerolume). Each entry is given
// without its suffix.
QStringList printModuleCandidates();

// The address of `symbol` in the print module, loading the module on first use; null
// when no candidate loads or the module lacks the symbol. The module stays loaded.
void* resolvePrintSymbol(const char* symbol);

}  // namespace aerolume::planning
