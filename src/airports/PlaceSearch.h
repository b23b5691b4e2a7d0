// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aerolume::airports {

// An airport or a navaid as a search lists it.
enum class PlaceType { Airport, Navaid };

struct GeoPoint {
    double Latitude = 0;   // degrees, north > 0
    double Longitude = 0;  // degrees, east > 0
};

struct Place {
    PlaceType Type = PlaceType::Airport;
    long long Id = 0;                // the row of its table
    std::string Ident;               // "EGTK", "SAM"
    std::vector<std::string> Codes;  // the airport's other codes: ICAO, IATA, GPS, local
    std::string Name, Town, Country;
    std::string Kind;  // the data's type: "medium_airport", "VOR-DME", ...
    GeoPoint Position;
};

// How well a place matches what the pilot typed, best first.
enum class MatchKind {
    Identifier,       // the query is the place's identifier
    Code,             // the query is one of the airport's other codes (IATA "OXF")
    IdentifierStart,  // the identifier or a code begins with the query
    NameStart,        // the name begins with the query
    NameWords,        // every word of the query begins a word of the name
    TownWords,        // every word of the query begins a word of the name or the town
    Other,            // found otherwise (by the full-text index: accents, hyphens)
};

// Compares without regard to ASCII case and blanks around the query.
MatchKind MatchOf(std::string_view query, const Place& place);

// The words of a query as the full-text index takes them: runs of letters and digits
// (UTF-8 letters kept whole), at most `maxWords`.
std::vector<std::string> QueryWords(std::string_view query, std::size_t maxWords = 6);

// The query as identifiers are kept: blanks around it removed, ASCII letters upper case.
std::string IdentifierKey(std::string_view query);

// Orders search results: by MatchOf() first; within one kind of match the nearest to
// `near` first when it is given, otherwise the more important first (large, medium
// airports, VORs and TACANs, small airports, NDBs, DMEs, seaplane bases, heliports,
// others), then by name and identifier. Stable for equal places.
void RankPlaces(std::string_view query, std::vector<Place>& places,
                std::optional<GeoPoint> near = std::nullopt);

// The great-circle distance in nautical miles and the initial true course in degrees
// (0, 360] from `from` to `to` on a sphere of the earth's mean radius (6371.0088 km,
// 3440.0695 NM), by the haversine formula; the course of a point to itself is 360.
double DistanceNm(GeoPoint from, GeoPoint to);
double InitialCourse(GeoPoint from, GeoPoint to);

}  // namespace aerolume::airports
