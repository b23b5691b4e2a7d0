// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadingCore.h"

#include <cstddef>
#include <numeric>

namespace aerolume::aircraft {
namespace {

double entry(const std::vector<double>& values, std::size_t i) {
    return i < values.size() ? values[i] : 0.0;
}

// The margin of a point inside the normal envelope and within its maximum weight.
Margin marginOf(const Position& inside, double weight, double maxWeight) {
    Margin margin{
        inside.armMargin, inside.armLimit, inside.weightMargin,
        inside.weightLimit == Side::Below ? WeightLimit::EnvelopeBottom : WeightLimit::EnvelopeTop};
    if (maxWeight - weight <= margin.weight) {
        margin.weight = maxWeight - weight;
        margin.weightLimit = WeightLimit::MaximumWeight;
    }
    return margin;
}

// Adds the envelope's verdict on a point with a CG, and its margin.
void judge(const Aircraft& aircraft, LoadPoint& point, double maxWeight) {
    if (!point.cg) {
        return;
    }
    const EnvelopePoint at{point.weight, *point.cg};
    point.normal = locate(aircraft.normal, at);
    if (!point.normal->inside) {
        static constexpr Breach kBySide[] = {Breach::CgForward, Breach::CgAft,
                                             Breach::AboveEnvelope, Breach::BelowEnvelope};
        point.findings.push_back(
            {kBySide[static_cast<int>(point.normal->side)], -1, point.normal->distance});
        if (point.normal->armSide) {
            point.findings.push_back(
                {kBySide[static_cast<int>(*point.normal->armSide)], -1, point.normal->armDistance});
        }
        return;
    }
    if (point.weight <= maxWeight) {
        point.margin = marginOf(*point.normal, point.weight, maxWeight);
    }
    if (!aircraft.utility.empty()) {
        point.utility = locate(aircraft.utility, at);
        if (!point.utility->inside) {
            point.findings.push_back({Breach::OutsideUtility, -1, point.utility->distance});
        }
    }
}

void finish(const Aircraft& aircraft, LoadPoint& point, double maxWeight) {
    if (point.weight > 0) {
        point.cg = point.moment / point.weight;
        if (aircraft.lemac && aircraft.macLength) {
            point.percentMac = (*point.cg - *aircraft.lemac) / *aircraft.macLength * 100.0;
        }
    }
    if (point.weight > maxWeight) {
        point.findings.push_back({Breach::OverMaxWeight, -1, point.weight - maxWeight});
    }
}

}  // namespace

std::vector<double> splitInProportion(double total, const std::vector<double>& contents) {
    std::vector<double> shares(contents.size(), 0.0);
    if (contents.empty()) {
        return shares;
    }
    const double sum = std::accumulate(contents.begin(), contents.end(), 0.0);
    for (std::size_t i = 0; i < contents.size(); ++i) {
        shares[i] =
            sum > 0 ? total * (contents[i] / sum) : total / static_cast<double>(contents.size());
    }
    return shares;
}

std::vector<double> splitTripFuel(const Aircraft& aircraft, double trip, FuelUnit unit,
                                  const std::vector<double>& takeoffFuel) {
    const bool metric = aircraft.units != Units::PoundInch;
    std::vector<double> contents(aircraft.tanks.size());
    for (std::size_t i = 0; i < contents.size(); ++i) {
        contents[i] = entry(takeoffFuel, i);
    }
    if (unit == FuelUnit::Pound || unit == FuelUnit::Kilogram) {
        const bool inKilograms = unit == FuelUnit::Kilogram;
        const double weight = inKilograms == metric ? trip
                              : inKilograms         ? trip / kKilogramsPerPound
                                                    : trip * kKilogramsPerPound;
        return splitInProportion(weight, contents);
    }
    const bool inLitres = unit == FuelUnit::Litre;
    const double volume = inLitres == metric ? trip
                          : inLitres         ? trip / kLitresPerUsGallon
                                             : trip * kLitresPerUsGallon;
    std::vector<double> volumes(contents.size());
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const double density = fuelDensity(aircraft.tanks[i], aircraft.units);
        volumes[i] = density > 0 ? contents[i] / density : 0.0;
    }
    std::vector<double> burn = splitInProportion(volume, volumes);
    for (std::size_t i = 0; i < burn.size(); ++i) {
        burn[i] *= fuelDensity(aircraft.tanks[i], aircraft.units);
    }
    return burn;
}

