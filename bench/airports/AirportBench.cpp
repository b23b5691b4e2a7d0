// SPDX-License-Identifier: GPL-3.0-or-later
// The airport data, measured on the full database and files:
//   aerolume-airports-bench DATABASE DATA_FOLDER
// a look-up as the pilot types (every prefix of the identifier and of the name of every
// 250th airport and every 50th navaid, the whole data set through), a checkpoint's
// identifier resolved as the navigation log does (the same places'), the Airport window
// opening with the database and the airport last shown, the build's conversion of the
// .csv.gz files, an import of the same files decompressed (as a pilot downloads them),
// and the database's size. Each figure in processor time (the machine may be shared)
// and wall time; the targets are checked on processor time. Exit status 3 when a target
// is missed, 1 when a measurement fails.
#include <zlib.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "airports/AirportData.h"
#include "airports/AirportImporter.h"
#include "airports/AirportWindow.h"
#include "airports/SqlDatabase.h"
#include "planning/CheckpointLookup.h"
#include "shell/WindowRegistry.h"

using namespace aerolume;
using namespace aerolume::airports;

namespace {

double cpuMs(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Processor and wall time of one run, ms.
struct Timing {
    double cpu = 0, wall = 0;
};

Timing timed(clockid_t clock, const std::function<void()>& run) {
    QElapsedTimer wall;
    const double cpu = cpuMs(clock);
    wall.start();
    run();
    return {cpuMs(clock) - cpu, static_cast<double>(wall.nsecsElapsed()) / 1e6};
}

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values.empty()
               ? 0
               : values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

// The identifiers and names of every n-th airport and navaid, read from the file.
QList<QPair<QString, QString>> samplePlaces(const QString& path) {
    QList<QPair<QString, QString>> places;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "sample");
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(
                QStringLiteral("SELECT ident, name FROM airports WHERE id % 250 = 0 UNION ALL "
                               "SELECT ident, name FROM navaids WHERE id % 50 = 0"));
            while (q.next()) {
                places.append({q.value(0).toString(), q.value(1).toString()});
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("sample"));
    return places;
}

// Decompressed copies of the .csv.gz files of `from` in `to`, as OurAirports serves them.
bool decompress(const QString& from, const QString& to) {
    for (const QString& name : QDir(from).entryList({QStringLiteral("*.csv.gz")})) {
        gzFile in = gzopen(QFile::encodeName(QDir(from).filePath(name)).constData(), "rb");
        QFile out(QDir(to).filePath(name.chopped(3)));
        if (in == nullptr || !out.open(QIODevice::WriteOnly)) {
            return false;
        }
        char buffer[1 << 16];
        int got = 0;
        while ((got = gzread(in, buffer, sizeof buffer)) > 0) {
            out.write(buffer, got);
        }
        gzclose(in);
        if (got < 0) {
            return false;
        }
    }
    return true;
}

// The offscreen platform says, for every window shown, what it cannot do; no news here.
QtMessageHandler g_previousHandler = nullptr;
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support"))) {
        g_previousHandler(type, context, message);
    }
}

