// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtmosWindow.h"

#include "Atmosphere.h"
#include "StandardAtmosphere.h"
#include "shell/ClientArea.h"
#include "ui_AtmosWindow.h"

namespace aerolume {

namespace {

QString fixed(double value, int decimals, const QString& unit) {
    return QString::fromStdString(formatFixed(value, decimals)) + unit;
}

// A difference with its sign: "+10.0", "-5.0", and "0.0" for one that rounds to zero.
QString signedFixed(double value, int decimals, const QString& unit) {
    QString text = QString::fromStdString(formatFixed(value, decimals));
    const bool zero = text.count(QLatin1Char('0')) + text.count(QLatin1Char('.')) == text.size();
    if (!zero && !text.startsWith(QLatin1Char('-'))) {
        text.prepend(QLatin1Char('+'));
    }
    return text + unit;
}

}  // namespace

AtmosWindow::AtmosWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Atmosphere")), m_ui(std::make_unique<Ui::AtmosForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResultsAndMessage(
        {m_ui->Label5, m_ui->Label6, m_ui->Label7, m_ui->Label8, m_ui->Label9, m_ui->Label10,
         m_ui->Label11, m_ui->Label12, m_ui->Label13},
        {m_ui->LblPA, m_ui->LblIsaTemp, m_ui->LblIsaDev, m_ui->LblDA, m_ui->LblTrueAlt,
         m_ui->LblPressureHpa, m_ui->LblPressureInHg, m_ui->LblDensityRatio, m_ui->LblSoundSpeed},
        m_ui->ErrorLbl);
    setEnterSound(EnterSound::Silent);
    setHelp(
        {tr("Indicated Altitude: what the altimeter reads with the setting below, in feet, from "
            "-2000 to 65000."),
         tr("Altimeter Setting: in hectopascals from 850 to 1100, or in inches of mercury from "
            "25.10 to 32.48 (choose the unit with its buttons; 29.92126 inHg = 1013.25 hPa). "
            "Pressure altitude = indicated altitude + 145442 ft × (1 - (setting / 1013.25 "
            "hPa) ^ 0.190263), the relation that defines the setting: 1030 hPa at 0 ft "
            "indicated is a pressure altitude of -454 ft."),
         tr("Outside Air Temperature: the temperature at that altitude, from -100 to 60 °C or from "
            "-148 "
            "to 140 °F; optional. Without it the ISA deviation, density altitude, true altitude, "
            "density ratio and speed of sound stay empty. Temperatures are shown in °C whatever "
            "unit you type."),
         tr("Station Elevation: the elevation of the station that gave the setting, in feet, "
            "from -2000 to 20000; optional, 0 when empty."),
         tr("The results follow the ICAO standard atmosphere: 15 °C and 1013.25 hPa at sea "
            "level, the temperature falling 6.5 °C per 1000 m up to 11000 m and staying at "
            "-56.5 °C from there to 20000 m (65617 ft), the top of the model; pressure and "
            "density altitudes above it, and pressure altitudes below -5000 ft, are not "
            "computed. The static "
            "pressure is the standard pressure at the pressure altitude, the density altitude the "
            "standard altitude of the air's actual density, the density ratio that density over "
            "the sea-level 1.225 kg/m³, and the speed of sound the one at the outside air "
            "temperature."),
         tr("True Altitude uses the flight computer's rule: indicated altitude + (indicated "
            "altitude - station elevation) × (outside air temperature - ISA temperature) / (ISA "
            "temperature in "
            "kelvin), with the ISA temperature at the pressure altitude. It treats the air "
            "between the station and the aircraft as off standard by the same amount, so it is "
            "an estimate.")});

    addField(m_ui->txtAlt, kMinusPointSlashDigits, m_ui->txtSetting);
    addField(m_ui->txtSetting, kPointSlashDigits, m_ui->txtOAT);
    addField(m_ui->txtOAT, kMinusPointSlashDigits, m_ui->txtElev);
    addLastField(m_ui->txtElev, kMinusPointSlashDigits, [this] { return compute(); });
    connect(m_ui->Command2, &QPushButton::clicked, this, &AtmosWindow::Command2_Click);
    fitClientArea(this, 4800, 6600);
}

