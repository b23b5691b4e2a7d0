// SPDX-License-Identifier: GPL-3.0-or-later
#include "AirportRecords.h"

#include <charconv>
#include <cmath>
#include <tuple>

namespace aerolume::airports {
namespace {

// The columns of each file, in the order the readers below address them.
constexpr CsvColumn kAirportColumns[] = {
    {"ident", true},         {"type", true},
    {"name", true},          {"latitude_deg", true},
    {"longitude_deg", true}, {"elevation_ft", false},
    {"iso_country", false},  {"iso_region", false},
    {"municipality", false}, {"scheduled_service", false},
    {"icao_code", false},    {"iata_code", false},
    {"gps_code", false},     {"local_code", false},
};
enum AirportColumn {
    AIdent,
    AType,
    AName,
    ALat,
    ALon,
    AElev,
    ACountry,
    ARegion,
    ATown,
    AScheduled,
    AIcao,
    AIata,
    AGps,
    ALocal
};

constexpr CsvColumn kRunwayColumns[] = {
    {"airport_ident", true},    {"length_ft", false},       {"width_ft", false},
    {"surface", false},         {"lighted", false},         {"closed", false},
    {"le_ident", true},         {"le_latitude_deg", false}, {"le_longitude_deg", false},
    {"le_elevation_ft", false}, {"le_heading_degT", false}, {"le_displaced_threshold_ft", false},
    {"he_ident", true},         {"he_latitude_deg", false}, {"he_longitude_deg", false},
    {"he_elevation_ft", false}, {"he_heading_degT", false}, {"he_displaced_threshold_ft", false},
};
enum RunwayColumn { RAirport, RLength, RWidth, RSurface, RLighted, RClosed, RLow };
constexpr int kEndColumns = 6;  // ident, latitude, longitude, elevation, heading, displaced

constexpr CsvColumn kFrequencyColumns[] = {
    {"airport_ident", true}, {"type", true}, {"description", false}, {"frequency_mhz", true}};
enum FrequencyColumn { FAirport, FType, FDescription, FMhz };

constexpr CsvColumn kNavaidColumns[] = {
    {"ident", true},
    {"name", true},
    {"type", true},
    {"frequency_khz", true},
    {"latitude_deg", true},
    {"longitude_deg", true},
    {"elevation_ft", false},
    {"iso_country", false},
    {"dme_channel", false},
    {"slaved_variation_deg", false},
    {"magnetic_variation_deg", false},
    {"usageType", false},
    {"power", false},
    {"associated_airport", false},
};
enum NavaidColumn {
    NIdent,
    NName,
    NType,
    NFrequency,
    NLat,
    NLon,
    NElev,
    NCountry,
    NChannel,
    NSlaved,
    NVariation,
    NUsage,
    NPower,
    NAirport
};

constexpr CsvColumn kNamedColumns[] = {{"code", true}, {"name", true}};

std::string text(const CsvColumns& columns, const std::vector<std::string>& row, int column) {
    return std::string(columns.field(row, static_cast<std::size_t>(column)));
}

std::optional<double> number(const CsvColumns& columns, const std::vector<std::string>& row,
                             int column) {
    return ParseNumber(columns.field(row, static_cast<std::size_t>(column)));
}

bool flag(const CsvColumns& columns, const std::vector<std::string>& row, int column) {
    const std::string_view value = columns.field(row, static_cast<std::size_t>(column));
    return value == "1" || value == "yes" || value == "true";
}

// The row has the header's number of fields.
bool wholeRow(const CsvColumns& columns, const std::vector<std::string>& row) {
    return row.size() == columns.headerFields;
}

// A position from two columns, or nothing when either is missing or out of range.
std::optional<std::pair<double, double>> position(const CsvColumns& columns,
                                                  const std::vector<std::string>& row,
                                                  int latColumn, int lonColumn) {
    const auto lat = number(columns, row, latColumn);
    const auto lon = number(columns, row, lonColumn);
    if (!lat || !lon || std::fabs(*lat) > 90 || std::fabs(*lon) > 180) {
        return std::nullopt;
    }
    return std::pair(*lat, *lon);
}

}  // namespace

const char* FileBaseName(DataFile file) {
    switch (file) {
        case DataFile::Airports:
            return "airports";
        case DataFile::Runways:
            return "runways";
        case DataFile::Frequencies:
            return "airport-frequencies";
        case DataFile::Navaids:
            return "navaids";
        case DataFile::Countries:
            return "countries";
        case DataFile::Regions:
            return "regions";
    }
    return "";
}

std::span<const CsvColumn> FileColumns(DataFile file) {
    switch (file) {
        case DataFile::Airports:
            return kAirportColumns;
        case DataFile::Runways:
            return kRunwayColumns;
        case DataFile::Frequencies:
            return kFrequencyColumns;
        case DataFile::Navaids:
            return kNavaidColumns;
        case DataFile::Countries:
        case DataFile::Regions:
            return kNamedColumns;
    }
    return {};
}

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

RowResult<AirportRecord> ReadAirport(const CsvColumns& columns,
                                     const std::vector<std::string>& row) {
    if (!wholeRow(columns, row)) {
        return SkipReason::FieldCount;
    }
    AirportRecord airport;
    airport.ident = text(columns, row, AIdent);
    airport.type = text(columns, row, AType);
    if (airport.ident.empty()) {
        return SkipReason::NoIdentifier;
    }
    if (airport.type == "closed") {
        return SkipReason::ClosedAirport;
    }
    const auto place = position(columns, row, ALat, ALon);
    if (!place) {
        return SkipReason::BadPosition;
    }
    std::tie(airport.latitude, airport.longitude) = *place;
    airport.name = text(columns, row, AName);
    airport.elevationFt = number(columns, row, AElev);
    airport.country = text(columns, row, ACountry);
    airport.region = text(columns, row, ARegion);
    airport.municipality = text(columns, row, ATown);
    airport.scheduled = flag(columns, row, AScheduled);
    airport.icao = text(columns, row, AIcao);
    airport.iata = text(columns, row, AIata);
    airport.gps = text(columns, row, AGps);
    airport.local = text(columns, row, ALocal);
    return airport;
}

RowResult<RunwayRecord> ReadRunway(const CsvColumns& columns, const std::vector<std::string>& row) {
    if (!wholeRow(columns, row)) {
        return SkipReason::FieldCount;
    }
    RunwayRecord runway;
    runway.airportIdent = text(columns, row, RAirport);
    if (runway.airportIdent.empty()) {
        return SkipReason::NoIdentifier;
    }
    runway.lengthFt = number(columns, row, RLength);
    runway.widthFt = number(columns, row, RWidth);
    runway.surface = text(columns, row, RSurface);
    runway.lighted = flag(columns, row, RLighted);
    runway.closed = flag(columns, row, RClosed);
    for (int end = 0; end < 2; ++end) {
        const int first = RLow + end * kEndColumns;
        RunwayEndRecord& e = end == 0 ? runway.low : runway.high;
        e.ident = text(columns, row, first);
        const auto place = position(columns, row, first + 1, first + 2);
        if (place) {
            e.latitude = place->first;
            e.longitude = place->second;
        }
        e.elevationFt = number(columns, row, first + 3);
        e.headingTrue = number(columns, row, first + 4);
        if (e.headingTrue && (*e.headingTrue < 0 || *e.headingTrue > 360)) {
            e.headingTrue.reset();
        }
        e.displacedFt = number(columns, row, first + 5);
    }
    return runway;
}

RowResult<FrequencyRecord> ReadFrequency(const CsvColumns& columns,
                                         const std::vector<std::string>& row) {
    if (!wholeRow(columns, row)) {
        return SkipReason::FieldCount;
    }
    FrequencyRecord frequency;
    frequency.airportIdent = text(columns, row, FAirport);
    if (frequency.airportIdent.empty()) {
        return SkipReason::NoIdentifier;
    }
    const auto mhz = number(columns, row, FMhz);
    if (!mhz || *mhz <= 0) {
        return SkipReason::BadFrequency;
    }
    frequency.mhz = *mhz;
    frequency.type = text(columns, row, FType);
    frequency.description = text(columns, row, FDescription);
    return frequency;
}

RowResult<NavaidRecord> ReadNavaid(const CsvColumns& columns, const std::vector<std::string>& row) {
    if (!wholeRow(columns, row)) {
        return SkipReason::FieldCount;
    }
    NavaidRecord navaid;
    navaid.ident = text(columns, row, NIdent);
    if (navaid.ident.empty()) {
        return SkipReason::NoIdentifier;
    }
    const auto place = position(columns, row, NLat, NLon);
    if (!place) {
        return SkipReason::BadPosition;
    }
    std::tie(navaid.latitude, navaid.longitude) = *place;
    navaid.name = text(columns, row, NName);
    navaid.type = text(columns, row, NType);
    navaid.frequencyKhz = number(columns, row, NFrequency);
    if (navaid.frequencyKhz && *navaid.frequencyKhz <= 0) {
        navaid.frequencyKhz.reset();
    }
    navaid.elevationFt = number(columns, row, NElev);
    navaid.country = text(columns, row, NCountry);
    navaid.dmeChannel = text(columns, row, NChannel);
    navaid.slavedVariation = number(columns, row, NSlaved);
    navaid.magneticVariation = number(columns, row, NVariation);
    navaid.usage = text(columns, row, NUsage);
    navaid.power = text(columns, row, NPower);
    navaid.airportIdent = text(columns, row, NAirport);
    return navaid;
}

RowResult<NamedCode> ReadNamedCode(const CsvColumns& columns, const std::vector<std::string>& row) {
    if (!wholeRow(columns, row)) {
        return SkipReason::FieldCount;
    }
    NamedCode named{text(columns, row, 0), text(columns, row, 1)};
    if (named.code.empty()) {
        return SkipReason::NoIdentifier;
    }
    return named;
}

}  // namespace aerolume::airports
