// SPDX-License-Identifier: GPL-3.0-or-later
#include "MagneticModel.h"

#include <array>
#include <cmath>
#include <numbers>

#include "WmmCoefficients.h"

namespace aerolume {
namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kSemiMajorKm = 6378.137;                           // WGS84 A
constexpr double kFlattening = 1 / 298.257223563;                   // WGS84 f
constexpr double kEccentricity2 = kFlattening * (2 - kFlattening);  // e^2
constexpr double kReferenceRadiusKm = 6371.2;                       // the model's a
constexpr double kPoleCosine = 1e-10;
constexpr double kFeetToKm = 0.3048 / 1000;

constexpr int kSize = kWmmDegree + 1;
using Table = std::array<std::array<double, kSize>, kSize>;  // [n][m]

// Schmidt semi-normalised P(n, m)(sin lat') and dP(n, m)/dlat', by the recursions
//   P(0, 0) = 1, P(1, 1) = cos lat', P(m, m) = sqrt(1 - 1/(2m)) cos lat' P(m-1, m-1),
//   P(n, m) = ((2n - 1) sin lat' P(n-1, m) - sqrt((n-1)^2 - m^2) P(n-2, m))
//             / sqrt(n^2 - m^2),
// and their derivatives term by term, which stay finite at the poles.
void Legendre(double sinLat, double cosLat, Table& p, Table& dp) {
    p[0][0] = 1;
    dp[0][0] = 0;
    for (int m = 1; m <= kWmmDegree; ++m) {
        const double k = m == 1 ? 1.0 : std::sqrt(1 - 1.0 / (2 * m));
        p[m][m] = k * cosLat * p[m - 1][m - 1];
        dp[m][m] = k * (cosLat * dp[m - 1][m - 1] - sinLat * p[m - 1][m - 1]);
    }
    for (int m = 0; m < kWmmDegree; ++m) {
        for (int n = m + 1; n <= kWmmDegree; ++n) {
            const double a = 2 * n - 1;
            const double b = n - 1 > m ? std::sqrt(double((n - 1) * (n - 1) - m * m)) : 0.0;
            const double c = std::sqrt(double(n * n - m * m));
            const double p2 = n - 2 >= m ? p[n - 2][m] : 0.0;
            const double dp2 = n - 2 >= m ? dp[n - 2][m] : 0.0;
            p[n][m] = (a * sinLat * p[n - 1][m] - b * p2) / c;
            dp[n][m] = (a * (cosLat * p[n - 1][m] + sinLat * dp[n - 1][m]) - b * dp2) / c;
        }
    }
}

struct Vector {
    double x = 0;
    double y = 0;
    double z = 0;
};

}  // namespace

