// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>

#include "planning/PlanFile.h"

namespace aerolume::planning {
namespace {

Plan samplePlan() {
    Plan plan;
    plan.name = "Santa Monica – Las Vegas";
    plan.date = PlanDate{2026, 7, 14};
    plan.defaults = {6500, 115, 250, 20, 11.5, 9.5, 48, 1.2, 45, FuelUnit::Litres};
    plan.checkpoints = {{"KSMO", 34.0158, -118.4513, {}},
                        {"Pomona \"VOR\"", 34.0785, -117.7873, {}},
                        {"KLAS", 36.08, -115.152, {8500, 120, 240, 30, 12}}};
    plan.checkpoints[1].leg.windSpeed = 0;
    // Where the checkpoints came from: an airport with its elevation, a fix from a VOR.
    plan.checkpoints[0].elevation = 177;
    plan.checkpoints[0].origin = {PlaceKind::Airport, "KSMO", "US", std::nullopt};
    plan.checkpoints[1].origin = {PlaceKind::RadialDistance, "POM", "US",
                                  RadialDistance{"POM", 90, 2.5}};
    // The flight in time and height, its fuel plan, alternate and aircraft.
    plan.departureTime = TimeOfDay{16, 5};
    plan.climb = ClimbFigures{650, 79, 11.5};
    plan.descent = ClimbFigures{500, 120, 7};
    plan.patternAltitude = 1500;
    plan.fuelPlan = FuelPlanInputs{7.5, 2};
    plan.alternate = Checkpoint{"KHND Henderson Executive", 35.9728, -115.134, {}};
    plan.alternate->leg.altitude = 4500;
    plan.alternate->elevation = 2492;
    plan.alternate->origin = {PlaceKind::Airport, "KHND", "US", std::nullopt};
    plan.aircraft = "C172S Skyhawk";
    plan.registration = "N12345";
    return plan;
}

TEST(PlanFileTest, AWrittenPlanReadsBackTheSame) {
    const Plan plan = samplePlan();
    const auto back = readPlan(writePlan(plan));
    ASSERT_TRUE(std::holds_alternative<Plan>(back)) << std::get<QString>(back).toStdString();
    EXPECT_EQ(std::get<Plan>(back), plan);
    EXPECT_EQ(std::get<Plan>(readPlan(writePlan(Plan{}))), Plan{});
}

TEST(PlanFileTest, SavingReplacesTheFileWholeOrLeavesTheOldOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trip.aerolume-plan"));
    ASSERT_EQ(savePlanFile(path, samplePlan()), QString());
    const auto read = readPlanFile(path);
    ASSERT_TRUE(std::holds_alternative<Plan>(read));
    EXPECT_EQ(std::get<Plan>(read), samplePlan());
    // A folder where the file should go cannot be replaced: the message says so and
    // nothing else is written.
    const QString blocked = dir.filePath(QStringLiteral("folder.aerolume-plan"));
    ASSERT_TRUE(QDir().mkdir(blocked));
    EXPECT_FALSE(savePlanFile(blocked, samplePlan()).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("trip.aerolume-plan")});
}

// A valid file's JSON with one change made to it.
QByteArray changed(const std::function<void(QJsonObject&)>& change) {
    QJsonObject top = QJsonDocument::fromJson(writePlan(samplePlan())).object();
    change(top);
    return QJsonDocument(top).toJson();
}

void setIn(QJsonObject& top, const QString& section, const QString& key, const QJsonValue& v) {
    QJsonObject inner = top.value(section).toObject();
    inner.insert(key, v);
    top.insert(section, inner);
}

void setInCheckpoint(QJsonObject& top, int index, const QString& key, const QJsonValue& v) {
    QJsonArray list = top.value(QStringLiteral("checkpoints")).toArray();
    QJsonObject point = list.at(index).toObject();
    if (key.startsWith(QStringLiteral("leg."))) {
        QJsonObject leg = point.value(QStringLiteral("leg")).toObject();
        leg.insert(key.mid(4), v);
        point.insert(QStringLiteral("leg"), leg);
    } else if (key.startsWith(QStringLiteral("origin."))) {
        QJsonObject origin = point.value(QStringLiteral("origin")).toObject();
        origin.insert(key.mid(7), v);
        point.insert(QStringLiteral("origin"), origin);
    } else if (v.isUndefined()) {
        point.remove(key);
    } else {
        point.insert(key, v);
    }
    list.replace(index, point);
    top.insert(QStringLiteral("checkpoints"), list);
}

struct BadFile {
    const char* what;
    QByteArray bytes;
    const char* message;  // the whole message, or a part of it that says what and where
};

void PrintTo(const BadFile& bad, std::ostream* os) {
    *os << bad.what;
}

class BadFileTest : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadFileTest, IsRefusedWithAMessageSayingWhatAndWhere) {
    const auto result = readPlan(GetParam().bytes);
    ASSERT_TRUE(std::holds_alternative<QString>(result));
    EXPECT_TRUE(std::get<QString>(result).contains(QString::fromUtf8(GetParam().message)))
        << std::get<QString>(result).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadFileTest,
    ::testing::Values(
        BadFile{"not JSON", "checkpoints: KSMO, KLAS", "it is not JSON"},
        BadFile{"cut short", writePlan(samplePlan()).left(200), "it is not JSON"},
        BadFile{"a list", "[1, 2]", "it is not a JSON object"},
        BadFile{"another format",
                changed([](QJsonObject& t) { t.insert(QStringLiteral("format"), "wb"); }),
                "format: this is not a navigation log plan"},
        BadFile{"no format", changed([](QJsonObject& t) { t.remove(QStringLiteral("format")); }),
                "format: the key is missing."},
        BadFile{"newer version",
                changed([](QJsonObject& t) { t.insert(QStringLiteral("version"), 4); }),
                "version: the plan was written in format version 4 by a newer program; this "
                "program reads version 3."},
        BadFile{"date as a number",
                changed([](QJsonObject& t) { t.insert(QStringLiteral("date"), 20260714); }),
                "date: a text in quotes is expected."},
        BadFile{"a day that does not exist",
                changed([](QJsonObject& t) { t.insert(QStringLiteral("date"), "2026-02-30"); }),
                "date: \"2026-02-30\" is not a date from 2000-01-01 to 2099-12-31 written as "
                "\"YYYY-MM-DD\"."},
        BadFile{"date in another order",
                changed([](QJsonObject& t) { t.insert(QStringLiteral("date"), "14.07.2026"); }),
                "date: \"14.07.2026\" is not a date"},
        BadFile{"date with a time", changed([](QJsonObject& t) {
                    t.insert(QStringLiteral("date"), "2026-07-14T10:00:00");
                }),
                "date: \"2026-07-14T10:00:00\" is not a date"},
        BadFile{"date before the plan years",
                changed([](QJsonObject& t) { t.insert(QStringLiteral("date"), "1999-12-31"); }),
                "date: \"1999-12-31\" is not a date"},
        BadFile{"version as text",
                changed([](QJsonObject& t) { t.insert(QStringLiteral("version"), "1"); }),
                "version: a whole number from 1 on is expected."},
        BadFile{"version 1.5",
                changed([](QJsonObject& t) { t.insert(QStringLiteral("version"), 1.5); }),
                "version: a whole number"},
        BadFile{"no defaults",
                changed([](QJsonObject& t) { t.remove(QStringLiteral("defaults")); }),
                "defaults: the key is missing."},
        BadFile{"missing airspeed", changed([](QJsonObject& t) {
                    QJsonObject d = t.value(QStringLiteral("defaults")).toObject();
                    d.remove(QStringLiteral("trueAirspeedKt"));
                    t.insert(QStringLiteral("defaults"), d);
                }),
                "defaults.trueAirspeedKt: the key is missing."},
        BadFile{"airspeed out of range", changed([](QJsonObject& t) {
                    setIn(t, QStringLiteral("defaults"), QStringLiteral("trueAirspeedKt"), 0);
                }),
                "defaults.trueAirspeedKt: 0 is outside 1 to 1000."},
        BadFile{"fuel as text", changed([](QJsonObject& t) {
                    setIn(t, QStringLiteral("defaults"), QStringLiteral("fuelAtStart"), "40");
                }),
                "defaults.fuelAtStart: a number is expected."},
        BadFile{"unknown fuel unit", changed([](QJsonObject& t) {
                    setIn(t, QStringLiteral("defaults"), QStringLiteral("fuelUnit"), "gal");
                }),
                "defaults.fuelUnit: \"gal\" is not one of"},
        BadFile{"checkpoints not a list",
                changed([](QJsonObject& t) { t.insert(QStringLiteral("checkpoints"), 3); }),
                "checkpoints: a list in brackets is expected."},
        BadFile{"latitude out of range", changed([](QJsonObject& t) {
                    setInCheckpoint(t, 1, QStringLiteral("latitudeDeg"), 95);
                }),
                "checkpoint 2 (checkpoints[1]).latitudeDeg: 95 is outside -90 to 90."},
        BadFile{"missing longitude", changed([](QJsonObject& t) {
                    setInCheckpoint(t, 2, QStringLiteral("longitudeDeg"), QJsonValue::Undefined);
                }),
                "checkpoint 3 (checkpoints[2]).longitudeDeg: the key is missing."},
        BadFile{"name as a number",
                changed([](QJsonObject& t) { setInCheckpoint(t, 0, QStringLiteral("name"), 7); }),
                "checkpoint 1 (checkpoints[0]).name: a text in quotes is expected."},
        BadFile{"leg wind out of range", changed([](QJsonObject& t) {
                    setInCheckpoint(t, 2, QStringLiteral("leg.windSpeedKt"), 250);
                }),
                "checkpoint 3 (checkpoints[2]).leg.windSpeedKt: 250 is outside 0 to 200."},
        BadFile{"leg variation as text", changed([](QJsonObject& t) {
                    setInCheckpoint(t, 1, QStringLiteral("leg.variationDeg"), "12E");
                }),
                "checkpoint 2 (checkpoints[1]).leg.variationDeg: a number is expected."},
        BadFile{"unknown kind of place", changed([](QJsonObject& t) {
                    setInCheckpoint(t, 0, QStringLiteral("origin.kind"), "castle");
                }),
                "checkpoint 1 (checkpoints[0]).origin.kind: \"castle\" is not a kind of place"},
        BadFile{"a place without identifier", changed([](QJsonObject& t) {
                    setInCheckpoint(t, 0, QStringLiteral("origin.identifier"), "");
                }),
                "checkpoint 1 (checkpoints[0]).origin.identifier: a place from the data has an "
                "identifier."},
        BadFile{"radial beyond 360", changed([](QJsonObject& t) {
                    setInCheckpoint(t, 1, QStringLiteral("origin.radialDeg"), 361);
                }),
                "checkpoint 2 (checkpoints[1]).origin.radialDeg: 361 is outside 0 to 360."},
        BadFile{"fix at no distance", changed([](QJsonObject& t) {
                    setInCheckpoint(t, 1, QStringLiteral("origin.distanceNm"), 0);
                }),
                "checkpoint 2 (checkpoints[1]).origin.distanceNm: a distance above 0"},
        BadFile{"elevation out of range", changed([](QJsonObject& t) {
                    setInCheckpoint(t, 0, QStringLiteral("elevationFt"), 30000);
                }),
                "checkpoint 1 (checkpoints[0]).elevationFt: 30000 is outside -1500 to 20000."},
        BadFile{"checkpoint not an object", changed([](QJsonObject& t) {
                    QJsonArray list = t.value(QStringLiteral("checkpoints")).toArray();
                    list.append(QStringLiteral("KVGT"));
                    t.insert(QStringLiteral("checkpoints"), list);
                }),
                "checkpoint 4 (checkpoints[3]): an object in braces is expected."},
        BadFile{"too many checkpoints", changed([](QJsonObject& t) {
                    QJsonArray list;
                    for (int i = 0; i < 1001; ++i) {
                        list.append(QJsonObject{{QStringLiteral("name"), QString()},
                                                {QStringLiteral("latitudeDeg"), 0},
                                                {QStringLiteral("longitudeDeg"), 0}});
                    }
                    t.insert(QStringLiteral("checkpoints"), list);
                }),
                "checkpoints: 1001 checkpoints are more than the 1000 a plan may have."},
        BadFile{"huge file", QByteArray(kMaxPlanFileBytes + 1, ' '), "it is larger than 4 MB."},
        BadFile{
            "version 99, then 3",
            writePlan(samplePlan()).replace("\"version\": 3", "\"version\": 99, \"version\": 3"),
            "The plan file cannot be read: version: the key appears twice"},
        BadFile{"a checkpoint's name twice",
                writePlan(samplePlan())
                    .replace("\"name\": \"KLAS\"", "\"name\": \"KLAS\", \"name\": \"KVGT\""),
                "checkpoints[2].name: the key appears twice"},
        BadFile{"a latitude just past the pole", changed([](QJsonObject& t) {
                    setInCheckpoint(t, 0, QStringLiteral("latitudeDeg"), 90.0000001);
                }),
                "latitudeDeg: 90.0000001 is outside -90 to 90."},
        BadFile{"a departure time past midnight", changed([](QJsonObject& t) {
                    t.insert(QStringLiteral("departureTimeUtc"), "24:00");
                }),
                "departureTimeUtc: \"24:00\" is not a time from 00:00 to 23:59 written as "
                "\"hh:mm\"."},
        BadFile{"a departure time without its leading zero", changed([](QJsonObject& t) {
                    t.insert(QStringLiteral("departureTimeUtc"), "9:30");
                }),
                "departureTimeUtc: \"9:30\" is not a time"},
        BadFile{"a climb rate of 0", changed([](QJsonObject& t) {
                    setIn(t, QStringLiteral("climb"), QStringLiteral("rateFtPerMin"), 0);
                }),
                "climb.rateFtPerMin: 0 is outside 1 to 10000."},
        BadFile{"a descent without its airspeed", changed([](QJsonObject& t) {
                    QJsonObject descent = t.value(QStringLiteral("descent")).toObject();
                    descent.remove(QStringLiteral("trueAirspeedKt"));
                    t.insert(QStringLiteral("descent"), descent);
                }),
                "descent.trueAirspeedKt: the key is missing."},
        BadFile{"a pattern altitude of 6000 ft", changed([](QJsonObject& t) {
                    t.insert(QStringLiteral("patternAltitudeFt"), 6000);
                }),
                "patternAltitudeFt: 6000 is outside 0 to 5000."},
        BadFile{"a contingency above 100 %", changed([](QJsonObject& t) {
                    setIn(t, QStringLiteral("fuelPlan"), QStringLiteral("contingencyPercent"),
                          100.5);
                }),
                "fuelPlan.contingencyPercent: 100.5 is outside 0 to 100."},
        BadFile{"extra fuel as a text", changed([](QJsonObject& t) {
                    setIn(t, QStringLiteral("fuelPlan"), QStringLiteral("extraFuel"), "2");
                }),
                "fuelPlan.extraFuel: a number is expected."},
        BadFile{"an alternate without its position", changed([](QJsonObject& t) {
                    QJsonObject alternate = t.value(QStringLiteral("alternate")).toObject();
                    alternate.remove(QStringLiteral("longitudeDeg"));
                    t.insert(QStringLiteral("alternate"), alternate);
                }),
                "alternate.longitudeDeg: the key is missing."},
        BadFile{"an alternate's altitude out of range", changed([](QJsonObject& t) {
                    setIn(t, QStringLiteral("alternate"), QStringLiteral("leg"),
                          QJsonObject{{QStringLiteral("altitudeFt"), 70000}});
                }),
                "alternate.leg.altitudeFt: 70000 is outside -1500 to 60000."},
        BadFile{"a registration of 17 characters", changed([](QJsonObject& t) {
                    t.insert(QStringLiteral("registration"), QStringLiteral("N").repeated(17));
                }),
                "registration: the text is longer than 16 characters."},
        BadFile{"a name of 201 characters as seen", changed([](QJsonObject& t) {
                    t.insert(QStringLiteral("name"), QString::fromUtf16(u"e\u0301").repeated(201));
                }),
                "name: the text is longer than 200 characters."}));

