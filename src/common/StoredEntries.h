// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The entries the program keeps in the per-user settings store: the application
// name, the sections and the keys, in one place. Every value is the raw text of a
// field; a missing key reads as the empty text.

namespace aerolume::stored {

inline constexpr const char* kApplication = "ARLM";

// The departure point of the latitude/longitude window, in the order the window
// reads and writes them.
namespace latlong {
inline constexpr const char* kSection = "LatLong";
inline constexpr const char* kDepLatDeg = "DepLatDeg";
inline constexpr const char* kDepLatMin = "DepLatMin";
inline constexpr const char* kDepLongDeg = "DepLongDeg";
inline constexpr const char* kDepLongMin = "DepLongMin";
inline constexpr const char* kDepLatSec = "DepLatSec";
inline constexpr const char* kDepLongSec = "DepLongSec";
}  // namespace latlong

// The empty weight and the eight arms of the weight and balance window.
namespace wb {
inline constexpr const char* kSection = "WB";
inline constexpr const char* kEmptyWeight = "Empty_W";
inline constexpr const char* kArmKeys[8] = {"Empty_CG", "Fuel_CG",  "Front_CG",  "Rear_CG",
                                            "Bags1_CG", "Bags2_CG", "Other1_CG", "Other2_CG"};
}  // namespace wb

// The navigation log's own entries, kept apart from the calculators' store: the
// folder a plan was last opened from or saved to.
namespace navlog {
inline constexpr const char* kApplication = "NavLog";
inline constexpr const char* kSection = "Files";
inline constexpr const char* kLastFolder = "LastFolder";
}  // namespace navlog

}  // namespace aerolume::stored
