// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace aerolume::map {
namespace {

constexpr double kRadian = std::numbers::pi / 180;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
// The farthest the drawing reaches round the globe from its centre.
constexpr double kMaxClipRadius = 2 * std::numbers::pi / 3;

double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 normalised(const Vec3& v) {
    const double n = std::sqrt(dot(v, v));
    return n > 0 ? Vec3{v.x / n, v.y / n, v.z / n} : Vec3{0, 0, 1};
}

Vec3 along(const Vec3& a, const Vec3& b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

double wrapLongitude(double degrees) {
    double wrapped = std::fmod(degrees + 180, 360);
    if (wrapped < 0) {
        wrapped += 360;
    }
    return wrapped - 180;
}

double distanceSquared(const ScreenPoint& a, const ScreenPoint& b) {
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

// The angular radius of the view: its centre to its farthest corner.
double viewRadius(const Projector& projector) {
    const MapView& v = projector.view();
    const GeoPoint centre = v.centre;
    double radius = 0;
    for (const ScreenPoint corner : {ScreenPoint{0, 0}, ScreenPoint{v.width, 0},
                                     ScreenPoint{0, v.height}, ScreenPoint{v.width, v.height}}) {
        radius = std::max(radius, angularDistance(centre, projector.toGeo(corner)));
    }
    return radius;
}

}  // namespace

Vec3 toVector(const GeoPoint& point) {
    const double phi = point.latitude * kRadian;
    const double lambda = point.longitude * kRadian;
    return {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
}

GeoPoint toGeo(const Vec3& v) {
    return {std::asin(std::clamp(v.z, -1.0, 1.0)) / kRadian, std::atan2(v.y, v.x) / kRadian};
}

double angularDistance(const GeoPoint& a, const GeoPoint& b) {
    const Vec3 u = toVector(a);
    const Vec3 w = toVector(b);
    const Vec3 cross{u.y * w.z - u.z * w.y, u.z * w.x - u.x * w.z, u.x * w.y - u.y * w.x};
    return std::atan2(std::sqrt(dot(cross, cross)), dot(u, w));
}

Projector::Projector(const MapView& view) : m_view(view), m_centre(toVector(view.centre)) {
    const double phi = view.centre.latitude * kRadian;
    const double lambda = view.centre.longitude * kRadian;
    m_east = {-std::sin(lambda), std::cos(lambda), 0};
    m_north = {-std::sin(phi) * std::cos(lambda), -std::sin(phi) * std::sin(lambda), std::cos(phi)};
}

double Projector::cosDistance(const Vec3& v) const {
    return dot(v, m_centre);
}

ScreenPoint Projector::toScreen(const Vec3& v) const {
    const double k =
        2 * kEarthRadiusNm / std::max(1 + dot(v, m_centre), 1e-12) * m_view.pixelsPerNm;
    return {m_view.width / 2 + k * dot(v, m_east), m_view.height / 2 - k * dot(v, m_north)};
}

GeoPoint Projector::toGeo(const ScreenPoint& point) const {
    const double x = (point.x - m_view.width / 2) / m_view.pixelsPerNm;
    const double y = (m_view.height / 2 - point.y) / m_view.pixelsPerNm;
    const double rho = std::hypot(x, y);
    if (rho == 0) {
        return m_view.centre;
    }
    const double c = 2 * std::atan(rho / (2 * kEarthRadiusNm));
    const double s = std::sin(c) / rho;
    return map::toGeo(normalised({std::cos(c) * m_centre.x + s * (x * m_east.x + y * m_north.x),
                                  std::cos(c) * m_centre.y + s * (x * m_east.y + y * m_north.y),
                                  std::cos(c) * m_centre.z + s * (x * m_east.z + y * m_north.z)}));
}

MapView panned(const MapView& view, const ScreenPoint& from, const ScreenPoint& to) {
    MapView result = view;
    result.centre =
        Projector(view).toGeo({view.width / 2 + from.x - to.x, view.height / 2 + from.y - to.y});
    return result;
}

MapView zoomed(const MapView& view, double factor, const ScreenPoint& anchor) {
    const GeoPoint held = Projector(view).toGeo(anchor);
    MapView result = view;
    result.pixelsPerNm = std::clamp(view.pixelsPerNm * factor, kMinPixelsPerNm, kMaxPixelsPerNm);
    // A pan is a shift near the centre only: a few passes bring the point home.
    for (int pass = 0; pass < 4; ++pass) {
        result = panned(result, Projector(result).toScreen(held), anchor);
    }
    return result;
}

MapView fitView(const std::vector<GeoPoint>& track, double width, double height, double marginPx) {
    MapView view{
        {30, -40}, std::clamp(width / 4000, kMinPixelsPerNm, kMaxPixelsPerNm), width, height};
    if (track.empty()) {
        return view;
    }
    Vec3 sum;
    for (const GeoPoint& p : track) {
        const Vec3 v = toVector(p);
        sum = {sum.x + v.x, sum.y + v.y, sum.z + v.z};
    }
    view.centre = dot(sum, sum) > 1e-18 ? map::toGeo(normalised(sum)) : track.front();
    view.pixelsPerNm = 1;
    // Twice: the middle of the projected box is a better centre than the points' mean.
    double spanX = 0;
    double spanY = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const MapView unit{view.centre, 1, 0, 0};
        const Projector projector(unit);
        double minX = kInfinity;
        double maxX = -kInfinity;
        double minY = kInfinity;
        double maxY = -kInfinity;
        for (const GeoPoint& p : track) {
            const ScreenPoint s = projector.toScreen(p);
            minX = std::min(minX, s.x);
            maxX = std::max(maxX, s.x);
            minY = std::min(minY, s.y);
            maxY = std::max(maxY, s.y);
        }
        spanX = maxX - minX;
        spanY = maxY - minY;
        view.centre = projector.toGeo({(minX + maxX) / 2, (minY + maxY) / 2});
    }
    const double usableX = width > 3 * marginPx ? width - 2 * marginPx : width;
    const double usableY = height > 3 * marginPx ? height - 2 * marginPx : height;
    double scale = std::min(width, height) / 40;
    const bool wide = spanX > 1e-6;
    const bool tall = spanY > 1e-6;
    if (wide && tall) {
        scale = std::min(usableX / spanX, usableY / spanY);
    } else if (wide || tall) {
        scale = wide ? usableX / spanX : usableY / spanY;
    }
    view.pixelsPerNm = std::clamp(scale, kMinPixelsPerNm, kMaxPixelsPerNm);
    return view;
}

std::vector<GeoPoint> rhumbLine(const GeoPoint& from, const GeoPoint& to, double stepNm) {
    constexpr double kMaxLatitude = 89.9999;
    const double phi1 = std::clamp(from.latitude, -kMaxLatitude, kMaxLatitude) * kRadian;
    const double phi2 = std::clamp(to.latitude, -kMaxLatitude, kMaxLatitude) * kRadian;
    const double dLambda = wrapLongitude(to.longitude - from.longitude);
    const auto mercatorY = [](double phi) {
        return std::log(std::tan(std::numbers::pi / 4 + phi / 2));
    };
    const double psi1 = mercatorY(phi1);
    const double dPsi = mercatorY(phi2) - psi1;
    const double dPhi = phi2 - phi1;
    const bool level = std::fabs(dPsi) < 1e-12;
    const double q = level ? std::cos(phi1) : dPhi / dPsi;
    const double lengthNm = std::hypot(dPhi, q * dLambda * kRadian) * kEarthRadiusNm;
    const int steps = std::clamp(int(std::ceil(lengthNm / std::max(stepNm, 1e-3))), 1, 512);
    std::vector<GeoPoint> points;
    points.reserve(std::size_t(steps) + 1);
    points.push_back(from);
    for (int i = 1; i < steps; ++i) {
        const double t = double(i) / steps;
        const double phi = level ? phi1 + t * dPhi
                                 : 2 * std::atan(std::exp(psi1 + t * dPsi)) - std::numbers::pi / 2;
        points.push_back({phi / kRadian, wrapLongitude(from.longitude + t * dLambda)});
    }
    points.push_back(to);
    return points;
}

std::vector<GeoPoint> routeTrack(const std::vector<GeoPoint>& checkpoints, double stepNm) {
    std::vector<GeoPoint> track;
    for (std::size_t i = 0; i < checkpoints.size(); ++i) {
        if (i == 0) {
            track.push_back(checkpoints[0]);
            continue;
        }
        const std::vector<GeoPoint> leg = rhumbLine(checkpoints[i - 1], checkpoints[i], stepNm);
        track.insert(track.end(), leg.begin() + 1, leg.end());
    }
    return track;
}

double scaleBarLengthNm(double maxNm) {
    if (!(maxNm >= 0.1)) {
        return 0.1;
    }
    const double power = std::pow(10.0, std::floor(std::log10(maxNm)));
    for (const double m : {5.0, 2.0, 1.0}) {
        if (m * power <= maxNm * (1 + 1e-12)) {
            return m * power;
        }
    }
    return power;
}

bool GeoBox::contains(const GeoPoint& point) const {
    if (point.latitude < south || point.latitude > north) {
        return false;
    }
    if (west <= east) {
        return point.longitude >= west && point.longitude <= east;
    }
    return point.longitude >= west || point.longitude <= east;
}

GeoBox viewBox(const MapView& view) {
    const Projector projector(view);
    if (viewRadius(projector) > 60 * kRadian) {
        return {};
    }
    constexpr int kSamples = 16;
    double south = view.centre.latitude;
    double north = view.centre.latitude;
    double minRel = 0;
    double maxRel = 0;
    for (int i = 0; i <= kSamples; ++i) {
        const double f = double(i) / kSamples;
        for (const ScreenPoint s :
             {ScreenPoint{f * view.width, 0}, ScreenPoint{f * view.width, view.height},
              ScreenPoint{0, f * view.height}, ScreenPoint{view.width, f * view.height}}) {
            const GeoPoint g = projector.toGeo(s);
            south = std::min(south, g.latitude);
            north = std::max(north, g.latitude);
            const double rel = wrapLongitude(g.longitude - view.centre.longitude);
            minRel = std::min(minRel, rel);
            maxRel = std::max(maxRel, rel);
        }
    }
    // Edges bulge between samples: a little to spare.
    const double spareLat = (north - south) * 0.02;
    const double spareLon = (maxRel - minRel) * 0.02;
    GeoBox box{std::max(-90.0, south - spareLat), std::min(90.0, north + spareLat),
               wrapLongitude(view.centre.longitude + minRel - spareLon),
               wrapLongitude(view.centre.longitude + maxRel + spareLon)};
    for (const double pole : {90.0, -90.0}) {
        const ScreenPoint s = projector.toScreen(GeoPoint{pole, 0});
        if (s.x >= 0 && s.x <= view.width && s.y >= 0 && s.y <= view.height) {
            (pole > 0 ? box.north : box.south) = pole;
            box.west = -180;
            box.east = 180;
        }
    }
    if (maxRel - minRel + 2 * spareLon >= 359) {
        box.west = -180;
        box.east = 180;
    }
    return box;
}

Cap boundingCap(const std::vector<Vec3>& points) {
    Vec3 sum;
    for (const Vec3& v : points) {
        sum = {sum.x + v.x, sum.y + v.y, sum.z + v.z};
    }
    if (points.empty() || dot(sum, sum) < 1e-18) {
        return {};
    }
    Cap cap{normalised(sum), 0};
    double minCos = 1;
    for (const Vec3& v : points) {
        minCos = std::min(minCos, dot(v, cap.centre));
    }
    cap.radius = std::acos(std::clamp(minCos, -1.0, 1.0)) + 1e-6;
    return cap;
}

Clip::Clip(const Projector& projector)
    : m_projector(projector), m_centre(toVector(projector.view().centre)) {
    const double reach = viewRadius(projector);
    m_radius = std::min(std::max(reach * 1.25, reach + 0.02), kMaxClipRadius);
    m_cosRadius = std::cos(m_radius);
    m_radiusPx = 2 * kEarthRadiusNm * std::tan(m_radius / 2) * projector.view().pixelsPerNm;
}

bool Clip::mayCross(const Cap& cap) const {
    if (cap.radius >= std::numbers::pi) {
        return true;
    }
    return std::acos(std::clamp(dot(cap.centre, m_centre), -1.0, 1.0)) <= cap.radius + m_radius;
}

ScreenPoint Clip::onCircle(const Vec3& inside, const Vec3& outside) const {
    const double a = dot(inside, m_centre);
    const double b = dot(outside, m_centre);
    const double t = a > b ? std::clamp((a - m_cosRadius) / (a - b), 0.0, 1.0) : 0.0;
    const ScreenPoint s = m_projector.toScreen(normalised(along(inside, outside, t)));
    const double cx = m_projector.view().width / 2;
    const double cy = m_projector.view().height / 2;
    const double r = std::hypot(s.x - cx, s.y - cy);
    if (r == 0) {
        return s;
    }
    return {cx + (s.x - cx) * m_radiusPx / r, cy + (s.y - cy) * m_radiusPx / r};
}

void Clip::line(const std::vector<Vec3>& points, double minStepPx,
                std::vector<std::vector<ScreenPoint>>& out) const {
    const double minStep2 = minStepPx * minStepPx;
    std::vector<ScreenPoint> piece;
    const auto finish = [&] {
        if (piece.size() > 1) {
            out.push_back(std::move(piece));
        }
        piece.clear();
    };
    for (std::size_t i = 0; i < points.size(); ++i) {
        const bool inside = dot(points[i], m_centre) >= m_cosRadius;
        const bool wasInside = i > 0 && dot(points[i - 1], m_centre) >= m_cosRadius;
        if (!inside) {
            if (wasInside) {
                piece.push_back(onCircle(points[i - 1], points[i]));
                finish();
            }
            continue;
        }
        if (i > 0 && !wasInside) {
            piece.push_back(onCircle(points[i], points[i - 1]));
        }
        const ScreenPoint s = m_projector.toScreen(points[i]);
        if (piece.empty() || i + 1 == points.size() ||
            distanceSquared(piece.back(), s) >= minStep2) {
            piece.push_back(s);
        }
    }
    finish();
}

void Clip::arc(const ScreenPoint& from, const ScreenPoint& to,
               std::vector<ScreenPoint>& out) const {
    constexpr double kStep = std::numbers::pi / 36;
    const double cx = m_projector.view().width / 2;
    const double cy = m_projector.view().height / 2;
    const double a0 = std::atan2(from.y - cy, from.x - cx);
    double a1 = std::atan2(to.y - cy, to.x - cx);
    if (a1 < a0) {
        a1 += 2 * std::numbers::pi;
    }
    for (double a = a0 + kStep; a < a1; a += kStep) {
        out.push_back({cx + m_radiusPx * std::cos(a), cy + m_radiusPx * std::sin(a)});
    }
}

void Clip::ring(const std::vector<Vec3>& points, double minStepPx,
                std::vector<ScreenPoint>& out) const {
    out.clear();
    const std::size_t n = points.size();
    std::size_t start = n;
    for (std::size_t i = 0; i < n; ++i) {
        if (dot(points[i], m_centre) >= m_cosRadius) {
            start = i;
            break;
        }
    }
    if (start == n) {
        return;
    }
    const double minStep2 = minStepPx * minStepPx;
    out.push_back(m_projector.toScreen(points[start]));
    ScreenPoint exit;
    for (std::size_t k = 1; k <= n; ++k) {
        const Vec3& previous = points[(start + k - 1) % n];
        const Vec3& current = points[(start + k) % n];
        const bool wasInside = dot(previous, m_centre) >= m_cosRadius;
        const bool inside = dot(current, m_centre) >= m_cosRadius;
        if (wasInside && !inside) {
            exit = onCircle(previous, current);
            out.push_back(exit);
        } else if (!wasInside && inside) {
            const ScreenPoint entry = onCircle(current, previous);
            arc(exit, entry, out);
            out.push_back(entry);
        }
        if (inside && k < n) {
            const ScreenPoint s = m_projector.toScreen(current);
            if (distanceSquared(out.back(), s) >= minStep2) {
                out.push_back(s);
            }
        }
    }
}

std::vector<ScreenPoint> Clip::circle() const {
    std::vector<ScreenPoint> points;
    const double cx = m_projector.view().width / 2;
    const double cy = m_projector.view().height / 2;
    for (int i = 0; i < 72; ++i) {
        const double a = i * std::numbers::pi / 36;
        points.push_back({cx + m_radiusPx * std::cos(a), cy + m_radiusPx * std::sin(a)});
    }
    return points;
}

bool insideEvenOdd(const std::vector<std::vector<ScreenPoint>>& polygons,
                   const ScreenPoint& point) {
    bool inside = false;
    for (const auto& polygon : polygons) {
        const std::size_t n = polygon.size();
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            const ScreenPoint& a = polygon[i];
            const ScreenPoint& b = polygon[j];
            if ((a.y > point.y) != (b.y > point.y) &&
                point.x < (b.x - a.x) * (point.y - a.y) / (b.y - a.y) + a.x) {
                inside = !inside;
            }
        }
    }
    return inside;
}

}  // namespace aerolume::map
