// SPDX-License-Identifier: GPL-3.0-or-later
// The pure computation cores, the two field readings and the format masks under
// Google Benchmark. Every benchmark cycles through a few realistic inputs kept in an
// array, so the compiler cannot fold the work away, and keeps each result alive.

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <string_view>

#include "airdata/AirspeedCore.h"
#include "airdata/AltitudeCore.h"
#include "common/FieldReading.h"
#include "common/FormatMask.h"
#include "conversions/ConversionCore.h"
#include "loading/BalanceCore.h"
#include "navigation/MagneticModel.h"
#include "navigation/PressurePatternCore.h"
#include "navigation/RoutesCore.h"
#include "navigation/WindCore.h"

namespace aerolume {
namespace {

// Runs `work` on the inputs in turn.
template <class Input, std::size_t N, class Work>
void cycle(benchmark::State& state, const std::array<Input, N>& inputs, Work work) {
    std::size_t i = 0;
    for (auto _ : state) {
        auto result = work(inputs[i]);
        benchmark::DoNotOptimize(result);
        i = i + 1 == N ? 0 : i + 1;
    }
}

void BM_ComputeWind(benchmark::State& state) {
    const std::array<WindInput, 4> inputs = {{
        {90, 20, 0, 100},
        {270, 35, 45, 120},
        {180, 10, 200, 95},
        {330, 60, 10, 450},
    }};
    cycle(state, inputs, [](const WindInput& in) { return ComputeWind(in); });
}
BENCHMARK(BM_ComputeWind);

void BM_ComputeAltitudes(benchmark::State& state) {
    const std::array<AltitudeInput, 4> inputs = {{
        {5000, 30.12, 25},
        {0, 29.92, 15},
        {8500, 29.80, 30},
        {-200, 30.40, -10},
    }};
    cycle(state, inputs, [](const AltitudeInput& in) { return ComputeAltitudes(in); });
}
BENCHMARK(BM_ComputeAltitudes);

void BM_ComputeAirspeed(benchmark::State& state) {
    const std::array<AirspeedInput, 4> inputs = {{
        {250, 10000, 30.12, -5},
        {100, 0, 29.92, 15},
        {140, 6500, 29.80, 10},
        {300, 24000, 30.01, -30},
    }};
    cycle(state, inputs, [](const AirspeedInput& in) { return ComputeAirspeed(in); });
}
BENCHMARK(BM_ComputeAirspeed);

void BM_ComputePressurePattern(benchmark::State& state) {
    const std::array<PressurePatternInput, 4> inputs = {{
        {29.92, 30.12, 40, 200, 500},
        {30.12, 29.92, 40, 200, 500},
        {9.8, 10.1, 45, 300, 1000},
        {35, 1, 80, 1000, 25000},
    }};
    cycle(state, inputs, [](const PressurePatternInput& in) { return ComputePressurePattern(in); });
}
BENCHMARK(BM_ComputePressurePattern);

void BM_ComputeRoutes(benchmark::State& state) {
    RouteInput across;  // across the continent, both points north and west
    across.DepLatDeg = 33;
    across.DepLatMin = 57;
    across.DepLongDeg = 118;
    across.DepLongMin = 24;
    across.DestLatDeg = 40;
    across.DestLatMin = 38;
    across.DestLongDeg = 73;
    across.DestLongMin = 47;
    RouteInput dateLine = across;  // across the 180th meridian
    dateLine.DepLatDeg = 21;
    dateLine.DepLatMin = 19;
    dateLine.DepLongDeg = 157;
    dateLine.DepLongMin = 55;
    dateLine.DestLatDeg = 35;
    dateLine.DestLatMin = 33;
    dateLine.DestLongDeg = 139;
    dateLine.DestLongMin = 47;
    dateLine.DestEast = true;
    RouteInput south = across;  // southern hemisphere, east
    south.DepLatDeg = 33;
    south.DepLatMin = 52;
    south.DepLongDeg = 151;
    south.DepLongMin = 12;
    south.DestLatDeg = 36;
    south.DestLatMin = 51;
    south.DestLongDeg = 174;
    south.DestLongMin = 46;
    south.DepSouth = south.DestSouth = south.DepEast = south.DestEast = true;
    const std::array<RouteInput, 3> inputs = {across, dateLine, south};
    cycle(state, inputs, [](const RouteInput& in) { return ComputeRoutes(in); });
}
BENCHMARK(BM_ComputeRoutes);

void BM_ComputeBalance(benchmark::State& state) {
    BalanceInput light;
    light.Rows[0] = {1500, 85};
    light.Rows[1] = {240, 95};
    light.Rows[2] = {340, 80.5};
    BalanceInput full = light;
    full.Rows[3] = {300, 118};
    full.Rows[4] = {100, 142};
    full.Rows[5] = {50, 160};
    full.Rows[6] = {20, -12};
    full.Rows[7] = {40, 120};
    const std::array<BalanceInput, 2> inputs = {light, full};
    cycle(state, inputs, [](const BalanceInput& in) { return ComputeBalance(in); });
}
BENCHMARK(BM_ComputeBalance);

void BM_ConvertUnit(benchmark::State& state) {
    const auto conversion = static_cast<UnitConversion>(state.range(0));
    static const char* const names[] = {"C to F",   "F to C",   "inHg to mb", "mb to inHg",
                                        "lb to kg", "kg to lb", "ft to m",    "m to ft"};
    state.SetLabel(names[state.range(0)]);
    const std::array<double, 4> inputs = {59, -40, 29.92, 1013.2};
    cycle(state, inputs, [conversion](double v) { return ConvertUnit(conversion, v); });
}
BENCHMARK(BM_ConvertUnit)->DenseRange(0, 7);

void BM_ComputeDistance(benchmark::State& state) {
    const std::array<DistanceInput, 3> inputs = {{{100, DistanceUnit::NauticalMiles},
                                                  {250, DistanceUnit::StatuteMiles},
                                                  {42.195, DistanceUnit::Kilometres}}};
    cycle(state, inputs, [](const DistanceInput& in) { return ComputeDistance(in); });
}
BENCHMARK(BM_ComputeDistance);

void BM_ComputeVolume(benchmark::State& state) {
    const std::array<VolumeInput, 3> inputs = {
        {{50, VolumeUnit::UsGallons}, {40, VolumeUnit::ImperialGallons}, {80, VolumeUnit::Litres}}};
    cycle(state, inputs, [](const VolumeInput& in) { return ComputeVolume(in); });
}
BENCHMARK(BM_ComputeVolume);

void BM_ComputeCrosswind(benchmark::State& state) {
    const std::array<CrosswindInput, 3> inputs = {{{20, 30}, {15, 60}, {35, 90}}};
    cycle(state, inputs, [](const CrosswindInput& in) { return ComputeCrosswind(in); });
}
BENCHMARK(BM_ComputeCrosswind);

void BM_ComputeClimbRate(benchmark::State& state) {
    const std::array<ClimbInput, 3> inputs = {{{120, 300}, {90, 400}, {150, 250}}};
    cycle(state, inputs, [](const ClimbInput& in) { return ComputeClimbRate(in); });
}
BENCHMARK(BM_ComputeClimbRate);

void BM_ComputeClimbGradient(benchmark::State& state) {
    const std::array<ClimbInput, 3> inputs = {{{120, 600}, {90, 500}, {150, 800}}};
    cycle(state, inputs, [](const ClimbInput& in) { return ComputeClimbGradient(in); });
}
BENCHMARK(BM_ComputeClimbGradient);

// One evaluation of the magnetic model: position, height in feet and decimal year.
void BM_MagneticVariationAt(benchmark::State& state) {
    const std::array<std::array<double, 4>, 4> inputs = {{
        {51.47, -0.45, 2500, 2026.4},
        {-33.95, 151.18, 0, 2027.1},
        {64.13, -21.94, 9500, 2025.8},
        {89.5, 60, 35000, 2029.9},
    }};
    cycle(state, inputs, [](const std::array<double, 4>& in) {
        return MagneticVariationAt(in[0], in[1], in[2], in[3]);
    });
}
BENCHMARK(BM_MagneticVariationAt);

void BM_StrictNumber(benchmark::State& state) {
    const std::array<std::string_view, 4> inputs = {"29.92", "-1500", "36000", "12a"};
    cycle(state, inputs, [](std::string_view text) { return strictNumber(text); });
}
BENCHMARK(BM_StrictNumber);

void BM_LenientNumber(benchmark::State& state) {
    const std::array<std::string_view, 4> inputs = {"29.92", "-1500", "/5", "12.5.3"};
    cycle(state, inputs, [](std::string_view text) { return lenientNumber(text); });
}
BENCHMARK(BM_LenientNumber);

void BM_FormatMask(benchmark::State& state) {
    const auto mask = static_cast<Mask>(state.range(0));
    state.SetLabel(maskPattern(mask));
    const std::array<double, 6> inputs = {120, 0.5, 12.34, -7.25, 2143.7261, 1.005};
    cycle(state, inputs, [mask](double v) { return formatMask(v, mask); });
}
BENCHMARK(BM_FormatMask)->DenseRange(0, static_cast<int>(Mask::Fixed));

}  // namespace
}  // namespace aerolume

BENCHMARK_MAIN();
