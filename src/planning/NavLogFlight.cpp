// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log's flight in time and height: the fields of the departure time, the
// pattern altitude, the climb and descent figures, the fuel plan's inputs and the
// alternate, their checks and commands, and what the window shows of them (the local
// time beside the departure's, the profile's line, the fuel plan block).
#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <iterator>

#include "CheckpointLookup.h"
#include "NavLogWindow.h"
#include "PlanText.h"
#include "common/FormatMask.h"
#include "ui_NavLogWindow.h"

namespace aerolume::planning {
namespace {

QString number(double value) {
    return QString::number(value, 'g', 10);
}

QString optionalNumber(const std::optional<double>& value) {
    return value ? number(*value) : QString();
}

// "16:05", "1605" or "9:30", as a time of day; nothing for anything else.
std::optional<TimeOfDay> parseTime(const QString& typed) {
    QString text = typed;
    if (!text.contains(u':') && text.size() == 4) {
        text.insert(2, u':');
    }
    const QStringList parts = text.split(u':');
    if (parts.size() != 2 || parts[0].isEmpty() || parts[0].size() > 2 || parts[1].size() != 2) {
        return std::nullopt;
    }
    bool hourRead = false;
    bool minuteRead = false;
    const TimeOfDay time{parts[0].toInt(&hourRead), parts[1].toInt(&minuteRead)};
    if (!hourRead || !minuteRead || !isValidTime(time)) {
        return std::nullopt;
    }
    return time;
}

QString clock(int hour, int minute) {
    return QStringLiteral("%1:%2")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(minute, 2, 10, QLatin1Char('0'));
}

}  // namespace

std::optional<bool> NavLogWindow::flight_Change(QLineEdit* field, bool byEnter) {
    Plan values = m_model->plan();
    const QString typed = field->text().trimmed();
    const std::string text = typed.toStdString();
    const auto refuse = [&](const QString& message) {
        return refuseEntry(field, message, byEnter);
    };
    const QString fuel = tr(fuelUnitLabel(values.defaults.fuelUnit));
    if (field == m_ui->txtDepartureTime) {
        const auto time = parseTime(typed);
        if (!typed.isEmpty() && !time) {
            return refuse(
                tr("Enter the departure time in UTC as hours and minutes (09:30, 1630), from "
                   "00:00 to 23:59, or leave it empty for a log without ETAs!"));
        }
        values.departureTime = time;
    } else if (field == m_ui->txtPatternAltitude) {
        const auto height = parseInRange(text, kPatternAltitudeRange);
        if (!height) {
            return refuse(tr("Enter a pattern altitude from 0 to 5000 ft above the destination!"));
        }
        values.patternAltitude = *height;
    } else if (field == m_ui->txtContingency) {
        const auto percent = parseInRange(text, kContingencyRange);
        if (!typed.isEmpty() && !percent) {
            return refuse(
                tr("Enter a contingency from 0 to 100 % of the trip fuel, or leave it "
                   "empty for a log without a fuel plan!"));
        }
        if (!percent) {
            values.fuelPlan.reset();
        } else {
            values.fuelPlan =
                FuelPlanInputs{*percent, values.fuelPlan.value_or(FuelPlanInputs{}).extraFuel};
        }
    } else if (field == m_ui->txtExtraFuel) {
        const auto extra = typed.isEmpty() ? std::optional(0.0) : parseInRange(text, kFuelRange);
        if (!extra) {
            return refuse(tr("Enter the extra fuel from 0 to 100000 %1!").arg(fuel));
        }
        // Extra fuel makes a fuel plan of a plan without one, at the default contingency.
        values.fuelPlan =
            FuelPlanInputs{values.fuelPlan.value_or(FuelPlanInputs{}).contingencyPercent, *extra};
    } else if (field == m_ui->txtAlternate) {
        return alternate_Change(byEnter);
    } else if (field == m_ui->txtAlternateAltitude) {
        if (!values.alternate) {
            if (typed.isEmpty()) {
                return true;
            }
            return refuse(tr("Enter the alternate airport first, then its cruise altitude!"));
        }
        const auto altitude = parseInRange(text, kAltitudeRange);
        if (!typed.isEmpty() && !altitude) {
            return refuse(
                tr("Enter the alternate's cruise altitude from -1500 to 60000 ft, or "
                   "leave it empty for the plan's!"));
        }
        values.alternate->leg.altitude = altitude;
    } else {
        // The climb's and the descent's figures.
        struct Figure {
            QLineEdit* field;
            bool climb;
            double ClimbFigures::*value;
            Range range;
            QString message;
        };
        const Figure figures[] = {
            {m_ui->txtClimbRate, true, &ClimbFigures::rate, kClimbRateRange,
             tr("Enter a climb rate from 1 to 10000 ft/min, or leave it empty for a log level "
                "at cruise!")},
            {m_ui->txtClimbTAS, true, &ClimbFigures::trueAirspeed, kAirspeedRange,
             tr("Enter a climb TAS from 1 to 1000 kt, or leave it empty for a log level at "
                "cruise!")},
            {m_ui->txtClimbFuelFlow, true, &ClimbFigures::fuelFlow, kFuelFlowRange,
             tr("Enter a climb fuel flow from 0 to 10000 %1/h, or leave it empty for a log "
                "level at cruise!")
                 .arg(fuel)},
            {m_ui->txtDescentRate, false, &ClimbFigures::rate, kClimbRateRange,
             tr("Enter a descent rate from 1 to 10000 ft/min, or leave it empty for no "
                "descent!")},
            {m_ui->txtDescentTAS, false, &ClimbFigures::trueAirspeed, kAirspeedRange,
             tr("Enter a descent TAS from 1 to 1000 kt, or leave it empty for no descent!")},
            {m_ui->txtDescentFuelFlow, false, &ClimbFigures::fuelFlow, kFuelFlowRange,
             tr("Enter a descent fuel flow from 0 to 10000 %1/h, or leave it empty for no "
                "descent!")
                 .arg(fuel)}};
        const Figure* figure = std::find_if(std::begin(figures), std::end(figures),
                                            [field](const Figure& f) { return f.field == field; });
        if (figure == std::end(figures)) {
            return std::nullopt;  // not a field of the flight
        }
        std::optional<ClimbFigures>& slot = figure->climb ? values.climb : values.descent;
        if (typed.isEmpty()) {
            // Any of the three emptied: no climb (descent) at all.
            slot.reset();
        } else {
            const auto value = parseInRange(text, figure->range);
            if (!value) {
                return refuse(figure->message);
            }
            // The first figure typed starts from the cruise airspeed and fuel flow, and a
            // rate of 500 ft/min, all shown for the pilot to change.
            if (!slot) {
                slot = ClimbFigures{500, values.defaults.trueAirspeed, values.defaults.fuelFlow};
            }
            (*slot).*(figure->value) = *value;
        }
    }
    beginRun();
    m_model->editValues(values);
    showPlan();
    return true;
}

bool NavLogWindow::alternate_Change(bool byEnter) {
    QLineEdit* field = m_ui->txtAlternate;
    Plan values = m_model->plan();
    const QString typed = field->text().trimmed();
    if (values.alternate && typed == QString::fromStdString(values.alternate->name)) {
        return true;
    }
    if (typed.isEmpty()) {
        values.alternate.reset();
    } else {
        // Looked up as a checkpoint typed after the destination is.
        LookupContext context;
        if (!values.checkpoints.empty()) {
            context.previous =
                Position{values.checkpoints.back().latitude, values.checkpoints.back().longitude};
        }
        if (values.date) {
            context.planYear = planDecimalYear(*values.date);
        }
        context.planVariation = values.defaults.variation;
        const CheckpointFinder finder(airports::AirportData::instance().database(), context);
        const CheckpointLookup lookup = finder.resolve(typed);
        std::optional<Checkpoint> place = lookup.checkpoint;
        // An identifier of several places: the nearest to the destination, which the field
        // then names with its kind and country.
        if (lookup.outcome == LookupOutcome::Choose && !lookup.offers.isEmpty()) {
            place = finder.checkpointOf(lookup.offers.first());
        }
        if (!place) {
            // The entry stays in the field, selected; the message does not repeat it.
            return refuseEntry(
                field,
                lookup.outcome == LookupOutcome::NoData
                    ? tr("Without the airport data the alternate cannot be found: leave it empty!")
                    : tr("The airport data has no place of that identifier: enter the "
                         "alternate's identifier (LFAT, KHND), or leave it empty!"),
                byEnter);
        }
        place->leg.altitude = values.alternate ? values.alternate->leg.altitude : std::nullopt;
        values.alternate = place;
    }
    beginRun();
    m_model->editValues(values);
    showPlan();
    return true;
}

void NavLogWindow::showFlightFields(bool evenFocused) {
    const Plan& plan = m_model->plan();
    const auto figure = [](const std::optional<ClimbFigures>& c, double ClimbFigures::*value) {
        return c ? number((*c).*value) : QString();
    };
    const std::pair<QLineEdit*, QString> fields[] = {
        {m_ui->txtDepartureTime, plan.departureTime
                                     ? clock(plan.departureTime->hour, plan.departureTime->minute)
                                     : QString()},
        {m_ui->txtPatternAltitude, number(plan.patternAltitude)},
        {m_ui->txtContingency,
         plan.fuelPlan ? number(plan.fuelPlan->contingencyPercent) : QString()},
        {m_ui->txtExtraFuel, plan.fuelPlan ? number(plan.fuelPlan->extraFuel) : QString()},
        {m_ui->txtAlternate,
         plan.alternate ? QString::fromStdString(plan.alternate->name) : QString()},
        {m_ui->txtAlternateAltitude,
         plan.alternate ? optionalNumber(plan.alternate->leg.altitude) : QString()},
        {m_ui->txtClimbRate, figure(plan.climb, &ClimbFigures::rate)},
        {m_ui->txtClimbTAS, figure(plan.climb, &ClimbFigures::trueAirspeed)},
        {m_ui->txtClimbFuelFlow, figure(plan.climb, &ClimbFigures::fuelFlow)},
        {m_ui->txtDescentRate, figure(plan.descent, &ClimbFigures::rate)},
        {m_ui->txtDescentTAS, figure(plan.descent, &ClimbFigures::trueAirspeed)},
        {m_ui->txtDescentFuelFlow, figure(plan.descent, &ClimbFigures::fuelFlow)}};
    for (const auto& [field, text] : fields) {
        if ((evenFocused || !field->hasFocus()) && field->text() != text) {
            field->setText(text);
            field->setCursorPosition(0);
        }
    }
}

void NavLogWindow::showFlight() {
    const Plan& plan = m_model->plan();
    const PlanResult& r = m_model->result();
    // The departure in the computer's time zone, on the plan's date (today without one).
    QString local;
    if (plan.departureTime) {
        const QDate day = plan.date ? flightDate() : QDate::currentDate();
        const QDateTime utc(day, QTime(plan.departureTime->hour, plan.departureTime->minute),
                            QTimeZone::utc());
        const QDateTime there = utc.toLocalTime();
        const qint64 days = day.daysTo(there.date());
        local = tr("local %1 %2")
                    .arg(there.toString(QStringLiteral("HH:mm")), there.timeZoneAbbreviation());
        if (days != 0) {
            local += days > 0 ? tr(", the day after") : tr(", the day before");
        }
    }
    m_ui->LblLocalTime->setText(local);

    // The vertical profile in one line: where it tops out, or why it is level.
    const auto at = [&](ProfilePointKind kind) -> QString {
        for (const ProfilePoint& p : r.profile.points) {
            if (p.kind == kind) {
                return tr("%1 NM from the departure at %2 ft")
                    .arg(QString::fromStdString(formatFixed(p.distance, 1)),
                         QString::fromStdString(formatFixed(p.altitude, 0)));
            }
        }
        return {};
    };
    QString profile;
    if (plan.checkpoints.size() < 2) {
        profile.clear();
    } else if (!plan.climb && !plan.descent) {
        profile =
            tr("Climb and descent: none, the log is level at cruise (no climb or descent "
               "figures).");
    } else if (r.profile.status != ProfileStatus::Computed) {
        profile =
            tr("Climb and descent: the log is level at cruise while a leg cannot be "
               "flown (see the warnings).");
    } else {
        QStringList parts;
        const QString top = at(ProfilePointKind::TopOfClimb);
        parts << (!plan.climb     ? tr("no climb figures: level at cruise from the departure")
                  : top.isEmpty() ? tr("no top of climb")
                                  : tr("top of climb %1").arg(top));
        const QString descent = at(ProfilePointKind::TopOfDescent);
        parts << (!plan.descent       ? tr("no descent figures: no descent to the destination")
                  : descent.isEmpty() ? tr("no top of descent")
                                      : tr("top of descent %1").arg(descent));
        profile = tr("Climb and descent: %1.").arg(parts.join(QStringLiteral("; ")));
    }
    m_ui->lblProfile->setText(profile);
    m_ui->lblProfile->setVisible(!profile.isEmpty());

    // The fuel plan block, every figure with its unit.
    const QString unit = tr(fuelUnitLabel(plan.defaults.fuelUnit));
    const auto amount = [&](const std::optional<double>& value) {
        return value ? QString::fromStdString(formatFixed(*value, 1)) + u' ' + unit : tr("unknown");
    };
    const std::optional<FuelPlanLines>& f = r.fuelPlan;
    const std::pair<QLabel*, QString> lines[] = {
        {m_ui->lblFuelPlanTaxi, f ? amount(f->taxi) : QString()},
        {m_ui->lblFuelPlanTrip, f ? amount(f->trip) : QString()},
        {m_ui->lblFuelPlanContingency,
         f ? tr("%1 (%2 %)").arg(amount(f->contingency), number(plan.fuelPlan->contingencyPercent))
           : QString()},
        {m_ui->lblFuelPlanAlternate, f ? amount(f->alternate) : QString()},
        {m_ui->lblFuelPlanFinalReserve,
         f ? tr("%1 (%2 min)").arg(amount(f->finalReserve), number(plan.defaults.reserveMinutes))
           : QString()},
        {m_ui->lblFuelPlanExtra, f ? amount(f->extra) : QString()},
        {m_ui->lblFuelPlanRequired, f ? amount(f->totalRequired) : QString()},
        {m_ui->lblFuelPlanOnBoard, f ? amount(f->onBoard) : QString()},
        {m_ui->lblFuelPlanMargin, f ? amount(f->margin) : QString()}};
    for (const auto& [label, text] : lines) {
        label->setText(text);
    }
    QString note;
    if (!f) {
        note = tr("No fuel plan: enter a contingency (%) to have one.");
    } else if (f->shortfall) {
        note = tr("Short of fuel: the fuel on board is %1 less than the fuel required.")
                   .arg(amount(-*f->margin));
    } else if (!plan.alternate) {
        note = tr("No alternate: its line is 0.");
    }
    m_ui->lblFuelPlanNote->setText(note);
    m_ui->lblFuelPlanNote->setVisible(!note.isEmpty());
    // A shortfall in the warnings' style, on the margin and its note.
    const QString warning = f && f->shortfall ? m_ui->lblWarnings->styleSheet() : QString();
    m_ui->lblFuelPlanMargin->setStyleSheet(warning);
    m_ui->lblFuelPlanNote->setStyleSheet(warning);
}

}  // namespace aerolume::planning
