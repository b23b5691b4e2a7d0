// SPDX-License-Identifier: GPL-3.0-or-later
#include "RoutesCore.h"

#include <cmath>

#include "common/Functions.h"

namespace aerolume {
namespace {

constexpr double kLatitudeBound = 89;
constexpr double kLongitudeBound = 180;

// Decimal degrees from degrees, minutes and seconds, then radians with pi/180 formed
// first: in this order 89 deg 60 min and 0 deg 5400 min both give pi/2 exactly.
double radians(double deg, double min, double sec, double pi) {
    const double degrees = deg + (min + sec / 60) / 60;
    return (pi / 180) * degrees;
}

double square(double x) {
    return x * x;
}

}  // namespace

const char* RouteErrorMessage(RouteError error) {
    switch (error) {
        case RouteError::InvalidDepartureLatitude:
            return "Invalid Departure Latitude!";
        case RouteError::InvalidDepartureLongitude:
            return "Invalid Departure Longitude!";
        case RouteError::InvalidDestinationLatitude:
            return "Invalid Destination Latitude!";
        case RouteError::InvalidDestinationLongitude:
            return "Invalid Destination Longitude!";
        case RouteError::PoleEndpoint:
            return "Can't start/stop at a pole!";
        case RouteError::PoleCrossing:
            return "Can't cross a pole!";
        case RouteError::SamePoint:
            return "Same departure and destination!";
        case RouteError::DepartureBeyondPole:
            return "Departure Latitude beyond the pole!";
        case RouteError::DestinationBeyondPole:
            return "Destination Latitude beyond the pole!";
        case RouteError::SamePosition:
            return "Departure and destination are one position!";
        case RouteError::Antipodes:
            return "Departure and destination are antipodes!";
    }
    return "";
}

RouteField RouteErrorField(RouteError error) {
    switch (error) {
        case RouteError::InvalidDepartureLatitude:
            return RouteField::DepLatDeg;
        case RouteError::InvalidDepartureLongitude:
            return RouteField::DepLongDeg;
        case RouteError::InvalidDestinationLatitude:
            return RouteField::DestLatDeg;
        case RouteError::InvalidDestinationLongitude:
            return RouteField::DestLongDeg;
        default:
            return RouteField::None;
    }
}

std::optional<RouteError> CheckDegreeBounds(const RouteInput& input) {
    // Written as "not within" so that a value that is not a number fails too.
    if (!(input.DepLatDeg <= kLatitudeBound)) {
        return RouteError::InvalidDepartureLatitude;
    }
    if (!(input.DepLongDeg <= kLongitudeBound)) {
        return RouteError::InvalidDepartureLongitude;
    }
    if (!(input.DestLatDeg <= kLatitudeBound)) {
        return RouteError::InvalidDestinationLatitude;
    }
    if (!(input.DestLongDeg <= kLongitudeBound)) {
        return RouteError::InvalidDestinationLongitude;
    }
    return std::nullopt;
}

std::variant<RouteResult, RouteError> ComputeRoutes(const RouteInput& input, double pi) {
    // 1. Degree bounds.
    if (const auto error = CheckDegreeBounds(input)) {
        return *error;
    }

    // 2. Unsigned radians. Minutes and seconds are unbounded.
    const double depLat = radians(input.DepLatDeg, input.DepLatMin, input.DepLatSec, pi);
    const double depLong = radians(input.DepLongDeg, input.DepLongMin, input.DepLongSec, pi);
    const double destLat = radians(input.DestLatDeg, input.DestLatMin, input.DestLatSec, pi);
    const double destLong = radians(input.DestLongDeg, input.DestLongMin, input.DestLongSec, pi);

    // 3. Pole endpoint, exactly.
    const double halfPi = pi / 2;
    if (depLat == halfPi || destLat == halfPi) {
        return RouteError::PoleEndpoint;
    }

    // 4. Signs: north and west positive.
    const double phi1 = input.DepSouth ? -depLat : depLat;
    const double lambda1 = input.DepEast ? -depLong : depLong;
    const double phi2 = input.DestSouth ? -destLat : destLat;
    const double lambda2 = input.DestEast ? -destLong : destLong;

    // 5. Opposite meridians, exactly.
    if (lambda1 - lambda2 == pi || lambda2 - lambda1 == pi) {
        return RouteError::PoleCrossing;
    }

    // 6. Same point.
    if (lambda2 == lambda1 && phi2 == phi1) {
        return RouteError::SamePoint;
    }

    // The cases the exact tests above leave to the formulas, decided only once those
    // tests have had their say. A coordinate that is not finite is unusable.
    if (!std::isfinite(depLat)) {
        return RouteError::InvalidDepartureLatitude;
    }
    if (!std::isfinite(depLong)) {
        return RouteError::InvalidDepartureLongitude;
    }
    if (!std::isfinite(destLat)) {
        return RouteError::InvalidDestinationLatitude;
    }
    if (!std::isfinite(destLong)) {
        return RouteError::InvalidDestinationLongitude;
    }
    // Latitudes past the pole, which the logarithm of step 9 cannot take; then
    // latitudes that are the pole up to rounding (the program's pi/2 lies above the
    // true one, so a latitude just below it already has a negative cosine).
    if (std::fabs(depLat) > halfPi + kRoundingTolerance) {
        return RouteError::DepartureBeyondPole;
    }
    if (std::fabs(destLat) > halfPi + kRoundingTolerance) {
        return RouteError::DestinationBeyondPole;
    }
    if (std::fabs(depLat) >= halfPi - kRoundingTolerance ||
        std::fabs(destLat) >= halfPi - kRoundingTolerance) {
        return RouteError::PoleEndpoint;
    }
    // Opposite meridians up to rounding (30.5 W against 149.5 E).
    if (std::fabs(ModReal(lambda1 - lambda2, 2 * pi) - pi) <= kRoundingTolerance) {
        return RouteError::PoleCrossing;
    }

    RouteResult result;

    // 7. Great-circle distance, haversine form.
    const double h = square(std::sin((lambda1 - lambda2) / 2)) * (std::cos(phi2) * std::cos(phi1)) +
                     square(std::sin((phi1 - phi2) / 2));
    const double root = std::sqrt(h);
    if (!(root < 1)) {
        return RouteError::Antipodes;
    }
    const double d = 2 * ArcSin(root);
    const double cosPhi1 = std::cos(phi1);
    const double sinD = std::sin(d);
    if (!(cosPhi1 * sinD > kCourseTolerance)) {
        if (cosPhi1 <= sinD) {
            return RouteError::PoleEndpoint;
        }
        return d < halfPi ? RouteError::SamePosition : RouteError::Antipodes;
    }
    result.GreatCircleDistance = d * (10800 / pi);

    // 8. Initial great-circle course. On a meridian c is +-1 up to rounding: limited
    // to [-1, 1], and acos taken as its limits 0 and pi at the ends, where ArcCos
    // would divide by zero.
    const double c = (std::sin(phi2) - std::cos(d) * std::sin(phi1)) / (cosPhi1 * sinD);
    double angle = 0;
    if (c >= 1) {
        angle = 0;
    } else if (c <= -1) {
        angle = pi;
    } else {
        angle = ArcCos(c);
    }
    const double course = std::sin(lambda2 - lambda1) >= 0 ? 2 * pi - angle : angle;
    result.GreatCircleCourse = course * (180 / pi);

    // 9. Rhumb line.
    const double westward = ModReal(lambda2 - lambda1, 2 * pi);
    const double eastward = ModReal(lambda1 - lambda2, 2 * pi);
    const double dPhi = std::log(std::tan(pi / 4 + phi2 / 2) / std::tan(pi / 4 + phi1 / 2));
    static const double tolerance = std::pow(1E-15, 0.5);
    const double q = std::fabs(phi2 - phi1) < tolerance ? std::cos(phi1) : (phi2 - phi1) / dPhi;
    double rhumbCourse = 0;
    double rhumbDistance = 0;
    if (westward >= eastward) {
        rhumbCourse = ModReal(Atan2(eastward, dPhi, pi), 2 * pi);
        rhumbDistance = std::sqrt(square(q) * square(eastward) + square(phi2 - phi1));
    } else {
        rhumbCourse = ModReal(Atan2(-westward, dPhi, pi), 2 * pi);
        rhumbDistance = std::sqrt(square(q) * square(westward) + square(phi2 - phi1));
    }
    result.RhumbLineCourse = rhumbCourse * (180 / pi);
    result.RhumbLineDistance = rhumbDistance * (10800 / pi);
    return result;
}

}  // namespace aerolume
