// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormatMask.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace aerolume {
namespace {

struct MaskShape {
    int decimals;
    bool point;
    bool leadingZero;  // "Fixed" prints "0" before the point
    bool trailingZeros;
};

MaskShape shapeOf(Mask mask) {
    switch (mask) {
        case Mask::D3_1:
        case Mask::D4_1:
        case Mask::D7_1:
        case Mask::D5_1:
            return {1, true, false, false};
        case Mask::D5:
        case Mask::D6:
            return {0, false, false, false};
        case Mask::D2_2:
            return {2, true, false, false};
        case Mask::D1_3:
            return {3, true, false, false};
        case Mask::Fixed:
            return {2, true, true, true};
    }
    return {0, false, false, false};
}

// The magnitude of value rounded half away from zero to `decimals` places, as a
// digit string with the point implied `decimals` places from the right. The half is
// judged on the 15 significant digits of the value, not on its binary expansion.
std::string roundedDigits(double magnitude, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);  // d.dddddddddddddde±xx
    const std::string text(buffer);
    const std::size_t ePos = text.find('e');
    const int exponent = std::atoi(text.c_str() + ePos + 1);
    std::string mantissa = text.substr(0, 1) + text.substr(2, ePos - 2);  // 15 digits

    // The digit string represents mantissa * 10^(exponent - 14). Keep the digits down
    // to 10^-decimals; `drop` is how many low digits fall away.
    const int lowestPower = exponent - 14;
    const int drop = -decimals - lowestPower;
    std::string kept;
    if (drop <= 0) {
        kept = mantissa + std::string(static_cast<std::size_t>(-drop), '0');
    } else if (drop > static_cast<int>(mantissa.size())) {
        kept.assign(1, '0');
    } else {
        const bool roundUp = mantissa[mantissa.size() - static_cast<std::size_t>(drop)] >= '5';
        kept = mantissa.substr(0, mantissa.size() - static_cast<std::size_t>(drop));
        if (kept.empty()) {
            kept.assign(1, '0');
        }
        if (roundUp) {
            int i = static_cast<int>(kept.size()) - 1;
            while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') {
                kept[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i < 0) {
                kept.insert(kept.begin(), '1');
            } else {
                ++kept[static_cast<std::size_t>(i)];
            }
        }
    }
    // At least decimals + 1 digits, so the integer part has a digit.
    if (static_cast<int>(kept.size()) < decimals + 1) {
        kept.insert(0, static_cast<std::size_t>(decimals + 1) - kept.size(), '0');
    }
    return kept;
}

}  // namespace

std::string formatMask(double value, Mask mask) {
    if (!std::isfinite(value)) {
        return {};
    }
    const MaskShape shape = shapeOf(mask);
    const std::string digits = roundedDigits(std::fabs(value), shape.decimals);
    const std::size_t intLength = digits.size() - static_cast<std::size_t>(shape.decimals);
    std::string integerPart = digits.substr(0, intLength);
    std::string fraction = digits.substr(intLength);

    const std::size_t firstNonZero = integerPart.find_first_not_of('0');
    integerPart =
        firstNonZero == std::string::npos ? std::string() : integerPart.substr(firstNonZero);
    const bool isZero = integerPart.empty() && fraction.find_first_not_of('0') == std::string::npos;

    if (!shape.trailingZeros) {
        const std::size_t last = fraction.find_last_not_of('0');
        fraction = last == std::string::npos ? std::string() : fraction.substr(0, last + 1);
    }
    if (shape.leadingZero && integerPart.empty()) {
        integerPart.assign(1, '0');
    }

    std::string result = (value < 0 && !isZero) ? "-" : "";
    result += integerPart;
    if (shape.point) {
        result += '.';
        result += fraction;
    }
    return result;
}

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value) || decimals < 0 || decimals > 6) {
        return {};
    }
    const std::string digits = roundedDigits(std::fabs(value), decimals);
    const std::size_t intLength = digits.size() - static_cast<std::size_t>(decimals);
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    std::string result = (value < 0 && !isZero) ? "-" : "";
    // roundedDigits gives at least one integer digit; drop any zeros ahead of it.
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    const std::size_t intStart =
        firstNonZero == std::string::npos ? intLength - 1 : std::min(firstNonZero, intLength - 1);
    result += digits.substr(intStart, intLength - intStart);
    if (decimals > 0) {
        result += '.';
        result += digits.substr(intLength);
    }
    return result;
}

std::string formatExact(double value) {
    if (value == 0) {
        return "0";
    }
    const double size = std::fabs(value);
    const bool plain = std::isfinite(value) && size >= 1e-6 && size < 1e15;
    std::array<char, 64> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), value,
                      plain ? std::chars_format::fixed : std::chars_format::scientific);
    return {text.data(), written.ptr};
}

const char* maskPattern(Mask mask) {
    switch (mask) {
        case Mask::D3_1:
            return "###.#";
        case Mask::D4_1:
            return "####.#";
        case Mask::D5:
            return "#####";
        case Mask::D6:
            return "######";
        case Mask::D7_1:
            return "#######.#";
        case Mask::D2_2:
            return "##.##";
        case Mask::D1_3:
            return "#.###";
        case Mask::D5_1:
            return "#####.#";
        case Mask::Fixed:
            return "Fixed";
    }
    return "";
}

}  // namespace aerolume
