// SPDX-License-Identifier: GPL-3.0-or-later
// The latitude/longitude window's twelve fields and four hemisphere choices into the
// route computation. The six departure fields are filled from the settings store and
// may hold any text; the destination fields take "." "/" and digits. As in the window,
// a blank field is 0, a text that is not a number (or has a minus sign) is invalid,
// the degree bounds come first, then the minutes and seconds. The core then either
// reports one of its errors, each with a message, or gives finite routes: the
// great-circle distance at most half the circumference, courses within one turn and
// a rhumb line no shorter than the great circle.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <variant>

#include "FieldTexts.h"
#include "FuzzCheck.h"
#include "navigation/RoutesCore.h"

using aerolume::RouteInput;
using aerolume::fuzz::Field;

namespace {

std::optional<double> reading(const std::string& text) {
    if (text.empty()) {
        return 0.0;
    }
    const auto value = aerolume::fuzz::strictValue(text);
    if (value && *value < 0) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    RouteInput input;
    input.DepSouth = data.ConsumeBool();
    input.DepEast = data.ConsumeBool();
    input.DestSouth = data.ConsumeBool();
    input.DestEast = data.ConsumeBool();

    const Field departure{12, aerolume::kPointSlashDigits, true};
    const Field destination{12, aerolume::kPointSlashDigits};
    double RouteInput::*const degrees[] = {&RouteInput::DepLatDeg, &RouteInput::DepLongDeg,
                                           &RouteInput::DestLatDeg, &RouteInput::DestLongDeg};
    double RouteInput::*const minutesAndSeconds[] = {
        &RouteInput::DepLatMin,   &RouteInput::DepLatSec,  &RouteInput::DepLongMin,
        &RouteInput::DepLongSec,  &RouteInput::DestLatMin, &RouteInput::DestLatSec,
        &RouteInput::DestLongMin, &RouteInput::DestLongSec};
    std::string degreeTexts[4];
    std::string otherTexts[8];
    for (int i = 0; i < 4; ++i) {
        degreeTexts[i] = aerolume::fuzz::fieldText(data, i < 2 ? departure : destination);
    }
    for (int i = 0; i < 8; ++i) {
        otherTexts[i] = aerolume::fuzz::fieldText(data, i < 4 ? departure : destination);
    }

    for (int i = 0; i < 4; ++i) {
        input.*degrees[i] =
            reading(degreeTexts[i]).value_or(std::numeric_limits<double>::quiet_NaN());
    }
    if (aerolume::CheckDegreeBounds(input)) {
        return 0;  // reported by the window
    }
    for (int i = 0; i < 8; ++i) {
        const auto value = reading(otherTexts[i]);
        if (!value) {
            return 0;  // reported by the window
        }
        input.*minutesAndSeconds[i] = *value;
    }

    const auto outcome = aerolume::ComputeRoutes(input);
    if (const auto* error = std::get_if<aerolume::RouteError>(&outcome)) {
        FUZZ_CHECK(std::strlen(aerolume::RouteErrorMessage(*error)) > 0, "error %d has no message",
                   static_cast<int>(*error));
        return 0;
    }
    const auto& result = std::get<aerolume::RouteResult>(outcome);
    FUZZ_CHECK(result.GreatCircleDistance > 0 && result.GreatCircleDistance <= 10800 + 1e-6,
               "great circle %.17g NM", result.GreatCircleDistance);
    FUZZ_CHECK(result.GreatCircleCourse >= 0 && result.GreatCircleCourse <= 360,
               "great-circle course %.17g", result.GreatCircleCourse);
    FUZZ_CHECK(result.RhumbLineCourse >= 0 && result.RhumbLineCourse <= 360,
               "rhumb-line course %.17g", result.RhumbLineCourse);
    FUZZ_CHECK(std::isfinite(result.RhumbLineDistance) && result.RhumbLineDistance > 0,
               "rhumb line %.17g NM", result.RhumbLineDistance);
    // The rhumb line folds the longitudes into one turn of the program's pi, which is
    // not quite the sines' period: over millions of turns (minutes are unbounded) the
    // two routes see slightly different longitudes. Within two turns they agree up to
    // rounding: the logarithm of a ratio near 1 (latitudes a hair apart) and the cosine
    // that stands in for it below sqrt(1E-15) leave relative errors of some 1E-6 near
    // the poles.
    const auto inDegrees = [](double deg, double min, double sec) {
        return deg + (min + sec / 60) / 60;
    };
    const bool withinTwoTurns =
        inDegrees(input.DepLongDeg, input.DepLongMin, input.DepLongSec) <= 720 &&
        inDegrees(input.DestLongDeg, input.DestLongMin, input.DestLongSec) <= 720;
    // Where the cosine stands in (latitudes less than sqrt(1E-15) apart), its relative
    // error is about their difference over the distance to the pole: 3E-3 one second of
    // arc from the pole, on a rhumb line of a few metres.
    const double toRadians = aerolume::kPi / 180;
    const double lat1 = inDegrees(input.DepLatDeg, input.DepLatMin, input.DepLatSec) *
                        (input.DepSouth ? -toRadians : toRadians);
    const double lat2 = inDegrees(input.DestLatDeg, input.DestLatMin, input.DestLatSec) *
                        (input.DestSouth ? -toRadians : toRadians);
    const double apart = std::fabs(lat2 - lat1);
    const double fromPole = aerolume::kPi / 2 - std::max(std::fabs(lat1), std::fabs(lat2));
    const double slack =
        apart < std::sqrt(1E-15) && fromPole > 0 ? std::max(1e-5, 2 * apart / fromPole) : 1e-5;
    FUZZ_CHECK(
        !withinTwoTurns || result.RhumbLineDistance >= result.GreatCircleDistance * (1 - slack),
        "rhumb line %.17g NM, great circle %.17g NM, from %.17g %.17g %.17g %d / %.17g "
        "%.17g %.17g %d to %.17g %.17g %.17g %d / %.17g %.17g %.17g %d",
        result.RhumbLineDistance, result.GreatCircleDistance, input.DepLatDeg, input.DepLatMin,
        input.DepLatSec, input.DepSouth, input.DepLongDeg, input.DepLongMin, input.DepLongSec,
        input.DepEast, input.DestLatDeg, input.DestLatMin, input.DestLatSec, input.DestSouth,
        input.DestLongDeg, input.DestLongMin, input.DestLongSec, input.DestEast);
    aerolume::fuzz::checkCaption(result.GreatCircleDistance, aerolume::Mask::Fixed, "distance");
    aerolume::fuzz::checkCaption(result.GreatCircleCourse, aerolume::Mask::Fixed, "course");
    aerolume::fuzz::checkCaption(result.RhumbLineCourse, aerolume::Mask::Fixed, "rhumb course");
    aerolume::fuzz::checkCaption(result.RhumbLineDistance, aerolume::Mask::Fixed, "rhumb distance");
    return 0;
}
