// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "AircraftProfile.h"
#include "LoadingCore.h"

namespace aerolume::aircraft {

// A loading written out as a weight and balance form: one line per item with its
// weight, arm and moment (moment = weight * arm), so that a pilot can check every
// product and every sum by hand, and the totals at the ramp, at take-off and at
// landing with their CG (moment / weight). Weights in the aircraft's weight unit, arms
// in its arm unit, moments in weight unit * arm unit; what leaves the aircraft (the
// taxi fuel, the fuel burned) is a negative weight and moment.
//
//   empty weight      the aircraft's empty weight at its arm;
//   each station      its load (0 for one left empty) at its arm, with its maximum;
//   each tank         its fuel at the ramp at its arm, with its volume and capacity;
//   ramp              the sum of the lines above;
//   taxi fuel         less the taxi fuel, at the arm of its moment (its share of each
//                     tank, which computeLoading takes in proportion);
//   take-off          the ramp less the taxi fuel;
//   fuel burned       less each tank's burn, at its arm;
//   landing           the take-off less the fuel burned.
// The totals are computeLoading's; each equals the sum of its lines.

enum class SheetLineKind {
    EmptyWeight,
    Station,
    Fuel,
    Ramp,
    TaxiFuel,
    Takeoff,
    FuelBurned,
    Landing
};

struct SheetLine {
    SheetLineKind kind = SheetLineKind::Station;
    int index = -1;  // the station or the tank
    double weight = 0;
    std::optional<double> arm;  // the CG for a total; none for no weight
    double moment = 0;
    std::optional<double> volume;      // a tank's or a burn's fuel in the volume unit
    std::optional<double> limit;       // a station's maximum, a tank's capacity (volume), a
                                       // total's maximum weight
    std::optional<double> percentMac;  // a total, where the aircraft has a MAC
    bool total = false;
};

// The lines of `result` (computeLoading(aircraft, input)); the aircraft passes
// checkAircraft().
std::vector<SheetLine> loadingSheet(const Aircraft& aircraft, const LoadingInput& input,
                                    const LoadingResult& result);

// The decimals an arm and a moment are written with in the aircraft's units: 2 and 1
// in inches, 1 and 0 in millimetres, 3 and 2 in metres.
int armDecimals(Units units);
int momentDecimals(Units units);

}  // namespace aerolume::aircraft
