// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldReading.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace aerolume {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the longest prefix of text shaped like -?digits*(.digits*)? holding at
// least one digit, or 0 when there is none.
std::size_t numberPrefixLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    std::size_t end = digits > 0 ? i : 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (digits > 0) {
            end = i;  // "7." is a number
        }
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
            end = i;
        }
    }
    return digits > 0 ? end : 0;
}

// Converts a text already known to be shaped like a number. from_chars does not take
// "7." or "-.5" in every library, so the shape is normalised first.
std::optional<double> convertNumber(std::string_view shaped) {
    std::string text(shaped);
    if (text.back() == '.') {
        text.push_back('0');
    }
    const bool negative = text.front() == '-';
    std::string_view body(text);
    if (negative) {
        body.remove_prefix(1);
    }
    std::string digits;
    if (body.front() == '.') {
        digits.push_back('0');
    }
    digits.append(body);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || ptr != digits.data() + digits.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<double> strictNumber(std::string_view text) {
    const std::size_t length = numberPrefixLength(text);
    if (length == 0 || length != text.size()) {
        return std::nullopt;
    }
    return convertNumber(text);
}

double lenientNumber(std::string_view text) {
    const std::size_t length = numberPrefixLength(text);
    if (length == 0) {
        return 0.0;
    }
    const std::string_view prefix = text.substr(0, length);
    if (const auto value = convertNumber(prefix)) {
        return *value;
    }
    // Only a number of hundreds of digits overflows; it reads as the largest double.
    return prefix.front() == '-' ? std::numeric_limits<double>::lowest()
                                 : std::numeric_limits<double>::max();
}

}  // namespace aerolume
