// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "navigation/WindComponents.h"

namespace aerolume::airports {

// What a runway end's designator says about its heading.
enum class DesignatorKind {
    Numbered,  // "09", "27L", "36W": the magnetic heading in tens of degrees, 1 to 36
    Compass,   // "N", "NE", "SSW": a point of the compass (of sixteen), magnetic
    Degrees,   // "045": three digits, the magnetic heading in whole degrees, 1 to 360
    Helipad,   // "H1", "H": a helipad, without a heading
    None,      // empty, "ALL", "WAY", "-": no heading
};

struct Designator {
    DesignatorKind Kind = DesignatorKind::None;
    std::optional<double> MagneticHeading;  // degrees, (0, 360], north 360
};

// Reads a designator, blanks around it ignored, letters in either case. A number
// (1 to 36) gives ten times it: "09" and "9" are 090°, "27L" 270°, "36" 360°; "00" and
// numbers above 36 give none. A point of the compass gives its direction in steps of
// 22.5° (N 360°, NE 45°, SSW 202.5°). "H" with digits or nothing after it is a helipad.
Designator ParseDesignator(std::string_view text);

// Where a runway end's heading comes from.
enum class HeadingSource {
    Data,         // the data's true heading for this end
    OppositeEnd,  // the data's true heading of the other end, plus 180°
    Designator,   // the designator's magnetic heading (of this end, or of the other plus 180°)
    None,         // nothing to go by
};

struct EndHeading {
    std::optional<double> True;      // degrees true, (0, 360]
    std::optional<double> Magnetic;  // degrees magnetic, (0, 360]
    HeadingSource Source = HeadingSource::None;

    // Taken from elsewhere than the data's own true heading of this end.
    bool Derived() const { return Source != HeadingSource::Data && Source != HeadingSource::None; }
};

// One end's true and magnetic heading from what the data gives: the end's own true
// heading, else the other end's true heading turned by 180°; from a true heading the
// magnetic one is true - `variationNow` (the variation today, east > 0). Without any
// true heading the designator's magnetic heading (this end's, else the other's plus
// 180°) is the magnetic heading, and true = magnetic + `variationAtDataDate`, the
// variation at the airport on the data's date. A variation that is unknown (near the
// magnetic poles) leaves the heading it would give unknown. Results are in (0, 360].
EndHeading ResolveEndHeading(std::optional<double> trueHeading,
                             std::optional<double> oppositeTrueHeading, const Designator& own,
                             const Designator& opposite, std::optional<double> variationNow,
                             std::optional<double> variationAtDataDate);

// A direction in degrees (any finite value) in (0, 360], north 360.
double NormalDirection(double degrees);

// What a runway's surface is, read from the data's free text.
enum class SurfaceClass { Paved, Gravel, Grass, Water, SnowIce, Unknown };

// The class of a surface text ("ASP", "Asphalt", "TURF-G", "GRVL", "WATER", "ASPH/ CONC",
// "GRASSED BROWN CLAY"): the first word of the text (words are apart by anything but
// letters and digits, case ignored) that names a known material decides. Gravel holds
// the loose unpaved surfaces too (dirt, earth, sand, clay, coral). Unknown when no word
// names one ("UNK", "X", "").
SurfaceClass ClassifySurface(std::string_view text);

// A runway end a pilot can choose into the wind: not on water, not a helipad.
bool CountsForWind(SurfaceClass surface, const Designator& designator);

// The wind on every end of an airport's runways.
struct EndWindInput {
    std::optional<double> MagneticHeading;  // degrees; unknown leaves the end without wind
    bool Eligible = true;                   // may be chosen (CountsForWind, runway open)
};

struct EndWind {
    std::optional<WindComponents> Steady, Gust;  // by ResolveWind on the magnetic heading
    bool BeyondLimit = false;  // the crosswind (the gust's, with a gust) exceeds the limit
};

struct RunwayWindsResult {
    std::vector<EndWind> Ends;        // in the order of the input
    std::optional<std::size_t> Best;  // the end most into the wind, when there is a wind
};

// Resolves a wind blowing from `windFrom` (degrees magnetic, as a tower gives it) at
// `speed` kt, with an optional `gust` (kt), on each end's magnetic heading (headwind > 0,
// crosswind > 0 from the right, as ResolveWind). An end is beyond `crosswindLimit` (kt)
// when the magnitude of its crosswind, or of the gust's crosswind, is above it. The best
// end is the eligible end with the largest headwind, the smaller crosswind on a tie,
// among those within the limit when any is; none in a calm (speed rounds to 0 kt) or
// when no eligible end has a heading.
RunwayWindsResult RunwayWinds(const std::vector<EndWindInput>& ends, double windFrom, double speed,
                              std::optional<double> gust, std::optional<double> crosswindLimit);

}  // namespace aerolume::airports
