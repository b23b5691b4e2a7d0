// SPDX-License-Identifier: GPL-3.0-or-later
#include "RouteMatching.h"

#include <cmath>
#include <numbers>

namespace aerolume::interchange {
namespace {

// Haversine distance in NM on a sphere of 10800 / pi NM radius.
double distanceNm(double lat1, double lon1, double lat2, double lon2) {
    constexpr double kRadian = std::numbers::pi / 180;
    constexpr double kRadiusNm = 10800 / std::numbers::pi;
    const double p1 = lat1 * kRadian;
    const double p2 = lat2 * kRadian;
    const double sinDp = std::sin((p2 - p1) / 2);
    const double sinDl = std::sin((lon2 - lon1) * kRadian / 2);
    const double h = sinDp * sinDp + std::cos(p1) * std::cos(p2) * sinDl * sinDl;
    return 2 * kRadiusNm * std::asin(std::sqrt(std::fmin(1.0, h)));
}

PointMatch matchPoint(const RoutePoint& point, const PointLookup& lookup) {
    if (point.type == WaypointType::UserWaypoint) {
        return {MatchStatus::UserWaypoint, std::nullopt, 0};
    }
    const std::vector<Candidate> found = lookup.candidates(point.identifier, point.type);
    if (found.empty()) {
        return {};
    }
    const Candidate* best = nullptr;
    double bestDistance = 0;
    bool bestSameCountry = false;
    for (const Candidate& candidate : found) {
        const double d =
            distanceNm(point.latitude, point.longitude, candidate.latitude, candidate.longitude);
        const bool sameCountry = !point.countryCode.empty() &&
                                 candidate.countryCode == point.countryCode && d <= kMatchRadiusNm;
        const bool better = best == nullptr || (sameCountry && !bestSameCountry) ||
                            (sameCountry == bestSameCountry && d < bestDistance);
        if (better) {
            best = &candidate;
            bestDistance = d;
            bestSameCountry = sameCountry;
        }
    }
    if (best == nullptr) {
        return {};
    }
    const MatchStatus status =
        bestDistance <= kMatchRadiusNm ? MatchStatus::Matched : MatchStatus::TooFar;
    return {status, *best, bestDistance};
}

}  // namespace

std::vector<PointMatch> matchRoute(const Route& route, const PointLookup& lookup) {
    std::vector<PointMatch> matches;
    matches.reserve(route.points.size());
    for (const RoutePoint& point : route.points) {
        matches.push_back(matchPoint(point, lookup));
    }
    return matches;
}

Route applyMatches(const Route& route, const std::vector<PointMatch>& matches) {
    Route result = route;
    for (std::size_t i = 0; i < result.points.size() && i < matches.size(); ++i) {
        RoutePoint& p = result.points[i];
        if (matches[i].status != MatchStatus::Matched) {
            p.type = WaypointType::UserWaypoint;
            p.countryCode.clear();
            if (p.name.empty()) {
                p.name = p.identifier;
            }
            continue;
        }
        const Candidate& c = *matches[i].candidate;
        p.identifier = c.identifier;
        p.type = c.type;
        p.countryCode = c.countryCode;
        p.latitude = c.latitude;
        p.longitude = c.longitude;
        if (!c.name.empty()) {
            p.name = c.name;
        }
        if (c.elevationFt) {
            p.elevationFt = c.elevationFt;
        }
    }
    return result;
}

}  // namespace aerolume::interchange
