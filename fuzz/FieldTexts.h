// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Field texts as the windows hold them, drawn from fuzz data. A field the user types
// into holds only the characters its key filter (and its paste filter) lets through,
// and no more than its maximum length; a field filled from the settings store holds
// whatever text the store gave it, cut to the field's maximum length.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <optional>
#include <string>

#include "common/FieldReading.h"
#include "common/KeyCodes.h"

namespace aerolume::fuzz {

struct Field {
    std::size_t maxLength;
    KeyRange accepted;
    bool stored = false;  // filled from the settings store: any text
};

inline std::string fieldText(FuzzedDataProvider& data, const Field& field) {
    std::string raw = data.ConsumeRandomLengthString(64);
    if (!field.stored) {
        std::string typed;
        for (const char c : raw) {
            const int code = static_cast<unsigned char>(c);
            if (code != kKeyBackspace && keyPasses(code, field.accepted)) {
                typed.push_back(c);
            }
        }
        raw = std::move(typed);
    }
    if (raw.size() > field.maxLength) {
        raw.resize(field.maxLength);
    }
    return raw;
}

// The window's two readings of a field, as the window applies them.
inline std::optional<double> strictValue(const std::string& text) {
    return strictNumber(text);
}
inline double lenientValue(const std::string& text) {
    return lenientNumber(text);
}

// A field's entry as the windows check it against a range: its strict number when that
// lies from `low` to `high`, nothing otherwise (empty, not a number or out of range).
inline std::optional<double> valueWithin(const std::string& text, double low, double high) {
    const std::optional<double> value = strictNumber(text);
    return value && *value >= low && *value <= high ? value : std::nullopt;
}

// A field typed from fuzz data and read against a range, as valueWithin reads it.
inline std::optional<double> fieldWithin(FuzzedDataProvider& data, const Field& field, double low,
                                         double high) {
    return valueWithin(fieldText(data, field), low, high);
}

}  // namespace aerolume::fuzz
