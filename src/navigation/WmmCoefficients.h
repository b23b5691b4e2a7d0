// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace aerolume {

// One row of the World Magnetic Model's coefficient table: the Schmidt semi-normalised
// Gauss coefficients g and h of degree n and order m at the model epoch, in nT, and
// their secular variation (yearly change) gDot and hDot, in nT per year. h is 0 for
// m = 0.
struct WmmCoefficient {
    int n;
    int m;
    double g;
    double h;
    double gDot;
    double hDot;
};

inline constexpr double kWmmEpoch = 2025.0;       // decimal year of the coefficients
inline constexpr double kWmmValidUntil = 2030.0;  // first decimal year past the model's life
inline constexpr int kWmmDegree = 12;             // degree and order of the expansion
// Rows for n = 1 to 12, m = 0 to n: 2 + 3 + ... + 13.
inline constexpr int kWmmRowCount = kWmmDegree * (kWmmDegree + 3) / 2;

// The World Magnetic Model 2025 coefficients, in the order of the published file
// (n ascending, then m ascending). See WmmCoefficients.cpp for their source.
extern const std::array<WmmCoefficient, kWmmRowCount> kWmm2025;

}  // namespace aerolume
