// SPDX-License-Identifier: GPL-3.0-or-later
#include "AltitudeCore.h"

#include <cmath>

#include "Atmosphere.h"

namespace aerolume {
namespace {

constexpr double kSeaLevelTemperatureCelsius = 15;
constexpr double kLapseRatePerFoot = 0.0019812;
constexpr double kDensityExponent = 0.234969;

}  // namespace

std::optional<AltitudeResult> ComputeAltitudes(const AltitudeInput& input) {
    const double pa = PressureAltitude(input.MslAltitude, input.Altimeter);
    const double ts = kCelsiusToKelvin + (kSeaLevelTemperatureCelsius - kLapseRatePerFoot * pa);
    const double t = input.Temperature + kCelsiusToKelvin;
    if (!(t > 0)) {
        return std::nullopt;
    }
    const double da = pa + (ts / kLapseRatePerFoot) * (1 - std::pow(ts / t, kDensityExponent));
    if (!std::isfinite(pa) || !std::isfinite(da)) {
        return std::nullopt;
    }
    return AltitudeResult{pa, da};
}

}  // namespace aerolume
