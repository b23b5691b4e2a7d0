// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace aerolume {

// The program's value of pi: the double nearest to the decimal 3.1415926535898.
// It lies slightly above the true pi. The route computation compares angles against
// kPi / 2 and kPi exactly, so every angle conversion must use this value.
inline constexpr double kPi = 3.1415926535898;

}  // namespace aerolume
