// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "CsvReader.h"

namespace aerolume::airports {

// The files of the airport data, in the column layout of OurAirports, and the records
// read from their rows. Positions are WGS 84 decimal degrees (north and east > 0),
// elevations and lengths feet, airport frequencies MHz, navaid frequencies kHz.

enum class DataFile { Airports, Runways, Frequencies, Navaids, Countries, Regions };
inline constexpr DataFile kDataFiles[] = {DataFile::Countries,   DataFile::Regions,
                                          DataFile::Airports,    DataFile::Runways,
                                          DataFile::Frequencies, DataFile::Navaids};

// The file's name without ".csv" ("airports", "airport-frequencies", ...).
const char* FileBaseName(DataFile file);
// The columns the importer reads from the file; a header without a required one is
// not that file.
std::span<const CsvColumn> FileColumns(DataFile file);

struct AirportRecord {
    std::string ident, type, name, municipality, country, region;
    std::string icao, iata, gps, local;
    double latitude = 0, longitude = 0;
    std::optional<double> elevationFt;
    bool scheduled = false;
};

struct RunwayEndRecord {
    std::string ident;  // the designator: "09", "27L", "H1", "N"; may be empty
    std::optional<double> latitude, longitude, elevationFt;
    std::optional<double> headingTrue;  // degrees true, as the data gives it
    std::optional<double> displacedFt;
};

struct RunwayRecord {
    std::string airportIdent;
    std::optional<double> lengthFt, widthFt;
    std::string surface;  // free text, as the data gives it
    bool lighted = false, closed = false;
    RunwayEndRecord low, high;  // the data's "le" and "he" ends
};

struct FrequencyRecord {
    std::string airportIdent, type, description;
    double mhz = 0;
};

struct NavaidRecord {
    std::string ident, name, type, country, dmeChannel, usage, power, airportIdent;
    std::optional<double> frequencyKhz;
    double latitude = 0, longitude = 0;
    std::optional<double> elevationFt;
    std::optional<double> slavedVariation;    // degrees, east > 0: a VOR's radials
    std::optional<double> magneticVariation;  // degrees, east > 0: the field at the site
};

struct NamedCode {
    std::string code, name;
};

// Why a row was left out of the database.
enum class SkipReason {
    FieldCount,      // more or fewer fields than the header
    OpenQuote,       // a quoted field runs to the end of the file
    NoIdentifier,    // the identifier (or the airport's) is empty
    BadPosition,     // the latitude or longitude is missing, not a number or out of range
    ClosedAirport,   // an airport of type "closed"
    UnknownAirport,  // a runway or frequency of an airport that is not in the airports file
    BadFrequency,    // a frequency that is missing or not a positive number
    Duplicate,       // the identifier (or code) came before in the same file
};
inline constexpr int kSkipReasons = 8;

template <class Record>
using RowResult = std::variant<Record, SkipReason>;

// Each reads one row of its file, the columns as MatchColumns found them for
// FileColumns() of that file. Numbers that are empty or not numbers are left unknown
// where a record may lack them; identifiers are kept as the data writes them.
RowResult<AirportRecord> ReadAirport(const CsvColumns& columns,
                                     const std::vector<std::string>& row);
RowResult<RunwayRecord> ReadRunway(const CsvColumns& columns, const std::vector<std::string>& row);
RowResult<FrequencyRecord> ReadFrequency(const CsvColumns& columns,
                                         const std::vector<std::string>& row);
RowResult<NavaidRecord> ReadNavaid(const CsvColumns& columns, const std::vector<std::string>& row);
// Countries and regions: their code and name.
RowResult<NamedCode> ReadNamedCode(const CsvColumns& columns, const std::vector<std::string>& row);

// A number as the data writes it ("51.8369", "-1.32", "270"); nothing when empty or
// not wholly a finite number.
std::optional<double> ParseNumber(std::string_view text);

}  // namespace aerolume::airports
