// SPDX-License-Identifier: GPL-3.0-or-later
#include "Atmosphere.h"

#include <cmath>

namespace aerolume {

double PressureAltitude(double mslFeet, double altimeterInHg) {
    return mslFeet +
           kPressureAltitudeScaleFeet *
               (1 - std::pow(altimeterInHg / kStandardPressureInHg, kPressureAltitudeExponent));
}

double FahrenheitToCelsius(double fahrenheit) {
    return (fahrenheit + 40) * (5.0 / 9) - 40;
}

}  // namespace aerolume
