// SPDX-License-Identifier: GPL-3.0-or-later
// Positions as the navigation log takes them: any text either gives no value or a
// latitude or longitude within its bounds, which shown and read back again lands
// within the hundredth of a minute the display keeps.

#include <cmath>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "planning/Coordinates.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool latitude = (bytes[0] & 1) != 0;
    const std::string text(reinterpret_cast<const char*>(bytes + 1), size - 1);
    const auto value = aerolume::planning::parseCoordinate(text, latitude);
    if (!value) {
        return 0;
    }
    const double bound = latitude ? 90 : 180;
    FUZZ_CHECK(std::isfinite(*value) && std::fabs(*value) <= bound, "\"%s\" read as %.17g",
               text.c_str(), *value);
    FUZZ_CHECK(!(*value == 0 && std::signbit(*value)), "\"%s\" read as minus zero", text.c_str());
    const std::string shown = aerolume::planning::formatCoordinate(*value, latitude);
    const auto back = aerolume::planning::parseCoordinate(shown, latitude);
    FUZZ_CHECK(back.has_value(), "\"%s\" shown as \"%s\" does not read back", text.c_str(),
               shown.c_str());
    FUZZ_CHECK(std::fabs(*back - *value) <= 0.005 / 60 + 1e-9, "\"%s\" shown as \"%s\" reads %.17g",
               text.c_str(), shown.c_str(), *back);
    return 0;
}
