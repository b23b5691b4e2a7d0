// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanWarningText.h"

#include <QCoreApplication>

#include "PlanText.h"
#include "common/Durations.h"
#include "common/FormatMask.h"

namespace aerolume::planning {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("PlanWarnings", text);
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QString amount(const std::optional<double>& value, int decimals, const QString& unit) {
    return value ? q(formatFixed(*value, decimals)) + u' ' + unit : tr("unknown");
}

QString feet(const std::optional<double>& value) {
    return amount(value, 0, tr("ft"));
}

// "Row 5 (LFAT Le Touquet)": the row as its header numbers it, and its checkpoint.
QString rowName(std::size_t row, const std::string& name) {
    return name.empty() ? tr("Row %1").arg(row + 1) : tr("Row %1 (%2)").arg(row + 1).arg(q(name));
}

// "Row 5, the leg from CPT to LFAT".
QString legName(const PlanWarning& w) {
    const QString from = w.fromName.empty() ? tr("row %1").arg(*w.fromRow + 1) : q(w.fromName);
    const QString to = w.name.empty() ? tr("row %1").arg(*w.row + 1) : q(w.name);
    return tr("Row %1, the leg from %2 to %3").arg(*w.row + 1).arg(from, to);
}

const QString kModel = QStringLiteral("World Magnetic Model 2025");

}  // namespace

QString tableWarningText(const PlanWarning& w, const Plan& plan) {
    const QString unit = tr(fuelUnitLabel(plan.defaults.fuelUnit));
    switch (w.kind) {
        case WarningKind::NoPlanDate:
            return tr("The plan has no date: every leg without a typed variation takes the "
                      "plan's. Type the flight date for the variations of the %1.")
                .arg(kModel);
        case WarningKind::DateOutsideModel:
            return tr("The flight date %1 is outside the %2's validity (2025-01-01 to "
                      "2029-12-31): its variations are extrapolated and may be wrong.")
                .arg(plan.date ? QStringLiteral("%1-%2-%3")
                                     .arg(plan.date->year, 4, 10, QLatin1Char('0'))
                                     .arg(plan.date->month, 2, 10, QLatin1Char('0'))
                                     .arg(plan.date->day, 2, 10, QLatin1Char('0'))
                               : QString(),
                     kModel);
        case WarningKind::LegNotFlown:
            return tr("%1: %2.").arg(legName(w), tr(legWarning(w.status)));
        case WarningKind::WeakMagneticField:
            return tr("%1: %2").arg(
                legName(w),
                w.zone == MagneticZone::Caution
                    ? tr("the magnetic field is weak near the middle of the leg; the compass and "
                         "the model's variation are unreliable.")
                    : tr("the compass is useless near the middle of the leg; the model gives no "
                         "variation there, the plan's is used unless one is typed."));
        case WarningKind::ClimbWindTooStrong:
            return tr("%1: the climb airspeed cannot fly the leg in its wind; the log stays "
                      "level at cruise.")
                .arg(legName(w));
        case WarningKind::DescentWindTooStrong:
            return tr("%1: the descent airspeed cannot fly the leg in its wind; the log stays "
                      "level at cruise.")
                .arg(legName(w));
        case WarningKind::DepartureElevationUnknown:
            return tr("%1: the departure's elevation is not known, so the climb starts at sea "
                      "level. Type it in the Elev. cell.")
                .arg(rowName(*w.row, w.name));
        case WarningKind::DestinationElevationUnknown:
            return tr("%1: the destination's elevation is not known, so the descent ends at "
                      "the pattern altitude above sea level. Type it in the Elev. cell.")
                .arg(rowName(*w.row, w.name));
        case WarningKind::ClimbDoesNotFit:
            return tr("%1: the climb reaches only %2, %3 NM along the leg, short of %4.")
                .arg(legName(w), feet(w.altitude), q(formatFixed(w.distance.value_or(0), 1)),
                     feet(w.target));
        case WarningKind::StepDownDoesNotFit:
            return tr("%1: the descent reaches only %2, %3 NM along the leg, short of %4.")
                .arg(legName(w), feet(w.altitude), q(formatFixed(w.distance.value_or(0), 1)),
                     feet(w.target));
        case WarningKind::DescentDoesNotFit:
            return tr("%1: the descent does not fit the route; it arrives at %2, above the %3 "
                      "of the pattern altitude.")
                .arg(rowName(*w.row, w.name), feet(w.altitude), feet(w.target));
        case WarningKind::ArrivalBelowPattern:
            return tr("%1: the last legs arrive at %2, below the %3 of the pattern altitude.")
                .arg(rowName(*w.row, w.name), feet(w.altitude), feet(w.target));
        case WarningKind::BelowReserve:
            return *w.row == 0
                       ? tr("%1: after taxi the fuel is already below the reserve of %2.")
                             .arg(rowName(0, w.name), amount(w.fuel, 1, unit))
                       : tr("%1: the fuel remaining is below the reserve of %2 from here on.")
                             .arg(rowName(*w.row, w.name), amount(w.fuel, 1, unit));
        case WarningKind::FuelExhausted: {
            const QString where = w.distance.value_or(0) > 0
                                      ? tr("%1 NM (%2) along the leg")
                                            .arg(q(formatFixed(*w.distance, 1)),
                                                 q(formatDuration(w.time.value_or(0))))
                                      : tr("at the start of the leg");
            const QString rows = *w.row + 1 < plan.checkpoints.size()
                                     ? tr("rows %1 to %2 have no fuel left")
                                           .arg(*w.row + 1)
                                           .arg(plan.checkpoints.size())
                                     : tr("the destination is not reached");
            return w.fuel ? tr("Out of fuel: %1: the fuel runs out %2, %3 short of the "
                               "destination; %4.")
                                .arg(legName(w), where, amount(w.fuel, 1, unit), rows)
                          : tr("Out of fuel: %1: the fuel runs out %2; %3.")
                                .arg(legName(w), where, rows);
        }
        case WarningKind::FuelPlanShortfall:
            return tr("The fuel on board is %1 short of the fuel plan's total required.")
                .arg(amount(w.fuel, 1, unit));
    }
    return {};
}

QStringList tableWarningTexts(const Plan& plan, const PlanResult& result) {
    QStringList lines;
    for (const PlanWarning& w : PlanWarnings(plan, result)) {
        lines << tableWarningText(w, plan);
    }
    return lines;
}

}  // namespace aerolume::planning
