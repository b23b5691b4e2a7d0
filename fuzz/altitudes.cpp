// SPDX-License-Identifier: GPL-3.0-or-later
// The density altitude window's fields into the altitude core: the altitude and
// temperature take "-", ".", "/" and digits, the altimeter setting "." "/" and digits;
// all three are read leniently, the temperature in Celsius or Fahrenheit. Past the
// window's checks the core either gives finite altitudes or reports a temperature at
// or below absolute zero, which must then be one.

#include <cstdint>

#include "FieldTexts.h"
#include "FuzzCheck.h"
#include "airdata/AltitudeCore.h"
#include "airdata/Atmosphere.h"

using aerolume::fuzz::Field;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const bool celsius = data.ConsumeBool();
    const std::string msl =
        aerolume::fuzz::fieldText(data, Field{6, aerolume::kMinusPointSlashDigits});
    const std::string alt = aerolume::fuzz::fieldText(data, Field{6, aerolume::kPointSlashDigits});
    const std::string temp =
        aerolume::fuzz::fieldText(data, Field{4, aerolume::kMinusPointSlashDigits});

    if (temp.empty()) {
        return 0;
    }
    const double entered = aerolume::fuzz::lenientValue(temp);
    const double temperature = celsius ? entered : aerolume::FahrenheitToCelsius(entered);
    const double mslAltitude = aerolume::fuzz::lenientValue(msl);
    const double altimeter = aerolume::fuzz::lenientValue(alt);
    if (msl.empty() || alt.empty() || mslAltitude <= -1500 || mslAltitude > 36000 ||
        temperature > 150 || temperature < -300 || altimeter < 27 || altimeter > 36) {
        return 0;  // reported by the window
    }

    const auto result = aerolume::ComputeAltitudes({mslAltitude, altimeter, temperature});
    if (!result) {
        FUZZ_CHECK(temperature + aerolume::kCelsiusToKelvin <= 0,
                   "no altitudes for MSL %g, altimeter %g, OAT %g C", mslAltitude, altimeter,
                   temperature);
        return 0;
    }
    FUZZ_CHECK(temperature + aerolume::kCelsiusToKelvin > 0, "altitudes below absolute zero");
    aerolume::fuzz::checkCaption(result->DensityAltitude, aerolume::Mask::D6, "density altitude");
    aerolume::fuzz::checkCaption(result->PressureAltitude, aerolume::Mask::D6, "pressure altitude");
    return 0;
}