AtmosWindow::~AtmosWindow() = default;

void AtmosWindow::Command2_Click() {
    compute();
}

bool AtmosWindow::compute() {
    beginRun();
    const auto indicated = readWithin(m_ui->txtAlt, -2000, 65000,
                                      tr("Enter an indicated altitude from -2000 to 65000 ft!"));
    if (!indicated) {
        return false;
    }
    const bool hpa = m_ui->optHpa->isChecked();
    const auto setting =
        hpa ? readWithin(m_ui->txtSetting, 850, 1100,
                         tr("Enter an altimeter setting from 850 to 1100 hPa!"))
            : readWithin(m_ui->txtSetting, 25.10, 32.48,
                         tr("Enter an altimeter setting from 25.10 to 32.48 inHg!"));
    if (!setting) {
        return false;
    }
    std::optional<double> oat;
    if (!isEmpty(m_ui->txtOAT)) {
        const bool celsius = m_ui->optC->isChecked();
        oat = celsius ? readWithin(m_ui->txtOAT, -100, 60,
                                   tr("Enter an outside air temperature from -100 to 60 °C!"))
                      : readWithin(m_ui->txtOAT, -148, 140,
                                   tr("Enter an outside air temperature from -148 to 140 °F!"));
        if (!oat) {
            return false;
        }
        if (!celsius) {
            oat = FahrenheitToCelsius(*oat);
        }
    }
    double station = 0;
    if (!isEmpty(m_ui->txtElev)) {
        const auto elevation = readWithin(m_ui->txtElev, -2000, 20000,
                                          tr("Enter a station elevation from -2000 to 20000 ft!"));
        if (!elevation) {
            return false;
        }
        station = *elevation;
    }
    const AtmosphereOutcome out =
        ComputeAtmosphere({*indicated, hpa ? *setting : isa::inHgToHpa(*setting), oat, station});
    if (!out.Result) {
        switch (out.Fault) {
            case AtmosphereFault::PressureAltitudeAboveCeiling:
                return fail(
                    tr("The pressure altitude is above the top of the standard atmosphere!"),
                    m_ui->txtAlt, OnField::SelectAndFocus);
            case AtmosphereFault::PressureAltitudeBelowFloor:
                return fail(tr("The pressure altitude is below -5000 ft, the bottom of the "
                               "standard atmosphere!"),
                            m_ui->txtAlt, OnField::SelectAndFocus);
            case AtmosphereFault::DensityAltitudeAboveCeiling:
                return fail(tr("The density altitude is above the top of the standard atmosphere!"),
                            m_ui->txtOAT, OnField::SelectAndFocus);
            case AtmosphereFault::AtOrBelowAbsoluteZero:
                return fail(tr("The outside air temperature is at or below absolute zero!"),
                            m_ui->txtOAT, OnField::SelectAndFocus);
        }
    }
    const AtmosphereResult& r = *out.Result;
    m_ui->LblPA->setText(fixed(r.PressureAltitude, 0, tr(" ft")));
    m_ui->LblIsaTemp->setText(fixed(r.IsaTemperature, 1, tr(" °C")));
    m_ui->LblPressureHpa->setText(fixed(r.StaticPressureHpa, 1, tr(" hPa")));
    m_ui->LblPressureInHg->setText(fixed(r.StaticPressureInHg, 2, tr(" inHg")));
    if (r.WithOat) {
        const TemperatureResults& t = *r.WithOat;
        m_ui->LblIsaDev->setText(signedFixed(t.IsaDeviation, 1, tr(" °C")));
        m_ui->LblDA->setText(fixed(t.DensityAltitude, 0, tr(" ft")));
        m_ui->LblTrueAlt->setText(fixed(t.TrueAltitude, 0, tr(" ft")));
        m_ui->LblDensityRatio->setText(fixed(t.DensityRatio, 4, QString()));
        m_ui->LblSoundSpeed->setText(fixed(t.SpeedOfSound, 0, tr(" kt")));
    } else {
        for (QLabel* label : {m_ui->LblIsaDev, m_ui->LblDA, m_ui->LblTrueAlt, m_ui->LblDensityRatio,
                              m_ui->LblSoundSpeed}) {
            label->clear();
        }
    }
    return true;
}

}  // namespace aerolume
