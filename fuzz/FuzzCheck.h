// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the fuzz targets check besides "no crash": a property that fails prints what
// failed and aborts, which libFuzzer reports with the input that led there.

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <regex>
#include <string>

#include "MaskShapes.h"
#include "common/FormatMask.h"

#define FUZZ_CHECK(condition, ...)                                                       \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "\nproperty failed at %s:%d: %s\n", __FILE__, __LINE__, \
                         #condition);                                                    \
            std::fprintf(stderr, __VA_ARGS__);                                           \
            std::fprintf(stderr, "\n");                                                  \
            std::abort();                                                                \
        }                                                                                \
    } while (false)

namespace aerolume::fuzz {

// True when the whole text has the shape of the mask's output.
inline bool hasMaskShape(const std::string& text, Mask mask) {
    static const auto regexes = [] {
        std::array<std::regex, std::size(shapes::kAllMasks)> compiled;
        for (std::size_t i = 0; i < compiled.size(); ++i) {
            compiled[i] = std::regex(shapes::maskShapePattern(shapes::kAllMasks[i]));
        }
        return compiled;
    }();
    for (std::size_t i = 0; i < regexes.size(); ++i) {
        if (shapes::kAllMasks[i] == mask) {
            return std::regex_match(text, regexes[i]);
        }
    }
    return false;
}

inline bool mentionsNanOrInf(const std::string& text) {
    std::string lower;
    for (const char c : text) {
        lower.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
    }
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

// A caption a window shows: the value must be finite, and its text must have the
// mask's shape and stand for the value rounded to the mask's decimals.
inline void checkCaption(double value, Mask mask, const char* what) {
    FUZZ_CHECK(std::isfinite(value), "%s is %g, which the window would show as a caption", what,
               value);
    const std::string text = formatMask(value, mask);
    FUZZ_CHECK(!mentionsNanOrInf(text), "%s: %g gives \"%s\"", what, value, text.c_str());
    FUZZ_CHECK(hasMaskShape(text, mask), "%s: %g under %s gives \"%s\"", what, value,
               maskPattern(mask), text.c_str());
    // What the text reads as: "" and "." are zero.
    const bool blank = text.empty() || text == ".";
    // Read in long double: 15 significant digits of the largest doubles lie beyond them.
    const long double shown = blank ? 0.0L : std::strtold(text.c_str(), nullptr);
    const long double halfStep = 0.5L * std::pow(10.0L, -shapes::maskDecimals(mask));
    // The rounding is judged on 15 significant digits, which adds a relative error.
    const long double allowed = halfStep * (1 + 1e-9L) + std::fabs(value) * 1e-14L;
    FUZZ_CHECK(std::fabs(shown - value) <= allowed, "%s: %.17g under %s gives \"%s\"", what, value,
               maskPattern(mask), text.c_str());
    FUZZ_CHECK(text.empty() || text[0] != '-' || value < 0, "%s: %.17g gives \"%s\"", what, value,
               text.c_str());
}

}  // namespace aerolume::fuzz
