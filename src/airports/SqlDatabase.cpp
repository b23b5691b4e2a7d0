// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqlDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "AirportSchema.h"
#include "platform/SafeFile.h"

namespace aerolume::airports {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("AirportData", text);
}

std::optional<double> optionalDouble(const QVariant& v) {
    if (v.isNull()) {
        return std::nullopt;
    }
    return v.toDouble();
}

std::string text(const QSqlQuery& q, int column) {
    return q.value(column).toString().toStdString();
}

// The columns of a place, airports and navaids alike.
const QString kAirportPlaceColumns = QStringLiteral(
    "a.id, a.ident, a.name, a.municipality, a.country, a.type, a.latitude, a.longitude, a.icao, "
    "a.iata, a.gps, a.local");
const QString kNavaidPlaceColumns = QStringLiteral(
    "n.id, n.ident, n.name, '', n.country, n.type, n.latitude, n.longitude, '', '', '', ''");

Place placeOf(const QSqlQuery& q, PlaceType type) {
    Place p;
    p.Type = type;
    p.Id = q.value(0).toLongLong();
    p.Ident = text(q, 1);
    p.Name = text(q, 2);
    p.Town = text(q, 3);
    p.Country = text(q, 4);
    p.Kind = text(q, 5);
    p.Position = {q.value(6).toDouble(), q.value(7).toDouble()};
    for (int column = 8; column < 12; ++column) {
        std::string code = text(q, column);
        if (!code.empty() && code != p.Ident &&
            std::find(p.Codes.begin(), p.Codes.end(), code) == p.Codes.end()) {
            p.Codes.push_back(std::move(code));
        }
    }
    return p;
}

// A navaid in full, from the rows that `where` picks.
QString navaidSql(const QString& where) {
    return QStringLiteral(
               "SELECT %1, n.frequency_khz, n.elevation_ft, n.slaved_variation, "
               "n.magnetic_variation, n.dme_channel, n.usage, n.power, "
               "n.airport_ident, n.airport_id, c.name FROM navaids n LEFT JOIN "
               "countries c ON c.code = n.country WHERE %2")
        .arg(kNavaidPlaceColumns, where);
}

NavaidInfo navaidOf(const QSqlQuery& q) {
    NavaidInfo info;
    info.place = placeOf(q, PlaceType::Navaid);
    info.frequencyKhz = optionalDouble(q.value(12));
    info.elevationFt = optionalDouble(q.value(13));
    info.slavedVariation = optionalDouble(q.value(14));
    info.magneticVariation = optionalDouble(q.value(15));
    info.dmeChannel = q.value(16).toString();
    info.usage = q.value(17).toString();
    info.power = q.value(18).toString();
    info.airportIdent = q.value(19).toString();
    if (!q.value(20).isNull()) {
        info.airportId = q.value(20).toLongLong();
    }
    info.countryName = q.value(21).toString();
    return info;
}

// A whole SQLite file: its header says so, and its size is that of its pages.
QString checkFile(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return tr("There is no airport database at %1.").arg(path);
    }
    // A named pipe or a device would be waited on for ever.
    if (const QString special = platform::notAPlainFile(path); !special.isEmpty()) {
        return tr("%1 cannot be read: %2.").arg(path, special);
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return tr("%1 cannot be read: %2.").arg(path, file.errorString());
    }
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArray("SQLite format 3\0", 16))) {
        return tr("%1 is not an airport database.").arg(path);
    }
    auto byte = [&](int i) { return static_cast<quint32>(static_cast<unsigned char>(header[i])); };
    quint64 pageSize = (byte(16) << 8) | byte(17);
    if (pageSize == 1) {
        pageSize = 65536;
    }
    const quint64 pages = (byte(28) << 24) | (byte(29) << 16) | (byte(30) << 8) | byte(31);
    if (pageSize * pages != static_cast<quint64>(file.size())) {
        return tr("%1 is cut short or damaged.").arg(path);
    }
    return {};
}

// The database through Qt SQL's SQLite driver, on a connection of its own.
class SqlDatabase final : public AirportDatabase {
public:
    SqlDatabase(QString path, QString connection)
        : m_path(std::move(path)), m_connection(std::move(connection)) {}
    ~SqlDatabase() override;
    SqlDatabase(const SqlDatabase&) = delete;
    SqlDatabase& operator=(const SqlDatabase&) = delete;

    QString path() const override { return m_path; }
    bool failed() const override { return m_failed; }

