// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuelPlan.h"

namespace aerolume::planning {

FuelPlanLines ComputeFuelPlan(const FuelPlanFigures& figures) {
    FuelPlanLines lines;
    lines.taxi = figures.taxi;
    lines.trip = figures.trip;
    if (figures.trip) {
        lines.contingency = *figures.trip * figures.contingencyPercent / 100;
    }
    lines.alternate = figures.alternate;
    lines.finalReserve = figures.finalReserve;
    lines.extra = figures.extra;
    lines.onBoard = figures.onBoard;
    if (lines.trip && lines.alternate) {
        lines.totalRequired = lines.taxi + *lines.trip + *lines.contingency + *lines.alternate +
                              lines.finalReserve + lines.extra;
        lines.margin = lines.onBoard - *lines.totalRequired;
        lines.shortfall = *lines.margin < 0;
    }
    return lines;
}

}  // namespace aerolume::planning
