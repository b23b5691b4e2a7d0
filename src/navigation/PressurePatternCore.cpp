// SPDX-License-Identifier: GPL-3.0-or-later
#include "PressurePatternCore.h"

#include <cmath>

#include "common/Constants.h"

namespace aerolume {

PressurePatternResult ComputePressurePattern(const PressurePatternInput& input) {
    constexpr double kDriftFactor = 21500;         // NM * knots per inch of mercury
    constexpr double kCorrectionFactor = 1230000;  // degrees * NM * knots per inch of mercury
    const double radiansPerDegree = kPi / 180;
    const double s = std::sin(radiansPerDegree * input.Latitude);
    const double rise = input.DestinationPressure - input.DeparturePressure;
    const double drift = (rise * kDriftFactor) / (input.TrueAirspeed * s);
    const double wca = (rise * kCorrectionFactor) / (input.Distance * (input.TrueAirspeed * s));
    return {drift, wca};
}

}  // namespace aerolume
