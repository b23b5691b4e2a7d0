// SPDX-License-Identifier: GPL-3.0-or-later
// The fuel window's fields and option buttons into its core: flow and amount take the
// point, the slash and digits, the time the colon too; one of four units and one of two
// fuels. Past the window's checks (exactly one field empty, each in its range) the core
// fills the empty one or reports a division by zero. The results are finite, the amount
// is flow * time, and the amount in every unit converts back to the same amount.

#include <cmath>
#include <cstdint>

#include "FieldTexts.h"
#include "FuzzCheck.h"
#include "common/Durations.h"
#include "navigation/FuelCore.h"

using aerolume::FuelUnit;
using aerolume::fuzz::Field;
using aerolume::fuzz::valueWithin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    aerolume::FuelInput input;
    input.Unit = aerolume::kFuelUnits[data.ConsumeIntegralInRange<std::size_t>(0, 3)];
    input.Kind = data.ConsumeBool() ? aerolume::FuelKind::JetA : aerolume::FuelKind::AvGas;
    const std::string flow = aerolume::fuzz::fieldText(data, Field{7, aerolume::kPointSlashDigits});
    const std::string time =
        aerolume::fuzz::fieldText(data, Field{8, aerolume::kPointSlashDigitsColon});
    const std::string amount =
        aerolume::fuzz::fieldText(data, Field{8, aerolume::kPointSlashDigits});
    if (flow.empty() + time.empty() + amount.empty() != 1) {
        return 0;
    }
    if (!flow.empty() && !(input.Flow = valueWithin(flow, 0, 99999))) {
        return 0;
    }
    if (!time.empty()) {
        input.Hours = aerolume::parseDuration(time);
        if (!input.Hours || *input.Hours >= 100) {
            return 0;
        }
    }
    if (!amount.empty() && !(input.Amount = valueWithin(amount, 0, 999999))) {
        return 0;
    }
    const auto result = aerolume::SolveFuel(input);
    if (!result) {
        const bool zeroDivisor =
            (!input.Hours && *input.Flow == 0) || (!input.Flow && *input.Hours == 0);
        FUZZ_CHECK(zeroDivisor, "no result for \"%s\" \"%s\" \"%s\"", flow.c_str(), time.c_str(),
                   amount.c_str());
        return 0;
    }
    const double scale = std::fmax(1, result->Amount);
    FUZZ_CHECK(std::fabs(result->Flow * result->Hours - result->Amount) <= 1e-12 * scale,
               "%.17g * %.17g h is not %.17g", result->Flow, result->Hours, result->Amount);
    for (std::size_t i = 0; i < aerolume::kFuelUnits.size(); ++i) {
        const double inUnit = result->AmountIn[i];
        FUZZ_CHECK(std::isfinite(inUnit) && inUnit >= 0, "amount in unit %zu is %g", i, inUnit);
        FUZZ_CHECK(!aerolume::formatFixed(inUnit, 1).empty(), "caption of %g", inUnit);
        const double back =
            aerolume::ConvertFuel(inUnit, aerolume::kFuelUnits[i], input.Unit, input.Kind);
        FUZZ_CHECK(std::fabs(back - result->Amount) <= 1e-12 * scale,
                   "unit %zu: %.17g converts back to %.17g, not %.17g", i, inUnit, back,
                   result->Amount);
        if (aerolume::kFuelUnits[i] == input.Unit) {
            FUZZ_CHECK(inUnit == result->Amount, "the chosen unit's amount changed");
        }
    }
    FUZZ_CHECK(!aerolume::formatDuration(result->Hours).empty(), "time caption");
    return 0;
}
