// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log under Google Benchmark: a plan of 100 legs recomputed (the work
// of every edit), level and with its climb, steps and descent, departure time and fuel
// plan, and exported as a PDF. Targets: under 1 ms and under 300 ms.
//
//   aerolume-planning-bench [benchmark options]
//   aerolume-planning-bench --pdf <file> [A4|Letter|A5|Statement]   writes a sample page

#include <benchmark/benchmark.h>

#include <QDate>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <cstring>

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

Plan samplePlan() {
    Plan plan;
    plan.name = "Santa Monica to Las Vegas";
    plan.defaults = {8500, 115, 250, 20, 12, 9, 48, 1.2, 45, FuelUnit::UsGallons};
    plan.checkpoints = {{"KSMO Santa Monica", 34.0158, -118.4513, {}},
                        {"POM Pomona VOR", 34.0785, -117.7873, {6500, {}, {}, 15, {}}},
                        {"Cajon Pass", 34.3167, -117.4667, {}},
                        {"DAG Daggett VOR", 34.9625, -116.5783, {}},
                        {"KLAS Las Vegas", 36.08, -115.152, {{}, {}, {}, {}, 11.5}}};
    return plan;
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

void BM_ExportPdf100Legs(benchmark::State& state) {
    const Plan plan = longPlan();
    const PlanResult result = ComputePlan(plan);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.pdf"));
    for (auto _ : state) {
        const QString error =
            writePlanPdf(path, plan, result, QPageSize(QPageSize::A4), QDate(2026, 1, 1));
        benchmark::DoNotOptimize(error);
    }
}
BENCHMARK(BM_ExportPdf100Legs)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace aerolume::planning

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    using namespace aerolume::planning;
    if (argc >= 3 && std::strcmp(argv[1], "--pdf") == 0) {
        QPageSize::PageSizeId size = QPageSize::A5;
        if (argc >= 4) {
            const QString name = QString::fromLatin1(argv[3]);
            size = name == QLatin1String("A4")          ? QPageSize::A4
                   : name == QLatin1String("Letter")    ? QPageSize::Letter
                   : name == QLatin1String("Statement") ? QPageSize::Statement
                                                        : QPageSize::A5;
        }
        const Plan plan = argc >= 5 ? longPlan() : samplePlan();
        const QString error = writePlanPdf(QString::fromLocal8Bit(argv[2]), plan, ComputePlan(plan),
                                           QPageSize(size), QDate(2026, 12, 8));
        return error.isEmpty() ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
