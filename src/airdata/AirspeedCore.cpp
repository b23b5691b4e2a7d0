// SPDX-License-Identifier: GPL-3.0-or-later
#include "AirspeedCore.h"

#include <cmath>

#include "Atmosphere.h"

namespace aerolume {
namespace {

constexpr double kLapseMantissa = 6.8755856;  // times 10 to the -6, per foot
constexpr double kStaticPressureExponent = 5.2558797;
constexpr double kSpeedOfSoundFactor = 38.967854;  // knots per square root of a kelvin
constexpr double kSeaLevelSpeedOfSoundKnots = 661.4786;

}  // namespace

std::optional<AirspeedResult> ComputeAirspeed(const AirspeedInput& input) {
    const double kelvin = input.Temperature + kCelsiusToKelvin;
    if (!(kelvin > 0)) {
        return std::nullopt;
    }
    const double pa = PressureAltitude(input.MslAltitude, input.Altimeter);
    const double p = kStandardPressureInHg * std::pow(1 - kLapseMantissa * std::pow(10.0, -6) * pa,
                                                      kStaticPressureExponent);
    const double a = kSpeedOfSoundFactor * std::sqrt(kelvin);
    const double qc =
        kStandardPressureInHg *
        (std::pow(1 + 0.2 * std::pow(input.CalibratedAirspeed / kSeaLevelSpeedOfSoundKnots, 2),
                  3.5) -
         1);
    const double mach = std::pow(5 * (std::pow(qc / p + 1, 2.0 / 7) - 1), 0.5);
    const double tas = a * mach;
    if (!std::isfinite(mach) || !std::isfinite(tas)) {
        return std::nullopt;
    }
    return AirspeedResult{tas, mach};
}

}  // namespace aerolume
