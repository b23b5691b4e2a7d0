// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The airport data service: what the program knows of the world's airports, runways,
// frequencies and navaids, read from the airport database (docs/airport-database.md).
//
//   AirportData::instance()   the program's data, opened on first use (never at start):
//                             the pilot's imported database when there is one and it is
//                             sound, else the bundled one; notice() says why it fell back.
//   database()                the open AirportDatabase, or nullptr when none can be read.
//
// AirportDatabase answers, every query with bound parameters:
//   search(text, limit, near)   as the pilot types: identifiers (ident, ICAO, IATA, GPS,
//                               local codes) and name or town words, airports and navaids,
//                               ranked by RankPlaces() (PlaceSearch.h): exact identifier
//                               first, nearest to `near` first within a rank when given;
//   placesNamed(ident, near)    every airport and navaid an identifier names, nearest
//                               first, with kind and country (a checkpoint "SAM");
//   airport(id), navaid(id)     one place in full: an airport's field elevation, a
//                               navaid's own (slaved and measured) variation;
//   runways(id), frequencies(id) an airport's runways (with both ends' headings) and
//                               frequencies, for a window or a printed page;
//   navaidsNear(point, nm)      navaids within a distance, nearest first;
//   airportsInBox(s, w, n, e)   airports inside a latitude/longitude box (a map);
//   dataSets()                  each file's snapshot date, source and licence.
// Positions are WGS 84 degrees (north and east > 0), elevations ft, frequencies MHz for
// airports and kHz for navaids, headings degrees true. A query that fails (a database
// damaged after it was opened) returns nothing and sets failed().
//
// The database is read with Qt SQL in the airport module (AirportModule.h), which the
// program loads when the data is first needed; AirportDatabase is the module's face.
// openAirportDatabase() (SqlDatabase.h) opens one directly, for the importer's tools.

#include <QList>
#include <QString>
#include <memory>
#include <optional>

#include "PlaceSearch.h"
#include "RunwayCore.h"

namespace aerolume::airports {

struct AirportInfo {
    Place place;  // identifier, codes, name, town, country code, kind, position
    QString countryName, regionName;
    std::optional<double> elevationFt;
    bool scheduled = false;
};

struct RunwayEndInfo {
    QString ident;
    Designator designator;
    std::optional<double> dataTrueHeading;  // as the data gives it
    std::optional<double> latitude, longitude, elevationFt, displacedFt;
};

struct RunwayInfo {
    std::optional<double> lengthFt, widthFt;
    QString surface;
    SurfaceClass surfaceClass = SurfaceClass::Unknown;
    bool lighted = false, closed = false;
    std::optional<double> variationAtSnapshot;  // degrees east > 0, used to derive headings
    RunwayEndInfo low, high;
};

struct FrequencyInfo {
    QString type, description;
    double mhz = 0;
};

struct NavaidInfo {
    Place place;  // identifier, name, country code, kind, position
    QString countryName;
    std::optional<double> frequencyKhz, elevationFt;
    std::optional<double> slavedVariation, magneticVariation;  // degrees east > 0
    QString dmeChannel, usage, power;
    QString airportIdent;             // the airport it serves, as the data names it
    std::optional<qint64> airportId;  // that airport, when it is in the database
};

struct DataSetInfo {
    QString file, snapshot, source, licence;
    qint64 rowsRead = 0, rowsKept = 0;
};

class AirportDatabase {
public:
    virtual ~AirportDatabase() = default;
    AirportDatabase(const AirportDatabase&) = delete;
    AirportDatabase& operator=(const AirportDatabase&) = delete;

    virtual QString path() const = 0;
    virtual bool failed() const = 0;

    virtual QList<Place> search(const QString& text, int limit,
                                std::optional<GeoPoint> near = std::nullopt) const = 0;
    virtual QList<Place> placesNamed(const QString& ident,
                                     std::optional<GeoPoint> near = std::nullopt) const = 0;
    virtual std::optional<AirportInfo> airport(qint64 id) const = 0;
    virtual std::optional<NavaidInfo> navaid(qint64 id) const = 0;
    virtual QList<RunwayInfo> runways(qint64 airportId) const = 0;
    virtual QList<FrequencyInfo> frequencies(qint64 airportId) const = 0;
    virtual QList<NavaidInfo> navaidsNear(GeoPoint point, double radiusNm) const = 0;
    virtual QList<Place> airportsInBox(double south, double west, double north, double east,
                                       int limit = 500) const = 0;
    virtual QList<DataSetInfo> dataSets() const = 0;

protected:
    AirportDatabase() = default;
};

class AirportData {
public:
    enum class Origin { None, Bundled, Imported };

    static AirportData& instance();

    // The database in use, opened now if it is not open yet; nullptr when there is none.
    AirportDatabase* database();
    Origin origin() const { return m_origin; }
    // Why the data in use is not the pilot's imported data although there is some, or
    // why there is none; empty otherwise.
    QString notice() const { return m_notice; }
    // Closes the database; the next database() chooses again (after an import).
    void reload();

    // Where the pilot's imported database lives: the user's data folder,
    // ~/.local/share/Aerolume/airports/airports.sqlite on Linux.
    static QString importedPath();
    // The database installed with the program: share/aerolume/airports.sqlite beside the
    // program's bin folder, or the file named by AEROLUME_AIRPORT_DATABASE when set.
    static QString bundledPath();
    // Goes back to the bundled data: removes the pilot's database. False, with `error`,
    // when it could not be removed.
    bool useBundled(QString* error);

private:
    AirportData() = default;

    std::unique_ptr<AirportDatabase> m_database;
    bool m_opened = false;
    Origin m_origin = Origin::None;
    QString m_notice;
};

}  // namespace aerolume::airports
