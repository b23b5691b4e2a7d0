// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadingSheet.h"

namespace aerolume::aircraft {
namespace {

double entry(const std::vector<double>& values, std::size_t i) {
    return i < values.size() ? values[i] : 0.0;
}

SheetLine item(SheetLineKind kind, int index, double weight, double arm) {
    SheetLine line;
    line.kind = kind;
    line.index = index;
    line.weight = weight;
    line.arm = arm;
    line.moment = weight * arm;
    return line;
}

SheetLine total(SheetLineKind kind, const LoadPoint& point, double maximum) {
    SheetLine line;
    line.kind = kind;
    line.weight = point.weight;
    line.arm = point.cg;
    line.moment = point.moment;
    line.limit = maximum;
    line.percentMac = point.percentMac;
    line.total = true;
    return line;
}

}  // namespace

std::vector<SheetLine> loadingSheet(const Aircraft& aircraft, const LoadingInput& input,
                                    const LoadingResult& result) {
    std::vector<SheetLine> lines;
    lines.push_back(item(SheetLineKind::EmptyWeight, -1, aircraft.emptyWeight, aircraft.emptyArm));
    for (std::size_t i = 0; i < aircraft.stations.size(); ++i) {
        const Station& station = aircraft.stations[i];
        SheetLine& line = lines.emplace_back(item(SheetLineKind::Station, static_cast<int>(i),
                                                  entry(input.stationWeights, i), station.arm));
        line.limit = station.maxWeight;
    }
    for (std::size_t i = 0; i < aircraft.tanks.size(); ++i) {
        const Tank& tank = aircraft.tanks[i];
        const double density = fuelDensity(tank, aircraft.units);
        SheetLine& line = lines.emplace_back(
            item(SheetLineKind::Fuel, static_cast<int>(i), entry(result.rampFuel, i), tank.arm));
        if (density > 0) {
            line.volume = line.weight / density;
        }
        line.limit = tank.capacity;
    }
    lines.push_back(total(SheetLineKind::Ramp, result.ramp, aircraft.maxRampWeight));
    SheetLine taxi;
    taxi.kind = SheetLineKind::TaxiFuel;
    taxi.weight = result.takeoff.weight - result.ramp.weight;
    taxi.moment = result.takeoff.moment - result.ramp.moment;
    if (taxi.weight != 0) {
        taxi.arm = taxi.moment / taxi.weight;
    }
    lines.push_back(taxi);
    lines.push_back(total(SheetLineKind::Takeoff, result.takeoff, aircraft.maxTakeoffWeight));
    for (std::size_t i = 0; i < aircraft.tanks.size(); ++i) {
        const double burn = entry(input.burnFuel, i);
        if (burn != 0) {
            SheetLine& line = lines.emplace_back(
                item(SheetLineKind::FuelBurned, static_cast<int>(i), -burn, aircraft.tanks[i].arm));
            if (const double density = fuelDensity(aircraft.tanks[i], aircraft.units);
                density > 0) {
                line.volume = line.weight / density;
            }
        }
    }
    lines.push_back(total(SheetLineKind::Landing, result.landing, aircraft.maxLandingWeight));
    return lines;
}

int armDecimals(Units units) {
    switch (units) {
        case Units::PoundInch:
            return 2;
        case Units::KilogramMillimetre:
            return 1;
        case Units::KilogramMetre:
            return 3;
    }
    return 2;
}

int momentDecimals(Units units) {
    return units == Units::KilogramMetre ? 2 : units == Units::PoundInch ? 1 : 0;
}

}  // namespace aerolume::aircraft
