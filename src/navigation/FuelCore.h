// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>

namespace aerolume {

// The units of the fuel window, in the order of its results.
enum class FuelUnit { UsGallons, Litres, Pounds, Kilograms };
inline constexpr std::array<FuelUnit, 4> kFuelUnits = {FuelUnit::UsGallons, FuelUnit::Litres,
                                                       FuelUnit::Pounds, FuelUnit::Kilograms};

enum class FuelKind {
    AvGas,  // 6.0 lb per US gallon
    JetA    // 6.7 lb per US gallon
};

// Converts an amount of fuel between units by the fuel's standard density:
// 1 US gal = 3.785411784 L, 1 lb = 0.45359237 kg, AvGas 6.0 lb/US gal, Jet A 6.7 lb/US gal.
double ConvertFuel(double amount, FuelUnit from, FuelUnit to, FuelKind kind);

// What the window takes, as an entry and as a result: a fuel flow from 0 to 99999 per
// hour, a time from 0 to below 100 hours (99:59:59), an amount from 0 to 999999, in the
// chosen unit.
inline constexpr double kFuelMaxFlow = 99999;
inline constexpr double kFuelHoursBelow = 100;
inline constexpr double kFuelMaxAmount = 999999;

// Flow, time and amount, all in one unit (the flow per hour): two known, one missing.
struct FuelInput {
    std::optional<double> Flow;    // unit per hour, 0 to kFuelMaxFlow
    std::optional<double> Hours;   // 0 to below kFuelHoursBelow
    std::optional<double> Amount;  // unit, 0 to kFuelMaxAmount
    FuelUnit Unit = FuelUnit::UsGallons;
    FuelKind Kind = FuelKind::AvGas;
};

struct FuelResult {
    double Flow = 0;
    double Hours = 0;
    double Amount = 0;
    std::array<double, 4> AmountIn{};  // the amount in each unit of kFuelUnits
};

// amount = flow * time. Fills in the missing value and gives the amount in every unit.
// Returns nothing when not exactly one value is missing, or when the missing one would
// come from a division by zero (a time at zero flow, a flow over zero time).
std::optional<FuelResult> SolveFuel(const FuelInput& input);

}  // namespace aerolume
