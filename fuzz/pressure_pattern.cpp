// SPDX-License-Identifier: GPL-3.0-or-later
// The pressure pattern window's fields into its core: pressures and latitude take
// "." "/" and digits, airspeed and distance digits only; every field is read strictly
// and checked against its range in the window's order. Past the checks the drift and
// the correction are finite, have the sign of the pressure rise and show as captions.

#include <cmath>
#include <cstdint>

#include "FieldTexts.h"
#include "FuzzCheck.h"
#include "navigation/PressurePatternCore.h"

using aerolume::fuzz::Field;
using aerolume::fuzz::valueWithin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const Field pressureLike{6, aerolume::kPointSlashDigits};
    const std::string p1Text = aerolume::fuzz::fieldText(data, pressureLike);
    const std::string p2Text = aerolume::fuzz::fieldText(data, pressureLike);
    const std::string latText = aerolume::fuzz::fieldText(data, pressureLike);
    const std::string tasText = aerolume::fuzz::fieldText(data, Field{4, aerolume::kDigits});
    const std::string distText = aerolume::fuzz::fieldText(data, Field{5, aerolume::kDigits});

    const auto p1 = valueWithin(p1Text, 1, 35);
    const auto p2 = valueWithin(p2Text, 1, 35);
    const auto tas = valueWithin(tasText, 10, 1000);
    const auto lat = valueWithin(latText, 10, 80);
    const auto dist = valueWithin(distText, 1, 25000);
    if (!p1 || !p2 || !tas || !lat || !dist) {
        return 0;  // reported by the window
    }

    const auto result = aerolume::ComputePressurePattern({*p1, *p2, *lat, *tas, *dist});
    const double rise = *p2 - *p1;
    FUZZ_CHECK(std::isfinite(result.Drift) && std::isfinite(result.Wca), "drift %g, WCA %g",
               result.Drift, result.Wca);
    FUZZ_CHECK((rise > 0) == (result.Drift > 0) && (rise > 0) == (result.Wca > 0),
               "rise %g, drift %g, WCA %g", rise, result.Drift, result.Wca);
    // The window shows the magnitudes, with the side in words.
    aerolume::fuzz::checkCaption(std::fabs(result.Drift), aerolume::Mask::Fixed, "drift");
    aerolume::fuzz::checkCaption(std::fabs(result.Wca), aerolume::Mask::Fixed, "WCA");
    return 0;
}
