// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanCore.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <variant>

#include "navigation/RoutesCore.h"
#include "navigation/WindCore.h"

namespace aerolume::planning {
namespace {

// The navigation log's angles use the true pi (the original windows keep their rounded
// one), so that what it rounds rounds as it promises.
constexpr double kTruePi = std::numbers::pi;

// A decimal coordinate as the route core takes it: unsigned whole degrees and
// minutes (its degree bound is on the whole degrees), the hemisphere apart.
void split(double value, double& degrees, double& minutes) {
    const double magnitude = std::fabs(value);
    degrees = std::floor(magnitude);
    minutes = (magnitude - degrees) * 60;
}

RouteInput routeInput(const Checkpoint& from, const Checkpoint& to) {
    RouteInput input;
    split(from.latitude, input.DepLatDeg, input.DepLatMin);
    split(from.longitude, input.DepLongDeg, input.DepLongMin);
    split(to.latitude, input.DestLatDeg, input.DestLatMin);
    split(to.longitude, input.DestLongDeg, input.DestLongMin);
    input.DepSouth = from.latitude < 0;
    input.DepEast = from.longitude > 0;
    input.DestSouth = to.latitude < 0;
    input.DestEast = to.longitude > 0;
    return input;
}

bool samePosition(const Checkpoint& a, const Checkpoint& b) {
    if (a.latitude != b.latitude) {
        return false;
    }
    return a.longitude == b.longitude ||
           (std::fabs(a.longitude) == 180 && std::fabs(b.longitude) == 180);
}

double toTurn(double degrees) {
    double folded = std::fmod(degrees, 360.0);
    if (folded < 0) {
        folded += 360;
    }
    // fmod of a value just below 0 can come back as 360 after the addition.
    return folded >= 360 ? 0 : folded;
}

// Course and distance of one leg, or its status when it has none.
LegStatus courseAndDistance(const Checkpoint& from, const Checkpoint& to, LegResult& leg) {
    if (samePosition(from, to)) {
        leg.distance = 0;
        return LegStatus::ZeroLength;
    }
    const auto routes = ComputeRoutes(routeInput(from, to), kTruePi);
    if (const auto* error = std::get_if<RouteError>(&routes)) {
        if (*error == RouteError::SamePoint || *error == RouteError::SamePosition) {
            leg.distance = 0;
            return LegStatus::ZeroLength;
        }
        return LegStatus::NoRhumbLine;
    }
    const auto& result = std::get<RouteResult>(routes);
    leg.trueCourse = toTurn(result.RhumbLineCourse);
    leg.distance = result.RhumbLineDistance;
    return LegStatus::Ok;
}

// The wind triangle of a leg with a course: the wind core tells a crosswind the
// airspeed cannot correct and a wind that carries the aircraft backwards; a ground
// speed of zero (a headwind exactly as fast as the airspeed) never arrives either.
LegStatus wind(LegResult& leg) {
    const LegConditions& c = leg.conditions;
    const auto answer = ComputeWind(
        WindInput{c.windDirection, c.windSpeed, *leg.trueCourse, c.trueAirspeed}, kTruePi);
    if (const auto* error = std::get_if<WindError>(&answer)) {
        return *error == WindError::CrosswindTooStrong ? LegStatus::CrosswindTooStrong
                                                       : LegStatus::HeadwindTooStrong;
    }
    const auto* solved = std::get_if<WindResult>(&answer);
    if (!(solved->GroundSpeed > 0)) {
        return LegStatus::HeadwindTooStrong;
    }
    leg.wca = solved->Wca;
    leg.trueHeading = toTurn(solved->TrueHeading);
    leg.magneticHeading = toTurn(solved->TrueHeading - c.variation);
    leg.groundSpeed = solved->GroundSpeed;
    return LegStatus::Ok;
}

// Fuel below the reserve (or below empty, a reserve of 0) by more than the rounding of
// the sums that led to it: a plan that lands with exactly its reserve (60 NM at 120 kt
// four times over) is not below it, nor one that lands with its tanks exactly empty.
bool belowReserve(double fuel, double reserve) {
    return fuel < reserve - 1e-9 * std::max(1.0, std::fabs(reserve));
}

// A longitude in (-180, 180].
double toLongitude(double degrees) {
    const double folded = toTurn(degrees);
    return folded > 180 ? folded - 360 : folded;
}

// The Mercator ordinate of a latitude in degrees (radians of the equator's scale).
double mercator(double latitude) {
    return std::log(std::tan(kTruePi / 4 + latitude * kTruePi / 360));
}

}  // namespace

std::optional<double> planDecimalYear(const PlanDate& date) {
    if (date.year < kMinPlanYear || date.year > kMaxPlanYear) {
        return std::nullopt;
    }
    return DecimalYear(date.year, date.month, date.day);
}

void RhumbMidpoint(double lat1, double lon1, double lat2, double lon2, double& latitude,
                   double& longitude) {
    const double change = toLongitude(lon2 - lon1);
    latitude = (lat1 + lat2) / 2;
    double fraction = 0.5;
    // psi is infinite at a pole, and nearly constant over a leg along a parallel.
    if (std::fabs(lat1) < 90 && std::fabs(lat2) < 90 && std::fabs(lat2 - lat1) > 1e-9) {
        fraction = (mercator(latitude) - mercator(lat1)) / (mercator(lat2) - mercator(lat1));
    }
    longitude = toLongitude(lon1 + change * fraction);
}

namespace {

// The conditions of the leg from `from` to `to` with the overrides `o` (see ResolveLegs).
LegConditions resolveLeg(const Plan& plan, const Checkpoint& from, const Checkpoint& to,
                         const std::optional<double>& year) {
    const PlanDefaults& d = plan.defaults;
    const LegOverrides& o = to.leg;
    LegConditions c;
    c.altitude = o.altitude.value_or(d.altitude);
    c.trueAirspeed = o.trueAirspeed.value_or(d.trueAirspeed);
    c.windDirection = o.windDirection.value_or(d.windDirection);
    c.windSpeed = o.windSpeed.value_or(d.windSpeed);
    c.variation = d.variation;
    c.variationSource = VariationSource::PlanDefault;
    if (year) {
        double latitude = 0;
        double longitude = 0;
        RhumbMidpoint(from.latitude, from.longitude, to.latitude, to.longitude, latitude,
                      longitude);
        const auto model = MagneticVariationAt(latitude, longitude, c.altitude, *year);
        if (model) {
            c.magneticZone = model->Zone;
            if (const auto declination = model->Declination()) {
                c.variation = *declination;
                c.variationSource = VariationSource::Model;
            }
        }
    }
    if (o.variation) {
        c.variation = *o.variation;
        c.variationSource = VariationSource::Typed;
    }
    return c;
}

std::optional<double> planYear(const Plan& plan) {
    return plan.date ? planDecimalYear(*plan.date) : std::nullopt;
}

// One leg at cruise: course, distance, wind triangle, time and fuel.
LegResult levelLeg(const Checkpoint& from, const Checkpoint& to, const LegConditions& c,
                   double fuelFlow) {
    LegResult leg;
    leg.conditions = c;
    leg.status = courseAndDistance(from, to, leg);
    if (leg.status == LegStatus::Ok) {
        leg.status = wind(leg);
        if (leg.status == LegStatus::Ok) {
            leg.time = *leg.distance / *leg.groundSpeed;
        }
    } else if (leg.status == LegStatus::ZeroLength) {
        leg.time = 0;
    }
    if (leg.time) {
        leg.fuel = fuelFlow * *leg.time;
    }
    return leg;
}

// The profile of the legs, when the plan has climb or descent figures; every leg's
// time and fuel become its segments' sums.
FlightProfile profileOf(const Plan& plan, std::vector<LegResult>& legs) {
    if (!plan.climb && !plan.descent) {
        return {};
    }
    ProfileInput input;
    input.climb = plan.climb;
    input.descent = plan.descent;
    input.patternAltitude = plan.patternAltitude;
    if (!plan.checkpoints.empty()) {
        input.departureElevation = plan.checkpoints.front().elevation;
        input.destinationElevation = plan.checkpoints.back().elevation;
    }
    for (const LegResult& leg : legs) {
        const LegConditions& c = leg.conditions;
        input.legs.push_back({leg.distance, leg.trueCourse, c.windDirection, c.windSpeed,
                              c.altitude, c.trueAirspeed, leg.groundSpeed, plan.defaults.fuelFlow});
    }
    FlightProfile profile = ComputeProfile(input);
    if (profile.status == ProfileStatus::Computed) {
        for (std::size_t i = 0; i < legs.size(); ++i) {
            legs[i].time = profile.legTime[i];
            legs[i].fuel = profile.legFuel[i];
        }
    }
    return profile;
}

// Where along leg `index` the fuel used passes `available` (the fuel left at its
// start, <= 0 when it has already run out): through the profile's segments of the
// leg, or the leg at cruise.
FuelExhaustion exhaustionOn(std::size_t index, const LegResult& leg, double available,
                            const FlightProfile& profile) {
    FuelExhaustion out;
    out.leg = index;
    std::vector<ProfileSegment> segments;
    for (const ProfileSegment& s : profile.segments) {
        if (s.leg == index) {
            segments.push_back(s);
        }
    }
    if (segments.empty() && leg.distance && leg.time && leg.fuel) {
        ProfileSegment whole;
        whole.to = *leg.distance;
        whole.time = *leg.time;
        whole.fuel = *leg.fuel;
        segments.push_back(whole);
    }
    if (!(available > 0)) {
        return out;
    }
    double left = available;
    for (const ProfileSegment& s : segments) {
        if (s.fuel > left) {
            const double part = left / s.fuel;
            out.distanceAlongLeg = s.from + (s.to - s.from) * part;
            out.timeAlongLeg += s.time * part;
            return out;
        }
        left -= s.fuel;
        out.timeAlongLeg += s.time;
        out.distanceAlongLeg = s.to;
    }
    return out;
}

}  // namespace

std::vector<LegConditions> ResolveLegs(const Plan& plan) {
    std::vector<LegConditions> legs;
    const std::optional<double> year = planYear(plan);
    for (std::size_t i = 1; i < plan.checkpoints.size(); ++i) {
        legs.push_back(resolveLeg(plan, plan.checkpoints[i - 1], plan.checkpoints[i], year));
    }
    return legs;
}

PlanResult ComputePlan(const Plan& plan, const std::vector<LegConditions>& conditions) {
    PlanResult result;
    const PlanDefaults& d = plan.defaults;
    result.fuelAfterTaxi = d.fuelAtStart - d.taxiFuel;
    result.reserveFuel = d.fuelFlow * d.reserveMinutes / 60;
    if (!plan.checkpoints.empty() && belowReserve(result.fuelAfterTaxi, result.reserveFuel)) {
        result.firstBelowReserve = 0;
    }

    const std::size_t legCount = plan.checkpoints.empty() ? 0 : plan.checkpoints.size() - 1;
    for (std::size_t i = 0; i < legCount && i < conditions.size(); ++i) {
        result.legs.push_back(
            levelLeg(plan.checkpoints[i], plan.checkpoints[i + 1], conditions[i], d.fuelFlow));
    }
    result.profile = profileOf(plan, result.legs);

    std::optional<double> distance = 0;
    std::optional<double> time = 0;
    std::optional<double> fuel = 0;
    for (std::size_t i = 0; i < result.legs.size(); ++i) {
        LegResult& leg = result.legs[i];
        const std::optional<double> fuelBefore = fuel;
        distance =
            distance && leg.distance ? std::optional(*distance + *leg.distance) : std::nullopt;
        time = time && leg.time ? std::optional(*time + *leg.time) : std::nullopt;
        fuel = fuel && leg.fuel ? std::optional(*fuel + *leg.fuel) : std::nullopt;
        leg.totalDistance = distance;
        leg.totalTime = time;
        leg.fuelUsed = fuel;
        if (fuel) {
            const double remaining = result.fuelAfterTaxi - *fuel;
            leg.fuelRemaining = std::max(0.0, remaining);
            leg.belowReserve = belowReserve(remaining, result.reserveFuel);
            if (leg.belowReserve && !result.firstBelowReserve) {
                result.firstBelowReserve = i + 1;
            }
            if (!result.fuelExhaustion && belowReserve(remaining, 0)) {
                result.fuelExhaustion =
                    exhaustionOn(i, leg, result.fuelAfterTaxi - *fuelBefore, result.profile);
                result.fuelExhaustion->distance =
                    *leg.totalDistance - *leg.distance + result.fuelExhaustion->distanceAlongLeg;
                result.fuelExhaustion->time =
                    *leg.totalTime - *leg.time + result.fuelExhaustion->timeAlongLeg;
            }
        }
        leg.fuelExhausted = result.fuelExhaustion.has_value();
    }
    if (legCount > 0 && result.legs.size() == legCount) {
        result.totalDistance = distance;
        result.totalTime = time;
        result.tripFuel = fuel;
    }
    if (result.totalDistance) {
        for (LegResult& leg : result.legs) {
            leg.distanceRemaining = *result.totalDistance - *leg.totalDistance;
        }
    }
    if (result.fuelExhaustion && result.tripFuel) {
        result.fuelExhaustion->shortBy = *result.tripFuel - result.fuelAfterTaxi;
    }
    if (legCount > 0) {
        const Checkpoint& first = plan.checkpoints.front();
        const Checkpoint& last = plan.checkpoints.back();
        const auto routes = ComputeRoutes(routeInput(first, last), kTruePi);
        if (const auto* route = std::get_if<RouteResult>(&routes)) {
            result.greatCircleDistance = route->GreatCircleDistance;
        } else if (const RouteError error = std::get<RouteError>(routes);
                   samePosition(first, last) || error == RouteError::SamePoint ||
                   error == RouteError::SamePosition) {
            result.greatCircleDistance = 0;
        }
    }
    if (plan.departureTime) {
        result.departure = EtaAfter(*plan.departureTime, 0);
        for (LegResult& leg : result.legs) {
            if (leg.totalTime) {
                leg.eta = EtaAfter(*plan.departureTime, *leg.totalTime);
            }
        }
    }
    if (plan.fuelPlan) {
        FuelPlanFigures figures;
        figures.taxi = d.taxiFuel;
        figures.trip = result.tripFuel;
        figures.contingencyPercent = plan.fuelPlan->contingencyPercent;
        figures.alternate = 0;
        figures.finalReserve = result.reserveFuel;
        figures.extra = plan.fuelPlan->extraFuel;
        figures.onBoard = d.fuelAtStart;
        if (plan.alternate && !plan.checkpoints.empty()) {
            const Checkpoint& from = plan.checkpoints.back();
            result.alternateLeg =
                levelLeg(from, *plan.alternate,
                         resolveLeg(plan, from, *plan.alternate, planYear(plan)), d.fuelFlow);
            figures.alternate = result.alternateLeg->fuel;
        }
        result.fuelPlan = ComputeFuelPlan(figures);
    }
    return result;
}

const char* fuelUnitKey(FuelUnit unit) {
    switch (unit) {
        case FuelUnit::UsGallons:
            return "USgal";
        case FuelUnit::Litres:
            return "L";
        case FuelUnit::Pounds:
            return "lb";
        case FuelUnit::Kilograms:
            return "kg";
    }
    return "";
}

std::optional<FuelUnit> fuelUnitFromKey(std::string_view key) {
    for (FuelUnit unit :
         {FuelUnit::UsGallons, FuelUnit::Litres, FuelUnit::Pounds, FuelUnit::Kilograms}) {
        if (key == fuelUnitKey(unit)) {
            return unit;
        }
    }
    return std::nullopt;
}

}  // namespace aerolume::planning
