// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace aerolume {

// The earth's main magnetic field from the World Magnetic Model 2025
// (WmmCoefficients.h), evaluated the way the model's technical report describes it:
// geodetic position on the WGS84 ellipsoid to geocentric spherical coordinates,
// Schmidt semi-normalised associated Legendre functions, the spherical-harmonic sums
// for the field and for its yearly change, and the rotation back to the geodetic frame.

// The field at one place and time.
struct GeomagneticField {
    double North = 0;        // X, nT
    double East = 0;         // Y, nT
    double Down = 0;         // Z, nT; > 0 where the field dips below the horizon
    double Horizontal = 0;   // H = sqrt(X^2 + Y^2), nT, >= 0
    double Total = 0;        // F = sqrt(H^2 + Z^2), nT, >= 0
    double Declination = 0;  // D = atan2(Y, X), degrees in (-180, 180]; east of true north > 0
    double Inclination = 0;  // I = atan2(Z, H), degrees in [-90, 90]; downward > 0
    // Yearly changes: nT per year for the components, degrees per year for D (east > 0).
    double NorthChange = 0;
    double EastChange = 0;
    double DownChange = 0;
    double DeclinationChange = 0;
};

// Where the compass may be trusted, after the model's blackout and caution zones.
enum class MagneticZone {
    Normal,    // H >= 6000 nT
    Caution,   // 2000 nT <= H < 6000 nT: the declination is unreliable
    Blackout,  // H < 2000 nT: the compass is useless and the declination meaningless
};
inline constexpr double kBlackoutHorizontal = 2000;  // nT
inline constexpr double kCautionHorizontal = 6000;   // nT

// Heights the core evaluates, km above the ellipsoid; the model itself is published
// for -1 km to 850 km.
inline constexpr double kMinHeightKm = -10;
inline constexpr double kMaxHeightKm = 1000;
// Years the core evaluates (the calendar dates of DecimalYear()).
inline constexpr double kMinYear = 1;
inline constexpr double kMaxYear = 10000;

// The field at geodetic latitude `latitude` (degrees, -90 to 90, north > 0), longitude
// `longitude` (degrees, east > 0, any finite value: 190 is -170), height `heightKm`
// (km above the WGS84 ellipsoid, kMinHeightKm to kMaxHeightKm) and time `decimalYear`
// (kMinYear to kMaxYear: outside 2025.0 to 2030.0 the model is extrapolated linearly).
// Nothing when an input is not finite or out of its range.
//
// Steps, after the WMM2025 technical report (section 1.2; equation numbers as there):
//   1. geocentric spherical coordinates (eqs. 7, 8): with A = 6378.137 km,
//      f = 1/298.257223563, e^2 = f(2 - f), Rc = A / sqrt(1 - e^2 sin^2 lat),
//      p = (Rc + h) cos lat, z = (Rc (1 - e^2) + h) sin lat, r = sqrt(p^2 + z^2),
//      geocentric latitude lat' = asin(z / r);
//   2. coefficients at the time (eq. 9): g(t) = g + (t - 2025.0) gDot, likewise h;
//   3. field in the geocentric frame (eqs. 10 to 12), with a = 6371.2 km and the Schmidt
//      semi-normalised P(n, m) of sin lat' and its derivative with respect to lat':
//        X' = -sum (a/r)^(n+2) (g cos m lon + h sin m lon) dP(n, m)/dlat'
//        Y' = 1/cos lat' sum (a/r)^(n+2) m (g sin m lon - h cos m lon) P(n, m)
//        Z' = -sum (n + 1) (a/r)^(n+2) (g cos m lon + h sin m lon) P(n, m);
//      at a pole (cos lat' below 1E-10) Y' takes its limit, where only m = 1 remains
//      and P(n, 1) / cos lat' tends to (+-1)^(n+1) sqrt(n (n + 1) / 2);
//   4. rotation to the geodetic frame by the angle lat' - lat:
//        X = X' cos(lat' - lat) - Z' sin(lat' - lat), Y = Y',
//        Z = X' sin(lat' - lat) + Z' cos(lat' - lat);
//   5. H, F, D = atan2(Y, X) and I = atan2(Z, H);
//   6. the yearly changes: steps 3 and 4 with gDot and hDot in place of g and h; the
//      change of the declination is (X dY - Y dX) / H^2, radians per year, given in
//      degrees per year.
// The program's pi (common/Constants.h) is kept for the route window's comparisons;
// the model uses the exact double nearest pi.
std::optional<GeomagneticField> ComputeGeomagneticField(double latitude, double longitude,
                                                        double heightKm, double decimalYear);

// The record the navigation log and the magnetic variation window use.
struct MagneticVariation {
    GeomagneticField Field;
    bool OutsideValidity = false;  // the year lies before 2025.0 or at or after 2030.0
    MagneticZone Zone = MagneticZone::Normal;

    // The variation to apply: degrees, east of true north > 0 (magnetic heading = true
    // heading - variation); nothing in the blackout zone, where it means nothing.
    std::optional<double> Declination() const {
        if (Zone == MagneticZone::Blackout) {
            return std::nullopt;
        }
        return Field.Declination;
    }
};

// The navigation log's single call: the variation at geodetic latitude and longitude
// in degrees (north and east > 0), height in FEET above the WGS84 ellipsoid (mean sea
// level serves: the difference is far below the model's accuracy) and a decimal year
// (DecimalYear() below turns a calendar date into one). The record carries the
// declination (degrees, east > 0), the validity flag and the zone. Nothing when an
// input is not finite or out of range (latitude beyond 90 degrees, height outside
// about -32800 ft to 3280000 ft, year outside 1 to 10000).
std::optional<MagneticVariation> MagneticVariationAt(double latitude, double longitude,
                                                     double heightFeet, double decimalYear);

// The decimal year of a calendar date (Gregorian, at 0 h): year + (day of the year -
// 1) / (days in the year), as the model's own software counts it: 2025-01-01 is
// 2025.0, 2028-07-02 is 2028.5. Nothing for a date that does not exist or a year
// outside 1 to 9999.
std::optional<double> DecimalYear(int year, int month, int day);

}  // namespace aerolume
