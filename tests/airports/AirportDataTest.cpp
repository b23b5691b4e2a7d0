// SPDX-License-Identifier: GPL-3.0-or-later
// The importer and the data service on the test rows of the data: what is kept and
// skipped, files that are not the data, damaged databases, and the look-ups.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "airports/AirportData.h"
#include "airports/AirportImporter.h"
#include "airports/AirportModule.h"
#include "airports/SqlDatabase.h"

namespace aerolume::airports {
namespace {

const QString kRows = QStringLiteral(AEROLUME_TEST_ROWS);

QList<ImportFile> testFiles() {
    QList<ImportFile> files;
    EXPECT_EQ(dataFilesIn(kRows, &files), QString());
    return files;
}

class AirportDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        db = openAirportDatabase(QStringLiteral(AEROLUME_TEST_DATABASE), &error);
        ASSERT_NE(db, nullptr) << error.toStdString();
    }
    std::unique_ptr<AirportDatabase> db;
};

struct SearchCase {
    const char* typed;
    std::vector<std::string> first;  // the identifiers listed first, in order
};

class SearchTest : public AirportDataTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(SearchTest, ListsTheMatchesRanked) {
    const QList<Place> found = db->search(QString::fromUtf8(GetParam().typed), 50);
    std::vector<std::string> idents;
    for (qsizetype i = 0; i < found.size() && idents.size() < GetParam().first.size(); ++i) {
        idents.push_back(found[i].Ident);
    }
    EXPECT_EQ(idents, GetParam().first) << GetParam().typed;
    EXPECT_FALSE(db->failed());
}

INSTANTIATE_TEST_SUITE_P(
    Typed, SearchTest,
    ::testing::Values(SearchCase{"EGTK", {"EGTK"}}, SearchCase{"egtk ", {"EGTK"}},
                      SearchCase{"OXF", {"EGTK"}}, SearchCase{"SMO", {"SMO", "KSMO"}},
                      SearchCase{"SAM", {"SAM", "SAM", "SAM", "SAM"}},
                      SearchCase{"santa monica", {"KSMO"}}, SearchCase{"kidlington", {"EGTK"}},
                      // Quotes and SQL in the text are only text.
                      SearchCase{"O'Hare\"; DROP TABLE airports; --", {}}, SearchCase{"zzzz", {}}));

TEST_F(AirportDataTest, ImportKeepsAndSkipsTheRowsOfTheData) {
    QTemporaryDir dir;
    const ImportSummary summary = importAirportData(testFiles(), dir.filePath("a.sqlite"));
    ASSERT_EQ(summary.outcome, ImportSummary::Outcome::Done) << summary.message.toStdString();
    for (const FileTally& t : summary.files) {
        qint64 skipped = 0;
        for (const qint64 n : t.skipped) {
            skipped += n;
        }
        EXPECT_EQ(t.kept + skipped, t.read) << dataFileTitle(t.file).toStdString();
        EXPECT_GT(t.kept, 0);
    }
    EXPECT_EQ(db->dataSets().size(), 6);
    EXPECT_EQ(db->dataSets().constFirst().snapshot, QStringLiteral("2026-08-22"));
}

TEST_F(AirportDataTest, AnAirportInFull) {
    const Place egtk = db->placesNamed(QStringLiteral("EGTK")).value(0);
    const auto airport = db->airport(egtk.Id);
    ASSERT_TRUE(airport);
    EXPECT_EQ(airport->elevationFt, 270);
    EXPECT_EQ(airport->countryName, QStringLiteral("United Kingdom"));
    const QList<RunwayInfo> runways = db->runways(egtk.Id);
    ASSERT_EQ(runways.size(), 4);
    EXPECT_EQ(runways[0].low.ident, QStringLiteral("01"));  // the open one first
    EXPECT_EQ(runways[0].surfaceClass, SurfaceClass::Paved);
    EXPECT_EQ(runways[0].low.dataTrueHeading, 11);
    EXPECT_EQ(db->frequencies(egtk.Id).size(), 7);
    const QList<NavaidInfo> near = db->navaidsNear(egtk.Position, 40);
    ASSERT_FALSE(near.isEmpty());
    EXPECT_EQ(near[0].place.Ident, "OX");
    EXPECT_LE(DistanceNm(egtk.Position, near.last().place.Position), 40);
}

