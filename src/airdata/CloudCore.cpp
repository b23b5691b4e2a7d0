// SPDX-License-Identifier: GPL-3.0-or-later
#include "CloudCore.h"

#include <algorithm>
#include <cmath>

namespace aerolume {

namespace {
constexpr double kFeetPerDegreeOfSpread = 400;
constexpr double kLapsePerThousandFeet = 1.98;

// To the nearest 100 ft; + 0.0 turns a negative zero into zero.
double toHundreds(double feet) {
    return std::round(feet / 100) * 100 + 0.0;
}
}  // namespace

std::optional<CloudResult> ComputeCloud(const CloudInput& input) {
    if (!(input.DewPointC <= input.TemperatureC)) {
        return std::nullopt;
    }
    CloudResult result{};
    const double base = (input.TemperatureC - input.DewPointC) * kFeetPerDegreeOfSpread;
    result.BaseAboveField = toHundreds(base);
    const auto aboveSeaLevel = [&input](double height) {
        return std::max(toHundreds(input.FieldFeet + height), input.FieldFeet);
    };
    result.BaseAboveSeaLevel = aboveSeaLevel(base);
    if (input.TemperatureC > 0) {
        result.FreezingLevel = aboveSeaLevel(input.TemperatureC / kLapsePerThousandFeet * 1000);
    }
    return result;
}

}  // namespace aerolume
