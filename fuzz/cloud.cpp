// SPDX-License-Identifier: GPL-3.0-or-later
// The cloud base window's fields into its core: all three take "-", ".", "/" and
// digits and are read strictly against the window's ranges, the temperatures in C or
// F. The core gives no result exactly when the dew point is above the temperature;
// otherwise finite results with the base at or above the field and a freezing level
// above the field exactly when the field is above freezing.

#include <cmath>
#include <cstdint>
#include <optional>

#include "FieldTexts.h"
#include "FixedCaption.h"
#include "airdata/Atmosphere.h"
#include "airdata/CloudCore.h"

using aerolume::fuzz::Field;
using aerolume::fuzz::valueWithin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const bool celsius = data.ConsumeBool();
    const Field temperatureField{5, aerolume::kMinusPointSlashDigits};
    const std::string temp = aerolume::fuzz::fieldText(data, temperatureField);
    const std::string dew = aerolume::fuzz::fieldText(data, temperatureField);
    const std::string elev =
        aerolume::fuzz::fieldText(data, Field{6, aerolume::kMinusPointSlashDigits});
    const double low = celsius ? -60 : -76;
    const double high = celsius ? 60 : 140;
    auto temperature = valueWithin(temp, low, high);
    auto dewPoint = valueWithin(dew, low, high);
    const auto field = valueWithin(elev, -2000, 20000);
    if (!temperature || !dewPoint || !field) {
        return 0;  // reported by the window
    }
    if (!celsius) {
        temperature = aerolume::FahrenheitToCelsius(*temperature);
        dewPoint = aerolume::FahrenheitToCelsius(*dewPoint);
    }
    const auto r = aerolume::ComputeCloud({*temperature, *dewPoint, *field});
    FUZZ_CHECK(r.has_value() == (*dewPoint <= *temperature), "dew point %g C, temperature %g C",
               *dewPoint, *temperature);
    if (!r) {
        return 0;
    }
    aerolume::fuzz::checkFixed(r->BaseAboveField, 0, "base above the field");
    aerolume::fuzz::checkFixed(r->BaseAboveSeaLevel, 0, "base above sea level");
    FUZZ_CHECK(r->BaseAboveField >= 0, "base %g ft below the field", r->BaseAboveField);
    FUZZ_CHECK(r->BaseAboveSeaLevel >= *field, "base %g ft below the field %g ft",
               r->BaseAboveSeaLevel, *field);
    // Rules of thumb, to the nearest 100 ft (above sea level, but for the field itself).
    FUZZ_CHECK(std::fmod(r->BaseAboveField, 100) == 0, "base %g ft", r->BaseAboveField);
    FUZZ_CHECK(std::fmod(r->BaseAboveSeaLevel, 100) == 0 || r->BaseAboveSeaLevel == *field,
               "base %g ft above sea level", r->BaseAboveSeaLevel);
    FUZZ_CHECK(r->FreezingLevel.has_value() == (*temperature > 0), "freezing level at %g C",
               *temperature);
    if (r->FreezingLevel) {
        aerolume::fuzz::checkFixed(*r->FreezingLevel, 0, "freezing level");
        FUZZ_CHECK(*r->FreezingLevel >= *field, "freezing level %g ft below the field %g ft",
                   *r->FreezingLevel, *field);
    }
    return 0;
}
