// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "planning/PlanCore.h"

namespace aerolume::planning {

// The warnings of a computed plan, as records the window, the CSV and the printed page
// turn into their own words. Rows are named the way the table shows them: row r is
// checkpoint r (0 the departure), and a leg is shown on the row of the checkpoint that
// ends it, so the leg from checkpoint r - 1 to r is row r; the table's header numbers
// row r as r + 1.

enum class WarningKind {
    // Plan-wide: every leg without a typed variation takes the plan's.
    NoPlanDate,
    // Plan-wide: the date lies outside the magnetic model's five years.
    DateOutsideModel,
    // Row: the leg's `status` (a repeated position, a wind too strong, no rhumb line).
    LegNotFlown,
    // Row: the magnetic `zone` (Caution or Blackout) at the leg's midpoint.
    WeakMagneticField,
    // Row: the climb (descent) airspeed cannot fly the leg in its wind; the log is level.
    ClimbWindTooStrong,
    DescentWindTooStrong,
    // Row 0: the climb starts from sea level; last row: the descent ends at the pattern
    // altitude above sea level.
    DepartureElevationUnknown,
    DestinationElevationUnknown,
    // Row: a climb ended `distance` NM along the leg at `altitude`, short of the leg's
    // `target` (ended by the descent, by a lower next leg or by the destination).
    ClimbDoesNotFit,
    // Row: likewise for a step down to a lower leg (ended by a higher next leg).
    StepDownDoesNotFit,
    // Last row: the descent, begun at the departure, still arrives at `altitude`, above
    // the `target` (the destination's elevation + the pattern altitude).
    DescentDoesNotFit,
    // Last row: the last legs arrive at `altitude`, below the `target`; no descent.
    ArrivalBelowPattern,
    // Row: the first where the fuel remaining is below `fuel` (the reserve); row 0 when
    // it is so after taxi.
    BelowReserve,
    // Row: the fuel runs out `distance` NM and `time` h along the leg (0 and 0: at its
    // start); `fuel` is the amount missing to reach the destination, when known. Every
    // row from this one on has no fuel left.
    FuelExhausted,
    // Plan-wide: the fuel on board is `fuel` short of the fuel plan's total required.
    FuelPlanShortfall,
};

struct PlanWarning {
    WarningKind kind = WarningKind::NoPlanDate;
    // The table row (checkpoint index) it concerns; none for a plan-wide warning.
    std::optional<std::size_t> row;
    // For a warning about a leg: the row of the checkpoint the leg starts at (row - 1).
    std::optional<std::size_t> fromRow;
    // The checkpoints' names at `row` and `fromRow` (one line each), empty when none.
    std::string name;
    std::string fromName;
    LegStatus status = LegStatus::Ok;          // LegNotFlown
    MagneticZone zone = MagneticZone::Normal;  // WeakMagneticField
    // The values each kind above names; empty where it names none.
    std::optional<double> distance;  // NM
    std::optional<double> time;      // h
    std::optional<double> altitude;  // ft
    std::optional<double> target;    // ft
    std::optional<double> fuel;      // fuel unit

    bool operator==(const PlanWarning&) const = default;
};

// The plan's warnings in table order: the plan-wide ones about the date first, then by
// row (within a row: the leg, its magnetic field, the profile, the reserve, the fuel
// running out), then the fuel plan's shortfall, which concerns the block below the
// table. `result` is ComputePlan(plan).
std::vector<PlanWarning> PlanWarnings(const Plan& plan, const PlanResult& result);

}  // namespace aerolume::planning
