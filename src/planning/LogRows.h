// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "planning/PlanCore.h"

namespace aerolume::planning {

// The rows of a navigation log as it is flown and written on paper: the departure, then
// every checkpoint, with the profile's top of climb, level-offs and top of descent as
// rows of their own at their place along the route. A point splits the leg it lies on
// into parts; each row holds the part flown from the row before to it, so the parts of
// a leg add up to the leg (distance, time, fuel). Units as in PlanCore.h: ft, kt, NM,
// hours, degrees, the plan's fuel unit.

enum class LogRowKind { Departure, Checkpoint, TopOfClimb, LevelOff, TopOfDescent };

struct LogRow {
    LogRowKind kind = LogRowKind::Checkpoint;
    // The checkpoint the row is (Departure, Checkpoint) or the next one (a point).
    std::size_t checkpoint = 0;
    // The leg the part lies on (legs[leg]); none on the departure row.
    std::optional<std::size_t> leg;
    LegStatus status = LegStatus::Ok;
    // The altitude at the row (ft): the departure's elevation when known, a point's
    // altitude, the profile's at a checkpoint, or the leg's when the log is level.
    std::optional<double> altitude;
    // How the part to the row is flown: a climb or a descent ends at `altitude`.
    ProfilePhase phase = ProfilePhase::Cruise;
    // The part's values: the leg's course and wind; the airspeed, wind correction and
    // magnetic heading of the phase the part is flown in (the climb's airspeed on a
    // climb, solved in the leg's wind); magnetic course = true course - variation.
    std::optional<double> trueCourse;
    std::optional<double> magneticCourse;
    std::optional<double> windDirection;
    std::optional<double> windSpeed;
    std::optional<double> trueAirspeed;
    std::optional<double> wca;
    std::optional<double> magneticHeading;
    std::optional<double> distance;   // NM, of the part
    std::optional<double> remaining;  // NM from the row to the destination
    std::optional<double> groundSpeed;
    std::optional<double> time;  // h, of the part
    std::optional<Eta> eta;
    std::optional<double> fuel;           // of the part
    std::optional<double> fuelRemaining;  // never below 0
    bool belowReserve = false;
    bool fuelExhausted = false;
};

// The rows of `result` (ComputePlan(plan)); no rows for a plan without checkpoints.
std::vector<LogRow> LogRows(const Plan& plan, const PlanResult& result);

}  // namespace aerolume::planning
