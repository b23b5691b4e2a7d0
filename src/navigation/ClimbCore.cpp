// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClimbCore.h"

#include <cmath>
#include <numbers>

namespace aerolume {

namespace {
constexpr double kDegrees = 180 / std::numbers::pi;
}  // namespace

ClimbResult ComputeClimb(const ClimbInput& input) {
    ClimbResult result{};
    switch (input.Given) {
        case ClimbRate::VerticalSpeed:
            result.VerticalSpeed = input.Rate;
            result.Gradient = input.Rate * 60 / input.GroundSpeed;
            result.PathAngle = std::atan(result.Gradient / kFeetPerNauticalMile) * kDegrees;
            break;
        case ClimbRate::PathAngle:
            result.PathAngle = input.Rate;
            result.Gradient = std::tan(input.Rate / kDegrees) * kFeetPerNauticalMile;
            result.VerticalSpeed = result.Gradient * input.GroundSpeed / 60;
            break;
        case ClimbRate::Gradient:
            result.Gradient = input.Rate;
            result.VerticalSpeed = input.Rate * input.GroundSpeed / 60;
            result.PathAngle = std::atan(input.Rate / kFeetPerNauticalMile) * kDegrees;
            break;
    }
    const double change = std::fabs(input.ToFeet - input.FromFeet);
    result.TimeHours = change / result.VerticalSpeed / 60;
    result.DistanceNm = change / result.Gradient;
    result.Descent = input.ToFeet < input.FromFeet;
    return result;
}

}  // namespace aerolume