TEST(PlanFileTest, NamesAreCountedInCharactersAsSeen) {
    Plan plan = samplePlan();
    // 200 characters as a person sees them, each two code points.
    plan.name = QString::fromUtf16(u"e\u0301").repeated(200).toStdString();
    const auto read = readPlan(writePlan(plan));
    ASSERT_TRUE(std::holds_alternative<Plan>(read)) << std::get<QString>(read).toStdString();
}

TEST(PlanFileTest, AVersionOnePlanOpensWithItsTypedVariationsAndNoDate) {
    // As version 1 wrote it; its "date" was an unknown key then and stays unread.
    const QByteArray v1 = R"({
        "format": "aerolume-plan", "version": 1, "name": "Old", "date": "not read",
        "defaults": {"altitudeFt": 4500, "trueAirspeedKt": 120, "windDirectionDeg": 0,
                     "windSpeedKt": 0, "variationDeg": -10, "fuelUnit": "USgal",
                     "fuelFlowPerHour": 8, "fuelAtStart": 40, "taxiFuel": 1,
                     "reserveMinutes": 45},
        "checkpoints": [{"name": "A", "latitudeDeg": 0, "longitudeDeg": 0},
                        {"name": "B", "latitudeDeg": 0, "longitudeDeg": 1,
                         "leg": {"variationDeg": 4.5}},
                        {"name": "C", "latitudeDeg": 0, "longitudeDeg": 2}]})";
    const auto read = readPlan(v1);
    ASSERT_TRUE(std::holds_alternative<Plan>(read)) << std::get<QString>(read).toStdString();
    const Plan& plan = std::get<Plan>(read);
    EXPECT_FALSE(plan.date);
    EXPECT_EQ(plan.checkpoints[1].leg.variation, 4.5);
    EXPECT_FALSE(plan.checkpoints[2].leg.variation);
    EXPECT_EQ(plan.defaults.variation, -10);
    // Written again, it is a version 3 file without a date that reads back the same.
    const QJsonObject written = QJsonDocument::fromJson(writePlan(plan)).object();
    EXPECT_EQ(written.value(QStringLiteral("version")).toInt(), 3);
    EXPECT_FALSE(written.contains(QStringLiteral("date")));
    EXPECT_EQ(std::get<Plan>(readPlan(writePlan(plan))), plan);
}

