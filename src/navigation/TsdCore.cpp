// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsdCore.h"

namespace aerolume {

std::optional<TsdResult> SolveTsd(const TsdInput& input) {
    const int missing = !input.Distance + !input.GroundSpeed + !input.Hours;
    if (missing != 1) {
        return std::nullopt;
    }
    if (!input.Distance) {
        return TsdResult{*input.GroundSpeed * *input.Hours, *input.GroundSpeed, *input.Hours};
    }
    if (!input.GroundSpeed) {
        if (*input.Hours == 0) {
            return std::nullopt;
        }
        return TsdResult{*input.Distance, *input.Distance / *input.Hours, *input.Hours};
    }
    if (*input.GroundSpeed == 0) {
        return std::nullopt;
    }
    return TsdResult{*input.Distance, *input.GroundSpeed, *input.Distance / *input.GroundSpeed};
}

}  // namespace aerolume
