// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "airdata/CloudCore.h"
#include "airdata/StandardAtmosphere.h"

namespace aerolume {
namespace {

// The published standard atmosphere: altitude (ft), temperature (C), pressure (hPa),
// density ratio, speed of sound (kt).
struct IsaRow {
    double feet;
    double celsius;
    double hPa;
    double ratio;
    double sound;
};

class IsaTable : public ::testing::TestWithParam<IsaRow> {};

// On a standard day at 1013.25 hPa the pressure altitude is the indicated altitude, the
// density altitude equals it and the true altitude too.
TEST_P(IsaTable, AStandardDayReadsTheTable) {
    const IsaRow& row = GetParam();
    const AtmosphereOutcome out = ComputeAtmosphere({row.feet, 1013.25, row.celsius, 0});
    ASSERT_TRUE(out.Result);
    const AtmosphereResult& r = *out.Result;
    EXPECT_NEAR(r.PressureAltitude, row.feet, 1e-6);
    EXPECT_NEAR(r.IsaTemperature, row.celsius, 0.05);
    EXPECT_NEAR(r.StaticPressureHpa, row.hPa, 0.05);
    ASSERT_TRUE(r.WithOat);
    EXPECT_NEAR(r.WithOat->IsaDeviation, 0, 0.05);
    EXPECT_NEAR(r.WithOat->DensityAltitude, row.feet, 20);
    EXPECT_NEAR(r.WithOat->TrueAltitude, row.feet, 3);
    EXPECT_NEAR(r.WithOat->DensityRatio, row.ratio, 0.0001);
    EXPECT_NEAR(r.WithOat->SpeedOfSound, row.sound, 0.1);
}

INSTANTIATE_TEST_SUITE_P(Published, IsaTable,
                         ::testing::Values(IsaRow{0, 15.0, 1013.25, 1.0, 661.5},
                                           IsaRow{5000, 5.1, 843.1, 0.8617, 650.0},
                                           IsaRow{10000, -4.8, 696.8, 0.7385, 638.3},
                                           IsaRow{20000, -24.6, 465.6, 0.5328, 614.3},
                                           IsaRow{36089, -56.5, 226.3, 0.2971, 573.6},
                                           IsaRow{50000, -56.5, 116.0, 0.1522, 573.6}));

TEST(StandardAtmosphere, AnExactStandardDayGivesTheDensityAltitudeExactly) {
    for (const double feet : {-4000.0, 0.0, 8000.0, 36089.0, 60000.0}) {
        const double celsius = isa::temperatureAt(feet * 0.3048) - isa::kKelvin;
        const AtmosphereOutcome out = ComputeAtmosphere({feet, 1013.25, celsius, 0});
        ASSERT_TRUE(out.Result);
        EXPECT_NEAR(out.Result->WithOat->DensityAltitude, feet, 1e-6 * (1 + std::fabs(feet)));
    }
}

struct SettingCase {
    double indicated;
    double setting;
    double pressureAltitude;
};

class SettingTable : public ::testing::TestWithParam<SettingCase> {};

TEST_P(SettingTable, ThePressureAltitudeFollowsTheSetting) {
    const SettingCase& c = GetParam();
    const AtmosphereOutcome out = ComputeAtmosphere({c.indicated, c.setting, std::nullopt, 0});
    ASSERT_TRUE(out.Result);
    EXPECT_NEAR(out.Result->PressureAltitude, c.pressureAltitude, 0.5);
    EXPECT_FALSE(out.Result->WithOat);
}

// 30.00 inHg is 1015.92 hPa, about 73 ft below standard (not the 80 ft of the
// 1000 ft per inch rule).
INSTANTIATE_TEST_SUITE_P(ByHand, SettingTable,
                         ::testing::Values(SettingCase{0, 1030, -454.4}, SettingCase{0, 1013.25, 0},
                                           SettingCase{2500, 1013.25, 2500},
                                           SettingCase{0, 993, 557.6},
                                           SettingCase{1000, isa::inHgToHpa(30.00), 927.3}));

TEST(StandardAtmosphere, TheColderAirMakesTheAltimeterReadHigh) {
    // 10,000 ft indicated over a station at sea level, 10 C below standard:
    // 10000 + 10000 * (-10) / 268.35 = 9627.4 ft.
    const AtmosphereOutcome out = ComputeAtmosphere({10000, 1013.25, -14.812, 0});
    ASSERT_TRUE(out.Result);
    EXPECT_NEAR(out.Result->WithOat->TrueAltitude, 9627.4, 0.1);
    EXPECT_LT(out.Result->WithOat->DensityAltitude, 10000);
    // Hot: 5000 ft at 25 C has a density altitude near 7260 ft.
    const AtmosphereOutcome hot = ComputeAtmosphere({5000, 1013.25, 25, 5000});
    ASSERT_TRUE(hot.Result);
    EXPECT_NEAR(hot.Result->WithOat->DensityAltitude, 7262, 1);
    EXPECT_DOUBLE_EQ(hot.Result->WithOat->TrueAltitude, 5000);  // at the station itself
}

TEST(StandardAtmosphere, HeightsOutsideTheModelAreReported) {
    const struct {
        AtmosphereInput input;
        AtmosphereFault fault;
    } cases[] = {
        {{65700, 1013.25, std::nullopt, 0}, AtmosphereFault::PressureAltitudeAboveCeiling},
        {{65400, 1000, std::nullopt, 0}, AtmosphereFault::PressureAltitudeAboveCeiling},
        {{-4000, 1100, std::nullopt, 0}, AtmosphereFault::PressureAltitudeBelowFloor},
        {{65000, 1013.25, 0.0, 0}, AtmosphereFault::DensityAltitudeAboveCeiling},
        {{0, 1013.25, -273.15, 0}, AtmosphereFault::AtOrBelowAbsoluteZero},
    };
    for (const auto& c : cases) {
        const AtmosphereOutcome out = ComputeAtmosphere(c.input);
        EXPECT_FALSE(out.Result) << c.input.IndicatedFeet;
        EXPECT_EQ(out.Fault, c.fault) << c.input.IndicatedFeet;
    }
    // The ceiling itself and the floor itself are inside.
    EXPECT_TRUE(ComputeAtmosphere({65616, 1013.25, std::nullopt, 0}).Result);
    EXPECT_TRUE(ComputeAtmosphere({-5000, 1013.25, -50.0, 0}).Result);
}

struct CloudCase {
    CloudInput input;
    double aboveField;
    double aboveSeaLevel;
    double freezing;  // < -1e6: at the surface
};

class CloudTable : public ::testing::TestWithParam<CloudCase> {};

TEST_P(CloudTable, BaseAndFreezingLevelByTheRules) {
    const CloudCase& c = GetParam();
    const auto r = ComputeCloud(c.input);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->BaseAboveField, c.aboveField, 0.01);
    EXPECT_NEAR(r->BaseAboveSeaLevel, c.aboveSeaLevel, 0.01);
    if (c.freezing < -1e6) {
        EXPECT_FALSE(r->FreezingLevel);
    } else {
        ASSERT_TRUE(r->FreezingLevel);
        EXPECT_NEAR(*r->FreezingLevel, c.freezing, 0.01);
    }
}

// Each height to the nearest 100 ft, half away from zero, never below the field.
INSTANTIATE_TEST_SUITE_P(ByHand, CloudTable,
                         ::testing::Values(CloudCase{{20, 10, 0}, 4000, 4000, 10100},
                                           CloudCase{{15, 15, 1000}, 0, 1000, 8600},
                                           CloudCase{{0.1, -2, -500}, 800, 300, -400},
                                           CloudCase{{0, -5, 500}, 2000, 2500, -2e6},
                                           CloudCase{{-3, -4, 2000}, 400, 2400, -2e6},
                                           CloudCase{{2.625, 0.5, 0}, 900, 900, 1300},
                                           CloudCase{{0.5, 0.375, -1050}, 100, -1000, -800},
                                           // Rounded, never below the field.
                                           CloudCase{{0.05, 0.05, 1201}, 0, 1201, 1201},
                                           CloudCase{{60, -60, 20000}, 48000, 68000, 50300}));

TEST(CloudCore, ADewPointAboveTheTemperatureGivesNoResult) {
    EXPECT_FALSE(ComputeCloud({10, 10.1, 0}));
    EXPECT_FALSE(ComputeCloud({-20, 5, 0}));
}

}  // namespace
}  // namespace aerolume
