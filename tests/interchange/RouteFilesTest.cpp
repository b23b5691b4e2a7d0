// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <cmath>

#include "interchange/FplFormat.h"
#include "interchange/GpxFormat.h"
#include "interchange/RouteExport.h"
#include "interchange/RouteFiles.h"

namespace aerolume::interchange {
namespace {

RoutePoint pt(const char* identifier, WaypointType type, const char* country, double lat,
              double lon, const char* name = "", std::optional<double> elevationFt = {}) {
    return {identifier, type, country, lat, lon, name, elevationFt};
}

const QDateTime kNow(QDate(2026, 7, 14), QTime(9, 30), Qt::UTC);

// A plan of every kind of point, across the 180° meridian and the equator.
Route samplePlan() {
    return {"Nadi to Funafuti",
            {{"NFFN", WaypointType::Airport, "NF", -17.755392, 177.443378, "Nadi Intl", 59},
             {"NN", WaypointType::Ndb, "NF", -17.7534, 177.4417, "Nadi NDB", std::nullopt},
             {"", WaypointType::UserWaypoint, "", -12.5, 179.9999996, "Rotuma west", std::nullopt},
             {"", WaypointType::UserWaypoint, "", -9.123456, -179.654321, "Date line", 1200},
             {"TAFU", WaypointType::Intersection, "NG", -8.9, 179.3, "", std::nullopt},
             {"FU", WaypointType::Vor, "NG", -8.525, 179.196, "Funafuti", std::nullopt},
             {"NGFU", WaypointType::Airport, "NG", -8.525, 179.196111, "Funafuti Intl", 9}}};
}

Route read(RouteFormat format, const Route& route) {
    const Route prepared = std::get<Route>(prepareForExport(route));
    const auto back = readRoute(writeRoute(format, prepared, kNow));
    if (const auto* message = std::get_if<QString>(&back)) {
        ADD_FAILURE() << message->toStdString();
        return {};
    }
    return std::get<Route>(back);
}

class RoundTripTest : public ::testing::TestWithParam<RouteFormat> {};

TEST_P(RoundTripTest, GivesBackTheCheckpointsAsExported) {
    const Route prepared = std::get<Route>(prepareForExport(samplePlan()));
    const Route back = read(GetParam(), samplePlan());
    ASSERT_EQ(back.points.size(), prepared.points.size());
    for (std::size_t i = 0; i < back.points.size(); ++i) {
        const RoutePoint& want = prepared.points[i];
        const RoutePoint& got = back.points[i];
        EXPECT_EQ(got.identifier, want.identifier) << i;
        EXPECT_EQ(got.type, want.type) << i;
        EXPECT_NEAR(got.latitude, want.latitude, 1e-6) << i;
        EXPECT_NEAR(got.longitude, want.longitude, 1e-6) << i;
        EXPECT_EQ(got.elevationFt.has_value(), want.elevationFt.has_value()) << i;
        if (want.elevationFt && got.elevationFt) {
            EXPECT_NEAR(*got.elevationFt, *want.elevationFt, 0.5) << i;
        }
    }
    // Country codes are carried by the flight plan only; names are cut to its comment.
    if (GetParam() == RouteFormat::Fpl) {
        EXPECT_EQ(back.points[0].countryCode, "NF");
        EXPECT_EQ(back.points[0].name, "NADI INTL");
        EXPECT_EQ(back.name, "NADI TO FUNAFUTI");
    } else {
        EXPECT_EQ(back.points[0].name, "Nadi Intl");
        EXPECT_EQ(back.name, "Nadi to Funafuti");
    }
    EXPECT_EQ(back.points[2].identifier, "ROTUMW");
    EXPECT_EQ(back.points[3].identifier, "DATELI");
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTripTest,
                         ::testing::Values(RouteFormat::Fpl, RouteFormat::Gpx));

QByteArray sample(const char* name) {
    QFile file(QStringLiteral(AEROLUME_ROUTE_SAMPLES "/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

struct SampleCase {
    const char* file;
    const char* name;
    std::vector<std::string> identifiers;
    std::vector<WaypointType> types;
    const char* lastName;
    double lastLatitude;
    std::optional<double> lastElevationFt;
};

class SampleFileTest : public ::testing::TestWithParam<SampleCase> {};

TEST_P(SampleFileTest, ReadsTheRouteAsTheUnitWroteIt) {
    const SampleCase& c = GetParam();
    const auto result = readRoute(sample(c.file));
    ASSERT_TRUE(std::holds_alternative<Route>(result)) << std::get<QString>(result).toStdString();
    const auto& route = std::get<Route>(result);
    EXPECT_EQ(route.name, c.name);
    std::vector<std::string> identifiers;
    std::vector<WaypointType> types;
    for (const RoutePoint& p : route.points) {
        identifiers.push_back(p.identifier);
        types.push_back(p.type);
    }
    EXPECT_EQ(identifiers, c.identifiers);
    EXPECT_EQ(types, c.types);
    EXPECT_EQ(route.points.back().name, c.lastName);
    EXPECT_DOUBLE_EQ(route.points.back().latitude, c.lastLatitude);
    ASSERT_EQ(route.points.back().elevationFt.has_value(), c.lastElevationFt.has_value());
    if (c.lastElevationFt) {
        EXPECT_NEAR(*route.points.back().elevationFt, *c.lastElevationFt, 0.5);
    }
}

using T = WaypointType;
INSTANTIATE_TEST_SUITE_P(
    Files, SampleFileTest,
    ::testing::Values(
        SampleCase{"oxford-sywell.fpl",
                   "EGTK TO EGBK",
                   {"EGTK", "DTY", "SILVER", "EGBK"},
                   {T::Airport, T::Vor, T::UserWaypoint, T::Airport},
                   "SYWELL",
                   52.305278,
                   429},
        // A byte order mark, CR LF line ends, blocks of another program and route points
        // without country codes.
        SampleCase{"tablet-vfr.fpl",
                   "KSMO TO KAVX",
                   {"KSMO", "SMO", "VPLPT", "KAVX"},
                   {T::Airport, T::Vor, T::Intersection, T::Airport},
                   "",
                   33.405,
                   1602},
        SampleCase{"user-waypoints.fpl",
                   "",
                   {"HOME", "BRIDGE"},
                   {T::UserWaypoint, T::UserWaypoint},
                   "HARBOUR BRIDGE",
                   -33.852222,
                   std::nullopt},
        // Waypoints beside the route, a second route, extensions of another namespace.
        SampleCase{"tablet-route.gpx",
                   "LFAT-LFRG",
                   {"LFAT", "", "DPE", "LFRG"},
                   {T::Airport, T::UserWaypoint, T::Ndb, T::Airport},
                   "Deauville-Normandie",
                   49.365556,
                   479},
        SampleCase{"handheld-1-0.gpx",
                   "NZWN TO NZNS",
                   {"NZWN", "001", "NZNS"},
                   {T::Airport, T::UserWaypoint, T::Airport},
                   "NZNS",
                   -41.298333,
                   std::nullopt}));

TEST(SampleFileTest, ReadsAFlightPlanInUtf16) {
    QString text = QString::fromUtf8(sample("oxford-sywell.fpl"));
    text.replace(QStringLiteral("utf-8"), QStringLiteral("UTF-16"));
    QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    const QByteArray utf16 = encoder(text);
    const auto result = readRoute(utf16);
    ASSERT_TRUE(std::holds_alternative<Route>(result)) << std::get<QString>(result).toStdString();
    EXPECT_EQ(std::get<Route>(result).points.size(), 4U);
}

struct BadCase {
    const char* what;
    QByteArray bytes;
    // Every fragment must be in the message.
    std::vector<const char*> says;
};

class BadFileTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadFileTest, IsRefusedWithAMessageOfWhatAndWhere) {
    const BadCase& c = GetParam();
    const auto result = readRoute(c.bytes);
    ASSERT_TRUE(std::holds_alternative<QString>(result)) << c.what;
    const QString message = std::get<QString>(result);
    for (const char* fragment : c.says) {
        EXPECT_TRUE(message.contains(QString::fromUtf8(fragment)))
            << c.what << ": " << message.toStdString();
    }
}

QByteArray fpl(const char* waypoint, const char* route = "") {
    return QByteArray(R"(<?xml version="1.0"?>
<flight-plan xmlns="http://www8.garmin.com/xmlschemas/FlightPlan/v1">
<waypoint-table>
)") + waypoint +
           "\n</waypoint-table>\n<route>" + route + "</route>\n</flight-plan>\n";
}

QByteArray gpx(const char* points) {
    return QByteArray(R"(<?xml version="1.0"?>
<gpx xmlns="http://www.topografix.com/GPX/1/1" version="1.1" creator="x"><rte>
)") + points +
           "\n</rte></gpx>\n";
}

QByteArray manyPoints(int count) {
    QByteArray points;
    for (int i = 0; i < count; ++i) {
        points += R"(<rtept lat="1" lon="2"/>)";
    }
    return gpx(points.constData());
}

const char* const kLaughs = R"(<?xml version="1.0"?>
<!DOCTYPE lolz [<!ENTITY lol "lol"><!ENTITY lol2 "&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;">
<!ENTITY lol3 "&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;">]>
<flight-plan xmlns="http://www8.garmin.com/xmlschemas/FlightPlan/v1"><waypoint-table>
<waypoint><identifier>&lol3;</identifier></waypoint></waypoint-table></flight-plan>)";

const char* const kExternal = R"(<?xml version="1.0"?>
<!DOCTYPE gpx [<!ENTITY secret SYSTEM "file:///etc/passwd">]>
<gpx xmlns="http://www.topografix.com/GPX/1/1"><rte><rtept lat="1" lon="1"><name>&secret;</name></rtept></rte></gpx>)";

const char* const kGood =
    "<waypoint><identifier>A</identifier><type>AIRPORT</type>"
    "<lat>1</lat><lon>2</lon></waypoint>";

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    ::testing::Values(
        BadCase{"empty", "  \n", {"is empty"}},
        BadCase{"text", "KSMO SMO KAVX\n", {"line 1", "not well-formed"}},
        BadCase{"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), {"not well-formed"}},
        BadCase{"another format", "<kml><Document/></kml>", {"neither", "<kml>"}},
        BadCase{"entity bomb", kLaughs, {"line 3", "DTD"}},
        BadCase{"external entity", kExternal, {"line 2", "DTD"}},
        BadCase{"undeclared entity",
                fpl("<waypoint><identifier>&x;</identifier></waypoint>"),
                {"line 4", "not well-formed"}},
        BadCase{"truncated", fpl(kGood).left(150), {"line 4", "not well-formed"}},
        BadCase{"garbage after the end", fpl(kGood) + "<more/>", {"not well-formed"}},
        BadCase{"wrong namespace",
                "<flight-plan xmlns=\"http://example.org/v2\"/>",
                {"namespace", "http://example.org/v2"}},
        BadCase{
            "no latitude",
            fpl("<waypoint><identifier>A</identifier><type>AIRPORT</type><lon>2</lon></waypoint>"),
            {"line 4", "<waypoint>", "no <lat>"}},
        BadCase{"latitude out of range",
                fpl("<waypoint><identifier>A</identifier><type>AIRPORT</type>\n<lat>95.5</"
                    "lat><lon>2</lon></waypoint>"),
                {"line 5", "<lat>", "95.5", "outside -90 to 90"}},
        BadCase{"longitude not a number",
                fpl("<waypoint><identifier>A</identifier><type>AIRPORT</type><lat>1</lat><lon>nan</"
                    "lon></waypoint>"),
                {"<lon>", "not a number"}},
        BadCase{"unknown type",
                fpl("<waypoint><identifier>A</identifier><type>CITY</type><lat>1</lat><lon>2</"
                    "lon></waypoint>"),
                {"<type>", "CITY"}},
        BadCase{"identifier with spaces",
                fpl("<waypoint><identifier>MY HOME</identifier></waypoint>"),
                {"<identifier>", "MY HOME"}},
        BadCase{"element inside a value",
                fpl("<waypoint><identifier>A<b/></identifier></waypoint>"),
                {"<identifier>", "text only"}},
        BadCase{
            "route point without waypoint",
            fpl(kGood,
                "<route-point><waypoint-identifier>B</waypoint-identifier><waypoint-type>VOR</"
                "waypoint-type><waypoint-country-code>EG</waypoint-country-code></route-point>"),
            {"line 6", "<route-point>", "VOR B EG"}},
        BadCase{"no waypoints", fpl(""), {"no waypoints"}},
        BadCase{"too many waypoints",
                fpl(QByteArray(kGood).repeated(1001).constData()),
                {"more than 1000 waypoints"}},
        BadCase{"GPX point without lon",
                gpx("<rtept lat=\"1\"><name>A</name></rtept>"),
                {"line 3", "<rtept>", "no lat or no lon"}},
        BadCase{"GPX longitude out of range",
                gpx("<rtept lat=\"1\" lon=\"-180.5\"/>"),
                {"<rtept>", "-180.5", "outside -180 to 180"}},
        BadCase{"GPX elevation not a number",
                gpx("<rtept lat=\"1\" lon=\"1\"><ele>high</ele></rtept>"),
                {"<ele>", "high"}},
        BadCase{"GPX track only",
                "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><trkseg/></trk></gpx>",
                {"track but no route"}},
        BadCase{"GPX empty route", gpx(""), {"no points"}},
        BadCase{"GPX of 100000 points", manyPoints(100000), {"more than 1000 points"}}));

TEST(RouteFileTest, ExportsAtomicallyAndImportsWhatItWrote) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trip.fpl"));
    ASSERT_EQ(exportRouteFile(path, RouteFormat::Fpl, samplePlan(), kNow), QString());
    const auto back = importRouteFile(path);
    ASSERT_TRUE(std::holds_alternative<Route>(back)) << std::get<QString>(back).toStdString();
    EXPECT_EQ(std::get<Route>(back).points.size(), samplePlan().points.size());
    // A route that cannot be exported, or a folder in the file's place, leaves the old
    // file as it was and says why.
    EXPECT_FALSE(exportRouteFile(path, RouteFormat::Fpl, Route{"", {samplePlan().points[0]}}, kNow)
                     .isEmpty());
    const QString blocked = dir.filePath(QStringLiteral("folder.gpx"));
    ASSERT_TRUE(QDir().mkdir(blocked));
    EXPECT_EQ(exportRouteFile(blocked, RouteFormat::Gpx, samplePlan(), kNow).toStdString(),
              "Could not save folder.gpx: it is a folder, not a file.");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("trip.fpl")});
    EXPECT_EQ(std::get<Route>(importRouteFile(path)).points.size(), samplePlan().points.size());
}

