// SPDX-License-Identifier: GPL-3.0-or-later
// The airport module (airports/AirportModule.h): the only part of the program that links
// Qt SQL.
#include "airports/AirportModule.h"
#include "airports/SqlDatabase.h"

using aerolume::airports::AirportDatabase;
using aerolume::airports::ImportFile;
using aerolume::airports::ImportProgress;
using aerolume::airports::ImportSummary;

extern "C" Q_DECL_EXPORT AirportDatabase* aerolume_airports_open(const QString* path,
                                                                 QString* error) {
    return aerolume::airports::openAirportDatabase(*path, error).release();
}

extern "C" Q_DECL_EXPORT void aerolume_airports_import(const QList<ImportFile>* files,
                                                       const QString* target,
                                                       const ImportProgress* progress,
                                                       ImportSummary* summary) {
    *summary = aerolume::airports::importAirportData(*files, *target, *progress);
}