    QList<Place> search(const QString& text, int limit,
                        std::optional<GeoPoint> near) const override;
    QList<Place> placesNamed(const QString& ident, std::optional<GeoPoint> near) const override;
    std::optional<AirportInfo> airport(qint64 id) const override;
    std::optional<NavaidInfo> navaid(qint64 id) const override;
    QList<RunwayInfo> runways(qint64 airportId) const override;
    QList<FrequencyInfo> frequencies(qint64 airportId) const override;
    QList<NavaidInfo> navaidsNear(GeoPoint point, double radiusNm) const override;
    QList<Place> airportsInBox(double south, double west, double north, double east,
                               int limit) const override;
    QList<DataSetInfo> dataSets() const override;

    // `sql`, prepared the first time and kept, run with `values` bound in order; nullptr,
    // with failed() set, when it cannot run. first(): positioned on its first row, or
    // nullptr when there is none.
    QSqlQuery* run(const QString& sql, const QVariantList& values) const;
    QSqlQuery* first(const QString& sql, const QVariantList& values) const;

private:
    QString m_path, m_connection;
    mutable std::map<QString, std::unique_ptr<QSqlQuery>> m_queries;
    mutable bool m_failed = false;
};

}  // namespace

SqlDatabase::~SqlDatabase() {
    m_queries.clear();
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlQuery* SqlDatabase::run(const QString& sql, const QVariantList& values) const {
    std::unique_ptr<QSqlQuery>& query = m_queries[sql];
    if (!query) {
        query = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_connection, false));
        if (!query->prepare(sql)) {
            query.reset();
            m_failed = true;
            return nullptr;
        }
    }
    for (qsizetype i = 0; i < values.size(); ++i) {
        query->bindValue(static_cast<int>(i), values.at(i));
    }
    if (!query->exec()) {
        m_failed = true;
        return nullptr;
    }
    return query.get();
}

QSqlQuery* SqlDatabase::first(const QString& sql, const QVariantList& values) const {
    QSqlQuery* q = run(sql, values);
    return q != nullptr && q->next() ? q : nullptr;
}

std::unique_ptr<AirportDatabase> openAirportDatabase(const QString& path, QString* error) {
    *error = checkFile(path);
    if (!error->isEmpty()) {
        return nullptr;
    }
    const QString connection =
        QStringLiteral("aerolume-airports-") + QUuid::createUuid().toString();
    auto database = std::make_unique<SqlDatabase>(path, connection);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open()) {
        *error = tr("%1 cannot be opened: %2.").arg(path, db.lastError().text());
        return nullptr;
    }
    QSqlQuery q(db);
    auto damaged = [&] {
        *error = tr("%1 is damaged: %2.").arg(path, q.lastError().text());
        return nullptr;
    };
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        return damaged();
    }
    if (q.value(0).toInt() != kDatabaseVersion) {
        *error = tr("%1 is not an airport database of this version of the program.").arg(path);
        return nullptr;
    }
    q.prepare(QStringLiteral("SELECT value FROM meta WHERE key = ?"));
    q.addBindValue(QStringLiteral("format"));
    if (!q.exec()) {
        return damaged();
    }
    if (!q.next() || q.value(0).toString() != QLatin1String(kDatabaseFormat)) {
        *error = tr("%1 is not an airport database.").arg(path);
        return nullptr;
    }
    for (const char* table : {"airports", "runways", "frequencies", "navaids", "idents"}) {
        if (!q.exec(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table))) ||
            !q.next()) {
            return damaged();
        }
    }
    return database;
}

QList<Place> SqlDatabase::search(const QString& text, int limit,
                                 std::optional<GeoPoint> near) const {
    const std::string typed = text.toStdString();
    const QString key = QString::fromStdString(IdentifierKey(typed));
    std::vector<Place> found;
    QSet<qint64> seen;  // airports by id, navaids by -id
    auto collect = [&](QSqlQuery* q, PlaceType type) {
        while (q != nullptr && q->next()) {
            Place p = placeOf(*q, type);
            const qint64 mark = type == PlaceType::Airport ? p.Id : -p.Id;
            if (!seen.contains(mark)) {
                seen.insert(mark);
                found.push_back(std::move(p));
            }
        }
    };
    const QString byAirportCode = QStringLiteral(
        "SELECT %1 FROM idents i JOIN airports a ON a.id = i.place_id WHERE i.place_type = 0 AND "
        "%2");
    const QString byNavaidCode = QStringLiteral(
        "SELECT %1 FROM idents i JOIN navaids n ON n.id = i.place_id WHERE i.place_type = 1 AND "
        "%2");
    if (!key.isEmpty()) {
        for (const bool exact : {true, false}) {
            const QString where = exact ? QStringLiteral("i.code = ?")
                                        : QStringLiteral("i.code > ? AND i.code < ? LIMIT 40");
            const QVariantList values =
                exact ? QVariantList{key} : QVariantList{key, key + QChar(0xFFFF)};
            collect(run(byAirportCode.arg(kAirportPlaceColumns, where), values),
                    PlaceType::Airport);
            collect(run(byNavaidCode.arg(kNavaidPlaceColumns, where), values), PlaceType::Navaid);
        }
    }
    QStringList terms;
    for (const std::string& word : QueryWords(typed)) {
        terms << QStringLiteral("\"%1\"*").arg(QString::fromStdString(word));
    }
    if (!terms.isEmpty()) {
        const QVariantList match = {terms.join(QLatin1Char(' '))};
        collect(run(QStringLiteral("SELECT %1 FROM place_names f JOIN airports a ON a.id = "
                                   "f.rowid WHERE place_names MATCH ? AND f.rowid > 0 LIMIT 120")
                        .arg(kAirportPlaceColumns),
                    match),
                PlaceType::Airport);
        collect(run(QStringLiteral("SELECT %1 FROM place_names f JOIN navaids n ON n.id = "
                                   "-f.rowid WHERE place_names MATCH ? AND f.rowid < 0 LIMIT 60")
                        .arg(kNavaidPlaceColumns),
                    match),
                PlaceType::Navaid);
    }
    RankPlaces(typed, found, near);
    if (limit >= 0 && found.size() > static_cast<std::size_t>(limit)) {
        found.resize(static_cast<std::size_t>(limit));
    }
    return QList<Place>(found.begin(), found.end());
}

