// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions window's fields into the conversion core, one converter per input:
// distance and volume (on a unit button), crosswind, the two-field converters of
// temperature, pressure, mass and length (Enter in a field writes its partner, and
// Enter in the partner converts the written result back), and the climb rate and
// gradient. Every text is read strictly, as the window does; a text that is not a
// number clears the result. Every result the window writes is finite and has its
// mask's shape; only a ground speed of 0 leaves the gradient empty.

#include <cmath>
#include <cstdint>

#include "FieldTexts.h"
#include "FuzzCheck.h"
#include "conversions/ConversionCore.h"

using aerolume::Mask;
using aerolume::UnitConversion;
using aerolume::fuzz::checkCaption;
using aerolume::fuzz::Field;
using aerolume::fuzz::fieldText;
using aerolume::fuzz::strictValue;

namespace {

struct TwoWay {
    UnitConversion there;
    Mask thereMask;
    UnitConversion back;
    Mask backMask;
    std::size_t maxLength;
};

// Each converter from its first field: the conversion into the partner field, and the
// one back from the partner.
constexpr TwoWay kTwoWays[] = {
    {UnitConversion::FahrenheitToCelsius, Mask::D3_1, UnitConversion::CelsiusToFahrenheit,
     Mask::D3_1, 6},
    {UnitConversion::CelsiusToFahrenheit, Mask::D3_1, UnitConversion::FahrenheitToCelsius,
     Mask::D3_1, 6},
    {UnitConversion::InchesHgToMillibars, Mask::D4_1, UnitConversion::MillibarsToInchesHg,
     Mask::D2_2, 6},
    {UnitConversion::MillibarsToInchesHg, Mask::D2_2, UnitConversion::InchesHgToMillibars,
     Mask::D4_1, 6},
    {UnitConversion::PoundsToKilograms, Mask::D3_1, UnitConversion::KilogramsToPounds, Mask::D3_1,
     11},
    {UnitConversion::KilogramsToPounds, Mask::D3_1, UnitConversion::PoundsToKilograms, Mask::D3_1,
     11},
    {UnitConversion::FeetToMetres, Mask::D3_1, UnitConversion::MetresToFeet, Mask::D3_1, 11},
    {UnitConversion::MetresToFeet, Mask::D3_1, UnitConversion::FeetToMetres, Mask::D3_1, 11},
};

void twoWay(FuzzedDataProvider& data) {
    const TwoWay& c =
        kTwoWays[data.ConsumeIntegralInRange<std::size_t>(0, std::size(kTwoWays) - 1)];
    const std::string source =
        fieldText(data, Field{c.maxLength, aerolume::kMinusPointSlashDigits});
    const auto value = strictValue(source);
    if (source.empty() || !value) {
        return;  // nothing happens, or the partner is cleared
    }
    const double result = aerolume::ConvertUnit(c.there, *value);
    checkCaption(result, c.thereMask, "converted value");
    // The partner now holds the result; Enter there converts it back.
    const std::string written = aerolume::formatMask(result, c.thereMask);
    if (const auto again = strictValue(written)) {
        checkCaption(aerolume::ConvertUnit(c.back, *again), c.backMask, "converted back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    switch (data.ConsumeIntegralInRange(0, 5)) {
        case 0: {
            const auto unit = data.PickValueInArray({aerolume::DistanceUnit::NauticalMiles,
                                                     aerolume::DistanceUnit::StatuteMiles,
                                                     aerolume::DistanceUnit::Kilometres});
            const std::string text = fieldText(data, Field{7, aerolume::kMinusPointSlashDigits});
            if (const auto distance = strictValue(text)) {
                const auto r = aerolume::ComputeDistance({*distance, unit});
                checkCaption(r.NauticalMiles, Mask::Fixed, "NM");
                checkCaption(r.StatuteMiles, Mask::Fixed, "SM");
                checkCaption(r.Kilometres, Mask::Fixed, "KM");
            }
            break;
        }
        case 1: {
            const auto unit = data.PickValueInArray({aerolume::VolumeUnit::UsGallons,
                                                     aerolume::VolumeUnit::ImperialGallons,
                                                     aerolume::VolumeUnit::Litres});
            const std::string text = fieldText(data, Field{7, aerolume::kPointSlashDigits});
            if (const auto volume = strictValue(text)) {
                const auto r = aerolume::ComputeVolume({*volume, unit});
                checkCaption(r.UsGallons, Mask::Fixed, "US gallons");
                checkCaption(r.ImperialGallons, Mask::Fixed, "imperial gallons");
                checkCaption(r.Litres, Mask::Fixed, "litres");
            }
            break;
        }
        case 2: {
            const auto velocity = strictValue(fieldText(data, Field{2, aerolume::kDigits}));
            const auto angle = strictValue(fieldText(data, Field{3, aerolume::kDigits}));
            if (velocity && angle) {
                const double crosswind = aerolume::ComputeCrosswind({*velocity, *angle});
                FUZZ_CHECK(std::fabs(crosswind) <= *velocity * (1 + 1e-12), "crosswind %g of %g",
                           crosswind, *velocity);
                checkCaption(crosswind, Mask::D3_1, "crosswind");
            }
            break;
        }
        case 3:
            twoWay(data);
            break;
        case 4:
        case 5: {
            const auto groundSpeed = strictValue(fieldText(data, Field{4, aerolume::kDigits}));
            const bool rate = data.ConsumeBool();
            const auto value =
                strictValue(fieldText(data, Field{rate ? 5u : 4u, aerolume::kDigits}));
            if (!groundSpeed || !value) {
                break;
            }
            if (rate) {
                const auto gradient = aerolume::ComputeClimbGradient({*groundSpeed, *value});
                FUZZ_CHECK(gradient.has_value() == (*groundSpeed != 0),
                           "gradient for ground speed %g", *groundSpeed);
                if (gradient) {
                    checkCaption(*gradient, Mask::D5, "gradient");
                }
            } else {
                checkCaption(aerolume::ComputeClimbRate({*groundSpeed, *value}), Mask::D5,
                             "climb rate");
            }
            break;
        }
        default:
            break;
    }
    return 0;
}
