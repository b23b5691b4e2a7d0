// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace aerolume {

// Times as pilots write them.

// A duration in hours as "h:mm:ss", rounded to the nearest second (half a second
// up), hours without a leading zero and without limit: 1.0916667 h is "1:05:30",
// 0.5 min is "0:00:30". A negative or non-finite duration gives "".
std::string formatDuration(double hours);

// A typed duration in hours: "h:mm:ss", "h:mm", or a plain number of minutes with
// decimals allowed ("90", "7.5", ".5"). Minutes and seconds after a colon are one or
// two digits below 60; hours are digits. Anything else ("", ":", "1:60", "1:2:3:4",
// "-5", "1.5:00", "1e3") gives no value.
std::optional<double> parseDuration(std::string_view text);

}  // namespace aerolume
