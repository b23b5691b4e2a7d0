// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "map/MapRenderer.h"
#include "map/MapWidget.h"
#include "map/NearbyAirports.h"
#include "map/WorldMap.h"

namespace aerolume::map {
namespace {

// Colours no blend of the drawing makes, to tell each thing apart by its pixels.
MapStyle testStyle() {
    MapStyle style = MapStyle::paper();
    style.water = QColor(0, 0, 255);
    style.land = QColor(0, 255, 0);
    style.route = QColor(255, 0, 0);
    style.label = QColor(255, 0, 255);
    style.airport = QColor(255, 255, 0);
    return style;
}

QImage render(const MapView& view, const MapContent& content) {
    QImage image(int(view.width), int(view.height), QImage::Format_RGB32);
    QPainter painter(&image);
    drawMap(painter, QRectF(0, 0, view.width, view.height), view, content, testStyle());
    return image;
}

QRgb at(const QImage& image, const ScreenPoint& s) {
    return image.pixel(int(std::lround(s.x)), int(std::lround(s.y)));
}

// Is a pixel of about that colour within `radius` pixels of `s` (antialiased lines blend
// at their edges)?
bool near(const QImage& image, const ScreenPoint& s, int radius, const QColor& colour) {
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QColor c = image.pixelColor(int(s.x) + dx, int(s.y) + dy);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                60) {
                return true;
            }
        }
    }
    return false;
}

std::vector<MapCheckpoint> checkpoints(std::initializer_list<GeoPoint> points) {
    std::vector<MapCheckpoint> result;
    for (const GeoPoint& p : points) {
        result.push_back({QString(), p});
    }
    return result;
}

TEST(MapRenderTest, CheckpointsFallWhereTheProjectionPutsThem) {
    MapContent content;
    content.checkpoints =
        checkpoints({{51.837, -1.32}, {52.18, -1.114}, {52.079, -1.017}, {52.305, -0.793}});
    const MapView view = fitCheckpoints(content.checkpoints, 640, 480);
    const QImage image = render(view, content);
    const Projector projector(view);
    for (std::size_t i = 0; i < content.checkpoints.size(); ++i) {
        const ScreenPoint s = projector.toScreen(content.checkpoints[i].position);
        ASSERT_TRUE(s.x > 0 && s.y > 0 && s.x < 640 && s.y < 480) << i;
        const bool end = i == 0 || i + 1 == content.checkpoints.size();
        EXPECT_EQ(at(image, s), (end ? testStyle().route : testStyle().label).rgb()) << i;
    }
    // Away from the route there is water only.
    EXPECT_EQ(image.pixel(320, 10), testStyle().water.rgb());
}

int redPixelsInColumn(const QImage& image, int x) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        count += image.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
    }
    return count;
}

TEST(MapRenderTest, ARouteAcross180IsOneShortLine) {
    MapContent content;
    content.checkpoints =
        checkpoints({{-17.0, 178.5}, {-16.5, 179.6}, {-16.2, -179.5}, {-15.8, -178.6}});
    const MapView view = fitCheckpoints(content.checkpoints, 640, 480);
    const QImage image = render(view, content);
    const Projector projector(view);
    // The leg over the meridian is drawn between its two checkpoints...
    const ScreenPoint a = projector.toScreen(content.checkpoints[1].position);
    const ScreenPoint b = projector.toScreen(content.checkpoints[2].position);
    EXPECT_EQ(at(image, {(a.x + b.x) / 2, (a.y + b.y) / 2}), testStyle().route.rgb());
    // ...and no line runs across the whole picture from one edge to the other.
    EXPECT_EQ(redPixelsInColumn(image, 2), 0);
    EXPECT_EQ(redPixelsInColumn(image, 637), 0);
    EXPECT_LT(a.x, b.x);  // west to east, as flown
}

class FakeAirports : public NearbyAirports {
public:
    std::vector<MapAirport> airportsIn(const GeoBox& box, std::size_t limit) const override {
        asked = box;
        std::vector<MapAirport> found;
        for (const MapAirport& a : m_airports) {
            if (box.contains(a.position) && found.size() < limit) {
                found.push_back(a);
            }
        }
        return found;
    }
    mutable GeoBox asked;

private:
    std::vector<MapAirport> m_airports{{"EGTK", "Oxford", {51.837, -1.32}},
                                       {"EGBK", "Sywell", {52.305, -0.793}},
                                       {"EGTC", "Cranfield", {52.072, -0.617}},
                                       {"LFPG", "Paris", {49.0, 2.55}}};
};

TEST(MapRenderTest, DrawsTheAirportsOfTheBoxItShows) {
    FakeAirports airports;
    MapContent content;
    content.airports = &airports;
    content.checkpoints = checkpoints({{51.837, -1.32}, {52.305, -0.793}});
    const MapView view = fitCheckpoints(content.checkpoints, 640, 480);
    const QImage image = render(view, content);
    EXPECT_TRUE(airports.asked.contains({52.072, -0.617}));
    EXPECT_FALSE(airports.asked.contains({49.0, 2.55}));
    // Cranfield's ring round its position, in the airport colour.
    const ScreenPoint s = Projector(view).toScreen(GeoPoint{52.072, -0.617});
    EXPECT_TRUE(near(image, s, 4, testStyle().airport));
    EXPECT_FALSE(near(image, {s.x, s.y + 40}, 4, testStyle().airport));
}

struct LandCase {
    const char* what;
    GeoPoint centre;
    double pixelsPerNm;
    GeoPoint probe;
    bool land;
};

class LandFillTest : public ::testing::TestWithParam<LandCase> {};

TEST_P(LandFillTest, FillsTheLandAndLeavesTheSea) {
    const WorldMap* world = builtInWorldMap();
    ASSERT_NE(world, nullptr);
    MapContent content;
    content.world = world;
    const LandCase& c = GetParam();
    const MapView view{c.centre, c.pixelsPerNm, 400, 300};
    const QImage image = render(view, content);
    EXPECT_EQ(at(image, Projector(view).toScreen(c.probe)),
              (c.land ? testStyle().land : testStyle().water).rgb())
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Places, LandFillTest,
    ::testing::Values(
        LandCase{"Australia's middle", {-25, 134}, 0.1, {-25.3, 133.7}, true},
        LandCase{"the Coral Sea", {-25, 134}, 0.1, {-18.3, 156.3}, false},
        // Seen from New Zealand the far side of the globe is Spain, on land.
        LandCase{"New Zealand's North Island", {-40, 174}, 0.3, {-38.5, 176}, true},
        LandCase{"the Tasman Sea", {-40, 174}, 0.3, {-40.3, 167.7}, false},
        LandCase{"inside Siberia, no coast in view", {62.1, 100.1}, 5, {62.1, 100.1}, true},
        LandCase{"the Caspian Sea", {42.1, 50.9}, 0.4, {42.1, 50.9}, false},
        LandCase{"Wrangel Island, east of 180°", {71.2, 180}, 1, {71.23, -179.3}, true},
        LandCase{"Wrangel Island, west of 180°", {71.2, 180}, 1, {71.23, 179.3}, true},
        LandCase{"the sea south of Wrangel Island", {71.2, 180}, 1, {70.3, 179.7}, false}));

}  // namespace
}  // namespace aerolume::map
