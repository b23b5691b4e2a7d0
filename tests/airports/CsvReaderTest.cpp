// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV reader and the rows of the data files, with rows as the data writes them.
#include <gtest/gtest.h>

#include "airports/AirportRecords.h"
#include "airports/CsvReader.h"

namespace aerolume::airports {
namespace {

using Records = std::vector<std::vector<std::string>>;

Records readAll(std::string_view text, int* broken = nullptr) {
    CsvReader reader(text);
    Records records;
    std::vector<std::string> fields;
    while (reader.next(fields)) {
        records.push_back(fields);
        if (broken != nullptr && reader.broken()) {
            ++*broken;
        }
    }
    return records;
}

struct CsvCase {
    const char* name;
    const char* text;
    Records records;
    int broken = 0;
};

class CsvReaderTest : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvReaderTest, ReadsTheRecords) {
    int broken = 0;
    EXPECT_EQ(readAll(GetParam().text, &broken), GetParam().records);
    EXPECT_EQ(broken, GetParam().broken);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CsvReaderTest,
    ::testing::Values(
        CsvCase{"frequencyRow",
                "58411,2483,\"EGTK\",\"APP\",\"OXFORD APP\",125.325\n",
                {{"58411", "2483", "EGTK", "APP", "OXFORD APP", "125.325"}}},
        CsvCase{"emptyFields",
                "307581,6589,\"01FL\",\"ARCAL\",,122.9\r\n",
                {{"307581", "6589", "01FL", "ARCAL", "", "122.9"}}},
        CsvCase{"embeddedComma",
                "\"EGTK\",\"Kidlington, Oxfordshire\"\n",
                {{"EGTK", "Kidlington, Oxfordshire"}}},
        CsvCase{"embeddedNewlineAndQuote",
                "\"a\nb\",\"say \"\"hi\"\"\"\nx\n",
                {{"a\nb", "say \"hi\""}, {"x"}}},
        CsvCase{"byteOrderMark", "\xEF\xBB\xBF\"ident\",\"type\"\n", {{"ident", "type"}}},
        CsvCase{"noFinalNewline", "a,b", {{"a", "b"}}},
        CsvCase{"quoteInsideUnquoted", "5\"3,x\n", {{"5\"3", "x"}}},
        CsvCase{"openQuoteAtEnd", "a,\"never closed\nmore", {{"a", "never closed\nmore"}}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CsvReader, CountsTheLineEachRecordBeginsOn) {
    CsvReader reader("h\n\"two\nlines\"\nthird\n");
    std::vector<std::string> fields;
    std::vector<std::size_t> lines;
    while (reader.next(fields)) {
        lines.push_back(reader.line());
    }
    EXPECT_EQ(lines, (std::vector<std::size_t>{1, 2, 4}));
}

// A header in another order, with columns missing, and rows of each file.
struct RowCase {
    const char* name;
    DataFile file;
    std::vector<std::string> header, row;
    std::optional<SkipReason> skipped;
    std::vector<std::string> missing = {};
};

class DataRowTest : public ::testing::TestWithParam<RowCase> {};

std::optional<SkipReason> readRow(DataFile file, const CsvColumns& c,
                                  const std::vector<std::string>& row) {
    auto reason = [](const auto& result) -> std::optional<SkipReason> {
        if (const auto* r = std::get_if<SkipReason>(&result)) {
            return *r;
        }
        return std::nullopt;
    };
    switch (file) {
        case DataFile::Airports:
            return reason(ReadAirport(c, row));
        case DataFile::Runways:
            return reason(ReadRunway(c, row));
        case DataFile::Frequencies:
            return reason(ReadFrequency(c, row));
        case DataFile::Navaids:
            return reason(ReadNavaid(c, row));
        default:
            return reason(ReadNamedCode(c, row));
    }
}

TEST_P(DataRowTest, KeepsOrSkipsTheRow) {
    const CsvColumns columns = MatchColumns(GetParam().header, FileColumns(GetParam().file));
    EXPECT_EQ(columns.missing, GetParam().missing);
    if (columns.missing.empty()) {
        EXPECT_EQ(readRow(GetParam().file, columns, GetParam().row), GetParam().skipped);
    }
}

const std::vector<std::string> kAirportHeader = {
    "id",           "ident",     "type",        "name",       "latitude_deg", "longitude_deg",
    "elevation_ft", "continent", "iso_country", "iso_region", "municipality", "scheduled_service",
    "icao_code",    "iata_code", "gps_code",    "local_code", "home_link",    "wikipedia_link",
    "keywords"};
const std::vector<std::string> kEgtk = {"",
                                        "EGTK",
                                        "medium_airport",
                                        "London Oxford Airport",
                                        "51.836899",
                                        "-1.32",
                                        "270",
                                        "",
                                        "GB",
                                        "GB-ENG",
                                        "Kidlington, Oxfordshire",
                                        "",
                                        "",
                                        "OXF",
                                        "EGTK",
                                        "",
                                        "",
                                        "",
                                        ""};

INSTANTIATE_TEST_SUITE_P(
    Rows, DataRowTest,
    ::testing::Values(
        RowCase{"airportKept", DataFile::Airports, kAirportHeader, kEgtk, std::nullopt},
        RowCase{
            "airportHeaderReordered",
            DataFile::Airports,
            {"name", "longitude_deg", "latitude_deg", "type", "ident"},
            {"Santa Monica Municipal Airport", "-118.450996", "34.0158", "medium_airport", "KSMO"},
            std::nullopt},
        RowCase{"airportTooShort",
                DataFile::Airports,
                kAirportHeader,
                {"", "EGTK", "medium_airport"},
                SkipReason::FieldCount},
        RowCase{"airportClosed",
                DataFile::Airports,
                {"ident", "type", "name", "latitude_deg", "longitude_deg"},
                {"EG01", "closed", "Old Field", "51", "-1"},
                SkipReason::ClosedAirport},
        RowCase{"airportNoPosition",
                DataFile::Airports,
                {"ident", "type", "name", "latitude_deg", "longitude_deg"},
                {"X1", "small_airport", "Nowhere", "", "-1"},
                SkipReason::BadPosition},
        RowCase{"airportLatitudeOutOfRange",
                DataFile::Airports,
                {"ident", "type", "name", "latitude_deg", "longitude_deg"},
                {"X1", "small_airport", "Nowhere", "91", "-1"},
                SkipReason::BadPosition},
        RowCase{"airportMissingColumns",
                DataFile::Airports,
                {"ident", "name", "lat", "lon"},
                {},
                std::nullopt,
                {"type", "latitude_deg", "longitude_deg"}},
        RowCase{"runwayKept",
                DataFile::Runways,
                {"id", "airport_ref", "airport_ident", "length_ft", "width_ft", "surface",
                 "lighted", "closed", "le_ident", "le_heading_degT", "he_ident"},
                {"239541", "2483", "EGTK", "5006", "98", "ASP", "1", "0", "01", "11", "19"},
                std::nullopt},
        RowCase{"runwayNoAirport",
                DataFile::Runways,
                {"airport_ident", "le_ident", "he_ident"},
                {"", "H1", ""},
                SkipReason::NoIdentifier},
        RowCase{"frequencyBad",
                DataFile::Frequencies,
                {"airport_ident", "type", "description", "frequency_mhz"},
                {"EGTK", "APP", "OXFORD APP", "none"},
                SkipReason::BadFrequency},
        RowCase{"navaidKept",
                DataFile::Navaids,
                {"ident", "name", "type", "frequency_khz", "latitude_deg", "longitude_deg",
                 "magnetic_variation_deg"},
                {"SAM", "Southampton", "VOR-DME", "113350", "50.955299377441406",
                 "-1.3450000286102295", "-2.391"},
                std::nullopt},
        RowCase{"notAFrequencyFile",
                DataFile::Frequencies,
                kAirportHeader,
                {},
                std::nullopt,
                {"airport_ident", "frequency_mhz"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataRows, ReadTheValuesOfARealRow) {
    const CsvColumns columns = MatchColumns(kAirportHeader, FileColumns(DataFile::Airports));
    const auto airport = std::get<AirportRecord>(ReadAirport(columns, kEgtk));
    EXPECT_EQ(airport.municipality, "Kidlington, Oxfordshire");
    EXPECT_EQ(airport.iata, "OXF");
    EXPECT_DOUBLE_EQ(airport.latitude, 51.836899);
    EXPECT_EQ(airport.elevationFt, 270);
}

}  // namespace
}  // namespace aerolume::airports