TEST_F(AirportDataTest, EveryPlaceAnIdentifierNamesNearestFirst) {
    const QList<Place> sam = db->placesNamed(QStringLiteral("SAM"), GeoPoint{51.8369, -1.32});
    ASSERT_EQ(sam.size(), 4);
    EXPECT_EQ(sam[0].Name, "Southampton");
    EXPECT_EQ(sam[0].Country, "GB");
    const auto navaid = db->navaid(sam[0].Id);
    ASSERT_TRUE(navaid);
    EXPECT_EQ(navaid->magneticVariation, -2.391);
    EXPECT_EQ(navaid->slavedVariation, -4.001);
    EXPECT_EQ(navaid->frequencyKhz, 113350);
    const QList<Place> box = db->airportsInBox(51.5, -1.6, 52.0, -1.0);
    EXPECT_TRUE(
        std::any_of(box.begin(), box.end(), [](const Place& p) { return p.Ident == "EGTK"; }));
}

// A file that is not the data is refused, naming the file and the columns it lacks; the
// old database stays as it was.
TEST(AirportImport, RefusesAFileThatIsNotTheData) {
    QTemporaryDir dir;
    const QString target = dir.filePath("airports.sqlite");
    ASSERT_EQ(importAirportData(testFiles(), target).outcome, ImportSummary::Outcome::Done);
    const QByteArray before = [&] {
        QFile f(target);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QList<ImportFile> files = testFiles();
    const QString fake = dir.filePath("runways.csv");
    QFile out(fake);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("id,name,municipality\n1,Somewhere,Town\n");
    out.close();
    for (ImportFile& f : files) {
        if (f.file == DataFile::Runways) {
            f.path = fake;
        }
    }
    const ImportSummary summary = importAirportData(files, target);
    EXPECT_EQ(summary.outcome, ImportSummary::Outcome::Refused);
    EXPECT_EQ(summary.message, fake +
                                   " is not OurAirports runways.csv data: its columns "
                                   "airport_ident, le_ident, he_ident are missing.");
    QFile after(target);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_FALSE(QFile::exists(target + ".part"));
}

// A named pipe chosen as a data file is refused at once, not waited on.
TEST(AirportImport, RefusesAPipeAtOnce) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath("runways.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QList<ImportFile> files = testFiles();
    for (ImportFile& f : files) {
        f.path = f.file == DataFile::Runways ? pipe : f.path;
    }
    const ImportSummary summary = importAirportData(files, dir.filePath("airports.sqlite"));
    EXPECT_EQ(summary.outcome, ImportSummary::Outcome::Failed);
    EXPECT_EQ(summary.message,
              QStringLiteral("Cannot read %1: it is a named pipe, not a file.").arg(pipe));
}

TEST(AirportImport, ADatabaseThatIsAPipeIsRefusedAtOnce) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath("airports.sqlite");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QString error;
    EXPECT_EQ(openAirportDatabase(pipe, &error), nullptr);
    EXPECT_EQ(error,
              QStringLiteral("%1 cannot be read: it is a named pipe, not a file.").arg(pipe));
}

// Cancel pressed while the files are read, while their rows are written, and after the
// indexes were built: the old database stays as it was and nothing is left beside it.
class CancelTest : public ::testing::TestWithParam<double> {};

TEST_P(CancelTest, LeavesTheOldDatabaseAsItWas) {
    QTemporaryDir dir;
    const QString target = dir.filePath("airports.sqlite");
    QFile::copy(QStringLiteral(AEROLUME_TEST_DATABASE), target);
    const ImportSummary summary =
        importAirportData(testFiles(), target, [](double done) { return done < GetParam(); });
    EXPECT_EQ(summary.outcome, ImportSummary::Outcome::Cancelled);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"airports.sqlite"});
    QString error;
    EXPECT_NE(openAirportDatabase(target, &error), nullptr) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Pressed, CancelTest, ::testing::Values(0.05, 0.5, 1.0));

struct SelectionCase {
    const char* name;
    QStringList files;
    const char* problem;
};

class SelectionTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(SelectionTest, ChecksTheFilesChosen) {
    QList<ImportFile> files;
    EXPECT_EQ(checkSelection(GetParam().files, &files).toStdString(), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Chosen, SelectionTest,
    ::testing::Values(
        SelectionCase{"whole",
                      {"/d/airports.csv", "/d/runways.csv.gz", "/d/NAVAIDS.CSV",
                       "/d/airport-frequencies.csv"},
                      ""},
        SelectionCase{"unknownName",
                      {"/d/airports.csv", "/d/list.csv"},
                      "list.csv is not one of the OurAirports files (airports.csv, runways.csv, "
                      "airport-frequencies.csv, navaids.csv, countries.csv, regions.csv)."},
        SelectionCase{"twice",
                      {"/d/airports.csv", "/e/airports.csv.gz"},
                      "airports.csv and airports.csv.gz are the same data; choose one of them."},
        SelectionCase{"missing",
                      {"/d/airports.csv"},
                      "The import needs runways.csv, airport-frequencies.csv, navaids.csv as "
                      "well."}),
    [](const auto& info) { return std::string(info.param.name); });

// A database cut short or not a database at all is refused when opened, with a reason;
// the service then falls back to the bundled data and says why.
struct DamageCase {
    const char* name;
    std::function<void(QByteArray&)> damage;
    const char* reason;
};

class DamagedDatabaseTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedDatabaseTest, IsDetectedAndTheBundledDataUsed) {
    QFile original(QStringLiteral(AEROLUME_TEST_DATABASE));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QByteArray bytes = original.readAll();
    GetParam().damage(bytes);
    const QString imported = AirportData::importedPath();
    QDir().mkpath(QFileInfo(imported).absolutePath());
    QFile out(imported);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();
    QString error;
    EXPECT_EQ(openAirportDatabase(imported, &error), nullptr);
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().reason))) << error.toStdString();

    AirportData& data = AirportData::instance();
    data.reload();
    ASSERT_NE(data.database(), nullptr);
    EXPECT_EQ(data.origin(), AirportData::Origin::Bundled);
    EXPECT_TRUE(data.notice().startsWith("Your imported airport data cannot be used"));
    EXPECT_TRUE(data.useBundled(&error));
    EXPECT_FALSE(QFile::exists(imported));
    EXPECT_TRUE(data.database() != nullptr && data.notice().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedDatabaseTest,
    ::testing::Values(
        DamageCase{"truncated", [](QByteArray& b) { b.truncate(b.size() / 2); }, "cut short"},
        DamageCase{"notADatabase", [](QByteArray& b) { b = "ident,name\nEGTK,Oxford\n"; },
                   "is not an airport database"},
        DamageCase{"pagesZeroed",
                   [](QByteArray& b) { b.replace(4096, 8192, QByteArray(8192, '\0')); },
                   "is damaged"}),
    [](const auto& info) { return std::string(info.param.name); });

// The program reads and imports the data through its airport module; without the module
// it goes on without data, and says why.
TEST(AirportModuleTest, ServesTheDataAndIsMissedWithAReason) {
    AirportData& data = AirportData::instance();
    data.reload();
    ASSERT_NE(data.database(), nullptr) << data.notice().toStdString();
    EXPECT_GT(data.database()->search(QStringLiteral("EGTK"), 5).size(), 0);

    const QByteArray module = qgetenv("AEROLUME_AIRPORTS_MODULE");
    qputenv("AEROLUME_AIRPORTS_MODULE", "/nonexistent/aerolume-airports");
    data.reload();
    EXPECT_EQ(data.database(), nullptr);
    EXPECT_EQ(data.notice().toStdString(),
              "No airport data can be read: The program's airport module cannot be loaded: "
              "aerolume-airports.so is not in /nonexistent.");
    QTemporaryDir dir;
    const ImportSummary summary = importThroughModule(testFiles(), dir.filePath("a.sqlite"));
    EXPECT_EQ(summary.outcome, ImportSummary::Outcome::Failed);
    EXPECT_EQ(summary.message.toStdString(),
              "The program's airport module cannot be loaded, so the files cannot be imported: "
              "aerolume-airports.so is not in /nonexistent.");
    EXPECT_FALSE(QFile::exists(dir.filePath("a.sqlite")));

    qputenv("AEROLUME_AIRPORTS_MODULE", module);
    data.reload();
    EXPECT_NE(data.database(), nullptr);
}

}  // namespace
}  // namespace aerolume::airports
