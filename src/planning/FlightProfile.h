// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace aerolume::planning {

// The vertical profile of a navigation log: the climb from the departure to the
// cruise altitude, the steps between legs flown at different altitudes, and the
// descent to the destination, each with its own ground speed, time and fuel.
//
// Units: altitudes and elevations in feet above mean sea level, distances in NM,
// speeds in knots, rates of climb and descent in ft/min (positive magnitudes), times
// in hours, fuel in the plan's unit (flows per hour), directions in degrees true.
//
// The model, along the route's distance x:
//   - the forward profile f(x) starts at the departure's elevation and at the start of
//     every leg heads for that leg's altitude: it climbs at the climb rate and climb
//     airspeed, or descends at the descent rate and descent airspeed, and stays level
//     once there. A climb or descent carries on into the next leg while that leg's
//     altitude lies on the same side (a climb may span several legs); a leg whose
//     altitude lies on the other side ends it at the checkpoint, short of its altitude.
//     A leg's change of altitude starts at the checkpoint that begins the leg, up or
//     down. Without climb figures every climb is made at once (level at cruise from
//     the departure, as a log without a profile is); without descent figures, every
//     descent, and there is no descent to the destination.
//   - the descent line g(x) is the altitude from which a descent at the descent rate
//     and airspeed reaches the destination's elevation plus the pattern altitude at
//     the destination;
//   - the flown profile is the lower of the two, min(f(x), g(x)). Both descend at the
//     same gradient, so f - g never decreases along the route and they meet at most
//     once: the top of descent. When they meet during the climb (the route is too
//     short to reach the leg's altitude before the descent must start), the climb
//     turns into the descent there, below the leg's altitude, and the profile says so
//     (a climb that does not fit). When the descent line already lies below f at the
//     departure, the descent does not fit the route: the profile descends from the
//     start and arrives above the pattern altitude by `arrivalExcess`.
//   - every segment is flown in the wind of the leg it lies in, the wind given for
//     that leg's altitude whatever the segment's altitude; the ground speed is the
//     wind triangle's on the leg's course with the segment's airspeed, the gradient
//     that of the climb window's core (navigation/ClimbCore.h: gradient = rate * 60 /
//     ground speed ft/NM), time = distance / ground speed, fuel = flow * time.

// A climb's or a descent's figures from the aircraft's profile.
struct ClimbFigures {
    double rate = 500;         // ft/min, > 0 (kClimbRateRange)
    double trueAirspeed = 80;  // kt (kAirspeedRange)
    double fuelFlow = 10;      // fuel unit per hour (kFuelFlowRange)

    bool operator==(const ClimbFigures&) const = default;
};

// One leg as the profile takes it; an empty value is unknown.
struct ProfileLeg {
    std::optional<double> distance;           // NM, >= 0; 0 for a zero-length leg
    std::optional<double> trueCourse;         // degrees true; none on a zero-length leg
    double windDirection = 0;                 // degrees true, from where it blows
    double windSpeed = 0;                     // kt
    double altitude = 0;                      // the leg's cruise altitude, ft
    double cruiseTrueAirspeed = 0;            // kt
    std::optional<double> cruiseGroundSpeed;  // kt, > 0
    double cruiseFuelFlow = 0;                // fuel unit per hour
};

struct ProfileInput {
    std::vector<ProfileLeg> legs;
    std::optional<ClimbFigures> climb;
    std::optional<ClimbFigures> descent;
    std::optional<double> departureElevation;    // ft; unknown: sea level is taken
    std::optional<double> destinationElevation;  // ft; unknown: sea level is taken
    double patternAltitude = 1000;               // ft above the destination's elevation
};

enum class ProfilePhase { Climb, Cruise, Descent };

// A stretch of one leg flown in one phase.
struct ProfileSegment {
    std::size_t leg = 0;  // index of the leg (0 from the first checkpoint to the second)
    ProfilePhase phase = ProfilePhase::Cruise;
    double from = 0;  // NM along the leg where the segment starts
    double to = 0;    // NM along the leg where it ends
    double altitudeFrom = 0;
    double altitudeTo = 0;
    double trueAirspeed = 0;
    double groundSpeed = 0;
    double fuelFlow = 0;
    double time = 0;  // h
    double fuel = 0;  // fuel unit
};

enum class ProfilePointKind {
    TopOfClimb,    // the end of the climb from the departure
    LevelOff,      // the end of a later step up or down, at the leg's altitude
    TopOfDescent,  // the start of the descent to the destination
};

// A point of the profile at its distance along the route.
struct ProfilePoint {
    ProfilePointKind kind = ProfilePointKind::TopOfClimb;
    std::size_t leg = 0;          // the leg it lies in
    double distanceAlongLeg = 0;  // NM from the leg's first checkpoint
    double distance = 0;          // NM from the first checkpoint
    double altitude = 0;          // ft
    double time = 0;              // h from take-off
    double fuel = 0;              // fuel used from take-off
};

// A climb or a step that ended before its leg's altitude was reached.
struct AltitudeNotReached {
    std::size_t leg = 0;          // the leg where it ended
    double distanceAlongLeg = 0;  // NM, where it ended
    double reached = 0;           // ft, the altitude reached
    double target = 0;            // ft, the leg's altitude
    bool climb = true;            // a climb (else a step down)
};

enum class ProfileStatus {
    Level,       // no climb and no descent figures: every leg level at its altitude
    Computed,    // the profile below applies
    LegUnknown,  // a leg has no distance, course or ground speed: legs level
    // The climb (descent) airspeed cannot fly leg `windLeg`, where the profile would
    // climb (descend), in that leg's wind: legs level.
    ClimbWindTooStrong,
    DescentWindTooStrong,
};

struct FlightProfile {
    ProfileStatus status = ProfileStatus::Level;
    std::optional<std::size_t> windLeg;    // for the two wind statuses
    std::vector<ProfileSegment> segments;  // in route order; empty unless Computed
    std::vector<ProfilePoint> points;      // in route order
    std::vector<AltitudeNotReached> notReached;
    // The descent does not fit the route: the arrival is this many ft above the
    // destination's elevation plus the pattern altitude.
    std::optional<double> arrivalExcess;
    double arrivalAltitude = 0;  // ft, the profile's altitude at the destination
    double arrivalTarget = 0;    // ft, the destination's elevation + the pattern altitude
    // With descent figures, the last legs' altitude is below the arrival target: the
    // profile arrives at that altitude and no descent is flown.
    bool arrivalBelowTarget = false;
    // Sea level was taken for an unknown elevation (only when the profile climbs from
    // the departure or descends to the destination).
    bool departureElevationAssumed = false;
    bool destinationElevationAssumed = false;
    // When Computed, each leg's time (h) and fuel: the sums of its segments (0 for a
    // zero-length leg).
    std::vector<double> legTime;
    std::vector<double> legFuel;
};

// The profile of the legs; see the model above. Without climb and descent figures the
// status is Level and nothing else is filled.
FlightProfile ComputeProfile(const ProfileInput& input);

}  // namespace aerolume::planning
