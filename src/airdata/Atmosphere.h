// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace aerolume {

// Constants of the standard atmosphere shared by the air data calculators.
inline constexpr double kStandardPressureInHg = 29.92126;  // sea-level pressure, inHg
inline constexpr double kPressureAltitudeExponent = 0.190261;
inline constexpr double kPressureAltitudeScaleFeet = 145442.2;
inline constexpr double kCelsiusToKelvin = 273.15;

// Pressure altitude in feet from the elevation above mean sea level (feet, positive
// up) and the sea-level altimeter setting (inches of mercury, > 0):
//   PA = msl + 145442.2 * (1 - (altimeter / 29.92126) ^ 0.190261).
// An altimeter setting above standard gives a pressure altitude below the elevation.
double PressureAltitude(double mslFeet, double altimeterInHg);

// Degrees Fahrenheit to degrees Celsius: C = (F + 40) * (5 / 9) - 40.
double FahrenheitToCelsius(double fahrenheit);

}  // namespace aerolume
