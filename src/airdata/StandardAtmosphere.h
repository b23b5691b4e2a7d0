// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace aerolume::isa {

// The ICAO standard atmosphere (ICAO Doc 7488) from below sea level to 20,000 m:
// 288.15 K and 1013.25 hPa at sea level, the temperature falling 0.0065 K/m to the
// tropopause at 11,000 m, then 216.65 K to 20,000 m. Heights are geopotential metres.
inline constexpr double kSeaLevelTemperature = 288.15;    // K
inline constexpr double kSeaLevelPressure = 1013.25;      // hPa
inline constexpr double kLapseRate = 0.0065;              // K/m
inline constexpr double kTropopause = 11000;              // m
inline constexpr double kTropopauseTemperature = 216.65;  // K
inline constexpr double kCeiling = 20000;                 // m, the top of the model
inline constexpr double kGravity = 9.80665;               // m/s^2
inline constexpr double kGasConstant = 287.05287;         // J/(kg K), dry air
inline constexpr double kHeatRatio = 1.4;
inline constexpr double kStandardInHg = 29.92126;  // = 1013.25 hPa
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kKelvin = 273.15;  // 0 degrees Celsius

// The standard temperature (K), pressure (hPa) and density (kg/m^3) at a height (m).
// Below sea level the tropospheric lapse rate is extended downwards.
double temperatureAt(double metres);
double pressureAt(double metres);
double densityAt(double metres);
// The heights (m) at which the standard atmosphere has that pressure (hPa, > 0) or
// that density (kg/m^3, > 0); above the tropopause the isothermal layer is extended
// upwards, so the caller compares the answer with the ceiling.
double heightOfPressure(double hPa);
double heightOfDensity(double density);

// The speed of sound (m/s) in air at `kelvin`: sqrt(1.4 * R * T).
double speedOfSound(double kelvin);

// An altimeter setting in inches of mercury as hectopascals (29.92126 inHg = 1013.25 hPa).
double inHgToHpa(double inHg);
double hpaToInHg(double hPa);

}  // namespace aerolume::isa

namespace aerolume {

struct AtmosphereInput {
    double IndicatedFeet;              // the altimeter's reading at the given setting
    double SettingHpa;                 // the altimeter setting, hPa, > 0
    std::optional<double> OatCelsius;  // outside air temperature there, if known
    double StationFeet;                // elevation of the station that gave the setting
};

// What only the outside air temperature makes known.
struct TemperatureResults {
    double IsaDeviation;     // OAT - standard temperature at the pressure altitude, K
    double DensityAltitude;  // ft
    double TrueAltitude;     // ft
    double DensityRatio;     // actual density / 1.225 kg/m^3
    double SpeedOfSound;     // kt
};

struct AtmosphereResult {
    double PressureAltitude;   // ft
    double IsaTemperature;     // standard temperature at the pressure altitude, deg C
    double StaticPressureHpa;  // standard pressure at the pressure altitude
    double StaticPressureInHg;
    std::optional<TemperatureResults> WithOat;  // when an OAT was given
};

enum class AtmosphereFault {
    PressureAltitudeAboveCeiling,  // above 20,000 m (65,617 ft)
    PressureAltitudeBelowFloor,    // below -1524 m (-5000 ft)
    DensityAltitudeAboveCeiling,   // the actual density is thinner than at 20,000 m
    AtOrBelowAbsoluteZero
};

inline constexpr double kAtmosphereFloorFeet = -5000;

// The standard atmosphere read through an altimeter:
//   pressure altitude = indicated + (T0 / L) * (1 - (setting / p0) ^ (R L / g0)),
//   static pressure = the standard pressure at the pressure altitude,
//   density altitude = the standard height of the density p / (R * OAT),
//   true altitude = indicated + (indicated - station) * (OAT - ISA) / ISA (ISA in K),
// the flight computer's temperature correction. Altitudes in feet (1 ft = 0.3048 m),
// positive up. Returns the fault instead when a height leaves the model.
struct AtmosphereOutcome {
    std::optional<AtmosphereResult> Result;
    AtmosphereFault Fault = AtmosphereFault::PressureAltitudeAboveCeiling;  // when no result
};
AtmosphereOutcome ComputeAtmosphere(const AtmosphereInput& input);

}  // namespace aerolume
