// SPDX-License-Identifier: GPL-3.0-or-later
// Envelopes of any shape and loadings against them. An outline the aircraft check
// accepts (at least three corners, not crossing itself, some area) must place every
// one of its corners and the middle of every edge inside, answer the same whichever
// way round its corners are listed, and give finite, non-negative margins and
// distances for any finite point. The loading of an aircraft with that envelope then
// has finite weights and moments and a CG wherever its weight is above 0.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "aircraft/LoadingCore.h"

using namespace aerolume::aircraft;

namespace {

double coordinate(FuzzedDataProvider& data) {
    // Round figures most of the time, so corners line up and edges run level.
    return data.ConsumeBool() ? data.ConsumeIntegralInRange<int>(-50, 50) * 10.0
                              : data.ConsumeFloatingPointInRange<double>(-1e6, 1e6);
}

void checkPosition(const Position& p, const char* what) {
    FUZZ_CHECK(std::isfinite(p.armMargin) && p.armMargin >= 0, "%s: arm margin %g", what,
               p.armMargin);
    FUZZ_CHECK(std::isfinite(p.weightMargin) && p.weightMargin >= 0, "%s: weight margin %g", what,
               p.weightMargin);
    FUZZ_CHECK(std::isfinite(p.distance) && p.distance >= 0, "%s: distance %g", what, p.distance);
}

// The corners, for a failure's message.
std::string corners(const Envelope& envelope) {
    std::string text;
    for (const EnvelopePoint& p : envelope) {
        text += " (" + std::to_string(p.weight) + ", " + std::to_string(p.arm) + ")";
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    Envelope envelope(data.ConsumeIntegralInRange<std::size_t>(3, 12));
    for (EnvelopePoint& p : envelope) {
        p = {std::fabs(coordinate(data)), coordinate(data)};
    }
    if (crossesItself(envelope) || doubleArea(envelope) == 0) {
        return 0;
    }
    const Envelope reversed(envelope.rbegin(), envelope.rend());
    for (std::size_t i = 0; i < envelope.size(); ++i) {
        const EnvelopePoint a = envelope[i];
        const EnvelopePoint b = envelope[(i + 1) % envelope.size()];
        const EnvelopePoint middle{(a.weight + b.weight) / 2, (a.arm + b.arm) / 2};
        FUZZ_CHECK(locate(envelope, a).inside, "corner %zu (%g, %g) outside", i, a.weight, a.arm);
        FUZZ_CHECK(locate(envelope, middle).inside, "middle of edge %zu (%.17g, %.17g) outside%s",
                   i, middle.weight, middle.arm, corners(envelope).c_str());
    }
    for (int n = 0; n < 8 && data.remaining_bytes() > 0; ++n) {
        const EnvelopePoint point{coordinate(data), coordinate(data)};
        const Position p = locate(envelope, point);
        checkPosition(p, "point");
        FUZZ_CHECK(locate(reversed, point).inside == p.inside,
                   "(%g, %g) inside one way round and not the other", point.weight, point.arm);
    }

    Aircraft aircraft;
    aircraft.name = "fuzz";
    aircraft.emptyWeight = 1000;
    aircraft.emptyArm = 10;
    aircraft.stations = {{"Seats", 16, 400.0}, {"Baggage", 75, std::nullopt}};
    aircraft.tanks = {{"Left", 20, 40, FuelType::AvGas, 0}, {"Right", 24, 40, FuelType::JetA, 0}};
    aircraft.maxRampWeight = aircraft.maxTakeoffWeight = aircraft.maxLandingWeight = 2400;
    aircraft.normal = envelope;
    LoadingInput input;
    const auto load = [&data] { return data.ConsumeFloatingPointInRange<double>(0, 1e7); };
    input.stationWeights = {load(), load()};
    input.takeoffFuel = {load(), load()};
    input.burnFuel = splitTripFuel(aircraft, load(), FuelUnit::Litre, input.takeoffFuel);
    input.taxiFuel = load();
    const LoadingResult r = computeLoading(aircraft, input);
    for (const LoadPoint* point : {&r.ramp, &r.takeoff, &r.landing}) {
        FUZZ_CHECK(std::isfinite(point->weight) && std::isfinite(point->moment),
                   "weight %g moment %g", point->weight, point->moment);
        FUZZ_CHECK(point->cg.has_value() == (point->weight > 0), "CG for weight %g", point->weight);
        if (point->normal) {
            checkPosition(*point->normal, "loading");
        }
    }
    return 0;
}
