// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "Constants.h"

namespace aerolume {

// Routines shared by the route computation and the conversions window. Angles are
// radians; the routines keep no state.

// Inverse cosine as arctan(-x / sqrt(1 - x*x)) + 2*arctan(1), for -1 < x < 1; result in
// (0, pi). Callers keep |x| < 1: at +-1 the quotient divides by zero, beyond it the
// root is of a negative number.
double ArcCos(double x);

// Inverse sine as arctan(x / sqrt(1 - x*x)), for -1 < x < 1; result in (-pi/2, pi/2).
double ArcSin(double x);

// The angle of the point (x, y), y given first, in (-pi, pi], with `pi` (the program's
// rounded one unless another is given). Atan2(0, 0) is 0; a negative zero y counts as
// zero, so Atan2(-0, -1) is +pi.
double Atan2(double y, double x, double pi = kPi);

// a modulo b for b > 0. For a >= 0 the result is in [0, b); for a < 0 in (0, b], so a
// negative whole multiple of b gives b (ModReal(-360, 360) is 360).
double ModReal(double a, double b);

// The key filter of numeric fields: Backspace (8) and the codes 45 to 57 ("-", ".",
// "/", digits) pass unchanged; any other key, Enter included, calls `beep` once and
// gives 0, which drops the key.
int NumericKeyFilter(int key, const std::function<void()>& beep);

}  // namespace aerolume
