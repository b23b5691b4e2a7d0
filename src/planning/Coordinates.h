// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace aerolume::planning {

// Positions as the navigation log takes and shows them: decimal degrees, north and
// east positive.

// A typed latitude (`isLatitude`) or longitude, in one of these forms:
//   decimal degrees with a sign or a hemisphere letter before or after them:
//     "33.95", "-118.4", "33.95N", "S 12.5", "118.4 w";
//   degrees and minutes, or degrees, minutes and seconds, apart by blanks or marked
//   with the degree, minute and second signs (° ' ′ " ″), with the hemisphere letter
//   or a sign: "33 57 00 N", "33°57'N", "33°57.5′ N", "118 24 W", "-33 57".
// Minutes and seconds are below 60, and only the last part may have decimals. The
// letters are N or S for a latitude and E or W for a longitude (either case); a sign
// and a letter together are refused. A latitude lies within [-90, 90] and a longitude
// within [-180, 180]. Anything else gives no value.
std::optional<double> parseCoordinate(std::string_view text, bool isLatitude);

// A latitude or longitude as degrees and minutes with two decimals and the
// hemisphere: "33°57.00′N", "118°24.00′W", "0°00.00′N". The minutes are rounded half
// away from zero and carried into the degrees at 60. A non-finite value gives "".
std::string formatCoordinate(double degrees, bool isLatitude);

// Both, apart by a blank: "33°57.00′N 118°24.00′W".
std::string formatPosition(double latitude, double longitude);

}  // namespace aerolume::planning