int g_status = 0;
void verdict(bool met) {
    if (!met && g_status == 0) {
        g_status = 3;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_previousHandler = qInstallMessageHandler(quietPlatform);
    if (argc != 3) {
        std::fprintf(stderr, "usage: aerolume-airports-bench DATABASE DATA_FOLDER\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    qputenv("AEROLUME_AIRPORT_DATABASE", argv[1]);
    qputenv("AEROLUME_AIRPORTS_MODULE", AEROLUME_AIRPORTS_MODULE_FILE);
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));

    // Look-ups as typed.
    QStringList typed;
    for (const auto& [ident, name] : samplePlaces(path)) {
        for (const QString& text : {ident, name.left(14)}) {
            for (qsizetype n = 1; n <= text.size(); ++n) {
                typed << text.left(n);
            }
        }
    }
    QString error;
    auto db = openAirportDatabase(path, &error);
    if (!db || typed.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::vector<double> cpu, wall;
    for (const QString& text : std::as_const(typed)) {
        const Timing t = timed(CLOCK_THREAD_CPUTIME_ID, [&] { (void)db->search(text, 50); });
        cpu.push_back(t.cpu);
        wall.push_back(t.wall);
    }
    std::printf(
        "Look-up as typed, %zu texts (every prefix of the identifiers and names of every 250th\n"
        "airport and 50th navaid): processor time median %.2f ms, 95th percentile %.2f ms,\n"
        "max %.2f ms; wall time median %.2f ms, 95th percentile %.2f ms (target: 95th under "
        "5 ms)\n",
        cpu.size(), percentile(cpu, 0.5), percentile(cpu, 0.95), percentile(cpu, 1),
        percentile(wall, 0.5), percentile(wall, 0.95));
    verdict(percentile(cpu, 0.95) < 5);

    // A checkpoint's identifier resolved as the navigation log does when Enter is pressed:
    // every place it names, nearest to the checkpoint before first, and the checkpoint of
    // the one place (its airport or navaid read in full, a fix's position computed).
    QStringList idents;
    for (const auto& [ident, name] : samplePlaces(path)) {
        idents << ident;
    }
    for (const char* ident :
         {"EGTK", "CPT", "BNE", "LFAT", "SAM", "OX", "SAM 270/15", "CPT090010"}) {
        idents << QString::fromLatin1(ident);
    }
    const planning::CheckpointFinder finder(db.get(),
                                            {planning::Position{51.8369, -1.32}, 2026.5, 0});
    std::vector<double> resolveCpu, resolveWall;
    for (const QString& ident : std::as_const(idents)) {
        const Timing t = timed(CLOCK_THREAD_CPUTIME_ID, [&] {
            const planning::CheckpointLookup lookup = finder.resolve(ident);
            if (lookup.outcome == planning::LookupOutcome::Choose) {
                (void)finder.checkpointOf(lookup.offers.constFirst());
            }
        });
        resolveCpu.push_back(t.cpu);
        resolveWall.push_back(t.wall);
    }
    db.reset();
    std::printf(
        "Checkpoint identifier resolved, %zu identifiers: processor time median %.3f ms, 95th "
        "percentile %.3f ms, max %.3f ms; wall time median %.3f ms, max %.3f ms (target: under "
        "5 ms)\n",
        resolveCpu.size(), percentile(resolveCpu, 0.5), percentile(resolveCpu, 0.95),
        percentile(resolveCpu, 1), percentile(resolveWall, 0.5), percentile(resolveWall, 1));
    verdict(percentile(resolveCpu, 1) < 5);

    // The window opened with the database closed, showing the airport last shown.
    std::vector<double> openCpu, openWall;
    for (int run = 0; run < 8; ++run) {
        AirportData::instance().reload();
        WindowRegistry registry;
        registry.registerWindow(QStringLiteral("Airport"),
                                [](WindowRegistry& r) { return new AirportWindow(r); });
        QWidget* window = nullptr;
        const Timing t = timed(CLOCK_THREAD_CPUTIME_ID, [&] {
            window = registry.show(QStringLiteral("Airport"));
            QApplication::processEvents();
        });
        if (run == 0) {
            // The first opening shows no airport yet; the others show EGLL again.
            qobject_cast<AirportWindow*>(window)->showIdent(QStringLiteral("EGLL"));
        } else {
            openCpu.push_back(t.cpu);
            openWall.push_back(t.wall);
        }
        window->close();
        QApplication::processEvents();
    }
    std::printf(
        "Airport window opened with the database and EGLL: processor time median %.1f ms, max "
        "%.1f ms; wall time median %.1f ms, max %.1f ms (target: under 100 ms)\n",
        percentile(openCpu, 0.5), percentile(openCpu, 1), percentile(openWall, 0.5),
        percentile(openWall, 1));
    verdict(percentile(openCpu, 1) < 100);

    // The build's conversion, and a pilot's import of the plain files.
    QTemporaryDir plain;
    if (!decompress(folder, plain.path())) {
        std::fprintf(stderr, "cannot decompress the files of %s\n", qPrintable(folder));
        return 1;
    }
    const struct {
        const char* what;
        QString folder;
    } imports[] = {{"the build's conversion (.csv.gz)", folder},
                   {"an import of the full files (.csv)", plain.path()}};
    for (const auto& import : imports) {
        QList<ImportFile> files;
        if (const QString problem = dataFilesIn(import.folder, &files); !problem.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(problem));
            return 1;
        }
        QTemporaryDir out;
        ImportSummary summary;
        const Timing t = timed(CLOCK_PROCESS_CPUTIME_ID, [&] {
            summary = importAirportData(files, out.filePath(QStringLiteral("a.sqlite")));
        });
        if (summary.outcome != ImportSummary::Outcome::Done) {
            std::fprintf(stderr, "%s failed: %s\n", import.what, qPrintable(summary.message));
            return 1;
        }
        std::printf("%s: processor time %.1f s, wall time %.1f s (target: under 30 s)\n",
                    import.what, t.cpu / 1000, t.wall / 1000);
        verdict(t.cpu < 30000);
    }
    std::printf("Database size: %.1f MB (%lld bytes)\n",
                static_cast<double>(QFileInfo(path).size()) / 1e6,
                static_cast<long long>(QFileInfo(path).size()));
    return g_status;
}
