// SPDX-License-Identifier: GPL-3.0-or-later
#include "AirportSchema.h"

namespace aerolume::airports {

QStringList schemaStatements() {
    const QString end = QStringLiteral(
        "%1_ident TEXT, %1_latitude REAL, %1_longitude REAL, %1_elevation_ft REAL, "
        "%1_heading_true_data REAL, %1_heading_true REAL, %1_heading_source TEXT, "
        "%1_displaced_ft REAL");
    return {
        QStringLiteral("CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE data_sets (file TEXT PRIMARY KEY, snapshot TEXT NOT NULL, "
                       "source TEXT NOT NULL, licence TEXT NOT NULL, rows_read INTEGER NOT NULL, "
                       "rows_kept INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE countries (code TEXT PRIMARY KEY, name TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE regions (code TEXT PRIMARY KEY, name TEXT NOT NULL)"),
        QStringLiteral(
            "CREATE TABLE airports (id INTEGER PRIMARY KEY, ident TEXT NOT NULL UNIQUE, "
            "type TEXT NOT NULL, name TEXT NOT NULL, latitude REAL NOT NULL, "
            "longitude REAL NOT NULL, elevation_ft REAL, country TEXT NOT NULL, "
            "region TEXT NOT NULL, municipality TEXT NOT NULL, scheduled INTEGER NOT NULL, "
            "icao TEXT NOT NULL, iata TEXT NOT NULL, gps TEXT NOT NULL, local TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE runways (id INTEGER PRIMARY KEY, "
                       "airport_id INTEGER NOT NULL REFERENCES airports(id), length_ft REAL, "
                       "width_ft REAL, surface TEXT NOT NULL, surface_class TEXT NOT NULL, "
                       "lighted INTEGER NOT NULL, closed INTEGER NOT NULL, "
                       "variation_at_snapshot REAL, %1, %2)")
            .arg(end.arg(QStringLiteral("le")), end.arg(QStringLiteral("he"))),
        QStringLiteral("CREATE TABLE frequencies (id INTEGER PRIMARY KEY, "
                       "airport_id INTEGER NOT NULL REFERENCES airports(id), type TEXT NOT NULL, "
                       "description TEXT NOT NULL, mhz REAL NOT NULL)"),
        QStringLiteral(
            "CREATE TABLE navaids (id INTEGER PRIMARY KEY, ident TEXT NOT NULL, "
            "name TEXT NOT NULL, type TEXT NOT NULL, frequency_khz REAL, latitude REAL NOT NULL, "
            "longitude REAL NOT NULL, elevation_ft REAL, country TEXT NOT NULL, "
            "dme_channel TEXT NOT NULL, slaved_variation REAL, magnetic_variation REAL, "
            "usage TEXT NOT NULL, power TEXT NOT NULL, airport_ident TEXT NOT NULL, "
            "airport_id INTEGER REFERENCES airports(id))"),
        QStringLiteral("CREATE TABLE idents (code TEXT NOT NULL, place_type INTEGER NOT NULL, "
                       "place_id INTEGER NOT NULL, code_kind TEXT NOT NULL)"),
        // Words of one to four letters typed are looked up in indexes of their own: a
        // word begun as the pilot types ("a", "airp") matches tens of thousands of names,
        // whose lists would otherwise be merged for each letter.
        QStringLiteral("CREATE VIRTUAL TABLE place_names USING fts5(name, town, "
                       "tokenize = 'unicode61 remove_diacritics 2', prefix = '1 2 3 4')"),
    };
}

QStringList indexStatements() {
    // Every code of an airport once (upper case), under the first kind that gives it:
    // ident, ICAO, GPS, IATA, local; SQLite takes the bare code_kind from the row of the
    // least rank.
    const QString airportCodes = QStringLiteral(
        "INSERT INTO idents SELECT code, %1, id, kind FROM (SELECT id, code, kind, min(rank) "
        "FROM (SELECT id, upper(ident) AS code, 'ident' AS kind, 0 AS rank FROM airports "
        "UNION ALL SELECT id, upper(icao), 'icao', 1 FROM airports WHERE icao <> '' "
        "UNION ALL SELECT id, upper(gps), 'gps', 2 FROM airports WHERE gps <> '' "
        "UNION ALL SELECT id, upper(iata), 'iata', 3 FROM airports WHERE iata <> '' "
        "UNION ALL SELECT id, upper(local), 'local', 4 FROM airports WHERE local <> '') "
        "GROUP BY id, code) ORDER BY id");
    return {
        airportCodes.arg(kAirportPlace),
        QStringLiteral("INSERT INTO idents SELECT upper(ident), %1, id, 'ident' FROM navaids "
                       "ORDER BY id")
            .arg(kNavaidPlace),
        // The names' full-text index in one pass over the rows, in rising rowid order
        // (navaids' negative ones first): FTS5 writes a segment whenever a rowid is
        // lower than the one before, or its pending terms outgrow their hash table. With
        // room for all of them (256 MiB; some 40 MiB are used) it writes one segment at
        // the commit, and no merge leaves free pages behind.
        QStringLiteral("INSERT INTO place_names(place_names, rank) VALUES('hashsize', 268435456)"),
        QStringLiteral("INSERT INTO place_names(rowid, name, town) SELECT -id, name, '' FROM "
                       "navaids ORDER BY id DESC"),
        QStringLiteral("INSERT INTO place_names(rowid, name, town) SELECT id, name, "
                       "municipality FROM airports ORDER BY id"),
        QStringLiteral("CREATE INDEX idents_code ON idents(code)"),
        QStringLiteral("CREATE INDEX airports_position ON airports(latitude, longitude)"),
        QStringLiteral("CREATE INDEX runways_airport ON runways(airport_id)"),
        QStringLiteral("CREATE INDEX frequencies_airport ON frequencies(airport_id)"),
        QStringLiteral("CREATE INDEX navaids_position ON navaids(latitude, longitude)"),
    };
}

}  // namespace aerolume::airports
