// SPDX-License-Identifier: GPL-3.0-or-later
// The weight and balance window's sixteen fields into the balance core. The empty
// weight and the eight arms are filled from the settings store and may hold any text
// (cut to the field's length); the other weights take digits only. As in the window,
// a blank field counts as 0 and any other text must be a number as a whole. The core
// then either gives a finite gross weight and centre of gravity, or none when the
// gross weight is not positive, which the window reports.

#include <cmath>
#include <cstdint>
#include <limits>

#include "FieldTexts.h"
#include "FuzzCheck.h"
#include "loading/BalanceCore.h"

using aerolume::fuzz::Field;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const Field storedWeight{6, aerolume::kDigits, true};
    const Field typedWeight{6, aerolume::kDigits};
    const Field storedArm{7, aerolume::kMinusPointSlashDigits, true};

    aerolume::BalanceInput input;
    for (std::size_t row = 0; row < 8; ++row) {
        const std::string weight =
            aerolume::fuzz::fieldText(data, row == 0 ? storedWeight : typedWeight);
        const std::string arm = aerolume::fuzz::fieldText(data, storedArm);
        if (row == 0 && (weight.empty() || arm.empty())) {
            return 0;  // reported by the window
        }
        const auto w = weight.empty() ? 0.0 : aerolume::fuzz::strictValue(weight);
        const auto a = arm.empty() ? 0.0 : aerolume::fuzz::strictValue(arm);
        if (!w || !a) {
            return 0;  // reported by the window
        }
        input.Rows[row] = {*w, *a};
    }

    const aerolume::BalanceResult result = aerolume::ComputeBalance(input);
    if (!result.CenterOfGravity) {
        FUZZ_CHECK(!(result.GrossWeight > 0), "no centre of gravity for %g", result.GrossWeight);
        return 0;
    }
    // Without negative weights the centre of gravity lies among the loaded arms.
    bool anyNegative = false;
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();
    for (const auto& row : input.Rows) {
        anyNegative = anyNegative || row.Weight < 0;
        if (row.Weight > 0) {
            lowest = std::fmin(lowest, row.Arm);
            highest = std::fmax(highest, row.Arm);
        }
    }
    if (!anyNegative) {
        const double slack = 1e-9 * std::fmax(std::fabs(lowest), std::fabs(highest));
        FUZZ_CHECK(
            *result.CenterOfGravity >= lowest - slack && *result.CenterOfGravity <= highest + slack,
            "centre of gravity %.17g outside the arms %g to %g", *result.CenterOfGravity, lowest,
            highest);
    }
    aerolume::fuzz::checkCaption(result.GrossWeight, aerolume::Mask::D7_1, "gross weight");
    aerolume::fuzz::checkCaption(*result.CenterOfGravity, aerolume::Mask::Fixed,
                                 "centre of gravity");
    return 0;
}
