// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuelCore.h"

#include "TsdCore.h"

namespace aerolume {
namespace {

constexpr double kLitresPerGallon = 3.785411784;
constexpr double kKilogramsPerPound = 0.45359237;

double poundsPerGallon(FuelKind kind) {
    return kind == FuelKind::JetA ? 6.7 : 6.0;
}

// US gallons in one unit of `unit`.
double gallonsPer(FuelUnit unit, FuelKind kind) {
    switch (unit) {
        case FuelUnit::UsGallons:
            return 1;
        case FuelUnit::Litres:
            return 1 / kLitresPerGallon;
        case FuelUnit::Pounds:
            return 1 / poundsPerGallon(kind);
        case FuelUnit::Kilograms:
            return 1 / (kKilogramsPerPound * poundsPerGallon(kind));
    }
    return 1;
}

}  // namespace

double ConvertFuel(double amount, FuelUnit from, FuelUnit to, FuelKind kind) {
    if (from == to) {
        return amount;
    }
    return amount * gallonsPer(from, kind) / gallonsPer(to, kind);
}

std::optional<FuelResult> SolveFuel(const FuelInput& input) {
    // The same relation as distance = speed * time.
    const auto solved = SolveTsd({input.Amount, input.Flow, input.Hours});
    if (!solved) {
        return std::nullopt;
    }
    FuelResult result{solved->GroundSpeed, solved->Hours, solved->Distance, {}};
    for (std::size_t i = 0; i < kFuelUnits.size(); ++i) {
        result.AmountIn[i] = ConvertFuel(result.Amount, input.Unit, kFuelUnits[i], input.Kind);
    }
    return result;
}

}  // namespace aerolume