QList<Place> SqlDatabase::placesNamed(const QString& ident, std::optional<GeoPoint> near) const {
    const std::string typed = ident.toStdString();
    const QVariantList key = {QString::fromStdString(IdentifierKey(typed))};
    std::vector<Place> found;
    const std::pair<QString, PlaceType> queries[] = {
        {QStringLiteral("SELECT DISTINCT %1 FROM idents i JOIN airports a ON a.id = i.place_id "
                        "WHERE i.place_type = 0 AND i.code = ?")
             .arg(kAirportPlaceColumns),
         PlaceType::Airport},
        {QStringLiteral("SELECT DISTINCT %1 FROM idents i JOIN navaids n ON n.id = i.place_id "
                        "WHERE i.place_type = 1 AND i.code = ?")
             .arg(kNavaidPlaceColumns),
         PlaceType::Navaid}};
    for (const auto& [sql, type] : queries) {
        QSqlQuery* q = run(sql, key);
        if (q == nullptr) {
            return {};
        }
        while (q->next()) {
            found.push_back(placeOf(*q, type));
        }
    }
    RankPlaces(typed, found, near);
    return QList<Place>(found.begin(), found.end());
}

std::optional<AirportInfo> SqlDatabase::airport(qint64 id) const {
    const QSqlQuery* found =
        first(QStringLiteral("SELECT %1, a.elevation_ft, a.scheduled, c.name, r.name FROM "
                             "airports a LEFT JOIN countries c ON c.code = a.country LEFT JOIN "
                             "regions r ON r.code = a.region WHERE a.id = ?")
                  .arg(kAirportPlaceColumns),
              {id});
    if (found == nullptr) {
        return std::nullopt;
    }
    const QSqlQuery& q = *found;
    AirportInfo info;
    info.place = placeOf(q, PlaceType::Airport);
    info.elevationFt = optionalDouble(q.value(12));
    info.scheduled = q.value(13).toInt() != 0;
    info.countryName = q.value(14).toString();
    info.regionName = q.value(15).toString();
    return info;
}

std::optional<NavaidInfo> SqlDatabase::navaid(qint64 id) const {
    const QSqlQuery* found = first(navaidSql(QStringLiteral("n.id = ?")), {id});
    return found != nullptr ? std::optional(navaidOf(*found)) : std::nullopt;
}

QList<RunwayInfo> SqlDatabase::runways(qint64 airportId) const {
    QSqlQuery* q =
        run(QStringLiteral(
                "SELECT length_ft, width_ft, surface, surface_class, lighted, closed, "
                "variation_at_snapshot, le_ident, le_heading_true_data, le_latitude, le_longitude, "
                "le_elevation_ft, le_displaced_ft, he_ident, he_heading_true_data, he_latitude, "
                "he_longitude, he_elevation_ft, he_displaced_ft FROM runways WHERE airport_id = ? "
                "ORDER BY closed, length_ft DESC, id"),
            {airportId});
    QList<RunwayInfo> runways;
    if (q == nullptr) {
        return runways;
    }
    static const std::pair<const char*, SurfaceClass> kClasses[] = {
        {"paved", SurfaceClass::Paved},
        {"gravel", SurfaceClass::Gravel},
        {"grass", SurfaceClass::Grass},
        {"water", SurfaceClass::Water},
        {"snow-ice", SurfaceClass::SnowIce}};
    while (q->next()) {
        RunwayInfo r;
        r.lengthFt = optionalDouble(q->value(0));
        r.widthFt = optionalDouble(q->value(1));
        r.surface = q->value(2).toString();
        for (const auto& [name, surface] : kClasses) {
            if (q->value(3).toString() == QLatin1String(name)) {
                r.surfaceClass = surface;
            }
        }
        r.lighted = q->value(4).toInt() != 0;
        r.closed = q->value(5).toInt() != 0;
        r.variationAtSnapshot = optionalDouble(q->value(6));
        for (int end = 0; end < 2; ++end) {
            const int column = 7 + 6 * end;
            RunwayEndInfo& e = end == 0 ? r.low : r.high;
            e.ident = q->value(column).toString();
            e.designator = ParseDesignator(e.ident.toStdString());
            e.dataTrueHeading = optionalDouble(q->value(column + 1));
            e.latitude = optionalDouble(q->value(column + 2));
            e.longitude = optionalDouble(q->value(column + 3));
            e.elevationFt = optionalDouble(q->value(column + 4));
            e.displacedFt = optionalDouble(q->value(column + 5));
        }
        runways.append(r);
    }
    return runways;
}

