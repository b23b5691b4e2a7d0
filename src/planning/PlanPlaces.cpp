// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanPlaces.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "common/Constants.h"
#include "navigation/MagneticModel.h"

namespace aerolume::planning {
namespace {

constexpr std::array<std::pair<PlaceKind, const char*>, 14> kKindKeys = {{
    {PlaceKind::Typed, "typed"},
    {PlaceKind::Airport, "airport"},
    {PlaceKind::Heliport, "heliport"},
    {PlaceKind::SeaplaneBase, "seaplane-base"},
    {PlaceKind::Balloonport, "balloonport"},
    {PlaceKind::Vor, "vor"},
    {PlaceKind::VorDme, "vor-dme"},
    {PlaceKind::Vortac, "vortac"},
    {PlaceKind::Tacan, "tacan"},
    {PlaceKind::Dme, "dme"},
    {PlaceKind::Ndb, "ndb"},
    {PlaceKind::NdbDme, "ndb-dme"},
    {PlaceKind::RadialDistance, "radial-distance"},
    {PlaceKind::Other, "other"},
}};

constexpr double kRadians = kPi / 180;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The length of the control character starting at `at` in UTF-8 text, 0 if none: C0
// and DEL, C1 (U+0080 to U+009F, two bytes), U+2028 and U+2029 (three bytes).
std::size_t controlLength(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x20 || byte == 0x7F) {
        return 1;
    }
    const auto next = [&](std::size_t i) {
        return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0U;
    };
    if (byte == 0xC2 && next(1) >= 0x80 && next(1) <= 0x9F) {
        return 2;
    }
    if (byte == 0xE2 && next(1) == 0x80 && (next(2) == 0xA8 || next(2) == 0xA9)) {
        return 3;
    }
    return 0;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// An identifier: one to five letters and digits, at least one a letter; upper case.
std::optional<std::string> identifier(std::string_view text) {
    text = trimmed(text);
    if (text.empty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return isDigit(c) || isLetter(c); })) {
        return std::nullopt;
    }
    if (std::none_of(text.begin(), text.end(), isLetter)) {
        return std::nullopt;
    }
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

int digitsValue(std::string_view digits) {
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// A distance after the slash: one to three digits, optionally a point and one digit.
std::optional<double> slashDistance(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    if (!allDigits(whole) || whole.size() > 3) {
        return std::nullopt;
    }
    double value = digitsValue(whole);
    if (point != std::string_view::npos) {
        const std::string_view tenths = text.substr(point + 1);
        if (tenths.size() != 1 || !isDigit(tenths[0])) {
            return std::nullopt;
        }
        value += (tenths[0] - '0') / 10.0;
    }
    return value;
}

double toLongitude(double degrees) {
    double folded = std::fmod(degrees, 360.0);
    if (folded <= -180) {
        folded += 360;
    } else if (folded > 180) {
        folded -= 360;
    }
    return folded;
}

}  // namespace

const char* placeKindKey(PlaceKind kind) {
    for (const auto& [k, key] : kKindKeys) {
        if (k == kind) {
            return key;
        }
    }
    return "";
}

std::optional<PlaceKind> placeKindFromKey(std::string_view key) {
    for (const auto& [kind, k] : kKindKeys) {
        if (key == k) {
            return kind;
        }
    }
    return std::nullopt;
}

bool isNavaid(PlaceKind kind) {
    return kind >= PlaceKind::Vor && kind <= PlaceKind::NdbDme;
}

bool isAirfield(PlaceKind kind) {
    return kind >= PlaceKind::Airport && kind <= PlaceKind::Balloonport;
}

std::string oneLineName(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    bool pendingSpace = false;
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t length = controlLength(text, i)) {
            pendingSpace = !line.empty();
            i += length;
            continue;
        }
        if (pendingSpace) {
            line += ' ';
            pendingSpace = false;
        }
        line += text[i++];
    }
    return line;
}

std::optional<RadialDistance> parseRadialDistance(std::string_view text) {
    text = trimmed(text);
    std::string_view radial;
    std::optional<double> distance;
    std::string_view rest;
    if (const std::size_t slash = text.find('/'); slash != std::string_view::npos) {
        if (slash < 3) {
            return std::nullopt;
        }
        radial = text.substr(slash - 3, 3);
        distance = slashDistance(text.substr(slash + 1));
        rest = text.substr(0, slash - 3);
    } else {
        if (text.size() < 6) {
            return std::nullopt;
        }
        const std::string_view digits = text.substr(text.size() - 6);
        if (!allDigits(digits)) {
            return std::nullopt;
        }
        radial = digits.substr(0, 3);
        distance = digitsValue(digits.substr(3));
        rest = text.substr(0, text.size() - 6);
    }
    const auto navaid = identifier(rest);
    if (!navaid || !allDigits(radial) || !distance) {
        return std::nullopt;
    }
    const int degrees = digitsValue(radial);
    if (degrees > 360 || !(*distance > 0) || *distance > kMaxFixDistance) {
        return std::nullopt;
    }
    return RadialDistance{*navaid, degrees, *distance};
}

double GreatCircleDistance(const Position& a, const Position& b) {
    const double lat1 = a.latitude * kRadians;
    const double lat2 = b.latitude * kRadians;
    const double sinLat = std::sin((lat2 - lat1) / 2);
    const double sinLon = std::sin((b.longitude - a.longitude) * kRadians / 2);
    const double h = sinLat * sinLat + std::cos(lat1) * std::cos(lat2) * sinLon * sinLon;
    return 2 * std::asin(std::min(1.0, std::sqrt(h))) / kRadians * 60;
}

std::vector<std::size_t> NearestFirst(const std::vector<Position>& places,
                                      const std::optional<Position>& previous) {
    std::vector<std::size_t> order(places.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    if (!previous) {
        return order;
    }
    std::vector<double> distance(places.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        distance[i] = GreatCircleDistance(*previous, places[i]);
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t x, std::size_t y) { return distance[x] < distance[y]; });
    return order;
}

FixPosition RadialDistancePosition(const Navaid& navaid, const RadialDistance& fix,
                                   std::optional<double> planYear, double planVariation) {
    FixPosition result;
    result.variation = planVariation;
    result.variationSource = FixVariationSource::PlanDefault;
    if (navaid.variation) {
        result.variation = *navaid.variation;
        result.variationSource = FixVariationSource::Station;
    } else if (planYear) {
        const auto model = MagneticVariationAt(navaid.position.latitude, navaid.position.longitude,
                                               navaid.elevation, *planYear);
        if (const auto declination = model ? model->Declination() : std::nullopt) {
            result.variation = *declination;
            result.variationSource = FixVariationSource::Model;
        }
    }
    double course = std::fmod(fix.radial + result.variation, 360.0);
    if (course < 0) {
        course += 360;
    }
    result.trueRadial = course >= 360 ? 0 : course;

    const double lat1 = navaid.position.latitude * kRadians;
    const double lon1 = navaid.position.longitude * kRadians;
    const double tc = result.trueRadial * kRadians;
    const double d = fix.distance / 60 * kRadians;
    const double lat2 =
        std::asin(std::sin(lat1) * std::cos(d) + std::cos(lat1) * std::sin(d) * std::cos(tc));
    const double lon2 = lon1 + std::atan2(std::sin(tc) * std::sin(d) * std::cos(lat1),
                                          std::cos(d) - std::sin(lat1) * std::sin(lat2));
    result.position = {lat2 / kRadians, toLongitude(lon2 / kRadians)};
    return result;
}

}  // namespace aerolume::planning
