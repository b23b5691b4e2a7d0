// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftProfile.h"

#include <cmath>

#include "Envelope.h"

namespace aerolume::aircraft {
namespace {

constexpr double kAvGasPoundsPerGallon = 6.0;
constexpr double kJetAPoundsPerGallon = 6.7;

std::optional<ProfileError> checkValue(double value, const std::string& key, bool positive) {
    if (!std::isfinite(value)) {
        return ProfileError{key, "is not a finite number"};
    }
    if (value < 0 || (positive && value == 0)) {
        return ProfileError{key, positive ? "must be more than 0" : "must not be negative"};
    }
    return std::nullopt;
}

std::optional<ProfileError> checkArm(double value, const std::string& key) {
    if (!std::isfinite(value)) {
        return ProfileError{key, "is not a finite number"};
    }
    return std::nullopt;
}

std::optional<ProfileError> checkEnvelope(const Envelope& envelope, const std::string& key) {
    if (envelope.size() < 3) {
        return ProfileError{key, "needs at least three points"};
    }
    for (std::size_t i = 0; i < envelope.size(); ++i) {
        const std::string at = key + "[" + std::to_string(i) + "]";
        if (auto e = checkValue(envelope[i].weight, at + ".weight", false)) {
            return e;
        }
        if (auto e = checkArm(envelope[i].arm, at + ".arm")) {
            return e;
        }
    }
    if (crossesItself(envelope)) {
        return ProfileError{key, "crosses itself or repeats a point"};
    }
    if (!std::isfinite(doubleArea(envelope)) || doubleArea(envelope) == 0) {
        return ProfileError{key, "encloses no area"};
    }
    return std::nullopt;
}

}  // namespace

const char* weightUnit(Units units) {
    return units == Units::PoundInch ? "lb" : "kg";
}

const char* armUnit(Units units) {
    switch (units) {
        case Units::PoundInch:
            return "in";
        case Units::KilogramMillimetre:
            return "mm";
        case Units::KilogramMetre:
            return "m";
    }
    return "in";
}

const char* volumeUnit(Units units) {
    return units == Units::PoundInch ? "US gal" : "L";
}

double fuelDensity(const Tank& tank, Units units) {
    double poundsPerGallon = 0;
    switch (tank.fuel) {
        case FuelType::AvGas:
            poundsPerGallon = kAvGasPoundsPerGallon;
            break;
        case FuelType::JetA:
            poundsPerGallon = kJetAPoundsPerGallon;
            break;
        case FuelType::Other:
            return tank.density;
    }
    return units == Units::PoundInch ? poundsPerGallon
                                     : poundsPerGallon * kKilogramsPerPound / kLitresPerUsGallon;
}

std::optional<ProfileError> checkAircraft(const Aircraft& a) {
    if (a.name.empty()) {
        return ProfileError{"name", "is empty"};
    }
    if (auto e = checkValue(a.emptyWeight, "emptyWeight", true)) {
        return e;
    }
    if (auto e = checkArm(a.emptyArm, "emptyArm")) {
        return e;
    }
    for (std::size_t i = 0; i < a.stations.size(); ++i) {
        const std::string at = "stations[" + std::to_string(i) + "]";
        if (auto e = checkArm(a.stations[i].arm, at + ".arm")) {
            return e;
        }
        if (a.stations[i].maxWeight) {
            if (auto e = checkValue(*a.stations[i].maxWeight, at + ".maxWeight", false)) {
                return e;
            }
        }
    }
    for (std::size_t i = 0; i < a.tanks.size(); ++i) {
        const std::string at = "tanks[" + std::to_string(i) + "]";
        if (auto e = checkArm(a.tanks[i].arm, at + ".arm")) {
            return e;
        }
        if (auto e = checkValue(a.tanks[i].capacity, at + ".capacity", false)) {
            return e;
        }
        if (a.tanks[i].fuel == FuelType::Other) {
            if (auto e = checkValue(a.tanks[i].density, at + ".density", true)) {
                return e;
            }
        }
    }
    const struct {
        double value;
        const char* key;
    } maxima[] = {{a.maxRampWeight, "maxRampWeight"},
                  {a.maxTakeoffWeight, "maxTakeoffWeight"},
                  {a.maxLandingWeight, "maxLandingWeight"}};
    for (const auto& m : maxima) {
        if (auto e = checkValue(m.value, m.key, true)) {
            return e;
        }
    }
    if (auto e = checkEnvelope(a.normal, "envelope")) {
        return e;
    }
    if (!a.utility.empty()) {
        if (auto e = checkEnvelope(a.utility, "utilityEnvelope")) {
            return e;
        }
    }
    if (a.lemac.has_value() != a.macLength.has_value()) {
        return ProfileError{a.lemac ? "macLength" : "lemac", "is needed with the other MAC key"};
    }
    if (a.lemac) {
        if (auto e = checkArm(*a.lemac, "lemac")) {
            return e;
        }
        if (auto e = checkValue(*a.macLength, "macLength", true)) {
            return e;
        }
    }
    if (a.cruiseTas) {
        if (auto e = checkValue(*a.cruiseTas, "cruiseTas", false)) {
            return e;
        }
    }
    if (a.fuelFlow) {
        if (auto e = checkValue(*a.fuelFlow, "fuelFlow", false)) {
            return e;
        }
    }
    return std::nullopt;
}

}  // namespace aerolume::aircraft
