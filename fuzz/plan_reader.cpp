// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log's plan file reader on any bytes: it either refuses them with a
// message or gives a plan whose every value lies in its documented range; that plan
// written and read again is the same plan; and its computation shows nothing but
// finite numbers.

#include <QByteArray>
#include <cmath>
#include <cstdint>
#include <variant>

#include "FuzzCheck.h"
#include "planning/PlanFile.h"

using namespace aerolume::planning;

namespace {

void checkFinite(const std::optional<double>& value, const char* what) {
    FUZZ_CHECK(!value || std::isfinite(*value), "%s is %g", what, *value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    const auto read = readPlan(input);
    if (const auto* message = std::get_if<QString>(&read)) {
        FUZZ_CHECK(!message->isEmpty(), "a refusal without a message");
        return 0;
    }
    const Plan& plan = std::get<Plan>(read);
    FUZZ_CHECK(plan.checkpoints.size() <= kMaxCheckpoints, "%zu checkpoints",
               plan.checkpoints.size());
    for (const Checkpoint& point : plan.checkpoints) {
        FUZZ_CHECK(kLatitudeRange.contains(point.latitude), "latitude %g", point.latitude);
        FUZZ_CHECK(kLongitudeRange.contains(point.longitude), "longitude %g", point.longitude);
    }
    FUZZ_CHECK(!plan.date || (plan.date->year >= kMinPlanYear && plan.date->year <= kMaxPlanYear),
               "date year %d", plan.date ? plan.date->year : 0);
    const auto again = readPlan(writePlan(plan));
    FUZZ_CHECK(std::holds_alternative<Plan>(again), "a written plan is refused: %s",
               qPrintable(std::get<QString>(again)));
    FUZZ_CHECK(std::get<Plan>(again) == plan, "a written plan reads back differently");

    const PlanResult result = ComputePlan(plan);
    FUZZ_CHECK(result.legs.size() + 1 == std::max<std::size_t>(plan.checkpoints.size(), 1),
               "%zu legs for %zu checkpoints", result.legs.size(), plan.checkpoints.size());
    for (const LegResult& leg : result.legs) {
        checkFinite(leg.trueCourse, "course");
        checkFinite(leg.distance, "distance");
        checkFinite(leg.groundSpeed, "ground speed");
        checkFinite(leg.time, "time");
        checkFinite(leg.fuelRemaining, "fuel remaining");
        FUZZ_CHECK(
            std::isfinite(leg.conditions.variation) && std::fabs(leg.conditions.variation) <= 180,
            "variation %g", leg.conditions.variation);
        FUZZ_CHECK(!leg.groundSpeed || *leg.groundSpeed > 0, "ground speed %g", *leg.groundSpeed);
        FUZZ_CHECK(
            !leg.magneticHeading || (*leg.magneticHeading >= 0 && *leg.magneticHeading < 360),
            "magnetic heading %.17g", *leg.magneticHeading);
        FUZZ_CHECK((leg.status == LegStatus::Ok) == leg.groundSpeed.has_value() ||
                       leg.status == LegStatus::ZeroLength,
                   "status against ground speed");
    }
    checkFinite(result.greatCircleDistance, "great circle");
    return 0;
}
