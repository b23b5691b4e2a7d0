// SPDX-License-Identifier: GPL-3.0-or-later
// The speed window's fields into the airspeed core: airspeed and altimeter setting take
// "." "/" and digits, altitude and temperature "-" as well; the temperature is read
// leniently (Celsius or Fahrenheit), the other three strictly. Past the window's checks
// the core either gives a finite true airspeed and Mach number or reports a
// temperature at or below absolute zero, which must then be one.

#include <cmath>
#include <cstdint>

#include "FieldTexts.h"
#include "FuzzCheck.h"
#include "airdata/AirspeedCore.h"
#include "airdata/Atmosphere.h"

using aerolume::fuzz::Field;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const bool celsius = data.ConsumeBool();
    const std::string cas = aerolume::fuzz::fieldText(data, Field{4, aerolume::kPointSlashDigits});
    const std::string msl =
        aerolume::fuzz::fieldText(data, Field{6, aerolume::kMinusPointSlashDigits});
    const std::string baro = aerolume::fuzz::fieldText(data, Field{6, aerolume::kPointSlashDigits});
    const std::string oat =
        aerolume::fuzz::fieldText(data, Field{4, aerolume::kMinusPointSlashDigits});
    if (cas.empty() || msl.empty() || baro.empty() || oat.empty()) {
        return 0;
    }
    const double entered = aerolume::fuzz::lenientValue(oat);
    const double temperature = celsius ? entered : aerolume::FahrenheitToCelsius(entered);
    const auto airspeed = aerolume::fuzz::strictValue(cas);
    const auto altitude = aerolume::fuzz::strictValue(msl);
    const auto altimeter = aerolume::fuzz::strictValue(baro);
    if (!airspeed || *airspeed > 2000 || !(*airspeed > 0) || !altitude || *altitude > 36000 ||
        *altitude < -1500 || !altimeter || *altimeter > 36 || *altimeter < 27 ||
        temperature > 150 || temperature < -300) {
        return 0;  // reported by the window
    }

    const auto result = aerolume::ComputeAirspeed({*airspeed, *altitude, *altimeter, temperature});
    if (!result) {
        FUZZ_CHECK(temperature + aerolume::kCelsiusToKelvin <= 0,
                   "no airspeed for CAS %g, MSL %g, altimeter %g, OAT %g C", *airspeed, *altitude,
                   *altimeter, temperature);
        return 0;
    }
    FUZZ_CHECK(result->TrueAirspeed > 0 && result->Mach > 0, "TAS %g, Mach %g",
               result->TrueAirspeed, result->Mach);
    aerolume::fuzz::checkCaption(result->TrueAirspeed, aerolume::Mask::D5_1, "true airspeed");
    aerolume::fuzz::checkCaption(result->Mach, aerolume::Mask::D1_3, "Mach number");
    return 0;
}
