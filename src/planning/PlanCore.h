// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "navigation/MagneticModel.h"

namespace aerolume::planning {

// A navigation log: checkpoints in flight order, a leg from each to the next, and the
// plan-wide values every leg takes unless it overrides them.
//
// Units throughout: positions in decimal degrees (north and east positive), altitudes
// in feet, speeds in knots, directions in degrees true (a wind from where it blows),
// distances in nautical miles, times in hours, fuel in the plan's fuel unit (a flow in
// that unit per hour), magnetic variation in degrees with east positive and west
// negative.

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
inline constexpr Range kAltitudeRange{-1500, 60000};  // ft
inline constexpr Range kAirspeedRange{1, 1000};       // kt
inline constexpr Range kWindDirectionRange{0, 360};   // degrees true
inline constexpr Range kWindSpeedRange{0, 200};       // kt
inline constexpr Range kVariationRange{-180, 180};    // degrees, east positive
inline constexpr Range kFuelFlowRange{0, 10000};      // fuel unit per hour
inline constexpr Range kFuelRange{0, 100000};         // fuel unit
inline constexpr Range kReserveMinutesRange{0, 600};  // minutes
inline constexpr Range kLatitudeRange{-90, 90};       // degrees
inline constexpr Range kLongitudeRange{-180, 180};    // degrees
inline constexpr int kMinPlanYear = 2000;             // the years a plan date may have
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
    std::optional<double> time;             // h
    std::optional<double> fuel;             // fuel unit
    // At the checkpoint that ends the leg, from the first checkpoint on: unknown from
    // the first unknown leg on.
    std::optional<double> totalDistance;
    std::optional<double> distanceRemaining;  // to the last checkpoint
    std::optional<double> totalTime;
    std::optional<double> fuelUsed;       // by the legs so far, taxi fuel apart
    std::optional<double> fuelRemaining;  // fuel at start - taxi fuel - fuel used
    bool belowReserve = false;            // fuel remaining below the reserve (beyond rounding)
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
//   running totals from the first checkpoint; fuel remaining = fuel at start - taxi
//     fuel - fuel used; below the reserve when less than fuel flow * reserve / 60 by
//     more than a billionth of it (exactly the reserve is not below it).
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
