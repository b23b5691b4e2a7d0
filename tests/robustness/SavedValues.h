// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The entries the save loop writes (SaveLoop.cpp) and the store test looks for: the
// program's own two sections and keys, with values that tell which save wrote them.

#include <QString>
#include <optional>
#include <vector>

#include "common/StoredEntries.h"

namespace aerolume::test {

struct SavedSection {
    const char* name;
    std::vector<const char*> keys;
};

inline const SavedSection& latLongSection() {
    namespace s = stored::latlong;
    static const SavedSection section{s::kSection,
                                      {s::kDepLatDeg, s::kDepLatMin, s::kDepLongDeg, s::kDepLongMin,
                                       s::kDepLatSec, s::kDepLongSec}};
    return section;
}

inline const SavedSection& wbSection() {
    static const SavedSection section = [] {
        SavedSection s{stored::wb::kSection, {stored::wb::kEmptyWeight}};
        for (const char* key : stored::wb::kArmKeys) {
            s.keys.push_back(key);
        }
        return s;
    }();
    return section;
}

// Save i writes the latitude/longitude entries when i is odd, the weight and balance
// entries when it is even.
inline const SavedSection& savedSection(long long i) {
    return i % 2 != 0 ? latLongSection() : wbSection();
}

// The value of every entry of save i: its number, then a run of a length that changes
// from save to save, so that the file's size changes too.
inline QString savedValue(long long i) {
    return QString::number(i) + QLatin1Char('-') +
           QString(static_cast<int>(i % 41), QLatin1Char('7'));
}

// The save that wrote a value, if it is a value some save writes.
inline std::optional<long long> saveOf(const QString& value) {
    bool ok = false;
    const long long i = value.section(QLatin1Char('-'), 0, 0).toLongLong(&ok);
    if (!ok || i < 0 || savedValue(i) != value) {
        return std::nullopt;
    }
    return i;
}

}  // namespace aerolume::test
