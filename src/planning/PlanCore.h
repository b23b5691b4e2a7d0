// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "navigation/MagneticModel.h"
#include "planning/FlightProfile.h"
#include "planning/FuelPlan.h"
#include "planning/PlanPlaces.h"
#include "planning/PlanTime.h"

namespace aerolume::planning {

// A navigation log: checkpoints in flight order, a leg from each to the next, and the
// plan-wide values every leg takes unless it overrides them.
//
// Units throughout: positions in decimal degrees (north and east positive), altitudes
// in feet, speeds in knots, directions in degrees true (a wind from where it blows),
// distances in nautical miles, times in hours, fuel in the plan's fuel unit (a flow in
// that unit per hour), magnetic variation in degrees with east positive and west
// negative.
//
// Beyond the legs at cruise, a plan may carry a departure time (the ETA at every
// checkpoint, PlanTime.h), climb and descent figures (the vertical profile,
// FlightProfile.h) and fuel plan inputs (FuelPlan.h); a plan without them is a log of
// level legs at cruise. Where each checkpoint came from (the airport and
// navaid data, or typed) is in PlanPlaces.h, with the radial and distance fixes.

enum class FuelUnit { UsGallons, Litres, Pounds, Kilograms };

// Where a leg's variation comes from: typed for the leg, the World Magnetic Model
// 2025 at the leg's midpoint on the plan's date, or the plan's own variation where
// the model gives none (no plan date, or the compass blackout zone).
enum class VariationSource { PlanDefault, Typed, Model };

// A closed range of accepted values; `min` and `max` are inclusive.
struct Range {
    double min;
    double max;
    bool contains(double value) const { return value >= min && value <= max; }
};

// The ranges every plan value must lie in, shared by the window and the plan file.
inline constexpr Range kAltitudeRange{-1500, 60000};    // ft
inline constexpr Range kAirspeedRange{1, 1000};         // kt
inline constexpr Range kWindDirectionRange{0, 360};     // degrees true
inline constexpr Range kWindSpeedRange{0, 200};         // kt
inline constexpr Range kVariationRange{-180, 180};      // degrees, east positive
inline constexpr Range kFuelFlowRange{0, 10000};        // fuel unit per hour
inline constexpr Range kFuelRange{0, 100000};           // fuel unit
inline constexpr Range kReserveMinutesRange{0, 600};    // minutes
inline constexpr Range kLatitudeRange{-90, 90};         // degrees
inline constexpr Range kLongitudeRange{-180, 180};      // degrees
inline constexpr Range kElevationRange{-1500, 20000};   // ft, a field's elevation
inline constexpr Range kPatternAltitudeRange{0, 5000};  // ft above the destination
inline constexpr Range kClimbRateRange{1, 10000};       // ft/min, climb or descent
inline constexpr Range kContingencyRange{0, 100};       // % of the trip fuel
inline constexpr int kMinPlanYear = 2000;               // the years a plan date may have
inline constexpr int kMaxPlanYear = 2099;
inline constexpr std::size_t kMaxCheckpoints = 1000;
inline constexpr std::size_t kMaxNameLength = 200;  // characters of a name

// The values a leg may set for itself; an empty one takes the plan's value.
struct LegOverrides {
    std::optional<double> altitude;
    std::optional<double> trueAirspeed;
    std::optional<double> windDirection;
    std::optional<double> windSpeed;
    std::optional<double> variation;

    bool operator==(const LegOverrides&) const = default;
};

struct Checkpoint {
    std::string name;
    double latitude = 0;
    double longitude = 0;
    // The leg from the checkpoint before to this one; unused on the first checkpoint.
    LegOverrides leg;
    // ft above mean sea level: an airport's field elevation from the data, or typed.
    // The profile climbs from the first checkpoint's and descends to the last's.
    std::optional<double> elevation{};
    // Where the checkpoint came from; the position above is always the one flown.
    CheckpointOrigin origin{};

    bool operator==(const Checkpoint&) const = default;
};

struct PlanDefaults {
    double altitude = 4500;
    double trueAirspeed = 110;
    double windDirection = 0;
    double windSpeed = 0;
    double variation = 0;
    double fuelFlow = 8;      // per hour
    double fuelAtStart = 40;  // before taxi
    double taxiFuel = 1;
    double reserveMinutes = 45;
    FuelUnit fuelUnit = FuelUnit::UsGallons;

    bool operator==(const PlanDefaults&) const = default;
};

// A calendar date (Gregorian): the day of the flight.
struct PlanDate {
    int year = 2025;
    int month = 1;
    int day = 1;