QList<FrequencyInfo> SqlDatabase::frequencies(qint64 airportId) const {
    QSqlQuery* q = run(QStringLiteral("SELECT type, description, mhz FROM frequencies WHERE "
                                      "airport_id = ? ORDER BY type, mhz, id"),
                       {airportId});
    QList<FrequencyInfo> frequencies;
    while (q != nullptr && q->next()) {
        frequencies.append(
            {q->value(0).toString(), q->value(1).toString(), q->value(2).toDouble()});
    }
    return frequencies;
}

QList<NavaidInfo> SqlDatabase::navaidsNear(GeoPoint point, double radiusNm) const {
    const double dLat = radiusNm / 60;
    const double cosLat = std::cos(point.Latitude * std::numbers::pi / 180);
    const double dLon = cosLat > 1e-6 ? std::min(180.0, dLat / cosLat) : 180.0;
    double west = point.Longitude - dLon;
    double east = point.Longitude + dLon;
    // A box across the date line is two ranges of longitude.
    double west2 = 1, east2 = 0;
    if (west < -180) {
        west2 = west + 360;
        east2 = 180;
        west = -180;
    } else if (east > 180) {
        west2 = -180;
        east2 = east - 360;
        east = 180;
    }
    QSqlQuery* q = run(navaidSql(QStringLiteral("n.latitude BETWEEN ? AND ? AND (n.longitude "
                                                "BETWEEN ? AND ? OR n.longitude BETWEEN ? AND ?)")),
                       {point.Latitude - dLat, point.Latitude + dLat, west, east, west2, east2});
    QList<NavaidInfo> near;
    while (q != nullptr && q->next()) {
        NavaidInfo n = navaidOf(*q);
        if (DistanceNm(point, n.place.Position) <= radiusNm) {
            near.append(std::move(n));
        }
    }
    std::stable_sort(near.begin(), near.end(), [&](const NavaidInfo& a, const NavaidInfo& b) {
        return DistanceNm(point, a.place.Position) < DistanceNm(point, b.place.Position);
    });
    return near;
}

QList<Place> SqlDatabase::airportsInBox(double south, double west, double north, double east,
                                        int limit) const {
    const bool acrossDateLine = west > east;
    QSqlQuery* q = run(QStringLiteral("SELECT %1 FROM airports a WHERE a.latitude BETWEEN ? AND ? "
                                      "AND (a.longitude BETWEEN ? AND ? OR a.longitude BETWEEN ? "
                                      "AND ?) ORDER BY CASE a.type WHEN 'large_airport' THEN 0 "
                                      "WHEN 'medium_airport' THEN 1 WHEN 'small_airport' THEN 2 "
                                      "ELSE 3 END, a.id LIMIT ?")
                           .arg(kAirportPlaceColumns),
                       {south, north, west, acrossDateLine ? 180.0 : east,
                        acrossDateLine ? -180.0 : 1.0, acrossDateLine ? east : 0.0, limit});
    QList<Place> places;
    while (q != nullptr && q->next()) {
        places.append(placeOf(*q, PlaceType::Airport));
    }
    return places;
}

QList<DataSetInfo> SqlDatabase::dataSets() const {
    QSqlQuery* q = run(QStringLiteral("SELECT file, snapshot, source, licence, rows_read, "
                                      "rows_kept FROM data_sets ORDER BY file"),
                       {});
    QList<DataSetInfo> sets;
    while (q != nullptr && q->next()) {
        sets.append({q->value(0).toString(), q->value(1).toString(), q->value(2).toString(),
                     q->value(3).toString(), q->value(4).toLongLong(), q->value(5).toLongLong()});
    }
    return sets;
}

}  // namespace aerolume::airports
