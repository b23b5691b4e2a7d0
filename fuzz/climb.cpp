// SPDX-License-Identifier: GPL-3.0-or-later
// The climb and descent window's fields into its core: the altitudes take "-", ".",
// "/" and digits, the speed and the three rates ".", "/" and digits; all are read
// strictly, exactly one rate is filled and the window's ranges hold. Past those checks
// the results are finite and agree with one another: the gradient is the vertical
// speed per ground mile, the angle its arctangent, and the distance the ground speed
// times the time.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>

#include "FieldTexts.h"
#include "FixedCaption.h"
#include "common/Durations.h"
#include "navigation/ClimbCore.h"

using aerolume::fuzz::Field;
using aerolume::fuzz::valueWithin;

namespace {

bool near(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const Field altitude{6, aerolume::kMinusPointSlashDigits};
    const Field positive{6, aerolume::kPointSlashDigits};
    const std::string from = aerolume::fuzz::fieldText(data, altitude);
    const std::string to = aerolume::fuzz::fieldText(data, altitude);
    const std::string gs = aerolume::fuzz::fieldText(data, positive);
    const std::string rates[] = {aerolume::fuzz::fieldText(data, positive),
                                 aerolume::fuzz::fieldText(data, Field{5, positive.accepted}),
                                 aerolume::fuzz::fieldText(data, positive)};
    const auto fromFeet = valueWithin(from, -2000, 60000);
    const auto toFeet = valueWithin(to, -2000, 60000);
    const auto speed = valueWithin(gs, 1, 1000);
    int filled = 0;
    int given = 0;
    for (int i = 0; i < 3; ++i) {
        if (!rates[i].empty()) {
            ++filled;
            given = i;
        }
    }
    const double lows[] = {1, 0.1, 1};
    const double highs[] = {10000, 30, 3500};
    if (!fromFeet || !toFeet || !speed || filled != 1 || *fromFeet == *toFeet) {
        return 0;  // reported by the window
    }
    const auto rate = valueWithin(rates[given], lows[given], highs[given]);
    if (!rate) {
        return 0;
    }
    const aerolume::ClimbRate kinds[] = {aerolume::ClimbRate::VerticalSpeed,
                                         aerolume::ClimbRate::PathAngle,
                                         aerolume::ClimbRate::Gradient};
    const aerolume::ClimbResult r =
        aerolume::ComputeClimb({*fromFeet, *toFeet, *speed, kinds[given], *rate});
    aerolume::fuzz::checkFixed(r.VerticalSpeed, 0, "vertical speed");
    aerolume::fuzz::checkFixed(r.PathAngle, 1, "path angle");
    aerolume::fuzz::checkFixed(r.Gradient, 0, "gradient");
    aerolume::fuzz::checkFixed(r.DistanceNm, 1, "distance");
    FUZZ_CHECK(!aerolume::formatDuration(r.TimeHours).empty(), "time %g h has no caption",
               r.TimeHours);
    FUZZ_CHECK(near(r.Gradient, r.VerticalSpeed * 60 / *speed), "gradient %g, vertical speed %g",
               r.Gradient, r.VerticalSpeed);
    FUZZ_CHECK(near(r.PathAngle, std::atan(r.Gradient / aerolume::kFeetPerNauticalMile) * 180 /
                                     std::numbers::pi),
               "angle %g, gradient %g", r.PathAngle, r.Gradient);
    FUZZ_CHECK(near(r.DistanceNm, *speed * r.TimeHours), "distance %g, time %g h", r.DistanceNm,
               r.TimeHours);
    FUZZ_CHECK(r.Descent == (*toFeet < *fromFeet), "climb or descent wrong");
    return 0;
}