    bool operator==(const PlanDate&) const = default;
};

// The date as a decimal year for the magnetic model, or nothing for a date that does
// not exist or lies outside kMinPlanYear to kMaxPlanYear.
std::optional<double> planDecimalYear(const PlanDate& date);

struct Plan {
    std::string name;
    // The day of the flight; a plan without one (written before plans had dates)
    // takes the plan's variation on every leg without a typed one.
    std::optional<PlanDate> date;
    PlanDefaults defaults;
    std::vector<Checkpoint> checkpoints;
    // Take-off at the first checkpoint, UTC; without one there are no ETAs.
    std::optional<TimeOfDay> departureTime{};
    // The aircraft's climb and descent; without either the legs are level.
    std::optional<ClimbFigures> climb{};
    std::optional<ClimbFigures> descent{};
    double patternAltitude = 1000;  // ft above the destination (kPatternAltitudeRange)
    // Without these there is no fuel plan (nor its shortfall).
    std::optional<FuelPlanInputs> fuelPlan{};
    // The destination's alternate: its position, name and origin; its leg from the last
    // checkpoint takes its overrides (the altitude above all) over the plan's values.
    std::optional<Checkpoint> alternate{};
    // The aircraft the plan is flown in: its profile's name and registration, set by
    // Use Aircraft; empty for a plan made without one.
    std::string aircraft{};
    std::string registration{};

