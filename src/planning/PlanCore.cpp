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

// Fuel below the reserve by more than the rounding of the sums that led to it: a plan
// that lands with exactly its reserve (60 NM at 120 kt four times over) is not below it.
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

std::vector<LegConditions> ResolveLegs(const Plan& plan) {
    std::vector<LegConditions> legs;
    const PlanDefaults& d = plan.defaults;
    const std::optional<double> year = plan.date ? planDecimalYear(*plan.date) : std::nullopt;
    for (std::size_t i = 1; i < plan.checkpoints.size(); ++i) {
        const LegOverrides& o = plan.checkpoints[i].leg;
        LegConditions c;
        c.altitude = o.altitude.value_or(d.altitude);
        c.trueAirspeed = o.trueAirspeed.value_or(d.trueAirspeed);
        c.windDirection = o.windDirection.value_or(d.windDirection);
        c.windSpeed = o.windSpeed.value_or(d.windSpeed);
        c.variation = d.variation;
        c.variationSource = VariationSource::PlanDefault;
        if (year) {
            const Checkpoint& from = plan.checkpoints[i - 1];
            const Checkpoint& to = plan.checkpoints[i];
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
        legs.push_back(c);
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

    std::optional<double> distance = 0;
    std::optional<double> time = 0;
    std::optional<double> fuel = 0;
    const std::size_t legCount = plan.checkpoints.empty() ? 0 : plan.checkpoints.size() - 1;
    for (std::size_t i = 0; i < legCount && i < conditions.size(); ++i) {
        LegResult leg;
        leg.conditions = conditions[i];
        leg.status = courseAndDistance(plan.checkpoints[i], plan.checkpoints[i + 1], leg);
        if (leg.status == LegStatus::Ok) {
            leg.status = wind(leg);
            if (leg.status == LegStatus::Ok) {
                leg.time = *leg.distance / *leg.groundSpeed;
            }
        } else if (leg.status == LegStatus::ZeroLength) {
            leg.time = 0;
        }
        if (leg.time) {
            leg.fuel = d.fuelFlow * *leg.time;
        }
        distance =
            distance && leg.distance ? std::optional(*distance + *leg.distance) : std::nullopt;
        time = time && leg.time ? std::optional(*time + *leg.time) : std::nullopt;
        fuel = fuel && leg.fuel ? std::optional(*fuel + *leg.fuel) : std::nullopt;
        leg.totalDistance = distance;
        leg.totalTime = time;
        leg.fuelUsed = fuel;
        if (fuel) {
            leg.fuelRemaining = result.fuelAfterTaxi - *fuel;
            leg.belowReserve = belowReserve(*leg.fuelRemaining, result.reserveFuel);
            if (leg.belowReserve && !result.firstBelowReserve) {
                result.firstBelowReserve = i + 1;
            }
        }
        result.legs.push_back(leg);
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
    if (legCount > 0) {
        const auto routes =
            ComputeRoutes(routeInput(plan.checkpoints.front(), plan.checkpoints.back()), kTruePi);
        if (const auto* route = std::get_if<RouteResult>(&routes)) {
            result.greatCircleDistance = route->GreatCircleDistance;
        }
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