TEST(RouteFileTest, RefusesAnOversizedFileUnread) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.gpx"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(manyPoints(100000));
    file.close();
    const auto result = importRouteFile(path);
    ASSERT_TRUE(std::holds_alternative<QString>(result));
    EXPECT_TRUE(std::get<QString>(result).contains(QStringLiteral("larger than 2 MB")));
    EXPECT_TRUE(
        std::holds_alternative<QString>(importRouteFile(dir.filePath(QStringLiteral("none.fpl")))));
}

TEST(MatchSummaryTest, CountsAndNamesThePointsNotMatched) {
    const Route route{"",
                      {pt("EGTK", T::Airport, "", 0, 0), pt("HOME", T::UserWaypoint, "", 0, 0),
                       pt("XYZ", T::Ndb, "", 0, 0), pt("CPT", T::Vor, "", 0, 0)}};
    Candidate compton{"CPT", T::Vor, "EG", 51.49, -1.22, "Compton", std::nullopt};
    const std::vector<PointMatch> matches{{MatchStatus::Matched, compton, 0.2},
                                          {MatchStatus::UserWaypoint, std::nullopt, 0},
                                          {MatchStatus::NotFound, std::nullopt, 0},
                                          {MatchStatus::TooFar, compton, 123.45}};
    EXPECT_EQ(matchSummary(route, matches).toStdString(),
              "4 points read: 1 matched to the airport and navaid data, 1 user waypoint, 2 "
              "not matched.\n"
              "Point 3, NDB XYZ: not in the airport and navaid data; kept at the file's position.\n"
              "Point 4, VOR CPT: the data's CPT is 123.5 NM from the file's position; kept at the "
              "file's position.");
}

}  // namespace
}  // namespace aerolume::interchange
