// SPDX-License-Identifier: GPL-3.0-or-later
// Every mask on any double: a finite value gives a text of the mask's shape that
// stands for the value rounded to the mask's decimals, never "nan" or "inf"; a value
// that is not finite gives the empty text. The value comes either as the raw bits of
// a double (every double, subnormals and NaNs included) or as decimal text, which
// reaches the half-way cases ("1.005", "2.5") that rounding is judged on.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "MaskShapes.h"
#include "common/FormatMask.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const auto mask = aerolume::shapes::kAllMasks[data.ConsumeIntegralInRange<std::size_t>(
        0, std::size(aerolume::shapes::kAllMasks) - 1)];
    double value = 0;
    if (data.ConsumeBool()) {
        const auto raw = data.ConsumeIntegral<std::uint64_t>();
        std::memcpy(&value, &raw, sizeof value);
    } else {
        const std::string text = data.ConsumeRemainingBytesAsString();
        value = std::strtod(text.c_str(), nullptr);
    }
    if (!std::isfinite(value)) {
        const std::string text = aerolume::formatMask(value, mask);
        FUZZ_CHECK(text.empty(), "%g under %s gives \"%s\"", value, aerolume::maskPattern(mask),
                   text.c_str());
        return 0;
    }
    aerolume::fuzz::checkCaption(value, mask, "the value");
    return 0;
}
