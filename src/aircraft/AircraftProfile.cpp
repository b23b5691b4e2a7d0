// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftProfile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Envelope.h"
#include "common/FormatMask.h"
#include "planning/PlanCore.h"

namespace aerolume::aircraft {
namespace {

constexpr double kAvGasPoundsPerGallon = 6.0;
constexpr double kJetAPoundsPerGallon = 6.7;

std::string exact(double value) {
    return formatExact(value);
}

// A computed figure, without the last digits of its binary rounding (0.05, not
// 0.05000000000000071).
std::string rounded(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.10g", value);
    return formatExact(std::strtod(text.data(), nullptr));
}

// A figure within [low, high] (above `low` when `aboveLow`), in `unit`.
std::optional<ProfileError> checkRange(double value, const std::string& key, double low,
                                       double high, const char* unit, bool aboveLow = false) {
    if (!std::isfinite(value)) {
        return ProfileError{key, "is not a finite number"};
    }
    if (aboveLow ? value > low && value <= high : value >= low && value <= high) {
        return std::nullopt;
    }
    const std::string units = *unit != 0 ? std::string(" ") + unit : std::string();
    const RangeFault range{value, low, high, aboveLow, unit};
    if (aboveLow) {
        return ProfileError{key,
                            exact(value) + " must be more than " + exact(low) + " and at most " +
                                exact(high) + units,
                            range};
    }
    return ProfileError{
        key, exact(value) + " is outside " + exact(low) + " to " + exact(high) + units, range};
}

class Checker {
public:
    explicit Checker(Units units) : m_units(units), m_limits(profileLimits(units)) {}

    std::optional<ProfileError> weight(double value, const std::string& key,
                                       bool positive = false) const {
        return checkRange(value, key, 0, m_limits.weight, weightUnit(m_units), positive);
    }
    std::optional<ProfileError> arm(double value, const std::string& key) const {
        return checkRange(value, key, -m_limits.arm, m_limits.arm, armUnit(m_units));
    }

    std::optional<ProfileError> envelope(const Envelope& envelope, const std::string& key) const {
        if (envelope.size() < 3) {
            return ProfileError{key, "needs at least three points"};
        }
        for (std::size_t i = 0; i < envelope.size(); ++i) {
            const std::string at = key + "[" + std::to_string(i) + "]";
            if (auto e = weight(envelope[i].weight, at + ".weight")) {
                return e;
            }
            if (auto e = arm(envelope[i].arm, at + ".arm")) {
                return e;
            }
        }
        if (crossesItself(envelope)) {
            return ProfileError{key, "crosses itself or repeats a point"};
        }
        if (!std::isfinite(doubleArea(envelope)) || doubleArea(envelope) == 0) {
            return ProfileError{key, "encloses no area"};
        }
        const auto [lightest, heaviest] = std::minmax_element(
            envelope.begin(), envelope.end(),
            [](const EnvelopePoint& a, const EnvelopePoint& b) { return a.weight < b.weight; });
        const auto [forward, aft] = std::minmax_element(
            envelope.begin(), envelope.end(),
            [](const EnvelopePoint& a, const EnvelopePoint& b) { return a.arm < b.arm; });
        const struct {
            double span;
            double least;
            const char* unit;
            const char* of;
        } spans[] = {{aft->arm - forward->arm, m_limits.envelopeArmSpan, armUnit(m_units), "arm"},
                     {heaviest->weight - lightest->weight, m_limits.envelopeWeightSpan,
                      weightUnit(m_units), "weight"}};
        for (const auto& s : spans) {
            if (s.span < s.least) {
                return ProfileError{key, "spans " + rounded(s.span) + " " + s.unit + " of " + s.of +
                                             ", less than the " + exact(s.least) + " " + s.unit +
                                             " an envelope needs"};
            }
        }
        return std::nullopt;
    }

