// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "map/MapGeometry.h"

namespace aerolume::map {
namespace {

class ProjectionRoundTripTest : public ::testing::TestWithParam<GeoPoint> {};

TEST_P(ProjectionRoundTripTest, TheInverseGivesThePointBack) {
    // A view over Fiji, across the 180° meridian.
    const Projector p(MapView{{-17, 179.5}, 0.5, 800, 600});
    const GeoPoint back = p.toGeo(p.toScreen(GetParam()));
    EXPECT_NEAR(back.latitude, GetParam().latitude, 1e-9);
    EXPECT_NEAR(std::remainder(back.longitude - GetParam().longitude, 360), 0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Points, ProjectionRoundTripTest,
                         ::testing::Values(GeoPoint{-17, 179.5}, GeoPoint{-18, 178},
                                           GeoPoint{-16, -179}, GeoPoint{10, -170},
                                           GeoPoint{-89.5, 0}, GeoPoint{51.8, -1.3}));

TEST(ProjectionTest, IsTrueToScaleAndToNorthAtTheCentre) {
    const Projector p(MapView{{45, 10}, 2, 800, 600});
    const ScreenPoint centre = p.toScreen(GeoPoint{45, 10});
    EXPECT_NEAR(centre.x, 400, 1e-9);
    EXPECT_NEAR(centre.y, 300, 1e-9);
    // One minute of latitude is one NM: 2 pixels straight up.
    const ScreenPoint north = p.toScreen(GeoPoint{45 + 1.0 / 60, 10});
    EXPECT_NEAR(north.x, 400, 1e-6);
    EXPECT_NEAR(north.y, 298, 1e-4);
    // Conformal: a minute of longitude is cos(45°) NM to the east.
    const ScreenPoint east = p.toScreen(GeoPoint{45, 10 + 1.0 / 60});
    EXPECT_NEAR(east.x - 400, 2 * std::cos(M_PI / 4), 1e-4);
}

struct RhumbCase {
    GeoPoint from, to;
    double minAbsLongitude;  // every point's |longitude| at least this
    double latitude;         // NAN: not constant
};

class RhumbLineTest : public ::testing::TestWithParam<RhumbCase> {};

TEST_P(RhumbLineTest, KeepsOneCourseAndGoesTheShortWayRound) {
    const RhumbCase& c = GetParam();
    const auto points = rhumbLine(c.from, c.to, 5);
    ASSERT_GE(points.size(), 2U);
    EXPECT_DOUBLE_EQ(points.front().latitude, c.from.latitude);
    EXPECT_DOUBLE_EQ(points.back().longitude, c.to.longitude);
    // The course from each point to the next is the same on the Mercator projection.
    const auto course = [](const GeoPoint& a, const GeoPoint& b) {
        const double y = std::log(std::tan(M_PI / 4 + b.latitude * M_PI / 360)) -
                         std::log(std::tan(M_PI / 4 + a.latitude * M_PI / 360));
        return std::atan2(std::remainder(b.longitude - a.longitude, 360) * M_PI / 180, y);
    };
    const double first = course(points[0], points[1]);
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        EXPECT_NEAR(course(points[i], points[i + 1]), first, 1e-6) << i;
        EXPECT_GE(std::fabs(points[i].longitude), c.minAbsLongitude) << i;
        EXPECT_LE(std::fabs(points[i].longitude), 180) << i;
        if (!std::isnan(c.latitude)) {
            EXPECT_NEAR(points[i].latitude, c.latitude, 1e-9) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Legs, RhumbLineTest,
                         ::testing::Values(RhumbCase{{-17, 178}, {-14, -178}, 178, NAN},
                                           RhumbCase{{60, 170}, {60, -170}, 170, 60},
                                           RhumbCase{{51.8, -1.3}, {52.3, -0.8}, 0.8, NAN},
                                           RhumbCase{{-33.9, 151.2}, {-33.9, 18.6}, 18.6, -33.9}));

struct ScaleCase {
    double maxNm, length;
};

class ScaleBarTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleBarTest, IsOneTwoOrFiveTimesAPowerOfTen) {
    EXPECT_DOUBLE_EQ(scaleBarLengthNm(GetParam().maxNm), GetParam().length) << GetParam().maxNm;
}

INSTANTIATE_TEST_SUITE_P(Lengths, ScaleBarTest,
                         ::testing::Values(ScaleCase{0.01, 0.1}, ScaleCase{0.35, 0.2},
                                           ScaleCase{1, 1}, ScaleCase{1.99, 1}, ScaleCase{2, 2},
                                           ScaleCase{4.99, 2}, ScaleCase{7, 5}, ScaleCase{120, 100},
                                           ScaleCase{260, 200}, ScaleCase{5000, 5000}));

struct FitCase {
    const char* what;
    std::vector<GeoPoint> track;
    double minPixelsPerNm, maxPixelsPerNm;
};

class FitViewTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitViewTest, ShowsEveryPointWithinTheMargin) {
    const FitCase& c = GetParam();
    const MapView view = fitView(c.track, 800, 500, 40);
    EXPECT_GE(view.pixelsPerNm, c.minPixelsPerNm) << c.what;
    EXPECT_LE(view.pixelsPerNm, c.maxPixelsPerNm) << c.what;
    const Projector p(view);
    double left = 800;
    double right = 0;
    double top = 500;
    double bottom = 0;
    for (const GeoPoint& g : c.track) {
        const ScreenPoint s = p.toScreen(g);
        left = std::min(left, s.x);
        right = std::max(right, s.x);
        top = std::min(top, s.y);
        bottom = std::max(bottom, s.y);
    }
    EXPECT_GE(left, 39.9) << c.what;
    EXPECT_LE(right, 760.1) << c.what;
    EXPECT_GE(top, 39.9) << c.what;
    EXPECT_LE(bottom, 460.1) << c.what;
    // Tight on one side at least (unless a single place).
    if (c.track.size() > 1) {
        EXPECT_TRUE(std::fabs(left - 40) < 1 || std::fabs(top - 40) < 1) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Routes, FitViewTest,
    ::testing::Values(
        FitCase{"Oxford to Sywell", {{51.837, -1.32}, {52.18, -1.11}, {52.305, -0.793}}, 5, 50},
        // A short hop across 180°: drawn large, not as the whole world.
        FitCase{"across 180°", rhumbLine({-16.5, 179.8}, {-16.0, -179.7}, 1), 5, 50},
        FitCase{"one place", {{10, 10}}, 12, 13},
        FitCase{"across the Atlantic", rhumbLine({40.6, -73.8}, {51.5, -0.45}, 50), 0.1, 0.3}));

TEST(ViewBoxTest, ReachesAcross180AndRoundAPoleInView) {
    const GeoBox across = viewBox(MapView{{-17, 179.9}, 2, 800, 600});
    EXPECT_GT(across.west, across.east);
    EXPECT_TRUE(across.contains({-17, 179.5}));
    EXPECT_TRUE(across.contains({-17, -179.5}));
    EXPECT_FALSE(across.contains({-17, 0}));
    const GeoBox polar = viewBox(MapView{{88, 0}, 0.5, 800, 600});
    EXPECT_EQ(polar.north, 90);
    EXPECT_EQ(polar.west, -180);
    EXPECT_EQ(polar.east, 180);
}

TEST(PanZoomTest, ZoomKeepsTheAnchorAndPanMovesThePoint) {
    const MapView view{{45, 10}, 2, 800, 600};
    const GeoPoint held = Projector(view).toGeo({100, 100});
    const MapView closer = zoomed(view, 2, {100, 100});
    EXPECT_DOUBLE_EQ(closer.pixelsPerNm, 4);
    const ScreenPoint s = Projector(closer).toScreen(held);
    EXPECT_NEAR(s.x, 100, 0.5);
    EXPECT_NEAR(s.y, 100, 0.5);
    EXPECT_DOUBLE_EQ(zoomed(view, 1e9, {0, 0}).pixelsPerNm, kMaxPixelsPerNm);
    const MapView moved = panned(view, {400, 300}, {500, 300});
    EXPECT_NEAR(Projector(moved).toScreen(view.centre).x, 500, 0.5);
}

TEST(ClipTest, CutsAtTheCircleAndJoinsRingsAlongIt) {
    const Projector p(MapView{{0, 0}, 1, 400, 400});
    const Clip clip(p);
    // A small square round the centre stays whole.
    const std::vector<Vec3> square{toVector({-1, -1}), toVector({-1, 1}), toVector({1, 1}),
                                   toVector({1, -1})};
    std::vector<ScreenPoint> ring;
    clip.ring(square, 0, ring);
    EXPECT_EQ(ring.size(), 4U);
    EXPECT_TRUE(insideEvenOdd({ring}, {200, 200}));
    // A line out to the far side of the globe stops at the circle.
    std::vector<std::vector<ScreenPoint>> pieces;
    std::vector<Vec3> far;
    for (int lon = 0; lon <= 180; lon += 5) {
        far.push_back(toVector({0, double(lon)}));
    }
    clip.line(far, 0, pieces);
    ASSERT_EQ(pieces.size(), 1U);
    EXPECT_NEAR(pieces[0].back().x - 200, clip.radiusPx(), 1e-6);
    // Every point drawn lies within the circle.
    for (const ScreenPoint& s : pieces[0]) {
        EXPECT_LE(std::hypot(s.x - 200, s.y - 200), clip.radiusPx() + 1e-6);
    }
}

}  // namespace
}  // namespace aerolume::map
