// SPDX-License-Identifier: GPL-3.0-or-later
#include "CloudCore.h"

namespace aerolume {

namespace {
constexpr double kFeetPerDegreeOfSpread = 400;
constexpr double kLapsePerThousandFeet = 1.98;
}  // namespace

std::optional<CloudResult> ComputeCloud(const CloudInput& input) {
    if (!(input.DewPointC <= input.TemperatureC)) {
        return std::nullopt;
    }
    CloudResult result{};
    result.BaseAboveField = (input.TemperatureC - input.DewPointC) * kFeetPerDegreeOfSpread;
    result.BaseAboveSeaLevel = input.FieldFeet + result.BaseAboveField;
    if (input.TemperatureC > 0) {
        result.FreezingLevel = input.FieldFeet + input.TemperatureC / kLapsePerThousandFeet * 1000;
    }
    return result;
}

}  // namespace aerolume
