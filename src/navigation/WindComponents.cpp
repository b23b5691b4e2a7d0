// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindComponents.h"

#include <cmath>
#include <cstdio>

#include <numbers>
#include "common/FormatMask.h"

namespace aerolume {

WindComponents ResolveWind(double windFrom, double windSpeed, double axis) {
    const double angle = (windFrom - axis) * (std::numbers::pi / 180);
    return {windSpeed * std::cos(angle), windSpeed * std::sin(angle)};
}

RoundedComponent RoundComponent(double knots) {
    RoundedComponent rounded{formatFixed(std::fabs(knots), 0), 0};
    if (rounded.Knots != "0") {
        rounded.Sign = knots < 0 ? -1 : 1;
    }
    return rounded;
}

bool RoundsToCalm(double windSpeed) {
    return formatFixed(std::fabs(windSpeed), 0) == "0";
}

std::string WholeDegrees(double direction) {
    double turn = std::fmod(direction, 360.0);
    if (turn < 0) {
        turn += 360;
    }
    // Rounded as shown: 359.5 and above is north, written 360.
    long whole = std::lround(std::stod(formatFixed(turn, 0))) % 360;
    if (whole == 0) {
        whole = 360;
    }
    char text[8];
    std::snprintf(text, sizeof text, "%03ld", whole);
    return text;
}

}  // namespace aerolume
