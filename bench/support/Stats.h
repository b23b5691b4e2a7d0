// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Summaries of repeated measurements, and the machine's load while they ran.

#include <algorithm>
#include <cmath>
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

// A confidence interval for the median that assumes no distribution: the values of
// ranks k and n + 1 - k, for the largest k at which fewer than k of n values fall below
// the true median with probability at most (1 - confidence) / 2 (a binomial tail, each
// value below it with probability one half). `covers` is false when n is too small for
// any such k; the interval is then all the values.
struct MedianInterval {
    double low = 0;
    double high = 0;
    bool covers = false;
};

inline MedianInterval medianInterval(std::vector<double> values, double confidence = 0.95) {
    MedianInterval interval;
    if (values.empty()) {
        return interval;
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double tail = (1 - confidence) / 2;
    const double count = static_cast<double>(n);
    // log(n! / 2^n); each term is C(n, i) / 2^n.
    const double logScale = std::lgamma(count + 1) - count * std::log(2.0);
    std::size_t k = 0;  // ranks 1..k lie below with probability within the tail
    double below = 0;   // P(fewer than k + 1 values below the median)
    for (std::size_t i = 0; i < n / 2; ++i) {
        const double at = static_cast<double>(i);
        const double term = std::exp(logScale - std::lgamma(at + 1) - std::lgamma(count - at + 1));
        below += term;
        if (below > tail) {
            break;
        }
        k = i + 1;
    }
    interval.covers = k > 0;
    const std::size_t rank = std::max<std::size_t>(k, 1);
    interval.low = values[rank - 1];
    interval.high = values[n - rank];
    return interval;
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
