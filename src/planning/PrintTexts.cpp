// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintTexts.h"

#include <QCoreApplication>
#include <cmath>

#include "PlanText.h"
#include "PlanWarnings.h"
#include "common/Durations.h"
#include "common/FormatMask.h"

namespace aerolume::planning::print {
namespace {

QString fixed(const std::optional<double>& value, int decimals) {
    return value ? q(formatFixed(*value, decimals)) : dash();
}

// Courses and headings as written on a log: three digits, no degree sign.
QString degrees(const std::optional<double>& value) {
    return value ? q(formatDirection(*value)).remove(u'°') : dash();
}

QString amount(const std::optional<double>& value, const Plan& plan) {
    return value ? q(formatFixed(*value, 1)) + u' ' + fuelUnitName(plan) : tr("unknown");
}

QString feet(const std::optional<double>& value) {
    return value ? q(formatFixed(*value, 0)) + QStringLiteral(" ft") : tr("unknown");
}

QString miles(const std::optional<double>& value) {
    return value ? q(formatFixed(*value, 1)) + QStringLiteral(" NM") : tr("unknown");
}

// The identifier a checkpoint is known by on the log: the data's, or a fix's
// definition ("SAM 270/15"); "" for a typed position.
QString identifierOf(const Checkpoint& point) {
    if (const auto& fix = point.origin.fix) {
        return QStringLiteral("%1 %2/%3")
            .arg(q(fix->navaid))
            .arg(fix->radial, 3, 10, QLatin1Char('0'))
            .arg(q(formatFixed(fix->distance, fix->distance == std::floor(fix->distance) ? 0 : 1)));
    }
    return q(point.origin.identifier);
}

CellText checkpointText(const LogRow& row, const Plan& plan) {
    switch (row.kind) {
        case LogRowKind::TopOfClimb:
            return {tr("TOC"), tr("Top of climb"), true};
        case LogRowKind::LevelOff:
            return {tr("LVL"), tr("Level-off"), true};
        case LogRowKind::TopOfDescent:
            return {tr("TOD"), tr("Top of descent"), true};
        case LogRowKind::Departure:
        case LogRowKind::Checkpoint:
            break;
    }
    const Checkpoint& point = plan.checkpoints[row.checkpoint];
    const QString identifier = identifierOf(point);
    QString name = q(oneLineName(point.name));
    if (identifier.isEmpty()) {
        return {name, {}, false};
    }
    // A name taken from the data starts with its identifier: it is written once.
    if (name.startsWith(identifier + u' ')) {
        name = name.mid(identifier.size() + 1);
    } else if (name == identifier) {
        name.clear();
    }
    return {identifier, name, true};
}

QString altitudeText(const LogRow& row) {
    if (!row.altitude) {
        return row.kind == LogRowKind::Departure ? QString() : dash();
    }
    const QString arrow = row.phase == ProfilePhase::Climb     ? QStringLiteral("↑")
                          : row.phase == ProfilePhase::Descent ? QStringLiteral("↓")
                                                               : QString();
    return arrow + q(formatFixed(*row.altitude, 0));
}

CellText fuelRemainingText(const LogRow& row) {
    if (row.fuelExhausted) {
        return {tr("none"), {}, true, true};
    }
    return {fixed(row.fuelRemaining, 1), {}, row.belowReserve, row.belowReserve};
}

}  // namespace

QString tr(const char* text) {
    return QCoreApplication::translate("PlanPrint", text);
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QString dash() {
    return QStringLiteral("–");
}

QString fuelUnitName(const Plan& plan) {
    return tr(fuelUnitLabel(plan.defaults.fuelUnit));
}

QString clockText(const Eta& eta) {
    const ClockMinute clock = toClockMinute(eta);
    const QString text = QStringLiteral("%1:%2")
                             .arg(clock.hour, 2, 10, QLatin1Char('0'))
                             .arg(clock.minute, 2, 10, QLatin1Char('0'));
    return clock.day > 0 ? text + QStringLiteral(" +%1").arg(clock.day) : text;
}

namespace {

// The day after the departure's an ETA falls on, for the line under its time.
QString dayText(const Eta& eta) {
    const int day = toClockMinute(eta).day;
    return day > 0 ? tr("+%1 d").arg(day) : QString();
}

}  // namespace

QString hoursText(double hours) {
    const std::string full = formatDuration(std::round(hours * 60) / 60);
    return full.empty() ? dash() : q(full.substr(0, full.size() - 3));
}

CellText cellText(Field field, const LogRow& row, const Plan& plan) {
    if (field == Field::Checkpoint) {
        return checkpointText(row, plan);
    }
    const bool departure = row.kind == LogRowKind::Departure;
    switch (field) {
        case Field::Altitude:
            return {altitudeText(row)};
        case Field::DistanceRemaining:
            return {fixed(row.remaining, 1)};
        case Field::Eta:
            if (!row.eta) {
                return {};
            }
            return {clockText(*row.eta).section(u' ', 0, 0), dayText(*row.eta)};
        case Field::FuelRemaining:
            return fuelRemainingText(row);
        default:
            break;
    }
    if (departure) {
        return {};
    }
    switch (field) {
        case Field::TrueCourse:
            return {degrees(row.trueCourse)};
        case Field::MagneticCourse:
            return {degrees(row.magneticCourse)};
        case Field::Wind:
            return {row.windDirection ? degrees(row.windDirection) + u'/' + fixed(row.windSpeed, 0)
                                      : dash()};
        case Field::Airspeed:
            return {fixed(row.trueAirspeed, 0)};
        case Field::Wca:
            return {row.wca ? q(formatWca(*row.wca)) : dash()};
        case Field::MagneticHeading:
            return {degrees(row.magneticHeading), {}, true};
        case Field::DistanceLeg:
            return {fixed(row.distance, 1)};
        case Field::GroundSpeed:
            return {fixed(row.groundSpeed, 0)};
        case Field::Ete:
            return {row.time ? hoursText(*row.time) : dash()};
        case Field::FuelLeg:
            return {fixed(row.fuel, 1)};
        default:
            return {};
    }
}

QString caption(Field field) {
    switch (field) {
        case Field::Checkpoint:
            return tr("Checkpoint");
        case Field::Altitude:
            return tr("Alt\nft");
        case Field::TrueCourse:
            return tr("TC\n");
        case Field::MagneticCourse:
            return tr("MC\n");
        case Field::Wind:
            return tr("Wind\nfrom");
        case Field::Airspeed:
            return tr("TAS\nkt");
        case Field::Wca:
            return tr("WCA\n");
        case Field::MagneticHeading:
            return tr("MH\n");
        case Field::DistanceLeg:
            return tr("Dist\nleg");
        case Field::DistanceRemaining:
            return tr("Dist\nrem");
        case Field::GroundSpeed:
            return tr("GS\nkt");
        case Field::Ete:
            return tr("ETE\n");
        case Field::Eta:
            return tr("ETA\n");
        case Field::Ata:
            return tr("ATA\n");
        case Field::FuelLeg:
            return tr("Fuel\nleg");
        case Field::FuelRemaining:
            return tr("Fuel\nrem");
        case Field::ActualFuel:
            return tr("Act.\nfuel");
    }
    return {};
}

QString shortCaption(Field field) {
    switch (field) {
        case Field::DistanceLeg:
            return tr("Dist");
        case Field::DistanceRemaining:
            return tr("Rem");
        case Field::FuelLeg:
            return tr("Fuel");
        case Field::FuelRemaining:
            return tr("Rem");
        default:
            return caption(field).section(u'\n', 0, 0);
    }
}

bool isWriteIn(Field field) {
    return field == Field::Eta || field == Field::Ata || field == Field::ActualFuel;
}

std::vector<FuelLine> fuelLines(const Plan& plan, const PlanResult& result) {
    const auto value = [&](const std::optional<double>& v) { return fixed(v, 1); };
    std::vector<FuelLine> lines;
    const PlanDefaults& d = plan.defaults;
    if (const auto& f = result.fuelPlan) {
        const QString alternate = plan.alternate
                                      ? tr("Alternate (%1)")
                                            .arg(q(plan.alternate->origin.identifier.empty()
                                                       ? oneLineName(plan.alternate->name)
                                                       : plan.alternate->origin.identifier))
                                      : tr("Alternate (none)");
        lines = {
            {tr("Taxi"), value(f->taxi)},
            {tr("Trip"), value(f->trip)},
            {tr("Contingency (%1 %)").arg(q(formatFixed(plan.fuelPlan->contingencyPercent, 0))),
             value(f->contingency)},
            {alternate, value(f->alternate)},
            {tr("Final reserve (%1 min)").arg(q(formatFixed(d.reserveMinutes, 0))),
             value(f->finalReserve)},
            {tr("Extra"), value(f->extra)},
            {tr("Total required"), value(f->totalRequired), true},
            {tr("On board"), value(f->onBoard), true}};
        QString margin = value(f->margin);
        if (f->margin && *f->margin > 0) {
            margin.prepend(u'+');
        }
        lines.push_back(
            {f->shortfall ? tr("Margin: SHORT") : tr("Margin"), margin, true, f->shortfall});
        return lines;
    }
    const auto landing =
        result.legs.empty() ? std::optional<double>() : result.legs.back().fuelRemaining;
    lines = {{tr("On board"), value(d.fuelAtStart), true},
             {tr("Taxi"), value(d.taxiFuel)},
             {tr("Trip"), value(result.tripFuel)},
             {tr("Reserve (%1 min)").arg(q(formatFixed(d.reserveMinutes, 0))),
              value(result.reserveFuel)},
             {tr("At the destination"), value(landing), true}};
    return lines;
}

QStringList warningTexts(const Plan& plan, const PlanResult& result) {
    QStringList texts;
    for (const PlanWarning& w : PlanWarnings(plan, result)) {
        const QString at = q(w.name);
        const QString leg = tr("%1 to %2").arg(q(w.fromName), at);
        switch (w.kind) {
            case WarningKind::NoPlanDate:
                texts << tr("No flight date: every leg without a typed variation takes the "
                            "plan's, %1.")
                             .arg(q(formatVariation(plan.defaults.variation)));
                break;
            case WarningKind::DateOutsideModel:
                texts << tr(
                    "The flight date is outside the World Magnetic Model 2025's years "
                    "(2025 to 2029): its variations are extrapolated.");
                break;
            case WarningKind::LegNotFlown:
                texts << tr("%1: %2.").arg(leg, tr(legWarning(w.status)));
                break;
            case WarningKind::WeakMagneticField:
                texts << (w.zone == MagneticZone::Caution
                              ? tr("%1: the magnetic field is weak; the compass and the "
                                   "variation are unreliable.")
                              : tr("%1: the compass is useless here; the plan's variation "
                                   "is used unless one is typed."))
                             .arg(leg);
                break;
            case WarningKind::ClimbWindTooStrong:
            case WarningKind::DescentWindTooStrong:
                texts << (w.kind == WarningKind::ClimbWindTooStrong
                              ? tr("%1: the climb airspeed cannot fly this leg in its wind; "
                                   "the log is level at cruise.")
                              : tr("%1: the descent airspeed cannot fly this leg in its wind; "
                                   "the log is level at cruise."))
                             .arg(leg);
                break;
            case WarningKind::DepartureElevationUnknown:
                texts << tr("%1: no elevation, the climb starts at sea level.").arg(at);
                break;
            case WarningKind::DestinationElevationUnknown:
                texts << tr("%1: no elevation, the descent ends %2 above sea level.")
                             .arg(at, feet(plan.patternAltitude));
                break;
            case WarningKind::ClimbDoesNotFit:
            case WarningKind::StepDownDoesNotFit:
                texts << (w.kind == WarningKind::ClimbDoesNotFit
                              ? tr("%1: the climb to %2 ends %3 along the leg at %4.")
                              : tr("%1: the descent to %2 ends %3 along the leg at %4."))
                             .arg(leg, feet(w.target), miles(w.distance), feet(w.altitude));
                break;
            case WarningKind::DescentDoesNotFit:
                texts << tr("%1: the descent does not fit the route; it arrives at %2, above "
                            "%3.")
                             .arg(at, feet(w.altitude), feet(w.target));
                break;
            case WarningKind::ArrivalBelowPattern:
                texts << tr("%1: the log arrives at %2, below %3; no descent is flown.")
                             .arg(at, feet(w.altitude), feet(w.target));
                break;
            case WarningKind::BelowReserve:
                texts << (w.row == std::optional<std::size_t>(0)
                              ? tr("After taxi the fuel is below the reserve of %1.")
                                    .arg(amount(w.fuel, plan))
                              : tr("%1: fuel remaining below the reserve of %2.")
                                    .arg(at, amount(w.fuel, plan)));
                break;
            case WarningKind::FuelExhausted:
                texts << tr("%1: the fuel runs out %2 (%3) along the leg, %4 short of the "
                            "destination.")
                             .arg(leg, miles(w.distance), w.time ? hoursText(*w.time) : dash(),
                                  amount(w.fuel, plan));
                break;
            case WarningKind::FuelPlanShortfall:
                texts << tr("Fuel plan: the fuel on board is %1 short of the total required.")
                             .arg(amount(w.fuel, plan));
                break;
        }
    }
    if (result.profile.status == ProfileStatus::Level && !result.legs.empty()) {
        texts << tr(
            "No climb or descent figures: the log is level at cruise from take-off "
            "to landing.");
    }
    return texts;
}

}  // namespace aerolume::planning::print
