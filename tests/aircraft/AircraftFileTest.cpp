// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>

#include <sys/stat.h>

#include "SampleAircraft.h"
#include "aircraft/AircraftFile.h"
#include "aircraft/AircraftStore.h"

namespace aerolume::aircraft {
namespace {

QJsonObject sampleJson() {
    return QJsonDocument::fromJson(writeAircraft(test::circularAircraft())).object();
}

QByteArray bytesOf(const QJsonObject& o) {
    return QJsonDocument(o).toJson();
}

TEST(AircraftFile, WritesAndReadsBackEveryFigure) {
    Aircraft a = test::circularAircraft();
    a.units = Units::KilogramMillimetre;
    a.tanks.push_back({"Tip", 1000.25, 55, FuelType::Other, 0.8});
    a.utility = {{500, 220}, {900, 220}, {900, 400.1}};
    const ReadResult read = readAircraft(writeAircraft(a));
    ASSERT_TRUE(read.aircraft) << read.error.toStdString();
    EXPECT_EQ(writeAircraft(*read.aircraft), writeAircraft(a));
    EXPECT_EQ(read.aircraft->tanks[1].density, 0.8);
    EXPECT_EQ(read.aircraft->utility[2].arm, 400.1);
}

TEST(AircraftFile, KeepsTheClimbAndDescentAndReadsTheFirstVersionWithout) {
    Aircraft a = test::circularAircraft();
    a.climb = ClimbPerformance{700, 75, 11.5};
    a.descent = ClimbPerformance{500, 120, 6};
    const ReadResult read = readAircraft(writeAircraft(a));
    ASSERT_TRUE(read.aircraft) << read.error.toStdString();
    EXPECT_EQ(read.aircraft->climb, a.climb);
    EXPECT_EQ(read.aircraft->descent, a.descent);

    QJsonObject first = sampleJson();
    first[QStringLiteral("version")] = 1;
    const ReadResult old = readAircraft(bytesOf(first));
    ASSERT_TRUE(old.aircraft) << old.error.toStdString();
    EXPECT_FALSE(old.aircraft->climb);
    EXPECT_FALSE(old.aircraft->descent);
    EXPECT_EQ(old.aircraft->cruiseTas, 110);
}

struct BadFile {
    const char* what;
    std::function<QByteArray()> bytes;
    const char* message;
};

class BadFileTest : public ::testing::TestWithParam<BadFile> {};

QByteArray with(const std::function<void(QJsonObject&)>& change) {
    QJsonObject o = sampleJson();
    change(o);
    return bytesOf(o);
}

TEST_P(BadFileTest, IsRefusedWithItsReason) {
    const BadFile& c = GetParam();
    const ReadResult read = readAircraft(c.bytes());
    EXPECT_FALSE(read.aircraft) << c.what;
    EXPECT_EQ(read.error.toStdString(), c.message) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadFileTest,
    ::testing::Values(
        BadFile{"not JSON", [] { return QByteArray("name = Cub"); },
                "not a JSON file (illegal value at character 1)"},
        BadFile{"a JSON list", [] { return QByteArray("[1, 2]"); },
                "not an aircraft file (no JSON object)"},
        BadFile{"another format",
                [] { return with([](QJsonObject& o) { o[QStringLiteral("format")] = "plan"; }); },
                "format: is not \"aerolume-aircraft\": not an aircraft file"},
        BadFile{"newer version",
                [] { return with([](QJsonObject& o) { o[QStringLiteral("version")] = 3; }); },
                "version: 3 is newer than this program reads (2)"},
        BadFile{"a version that never was",
                [] { return with([](QJsonObject& o) { o[QStringLiteral("version")] = 1.5; }); },
                "version: 1.5 is not a version from 1 to 2"},
        BadFile{
            "a climb without its fuel flow",
            [] {
                return with([](QJsonObject& o) {
                    o[QStringLiteral("climb")] = QJsonObject{{"rate", 700}, {"trueAirspeed", 75}};
                });
            },
            "climb.fuelFlow: is missing"},
        BadFile{"a descent that is a number",
                [] { return with([](QJsonObject& o) { o[QStringLiteral("descent")] = 500; }); },
                "descent: must be an object"},
        BadFile{"a climb rate of 0",
                [] {
                    return with([](QJsonObject& o) {
                        o[QStringLiteral("climb")] =
                            QJsonObject{{"rate", 0}, {"trueAirspeed", 75}, {"fuelFlow", 11}};
                    });
                },
                "climb.rate: 0 is outside 1 to 10000 ft/min"},
        BadFile{"a descent airspeed of 1001 kt",
                [] {
                    return with([](QJsonObject& o) {
                        o[QStringLiteral("descent")] =
                            QJsonObject{{"rate", 500}, {"trueAirspeed", 1001}, {"fuelFlow", 6}};
                    });
                },
                "descent.trueAirspeed: 1001 is outside 1 to 1000 kt"},
        BadFile{"a negative descent fuel flow",
                [] {
                    return with([](QJsonObject& o) {
                        o[QStringLiteral("descent")] =
                            QJsonObject{{"rate", 500}, {"trueAirspeed", 100}, {"fuelFlow", -1}};
                    });
                },
                "descent.fuelFlow: -1 is outside 0 to 10000 US gal/h"},
        BadFile{"two envelope points",
                [] {
                    return with([](QJsonObject& o) {
                        QJsonArray e = o[QStringLiteral("envelope")].toArray();
                        e.removeLast();
                        e.removeLast();
                        o[QStringLiteral("envelope")] = e;
                    });
                },
                "envelope: needs at least three points"},
        BadFile{"self-crossing envelope",
                [] {
                    return with([](QJsonObject& o) {
                        QJsonArray e = o[QStringLiteral("envelope")].toArray();
                        const QJsonValue last = e.takeAt(3);
                        e.insert(2, last);
                        o[QStringLiteral("envelope")] = e;
                    });
                },
                "envelope: crosses itself or repeats a point"},
        BadFile{
            "negative empty weight",
            [] { return with([](QJsonObject& o) { o[QStringLiteral("emptyWeight")] = -1169; }); },
            "emptyWeight: -1169 must be more than 0 and at most 2000000 lb"},
        BadFile{"negative station maximum",
                [] {
                    return with([](QJsonObject& o) {
                        QJsonArray s = o[QStringLiteral("stations")].toArray();
                        QJsonObject baggage = s[3].toObject();
                        baggage[QStringLiteral("maxWeight")] = -100;
                        s[3] = baggage;
                        o[QStringLiteral("stations")] = s;
                    });
                },
                "stations[3].maxWeight: -100 is outside 0 to 2000000 lb"},
        BadFile{"missing key",
                [] {
                    return with(
                        [](QJsonObject& o) { o.remove(QStringLiteral("maxLandingWeight")); });
                },
                "maxLandingWeight: is missing"},
        BadFile{"missing tank key",
                [] {
                    return with([](QJsonObject& o) {
                        QJsonArray t = o[QStringLiteral("tanks")].toArray();
                        QJsonObject main = t[0].toObject();
                        main.remove(QStringLiteral("capacity"));
                        t[0] = main;
                        o[QStringLiteral("tanks")] = t;
                    });
                },
                "tanks[0].capacity: is missing"},
        BadFile{"text for a number",
                [] { return with([](QJsonObject& o) { o[QStringLiteral("emptyArm")] = "10.6"; }); },
                "emptyArm: must be a number"},
        BadFile{"unknown units",
                [] { return with([](QJsonObject& o) { o[QStringLiteral("units")] = "lb-cm"; }); },
                "units: must be one of \"lb-in\", \"kg-mm\", \"kg-m\""},
        BadFile{"stations not a list",
                [] { return with([](QJsonObject& o) { o[QStringLiteral("stations")] = 4; }); },
                "stations: must be a list"},
        BadFile{"huge file", [] { return QByteArray(qsizetype{2} * 1024 * 1024, ' '); },
                "the file is larger than 1024 KB"},
        BadFile{"version given twice",
                [] {
                    return bytesOf(sampleJson())
                        .replace("\"version\": 2", "\"version\": 99, \"version\": 2");
                },
                "version: appears twice (a key may appear once in an object)"},
        BadFile{"a station's arm given twice, once escaped",
                [] {
                    return bytesOf(sampleJson())
                        .replace("\"arm\": 16", "\"arm\": 16, \"\\u0061rm\": 17");
                },
                "stations[1].arm: appears twice (a key may appear once in an object)"},
        BadFile{"an empty utility envelope",
                [] {
                    return with([](QJsonObject& o) {
                        o[QStringLiteral("utilityEnvelope")] = QJsonArray();
                    });
                },
                "utilityEnvelope: needs at least three points"},
        BadFile{
            "a weight of 1e308",
            [] { return with([](QJsonObject& o) { o[QStringLiteral("maxRampWeight")] = 1e308; }); },
            "maxRampWeight: 1e+308 must be more than 0 and at most 2000000 lb"},
        BadFile{"a name of 101 characters, each two code points",
                [] {
                    return with([](QJsonObject& o) {
                        o[QStringLiteral("name")] = QString::fromUtf16(u"e\u0301").repeated(101);
                    });
                },
                "name: has 101 characters, more than the 100 a name may have"},
        BadFile{"a long registration",
                [] {
                    return with([](QJsonObject& o) {
                        o[QStringLiteral("registration")] = QStringLiteral("N").repeated(21);
                    });
                },
                "registration: has 21 characters, more than the 20 a registration may have"}));

TEST(AircraftFile, ANameOfTheLongestLengthInCharactersAsSeenIsRead) {
    QJsonObject o = sampleJson();
    // 100 characters as a person sees them: 200 code points, 300 bytes.
    o[QStringLiteral("name")] = QString::fromUtf16(u"e\u0301").repeated(100);
    const ReadResult read = readAircraft(bytesOf(o));
    EXPECT_TRUE(read.aircraft) << read.error.toStdString();
}

// The store: an isolated folder per test.
class StoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    AircraftStore store{dir.path() + QStringLiteral("/aircraft")};

