// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "aircraft/AircraftProfile.h"

namespace aerolume::aircraft::test {

// The light aircraft of the FAA's weight and balance advisory circular AC 43.13-1B
// (chapter 10, figures 10-10 to 10-14): empty 1169 lb at +10.6 in, oil 17 lb at -49 in,
// front seats at +16 in, rear seats at +48 in, baggage at most 100 lb at +75.5 in,
// 40 US gal of fuel at +22 in, maximum weight 2100 lb, CG range +8.5 to +21.9 in. The
// circular gives the CG range alone; the envelope here is that range from 1100 lb up to
// the maximum weight, and the MAC is invented for the tests.
inline Aircraft circularAircraft() {
    Aircraft a;
    a.name = "AC 43.13-1B example";
    a.registration = "N43131";
    a.units = Units::PoundInch;
    a.emptyWeight = 1169;
    a.emptyArm = 10.6;
    a.stations = {{"Oil", -49, 17.0},
                  {"Front seats", 16, std::nullopt},
                  {"Rear seats", 48, std::nullopt},
                  {"Baggage", 75.5, 100.0}};
    a.tanks = {{"Main", 22, 40, FuelType::AvGas, 0}};
    a.maxRampWeight = 2100;
    a.maxTakeoffWeight = 2100;
    a.maxLandingWeight = 2100;
    a.normal = {{1100, 8.5}, {2100, 8.5}, {2100, 21.9}, {1100, 21.9}};
    a.lemac = 0.0;
    a.macLength = 60.0;
    a.cruiseTas = 110;
    a.fuelFlow = 9;
    return a;
}

}  // namespace aerolume::aircraft::test
