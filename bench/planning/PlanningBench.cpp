// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log under Google Benchmark: a plan of 100 legs recomputed (the work
// of every edit), level and with its climb, steps and descent, departure time and fuel
// plan, and exported as a PDF. Targets: under 1 ms and under 300 ms.
//
//   aerolume-planning-bench [benchmark options]
//   aerolume-planning-bench --pdf <file> [A4|Letter|A5|Statement|<width>x<height> mm]
//                           [sample|tour|long|bare]   writes sample pages (10, 40 or 100
//                           legs; bare: the 10 without time, profile, fuel plan or header)
//   aerolume-planning-bench --loading-pdf <file>   writes a sample loading form

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTimeZone>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "aircraft/LoadingPdf.h"
#include "planning/PlanCore.h"
#include "planning/PlanPrint.h"

namespace aerolume::planning {
namespace {

// A zigzag of 100 legs eastward along 35° N, winds and variations varying by leg.
Plan longPlan() {
    Plan plan;
    plan.name = "Hundred legs";
    plan.defaults = {6500, 120, 250, 20, 12, 9, 500, 2, 45, FuelUnit::UsGallons};
    for (int i = 0; i <= 100; ++i) {
        Checkpoint point{"WPT" + std::to_string(i), 35 + 0.2 * std::sin(i), -118 + 0.3 * i, {}};
        if (i % 3 == 0) {
            point.leg.windDirection = (i * 37) % 360;
            point.leg.windSpeed = 10 + i % 25;
        }
        if (i % 7 == 0) {
            point.leg.variation = 10 + (i % 5);
        }
        plan.checkpoints.push_back(point);
    }
    return plan;
}

// The same plan flown in time and height: a climb from the field, every tenth leg a
// step up or down, the descent to the destination, ETAs and a fuel plan with its
// alternate.
Plan profiledPlan() {
    Plan plan = longPlan();
    plan.departureTime = TimeOfDay{21, 40};
    plan.climb = ClimbFigures{700, 75, 11};
    plan.descent = ClimbFigures{500, 120, 7};
    plan.checkpoints.front().elevation = 270;
    plan.checkpoints.back().elevation = 2180;
    for (std::size_t i = 10; i + 1 < plan.checkpoints.size(); i += 10) {
        plan.checkpoints[i].leg.altitude = (i / 10) % 2 == 0 ? 8500 : 4500;
    }
    plan.fuelPlan = FuelPlanInputs{5, 2};
    plan.alternate = Checkpoint{"ALT", 35.6, -87.5, {}};
    return plan;
}

// A real-looking afternoon trip of 10 legs: a climb from the coast, a step up over the
// mountains, the descent into the destination, a departure late in the UTC day and a
// fuel plan with an alternate.
Plan samplePlan() {
    Plan plan;
    plan.name = "Santa Monica to Las Vegas";
    plan.date = PlanDate{2026, 6, 12};
    plan.defaults = {6500, 115, 250, 18, 12, 8.5, 48, 1.2, 45, FuelUnit::UsGallons};
    const auto airport = [](const char* id, const char* name, double lat, double lon,
                            double elevation) {
        Checkpoint point{std::string(id) + " " + name, lat, lon, {}};
        point.elevation = elevation;
        point.origin = {PlaceKind::Airport, id, "US", {}};
        return point;
    };
    const auto navaid = [](const char* id, const char* name, double lat, double lon) {
        Checkpoint point{std::string(id) + " " + name, lat, lon, {}};
        point.origin = {PlaceKind::Vortac, id, "US", {}};
        return point;
    };
    plan.checkpoints = {airport("KSMO", "Santa Monica Municipal", 34.0158, -118.4513, 177),
                        navaid("POM", "Pomona", 34.0785, -117.7873),
                        {"Cajon Pass", 34.3167, -117.4667, {}},
                        {"Hesperia", 34.4264, -117.3009, {8500, {}, {}, {}, {}}},
                        navaid("HEC", "Hector", 34.7972, -116.4631),
                        navaid("DAG", "Daggett", 34.9625, -116.5783),
                        {"Baker", 35.2650, -116.0740, {{}, {}, 270, 22, {}}},
                        {"Mountain Pass", 35.4700, -115.5400, {}},
                        {"Primm", 35.6100, -115.3900, {}},
                        {"Jean", 35.7700, -115.3300, {}},
                        airport("KLAS", "Harry Reid International", 36.0800, -115.1522, 2181)};
    plan.departureTime = TimeOfDay{22, 50};
    plan.climb = ClimbFigures{700, 75, 10.5};
    plan.descent = ClimbFigures{500, 120, 6.5};
    plan.fuelPlan = FuelPlanInputs{5, 0};
    plan.alternate = airport("KVGT", "North Las Vegas", 36.2107, -115.1944, 2205);
    return plan;
}

// Forty legs along the old highway east, in an aircraft whose fuel does not last: the
// log runs onto several pages, past midnight UTC, and the fuel plan is short.
Plan tourPlan() {
    Plan plan;
    plan.name = "Barstow to Memphis along Route 66";
    plan.date = PlanDate{2026, 9, 3};
    plan.defaults = {9500, 160, 270, 25, 10, 14, 92, 2, 45, FuelUnit::UsGallons};
    const struct {
        const char* name;
        double lat, lon;
    } towns[] = {{"KDAG Barstow-Daggett", 34.8537, -116.7868},
                 {"Ludlow", 34.72, -116.16},
                 {"Amboy", 34.56, -115.74},
                 {"Essex", 34.73, -115.24},
                 {"Needles", 34.85, -114.61},
                 {"Topock", 34.72, -114.49},
                 {"Oatman", 35.03, -114.38},
                 {"Kingman", 35.19, -114.05},
                 {"Hackberry", 35.37, -113.73},
                 {"Peach Springs", 35.53, -113.42},
                 {"Seligman", 35.33, -112.88},
                 {"Ash Fork", 35.23, -112.48},
                 {"Williams", 35.25, -112.19},
                 {"Flagstaff", 35.20, -111.65},
                 {"Winona", 35.21, -111.41},
                 {"Winslow", 35.02, -110.70},
                 {"Holbrook", 34.90, -110.16},
                 {"Chambers", 35.18, -109.43},
                 {"Sanders", 35.21, -109.33},
                 {"Gallup", 35.53, -108.74},
                 {"Thoreau", 35.40, -108.22},
                 {"Grants", 35.15, -107.85},
                 {"Laguna", 35.04, -107.38},
                 {"Albuquerque", 35.08, -106.65},
                 {"Moriarty", 34.99, -106.05},
                 {"Santa Rosa", 34.94, -104.68},
                 {"Tucumcari", 35.17, -103.72},
                 {"Adrian", 35.27, -102.67},
                 {"Vega", 35.24, -102.43},
                 {"Amarillo", 35.22, -101.83},
                 {"Groom", 35.20, -101.10},
                 {"Shamrock", 35.21, -100.25},
                 {"Elk City", 35.41, -99.40},
                 {"Clinton", 35.52, -98.97},
                 {"Oklahoma City", 35.47, -97.52},
                 {"Shawnee", 35.33, -96.93},
                 {"Henryetta", 35.44, -95.98},
                 {"Sallisaw", 35.46, -94.79},
                 {"Fort Smith", 35.39, -94.40},
                 {"Russellville", 35.28, -93.13},
                 {"KMEM Memphis International", 35.0424, -89.9767}};
    for (const auto& town : towns) {
        plan.checkpoints.push_back({town.name, town.lat, town.lon, {}});
    }
    plan.checkpoints.front().origin = {PlaceKind::Airport, "KDAG", "US", {}};
    plan.checkpoints.front().elevation = 1930;
    plan.checkpoints.back().origin = {PlaceKind::Airport, "KMEM", "US", {}};
    plan.checkpoints.back().elevation = 341;
    plan.departureTime = TimeOfDay{17, 5};
    plan.climb = ClimbFigures{900, 110, 18};
    plan.descent = ClimbFigures{700, 170, 10};
    plan.fuelPlan = FuelPlanInputs{5, 0};
    return plan;
}

// What the window would give the page from the airport data and the aircraft.
PrintHeader sampleHeader(const Plan& plan) {
    PrintHeader header;
    header.aircraft = QStringLiteral("Four-seat trainer");
    header.registration = QStringLiteral("N5201K");
    header.localZone = QTimeZone("America/Los_Angeles");
    if (plan.checkpoints.front().origin.identifier == "KSMO") {
        header.departureFrequencies = {QStringLiteral("ATIS 119.150"),
                                       QStringLiteral("GND 121.900"),
                                       QStringLiteral("TWR 120.100")};
        header.destinationFrequencies = {
            QStringLiteral("ATIS 132.400"), QStringLiteral("APP 125.900"),
            QStringLiteral("TWR 119.900"), QStringLiteral("GND 121.100")};
    } else {
        header.aircraft = QStringLiteral("Six-seat tourer");
        header.registration = QStringLiteral("N46TW");
        header.departureFrequencies = {QStringLiteral("CTAF 122.800")};
        header.destinationFrequencies = {QStringLiteral("ATIS 119.450"),
                                         QStringLiteral("APP 125.800"),
                                         QStringLiteral("TWR 118.300")};
    }
    return header;
}

void BM_ComputePlan100Legs(benchmark::State& state) {
    const Plan plan = longPlan();
    for (auto _ : state) {
        PlanResult result = ComputePlan(plan);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ComputePlan100Legs)->Unit(benchmark::kMicrosecond);

void BM_ComputePlan100LegsClimbDescent(benchmark::State& state) {
    const Plan plan = profiledPlan();
    if (ComputePlan(plan).profile.status != ProfileStatus::Computed) {
        state.SkipWithError("the plan's profile was not computed");
        return;
    }
    for (auto _ : state) {
        PlanResult result = ComputePlan(plan);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ComputePlan100LegsClimbDescent)->Unit(benchmark::kMicrosecond);

// The printed log of the 100 legs with their climb, steps and descent: every row laid
// out, painted and written as a PDF file, on a kneeboard page (A5) and on A4.
void exportPdf(benchmark::State& state, QPageSize::PageSizeId size) {
    const Plan plan = profiledPlan();
    const PlanResult result = ComputePlan(plan);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.pdf"));
    for (auto _ : state) {
        const QString error = writePlanPdf(path, plan, result, QPageSize(size), sampleHeader(plan));
        if (!error.isEmpty()) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
    }
}
void BM_ExportPdfA5_100LegsClimbDescent(benchmark::State& state) {
    exportPdf(state, QPageSize::A5);
}
BENCHMARK(BM_ExportPdfA5_100LegsClimbDescent)->Unit(benchmark::kMillisecond);
void BM_ExportPdfA4_100LegsClimbDescent(benchmark::State& state) {
    exportPdf(state, QPageSize::A4);
}
BENCHMARK(BM_ExportPdfA4_100LegsClimbDescent)->Unit(benchmark::kMillisecond);

// A four-seat trainer with two wing tanks, loaded for a trip: the loading form's sample.
bool writeLoadingSample(const QString& path) {
    using namespace aircraft;
    Aircraft a;
    a.name = "Four-seat trainer";
    a.registration = "N5201K";
    a.emptyWeight = 1680;
    a.emptyArm = 39.52;
    a.stations = {{"Front seats", 37, {}},
                  {"Rear seats", 73, {}},
                  {"Baggage area 1", 95, 120.0},
                  {"Baggage area 2", 123, 50.0}};
    a.tanks = {{"Left wing", 48, 26.5, FuelType::AvGas, 0},
               {"Right wing", 48, 26.5, FuelType::AvGas, 0}};
    a.maxRampWeight = 2558;
    a.maxTakeoffWeight = 2550;
    a.maxLandingWeight = 2550;
    a.normal = {{1500, 35}, {1950, 35}, {2550, 41}, {2550, 47.3}, {1500, 47.3}};
    a.utility = {{1500, 35}, {1950, 35}, {2200, 37.5}, {2200, 40.5}, {1500, 40.5}};
    const LoadingInput input{{340, 150, 40, 0}, {144, 144}, {46, 46}, 8};
    const LoadingResult result = computeLoading(a, input);
    LoadingReport report;
    report.aircraft = a;
    report.lines = loadingSheet(a, input, result);
    report.verdicts = {QStringLiteral("Ramp: within every limit."),
                       QStringLiteral("Take-off: within the normal envelope, outside the utility "
                                      "envelope."),
                       QStringLiteral("Landing: within the normal envelope.")};
    report.date = QDate(2026, 6, 12);
    report.graph = {a.normal,
                    a.utility,
                    EnvelopePoint{result.takeoff.weight, *result.takeoff.cg},
                    EnvelopePoint{result.landing.weight, *result.landing.cg},
                    QStringLiteral("lb"),
                    QStringLiteral("in")};
    QString error;
    return writeLoadingPdf(path, report, &error);
}

}  // namespace
}  // namespace aerolume::planning

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    using namespace aerolume::planning;
    if (argc >= 3 && std::strcmp(argv[1], "--loading-pdf") == 0) {
        return writeLoadingSample(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    if (argc >= 3 && std::strcmp(argv[1], "--pdf") == 0) {
        QPageSize size(QPageSize::A5);
        if (argc >= 4) {
            const QString name = QString::fromLatin1(argv[3]);
            const QStringList mm = name.split(u'x');
            size = name == QLatin1String("A4")          ? QPageSize(QPageSize::A4)
                   : name == QLatin1String("Letter")    ? QPageSize(QPageSize::Letter)
                   : name == QLatin1String("Statement") ? QPageSize(QPageSize::Statement)
                   : mm.size() == 2 ? QPageSize(QSizeF(mm[0].toDouble(), mm[1].toDouble()),
                                                QPageSize::Millimeter)
                                    : QPageSize(QPageSize::A5);
        }
        const std::string which = argc >= 5 ? argv[4] : "sample";
        Plan plan = which == "tour" ? tourPlan() : which == "long" ? profiledPlan() : samplePlan();
        PrintHeader header = sampleHeader(plan);
        if (which == "bare") {
            // As the window prints it before it fills the header: no time, no profile.
            plan.departureTime.reset();
            plan.climb.reset();
            plan.descent.reset();
            plan.fuelPlan.reset();
            header = {};
        }
        const QString error =
            writePlanPdf(QString::fromLocal8Bit(argv[2]), plan, ComputePlan(plan), size, header);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
        }
        return error.isEmpty() ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
