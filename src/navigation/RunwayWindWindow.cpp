// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunwayWindWindow.h"

#include "RunwayWindCore.h"
#include "WindCaptions.h"
#include "shell/ClientArea.h"
#include "ui_RunwayWindWindow.h"

namespace aerolume {

RunwayWindWindow::RunwayWindWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Runway Wind")), m_ui(std::make_unique<Ui::RunwayWindForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResultsAndMessage(
        {m_ui->Label5, m_ui->Label6, m_ui->Label7, m_ui->Label8},
        {m_ui->LblHeadwind, m_ui->LblCrosswind, m_ui->LblGustHeadwind, m_ui->LblGustCrosswind},
        m_ui->ErrorLbl);
    setEnterSound(EnterSound::Silent);
    setHelp({tr("Splits the wind into its components on a runway: headwind = speed × cos(angle) "
                "and crosswind = speed × sin(angle), where angle = wind from − runway "
                "heading, in whole knots. A negative headwind is a tailwind."),
             tr("Runway number, 1 to 36: the runway's heading is ten times it (runway 27 is "
                "270°)."),
             tr("Wind from: the direction the wind blows from, in whole degrees, 0 to 360° (both "
                "north). Runway numbers are magnetic, as are the winds a tower or ATIS gives; "
                "winds in written reports are true."),
             tr("Wind speed in whole knots, 0 to 200 kt."),
             tr("Gust in whole knots, optional: wind speed to 200 kt, or empty. With a gust the "
                "window also shows its components from the same direction.")});

    addField(m_ui->txtRwy, kDigits, m_ui->txtWindDir);
    addField(m_ui->txtWindDir, kDigits, m_ui->txtWindSpeed);
    addField(m_ui->txtWindSpeed, kDigits, m_ui->txtGust);
    addLastField(m_ui->txtGust, kDigits, [this] { return compute(); });
    connect(m_ui->Command2, &QPushButton::clicked, this, &RunwayWindWindow::Command2_Click);
    fitClientArea(this, 5175, 4260);
}

RunwayWindWindow::~RunwayWindWindow() = default;

void RunwayWindWindow::Command2_Click() {
    compute();
}

bool RunwayWindWindow::compute() {
    beginRun();
    const auto runway = readWithin(m_ui->txtRwy, 1, 36, tr("Enter a runway number from 1 to 36!"));
    if (!runway) {
        return false;
    }
    const auto direction =
        readWithin(m_ui->txtWindDir, 0, 360, tr("Enter where the wind is from, 0 to 360°!"));
    if (!direction) {
        return false;
    }
    const auto speed =
        readWithin(m_ui->txtWindSpeed, 0, 200, tr("Enter a wind speed from 0 to 200 kt!"));
    if (!speed) {
        return false;
    }
    std::optional<double> gust;
    if (!isEmpty(m_ui->txtGust) &&
        !(gust = readWithin(m_ui->txtGust, *speed, 200,
                            tr("Enter a gust from the wind speed to 200 kt!")))) {
        return false;
    }
    const RunwayWindResult wind = RunwayWind({static_cast<int>(*runway), *direction, *speed, gust});
    m_ui->LblHeadwind->setText(headwindCaption(wind.Steady.Headwind));
    m_ui->LblCrosswind->setText(crosswindCaption(wind.Steady.Crosswind));
    m_ui->LblGustHeadwind->setText(wind.Gust ? headwindCaption(wind.Gust->Headwind) : QString());
    m_ui->LblGustCrosswind->setText(wind.Gust ? crosswindCaption(wind.Gust->Crosswind) : QString());
    return true;
}

}  // namespace aerolume
