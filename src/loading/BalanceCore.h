// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

namespace aerolume {

// One load: its weight and its arm, the distance of its centre from the datum.
struct BalanceRow {
    double Weight = 0;  // any weight unit, the same in every row
    double Arm = 0;     // inches aft of the datum; negative for a load forward of it
};

struct BalanceInput {
    // Row 1 is the empty aircraft (empty weight at the empty centre of gravity), rows 2
    // to 8 the loads.
    std::array<BalanceRow, 8> Rows{};
};

struct BalanceResult {
    double GrossWeight = 0;  // the unit of the weights
    double Moment = 0;       // weight unit * inches
    // Inches aft of the datum; only when GrossWeight > 0.
    std::optional<double> CenterOfGravity;
};

// Weight and balance of a loaded aircraft:
//   GrossWeight = W1 + W2 + ... + W8,
//   Moment      = W1*D1 + W2*D2 + ... + W8*D8, both added in row order, row 1 first;
//   CenterOfGravity = Moment / GrossWeight, formed only when GrossWeight > 0 (otherwise
//   left empty: a load without weight has no centre of gravity).
// Weights and arms may have any sign and size; nothing else is checked.
BalanceResult ComputeBalance(const BalanceInput& input);

}  // namespace aerolume
