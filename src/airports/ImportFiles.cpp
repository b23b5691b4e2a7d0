// SPDX-License-Identifier: GPL-3.0-or-later
// The importer's choice of files and its words, which the Airport window uses without
// the airport module.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "AirportImporter.h"

namespace aerolume::airports {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("AirportImporter", text);
}

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

}  // namespace

QString dataFileTitle(DataFile file) {
    return QString::fromLatin1(FileBaseName(file)) + QStringLiteral(".csv");
}

std::optional<DataFile> dataFileNamed(const QString& path) {
    const QString name = QFileInfo(path).fileName().toLower();
    for (const DataFile file : kDataFiles) {
        const QString base = dataFileTitle(file);
        if (name == base || name == base + QStringLiteral(".gz")) {
            return file;
        }
    }
    return std::nullopt;
}

QString checkSelection(const QStringList& paths, QList<ImportFile>* files) {
    files->clear();
    for (const QString& path : paths) {
        const auto file = dataFileNamed(path);
        if (!file) {
            return tr("%1 is not one of the OurAirports files (airports.csv, runways.csv, "
                      "airport-frequencies.csv, navaids.csv, countries.csv, regions.csv).")
                .arg(fileName(path));
        }
        for (const ImportFile& chosen : std::as_const(*files)) {
            if (chosen.file == *file) {
                return tr("%1 and %2 are the same data; choose one of them.")
                    .arg(fileName(chosen.path), fileName(path));
            }
        }
        files->append({*file, path});
    }
    QStringList missing;
    for (const DataFile needed :
         {DataFile::Airports, DataFile::Runways, DataFile::Frequencies, DataFile::Navaids}) {
        if (std::none_of(files->begin(), files->end(),
                         [&](const ImportFile& f) { return f.file == needed; })) {
            missing << dataFileTitle(needed);
        }
    }
    if (!missing.isEmpty()) {
        return tr("The import needs %1 as well.").arg(missing.join(QStringLiteral(", ")));
    }
    return {};
}

QString dataFilesIn(const QString& folder, QList<ImportFile>* files) {
    QStringList paths;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        if (dataFileNamed(name)) {
            paths << dir.filePath(name);
        }
    }
    const QString problem = checkSelection(paths, files);
    return problem.isEmpty() ? problem : tr("In the folder %1: %2").arg(folder, problem);
}

QString skipReasonText(SkipReason reason) {
    switch (reason) {
        case SkipReason::FieldCount:
            return tr("more or fewer fields than the header");
        case SkipReason::OpenQuote:
            return tr("a quoted field left open at the end of the file");
        case SkipReason::NoIdentifier:
            return tr("no identifier");
        case SkipReason::BadPosition:
            return tr("no valid position");
        case SkipReason::ClosedAirport:
            return tr("a closed airport");
        case SkipReason::UnknownAirport:
            return tr("its airport is not in the airports file");
        case SkipReason::BadFrequency:
            return tr("no valid frequency");
        case SkipReason::Duplicate:
            return tr("an identifier that came before");
    }
    return {};
}

}  // namespace aerolume::airports