TEST(PlanFileTest, AVersionTwoPlanOpensItsPositionsAndNamesOnOneLine) {
    // Version 2 had no origins nor elevations: keys of those names are unknown there.
    const QByteArray v2 = R"({
        "format": "aerolume-plan", "version": 2, "name": "Two\nlines", "date": "2026-07-14",
        "defaults": {"altitudeFt": 4500, "trueAirspeedKt": 120, "windDirectionDeg": 0,
                     "windSpeedKt": 0, "variationDeg": 0, "fuelUnit": "USgal",
                     "fuelFlowPerHour": 8, "fuelAtStart": 40, "taxiFuel": 1,
                     "reserveMinutes": 45},
        "checkpoints": [{"name": "EGTK\r\nOxford", "latitudeDeg": 51.8369, "longitudeDeg": -1.32,
                         "elevationFt": 270, "origin": {"kind": "airport", "identifier": "EGTK"}},
                        {"name": "CPT", "latitudeDeg": 51.4917, "longitudeDeg": -1.2197}],
        "departureTimeUtc": "25:99", "fuelPlan": {"contingencyPercent": 5, "extraFuel": 0}})";
    const auto read = readPlan(v2);
    ASSERT_TRUE(std::holds_alternative<Plan>(read)) << std::get<QString>(read).toStdString();
    const Plan& plan = std::get<Plan>(read);
    EXPECT_EQ(plan.name, "Two lines");
    EXPECT_EQ(plan.checkpoints[0].name, "EGTK Oxford");
    EXPECT_EQ(plan.checkpoints[0].latitude, 51.8369);
    EXPECT_FALSE(plan.checkpoints[0].elevation);
    EXPECT_EQ(plan.checkpoints[0].origin, CheckpointOrigin{});
    EXPECT_FALSE(plan.departureTime);
    EXPECT_FALSE(plan.fuelPlan);
}

TEST(PlanFileTest, TheDateIsWrittenAsYearMonthDay) {
    const QJsonObject written = QJsonDocument::fromJson(writePlan(samplePlan())).object();
    EXPECT_EQ(written.value(QStringLiteral("date")).toString(), QStringLiteral("2026-07-14"));
}

TEST(PlanFileTest, AHugeFileOnDiskIsRefusedUnread) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("huge.aerolume-plan")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxPlanFileBytes + 1));
    file.close();
    const auto result = readPlanFile(file.fileName());
    ASSERT_TRUE(std::holds_alternative<QString>(result));
    EXPECT_TRUE(std::get<QString>(result).contains(QStringLiteral("larger than 4 MB")));
}

}  // namespace
}  // namespace aerolume::planning
