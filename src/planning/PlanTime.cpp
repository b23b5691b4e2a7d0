// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanTime.h"

#include <cmath>

namespace aerolume::planning {

namespace {
constexpr double kMinutesPerDay = 24 * 60;
}  // namespace

bool isValidTime(const TimeOfDay& time) {
    return time.hour >= 0 && time.hour <= 23 && time.minute >= 0 && time.minute <= 59;
}

std::optional<Eta> EtaAfter(const TimeOfDay& departure, double hours) {
    if (!std::isfinite(hours) || hours < 0) {
        return std::nullopt;
    }
    const double total = departure.hour * 60.0 + departure.minute + hours * 60;
    const double days = std::floor(total / kMinutesPerDay);
    Eta eta{static_cast<int>(days), total - days * kMinutesPerDay};
    if (eta.minutes >= kMinutesPerDay) {  // rounding just below a whole day
        ++eta.day;
        eta.minutes = 0;
    }
    return eta;
}

ClockMinute toClockMinute(const Eta& eta) {
    const auto whole = static_cast<int>(std::lround(eta.minutes));
    const int day = eta.day + whole / 1440;
    const int inDay = whole % 1440;
    return {day, inDay / 60, inDay % 60};
}

}  // namespace aerolume::planning
