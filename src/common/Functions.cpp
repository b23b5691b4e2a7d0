// SPDX-License-Identifier: GPL-3.0-or-later
#include "Functions.h"

#include <cmath>

#include "KeyCodes.h"

namespace aerolume {

double ArcCos(double x) {
    // The order of evaluation is part of the result: the root, arctan(1), the quotient,
    // its arctangent, then the sum.
    const double root = std::sqrt(-x * x + 1);
    const double quarterPi = std::atan(1.0);
    const double angle = std::atan(-x / root);
    return angle + 2 * quarterPi;
}

double ArcSin(double x) {
    return std::atan(x / std::sqrt(-x * x + 1));
}

double Atan2(double y, double x, double pi) {
    double result = 0;
    if (x > 0) {
        result = std::atan(y / x);
    } else if (x < 0 && y >= 0) {
        result = std::atan(y / x) + pi;
    } else if (x == 0 && y > 0) {
        result = pi / 2;
    } else if (x < 0 && y < 0) {
        result = std::atan(y / x) - pi;
    } else if (x == 0 && y < 0) {
        result = -pi / 2;
    }
    return result;
}

double ModReal(double a, double b) {
    if (a >= 0) {
        return a - b * std::floor(a / b);
    }
    return a + b * (std::floor(-a / b) + 1);
}

int NumericKeyFilter(int key, const std::function<void()>& beep) {
    if (keyPasses(key, kMinusPointSlashDigits)) {
        return key;
    }
    beep();
    return 0;
}

}  // namespace aerolume
