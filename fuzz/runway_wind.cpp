// SPDX-License-Identifier: GPL-3.0-or-later
// The runway wind window's fields into its core: four digit fields (runway, wind
// direction, wind speed, an optional gust). Past the window's range checks the head- and
// crosswind squares add up to the square of the speed, for the wind and for the gust,
// and a component's rounded text carries a side exactly when it is not "0".

#include <cmath>
#include <cstdint>

#include "FieldTexts.h"
#include "FuzzCheck.h"
#include "navigation/RunwayWindCore.h"

using aerolume::WindComponents;
using aerolume::fuzz::Field;
using aerolume::fuzz::fieldWithin;
using aerolume::fuzz::valueWithin;

namespace {

void checkSplit(const WindComponents& split, double speed, const char* what) {
    const double square = split.Headwind * split.Headwind + split.Crosswind * split.Crosswind;
    FUZZ_CHECK(std::fabs(square - speed * speed) <= 1e-9 * std::fmax(1, speed * speed),
               "%s: %.17g^2 + %.17g^2 is not %g^2", what, split.Headwind, split.Crosswind, speed);
    for (const double component : {split.Headwind, split.Crosswind}) {
        const aerolume::RoundedComponent rounded = aerolume::RoundComponent(component);
        FUZZ_CHECK((rounded.Knots == "0") == (rounded.Sign == 0), "%s %.17g: \"%s\" sign %d", what,
                   component, rounded.Knots.c_str(), rounded.Sign);
        FUZZ_CHECK(std::fabs(component) <= speed + 1e-9, "%s component %.17g above %g", what,
                   component, speed);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const auto runway = fieldWithin(data, Field{2, aerolume::kDigits}, 1, 36);
    const auto direction = fieldWithin(data, Field{3, aerolume::kDigits}, 0, 360);
    const auto speed = fieldWithin(data, Field{3, aerolume::kDigits}, 0, 200);
    const std::string gustText = aerolume::fuzz::fieldText(data, Field{3, aerolume::kDigits});
    if (!runway || !direction || !speed) {
        return 0;
    }
    std::optional<double> gust;
    if (!gustText.empty() && !(gust = valueWithin(gustText, *speed, 200))) {
        return 0;
    }
    const aerolume::RunwayWindResult result =
        aerolume::RunwayWind({static_cast<int>(*runway), *direction, *speed, gust});
    checkSplit(result.Steady, *speed, "wind");
    FUZZ_CHECK(result.Gust.has_value() == gust.has_value(), "gust given or not");
    if (gust) {
        checkSplit(*result.Gust, *gust, "gust");
    }
    return 0;
}
