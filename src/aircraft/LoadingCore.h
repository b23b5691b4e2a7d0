// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "AircraftProfile.h"
#include "Envelope.h"

namespace aerolume::aircraft {

// A limit a loading breaks.
enum class Breach {
    StationOverMax,    // a station's load over its maximum (index: station)
    TankOverCapacity,  // a tank's fuel over its usable capacity (index: tank)
    BurnOverContents,  // more fuel burned from a tank than it held (index: tank)
    OverMaxWeight,     // the point's weight over its maximum (ramp, take-off or landing)
    CgForward,         // the CG ahead of the envelope
    CgAft,             // the CG behind the envelope
    AboveEnvelope,     // heavier than the envelope at this CG
    BelowEnvelope,     // lighter than the envelope at this CG
    OutsideUtility,    // inside the normal envelope, outside the utility one
};

struct Finding {
    Breach breach;
    int index = -1;     // the station or tank, where the breach names one
    double excess = 0;  // by how much: weight unit, or arm unit for CgForward/CgAft
};

// Which weight limit a margin is measured to.
enum class WeightLimit {
    MaximumWeight,   // the point's maximum weight (take-off or landing)
    EnvelopeTop,     // the envelope's top at the point's CG, where it lies below that
    EnvelopeBottom,  // the envelope's bottom at the point's CG
};

// How far a point inside the envelope and within its maximum weight lies from the
// nearest limits.
struct Margin {
    double arm = 0;                 // arm unit, to the nearer CG limit at the point's weight
    Side armLimit = Side::Forward;  // that limit: Forward or Aft
    double weight = 0;              // weight unit, to the nearest weight limit at its CG
    WeightLimit weightLimit = WeightLimit::MaximumWeight;
};

// One loading condition: ramp, take-off or landing.
struct LoadPoint {
    double weight = 0;                 // weight unit
    double moment = 0;                 // weight unit * arm unit
    std::optional<double> cg;          // arm unit; only for a weight above 0
    std::optional<double> percentMac;  // % of the MAC aft of its leading edge, where given
    std::optional<Position> normal;    // against the envelopes (take-off and landing only)
    std::optional<Position> utility;
    // Take-off and landing, inside the normal envelope and at most the maximum weight.
    std::optional<Margin> margin;
    std::vector<Finding> findings;  // empty: within every limit
};

struct LoadingInput {
    std::vector<double> stationWeights;  // weight unit, one per station
    std::vector<double> takeoffFuel;     // weight unit, one per tank, at take-off
    std::vector<double> burnFuel;        // weight unit, one per tank, burned in flight
    double taxiFuel = 0;                 // weight unit, burned before take-off, from the tanks in
                                         // proportion to their take-off fuel
};

struct LoadingResult {
    LoadPoint ramp;
    LoadPoint takeoff;
    LoadPoint landing;
    std::vector<double> rampFuel;  // weight unit, one per tank
};

// Splits `total` over tanks in proportion to their `contents` (equal shares when the
// tanks hold nothing). The shares add up to `total`.
std::vector<double> splitInProportion(double total, const std::vector<double>& contents);

// The unit a trip fuel comes in.
enum class FuelUnit { UsGallon, Litre, Pound, Kilogram };

// The fuel each tank burns (weight unit) when a trip burns `trip` (in `unit`), taken
// from the tanks in proportion to their take-off fuel (weight unit): by volume when the
// trip is a volume, each share then weighed at its tank's density; by weight when it is
// a weight. Volumes and weights are converted exactly (3.785411784 L per US gal,
// 0.45359237 kg per lb).
std::vector<double> splitTripFuel(const Aircraft& aircraft, double trip, FuelUnit unit,
                                  const std::vector<double>& takeoffFuel);

// An amount of fuel in `unit` in the aircraft's own unit of the same kind: its weight
// unit for a weight, its volume unit for a volume (converted exactly, as above).
double inAircraftUnit(const Aircraft& aircraft, double amount, FuelUnit unit);

// A flight's fuel over the tanks, weight unit, one per tank.
struct FlightFuel {
    std::vector<double> takeoff;
    std::vector<double> burn;
};
// The take-off fuel `takeoff` (in `unit`) put in the tanks in proportion to their
// capacities (by volume or by weight, as `unit` is), and the trip's `trip` burned from
// them as splitTripFuel() does. A tank may be given more than it holds; the loading
// then finds it over capacity.
FlightFuel splitFlightFuel(const Aircraft& aircraft, double takeoff, double trip, FuelUnit unit);

// The loading of an aircraft at the ramp, take-off and landing. Weights add up from
// the empty aircraft, the stations and the tanks; each moment is weight times arm; the
// CG is moment / weight; % MAC = (CG - LEMAC) / MAC length * 100. Ramp fuel is take-off
// fuel plus the taxi fuel; landing fuel is take-off fuel less the burn.
// Findings: a station over its maximum, a tank over capacity (ramp and take-off), a
// burn over a tank's contents (landing), each point's weight over its maximum, and, at
// take-off and landing, the CG against the normal envelope (forward, aft, above or
// below it; above or below and forward or aft too for a point beyond all its corners)
// and, when the normal is kept, against the utility envelope. The margin of a point
// inside the normal envelope is the arm margin to its nearer CG limit, and the least
// of the weight margins to the envelope's top or bottom and to the maximum weight (the
// maximum weight named when it is as near as the top). Missing
// entries of the input count as 0. The aircraft must pass checkAircraft().
LoadingResult computeLoading(const Aircraft& aircraft, const LoadingInput& input);

}  // namespace aerolume::aircraft
