// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coordinates.h"

#include <cctype>
#include <cmath>
#include <vector>

#include "common/FieldReading.h"
#include "common/FormatMask.h"

namespace aerolume::planning {
namespace {

// The marks that may close a part of a typed coordinate, as UTF-8.
constexpr std::string_view kMarks[] = {"°", "′", "″", "'", "\"", "º"};

bool isHemisphere(char c, bool isLatitude) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return isLatitude ? (upper == 'N' || upper == 'S') : (upper == 'E' || upper == 'W');
}

bool isNegativeHemisphere(char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper == 'S' || upper == 'W';
}

// Splits the text into its numbers, at blanks and marks. Returns false when a
// character is neither part of a number, a blank nor a mark.
bool splitParts(std::string_view text, std::vector<std::string_view>& parts) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        bool marked = false;
        for (std::string_view mark : kMarks) {
            if (text.substr(i, mark.size()) == mark) {
                if (parts.empty()) {
                    return false;
                }
                i += mark.size();
                marked = true;
                break;
            }
        }
        if (marked) {
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() &&
               (std::isdigit(static_cast<unsigned char>(text[i])) != 0 || text[i] == '.')) {
            ++i;
        }
        if (i == start) {
            return false;
        }
        parts.push_back(text.substr(start, i - start));
    }
    return true;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::optional<double> parseCoordinate(std::string_view text, bool isLatitude) {
    text = trim(text);
    bool negative = false;
    bool signed_ = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        signed_ = true;
        text.remove_prefix(1);
    } else if (!text.empty() && isHemisphere(text.front(), isLatitude)) {
        negative = isNegativeHemisphere(text.front());
        signed_ = true;
        text.remove_prefix(1);
    }
    text = trim(text);
    if (!text.empty() && isHemisphere(text.back(), isLatitude)) {
        if (signed_) {
            return std::nullopt;
        }
        negative = isNegativeHemisphere(text.back());
        text.remove_suffix(1);
    }
    std::vector<std::string_view> parts;
    if (!splitParts(text, parts) || parts.empty() || parts.size() > 3) {
        return std::nullopt;
    }
    double value = 0;
    double scale = 1;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto number = strictNumber(parts[i]);
        if (!number) {
            return std::nullopt;
        }
        const bool last = i + 1 == parts.size();
        if (!last && *number != std::floor(*number)) {
            return std::nullopt;
        }
        if (i > 0 && !(*number < 60)) {
            return std::nullopt;
        }
        value += *number / scale;
        scale *= 60;
    }
    const double bound = isLatitude ? 90 : 180;
    if (!(value <= bound)) {
        return std::nullopt;
    }
    // No minus zero: 0 is north or east however it was typed.
    return negative && value != 0 ? -value : value;
}

std::string formatCoordinate(double degrees, bool isLatitude) {
    if (!std::isfinite(degrees)) {
        return {};
    }
    const bool negative = degrees < 0;
    const double magnitude = std::fabs(degrees);
    double whole = std::floor(magnitude);
    std::string minutes = formatFixed((magnitude - whole) * 60, 2);
    if (minutes == "60.00") {
        whole += 1;
        minutes = "0.00";
    }
    if (minutes.size() < 5) {
        minutes = '0' + minutes;  // (not insert(): GCC 12 warns wrongly on it in Release)
    }
    const bool zero = whole == 0 && minutes == "00.00";
    char hemisphere = 0;
    if (isLatitude) {
        hemisphere = negative && !zero ? 'S' : 'N';
    } else {
        hemisphere = negative && !zero ? 'W' : 'E';
    }
    return formatFixed(whole, 0) + "°" + minutes + "′" + hemisphere;
}

std::string formatPosition(double latitude, double longitude) {
    return formatCoordinate(latitude, true) + " " + formatCoordinate(longitude, false);
}

}  // namespace aerolume::planning
