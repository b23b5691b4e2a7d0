// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace aerolume::airports {

// Reads comma-separated text record by record, the way the airport data files are
// written: fields apart by commas, records apart by LF or CR LF; a field in double
// quotes may hold commas, line breaks and doubled quotes ("" is one "). A UTF-8 byte
// order mark at the start is skipped. A quote inside an unquoted field is kept as it
// is. A quoted field still open at the end of the text makes the last record broken.
class CsvReader {
public:
    explicit CsvReader(std::string_view text);

    // Reads the next record into `fields` (emptied first). False at the end of the text.
    // An empty line is a record with one empty field.
    bool next(std::vector<std::string>& fields);
    // The last record read ran to the end of the text inside a quoted field.
    bool broken() const { return m_broken; }
    // The line, counted from 1, on which the last record read began.
    std::size_t line() const { return m_recordLine; }
    // How much of the text has been read, in bytes.
    std::size_t offset() const { return m_pos; }
    std::size_t size() const { return m_text.size(); }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_line = 1;
    std::size_t m_recordLine = 0;
    bool m_broken = false;
};

// Where the columns a reader needs lie in a file's header: in any order, with any
// other columns beside them. Names match exactly (the data's names are lower case).
struct CsvColumns {
    std::vector<int> index;            // per wanted name, its column, or -1 when absent
    std::vector<std::string> missing;  // the required names the header lacks
    std::size_t headerFields = 0;      // how many columns the header has

    // The field of `record` in the column of wanted name number `wanted`; empty when the
    // column is absent or the record is shorter.
    std::string_view field(const std::vector<std::string>& record, std::size_t wanted) const;
};

// A column a reader wants, and whether a file without it is refused.
struct CsvColumn {
    const char* name;
    bool required;
};

CsvColumns MatchColumns(const std::vector<std::string>& header, std::span<const CsvColumn> wanted);

}  // namespace aerolume::airports
