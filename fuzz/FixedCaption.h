// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The check of a result written with formatFixed (a leading zero, fixed places).

#include <cmath>
#include <cstdlib>
#include <string>

#include "FuzzCheck.h"
#include "common/FormatMask.h"

namespace aerolume::fuzz {

// The value is finite and its caption stands for it rounded to `decimals` places, with
// no minus sign on a caption that reads zero.
inline void checkFixed(double value, int decimals, const char* what) {
    FUZZ_CHECK(std::isfinite(value), "%s is %g, which the window would show", what, value);
    const std::string text = formatFixed(value, decimals);
    FUZZ_CHECK(!text.empty() && !mentionsNanOrInf(text), "%s: %g gives \"%s\"", what, value,
               text.c_str());
    const long double shown = std::strtold(text.c_str(), nullptr);
    const long double allowed =
        0.5L * std::pow(10.0L, -decimals) * (1 + 1e-9L) + std::fabs(value) * 1e-14L;
    FUZZ_CHECK(std::fabs(shown - value) <= allowed, "%s: %.17g gives \"%s\"", what, value,
               text.c_str());
    FUZZ_CHECK(text[0] != '-' || shown != 0, "%s: %.17g gives \"%s\"", what, value, text.c_str());
}

}  // namespace aerolume::fuzz
