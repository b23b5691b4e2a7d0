// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace aerolume::planning {

// Clock times of a flight, all UTC. The departure is the time of take-off at the first
// checkpoint (taxi not counted), a time of day on the plan's date; an ETA is that time
// plus the time flown, counted in days after the departure's day so that a flight
// across midnight says so (the date itself is the plan's plus that many days, when the
// plan has one).

struct TimeOfDay {
    int hour = 0;    // 0 to 23
    int minute = 0;  // 0 to 59

    bool operator==(const TimeOfDay&) const = default;
};

// A time of day that exists (hour 0 to 23, minute 0 to 59).
bool isValidTime(const TimeOfDay& time);

struct Eta {
    int day = 0;         // days after the departure's day, >= 0
    double minutes = 0;  // minutes after 00:00 UTC of that day, [0, 1440)

    bool operator==(const Eta&) const = default;
};

// The clock time `hours` (>= 0) after a departure at `departure`. Nothing when
// `hours` is not finite or negative.
std::optional<Eta> EtaAfter(const TimeOfDay& departure, double hours);

// An ETA to the nearest whole minute, as it is shown: 23:59:30 and later is 00:00 of
// the next day.
struct ClockMinute {
    int day = 0;     // days after the departure's day
    int hour = 0;    // 0 to 23
    int minute = 0;  // 0 to 59

    bool operator==(const ClockMinute&) const = default;
};
ClockMinute toClockMinute(const Eta& eta);

}  // namespace aerolume::planning