double inAircraftUnit(const Aircraft& aircraft, double amount, FuelUnit unit) {
    const bool metric = aircraft.units != Units::PoundInch;
    switch (unit) {
        case FuelUnit::Pound:
            return metric ? amount * kKilogramsPerPound : amount;
        case FuelUnit::Kilogram:
            return metric ? amount : amount / kKilogramsPerPound;
        case FuelUnit::UsGallon:
            return metric ? amount * kLitresPerUsGallon : amount;
        case FuelUnit::Litre:
            return metric ? amount : amount / kLitresPerUsGallon;
    }
    return amount;
}

FlightFuel splitFlightFuel(const Aircraft& aircraft, double takeoff, double trip, FuelUnit unit) {
    // Full tanks by weight: the take-off fuel shared as their capacities are, by volume
    // for a volume (splitTripFuel() weighs each share at its tank's density).
    std::vector<double> full(aircraft.tanks.size());
    for (std::size_t i = 0; i < full.size(); ++i) {
        full[i] = aircraft.tanks[i].capacity * fuelDensity(aircraft.tanks[i], aircraft.units);
    }
    FlightFuel fuel;
    fuel.takeoff = splitTripFuel(aircraft, takeoff, unit, full);
    fuel.burn = splitTripFuel(aircraft, trip, unit, fuel.takeoff);
    return fuel;
}

LoadingResult computeLoading(const Aircraft& aircraft, const LoadingInput& input) {
    LoadingResult result;
    double weight = aircraft.emptyWeight;
    double moment = aircraft.emptyWeight * aircraft.emptyArm;
    std::vector<Finding> loadFindings;
    for (std::size_t i = 0; i < aircraft.stations.size(); ++i) {
        const Station& station = aircraft.stations[i];
        const double load = entry(input.stationWeights, i);
        weight += load;
        moment += load * station.arm;
        if (station.maxWeight && load > *station.maxWeight) {
            loadFindings.push_back(
                {Breach::StationOverMax, static_cast<int>(i), load - *station.maxWeight});
        }
    }

    std::vector<double> takeoffFuel(aircraft.tanks.size());
    for (std::size_t i = 0; i < takeoffFuel.size(); ++i) {
        takeoffFuel[i] = entry(input.takeoffFuel, i);
    }
    const std::vector<double> taxi = splitInProportion(input.taxiFuel, takeoffFuel);
    LoadPoint& ramp = result.ramp;
    LoadPoint& takeoff = result.takeoff;
    LoadPoint& landing = result.landing;
    ramp.weight = takeoff.weight = landing.weight = weight;
    ramp.moment = takeoff.moment = landing.moment = moment;
    ramp.findings = loadFindings;
    takeoff.findings = loadFindings;
    landing.findings = loadFindings;
    for (std::size_t i = 0; i < aircraft.tanks.size(); ++i) {
        const Tank& tank = aircraft.tanks[i];
        const double rampFuel = takeoffFuel[i] + taxi[i];
        const double landingFuel = takeoffFuel[i] - entry(input.burnFuel, i);
        result.rampFuel.push_back(rampFuel);
        ramp.weight += rampFuel;
        ramp.moment += rampFuel * tank.arm;
        takeoff.weight += takeoffFuel[i];
        takeoff.moment += takeoffFuel[i] * tank.arm;
        landing.weight += landingFuel;
        landing.moment += landingFuel * tank.arm;
        const double capacity = tank.capacity * fuelDensity(tank, aircraft.units);
        const int index = static_cast<int>(i);
        if (rampFuel > capacity) {
            ramp.findings.push_back({Breach::TankOverCapacity, index, rampFuel - capacity});
        }
        if (takeoffFuel[i] > capacity) {
            takeoff.findings.push_back(
                {Breach::TankOverCapacity, index, takeoffFuel[i] - capacity});
        }
        if (landingFuel < 0) {
            landing.findings.push_back({Breach::BurnOverContents, index, -landingFuel});
        }
    }
    finish(aircraft, ramp, aircraft.maxRampWeight);
    finish(aircraft, takeoff, aircraft.maxTakeoffWeight);
    finish(aircraft, landing, aircraft.maxLandingWeight);
    judge(aircraft, takeoff, aircraft.maxTakeoffWeight);
    judge(aircraft, landing, aircraft.maxLandingWeight);
    return result;
}

}  // namespace aerolume::aircraft
