// SPDX-License-Identifier: GPL-3.0-or-later
// The loading of a flight: the navigation log opens the window for its plan (the log's
// Loading for This Flight), which chooses the plan's aircraft and fills in the take-off
// fuel, the burn and the taxi fuel; From Navigation Log takes that log's trip fuel again.
// The log stays hidden, as it was, until the window closes (WindowRegistry::showFrom()).
#include <QVariant>
#include <cmath>

#include "LoadingWindow.h"
#include "shell/WindowRegistry.h"
#include "ui_LoadingWindow.h"

namespace aerolume::aircraft {
namespace {

std::optional<FuelUnit> fuelUnitNamed(const QString& name) {
    if (name == QLatin1String("USgal")) {
        return FuelUnit::UsGallon;
    }
    if (name == QLatin1String("L")) {
        return FuelUnit::Litre;
    }
    if (name == QLatin1String("lb")) {
        return FuelUnit::Pound;
    }
    if (name == QLatin1String("kg")) {
        return FuelUnit::Kilogram;
    }
    return std::nullopt;
}

bool isWeight(FuelUnit unit) {
    return unit == FuelUnit::Pound || unit == FuelUnit::Kilogram;
}

}  // namespace

void LoadingWindow::showFuel(const QList<QLineEdit*>& fields, const std::vector<double>& weights) {
    const Aircraft* a = selected();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const auto tank = static_cast<std::size_t>(i);
        const double shown = m_ui->optWeight->isChecked()
                                 ? weights[tank]
                                 : weights[tank] / fuelDensity(a->tanks[tank], a->units);
        fields.at(i)->setText(QString::fromStdString(formatFixed(shown, 1)));
    }
}

bool LoadingWindow::showFlight(const QString& path, double takeoff, double trip, double taxi,
                               FuelUnit unit) {
    beginRun();
    reloadAircraft(path);
    const int i = m_ui->cboAircraft->currentIndex();
    const Aircraft* a = selected();
    if (a == nullptr || m_entries.at(i).path != path) {
        fail(tr("The plan's aircraft is no longer in the aircraft folder."));
        return false;
    }
    if (a->tanks.empty()) {
        fail(tr("This aircraft has no fuel tanks to take the plan's fuel."));
        return true;
    }
    // The fuel as the plan gives it: by weight for a weight, by volume for a volume.
    (isWeight(unit) ? m_ui->optWeight : m_ui->optVolume)->setChecked(true);
    const FlightFuel fuel = splitFlightFuel(*a, takeoff, trip, unit);
    showFuel(m_fields->takeoffFuel(), fuel.takeoff);
    showFuel(m_fields->burn(), fuel.burn);
    m_ui->txtTaxi->setText(QString::fromStdString(formatFixed(inAircraftUnit(*a, taxi, unit), 1)));
    compute();
    // The loads of the stations are the pilot's to type.
    if (!m_fields->stations().isEmpty()) {
        m_fields->stations().constFirst()->setFocus();
    }
    return true;
}

void LoadingWindow::cmdFromNavLog_Click() {
    beginRun();
    if (!selectedIsCurrent()) {
        return;
    }
    const Aircraft* a = selected();
    if (a == nullptr) {
        cboAircraft_Change();
        return;
    }
    if (a->tanks.empty()) {
        fail(tr("This aircraft has no fuel tanks."));
        return;
    }
    // Only the log that opened this window is there to give its fuel: any other is
    // closed while this window is open.
    QWidget* log = registry().openerOf(this);
    if (log == nullptr || log != registry().window(QStringLiteral("NavLog"))) {
        fail(
            tr("Open this window from the navigation log's Edit menu, Loading for This Flight, "
               "to take the plan's trip fuel."));
        return;
    }
    const QVariant trip = log->property("tripFuel");
    bool isNumber = false;
    const double fuel = trip.toDouble(&isNumber);
    if (!trip.isValid() || !isNumber || !std::isfinite(fuel) || fuel < 0) {
        fail(tr("The navigation log has no trip fuel yet."));
        return;
    }
    const auto unit = fuelUnitNamed(log->property("fuelUnit").toString());
    if (!unit) {
        fail(tr("The navigation log gives its fuel in a unit this window does not know."));
        return;
    }
    const auto takeoff =
        readFuel(m_fields->takeoffFuel(), tr("Enter a number for the take-off fuel in %1!"));
    if (!takeoff) {
        return;
    }
    showFuel(m_fields->burn(), splitTripFuel(*a, fuel, *unit, *takeoff));
    compute();
}

}  // namespace aerolume::aircraft
