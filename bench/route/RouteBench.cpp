// SPDX-License-Identifier: GPL-3.0-or-later
// The route map and the route files under Google Benchmark: a 100-leg plan's map drawn
// (coastlines, borders, airports near the route, legs and names), and 300 points exported
// and imported again in each format. Targets: under 30 ms and under 50 ms.
//
//   aerolume-route-bench [benchmark options]
//   aerolume-route-bench --png <file>   writes the map that is measured
#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "interchange/RouteExport.h"
#include "interchange/RouteFiles.h"
#include "map/MapRenderer.h"
#include "map/MapWidget.h"
#include "map/NearbyAirports.h"

namespace aerolume {
namespace {

// A grid of 400 airports over western Europe, for the map to pick from.
class GridAirports : public map::NearbyAirports {
public:
    GridAirports() {
        for (int i = 0; i < 20; ++i) {
            for (int j = 0; j < 20; ++j) {
                m_airports.push_back({"A" + std::to_string(i * 20 + j),
                                      "Airport",
                                      {42 + 0.6 * i + 0.1 * std::sin(j), -4 + 1.1 * j}});
            }
        }
    }
    std::vector<map::MapAirport> airportsIn(const map::GeoBox& box,
                                            std::size_t limit) const override {
        std::vector<map::MapAirport> found;
        for (const map::MapAirport& a : m_airports) {
            if (found.size() < limit && box.contains(a.position)) {
                found.push_back(a);
            }
        }
        return found;
    }

private:
    std::vector<map::MapAirport> m_airports;
};

// 101 checkpoints zigzagging east from Brittany to the Black Sea.
std::vector<map::MapCheckpoint> hundredLegs() {
    std::vector<map::MapCheckpoint> route;
    for (int i = 0; i <= 100; ++i) {
        route.push_back({QStringLiteral("Checkpoint %1").arg(i),
                         {47 + 1.5 * std::sin(i * 0.7), -4 + 0.33 * i}});
    }
    return route;
}

QImage drawHundredLegs() {
    static const GridAirports airports;
    map::MapContent content;
    content.world = map::builtInWorldMap();
    content.airports = &airports;
    content.checkpoints = hundredLegs();
    const map::MapView view = map::fitCheckpoints(content.checkpoints, 1000, 700);
    QImage image(1000, 700, QImage::Format_RGB32);
    QPainter painter(&image);
    map::drawMap(painter, image.rect(), view, content, map::MapStyle::fromPalette(QPalette()));
    return image;
}

void BM_DrawMap100Legs(benchmark::State& state) {
    for (auto _ : state) {
        QImage image = drawHundredLegs();
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_DrawMap100Legs)->Unit(benchmark::kMillisecond);

// 300 points: airports, navaids and user waypoints in turn.
interchange::Route threeHundredPoints() {
    interchange::Route route{"Three hundred", {}};
    for (int i = 0; i < 300; ++i) {
        const auto type = i % 3 == 0   ? interchange::WaypointType::Airport
                          : i % 3 == 1 ? interchange::WaypointType::Vor
                                       : interchange::WaypointType::UserWaypoint;
        route.points.push_back({type == interchange::WaypointType::UserWaypoint
                                    ? std::string()
                                    : "P" + std::to_string(i),
                                type, "EG", 50 + 0.01 * i, -3 + 0.02 * i,
                                "Turning point " + std::to_string(i), std::nullopt});
    }
    return route;
}

void BM_ExportImport300(benchmark::State& state) {
    const auto format = interchange::RouteFormat(state.range(0));
    const interchange::Route route = threeHundredPoints();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (auto _ : state) {
        const auto prepared = interchange::prepareForExport(route);
        const QByteArray bytes =
            interchange::writeRoute(format, std::get<interchange::Route>(prepared), now);
        if (interchange::canImport(format)) {
            auto back = interchange::readRoute(bytes);
            benchmark::DoNotOptimize(back);
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ExportImport300)
    ->ArgName("fpl0_gpx1_fms2")
    ->Arg(int(interchange::RouteFormat::Fpl))
    ->Arg(int(interchange::RouteFormat::Gpx))
    ->Arg(int(interchange::RouteFormat::Fms))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace aerolume

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "--png") == 0) {
        return aerolume::drawHundredLegs().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
