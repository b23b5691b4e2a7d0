// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log's plan values: the fields above the table, their keys, their
// checks and the commands their entries become.
#include <QComboBox>
#include <algorithm>
#include <cmath>

#include "NavLogWindow.h"
#include "PlanText.h"
#include "platform/Beep.h"
#include "platform/TextChecks.h"
#include "ui_NavLogWindow.h"

namespace aerolume::planning {
namespace {

constexpr FuelUnit kFuelUnits[] = {FuelUnit::UsGallons, FuelUnit::Litres, FuelUnit::Pounds,
                                   FuelUnit::Kilograms};
const QPageSize::PageSizeId kPageSizes[] = {QPageSize::A4, QPageSize::Letter, QPageSize::A5,
                                            QPageSize::Statement};

QString number(double value) {
    return QString::number(value, 'g', 10);
}

QString variationText(double value) {
    if (value == 0) {
        return QStringLiteral("0");
    }
    return number(std::fabs(value)) + (value > 0 ? u'E' : u'W');
}

}  // namespace

void NavLogWindow::setUpFields() {
    for (FuelUnit unit : kFuelUnits) {
        m_ui->cboFuelUnit->addItem(tr(fuelUnitLabel(unit)));
    }
    m_ui->cboPageSize->addItems(
        {tr("A4"), tr("Letter"), tr("A5 (kneeboard)"), tr("5.5 × 8.5 in (kneeboard)")});
    const std::pair<QLineEdit*, QWidget*> chain[] = {
        {m_ui->txtPlanName, m_ui->txtDate},
        {m_ui->txtDate, m_ui->txtAltitude},
        {m_ui->txtAltitude, m_ui->txtTAS},
        {m_ui->txtTAS, m_ui->txtWindDir},
        {m_ui->txtWindDir, m_ui->txtWindSpeed},
        {m_ui->txtWindSpeed, m_ui->txtVariation},
        {m_ui->txtVariation, m_ui->cboFuelUnit},
        {m_ui->txtFuelFlow, m_ui->txtFuelStart},
        {m_ui->txtFuelStart, m_ui->txtTaxiFuel},
        {m_ui->txtTaxiFuel, m_ui->txtReserve},
        {m_ui->txtReserve, m_ui->txtContingency},
        {m_ui->txtContingency, m_ui->txtExtraFuel},
        {m_ui->txtExtraFuel, m_ui->txtDepartureTime},
        {m_ui->txtDepartureTime, m_ui->txtPatternAltitude},
        {m_ui->txtPatternAltitude, m_ui->txtAlternate},
        {m_ui->txtAlternate, m_ui->txtAlternateAltitude},
        {m_ui->txtAlternateAltitude, m_ui->txtClimbRate},
        {m_ui->txtClimbRate, m_ui->txtClimbTAS},
        {m_ui->txtClimbTAS, m_ui->txtClimbFuelFlow},
        {m_ui->txtClimbFuelFlow, m_ui->txtDescentRate},
        {m_ui->txtDescentRate, m_ui->txtDescentTAS},
        {m_ui->txtDescentTAS, m_ui->txtDescentFuelFlow},
        {m_ui->txtDescentFuelFlow, m_ui->cboPageSize}};
    for (const auto& [field, next] : chain) {
        // The plan name and the variation take letters; the numbers and the date take
        // digits, the point and a minus. Enter takes the entry and moves on when it is valid.
        // The alternate takes an identifier, the departure time a colon.
        const bool letters = field == m_ui->txtPlanName || field == m_ui->txtVariation ||
                             field == m_ui->txtAlternate;
        const KeyRange accepted = letters                           ? KeyRange{32, 0x10FFFF}
                                  : field == m_ui->txtDepartureTime ? kPointSlashDigitsColon
                                                                    : kMinusPointSlashDigits;
        addCustomField(field, accepted, [this, field = field, next = next, accepted](int& key) {
            if (key == kKeyEnter) {
                // Taken here, so the field does not end its editing a second time.
                key = 0;
                if (field_Change(field, true)) {
                    next->setFocus(Qt::TabFocusReason);
                }
                return;
            }
            if (!keyPasses(key, accepted)) {
                key = 0;
                platform::beep();
            }
        });
        connect(field, &QLineEdit::editingFinished, this,
                [this, field = field] { field_Change(field, false); });
    }
    m_ui->txtPlanName->setMinimumWidth(260);
    // The alternate's name, however long, is shown from its start in the room it has.
    m_ui->txtAlternate->setMinimumWidth(200);
    m_ui->txtDate->setToolTip(
        tr("The day of the flight, year-month-day: the date of the World Magnetic Model's "
           "variations."));
    m_ui->txtVariation->setToolTip(
        tr("The variation of the legs without their own where the World Magnetic Model "
           "gives none: a plan without a date, or near the magnetic poles."));
    connect(m_ui->cboFuelUnit, &QComboBox::activated, this, &NavLogWindow::cboFuelUnit_Click);
    m_ui->txtDepartureTime->setToolTip(
        tr("The time of take-off in UTC (hh:mm): the ETA at every checkpoint counts from it. "
           "Empty: no ETAs. The local time beside it is the computer's time zone on the "
           "flight date."));
    m_ui->txtPatternAltitude->setToolTip(
        tr("The height above the destination's elevation the descent ends at."));
    m_ui->txtAlternate->setToolTip(
        tr("The destination's alternate by its identifier in the airport data (LFAT, KHND); "
           "an identifier of several places takes the one nearest to the destination. Its "
           "leg counts in the fuel plan."));
    m_ui->txtAlternateAltitude->setToolTip(
        tr("The altitude the leg to the alternate is flown at; empty: the cruise altitude."));
    m_ui->txtContingency->setToolTip(
        tr("A percentage of the trip fuel for what the forecast did not say. Empty: no fuel "
           "plan."));
    // Three fields share each caption: each is named on its own for a screen reader.
    const std::pair<QLineEdit*, QString> figures[] = {
        {m_ui->txtClimbRate, tr("Climb rate (ft/min)")},
        {m_ui->txtClimbTAS, tr("Climb TAS (kt)")},
        {m_ui->txtClimbFuelFlow, tr("Climb fuel flow (per hour)")},
        {m_ui->txtDescentRate, tr("Descent rate (ft/min)")},
        {m_ui->txtDescentTAS, tr("Descent TAS (kt)")},
        {m_ui->txtDescentFuelFlow, tr("Descent fuel flow (per hour)")}};
    for (const auto& [field, name] : figures) {
        field->setAccessibleName(name);
        field->setToolTip(
            tr("%1 of the aircraft. Empty: the log is level at cruise (without a descent, no "
               "descent to the destination).")
                .arg(name));
    }
    QWidget::setTabOrder(m_ui->txtDescentFuelFlow, m_ui->cboPageSize);
    QWidget::setTabOrder(m_ui->cboPageSize, m_ui->tblLog);
}

bool NavLogWindow::field_Change(QLineEdit* field, bool byEnter) {
    const Plan& plan = m_model->plan();
    if (field == m_ui->txtPlanName) {
        // Counted as a person counts characters, as the plan file is.
        if (platform::characterCount(field->text().trimmed()) >
            static_cast<qsizetype>(kMaxNameLength)) {
            return refuseEntry(
                field, tr("A plan name has at most %1 characters.").arg(kMaxNameLength), byEnter);
        }
        m_model->editName(field->text().trimmed());
        return true;
    }
    if (field == m_ui->txtDate) {
        return date_Change(byEnter);
    }
    if (const auto taken = flight_Change(field, byEnter)) {
        return *taken;
    }
    PlanDefaults d = plan.defaults;
    const std::string typed = field->text().toStdString();
    const QString fuel = tr(fuelUnitLabel(d.fuelUnit));
    struct Entry {
        QLineEdit* field;
        double* value;
        Range range;
        QString message;
    };
    const Entry entries[] = {{m_ui->txtAltitude, &d.altitude, kAltitudeRange,
                              tr("Enter a cruise altitude from -1500 to 60000 ft!")},
                             {m_ui->txtTAS, &d.trueAirspeed, kAirspeedRange,
                              tr("Enter a true airspeed from 1 to 1000 kt!")},
                             {m_ui->txtWindDir, &d.windDirection, kWindDirectionRange,
                              tr("Enter where the wind is from, 0 to 360°!")},
                             {m_ui->txtWindSpeed, &d.windSpeed, kWindSpeedRange,
                              tr("Enter a wind speed from 0 to 200 kt!")},
                             {m_ui->txtFuelFlow, &d.fuelFlow, kFuelFlowRange,
                              tr("Enter a fuel flow from 0 to 10000 %1/h!").arg(fuel)},
                             {m_ui->txtFuelStart, &d.fuelAtStart, kFuelRange,
                              tr("Enter the fuel at start from 0 to 100000 %1!").arg(fuel)},
                             {m_ui->txtTaxiFuel, &d.taxiFuel, kFuelRange,
                              tr("Enter the taxi fuel from 0 to 100000 %1!").arg(fuel)},
                             {m_ui->txtReserve, &d.reserveMinutes, kReserveMinutesRange,
                              tr("Enter a reserve from 0 to 600 min!")}};
    const auto refuse = [&](const QString& message) {
        return refuseEntry(field, message, byEnter);
    };
    if (field == m_ui->txtVariation) {
        const auto value = parseVariation(typed);
        if (!value) {
            return refuse(
                tr("Enter the variation as degrees east or west (12.5E, 3W, or -3 for west), "
                   "at most 180°!"));
        }
        d.variation = *value;
    }
    for (const Entry& e : entries) {
        if (e.field != field) {
            continue;
        }
        const auto value = parseInRange(typed, e.range);
        if (!value) {
            return refuse(e.message);
        }
        *e.value = *value;
    }
    beginRun();
    m_model->editDefaults(d);
    showPlan();
    return true;
}

bool NavLogWindow::refuseEntry(QLineEdit* field, const QString& message, bool byEnter) {
    // Enter on a wrong entry keeps it selected in its field; leaving the field puts the
    // plan's value back, so that only one field is ever wrong.
    if (byEnter) {
        fail(message, field, OnField::SelectAndFocus);
    } else {
        fail(message, nullptr, OnField::Untouched);
        showPlan();
    }
    return false;
}

bool NavLogWindow::date_Change(bool byEnter) {
    QLineEdit* field = m_ui->txtDate;
    const QString typed = field->text().trimmed();
    std::optional<PlanDate> date;
    if (!typed.isEmpty()) {
        const QDate read = QDate::fromString(typed, Qt::ISODate);
        if (!read.isValid() || typed.size() != 10 || read.year() < kMinPlanYear ||
            read.year() > kMaxPlanYear) {
            const QString message =
                tr("Enter the flight date as year-month-day (2026-07-14), from %1 to %2, or "
                   "leave it empty for the plan's variation on every leg!")
                    .arg(kMinPlanYear)
                    .arg(kMaxPlanYear);
            return refuseEntry(field, message, byEnter);
        }
        date = PlanDate{read.year(), read.month(), read.day()};
    }
    beginRun();
    m_model->editDate(date);
    showPlan();
    return true;
}

void NavLogWindow::cboFuelUnit_Click(int index) {
    PlanDefaults d = m_model->plan().defaults;
    d.fuelUnit = kFuelUnits[std::clamp(index, 0, 3)];
    m_model->editDefaults(d);
}

void NavLogWindow::showFields(bool evenFocused) {
    const Plan& plan = m_model->plan();
    const PlanDefaults& d = plan.defaults;
    const std::pair<QLineEdit*, QString> fields[] = {
        {m_ui->txtPlanName, QString::fromStdString(plan.name)},
        {m_ui->txtDate, flightDate().toString(Qt::ISODate)},
        {m_ui->txtAltitude, number(d.altitude)},
        {m_ui->txtTAS, number(d.trueAirspeed)},
        {m_ui->txtWindDir, number(d.windDirection)},
        {m_ui->txtWindSpeed, number(d.windSpeed)},
        {m_ui->txtVariation, variationText(d.variation)},
        {m_ui->txtFuelFlow, number(d.fuelFlow)},
        {m_ui->txtFuelStart, number(d.fuelAtStart)},
        {m_ui->txtTaxiFuel, number(d.taxiFuel)},
        {m_ui->txtReserve, number(d.reserveMinutes)}};
    for (const auto& [field, text] : fields) {
        // A field with an entry being typed (or refused) keeps it; a long name is shown
        // from its start.
        if ((evenFocused || !field->hasFocus()) && field->text() != text) {
            field->setText(text);
            field->setCursorPosition(0);
        }
    }
    m_ui->cboFuelUnit->setCurrentIndex(static_cast<int>(d.fuelUnit));
    showFlightFields(evenFocused);
}

QPageSize NavLogWindow::pageSize() const {
    return QPageSize(kPageSizes[std::clamp(m_ui->cboPageSize->currentIndex(), 0, 3)]);
}

}  // namespace aerolume::planning