    bool operator==(const Plan&) const = default;
};

// The values a leg is flown with, each either the leg's own or the plan's.
struct LegConditions {
    double altitude = 0;
    double trueAirspeed = 0;
    double windDirection = 0;
    double windSpeed = 0;
    double variation = 0;
    VariationSource variationSource = VariationSource::PlanDefault;
    // The magnetic model at the leg's midpoint, when the plan has a date (whatever
    // the leg's variation source): where the compass may be trusted.
    std::optional<MagneticZone> magneticZone;
};

// The midpoint of the rhumb line from one position to the other (degrees, north and
// east positive), on a sphere: half way along a rhumb line the latitude is the mean
// of the two (the distance grows with the latitude), and the longitude is where the
// Mercator ordinate psi = ln tan(pi/4 + lat/2) is at the same fraction of its change
// as the latitude; the longitude change is taken the short way (across the 180th
// meridian when that is shorter) and the result lies in (-180, 180]. A line that
// starts or ends at a pole takes the mean longitude the same short way.
void RhumbMidpoint(double lat1, double lon1, double lat2, double lon2, double& latitude,
                   double& longitude);

// One entry per leg (one fewer than checkpoints): each leg's overrides laid over the
// plan defaults. A leg without a typed variation takes the World Magnetic Model's
// declination (navigation/MagneticModel.h MagneticVariationAt) at the midpoint of its
// rhumb line (RhumbMidpoint), at its cruise altitude and on the plan's date; where
// the model gives none (no plan date, or the blackout zone) the plan's variation.
std::vector<LegConditions> ResolveLegs(const Plan& plan);

enum class LegStatus {
    Ok,
    // The checkpoint is at the position of the one before: no course, no distance.
    ZeroLength,
    // The crosswind is at least the airspeed: no heading holds the course.
    CrosswindTooStrong,
    // The wind against the course is at least the airspeed: the ground speed along
    // the course is zero or negative.
    HeadwindTooStrong,
    // The leg starts or ends at a pole, or runs along opposite meridians over one.
    NoRhumbLine,
};

// A leg's results; an empty value is unknown and is never shown as a number.
struct LegResult {
    LegStatus status = LegStatus::Ok;
    LegConditions conditions;
    std::optional<double> trueCourse;       // [0, 360)
    std::optional<double> distance;         // NM along the rhumb line
    std::optional<double> wca;              // degrees, > 0 right of the course
    std::optional<double> trueHeading;      // [0, 360)
    std::optional<double> magneticHeading;  // [0, 360)
    std::optional<double> groundSpeed;      // kt, > 0
    std::optional<double> time;             // h, climb and descent included
    std::optional<double> fuel;             // fuel unit, climb and descent included
    // At the checkpoint that ends the leg, from the first checkpoint on: unknown from
    // the first unknown leg on.
    std::optional<double> totalDistance;
    std::optional<double> distanceRemaining;  // to the last checkpoint
    std::optional<double> totalTime;
    std::optional<double> fuelUsed;  // by the legs so far, taxi fuel apart
    // fuel at start - taxi fuel - fuel used, never below 0: once the fuel has run out
    // it is 0 and `fuelExhausted` says so.
    std::optional<double> fuelRemaining;
    // fuel at start - taxi fuel - fuel used below the reserve (beyond rounding)
    bool belowReserve = false;
    // The fuel runs out on this leg or before it (PlanResult::fuelExhaustion).
    bool fuelExhausted = false;
    // At the checkpoint that ends the leg: the departure time plus the total time.
    std::optional<Eta> eta;
};

// Where the fuel runs out: on which leg and how far along it.
struct FuelExhaustion {
    std::size_t leg = 0;          // legs[leg], from checkpoint leg to leg + 1
    double distanceAlongLeg = 0;  // NM from the leg's first checkpoint
    double timeAlongLeg = 0;      // h
    double distance = 0;          // NM from the first checkpoint
    double time = 0;              // h from take-off
    // The fuel missing to reach the last checkpoint, when the trip fuel is known.
    std::optional<double> shortBy;
};

struct PlanResult {
    std::vector<LegResult> legs;  // one per leg, legs[i] from checkpoint i to i + 1
    // Totals of the legs, unknown when any leg is.
    std::optional<double> totalDistance;
    std::optional<double> totalTime;
    std::optional<double> tripFuel;  // the legs' fuel, taxi fuel apart
    double fuelAfterTaxi = 0;        // fuel at start - taxi fuel
    double reserveFuel = 0;          // fuel flow * reserve minutes / 60
    // The great-circle distance from the first to the last checkpoint, when there are
    // two distinct ones with a great circle between them.
    std::optional<double> greatCircleDistance;
    // The first checkpoint (index into the plan) where the fuel remaining is below
    // the reserve.
    std::optional<std::size_t> firstBelowReserve;
    // Where the fuel runs out, when it does (taxi fuel beyond the fuel at start runs
    // out at the start of the first leg).
    std::optional<FuelExhaustion> fuelExhaustion;
    // The vertical profile; status Level without climb and descent figures.
    FlightProfile profile;
    // The departure time at the first checkpoint, when the plan has one.
    std::optional<Eta> departure;
    // The leg from the last checkpoint to the alternate, and the fuel plan, when the
    // plan has them.
    std::optional<LegResult> alternateLeg;
    std::optional<FuelPlanLines> fuelPlan;
};

// Computes every leg of the plan with the given conditions (one per leg, as
// ResolveLegs gives them), its angles with the true pi (std::numbers::pi):
//   course and distance: the rhumb line of the route core (navigation/RoutesCore.h);
//     a leg between one position twice is ZeroLength (distance 0, time 0, fuel 0, no
//     course);
//   wind correction, true heading and ground speed: the wind triangle of the wind
//     core (navigation/WindCore.h), after this function's own checks: a crosswind
//     |W sin(wd - tc)| >= TAS is CrosswindTooStrong, and a wind W > TAS with a head
//     component (cos(wd - tc) > 0), or a ground speed that is not above zero, is
//     HeadwindTooStrong;
//   magnetic heading = true heading - variation (west added, east subtracted);
//   time = distance / ground speed, fuel = fuel flow * time;
//   with climb or descent figures and every leg known, the vertical profile
//     (FlightProfile.h) with the leg's course, wind, altitude, airspeed and ground
//     speed: the leg's time and fuel are then its segments' sums;
//   running totals from the first checkpoint; fuel remaining = fuel at start - taxi
//     fuel - fuel used, never below 0; below the reserve when that difference is less
//     than fuel flow * reserve / 60 by more than a billionth of it (exactly the
//     reserve is not below it); the fuel runs out where the fuel used passes the
//     fuel after taxi, found along the leg's segments (constant flow and ground speed
//     within each);
//   the great-circle distance from the first to the last checkpoint: 0 when they are
//     one position (a round trip);
//   with a departure time, the ETA at every checkpoint whose total time is known;
//   with fuel plan inputs, the alternate's leg (as any leg, from the last checkpoint,
//     level at cruise) and the fuel plan (FuelPlan.h).
// A leg whose time is unknown leaves its fuel and every running total after it
// unknown (the distances stay known when its course is).
PlanResult ComputePlan(const Plan& plan, const std::vector<LegConditions>& conditions);
inline PlanResult ComputePlan(const Plan& plan) {
    return ComputePlan(plan, ResolveLegs(plan));
}

// The fuel unit's short name as the plan file and other programs write it ("USgal",
// "L", "lb", "kg"), and back.
const char* fuelUnitKey(FuelUnit unit);
std::optional<FuelUnit> fuelUnitFromKey(std::string_view key);

}  // namespace aerolume::planning
