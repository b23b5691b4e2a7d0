// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace aerolume {

// The display masks of result captions.
enum class Mask {
    D3_1,  // "###.#"
    D4_1,  // "####.#"
    D5,    // "#####"
    D6,    // "######"
    D7_1,  // "#######.#"
    D2_2,  // "##.##"
    D1_3,  // "#.###"
    D5_1,  // "#####.#"
    Fixed  // at least one digit before the point, exactly two after it
};

// Formats a finite value with a mask.
// A '#' prints a digit or nothing: no leading zero before the point and no trailing
// zero after it; the value is rounded to the mask's decimals with an exact half going
// away from zero, a half being judged on the value written with 15 significant
// digits (the precision a double carries), so 1.005 rounds to 1.01 under "##.##".
// Integer digits beyond the mask's width still print; there is no grouping. A mask
// with a point always prints the point ("###.#": 120 -> "120.", 0.5 -> ".5",
// 0 -> "."); a mask without one prints a value that rounds to 0 as "". A value that
// rounds to zero never carries a minus sign. "Fixed": 0.5 -> "0.50".
// A non-finite value is never formatted: callers report such results instead, and
// this function returns "" for them.
std::string formatMask(double value, Mask mask);

// A result with a leading zero and exactly `decimals` places (0 to 6), rounded as the
// masks round (half away from zero, judged on 15 significant digits): 0.5 with one
// place is "0.5", 12 is "12.0", 2 with none is "2". No grouping, and no minus sign on a
// value that rounds to zero. A non-finite value gives "".
std::string formatFixed(double value, int decimals);

// The shortest text that reads back as exactly `value`, for messages that must show
// why a value was refused: 90.0000001 stays "90.0000001", 2000000 is "2000000",
// 1e308 is "1e+308" (plain digits from 0.000001 up to below 1e15, an exponent outside).
// Minus zero is "0"; a non-finite value gives "nan", "inf" or "-inf".
std::string formatExact(double value);

// The mask's own text ("###.#", ..., "Fixed"), for messages and tests.
const char* maskPattern(Mask mask);

}  // namespace aerolume
