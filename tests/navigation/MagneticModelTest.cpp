// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "navigation/MagneticModel.h"
#include "navigation/WmmCoefficients.h"

namespace aerolume {
namespace {

TEST(WmmCoefficients, HoldEveryDegreeAndOrderOnceWithThePublishedLeadingTerms) {
    int row = 0;
    for (int n = 1; n <= 12; ++n) {
        for (int m = 0; m <= n; ++m, ++row) {
            EXPECT_EQ(kWmm2025[row].n, n);
            EXPECT_EQ(kWmm2025[row].m, m);
            if (m == 0) {
                EXPECT_EQ(kWmm2025[row].h, 0.0) << n;
            }
        }
    }
    EXPECT_EQ(row, 90);
    EXPECT_EQ(kWmm2025[0].g, -29351.8);
    EXPECT_EQ(kWmm2025[0].gDot, 12.0);
    EXPECT_EQ(kWmm2025[1].h, 4545.4);
    EXPECT_EQ(kWmm2025[1].hDot, -21.5);
    EXPECT_EQ(kWmm2025[89].g, -0.7);
    EXPECT_EQ(kWmm2025[89].h, 0.2);
}

// The model's published test values: the technical report's table, with the field to
// 0.1 nT, the angles to 0.01 degree and the yearly change of the declination to 0.01
// degree per year. Columns: year, height km, latitude, longitude, X, Y, Z, H, F, I, D, dD.
struct ReportCase {
    double year, heightKm, latitude, longitude;
    double x, y, z, h, f, i, d, dd;
};

class ReportTable : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ReportTable, AgreesToThePublishedPrecision) {
    const ReportCase& c = GetParam();
    const auto b = ComputeGeomagneticField(c.latitude, c.longitude, c.heightKm, c.year);
    ASSERT_TRUE(b.has_value());
    EXPECT_NEAR(b->North, c.x, 0.05);
    EXPECT_NEAR(b->East, c.y, 0.05);
    EXPECT_NEAR(b->Down, c.z, 0.05);
    EXPECT_NEAR(b->Horizontal, c.h, 0.05);
    EXPECT_NEAR(b->Total, c.f, 0.05);
    EXPECT_NEAR(b->Inclination, c.i, 0.005);
    EXPECT_NEAR(b->Declination, c.d, 0.005);
    EXPECT_NEAR(b->DeclinationChange, c.dd, 0.005);
}

INSTANTIATE_TEST_SUITE_P(
    Wmm2025, ReportTable,
    ::testing::Values(
        ReportCase{2025.0, 0, 80, 0, 6521.6, 145.9, 54791.5, 6523.2, 55178.5, 83.21, 1.28, 0.52},
        ReportCase{2025.0, 0, 0, 120, 39677.8, -109.6, -10580.2, 39677.9, 41064.3, -14.93, -0.16,
                   -0.03},
        ReportCase{2025.0, 0, -80, 240, 6117.5, 15751.9, -52022.5, 16898.1, 54698.2, -72.00, 68.78,
                   -0.12},
        ReportCase{2025.0, 100, 80, 0, 6216.0, 92.4, 52598.8, 6216.7, 52964.9, 83.26, 0.85, 0.52},
        ReportCase{2025.0, 100, 0, 120, 37688.6, -96.2, -10152.1, 37688.7, 39032.1, -15.08, -0.15,
                   -0.03},
        ReportCase{2025.0, 100, -80, 240, 5907.6, 14780.3, -49540.7, 15917.1, 52035.0, -72.19,
                   68.21, -0.11},
        ReportCase{2027.5, 0, 80, 0, 6500.8, 294.5, 54869.4, 6507.5, 55253.9, 83.24, 2.59, 0.53},
        ReportCase{2027.5, 0, 0, 120, 39701.6, -167.4, -10381.8, 39702.0, 41036.9, -14.65, -0.24,
                   -0.03},
        ReportCase{2027.5, 0, -80, 240, 6200.7, 15730.3, -51783.7, 16908.3, 54474.2, -71.92, 68.49,
                   -0.12},
        ReportCase{2027.5, 100, 80, 0, 6196.7, 233.8, 52670.5, 6201.1, 53034.3, 83.29, 2.16, 0.52},
        ReportCase{2027.5, 100, 0, 120, 37711.5, -148.7, -9969.8, 37711.8, 39007.4, -14.81, -0.23,
                   -0.03},
        ReportCase{2027.5, 100, -80, 240, 5984.0, 14760.1, -49317.7, 15927.0, 51825.7, -72.10,
                   67.93, -0.11}));

// Rows of the model's published test-value file (angles to 0.01 degree, the horizontal
// intensity to 1E-6 nT), among them the high-latitude points.
struct FileCase {
    double year, heightKm, latitude, longitude;
    double d, i, h;
};

class TestValueFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(TestValueFile, AgreesToThePublishedPrecision) {
    const FileCase& c = GetParam();
    const auto b = ComputeGeomagneticField(c.latitude, c.longitude, c.heightKm, c.year);
    ASSERT_TRUE(b.has_value());
    EXPECT_NEAR(b->Declination, c.d, 0.005);
    EXPECT_NEAR(b->Inclination, c.i, 0.005);
    EXPECT_NEAR(b->Horizontal, c.h, 0.001);
}

INSTANTIATE_TEST_SUITE_P(
    Wmm2025, TestValueFile,
    ::testing::Values(FileCase{2025.0, 28, 89, -121, -99.77, 88.47, 1504.298146},
                      FileCase{2025.0, 48, 80, -96, -29.91, 87.77, 2164.2855},
                      FileCase{2025.0, 54, 82, 87, 54.89, 87.68, 2302.4273},
                      FileCase{2025.0, 65, 43, 93, 0.50, 64.10, 24300.764692},
                      FileCase{2025.0, 51, -33, 109, -5.49, -67.50, 21838.046477},
                      FileCase{2025.0, 94, -29, -110, 15.74, -38.25, 24181.990098},
                      FileCase{2026.0, 74, -57, 3, -22.51, -58.65, 14362.206593},
                      FileCase{2026.0, 46, -24, -122, 14.01, -34.17, 26638.500090},
                      FileCase{2026.0, 69, 23, 63, 1.17, 35.92, 34565.858527},
                      FileCase{2027.0, 44, 22, 174, 6.46, 31.89, 28867.487799},
                      FileCase{2028.0, 49, 20, 167, 5.10, 26.82, 30251.262453},
                      FileCase{2028.0, 86, -85, -79, 41.09, -70.25, 16867.459172}));

TEST(GeomagneticField, DeclinationIsTheAngleOfTheEastAndNorthComponents) {
    for (double lat = -90; lat <= 90; lat += 22.5) {
        for (double lon = -180; lon < 180; lon += 45) {
            const auto b = ComputeGeomagneticField(lat, lon, 3, 2026.3);
            ASSERT_TRUE(b.has_value());
            EXPECT_NEAR(b->Declination, std::atan2(b->East, b->North) * 180 / std::numbers::pi,
                        1e-12)
                << lat << " " << lon;
            EXPECT_NEAR(b->Total,
                        std::sqrt(b->North * b->North + b->East * b->East + b->Down * b->Down),
                        1e-8);
        }
    }
}

TEST(GeomagneticField, TheYearlyChangeAppliesZeroTimesAtTheEpochAndLinearlyAfter) {
    for (const double lat : {-60.0, 0.0, 45.0, 89.0}) {
        const auto atEpoch = ComputeGeomagneticField(lat, 30, 0, 2025.0);
        const auto later = ComputeGeomagneticField(lat, 30, 0, 2028.25);
        ASSERT_TRUE(atEpoch && later);
        EXPECT_NEAR(later->North, atEpoch->North + 3.25 * atEpoch->NorthChange, 1e-7);
        EXPECT_NEAR(later->East, atEpoch->East + 3.25 * atEpoch->EastChange, 1e-7);
        EXPECT_NEAR(later->Down, atEpoch->Down + 3.25 * atEpoch->DownChange, 1e-7);
        // The changes themselves do not depend on the time.
        EXPECT_NEAR(later->NorthChange, atEpoch->NorthChange, 1e-9);
    }
}

TEST(GeomagneticField, IsContinuousAcrossTheDateLineAndAtThePoles) {
    for (const double lat : {-89.0, -40.0, 0.0, 40.0, 75.0}) {
        const auto west = ComputeGeomagneticField(lat, -180, 1, 2026);
        const auto east = ComputeGeomagneticField(lat, 180, 1, 2026);
        const auto justEast = ComputeGeomagneticField(lat, 179.9999, 1, 2026);
        ASSERT_TRUE(west && east && justEast);
        EXPECT_NEAR(west->Declination, east->Declination, 1e-9) << lat;
        EXPECT_NEAR(west->Declination, justEast->Declination, 1e-3) << lat;
    }
    for (const double pole : {-90.0, 90.0}) {
        for (const double lon : {-150.0, 0.0, 60.0}) {
            const auto at = ComputeGeomagneticField(pole, lon, 0, 2027);
            const auto near = ComputeGeomagneticField(pole * (1 - 1e-9), lon, 0, 2027);
            ASSERT_TRUE(at && near);
            EXPECT_TRUE(std::isfinite(at->Declination) && std::isfinite(at->DeclinationChange));
            EXPECT_NEAR(at->East, near->East, 1e-3) << pole << " " << lon;
            EXPECT_NEAR(at->Declination, near->Declination, 1e-4) << pole << " " << lon;
        }
    }
}

TEST(MagneticVariationAt, FlagsTheZonesAndTheValidity) {
    const struct {
        double lat, lon, year;
        MagneticZone zone;
        bool outside;
    } cases[] = {{43, 93, 2025.0, MagneticZone::Normal, false},
                 {80, -96, 2029.999, MagneticZone::Caution, false},
                 {89, -121, 2024.999, MagneticZone::Blackout, true},
                 {43, 93, 2030.0, MagneticZone::Normal, true}};
    for (const auto& c : cases) {
        const auto v = MagneticVariationAt(c.lat, c.lon, 0, c.year);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(v->Zone, c.zone) << c.lat;
        EXPECT_EQ(v->OutsideValidity, c.outside) << c.year;
        EXPECT_EQ(v->Declination().has_value(), c.zone != MagneticZone::Blackout);
    }
}

TEST(MagneticVariationAt, TakesTheHeightInFeet) {
    const auto v = MagneticVariationAt(-29, -110, 94000 / 0.3048, 2025.0);
    ASSERT_TRUE(v && v->Declination());
    EXPECT_NEAR(*v->Declination(), 15.74, 0.005);
}

TEST(MagneticVariationAt, RefusesInputsOutOfRange) {
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    for (const auto& [lat, lon, feet, year] :
         {std::array{90.001, 0.0, 0.0, 2026.0}, std::array{nan, 0.0, 0.0, 2026.0},
          std::array{0.0, inf, 0.0, 2026.0}, std::array{0.0, 0.0, -40000.0, 2026.0},
          std::array{0.0, 0.0, 0.0, nan}}) {
        EXPECT_FALSE(MagneticVariationAt(lat, lon, feet, year).has_value()) << lat << feet;
    }
}

TEST(DecimalYear, CountsDaysFromTheFirstOfJanuary) {
    const struct {
        int y, m, d;
        std::optional<double> year;
    } cases[] = {{2025, 1, 1, 2025.0},
                 {2025, 12, 31, 2025 + 364 / 365.0},
                 {2028, 7, 2, 2028.5},
                 {2027, 3, 1, 2027 + 59 / 365.0},
                 {2028, 2, 29, 2028 + 59 / 366.0},
                 {2027, 2, 29, std::nullopt},
                 {1900, 2, 29, std::nullopt},
                 {2000, 2, 29, 2000 + 59 / 366.0},
                 {2026, 13, 1, std::nullopt},
                 {2026, 4, 31, std::nullopt},
                 {2026, 0, 1, std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(DecimalYear(c.y, c.m, c.d), c.year) << c.y << "-" << c.m << "-" << c.d;
    }
}

}  // namespace
}  // namespace aerolume
