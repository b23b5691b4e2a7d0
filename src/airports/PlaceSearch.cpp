// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaceSearch.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

#include "RunwayCore.h"

namespace aerolume::airports {
namespace {

constexpr double kEarthRadiusNm = 3440.0695;
constexpr double kRadians = std::numbers::pi / 180;

std::string folded(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return out;
}

bool wordChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) != 0 || u >= 0x80;
}

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> found;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && !wordChar(text[i])) {
            ++i;
        }
        std::size_t j = i;
        while (j < text.size() && wordChar(text[j])) {
            ++j;
        }
        if (j > i) {
            found.push_back(folded(text.substr(i, j - i)));
        }
        i = j;
    }
    return found;
}

// Every query word begins one of `in`.
bool wordsBegin(const std::vector<std::string>& query, const std::vector<std::string>& in) {
    if (query.empty()) {
        return false;
    }
    return std::all_of(query.begin(), query.end(), [&](const std::string& q) {
        return std::any_of(in.begin(), in.end(),
                           [&](const std::string& w) { return w.starts_with(q); });
    });
}

int importance(const Place& place) {
    static constexpr std::string_view kOrder[] = {
        "large_airport", "medium_airport", "VORTAC",     "VOR-DME", "VOR",
        "TACAN",         "small_airport",  "NDB-DME",    "NDB",     "DME",
        "seaplane_base", "heliport",       "balloonport"};
    const auto* found = std::find(std::begin(kOrder), std::end(kOrder), place.Kind);
    return static_cast<int>(found - std::begin(kOrder));
}

}  // namespace

std::string IdentifierKey(std::string_view query) {
    while (!query.empty() && std::isspace(static_cast<unsigned char>(query.front())) != 0) {
        query.remove_prefix(1);
    }
    while (!query.empty() && std::isspace(static_cast<unsigned char>(query.back())) != 0) {
        query.remove_suffix(1);
    }
    return folded(query);
}

std::vector<std::string> QueryWords(std::string_view query, std::size_t maxWords) {
    std::vector<std::string> found = words(query);
    if (found.size() > maxWords) {
        found.resize(maxWords);
    }
    return found;
}

MatchKind MatchOf(std::string_view query, const Place& place) {
    const std::string key = IdentifierKey(query);
    if (!key.empty() && folded(place.Ident) == key) {
        return MatchKind::Identifier;
    }
    bool codeStarts = folded(place.Ident).starts_with(key);
    for (const std::string& code : place.Codes) {
        const std::string c = folded(code);
        if (!key.empty() && c == key) {
            return MatchKind::Code;
        }
        codeStarts = codeStarts || (!c.empty() && c.starts_with(key));
    }
    if (!key.empty() && codeStarts) {
        return MatchKind::IdentifierStart;
    }
    const std::string name = folded(place.Name);
    if (!key.empty() && name.starts_with(key)) {
        return MatchKind::NameStart;
    }
    const std::vector<std::string> queryWords = words(query);
    std::vector<std::string> nameWords = words(place.Name);
    if (wordsBegin(queryWords, nameWords)) {
        return MatchKind::NameWords;
    }
    const std::vector<std::string> townWords = words(place.Town);
    nameWords.insert(nameWords.end(), townWords.begin(), townWords.end());
    if (wordsBegin(queryWords, nameWords)) {
        return MatchKind::TownWords;
    }
    return MatchKind::Other;
}

void RankPlaces(std::string_view query, std::vector<Place>& places, std::optional<GeoPoint> near) {
    struct Keyed {
        MatchKind match;
        double order;  // distance or importance
        const Place* place;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(places.size());
    for (const Place& place : places) {
        const double order =
            near ? DistanceNm(*near, place.Position) : static_cast<double>(importance(place));
        keyed.push_back({MatchOf(query, place), order, &place});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (a.match != b.match) {
            return a.match < b.match;
        }
        if (a.order != b.order) {
            return a.order < b.order;
        }
        if (a.place->Name != b.place->Name) {
            return a.place->Name < b.place->Name;
        }
        return a.place->Ident < b.place->Ident;
    });
    std::vector<Place> ranked;
    ranked.reserve(places.size());
    for (const Keyed& k : keyed) {
        ranked.push_back(*k.place);
    }
    places = std::move(ranked);
}

double DistanceNm(GeoPoint from, GeoPoint to) {
    const double lat1 = from.Latitude * kRadians;
    const double lat2 = to.Latitude * kRadians;
    const double dLat = lat2 - lat1;
    const double dLon = (to.Longitude - from.Longitude) * kRadians;
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(lat1) * std::cos(lat2) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * kEarthRadiusNm * std::asin(std::min(1.0, std::sqrt(h)));
}

double InitialCourse(GeoPoint from, GeoPoint to) {
    const double lat1 = from.Latitude * kRadians;
    const double lat2 = to.Latitude * kRadians;
    const double dLon = (to.Longitude - from.Longitude) * kRadians;
    const double y = std::sin(dLon) * std::cos(lat2);
    const double x =
        std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(dLon);
    if (x == 0 && y == 0) {
        return 360;
    }
    return NormalDirection(std::atan2(y, x) / kRadians);
}

}  // namespace aerolume::airports
