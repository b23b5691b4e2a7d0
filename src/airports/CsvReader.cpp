// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvReader.h"

namespace aerolume::airports {

CsvReader::CsvReader(std::string_view text) : m_text(text) {
    if (m_text.starts_with("\xEF\xBB\xBF")) {
        m_pos = 3;
    }
}

bool CsvReader::next(std::vector<std::string>& fields) {
    fields.clear();
    m_broken = false;
    if (m_pos >= m_text.size()) {
        return false;
    }
    m_recordLine = m_line;
    std::string field;
    bool quoted = false;  // inside a quoted part of the field
    bool fieldStart = true;
    while (m_pos < m_text.size()) {
        const char c = m_text[m_pos++];
        if (quoted) {
            if (c == '"') {
                if (m_pos < m_text.size() && m_text[m_pos] == '"') {
                    field += '"';
                    ++m_pos;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') {
                    ++m_line;
                }
                field += c;
            }
            continue;
        }
        if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
            fieldStart = true;
            continue;
        }
        if (c == '\n' || c == '\r') {
            if (c == '\r' && m_pos < m_text.size() && m_text[m_pos] == '\n') {
                ++m_pos;
            }
            ++m_line;
            fields.push_back(std::move(field));
            return true;
        }
        if (c == '"' && fieldStart) {
            quoted = true;
        } else {
            field += c;
        }
        fieldStart = false;
    }
    m_broken = quoted;
    fields.push_back(std::move(field));
    return true;
}

std::string_view CsvColumns::field(const std::vector<std::string>& record,
                                   std::size_t wanted) const {
    if (wanted >= index.size() || index[wanted] < 0) {
        return {};
    }
    const auto column = static_cast<std::size_t>(index[wanted]);
    return column < record.size() ? std::string_view(record[column]) : std::string_view();
}

CsvColumns MatchColumns(const std::vector<std::string>& header, std::span<const CsvColumn> wanted) {
    CsvColumns columns;
    columns.headerFields = header.size();
    for (const CsvColumn& column : wanted) {
        int found = -1;
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (header[i] == column.name) {
                found = static_cast<int>(i);
                break;
            }
        }
        columns.index.push_back(found);
        if (found < 0 && column.required) {
            columns.missing.emplace_back(column.name);
        }
    }
    return columns;
}

}  // namespace aerolume::airports
