// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Summaries of repeated measurements, and the machine's load while they ran.

#include <algorithm>
#include <cstddef>
#include <fstream>
#include <string>
#include <vector>

namespace aerolume::bench {

struct Stats {
    std::size_t count = 0;
    double median = 0;  // the middle value; the mean of the two middle ones for an even count
    double p90 = 0;     // the smallest value at least 90 % of the values do not exceed
    double min = 0;
    double max = 0;
};

// All zero for no values.
inline Stats statsOf(std::vector<double> values) {
    Stats s;
    s.count = values.size();
    if (values.empty()) {
        return s;
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    s.median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    // Nearest rank: the ceil(0.9 n)-th value.
    s.p90 = values[(9 * n + 9) / 10 - 1];
    s.min = values.front();
    s.max = values.back();
    return s;
}

inline double median(std::vector<double> values) {
    return statsOf(std::move(values)).median;
}

// The 1, 5 and 15 minute load averages as /proc/loadavg gives them, or "" without it.
inline std::string loadAverage(const char* path = "/proc/loadavg") {
    std::ifstream file(path);
    std::string one, five, fifteen;
    if (!(file >> one >> five >> fifteen)) {
        return std::string();
    }
    return one + " " + five + " " + fifteen;
}

}  // namespace aerolume::bench
