// SPDX-License-Identifier: GPL-3.0-or-later
// The magnetic model at any position, height and year the window or the navigation log
// can ask for, and at some they cannot: an input out of range gives nothing; anything
// else gives finite elements in their ranges, the blackout flag exactly where the
// horizontal intensity is below 2000 nT, and a declination that moves continuously
// with the position wherever the horizontal intensity leaves it defined.

#include <fuzzer/FuzzedDataProvider.h>
#include <cmath>
#include <cstdint>

#include "FuzzCheck.h"
#include "navigation/MagneticModel.h"

namespace {

bool finite(const aerolume::GeomagneticField& b) {
    for (const double v :
         {b.North, b.East, b.Down, b.Horizontal, b.Total, b.Declination, b.Inclination,
          b.NorthChange, b.EastChange, b.DownChange, b.DeclinationChange}) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

// The smaller angle between two declinations, degrees.
double apart(double a, double b) {
    const double d = std::fabs(a - b);
    return d > 180 ? 360 - d : d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const bool raw = data.ConsumeBool();
    const double lat = raw ? data.ConsumeFloatingPoint<double>()
                           : data.ConsumeFloatingPointInRange<double>(-90, 90);
    const double lon = raw ? data.ConsumeFloatingPoint<double>()
                           : data.ConsumeFloatingPointInRange<double>(-720, 720);
    const double feet = raw ? data.ConsumeFloatingPoint<double>()
                            : data.ConsumeFloatingPointInRange<double>(-30000, 3000000);
    const double year = raw ? data.ConsumeFloatingPoint<double>()
                            : data.ConsumeFloatingPointInRange<double>(1, 10000);

    const auto v = aerolume::MagneticVariationAt(lat, lon, feet, year);
    const bool inRange = std::isfinite(lat) && std::isfinite(lon) && std::isfinite(feet) &&
                         std::isfinite(year) && std::fabs(lat) <= 90 &&
                         feet * (0.3048 / 1000) >= aerolume::kMinHeightKm &&
                         feet * (0.3048 / 1000) <= aerolume::kMaxHeightKm &&
                         year >= aerolume::kMinYear && year <= aerolume::kMaxYear;
    FUZZ_CHECK(v.has_value() == inRange, "lat %.17g lon %.17g ft %.17g year %.17g", lat, lon, feet,
               year);
    if (!v) {
        return 0;
    }
    const auto& b = v->Field;
    FUZZ_CHECK(finite(b), "not finite at %.17g %.17g %.17g %.17g", lat, lon, feet, year);
    FUZZ_CHECK(b.Declination > -180 && b.Declination <= 180, "D %.17g", b.Declination);
    FUZZ_CHECK(std::fabs(b.Inclination) <= 90 && b.Horizontal >= 0 && b.Total >= b.Horizontal,
               "I %.17g H %.17g F %.17g", b.Inclination, b.Horizontal, b.Total);
    FUZZ_CHECK(v->Declination().has_value() == (b.Horizontal >= aerolume::kBlackoutHorizontal),
               "blackout flag with H %.17g", b.Horizontal);
    FUZZ_CHECK(v->OutsideValidity == (year < 2025 || year >= 2030), "validity at %.17g", year);

    // A step of 1E-6 degree (a tenth of a metre) turns the declination by far less than
    // a thousandth of a degree outside the compass blackout zone (H above 2000 nT).
    if (b.Horizontal > 2000) {
        const double stepLat = lat > 0 ? lat - 1e-6 : lat + 1e-6;
        for (const auto& [la, lo] : {std::pair{lat, lon + 1e-6}, std::pair{stepLat, lon}}) {
            const auto w = aerolume::MagneticVariationAt(la, lo, feet, year);
            FUZZ_CHECK(w.has_value(), "neighbour refused");
            FUZZ_CHECK(apart(w->Field.Declination, b.Declination) < 1e-3,
                       "D jumps from %.17g to %.17g at %.17g %.17g (H %.17g)", b.Declination,
                       w->Field.Declination, lat, lon, b.Horizontal);
        }
    }
    return 0;
}
