// SPDX-License-Identifier: GPL-3.0-or-later
// The airport data's CSV reader on any bytes, read as each data file: the reader ends,
// moves forward on every record, never reads past the text, and every row either makes
// a record or is skipped for a reason.

#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "airports/AirportRecords.h"
#include "airports/CsvReader.h"

using namespace aerolume::airports;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    for (const DataFile file : kDataFiles) {
        CsvReader reader(text);
        std::vector<std::string> row;
        if (!reader.next(row)) {
            continue;
        }
        const CsvColumns columns = MatchColumns(row, FileColumns(file));
        std::size_t records = 1;
        std::size_t offset = reader.offset();
        while (reader.next(row)) {
            FUZZ_CHECK(reader.offset() > offset, "record %zu read no byte", records);
            FUZZ_CHECK(reader.offset() <= size, "offset %zu past %zu", reader.offset(), size);
            FUZZ_CHECK(!row.empty(), "record %zu has no field", records);
            offset = reader.offset();
            ++records;
            switch (file) {
                case DataFile::Airports:
                    (void)ReadAirport(columns, row);
                    break;
                case DataFile::Runways:
                    (void)ReadRunway(columns, row);
                    break;
                case DataFile::Frequencies:
                    (void)ReadFrequency(columns, row);
                    break;
                case DataFile::Navaids:
                    (void)ReadNavaid(columns, row);
                    break;
                default:
                    (void)ReadNamedCode(columns, row);
                    break;
            }
        }
        FUZZ_CHECK(records <= size + 1, "%zu records from %zu bytes", records, size);
    }
    return 0;
}
