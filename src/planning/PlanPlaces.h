// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aerolume::planning {

// Where a checkpoint comes from, and the places the navigation log offers for one.
//
// A checkpoint's position always stays in the checkpoint itself (a plan flies without
// the airport and navaid data); what the data gave besides is kept in its origin: the
// identifier, the kind of place and its country, so that the table, the file and the
// printed page can show where it came from. Positions in decimal degrees (north and
// east positive), distances in nautical miles on a sphere where one minute of arc is
// one nautical mile (as the route window's), radials and courses in degrees, magnetic
// variation in degrees with east positive (true = magnetic + variation).

enum class PlaceKind {
    Typed,  // a position the pilot typed: no data behind it
    Airport,
    Heliport,
    SeaplaneBase,
    Balloonport,
    Vor,
    VorDme,
    Vortac,
    Tacan,
    Dme,
    Ndb,
    NdbDme,
    RadialDistance,  // a fix defined by radial and distance from a navaid
    Other,           // a named point of any other kind
};

// The kind's key as the plan file writes it ("airport", "vor-dme", "radial-distance"),
// and back; nothing for a key that names no kind.
const char* placeKindKey(PlaceKind kind);
std::optional<PlaceKind> placeKindFromKey(std::string_view key);
// A navaid a fix can be defined from (every radio kind from Vor to NdbDme).
bool isNavaid(PlaceKind kind);
// A place an aircraft lands at (Airport to Balloonport): its elevation is the field's.
bool isAirfield(PlaceKind kind);

// A fix defined from a navaid: the radial (magnetic, as the station's own compass rose
// gives it) and the distance from it.
struct RadialDistance {
    std::string navaid;   // the navaid's identifier, upper case ("SAM")
    int radial = 0;       // degrees magnetic, 0 to 360 (360 and 0 are north)
    double distance = 0;  // NM, above 0 and at most kMaxFixDistance

    bool operator==(const RadialDistance&) const = default;
};
inline constexpr double kMaxFixDistance = 999;  // NM

// What the data said of a checkpoint. A typed position has kind Typed and nothing else.
struct CheckpointOrigin {
    PlaceKind kind = PlaceKind::Typed;
    // The identifier as the data writes it ("EGTK", "SAM"); for a radial and distance
    // fix, the navaid's. Empty for a typed position.
    std::string identifier;
    // The country's ISO 3166-1 two-letter code ("GB"); empty when not known.
    std::string country;
    // For kind RadialDistance: the definition the position was computed from.
    std::optional<RadialDistance> fix;

    bool operator==(const CheckpointOrigin&) const = default;
};

// A name on one line: every run of control characters (line breaks, tabs, the other
// C0 and C1 controls, the Unicode line and paragraph separators) becomes one space,
// and a run at the start or the end is dropped; everything else is kept as it is, the
// spaces the pilot typed included. The text is UTF-8. Used wherever a name enters a
// plan: typed, pasted, read from a file or taken from the data.
std::string oneLineName(std::string_view text);

// Reads a fix typed as a navaid's identifier, a radial and a distance. Accepted forms
// (letters in either case, spaces around the text ignored):
//   "SAM 270/15", "SAM270/15", "SAM 270/015", "SAM 270/2.5"  identifier, optional
//       spaces, three digits of radial, a slash, the distance in NM (one to three
//       digits, optionally a point and one decimal);
//   "SAM270015", "SAM 270015"  identifier, optional spaces, six digits: three of
//       radial and three of distance in whole NM.
// The identifier is one to five letters and digits with at least one letter; the
// radial is 000 to 360; the distance is above 0 and at most 999 NM. Anything else
// (a missing digit, radial 361, distance 0, "SAM 270 15", a bare identifier) is
// nothing, so the caller can try it as an identifier or a name.
std::optional<RadialDistance> parseRadialDistance(std::string_view text);

struct Position {
    double latitude = 0;   // degrees, -90 to 90
    double longitude = 0;  // degrees, -180 to 180

    bool operator==(const Position&) const = default;
};

// The great-circle distance in NM between two positions, by the haversine formula
// d = 2 asin(sqrt(sin^2(dlat/2) + cos lat1 cos lat2 sin^2(dlon/2))), one minute of arc
// to the nautical mile. 0 for one position, 10800 for antipodes.
double GreatCircleDistance(const Position& a, const Position& b);

// The order in which to offer candidate places: indices into `places`, nearest to
// `previous` first by great-circle distance; equal distances, and every candidate when
// there is no previous position, keep the order they were given in (the data's
// ranking).
std::vector<std::size_t> NearestFirst(const std::vector<Position>& places,
                                      const std::optional<Position>& previous);

// Where a radial and distance fix's variation came from.
enum class FixVariationSource {
    Station,      // the navaid's own, from the data
    Model,        // the World Magnetic Model 2025 at the navaid on the plan's date
    PlanDefault,  // the plan's variation: no station value and no model value
};

// The navaid a fix is defined from, as the data gives it.
struct Navaid {
    Position position;
    // The variation the station's radials are aligned to, east positive, when the data
    // gives it; otherwise the model's is taken.
    std::optional<double> variation;
    double elevation = 0;  // ft, the model's height
};

struct FixPosition {
    Position position;
    double trueRadial = 0;  // degrees true, [0, 360)
    double variation = 0;   // degrees, east positive, the one applied
    FixVariationSource variationSource = FixVariationSource::Station;
};

// The position of a radial and distance fix: the radial turned to true with the
// navaid's own variation, else the model's at the navaid (navigation/MagneticModel.h,
// at its elevation and the decimal year `planYear` of the plan's date), else
// `planVariation`; then the point at that distance along the great circle leaving the
// navaid on that true course (the destination-point formula):
//   lat2 = asin(sin lat1 cos d + cos lat1 sin d cos tc),
//   lon2 = lon1 + atan2(sin tc sin d cos lat1, cos d - sin lat1 sin lat2),
// d the distance in radians of arc (NM / 60 degrees); the longitude in (-180, 180].
FixPosition RadialDistancePosition(const Navaid& navaid, const RadialDistance& fix,
                                   std::optional<double> planYear, double planVariation);

}  // namespace aerolume::planning
