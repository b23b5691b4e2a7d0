// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindWindow.h"

#include "WindCore.h"
#include "shell/ClientArea.h"
#include "ui_WindWindow.h"

namespace aerolume {

WindWindow::WindWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Wind")), m_ui(std::make_unique<Ui::WindForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResults({m_ui->Label5, m_ui->Label6, m_ui->Label7},
               {m_ui->LblGS, m_ui->LblTHeading, m_ui->LblWCA}, m_ui->ErrorLbl, 8.25, false);
    setHelp(
        {tr("   Enter a wind direction (True). Valid values are from 0 to 360 (both representing "
            "True North)."),
         tr("   Enter a wind velocity (remember to convert to M.P.H. FIRST if your aircraft uses "
            "M.P.H.). Valid values are from 0 to 200."),
         tr("   Enter a True Course (if wind direction was magnetic, enter the magnetic course). "
            "Valid values are from 0 to 360 (both representing True North)."),
         tr("   Enter a True Airspeed (same units as wind velocity). Valid values are from 1 to "
            "1000.")});

    addField(m_ui->txtWind, kDigits, m_ui->txtWindVel);
    addField(m_ui->txtWindVel, kDigits, m_ui->txtTC);
    addField(m_ui->txtTC, kDigits, m_ui->txtTAS);
    addLastField(m_ui->txtTAS, kDigits, [this] { return compute(RunBy::Enter); });

    // txtWind_Change ... txtTAS_Change
    const struct {
        QLineEdit* field;
        double* value;
    } stored[] = {{m_ui->txtWind, &m_windDirection},
                  {m_ui->txtWindVel, &m_windSpeed},
                  {m_ui->txtTC, &m_trueCourse},
                  {m_ui->txtTAS, &m_trueAirspeed}};
    for (const auto& s : stored) {
        connect(s.field, &QLineEdit::textChanged, this,
                [field = s.field, value = s.value] { *value = lenientValue(field); });
    }
    connect(m_ui->Command2, &QPushButton::clicked, this, &WindWindow::Command2_Click);
    fitClientArea(this, 3600, 3700);
}

WindWindow::~WindWindow() = default;

void WindWindow::Command2_Click() {
    compute(RunBy::Button);
}

bool WindWindow::compute(RunBy by) {
    beginRun();
    styleErrorLabel(m_ui->ErrorLbl, 8, false);
    if (isEmpty(m_ui->txtWind)) {
        return fail(tr("Invalid Wind Direction!"), m_ui->txtWind);
    }
    if (isEmpty(m_ui->txtWindVel)) {
        return fail(tr("Invalid Wind Speed!"), m_ui->txtWindVel);
    }
    if (isEmpty(m_ui->txtTC)) {
        return fail(tr("Invalid True Course!"), m_ui->txtTC);
    }
    if (isEmpty(m_ui->txtTAS) || m_trueAirspeed == 0) {
        return fail(tr("Invalid True Airspeed!"), m_ui->txtTAS);
    }
    if (m_windDirection > 360) {
        return fail(tr("Invalid Wind Angle!"), m_ui->txtWind);
    }
    if (m_windSpeed > 200) {
        return fail(tr("Avoid flying in the jetstream!"), m_ui->txtWindVel);
    }
    if (m_trueCourse > 360) {
        return fail(tr("Invalid True Course!"), m_ui->txtTC);
    }
    if (m_trueAirspeed > 1000) {
        return fail(by == RunBy::Button ? tr("C'mon, YOU cant go THAT fast!")
                                        : tr("We both know YOU cant go THAT fast!"),
                    m_ui->txtTAS);
    }
    const auto outcome = ComputeWind({m_windDirection, m_windSpeed, m_trueCourse, m_trueAirspeed});
    if (const auto* error = std::get_if<WindError>(&outcome)) {
        // No heading makes good the course, or every heading that holds the course line
        // loses ground along it.
        return fail(*error == WindError::CrosswindTooStrong
                        ? tr("Crosswind too strong for this airspeed!")
                        : tr("Wind too strong: drifting backwards!"),
                    m_ui->txtWindVel, OnField::FocusOnly);
    }
    const auto& result = std::get<WindResult>(outcome);
    if (result.Wca < 0) {
        m_ui->LblWCA->setText(caption(-result.Wca, Mask::D3_1, tr("° Left")));
    } else if (result.Wca > 0) {
        m_ui->LblWCA->setText(caption(result.Wca, Mask::D3_1, tr("° Right")));
    } else {
        m_ui->LblWCA->setText(caption(0, Mask::D3_1, tr("°")));
    }
    m_ui->LblTHeading->setText(caption(result.TrueHeading, Mask::D3_1, tr("°")));
    m_ui->LblGS->setText(caption(result.GroundSpeed, Mask::D4_1));
    return true;
}

}  // namespace aerolume
