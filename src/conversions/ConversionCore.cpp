// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConversionCore.h"

#include <cmath>

namespace aerolume {

double ConvertUnit(UnitConversion conversion, double value) {
    switch (conversion) {
        case UnitConversion::CelsiusToFahrenheit:
            return value * (9.0 / 5.0) + 32;
        case UnitConversion::FahrenheitToCelsius:
            return (value - 32) * (5.0 / 9.0);
        case UnitConversion::InchesHgToMillibars:
            return value * kMillibarsPerInchHg;
        case UnitConversion::MillibarsToInchesHg:
            return value / kMillibarsPerInchHg;
        case UnitConversion::PoundsToKilograms:
            return value / kPoundsPerKilogram;
        case UnitConversion::KilogramsToPounds:
            return value * kPoundsPerKilogram;
        case UnitConversion::FeetToMetres:
            return value * kMetresPerFoot;
        case UnitConversion::MetresToFeet:
            return value * kFeetPerMetre;
    }
    return value;
}

DistanceResult ComputeDistance(const DistanceInput& input) {
    const double d = input.Distance;
    switch (input.Unit) {
        case DistanceUnit::NauticalMiles:
            return {d, d * kStatuteMilesPerNauticalMile,
                    d * kStatuteMilesPerNauticalMile * kInchesPerStatuteMile * kCentimetresPerInch /
                        kCentimetresPerKilometre};
        case DistanceUnit::StatuteMiles:
            return {d / kStatuteMilesPerNauticalMile, d,
                    d * kInchesPerStatuteMile * kCentimetresPerInch / kCentimetresPerKilometre};
        case DistanceUnit::Kilometres:
            return {d * kCentimetresPerKilometre / kCentimetresPerInch / kInchesPerStatuteMile /
                        kStatuteMilesPerNauticalMile,
                    d * kCentimetresPerKilometre / kCentimetresPerInch / kInchesPerStatuteMile, d};
    }
    return {d, d, d};
}

VolumeResult ComputeVolume(const VolumeInput& input) {
    const double v = input.Volume;
    switch (input.Unit) {
        case VolumeUnit::UsGallons:
            return {v, v / kUsGallonsPerImperialGallon, v * kLitresPerUsGallon};
        case VolumeUnit::ImperialGallons:
            return {v * kUsGallonsPerImperialGallon, v,
                    v * kUsGallonsPerImperialGallon * kLitresPerUsGallon};
        case VolumeUnit::Litres:
            return {v / kLitresPerUsGallon, v / kLitresPerUsGallon / kUsGallonsPerImperialGallon,
                    v};
    }
    return {v, v, v};
}

double ComputeCrosswind(const CrosswindInput& input) {
    return input.WindVelocity * std::sin(input.Angle * kDegreesToRadians);
}

double ComputeClimbRate(const ClimbInput& gradient) {
    return (gradient.GroundSpeed / kMinutesPerHour) * gradient.Value;
}

std::optional<double> ComputeClimbGradient(const ClimbInput& rate) {
    const double perMinute = rate.GroundSpeed / kMinutesPerHour;
    if (perMinute == 0) {
        return std::nullopt;
    }
    return rate.Value / perMinute;
}

}  // namespace aerolume