    const ProfileLimits& limits() const { return m_limits; }

private:
    Units m_units;
    ProfileLimits m_limits;
};

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

ProfileLimits profileLimits(Units units) {
    switch (units) {
        case Units::PoundInch:
            return {2'000'000, 10'000, 100'000, 1, 15, 1'000, 0.1, 10};
        case Units::KilogramMillimetre:
            return {1'000'000, 250'000, 400'000, 0.12, 1.8, 25'000, 2, 5};
        case Units::KilogramMetre:
            return {1'000'000, 250, 400'000, 0.12, 1.8, 25, 0.002, 5};
    }
    return profileLimits(Units::PoundInch);
}

std::optional<ProfileError> checkAircraft(const Aircraft& a) {
    const Checker check(a.units);
    const ProfileLimits& limits = check.limits();
    if (a.name.empty()) {
        return ProfileError{"name", "is empty"};
    }
    if (auto e = check.weight(a.emptyWeight, "emptyWeight", true)) {
        return e;
    }
    if (auto e = check.arm(a.emptyArm, "emptyArm")) {
        return e;
    }
    for (std::size_t i = 0; i < a.stations.size(); ++i) {
        const std::string at = "stations[" + std::to_string(i) + "]";
        if (auto e = check.arm(a.stations[i].arm, at + ".arm")) {
            return e;
        }
        if (a.stations[i].maxWeight) {
            if (auto e = check.weight(*a.stations[i].maxWeight, at + ".maxWeight")) {
                return e;
            }
        }
    }
    const std::string density = std::string(weightUnit(a.units)) + "/" + volumeUnit(a.units);
    for (std::size_t i = 0; i < a.tanks.size(); ++i) {
        const std::string at = "tanks[" + std::to_string(i) + "]";
        if (auto e = check.arm(a.tanks[i].arm, at + ".arm")) {
            return e;
        }
        if (auto e = checkRange(a.tanks[i].capacity, at + ".capacity", 0, limits.tankCapacity,
                                volumeUnit(a.units))) {
            return e;
        }
        if (a.tanks[i].fuel == FuelType::Other) {
            if (auto e = checkRange(a.tanks[i].density, at + ".density", limits.minDensity,
                                    limits.maxDensity, density.c_str())) {
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
        if (auto e = check.weight(m.value, m.key, true)) {
            return e;
        }
    }
    if (auto e = check.envelope(a.normal, "envelope")) {
        return e;
    }
    if (!a.utility.empty()) {
        if (auto e = check.envelope(a.utility, "utilityEnvelope")) {
            return e;
        }
    }
    if (a.lemac.has_value() != a.macLength.has_value()) {
        return ProfileError{a.lemac ? "macLength" : "lemac", "is needed with the other MAC key"};
    }
    if (a.lemac) {
        if (auto e = check.arm(*a.lemac, "lemac")) {
            return e;
        }
        if (auto e = checkRange(*a.macLength, "macLength", 0, limits.macLength, armUnit(a.units),
                                true)) {
            return e;
        }
    }
    if (a.cruiseTas) {
        if (auto e = checkRange(*a.cruiseTas, "cruiseTas", 0, kMaxCruiseTas, "kt")) {
            return e;
        }
    }
    if (a.fuelFlow) {
        const std::string flow = std::string(volumeUnit(a.units)) + "/h";
        if (auto e = checkRange(*a.fuelFlow, "fuelFlow", 0, kMaxFuelFlow, flow.c_str())) {
            return e;
        }
    }
    const std::string flow = std::string(volumeUnit(a.units)) + "/h";
    for (const auto& [performance, key] :
         {std::pair{&a.climb, "climb"}, std::pair{&a.descent, "descent"}}) {
        if (!*performance) {
            continue;
        }
        const ClimbPerformance& p = **performance;
        const std::string at = std::string(key) + ".";
        using planning::kAirspeedRange, planning::kClimbRateRange, planning::kFuelFlowRange;
        if (auto e = checkRange(p.rate, at + "rate", kClimbRateRange.min, kClimbRateRange.max,
                                "ft/min")) {
            return e;
        }
        if (auto e = checkRange(p.trueAirspeed, at + "trueAirspeed", kAirspeedRange.min,
                                kAirspeedRange.max, "kt")) {
            return e;
        }
        if (auto e = checkRange(p.fuelFlow, at + "fuelFlow", kFuelFlowRange.min, kFuelFlowRange.max,
                                flow.c_str())) {
            return e;
        }
    }
    return std::nullopt;
}

}  // namespace aerolume::aircraft