    QString writeRaw(const char* name, const QByteArray& bytes) {
        QDir().mkpath(store.folder());
        QString path = store.folder() + u'/' + QLatin1String(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
};

TEST_F(StoreTest, ListsDamagedFilesWithTheirReasonAndLeavesThemAlone) {
    QString error;
    ASSERT_TRUE(store.save(test::circularAircraft(), {}, &error));
    const QString broken = writeRaw("broken.aerolume-aircraft", "{\"format\": ");
    writeRaw("notes.txt", "not an aircraft");
    const QList<AircraftEntry> entries = store.entries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_TRUE(entries[0].aircraft);
    EXPECT_FALSE(entries[1].aircraft);
    EXPECT_EQ(entries[1].path, broken);
    EXPECT_TRUE(entries[1].damage.startsWith(QStringLiteral("not a JSON file")));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("{\"format\": "));

    const QList<AircraftSummary> summaries = AircraftStore::list(store.folder());
    ASSERT_EQ(summaries.size(), 2);
    EXPECT_EQ(summaries[0].registration, QStringLiteral("N43131"));
    EXPECT_EQ(summaries[0].cruiseTasKt, 110);
    EXPECT_EQ(summaries[0].fuelFlow, 9);
    EXPECT_EQ(summaries[0].fuelFlowUnit, QStringLiteral("USgal"));
    EXPECT_FALSE(summaries[1].damage.isEmpty());
}

TEST_F(StoreTest, NewFilesNeverReplaceOthersAndImportRefusesDamage) {
    QString error;
    const auto first = store.save(test::circularAircraft(), {}, &error);
    const auto second = store.save(test::circularAircraft(), {}, &error);
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
    const QString outside = dir.path() + QStringLiteral("/export.aerolume-aircraft");
    ASSERT_TRUE(store.exportFile(test::circularAircraft(), outside, &error));
    EXPECT_TRUE(store.importFile(outside, &error));
    EXPECT_EQ(store.entries().size(), 3);
    QFile bad(outside);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("{}");
    bad.close();
    EXPECT_FALSE(store.importFile(outside, &error));
    EXPECT_EQ(error, QStringLiteral("format: is missing"));
    EXPECT_EQ(store.entries().size(), 3);
    EXPECT_TRUE(store.remove(*first, &error));
    EXPECT_EQ(store.entries().size(), 2);
}

TEST_F(StoreTest, LongAndStrangeNamesGiveShortSafeFileNames) {
    const struct {
        QString name;
        const char* file;
    } rows[] = {{QStringLiteral("Cessna 172S"), "Cessna-172S"},
                {QStringLiteral("-rf /"), "rf"},
                {QString::fromUtf16(u"\u00c9cole \u2708"), "cole"},
                {QString::fromUtf16(u"\u2708\u2708"), "aircraft"},
                {QStringLiteral("x").repeated(100), nullptr}};
    for (const auto& row : rows) {
        Aircraft a = test::circularAircraft();
        a.name = row.name.toStdString();
        QString error;
        const auto path = store.save(a, {}, &error);
        ASSERT_TRUE(path) << error.toStdString();
        const QString expected =
            row.file ? QString::fromLatin1(row.file) : QStringLiteral("x").repeated(60);
        EXPECT_EQ(QFileInfo(*path).fileName(), expected + QStringLiteral(".aerolume-aircraft"));
        ASSERT_TRUE(store.importFile(*path, &error)) << error.toStdString();
    }
    // Each import is a file of its own beside the first of its name.
    EXPECT_TRUE(
        QFileInfo::exists(store.folder() + QStringLiteral("/Cessna-172S-2.aerolume-aircraft")));
    EXPECT_EQ(store.entries().size(), 10);
}

TEST_F(StoreTest, APipeOrSocketInTheFolderIsListedWithItsReasonAndNeverOpened) {
    QDir().mkpath(store.folder());
    const QByteArray pipe =
        QFile::encodeName(store.folder() + QStringLiteral("/pipe.aerolume-aircraft"));
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    QString error;
    ASSERT_TRUE(store.save(test::circularAircraft(), {}, &error));
    const QList<AircraftEntry> entries = store.entries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[1].damage, QStringLiteral("it is a named pipe, not a file"));
    EXPECT_FALSE(store.importFile(QString::fromLocal8Bit(pipe), &error));
    EXPECT_EQ(error, QStringLiteral("it is a named pipe, not a file"));
}

TEST_F(StoreTest, SavesNeverGoOverAFileChangedOrRemovedSinceItWasRead) {
    QString error;
    const auto path = store.save(test::circularAircraft(), {}, &error);
    ASSERT_TRUE(path);
    const AircraftEntry read = readAircraftFile(*path);
    Aircraft edited = *read.aircraft;
    edited.emptyWeight = 1200;
    // Another program writes a newer copy; then removes it.
    Aircraft other = *read.aircraft;
    other.emptyWeight = 1300;
    ASSERT_TRUE(store.exportFile(other, *path, &error));
    EXPECT_FALSE(store.save(edited, *path, &error, read.stamp));
    EXPECT_EQ(error, QStringLiteral("the file was changed since it was read"));
    EXPECT_EQ(readAircraftFile(*path).aircraft->emptyWeight, 1300);
    ASSERT_TRUE(QFile::remove(*path));
    EXPECT_FALSE(store.save(edited, *path, &error, read.stamp));
    EXPECT_EQ(error, QStringLiteral("the file was removed since it was read"));
    EXPECT_FALSE(QFileInfo::exists(*path));
    // A file of a newer format version stays as it is.
    const QByteArray newer = R"({"format": "aerolume-aircraft", "version": 3, "name": "Next"})";
    writeRaw("next.aerolume-aircraft", newer);
    EXPECT_FALSE(
        store.save(edited, store.folder() + QStringLiteral("/next.aerolume-aircraft"), &error));
    EXPECT_TRUE(
        error.startsWith(QStringLiteral("the file there is an aircraft of format version 3")));
    QFile kept(store.folder() + QStringLiteral("/next.aerolume-aircraft"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), newer);
}

TEST_F(StoreTest, TheEarlierFolderIsMovedIntoTheDocumentedOne) {
    const QString earlier = dir.path() + QStringLiteral("/Aerolume 32/aircraft");
    AircraftStore old(earlier);
    QString error;
    Aircraft a = test::circularAircraft();
    a.emptyWeight = 1170;  // another aircraft of the same name as one already moved
    QDir().mkpath(store.folder());
    ASSERT_TRUE(old.save(a, {}, &error));
    ASSERT_TRUE(old.exportFile(test::circularAircraft(),
                               earlier + QStringLiteral("/copied-by-hand.aerolume-aircraft"),
                               &error));
    ASSERT_TRUE(store.exportFile(
        test::circularAircraft(),
        store.folder() + QStringLiteral("/copied-by-hand.aerolume-aircraft"), &error));
    a.name = "Second";
    ASSERT_TRUE(old.save(a, {}, &error));
    ASSERT_TRUE(store.save(test::circularAircraft(), {}, &error));  // the same name, taken
    EXPECT_EQ(AircraftStore::moveEarlierFiles(earlier, store.folder()), QStringList());
    EXPECT_FALSE(QFileInfo::exists(dir.path() + QStringLiteral("/Aerolume 32")));
    QStringList names;
    for (const AircraftEntry& e : store.entries()) {
        names << QFileInfo(e.path).fileName();
    }
    names.sort();
    EXPECT_EQ(names.join(u' ').toStdString(),
              "AC-43-13-1B-example-2.aerolume-aircraft AC-43-13-1B-example.aerolume-aircraft "
              "Second.aerolume-aircraft copied-by-hand.aerolume-aircraft");
    EXPECT_EQ(AircraftStore::moveEarlierFiles(earlier, store.folder()), QStringList());
}

TEST(AircraftStore, KeepsAircraftInTheDocumentedFolder) {
    EXPECT_TRUE(AircraftStore::defaultFolder().endsWith(QStringLiteral("/Aerolume/aircraft")));
    EXPECT_TRUE(AircraftStore::earlierFolder().endsWith(QStringLiteral("/Aerolume 32/aircraft")));
    EXPECT_EQ(QFileInfo(AircraftStore::defaultFolder()).path(),
              QFileInfo(QFileInfo(AircraftStore::earlierFolder()).path()).path() +
                  QStringLiteral("/Aerolume"));
}

}  // namespace
}  // namespace aerolume::aircraft
