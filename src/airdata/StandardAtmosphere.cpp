// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandardAtmosphere.h"

#include <cmath>

namespace aerolume::isa {

namespace {

// g0 / (R L), the exponent of the tropospheric pressure-temperature relation.
constexpr double kExponent = kGravity / (kGasConstant * kLapseRate);
// The isothermal layer's scale height R T / g0, m.
constexpr double kScaleHeight = kGasConstant * kTropopauseTemperature / kGravity;

double tropopausePressure() {
    static const double p =
        kSeaLevelPressure * std::pow(kTropopauseTemperature / kSeaLevelTemperature, kExponent);
    return p;
}

double tropopauseDensity() {
    return tropopausePressure() * 100 / (kGasConstant * kTropopauseTemperature);
}

}  // namespace

double temperatureAt(double metres) {
    return metres < kTropopause ? kSeaLevelTemperature - kLapseRate * metres
                                : kTropopauseTemperature;
}

double pressureAt(double metres) {
    if (metres < kTropopause) {
        return kSeaLevelPressure *
               std::pow(temperatureAt(metres) / kSeaLevelTemperature, kExponent);
    }
    return tropopausePressure() * std::exp(-(metres - kTropopause) / kScaleHeight);
}

double densityAt(double metres) {
    return pressureAt(metres) * 100 / (kGasConstant * temperatureAt(metres));
}

double heightOfPressure(double hPa) {
    if (hPa > tropopausePressure()) {
        return (kSeaLevelTemperature / kLapseRate) *
               (1 - std::pow(hPa / kSeaLevelPressure, 1 / kExponent));
    }
    return kTropopause + kScaleHeight * std::log(tropopausePressure() / hPa);
}

double heightOfDensity(double density) {
    if (density > tropopauseDensity()) {
        const double seaLevel = kSeaLevelPressure * 100 / (kGasConstant * kSeaLevelTemperature);
        // density / density0 = (T / T0) ^ (g0 / (R L) - 1)
        return (kSeaLevelTemperature / kLapseRate) *
               (1 - std::pow(density / seaLevel, 1 / (kExponent - 1)));
    }
    return kTropopause + kScaleHeight * std::log(tropopauseDensity() / density);
}

double speedOfSound(double kelvin) {
    return std::sqrt(kHeatRatio * kGasConstant * kelvin);
}

double inHgToHpa(double inHg) {
    return inHg * kSeaLevelPressure / kStandardInHg;
}

double hpaToInHg(double hPa) {
    return hPa * kStandardInHg / kSeaLevelPressure;
}

}  // namespace aerolume::isa

namespace aerolume {

namespace {

constexpr double kKnotsPerMetrePerSecond = 3600.0 / 1852;

AtmosphereOutcome fault(AtmosphereFault f) {
    return {std::nullopt, f};
}

}  // namespace

AtmosphereOutcome ComputeAtmosphere(const AtmosphereInput& input) {
    using namespace isa;
    const double indicated = input.IndicatedFeet * kMetresPerFoot;
    // The setting is the sea-level pressure whose standard height is the altimeter's zero.
    const double pressureHeight = indicated + heightOfPressure(input.SettingHpa);
    const double floor = kAtmosphereFloorFeet * kMetresPerFoot;
    if (!(pressureHeight <= kCeiling)) {
        return fault(AtmosphereFault::PressureAltitudeAboveCeiling);
    }
    if (pressureHeight < floor) {
        return fault(AtmosphereFault::PressureAltitudeBelowFloor);
    }
    AtmosphereResult result{};
    const double isaKelvin = temperatureAt(pressureHeight);
    const double pressure = pressureAt(pressureHeight);
    result.PressureAltitude = pressureHeight / kMetresPerFoot;
    result.IsaTemperature = isaKelvin - kKelvin;
    result.StaticPressureHpa = pressure;
    result.StaticPressureInHg = hpaToInHg(pressure);
    if (input.OatCelsius) {
        const double oatKelvin = *input.OatCelsius + kKelvin;
        if (!(oatKelvin > 0)) {
            return fault(AtmosphereFault::AtOrBelowAbsoluteZero);
        }
        const double density = pressure * 100 / (kGasConstant * oatKelvin);
        const double densityHeight = heightOfDensity(density);
        if (!(densityHeight <= kCeiling)) {
            return fault(AtmosphereFault::DensityAltitudeAboveCeiling);
        }
        TemperatureResults t{};
        t.IsaDeviation = oatKelvin - isaKelvin;
        t.DensityAltitude = densityHeight / kMetresPerFoot;
        t.TrueAltitude = input.IndicatedFeet +
                         (input.IndicatedFeet - input.StationFeet) * t.IsaDeviation / isaKelvin;
        t.DensityRatio = density / densityAt(0);
        t.SpeedOfSound = speedOfSound(oatKelvin) * kKnotsPerMetrePerSecond;
        result.WithOat = t;
    }
    return {result, AtmosphereFault::PressureAltitudeAboveCeiling};
}

}  // namespace aerolume
