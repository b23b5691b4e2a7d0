// SPDX-License-Identifier: GPL-3.0-or-later
#include "DaltWindow.h"

#include "AltitudeCore.h"
#include "Atmosphere.h"
#include "shell/ClientArea.h"
#include "ui_DaltWindow.h"

namespace aerolume {

DaltWindow::DaltWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Density Altitude"), QStringLiteral("mnuExit"),
                       QStringLiteral("mnuXxxx")),
      m_ui(std::make_unique<Ui::DaltForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResults({m_ui->DALabel, m_ui->PresAltLbl}, {m_ui->DenAlt, m_ui->PAlt}, m_ui->ErrorLbl, 12,
               true);
    setHelp(
        {tr("Enter an MSL altitude between -1500 and 65000 feet. Enter the sea level altimeter "
            "setting (inches of Mercury) from 27 to 36. Enter the outside air temperature "
            "between -300 and 150 Centigrade. A Fahrenheit 'radio button' is provided for "
            "convenience.")});

    addField(m_ui->txtMSL, kMinusPointSlashDigits, m_ui->txtAlt);
    addField(m_ui->txtAlt, kPointSlashDigits, m_ui->CTemp);
    addLastField(m_ui->CTemp, kMinusPointSlashDigits, [this] { return compute(); });

    connect(m_ui->txtMSL, &QLineEdit::textChanged, this, &DaltWindow::txtMSL_Change);
    connect(m_ui->txtAlt, &QLineEdit::textChanged, this, &DaltWindow::txtAlt_Change);
    connect(m_ui->Command2, &QPushButton::clicked, this, &DaltWindow::Command2_Click);
    fitClientArea(this, 3165, 2940);
}

DaltWindow::~DaltWindow() = default;

void DaltWindow::Command2_Click() {
    compute();
}

void DaltWindow::txtMSL_Change() {
    m_mslAltitude = lenientValue(m_ui->txtMSL);
}

void DaltWindow::txtAlt_Change() {
    m_altimeter = lenientValue(m_ui->txtAlt);
}

bool DaltWindow::compute() {
    beginRun();
    styleErrorLabel(m_ui->ErrorLbl, 12, true);
    if (isEmpty(m_ui->CTemp)) {
        return fail(tr("Invalid temperature!"), m_ui->CTemp);
    }
    const double entered = lenientValue(m_ui->CTemp);
    m_temperature = m_ui->OptionC->isChecked() ? entered : FahrenheitToCelsius(entered);
    if (isEmpty(m_ui->txtMSL)) {
        return fail(tr("Invalid altitude!"), m_ui->txtMSL);
    }
    if (isEmpty(m_ui->txtAlt)) {
        return fail(tr("Invalid altimeter!"), m_ui->txtAlt);
    }
    if (m_mslAltitude <= -1500 || m_mslAltitude > 36000) {
        return fail(tr("Invalid altitude!"), m_ui->txtMSL);
    }
    if (m_temperature > 150 || m_temperature < -300) {
        return fail(tr("Invalid temperature!"), m_ui->CTemp);
    }
    if (m_altimeter < 27 || m_altimeter > 36) {
        return fail(tr("Invalid Altimeter!"), m_ui->txtAlt);
    }
    const auto result = ComputeAltitudes({m_mslAltitude, m_altimeter, m_temperature});
    if (!result) {
        // -300 to -273.15 degrees Celsius pass the range check but leave no density.
        return fail(tr("At or below absolute zero!"), m_ui->CTemp);
    }
    m_ui->DenAlt->setText(caption(result->DensityAltitude, Mask::D6));
    m_ui->PAlt->setText(caption(result->PressureAltitude, Mask::D6));
    return true;
}

}  // namespace aerolume
