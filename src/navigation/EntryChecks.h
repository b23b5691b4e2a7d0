// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <optional>

#include "common/Durations.h"
#include "common/FieldReading.h"
#include "common/KeyCodes.h"

namespace aerolume {

// A field's entry as a number from `low` to `high`, or nothing when it is empty, not a
// number or out of that range.
inline std::optional<double> numberIn(const QLineEdit* field, double low, double high) {
    const std::optional<double> value = strictNumber(field->text().toStdString());
    if (!value || *value < low || *value > high) {
        return std::nullopt;
    }
    return value;
}

// A time field's entry (h:mm:ss, h:mm or minutes) in hours below `limitHours`, or
// nothing.
inline std::optional<double> hoursBelow(const QLineEdit* field, double limitHours) {
    const std::optional<double> hours = parseDuration(field->text().toStdString());
    if (!hours || *hours >= limitHours) {
        return std::nullopt;
    }
    return hours;
}

}  // namespace aerolume
