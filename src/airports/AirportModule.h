// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "AirportData.h"
#include "AirportImporter.h"

namespace aerolume::airports {

// The airport module: the part of the program that links Qt SQL, loaded when the airport
// data is first needed, so that the program's start does not pay for the SQL library.
// It exports two C functions of the types below, each taking pointers the caller owns:
//
//   aerolume_airports_open    opens the database at `path` as openAirportDatabase()
//                             (SqlDatabase.h) does: a new database for the caller to
//                             delete, or null with `error` saying why;
//   aerolume_airports_import  builds a database from the files as importAirportData()
//                             does and puts what became of them in `summary`.
using OpenFunction = AirportDatabase* (*)(const QString* path, QString* error);
using ImportFunction = void (*)(const QList<ImportFile>* files, const QString* target,
                                const ImportProgress* progress, ImportSummary* summary);

inline constexpr const char* kOpenSymbol = "aerolume_airports_open";
inline constexpr const char* kImportSymbol = "aerolume_airports_import";

// The same, through the module "aerolume-airports", loaded on first use and found as
// platform/ModuleLoader.h says, or at the file named by the environment variable
// AEROLUME_AIRPORTS_MODULE when it is set. When the module cannot be loaded: nothing,
// with `error` saying so; a Failed summary saying so.
std::unique_ptr<AirportDatabase> openThroughModule(const QString& path, QString* error);
ImportSummary importThroughModule(const QList<ImportFile>& files, const QString& target,
                                  const ImportProgress& progress = {});

}  // namespace aerolume::airports