std::optional<GeomagneticField> ComputeGeomagneticField(double latitude, double longitude,
                                                        double heightKm, double decimalYear) {
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || !std::isfinite(heightKm) ||
        !std::isfinite(decimalYear) || std::fabs(latitude) > 90 || heightKm < kMinHeightKm ||
        heightKm > kMaxHeightKm || decimalYear < kMinYear || decimalYear > kMaxYear) {
        return std::nullopt;
    }

    // 1. Geocentric spherical coordinates.
    const double lat = latitude * kDegree;
    const double sinLat = std::sin(lat);
    const double rc = kSemiMajorKm / std::sqrt(1 - kEccentricity2 * sinLat * sinLat);
    const double p = (rc + heightKm) * std::cos(lat);
    const double z = (rc * (1 - kEccentricity2) + heightKm) * sinLat;
    const double r = std::hypot(p, z);
    const double latc = std::asin(z / r);
    const double sinLatc = std::sin(latc);
    const double cosLatc = std::cos(latc);
    const bool atPole = std::fabs(cosLatc) < kPoleCosine;

    Table leg;
    Table dleg;
    Legendre(sinLatc, cosLatc, leg, dleg);

    std::array<double, kSize> cosM{};
    std::array<double, kSize> sinM{};
    const double lon = longitude * kDegree;
    for (int m = 0; m <= kWmmDegree; ++m) {
        cosM[m] = std::cos(m * lon);
        sinM[m] = std::sin(m * lon);
    }

    // 2. and 3. The sums for the field (at time t) and for its yearly change.
    const double dt = decimalYear - kWmmEpoch;
    const double ratio = kReferenceRadiusKm / r;
    double power = ratio * ratio;  // (a/r)^(n+2) for n = 0
    Vector field;
    Vector change;
    double poleEast = 0;
    double poleEastChange = 0;
    for (int n = 1, row = 0; n <= kWmmDegree; ++n) {
        power *= ratio;
        for (int m = 0; m <= n; ++m, ++row) {
            const WmmCoefficient& c = kWmm2025[row];
            const double g = c.g + dt * c.gDot;
            const double h = c.h + dt * c.hDot;
            const double cosTerm = g * cosM[m] + h * sinM[m];
            const double sinTerm = g * sinM[m] - h * cosM[m];
            const double cosTermDot = c.gDot * cosM[m] + c.hDot * sinM[m];
            const double sinTermDot = c.gDot * sinM[m] - c.hDot * cosM[m];
            field.x -= power * cosTerm * dleg[n][m];
            field.y += power * m * sinTerm * leg[n][m];
            field.z -= (n + 1) * power * cosTerm * leg[n][m];
            change.x -= power * cosTermDot * dleg[n][m];
            change.y += power * m * sinTermDot * leg[n][m];
            change.z -= (n + 1) * power * cosTermDot * leg[n][m];
            if (m == 1) {
                // The limit of P(n, 1) / cos lat' at the pole on the side of sin lat'.
                const double limit =
                    (n % 2 == 1 || sinLatc > 0 ? 1.0 : -1.0) * std::sqrt(n * (n + 1) / 2.0);
                poleEast += power * sinTerm * limit;
                poleEastChange += power * sinTermDot * limit;
            }
        }
    }
    if (atPole) {
        field.y = poleEast;
        change.y = poleEastChange;
    } else {
        field.y /= cosLatc;
        change.y /= cosLatc;
    }

    // 4. Rotation to the geodetic frame.
    const double psi = latc - lat;
    const double cosPsi = std::cos(psi);
    const double sinPsi = std::sin(psi);
    const auto rotate = [&](const Vector& v) {
        return Vector{v.x * cosPsi - v.z * sinPsi, v.y, v.x * sinPsi + v.z * cosPsi};
    };
    const Vector b = rotate(field);
    const Vector db = rotate(change);

    // 5. and 6. The elements and the yearly change of the declination.
    GeomagneticField out;
    out.North = b.x;
    out.East = b.y;
    out.Down = b.z;
    out.Horizontal = std::hypot(b.x, b.y);
    out.Total = std::hypot(out.Horizontal, b.z);
    out.Declination = std::atan2(b.y, b.x) / kDegree;
    out.Inclination = std::atan2(b.z, out.Horizontal) / kDegree;
    out.NorthChange = db.x;
    out.EastChange = db.y;
    out.DownChange = db.z;
    const double h2 = out.Horizontal * out.Horizontal;
    out.DeclinationChange = h2 > 0 ? (b.x * db.y - b.y * db.x) / h2 / kDegree : 0.0;
    return out;
}

std::optional<MagneticVariation> MagneticVariationAt(double latitude, double longitude,
                                                     double heightFeet, double decimalYear) {
    const auto field =
        ComputeGeomagneticField(latitude, longitude, heightFeet * kFeetToKm, decimalYear);
    if (!field) {
        return std::nullopt;
    }
    MagneticVariation result;
    result.Field = *field;
    result.OutsideValidity = decimalYear < kWmmEpoch || decimalYear >= kWmmValidUntil;
    if (field->Horizontal < kBlackoutHorizontal) {
        result.Zone = MagneticZone::Blackout;
    } else if (field->Horizontal < kCautionHorizontal) {
        result.Zone = MagneticZone::Caution;
    }
    return result;
}

std::optional<double> DecimalYear(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) {
        return std::nullopt;
    }
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    constexpr int kDaysBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
    const int extra = leap ? 1 : 0;
    const int monthDays = kDaysBefore[month] - kDaysBefore[month - 1] + (month == 2 ? extra : 0);
    if (day > monthDays) {
        return std::nullopt;
    }
    const int dayOfYear = kDaysBefore[month - 1] + (month > 2 ? extra : 0) + day;
    return year + (dayOfYear - 1) / (365.0 + extra);
}

}  // namespace aerolume
