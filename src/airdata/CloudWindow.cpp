// SPDX-License-Identifier: GPL-3.0-or-later
#include "CloudWindow.h"

#include "Atmosphere.h"
#include "CloudCore.h"
#include "shell/ClientArea.h"
#include "ui_CloudWindow.h"

namespace aerolume {

namespace {

QString feet(double value) {
    return QString::fromStdString(formatFixed(value, 0)) + CloudWindow::tr(" ft");
}

}  // namespace

CloudWindow::CloudWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Cloud Base & Freezing Level")),
      m_ui(std::make_unique<Ui::CloudForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResultsAndMessage({m_ui->Label4, m_ui->Label5, m_ui->Label6},
                         {m_ui->LblBaseAgl, m_ui->LblBaseMsl, m_ui->LblFreezing}, m_ui->ErrorLbl);
    setEnterSound(EnterSound::Silent);
    setHelp(
        {tr("Temperature and Dew Point: at the field, in °C from -60 to 60 or in °F from -76 "
            "to 140 (choose the unit with its buttons). The dew point cannot be above the "
            "temperature."),
         tr("Field Elevation: in feet, from -2000 to 20000."),
         tr("Cloud base: the base of convective cloud above the field is estimated as the "
            "spread between temperature and dew point in °C × 400 ft; above sea level it is "
            "that plus the field elevation. Equal temperature and dew point put it at the "
            "surface (0 ft above the field)."),
         tr("Freezing level: the field elevation + temperature in °C / 1.98 × 1000 ft, taking "
            "the standard fall of 1.98 °C per 1000 ft; at or below 0 °C at the field it is "
            "\"at the surface\". Both are rules of thumb, shown to the nearest 100 ft: the real "
            "air can differ.")});

    addField(m_ui->txtTemp, kMinusPointSlashDigits, m_ui->txtDew);
    addField(m_ui->txtDew, kMinusPointSlashDigits, m_ui->txtElev);
    addLastField(m_ui->txtElev, kMinusPointSlashDigits, [this] { return compute(); });
    connect(m_ui->Command2, &QPushButton::clicked, this, &CloudWindow::Command2_Click);
    fitClientArea(this, 5400, 3900);
}

CloudWindow::~CloudWindow() = default;

void CloudWindow::Command2_Click() {
    compute();
}

bool CloudWindow::compute() {
    beginRun();
    const bool celsius = m_ui->optC->isChecked();
    const double low = celsius ? -60 : -76;
    const double high = celsius ? 60 : 140;
    const QString range = celsius ? tr("from -60 to 60 °C") : tr("from -76 to 140 °F");
    const auto temperature =
        readWithin(m_ui->txtTemp, low, high, tr("Enter a temperature %1!").arg(range));
    if (!temperature) {
        return false;
    }
    const auto dewPoint =
        readWithin(m_ui->txtDew, low, high, tr("Enter a dew point %1!").arg(range));
    if (!dewPoint) {
        return false;
    }
    const auto elevation = readWithin(m_ui->txtElev, -2000, 20000,
                                      tr("Enter a field elevation from -2000 to 20000 ft!"));
    if (!elevation) {
        return false;
    }
    const auto toCelsius = [celsius](double t) { return celsius ? t : FahrenheitToCelsius(t); };
    const auto result = ComputeCloud({toCelsius(*temperature), toCelsius(*dewPoint), *elevation});
    if (!result) {
        return fail(tr("The dew point is above the temperature!"), m_ui->txtDew,
                    OnField::SelectAndFocus);
    }
    m_ui->LblBaseAgl->setText(feet(result->BaseAboveField));
    m_ui->LblBaseMsl->setText(feet(result->BaseAboveSeaLevel));
    m_ui->LblFreezing->setText(result->FreezingLevel ? feet(*result->FreezingLevel)
                                                     : tr("at the surface"));
    return true;
}

}  // namespace aerolume
