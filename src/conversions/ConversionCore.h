// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace aerolume {

// The constants of the conversions window, as the program uses them. Several are
// rounded values of the physical constants and are used as they stand.
inline constexpr double kStatuteMilesPerNauticalMile = 1.1515972222;
inline constexpr double kInchesPerStatuteMile = 63360;
inline constexpr double kCentimetresPerInch = 2.54;
inline constexpr double kCentimetresPerKilometre = 100000;
inline constexpr double kDegreesToRadians = 0.0174532925;  // not the full pi / 180
inline constexpr double kMinutesPerHour = 60;
inline constexpr double kMillibarsPerInchHg = 33.86363636;
inline constexpr double kPoundsPerKilogram = 2.2046;
inline constexpr double kMetresPerFoot = 0.304;  // not 0.3048
inline constexpr double kFeetPerMetre = 3.2808;
inline constexpr double kUsGallonsPerImperialGallon = 1.2009;
inline constexpr double kLitresPerUsGallon = 3.7854;

// The eight one-way conversions of the two-field converters (temperature, pressure,
// mass and length).
enum class UnitConversion {
    CelsiusToFahrenheit,
    FahrenheitToCelsius,
    InchesHgToMillibars,
    MillibarsToInchesHg,
    PoundsToKilograms,
    KilogramsToPounds,
    FeetToMetres,
    MetresToFeet,
};

// Converts `value` one way, any finite value (negative temperatures and the like pass
// through the same formula):
//   Celsius to Fahrenheit     F = C * (9 / 5) + 32
//   Fahrenheit to Celsius     C = (F - 32) * (5 / 9)
//   inches of mercury to mb   mb = inHg * 33.86363636
//   millibars to inches Hg    inHg = mb / 33.86363636
//   pounds to kilograms       kg = lb / 2.2046
//   kilograms to pounds       lb = kg * 2.2046
//   feet to metres            m = ft * 0.304
//   metres to feet            ft = m * 3.2808
double ConvertUnit(UnitConversion conversion, double value);

enum class DistanceUnit { NauticalMiles, StatuteMiles, Kilometres };

struct DistanceInput {
    double Distance = 0;  // in Unit, any finite value
    DistanceUnit Unit = DistanceUnit::NauticalMiles;
};

struct DistanceResult {
    double NauticalMiles = 0;
    double StatuteMiles = 0;
    double Kilometres = 0;
};

// The distance in all three units; the given unit's value is the input itself. With
// D the distance, evaluated left to right:
//   from NM: SM = D * 1.1515972222;  KM = D * 1.1515972222 * 63360 * 2.54 / 100000
//   from SM: NM = D / 1.1515972222;  KM = D * 63360 * 2.54 / 100000
//   from KM: NM = D * 100000 / 2.54 / 63360 / 1.1515972222;
//            SM = D * 100000 / 2.54 / 63360
DistanceResult ComputeDistance(const DistanceInput& input);

enum class VolumeUnit { UsGallons, ImperialGallons, Litres };

struct VolumeInput {
    double Volume = 0;  // in Unit, any finite value
    VolumeUnit Unit = VolumeUnit::UsGallons;
};

struct VolumeResult {
    double UsGallons = 0;
    double ImperialGallons = 0;
    double Litres = 0;
};

// The fluid volume in all three units; the given unit's value is the input itself.
// With V the volume, evaluated left to right:
//   from US gallons:       Imp = V / 1.2009;  litres = V * 3.7854
//   from imperial gallons: US = V * 1.2009;   litres = V * 1.2009 * 3.7854
//   from litres:           US = V / 3.7854;   Imp = V / 3.7854 / 1.2009
VolumeResult ComputeVolume(const VolumeInput& input);

struct CrosswindInput {
    double WindVelocity = 0;  // any speed unit; the window allows 0 to 99
    double Angle = 0;         // degrees between wind and runway; the window allows 0 to 999
};

// The crosswind component V * sin(A * 0.0174532925), in the unit of the velocity. It
// keeps its sign: an angle between 180 and 360 degrees gives a negative component.
double ComputeCrosswind(const CrosswindInput& input);

struct ClimbInput {
    double GroundSpeed = 0;  // knots, >= 0
    double Value = 0;        // the gradient (ft/NM) or the rate (ft/min), >= 0
};

// The rate of climb or descent in feet per minute from a gradient in feet per
// nautical mile: (G / 60) * P, G the ground speed in knots. A ground speed of 0
// gives 0.
double ComputeClimbRate(const ClimbInput& gradient);

// The climb or descent gradient in feet per nautical mile from a rate in feet per
// minute: R / (G / 60). A ground speed of 0 covers no distance, so there is no
// gradient: the result is then empty.
std::optional<double> ComputeClimbGradient(const ClimbInput& rate);

}  // namespace aerolume
