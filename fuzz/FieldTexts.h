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

}  // namespace aerolume::fuzz
