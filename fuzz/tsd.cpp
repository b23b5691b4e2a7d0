// SPDX-License-Identifier: GPL-3.0-or-later
// The time, speed and distance window's fields into its core: distance and ground speed
// take the point, the slash and digits, the time the colon too. As in the window,
// exactly one field is empty, the others pass their ranges, and the core then either
// fills the empty one or reports a division by zero. A result is finite, shows as a
// caption, keeps the entries and goes round: distance = ground speed * time.

#include <cmath>
#include <cstdint>

#include "FieldTexts.h"
#include "FuzzCheck.h"
#include "common/Durations.h"
#include "navigation/TsdCore.h"

using aerolume::fuzz::Field;
using aerolume::fuzz::valueWithin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string dist = aerolume::fuzz::fieldText(data, Field{7, aerolume::kPointSlashDigits});
    const std::string gs = aerolume::fuzz::fieldText(data, Field{6, aerolume::kPointSlashDigits});
    const std::string time =
        aerolume::fuzz::fieldText(data, Field{8, aerolume::kPointSlashDigitsColon});
    if (dist.empty() + gs.empty() + time.empty() != 1) {
        return 0;  // the window asks for exactly one empty field
    }
    aerolume::TsdInput input;
    if (!dist.empty() && !(input.Distance = valueWithin(dist, 0, 20000))) {
        return 0;
    }
    if (!gs.empty() && !(input.GroundSpeed = valueWithin(gs, 0, 2000))) {
        return 0;
    }
    if (!time.empty()) {
        input.Hours = aerolume::parseDuration(time);
        if (!input.Hours || *input.Hours >= 100) {
            return 0;
        }
    }
    const auto result = aerolume::SolveTsd(input);
    if (!result) {
        const bool zeroDivisor =
            (!input.Hours && *input.GroundSpeed == 0) || (!input.GroundSpeed && *input.Hours == 0);
        FUZZ_CHECK(zeroDivisor, "no result for \"%s\" \"%s\" \"%s\"", dist.c_str(), gs.c_str(),
                   time.c_str());
        return 0;
    }
    for (const double value : {result->Distance, result->GroundSpeed, result->Hours}) {
        FUZZ_CHECK(std::isfinite(value) && value >= 0, "result %g from \"%s\" \"%s\" \"%s\"", value,
                   dist.c_str(), gs.c_str(), time.c_str());
    }
    FUZZ_CHECK(!input.Distance || result->Distance == *input.Distance, "distance changed");
    FUZZ_CHECK(!input.GroundSpeed || result->GroundSpeed == *input.GroundSpeed,
               "ground speed changed");
    FUZZ_CHECK(!input.Hours || result->Hours == *input.Hours, "time changed");
    const double product = result->GroundSpeed * result->Hours;
    FUZZ_CHECK(std::fabs(product - result->Distance) <= 1e-12 * std::fmax(1, result->Distance),
               "%.17g kt * %.17g h is not %.17g NM", result->GroundSpeed, result->Hours,
               result->Distance);
    FUZZ_CHECK(!aerolume::formatFixed(result->Distance, 1).empty(), "distance caption");
    FUZZ_CHECK(!aerolume::formatFixed(result->GroundSpeed, 1).empty(), "ground speed caption");
    FUZZ_CHECK(!aerolume::formatDuration(result->Hours).empty(), "time caption");
    return 0;
}
