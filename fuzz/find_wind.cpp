// SPDX-License-Identifier: GPL-3.0-or-later
// The wind from ground speed window's fields into its core: headings and courses take
// digits (three at most), the speeds the point, the slash and digits. Past the window's
// range checks the wind found must close the triangle (air vector + wind = ground
// vector), its direction lie in one turn and show as "001" to "360", and its
// components along the track add up to its speed.

#include <cmath>
#include <cstdint>
#include <regex>

#include "FieldTexts.h"
#include "FuzzCheck.h"
#include "common/Constants.h"
#include "navigation/FindWindCore.h"

using aerolume::fuzz::Field;
using aerolume::fuzz::fieldWithin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const Field angle{3, aerolume::kDigits};
    const Field speed{6, aerolume::kPointSlashDigits};
    const auto th = fieldWithin(data, angle, 0, 360);
    const auto tas = fieldWithin(data, speed, 1, 1000);
    const auto tc = fieldWithin(data, angle, 0, 360);
    const auto gs = fieldWithin(data, speed, 0, 1500);
    if (!th || !tas || !tc || !gs) {
        return 0;  // the window reports these before it computes
    }
    const aerolume::FindWindResult wind = aerolume::FindWind({*th, *tas, *tc, *gs});
    FUZZ_CHECK(std::isfinite(wind.Speed) && wind.Speed >= 0, "wind speed %g", wind.Speed);
    FUZZ_CHECK(wind.Direction >= 0 && wind.Direction < 360, "direction %.17g", wind.Direction);
    // Air vector plus wind (which blows towards Direction + 180) is the ground vector.
    const double k = aerolume::kPi / 180;
    const double north = *tas * std::cos(*th * k) - wind.Speed * std::cos(wind.Direction * k);
    const double east = *tas * std::sin(*th * k) - wind.Speed * std::sin(wind.Direction * k);
    const double slack = 1e-9 * (*tas + *gs);
    FUZZ_CHECK(std::fabs(north - *gs * std::cos(*tc * k)) <= slack &&
                   std::fabs(east - *gs * std::sin(*tc * k)) <= slack,
               "TH %g TAS %g + wind %.17g/%.17g misses TC %g GS %g", *th, *tas, wind.Direction,
               wind.Speed, *tc, *gs);
    const double h = wind.AlongTrack.Headwind;
    const double c = wind.AlongTrack.Crosswind;
    FUZZ_CHECK(std::fabs(std::hypot(h, c) - wind.Speed) <= 1e-9 * std::fmax(1, wind.Speed),
               "components %g, %g of a wind of %g", h, c, wind.Speed);
    static const std::regex threeDigits("00[1-9]|0[1-9][0-9]|[12][0-9][0-9]|3[0-5][0-9]|360");
    const std::string degrees = aerolume::WholeDegrees(wind.Direction);
    FUZZ_CHECK(std::regex_match(degrees, threeDigits), "%.17g shows as \"%s\"", wind.Direction,
               degrees.c_str());
    for (const double component : {h, c}) {
        const aerolume::RoundedComponent rounded = aerolume::RoundComponent(component);
        FUZZ_CHECK((rounded.Knots == "0") == (rounded.Sign == 0), "%.17g: \"%s\" sign %d",
                   component, rounded.Knots.c_str(), rounded.Sign);
    }
    return 0;
}
