// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>

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
                [] { return with([](QJsonObject& o) { o[QStringLiteral("version")] = 2; }); },
                "version: 2 is newer than this program reads (1)"},
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
            "emptyWeight: must be more than 0"},
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
                "stations[3].maxWeight: must not be negative"},
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
                "the file is larger than 1024 KB"}));

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

}  // namespace
}  // namespace aerolume::aircraft
