// SPDX-License-Identifier: GPL-3.0-or-later
// The wind window's fields into the wind triangle: the four fields take digits only
// (at most four), their change handlers keep the lenient value, and the checks run in
// the window's order. Past them the core must either solve the triangle with finite,
// sensible results, the ground speed being the aircraft's speed along the course, or
// report a crosswind that is at least the airspeed, or a wind faster than the
// airspeed with a head wind component.

#include <cmath>
#include <cstdint>
#include <variant>

#include "FieldTexts.h"
#include "FuzzCheck.h"
#include "common/Constants.h"
#include "navigation/WindCore.h"

using aerolume::kDigits;
using aerolume::fuzz::Field;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const Field digits{4, kDigits};
    const std::string wind = aerolume::fuzz::fieldText(data, digits);
    const std::string windVel = aerolume::fuzz::fieldText(data, digits);
    const std::string tc = aerolume::fuzz::fieldText(data, digits);
    const std::string tas = aerolume::fuzz::fieldText(data, digits);

    const double windDirection = aerolume::fuzz::lenientValue(wind);
    const double windSpeed = aerolume::fuzz::lenientValue(windVel);
    const double trueCourse = aerolume::fuzz::lenientValue(tc);
    const double trueAirspeed = aerolume::fuzz::lenientValue(tas);
    if (wind.empty() || windVel.empty() || tc.empty() || tas.empty() || trueAirspeed == 0 ||
        windDirection > 360 || windSpeed > 200 || trueCourse > 360 || trueAirspeed > 1000) {
        return 0;  // the window reports these before it computes
    }

    const auto outcome =
        aerolume::ComputeWind({windDirection, windSpeed, trueCourse, trueAirspeed});
    const double k = aerolume::kPi / 180;
    if (const auto* error = std::get_if<aerolume::WindError>(&outcome)) {
        if (*error == aerolume::WindError::CrosswindTooStrong) {
            FUZZ_CHECK(windSpeed * std::fabs(std::sin((windDirection - trueCourse) * k)) >=
                           trueAirspeed * (1 - 1e-12),
                       "no solution for wind %g/%g, course %g, TAS %g", windDirection, windSpeed,
                       trueCourse, trueAirspeed);
        } else {
            FUZZ_CHECK(windSpeed > trueAirspeed && std::cos((windDirection - trueCourse) * k) > 0,
                       "drifting backwards with wind %g/%g, course %g, TAS %g", windDirection,
                       windSpeed, trueCourse, trueAirspeed);
        }
        return 0;
    }
    const auto* result = std::get_if<aerolume::WindResult>(&outcome);
    FUZZ_CHECK(std::fabs(result->Wca) < 90, "WCA %g", result->Wca);
    FUZZ_CHECK(result->TrueHeading >= 0 && result->TrueHeading < 360, "heading %.17g",
               result->TrueHeading);
    // The ground speed closes the triangle of airspeed and wind speed.
    const double slack = 1e-9 * (trueAirspeed + windSpeed);
    FUZZ_CHECK(result->GroundSpeed >= std::fabs(trueAirspeed - windSpeed) - slack &&
                   result->GroundSpeed <= trueAirspeed + windSpeed + slack,
               "ground speed %.17g from TAS %g and wind %g", result->GroundSpeed, trueAirspeed,
               windSpeed);
    // The ground vector lies on the course line: its length is the aircraft's speed
    // along the course, the airspeed's part plus the wind's (the wind blows towards
    // its direction + 180), and never negative. Near a ground speed of 0 the law of
    // cosines takes the square root of a rounding error, hence the looser bound.
    const double alongCourse = trueAirspeed * std::cos(result->Wca * k) +
                               windSpeed * std::cos((windDirection + 180 - trueCourse) * k);
    FUZZ_CHECK(std::fabs(result->GroundSpeed - alongCourse) <= 1e-6 * (trueAirspeed + windSpeed),
               "ground speed %.17g, along the course %.17g, wind %g/%g, course %g, TAS %g",
               result->GroundSpeed, alongCourse, windDirection, windSpeed, trueCourse,
               trueAirspeed);
    aerolume::fuzz::checkCaption(std::fabs(result->Wca), aerolume::Mask::D3_1, "WCA");
    aerolume::fuzz::checkCaption(result->TrueHeading, aerolume::Mask::D3_1, "true heading");
    aerolume::fuzz::checkCaption(result->GroundSpeed, aerolume::Mask::D4_1, "ground speed");
    return 0;
}
