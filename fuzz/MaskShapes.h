// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The shape of every text a format mask can give, as a regular expression (ECMAScript
// syntax, also understood by QRegularExpression) that the whole text must match. The
// fuzz targets check formatMask() against these, and the window monkey test checks
// the result labels with them.

#include "common/FormatMask.h"

namespace aerolume::shapes {

inline const char* maskShapePattern(Mask mask) {
    switch (mask) {
        case Mask::D3_1:
        case Mask::D4_1:
        case Mask::D7_1:
        case Mask::D5_1:
            // "120.", ".5", "12.3", "-7.1", "." for zero; no leading or trailing zero.
            return R"((?:-?(?:[1-9][0-9]*\.[1-9]?|\.[1-9])|\.))";
        case Mask::D5:
        case Mask::D6:
            // "120", "-7", and "" for a value that rounds to zero.
            return R"((?:-?[1-9][0-9]*)?)";
        case Mask::D2_2:
            return R"((?:-?(?:[1-9][0-9]*\.(?:[0-9]?[1-9])?|\.[0-9]?[1-9])|\.))";
        case Mask::D1_3:
            return R"((?:-?(?:[1-9][0-9]*\.(?:[0-9]{0,2}[1-9])?|\.[0-9]{0,2}[1-9])|\.))";
        case Mask::Fixed:
            // "0.50", "2143.73", "-1.00"; never "-0.00".
            return R"((?!-0\.00$)(?:-?(?:[1-9][0-9]*|0)\.[0-9]{2}))";
    }
    return "";
}

// The number of decimals a mask rounds to.
inline int maskDecimals(Mask mask) {
    switch (mask) {
        case Mask::D5:
        case Mask::D6:
            return 0;
        case Mask::D3_1:
        case Mask::D4_1:
        case Mask::D7_1:
        case Mask::D5_1:
            return 1;
        case Mask::D2_2:
        case Mask::Fixed:
            return 2;
        case Mask::D1_3:
            return 3;
    }
    return 0;
}

inline constexpr Mask kAllMasks[] = {Mask::D3_1, Mask::D4_1, Mask::D5,   Mask::D6,   Mask::D7_1,
                                     Mask::D2_2, Mask::D1_3, Mask::D5_1, Mask::Fixed};

}  // namespace aerolume::shapes
