// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeedWindow.h"

#include "AirspeedCore.h"
#include "Atmosphere.h"
#include "shell/ClientArea.h"
#include "ui_SpeedWindow.h"

namespace aerolume {

SpeedWindow::SpeedWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Speed Calculations")),
      m_ui(std::make_unique<Ui::SpeedForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    // The result labels start as a single blank (a form file cannot hold one).
    m_ui->TAS->setText(QStringLiteral(" "));
    m_ui->Mach->setText(QStringLiteral(" "));
    setResults({m_ui->Label8, m_ui->Label7}, {m_ui->TAS, m_ui->Mach}, m_ui->ErrorLbl, 12, true);
    setHelp({tr("Enter your calibrated airspeed (knots) between 0 and 2000. Enter the MSL altitude "
                "between -1500 and 36000 feet. Enter the sea level altimeter setting (inches of "
                "Mercury) between 27 and 36. Enter the true outside air temerature between -300 "
                "and 150 degrees Centigrade (you can use Fahrenheit if desired by selecting the "
                "radio button)."),
             tr("Note: This calculation does not take into account the effects of compressibility "
                "on the OAT probe. At higher speeds (0.3 Mach and above), the OAT reading will be "
                "higher than actual.    ")});

    addField(m_ui->txtCAS, kPointSlashDigits, m_ui->txtMSL);
    addField(m_ui->txtMSL, kMinusPointSlashDigits, m_ui->txtBaro);
    addField(m_ui->txtBaro, kPointSlashDigits, m_ui->txtOAT);
    addLastField(m_ui->txtOAT, kMinusPointSlashDigits, [this] { return compute(); });

    connect(m_ui->Command2, &QPushButton::clicked, this, &SpeedWindow::Command2_Click);
    fitClientArea(this, 3600, 3400);
}

SpeedWindow::~SpeedWindow() = default;

void SpeedWindow::Command2_Click() {
    compute();
}

bool SpeedWindow::compute() {
    beginRun();
    if (isEmpty(m_ui->txtCAS)) {
        return fail(tr("Invalid CAS!"), m_ui->txtCAS);
    }
    if (isEmpty(m_ui->txtMSL)) {
        return fail(tr("Invalid MSL Alt!"), m_ui->txtMSL);
    }
    if (isEmpty(m_ui->txtBaro)) {
        return fail(tr("Invalid Pressure!"), m_ui->txtBaro);
    }
    if (isEmpty(m_ui->txtOAT)) {
        return fail(tr("Invalid OAT!"), m_ui->txtOAT);
    }
    const double entered = lenientValue(m_ui->txtOAT);
    const double temperature = m_ui->OptionC->isChecked() ? entered : FahrenheitToCelsius(entered);
    // A text that is not a number ("." "-" "3/4" "5-") fails its field's range check.
    const auto airspeed = strictValue(m_ui->txtCAS);
    if (!airspeed || *airspeed > 2000 || !(*airspeed > 0)) {
        return fail(tr("Invalid TAS"), m_ui->txtCAS);
    }
    const auto altitude = strictValue(m_ui->txtMSL);
    if (!altitude || *altitude > 36000 || *altitude < -1500) {
        return fail(tr("Ivalid MSL Alt!"), m_ui->txtMSL);
    }
    const auto altimeter = strictValue(m_ui->txtBaro);
    if (!altimeter || *altimeter > 36 || *altimeter < 27) {
        return fail(tr("Invalid Pressure!"), m_ui->txtBaro);
    }
    if (temperature > 150 || temperature < -300) {
        return fail(tr("Invalid OAT!"), m_ui->txtOAT);
    }
    const auto result = ComputeAirspeed({*airspeed, *altitude, *altimeter, temperature});
    if (!result) {
        // -300 to -273.15 degrees Celsius pass the range check but leave no speed of sound.
        return fail(tr("At or below absolute zero!"), m_ui->txtOAT);
    }
    m_ui->TAS->setText(caption(result->TrueAirspeed, Mask::D5_1));
    m_ui->Mach->setText(caption(result->Mach, Mask::D1_3));
    return true;
}

}  // namespace aerolume
