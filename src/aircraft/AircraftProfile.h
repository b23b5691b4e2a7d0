// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace aerolume::aircraft {

// The units an aircraft's figures are kept in, chosen per aircraft. Fuel is measured in
// US gallons for an aircraft in pounds and in litres for one in kilograms.
enum class Units { PoundInch, KilogramMillimetre, KilogramMetre };

// AvGas weighs 6.0 lb and Jet A 6.7 lb per US gallon; Other takes the tank's density.
enum class FuelType { AvGas, JetA, Other };

// A place a load goes: seats, baggage, oil.
struct Station {
    std::string name;
    double arm = 0;                   // arm unit, aft of the datum; negative ahead of it
    std::optional<double> maxWeight;  // weight unit; none: no structural limit
};

struct Tank {
    std::string name;
    double arm = 0;       // arm unit
    double capacity = 0;  // usable fuel, volume unit (US gal or L)
    FuelType fuel = FuelType::AvGas;
    double density = 0;  // weight unit per volume unit; used only for FuelType::Other
};

// A climb's or a descent's performance, as the navigation log flies it.
struct ClimbPerformance {
    double rate = 0;          // ft/min, a climb's or a descent's (positive)
    double trueAirspeed = 0;  // kt
    double fuelFlow = 0;      // volume unit per hour

    bool operator==(const ClimbPerformance&) const = default;
};

// A corner of a CG envelope.
struct EnvelopePoint {
    double weight = 0;  // weight unit
    double arm = 0;     // arm unit
};
// An envelope: its corners in order around its outline (either direction), the last
// joined to the first. Any simple polygon, convex or not.
using Envelope = std::vector<EnvelopePoint>;

struct Aircraft {
    std::string name;
    std::string registration;
    Units units = Units::PoundInch;
    double emptyWeight = 0;  // weight unit
    double emptyArm = 0;     // arm unit
    std::vector<Station> stations;
    std::vector<Tank> tanks;
    double maxRampWeight = 0;
    double maxTakeoffWeight = 0;
    double maxLandingWeight = 0;
    Envelope normal;
    Envelope utility;  // empty: the aircraft has no utility category
    // The mean aerodynamic chord: its leading edge (arm unit) and length (arm unit).
    std::optional<double> lemac;
    std::optional<double> macLength;
    std::optional<double> cruiseTas;  // kt
    std::optional<double> fuelFlow;   // volume unit per hour
    // Without them the navigation log flies the legs level at cruise.
    std::optional<ClimbPerformance> climb;
    std::optional<ClimbPerformance> descent;
};

// Unit names as results show them: "lb"/"kg", "in"/"mm"/"m", "US gal"/"L".
const char* weightUnit(Units units);
const char* armUnit(Units units);
const char* volumeUnit(Units units);

inline constexpr double kLitresPerUsGallon = 3.785411784;
inline constexpr double kKilogramsPerPound = 0.45359237;

// The weight of one volume unit of the tank's fuel, in the aircraft's units: AvGas
// 6.0 lb/US gal, Jet A 6.7 lb/US gal, converted exactly to kg/L for a metric aircraft
// (AvGas about 0.7190 kg/L), or the tank's own density for FuelType::Other.
double fuelDensity(const Tank& tank, Units units);

// A figure out of its range: what it is and what it may be, in `unit` ("lb", "kt"),
// for a window that words the fault in its own captions.
struct RangeFault {
    double value = 0;
    double low = 0;
    double high = 0;
    bool aboveLow = false;  // the figure must be more than `low`, not `low` itself
    std::string unit;
};

// What is wrong with an aircraft: the key at fault (as in the file, e.g.
// "stations[2].maxWeight") and why ("-1 is outside 0 to 2000000 lb"); for a figure out
// of its range, also the figures themselves.
struct ProfileError {
    ProfileError(std::string key, std::string reason, std::optional<RangeFault> range = {})
        : key(std::move(key)), reason(std::move(reason)), range(std::move(range)) {}

    std::string key;
    std::string reason;
    std::optional<RangeFault> range;
};

// The physically sensible bounds of an aircraft's figures in its units, well beyond
// the largest aircraft flying: no weight above `weight`, no arm (nor the MAC's leading
// edge) farther than `arm` from the datum, no tank above `tankCapacity`, a density of
// "Other" fuel from `minDensity` to `maxDensity`, no MAC longer than `macLength`, and
// an envelope at least `envelopeArmSpan` wide and `envelopeWeightSpan` tall.
struct ProfileLimits {
    double weight;
    double arm;
    double tankCapacity;
    double minDensity;
    double maxDensity;
    double macLength;
    double envelopeArmSpan;
    double envelopeWeightSpan;
};
// lb-in: 2000000 lb, 10000 in, 100000 US gal, 1 to 15 lb/US gal, 1000 in, 0.1 in, 10 lb;
// kg-mm: 1000000 kg, 250000 mm, 400000 L, 0.12 to 1.8 kg/L, 25000 mm, 2 mm, 5 kg;
// kg-m: as kg-mm with 250 m, 25 m and 0.002 m.
ProfileLimits profileLimits(Units units);
inline constexpr double kMaxCruiseTas = 1000;  // kt
inline constexpr double kMaxFuelFlow = 10000;  // volume unit per hour

// Checks an aircraft's figures: every value finite and within profileLimits() (empty
// weight and maximum weights above 0, other weights, capacities, speeds and flows 0
// or more; a climb's and a descent's rate, airspeed and fuel flow within the
// navigation log's ranges: 1 to 10000 ft/min, 1 to 1000 kt, 0 to 10000 per hour), the envelopes
// each of at least three corners, not crossing themselves and enclosing an area of at least the
// least spans, the MAC length above 0. The first fault found, or none; a value out of range is
// named with all its digits ("1e+308 is outside 0 to 2000000 lb").
std::optional<ProfileError> checkAircraft(const Aircraft& aircraft);

}  // namespace aerolume::aircraft
