// SPDX-License-Identifier: GPL-3.0-or-later
// The airport data, measured on the full database and files:
//   aerolume-airports-bench DATABASE DATA_FOLDER
// a look-up as the pilot types (every prefix of identifiers and names of a sample of the
// world's airports and navaids: median and 95th percentile), a checkpoint's identifier
// resolved as the navigation log does, the Airport window opening
// with the database, an import of the full files, and the database's size.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

#include "airports/AirportData.h"
#include "airports/AirportImporter.h"
#include "airports/AirportWindow.h"
#include "planning/CheckpointLookup.h"
#include "shell/WindowRegistry.h"
#include "support/Stats.h"

using namespace aerolume;
using namespace aerolume::airports;

namespace {

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values.empty()
               ? 0
               : values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: aerolume-airports-bench DATABASE DATA_FOLDER\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    qputenv("AEROLUME_AIRPORT_DATABASE", argv[1]);
    QString error;
    auto db = AirportDatabase::open(path, &error);
    if (!db) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    // What a pilot types: each prefix of the identifiers and of the names of every 50th
    // place found by a box over the whole earth.
    QStringList typed;
    const QList<Place> places = db->airportsInBox(-90, -180, 90, 180, 100000);
    for (qsizetype i = 0; i < places.size(); i += 50) {
        const QString ident = QString::fromStdString(places[i].Ident);
        for (qsizetype n = 1; n <= ident.size(); ++n) {
            typed << ident.left(n);
        }
        const QString name = QString::fromStdString(places[i].Name).left(14);
        for (qsizetype n = 1; n <= name.size(); ++n) {
            typed << name.left(n);
        }
    }
    for (const char* navaid : {"SAM", "CPT", "BNN", "LAX", "OX", "Southampton", "Samos"}) {
        for (int n = 1; n <= static_cast<int>(qstrlen(navaid)); ++n) {
            typed << QString::fromLatin1(navaid).left(n);
        }
    }
    std::vector<double> ms;
    QElapsedTimer timer;
    for (const QString& text : std::as_const(typed)) {
        timer.start();
        (void)db->search(text, 50);
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf(
        "look-up as typed: %zu texts over %lld airports, median %.3f ms, 95th percentile %.3f ms, "
        "max %.3f ms (target: 95th under 5 ms)\n",
        ms.size(), static_cast<long long>(places.size()), percentile(ms, 0.5), percentile(ms, 0.95),
        percentile(ms, 1.0));

    // A checkpoint's identifier resolved as the navigation log does when Enter is pressed:
    // every place it names, nearest to the checkpoint before first, and the checkpoint of
    // the one place (its airport or navaid read in full, a fix's position computed).
    QStringList idents;
    for (qsizetype i = 0; i < places.size(); i += 25) {
        idents << QString::fromStdString(places[i].Ident);
    }
    for (const char* ident :
         {"EGTK", "CPT", "BNE", "LFAT", "SAM", "OX", "SAM 270/15", "CPT090010"}) {
        idents << QString::fromLatin1(ident);
    }
    const planning::CheckpointFinder finder(db.get(),
                                            {planning::Position{51.8369, -1.32}, 2026.5, 0});
    // Wall time, and the thread's own CPU time, which a busy machine does not stretch.
    const auto cpuMs = [] {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
    };
    std::vector<double> resolved;
    std::vector<double> resolvedCpu;
    for (const QString& ident : std::as_const(idents)) {
        const double cpu = cpuMs();
        timer.start();
        const planning::CheckpointLookup lookup = finder.resolve(ident);
        if (lookup.outcome == planning::LookupOutcome::Choose) {
            (void)finder.checkpointOf(lookup.offers.constFirst());
        }
        resolved.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        resolvedCpu.push_back(cpuMs() - cpu);
    }
    std::printf(
        "checkpoint identifier resolved: %zu identifiers, median %.3f ms, 95th percentile %.3f "
        "ms, max %.3f ms; CPU time median %.3f ms, 95th percentile %.3f ms, max %.3f ms "
        "(target: under 5 ms)\n",
        resolved.size(), percentile(resolved, 0.5), percentile(resolved, 0.95),
        percentile(resolved, 1.0), percentile(resolvedCpu, 0.5), percentile(resolvedCpu, 0.95),
        percentile(resolvedCpu, 1.0));
    db.reset();

    std::vector<double> open;
    for (int run = 0; run < 7; ++run) {
        AirportData::instance().reload();
        WindowRegistry registry;
        registry.registerWindow(QStringLiteral("Airport"),
                                [](WindowRegistry& r) { return new AirportWindow(r); });
        timer.start();
        QWidget* window = registry.show(QStringLiteral("Airport"));
        QApplication::processEvents();
        open.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        window->close();
        QApplication::processEvents();
    }
    std::printf(
        "Airport window opened with the database: median %.1f ms, max %.1f ms (target: under 100 "
        "ms)\n",
        percentile(open, 0.5), percentile(open, 1.0));

    QList<ImportFile> files;
    if (const QString problem = dataFilesIn(QString::fromLocal8Bit(argv[2]), &files);
        !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    QTemporaryDir dir;
    timer.start();
    const ImportSummary summary =
        importAirportData(files, dir.filePath(QStringLiteral("a.sqlite")));
    std::printf("import of the full files: %.1f s (%s; target: under 30 s)\n",
                static_cast<double>(timer.elapsed()) / 1000,
                summary.outcome == ImportSummary::Outcome::Done ? "done" : "failed");
    std::printf("database size: %.1f MiB\n", static_cast<double>(QFileInfo(path).size()) / 1048576);
    return 0;
}
