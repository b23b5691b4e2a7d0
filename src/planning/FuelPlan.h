// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace aerolume::planning {

// The fuel plan of a flight: the fuel required, line by line, against the fuel on
// board. All amounts in the plan's fuel unit.
//
//   taxi            the plan's taxi fuel;
//   trip            the legs' fuel from take-off to the destination, climb and descent
//                   included when the plan has their figures;
//   contingency     a percentage of the trip fuel, for what the forecast did not say;
//   alternate       the leg from the destination to the alternate, level at its
//                   altitude at the cruise airspeed and fuel flow in the plan's wind
//                   (no climb or descent is counted on it); 0 without an alternate;
//   final reserve   the reserve minutes at the cruise fuel flow;
//   extra           what the pilot adds at their discretion;
//   total required  the sum of the above; margin = fuel on board - total required,
//                   a shortfall when below 0.
//
// The defaults follow the common minimum rules for light aeroplanes: a final reserve
// of 45 minutes, the night VFR and IFR minimum of 14 CFR 91.151 and 91.167 and of EASA
// NCO.OP.125 (30 minutes is their day VFR minimum; any value in range may be set);
// an alternate leg when the IFR rules (91.167 with 91.169, NCO.OP.125) require a
// destination alternate; and a contingency of 5 % of the trip fuel, a common allowance for the
// unforeseen factors those rules ask the pilot to consider (neither fixes a
// percentage). The pilot in command is responsible for the fuel the rules that apply
// to the flight require; the plan only adds up what it is given.

struct FuelPlanInputs {
    double contingencyPercent = 5;  // % of the trip fuel (kContingencyRange)
    double extraFuel = 0;           // fuel unit (kFuelRange)

    bool operator==(const FuelPlanInputs&) const = default;
};

// The figures the fuel plan adds up; an empty value is unknown.
struct FuelPlanFigures {
    double taxi = 0;
    std::optional<double> trip;
    double contingencyPercent = 0;
    std::optional<double> alternate;  // 0 without an alternate
    double finalReserve = 0;
    double extra = 0;
    double onBoard = 0;  // the fuel at start, before taxi
};

// The lines of the fuel plan; a line is unknown when a figure it needs is (the trip,
// or the alternate leg that cannot be flown), and so are the total and the margin.
struct FuelPlanLines {
    double taxi = 0;
    std::optional<double> trip;
    std::optional<double> contingency;
    std::optional<double> alternate;
    double finalReserve = 0;
    double extra = 0;
    std::optional<double> totalRequired;
    double onBoard = 0;
    std::optional<double> margin;  // on board - total required
    bool shortfall = false;        // the margin is below 0
};

FuelPlanLines ComputeFuelPlan(const FuelPlanFigures& figures);

}  // namespace aerolume::planning
