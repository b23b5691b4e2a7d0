// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace aerolume::platform {

// The program's modules: the parts it loads only when they are first needed (printing,
// the airport database), so that its start does not pay for the libraries they link.
// The module `name` ("aerolume-print") is looked for, in order: the file named by the
// environment variable `variable` when it is set (and then only there); otherwise next
// to the program (a build tree), then in the library folder's aerolume folder of the
// prefix the program is installed in (on Debian /usr/lib/x86_64-linux-gnu/aerolume for
// /usr/bin/aerolume). Each entry is given without its suffix.
QStringList moduleCandidates(const char* name, const char* variable);

// The address of `symbol` in the module, loading the module on first use; null when no
// candidate loads or the module lacks the symbol, and then `error`, when given, says
// why. The module stays loaded.
void* resolveModuleSymbol(const char* name, const char* variable, const char* symbol,
                          QString* error = nullptr);

}  // namespace aerolume::platform
