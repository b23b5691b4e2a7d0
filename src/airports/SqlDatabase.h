// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

#include "AirportData.h"

namespace aerolume::airports {

// Opens the database at `path` read-only with Qt SQL and checks it: a whole SQLite file
// (its size that of its pages), this program's format and version, tables that read.
// Nothing, with `error` saying what is wrong, when it will not do. The program itself
// opens its data through the airport module (AirportModule.h), which calls this.
std::unique_ptr<AirportDatabase> openAirportDatabase(const QString& path, QString* error);

}  // namespace aerolume::airports
