// SPDX-License-Identifier: GPL-3.0-or-later
// The atmosphere window's fields into the standard atmosphere: altitude, temperature
// and elevation take "-", ".", "/" and digits, the setting ".", "/" and digits; each is
// read strictly against the window's range in its unit (hPa or inHg, C or F), the
// temperature and elevation optional. The core either gives finite results, whose
// static pressure leads back to the pressure altitude, or reports a height outside the
// model, which must then be one. A standard day (the temperature the core reports as
// standard, fed back) gives a density altitude equal to the pressure altitude.

#include <cmath>
#include <cstdint>
#include <optional>

#include "FieldTexts.h"
#include "FixedCaption.h"
#include "airdata/Atmosphere.h"
#include "airdata/StandardAtmosphere.h"

using aerolume::fuzz::Field;
using aerolume::fuzz::valueWithin;
namespace isa = aerolume::isa;

namespace {

void checkResult(const aerolume::AtmosphereResult& r) {
    aerolume::fuzz::checkFixed(r.PressureAltitude, 0, "pressure altitude");
    aerolume::fuzz::checkFixed(r.IsaTemperature, 1, "ISA temperature");
    aerolume::fuzz::checkFixed(r.StaticPressureHpa, 1, "static pressure");
    aerolume::fuzz::checkFixed(r.StaticPressureInHg, 2, "static pressure inHg");
    const double back = isa::heightOfPressure(r.StaticPressureHpa) / isa::kMetresPerFoot;
    FUZZ_CHECK(std::fabs(back - r.PressureAltitude) < 1e-6 * (1 + std::fabs(back)),
               "pressure %g hPa is at %g ft, not at the pressure altitude %g ft",
               r.StaticPressureHpa, back, r.PressureAltitude);
    if (r.WithOat) {
        aerolume::fuzz::checkFixed(r.WithOat->IsaDeviation, 1, "ISA deviation");
        aerolume::fuzz::checkFixed(r.WithOat->DensityAltitude, 0, "density altitude");
        aerolume::fuzz::checkFixed(r.WithOat->TrueAltitude, 0, "true altitude");
        aerolume::fuzz::checkFixed(r.WithOat->DensityRatio, 4, "density ratio");
        aerolume::fuzz::checkFixed(r.WithOat->SpeedOfSound, 0, "speed of sound");
        FUZZ_CHECK(r.WithOat->DensityRatio > 0, "density ratio %g", r.WithOat->DensityRatio);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const bool hpa = data.ConsumeBool();
    const bool celsius = data.ConsumeBool();
    const Field signedField{6, aerolume::kMinusPointSlashDigits};
    const std::string alt = aerolume::fuzz::fieldText(data, signedField);
    const std::string setting =
        aerolume::fuzz::fieldText(data, Field{7, aerolume::kPointSlashDigits});
    const std::string oat = aerolume::fuzz::fieldText(data, signedField);
    const std::string elev = aerolume::fuzz::fieldText(data, signedField);

    const auto indicated = valueWithin(alt, -2000, 65000);
    const auto entered = valueWithin(setting, hpa ? 850 : 25.10, hpa ? 1100 : 32.48);
    std::optional<double> temperature;
    if (!oat.empty()) {
        temperature = valueWithin(oat, celsius ? -100 : -148, celsius ? 60 : 140);
        if (!temperature) {
            return 0;
        }
        if (!celsius) {
            temperature = aerolume::FahrenheitToCelsius(*temperature);
        }
    }
    std::optional<double> station = 0.0;
    if (!elev.empty()) {
        station = valueWithin(elev, -2000, 20000);
    }
    if (!indicated || !entered || !station) {
        return 0;  // reported by the window
    }
    const double settingHpa = hpa ? *entered : isa::inHgToHpa(*entered);
    const auto out = aerolume::ComputeAtmosphere({*indicated, settingHpa, temperature, *station});
    const double pressureFeet =
        *indicated + isa::heightOfPressure(settingHpa) / isa::kMetresPerFoot;
    if (!out.Result) {
        using aerolume::AtmosphereFault;
        switch (out.Fault) {
            case AtmosphereFault::PressureAltitudeAboveCeiling:
                FUZZ_CHECK(pressureFeet * isa::kMetresPerFoot > isa::kCeiling,
                           "%g ft reported above the top", pressureFeet);
                break;
            case AtmosphereFault::PressureAltitudeBelowFloor:
                FUZZ_CHECK(pressureFeet < aerolume::kAtmosphereFloorFeet,
                           "%g ft reported below the floor", pressureFeet);
                break;
            case AtmosphereFault::DensityAltitudeAboveCeiling:
                FUZZ_CHECK(temperature.has_value(), "a density altitude without a temperature");
                break;
            case AtmosphereFault::AtOrBelowAbsoluteZero:
                FUZZ_CHECK(temperature && *temperature <= -isa::kKelvin, "%g C is above 0 K",
                           *temperature);
                break;
        }
        return 0;
    }
    checkResult(*out.Result);
    FUZZ_CHECK(out.Result->WithOat.has_value() == temperature.has_value(),
               "temperature results without a temperature, or none with one");

    // The same altitude on a standard day.
    const auto standard =
        aerolume::ComputeAtmosphere({*indicated, settingHpa, out.Result->IsaTemperature, *station});
    FUZZ_CHECK(standard.Result && standard.Result->WithOat, "no results on a standard day at %g ft",
               out.Result->PressureAltitude);
    checkResult(*standard.Result);
    const double pa = standard.Result->PressureAltitude;
    FUZZ_CHECK(
        std::fabs(standard.Result->WithOat->DensityAltitude - pa) < 1e-6 * (1 + std::fabs(pa)),
        "standard day at %g ft: density altitude %g ft", pa,
        standard.Result->WithOat->DensityAltitude);
    return 0;
}
