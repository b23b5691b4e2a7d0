// SPDX-License-Identifier: GPL-3.0-or-later
#include "BalanceCore.h"

namespace aerolume {

BalanceResult ComputeBalance(const BalanceInput& input) {
    BalanceResult result;
    for (const BalanceRow& row : input.Rows) {
        result.Moment += row.Weight * row.Arm;
        result.GrossWeight += row.Weight;
    }
    if (result.GrossWeight > 0) {
        result.CenterOfGravity = result.Moment / result.GrossWeight;
    }
    return result;
}

}  // namespace aerolume
