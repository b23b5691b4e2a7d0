// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace aerolume::airports {

// The airport database's layout (docs/airport-database.md). A database carries its
// format name in its meta table and its version as SQLite's user_version; a reader
// opens only the version it knows.
inline constexpr const char* kDatabaseFormat = "aerolume-airports";
inline constexpr int kDatabaseVersion = 1;

// The statements that create the tables, in order; the names' full-text index and the
// other indexes come after the rows (indexStatements()), which is quicker to build.
QStringList schemaStatements();
QStringList indexStatements();

// The codes of an identifier row's place_type column.
inline constexpr int kAirportPlace = 0;
inline constexpr int kNavaidPlace = 1;

}  // namespace aerolume::airports
