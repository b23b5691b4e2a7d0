// SPDX-License-Identifier: GPL-3.0-or-later
// aerolume-airports-import DATABASE FOLDER|FILE...
// Builds the airport database from OurAirports CSV files (.csv or .csv.gz), the way the
// Airport window imports them: the build runs it on data/airports. Prints what became of
// each file's rows; exits with 1 when the files were refused or the database could not
// be written (the old database, if any, is then untouched).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

#include "AirportImporter.h"

using namespace aerolume::airports;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.size() < 2) {
        err << "usage: aerolume-airports-import DATABASE FOLDER|FILE...\n";
        return 2;
    }
    const QString target = args.takeFirst();
    QList<ImportFile> files;
    const QString problem = args.size() == 1 && QFileInfo(args.first()).isDir()
                                ? dataFilesIn(args.first(), &files)
                                : checkSelection(args, &files);
    if (!problem.isEmpty()) {
        err << problem << '\n';
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    const ImportSummary summary = importAirportData(files, target);
    if (summary.outcome != ImportSummary::Outcome::Done) {
        err << summary.message << '\n';
        return 1;
    }
    for (const FileTally& t : summary.files) {
        out << dataFileTitle(t.file) << ": " << t.read << " rows read, " << t.kept << " kept";
        for (int r = 0; r < kSkipReasons; ++r) {
            if (t.skipped[static_cast<std::size_t>(r)] > 0) {
                out << ", " << t.skipped[static_cast<std::size_t>(r)] << " skipped ("
                    << skipReasonText(static_cast<SkipReason>(r)) << ")";
            }
        }
        out << '\n';
    }
    out << target << ": " << QFileInfo(target).size() << " bytes in " << timer.elapsed() << " ms\n";
    return 0;
}
