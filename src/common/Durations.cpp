// SPDX-License-Identifier: GPL-3.0-or-later
#include "Durations.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "FieldReading.h"

namespace aerolume {
namespace {

bool allDigits(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string formatDuration(double hours) {
    if (!std::isfinite(hours) || hours < 0 || hours > 1e12) {
        return {};
    }
    const auto seconds = static_cast<long long>(std::floor(hours * 3600 + 0.5));
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return buffer;
}

std::optional<double> parseDuration(std::string_view text) {
    if (text.find(':') == std::string_view::npos) {
        const std::optional<double> minutes = strictNumber(text);
        if (!minutes || *minutes < 0) {
            return std::nullopt;
        }
        return *minutes / 60;
    }
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t colon = text.find(':'); colon != std::string_view::npos;
         colon = text.find(':', start)) {
        parts.push_back(text.substr(start, colon - start));
        start = colon + 1;
    }
    parts.push_back(text.substr(start));
    if (parts.size() > 3 || !allDigits(parts[0]) || parts[0].size() > 6) {
        return std::nullopt;
    }
    double hours = std::stod(std::string(parts[0]));
    double scale = 60;
    for (std::size_t i = 1; i < parts.size(); ++i, scale *= 60) {
        if (!allDigits(parts[i]) || parts[i].size() > 2) {
            return std::nullopt;
        }
        const int value = std::stoi(std::string(parts[i]));
        if (value >= 60) {
            return std::nullopt;
        }
        hours += value / scale;
    }
    return hours;
}

}  // namespace aerolume
