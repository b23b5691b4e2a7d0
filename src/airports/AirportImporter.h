// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "AirportRecords.h"

namespace aerolume::airports {

// The importer: OurAirports CSV files (plain, or gzip-compressed as .csv.gz) into a new
// airport database (AirportSchema.h). The build runs it on the program's own copy of the
// data; the Airport window runs it on files a pilot downloaded. The database is written
// beside the target as "<target>.part" and renamed over the target only when complete,
// so a failed or cancelled import leaves the old database as it was.

struct ImportFile {
    DataFile file = DataFile::Airports;
    QString path;
};

// What became of one file's rows.
struct FileTally {
    DataFile file = DataFile::Airports;
    QString path;
    QString snapshot, source, licence;  // as the data_sets table keeps them
    qint64 read = 0;                    // rows after the header
    qint64 kept = 0;
    std::array<qint64, kSkipReasons> skipped{};  // by SkipReason
};

struct ImportSummary {
    enum class Outcome { Done, Cancelled, Refused, Failed };
    Outcome outcome = Outcome::Failed;
    // Refused: which file is not the data and why (its missing columns); Failed: what
    // could not be read or written, and where.
    QString message;
    QList<FileTally> files;
};

// The data file a path names: its file name, case ignored, is one of "airports",
// "runways", "airport-frequencies", "navaids", "countries", "regions" followed by ".csv"
// or ".csv.gz".
std::optional<DataFile> dataFileNamed(const QString& path);

// The files of a selection (a folder's files, or files the pilot chose): each known by
// name, none twice, and airports, runways, frequencies and navaids among them (countries
// and regions may be left out). An empty message when the selection will do; otherwise
// the message says what is wrong.
QString checkSelection(const QStringList& paths, QList<ImportFile>* files);
// The data files in `folder`, checked the same way.
QString dataFilesIn(const QString& folder, QList<ImportFile>* files);

// Reports the share of the work done, 0 to 1; returning false cancels the import.
using ImportProgress = std::function<bool(double done)>;

// Builds the database at `target` from the files. Each file's snapshot date, source and
// licence come from "manifest.csv" beside it (columns file, snapshot, source, licence)
// when there is one, otherwise the file's modification date, "OurAirports" and public
// domain. Runway headings missing from the data are derived with the variation on the
// runways file's snapshot date.
ImportSummary importAirportData(const QList<ImportFile>& files, const QString& target,
                                const ImportProgress& progress = {});

// A skip reason as the import summary words it.
QString skipReasonText(SkipReason reason);
// "airports.csv" and the like: a file as the pilot knows it.
QString dataFileTitle(DataFile file);

}  // namespace aerolume::airports
