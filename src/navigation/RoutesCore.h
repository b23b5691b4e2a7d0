// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <variant>

#include "common/Constants.h"

namespace aerolume {

// A departure and a destination, each latitude and longitude as degrees, minutes and
// seconds as typed (unsigned; a blank field arrives as 0), the hemispheres apart.
struct RouteInput {
    double DepLatDeg = 0;
    double DepLatMin = 0;
    double DepLatSec = 0;
    double DepLongDeg = 0;
    double DepLongMin = 0;
    double DepLongSec = 0;
    double DestLatDeg = 0;
    double DestLatMin = 0;
    double DestLatSec = 0;
    double DestLongDeg = 0;
    double DestLongMin = 0;
    double DestLongSec = 0;
    bool DepSouth = false;   // false: north
    bool DepEast = false;    // false: west
    bool DestSouth = false;  // false: north
    bool DestEast = false;   // false: west
};

struct RouteResult {
    double GreatCircleDistance = 0;  // NM, > 0
    double GreatCircleCourse = 0;    // initial course, degrees true, in [0, 360]
    double RhumbLineCourse = 0;      // degrees true, in [0, 360)
    double RhumbLineDistance = 0;    // NM, > 0
};

enum class RouteError {
    InvalidDepartureLatitude,
    InvalidDepartureLongitude,
    InvalidDestinationLatitude,
    InvalidDestinationLongitude,
    PoleEndpoint,
    PoleCrossing,
    SamePoint,
    // A latitude past 90 degrees, reached through its minutes or seconds.
    DepartureBeyondPole,
    DestinationBeyondPole,
    // The two points are one position up to rounding (180 W and 180 E at one
    // latitude, for example): no course leads from one to the other.
    SamePosition,
    // The destination is the departure's antipode up to rounding: every great circle
    // through the departure leads there, so no initial course is the one.
    Antipodes,
};

// The message the window shows for an error.
const char* RouteErrorMessage(RouteError error);

// The degree field an error concerns, if it concerns one.
enum class RouteField { None, DepLatDeg, DepLongDeg, DestLatDeg, DestLongDeg };
RouteField RouteErrorField(RouteError error);

// The degree bounds alone: latitudes up to 89 and longitudes up to 180 degrees, both
// inclusive, tested on the degree values in the order departure latitude, departure
// longitude, destination latitude, destination longitude. A degree value that is not
// a number fails its bound. Minutes and seconds are not looked at.
std::optional<RouteError> CheckDegreeBounds(const RouteInput& input);

// Angles closer than this (radians, about 2E-5 seconds of arc, 0.6 mm on the earth)
// are taken as equal where an exact comparison would leave a formula to rounding.
inline constexpr double kRoundingTolerance = 1e-10;
// The initial course divides by cos(p1) * sin(d); at or below this value the quotient
// would be rounding alone.
inline constexpr double kCourseTolerance = 1e-12;

// Great-circle and rhumb-line navigation on a sphere where one minute of arc is one
// nautical mile, with `pi`: the Lat/Long window's is the program's rounded pi
// (common/Constants.h); the navigation log passes the true one. Every angle of one
// computation uses the same pi, so its exact tests below hold with either.
// Input: unsigned degrees, minutes and seconds (minutes and seconds unbounded, simply
// added: D = Deg + (Min + Sec/60)/60); the hemisphere flags give the signs, north and
// west positive. Output: distances in NM, true courses in degrees.
// Steps, each ending the computation with its error, the first that fails deciding:
//   1. degree bounds (CheckDegreeBounds);
//   2. radians r = (pi/180) * D;
//   3. a latitude of exactly pi/2 is a pole endpoint;
//   4. signs: phi negated when south, lambda negated when east;
//   5. longitudes differing by exactly pi lie on opposite meridians: a pole crossing;
//   6. identical coordinates are the same point;
//   then, for what the exact tests leave to the formulas: a coordinate that is not
//   finite is invalid for its point; a latitude past pi/2 + kRoundingTolerance is
//   beyond the pole, and one within kRoundingTolerance of pi/2 is the pole; longitudes
//   differing by pi up to kRoundingTolerance (after folding the difference into one
//   turn) are a pole crossing;
//   7. great-circle distance by the haversine formula,
//      h = sin^2((l1 - l2)/2) * cos(p2) * cos(p1) + sin^2((p1 - p2)/2), d = 2 asin(sqrt h);
//      when sqrt h rounds to 1, or cos(p1) * sin(d) is at most kCourseTolerance, no
//      course is defined: the departure is at the pole (cos p1 the smaller factor), or
//      the points are one position (d below a quarter turn), or antipodes;
//   8. initial course from the spherical law of cosines,
//      c = (sin p2 - cos d sin p1) / (cos p1 sin d), limited to [-1, 1];
//      course = 2 pi - acos c when sin(l2 - l1) >= 0 (west, or on the meridian), else
//      acos c; not reduced modulo 360, so due north is 360;
//   9. rhumb line on the Mercator projection: dPhi = ln(tan(pi/4 + p2/2) / tan(pi/4 +
//      p1/2)); q = cos p1 when |p2 - p1| < sqrt(1E-15), else (p2 - p1) / dPhi; the
//      shorter of the west and east longitude differences dl (a tie goes east) gives
//      course = atan2(-+dl, dPhi) folded into [0, 2 pi) and distance
//      sqrt(q^2 dl^2 + (p2 - p1)^2).
std::variant<RouteResult, RouteError> ComputeRoutes(const RouteInput& input, double pi = kPi);

}  // namespace aerolume
