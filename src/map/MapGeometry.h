// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

namespace aerolume::map {

// The route map's geometry, with no toolkit in it: an oblique stereographic projection
// centred on the view (conformal: shapes and angles as on the globe, so a course on the
// map is the course flown), the view that places it on a screen or a page, fitting a
// route into it, the rhumb lines the navigation log flies, and the clipping that keeps
// what lies far round the globe off the drawing.
//
// The earth is a sphere on which one minute of arc is one nautical mile (radius
// 10800 / pi NM), as in the navigation log. Positions are decimal degrees, north and east
// positive. Screen coordinates are device pixels, x to the right and y down, (0, 0) the
// view's top left corner.

inline constexpr double kEarthRadiusNm = 3437.746770784939;  // 10800 / pi

struct GeoPoint {
    double latitude = 0;   // degrees, -90 to 90
    double longitude = 0;  // degrees, -180 to 180
};

// A point of the unit sphere: x towards 0°N 0°E, y towards 0°N 90°E, z towards the north
// pole.
struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

struct ScreenPoint {
    double x = 0;
    double y = 0;
};

Vec3 toVector(const GeoPoint& point);
GeoPoint toGeo(const Vec3& v);
// The angle between two points of the globe, radians, 0 to pi.
double angularDistance(const GeoPoint& a, const GeoPoint& b);

// Where the map looks: its centre (the projection's point of tangency, always the middle
// of the view), its scale at that centre and the size of the drawing.
struct MapView {
    GeoPoint centre;
    double pixelsPerNm = 1;
    double width = 0;   // pixels
    double height = 0;  // pixels
};

// The scales a view may have: the whole of a hemisphere on a small window to a few
// hundred metres across.
inline constexpr double kMinPixelsPerNm = 0.02;
inline constexpr double kMaxPixelsPerNm = 500;

// The oblique stereographic projection of a view: x = 2R k' cos(phi) sin(lambda -
// lambda0), y = 2R k' (cos(phi0) sin(phi) - sin(phi0) cos(phi) cos(lambda - lambda0)),
// k' = 1 / (1 + cos c), c the angular distance from the centre; scale 1 at the centre,
// growing as (1 + cos c) falls, infinite at the antipode. Computed from unit vectors, so
// a point costs three dot products.
class Projector {
public:
    explicit Projector(const MapView& view);

    const MapView& view() const { return m_view; }
    ScreenPoint toScreen(const Vec3& v) const;
    ScreenPoint toScreen(const GeoPoint& point) const { return toScreen(toVector(point)); }
    // The point of the globe at a screen position (the inverse projection).
    GeoPoint toGeo(const ScreenPoint& point) const;
    // cos of the angular distance from the view's centre.
    double cosDistance(const Vec3& v) const;

private:
    MapView m_view;
    Vec3 m_centre;
    Vec3 m_east;
    Vec3 m_north;
};

// The view moved so that the point now at screen position `from` comes to `to`.
MapView panned(const MapView& view, const ScreenPoint& from, const ScreenPoint& to);
// The view's scale multiplied by `factor` (limited to the scales a view may have), the
// point of the globe under `anchor` staying under it.
MapView zoomed(const MapView& view, double factor, const ScreenPoint& anchor);

// The view of the given size that shows every point of `track` (a route's legs as
// sampled, in order) with `marginPx` to spare on every side, centred on them; a single
// point, or points all in one place, are shown 40 NM across. An empty track gives a view
// of the whole Atlantic.
MapView fitView(const std::vector<GeoPoint>& track, double width, double height, double marginPx);

// The points of a rhumb line (a constant true course, as the navigation log flies a leg)
// from `from` to `to`, both included, no more than `stepNm` apart along it (at most 512
// steps). Latitude runs linearly in the Mercator projection's y, longitude linearly the
// shorter way round, so a leg across the 180° meridian stays short; longitudes are kept
// within -180 to 180.
std::vector<GeoPoint> rhumbLine(const GeoPoint& from, const GeoPoint& to, double stepNm);

// The route's legs sampled as rhumb lines, for drawing and fitting: the checkpoints in
// order, every leg divided into pieces of at most `stepNm`.
std::vector<GeoPoint> routeTrack(const std::vector<GeoPoint>& checkpoints, double stepNm);

// The scale bar's length: the longest 1, 2 or 5 times a power of ten NM not more than
// `maxNm` (at least 0.1 NM).
double scaleBarLengthNm(double maxNm);

// A latitude and longitude box; `west` greater than `east` is a box across the 180°
// meridian. Degrees.
struct GeoBox {
    double south = -90;
    double north = 90;
    double west = -180;
    double east = 180;

    bool contains(const GeoPoint& point) const;
};

// A box around everything the view shows (sampled along its edges; the whole band of
// longitudes when a pole is in view).
GeoBox viewBox(const MapView& view);

// A circle of the globe round a set of points: its centre and its angular radius
// (radians). A radius of pi holds everything.
struct Cap {
    Vec3 centre{0, 0, 1};
    double radius = 3.141592653589793;
};
Cap boundingCap(const std::vector<Vec3>& points);

// What of the globe a view draws: everything within an angular radius of its centre a
// little beyond its corners (at most 120°), so that the far side of the globe, which the
// projection blows up without bound, never reaches the drawing. Lines and rings are cut
// at the circle; a ring's pieces are joined along it.
class Clip {
public:
    explicit Clip(const Projector& projector);

    bool mayCross(const Cap& cap) const;
    // The parts of an open line inside the circle, as screen polylines; points nearer
    // than `minStepPx` to the one before are left out.
    void line(const std::vector<Vec3>& points, double minStepPx,
              std::vector<std::vector<ScreenPoint>>& out) const;
    // A closed ring cut to the circle as one screen polygon, its pieces joined along the
    // circle counter-clockwise; empty when no part lies inside. Filled even-odd, the joins
    // may leave the inside of the circle the wrong way round as a whole: fillCorrection
    // tells.
    void ring(const std::vector<Vec3>& points, double minStepPx,
              std::vector<ScreenPoint>& out) const;
    // The circle itself as a screen polygon, to add to an even-odd fill to turn it over.
    std::vector<ScreenPoint> circle() const;
    double radiusPx() const { return m_radiusPx; }

private:
    void arc(const ScreenPoint& from, const ScreenPoint& to, std::vector<ScreenPoint>& out) const;
    ScreenPoint onCircle(const Vec3& inside, const Vec3& outside) const;

    const Projector& m_projector;
    Vec3 m_centre;
    double m_cosRadius = 0;
    double m_radius = 0;
    double m_radiusPx = 0;
};

// Even-odd: is `point` inside the polygons (each closed implicitly)?
bool insideEvenOdd(const std::vector<std::vector<ScreenPoint>>& polygons, const ScreenPoint& point);

}  // namespace aerolume::map
