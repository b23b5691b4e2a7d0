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

RunwayWindWindow::WindReading RunwayWindWindow::readWind(QLineEdit* direction, QLineEdit* speed,
                                                         QLineEdit* gust) {
    const auto within = [](const QLineEdit* field, double low,
                           double high) -> std::optional<double> {
        const std::optional<double> value = strictValue(field);
        return value && *value >= low && *value <= high ? value : std::nullopt;
    };
    WindEntry entry;
    if (const auto from = within(direction, 0, 360)) {
        entry.direction = *from;
    } else {
        return {std::nullopt, direction, tr("Enter where the wind is from, 0 to 360°!")};
    }
    if (const auto knots = within(speed, 0, 200)) {
        entry.speed = *knots;
    } else {
        return {std::nullopt, speed, tr("Enter a wind speed from 0 to 200 kt!")};
    }
    if (!isEmpty(gust) && !(entry.gust = within(gust, entry.speed, 200))) {
        return {std::nullopt, gust, tr("Enter a gust from the wind speed to 200 kt!")};
    }
    return {entry, nullptr, {}};
}

void RunwayWindWindow::Command2_Click() {
    compute();
}

bool RunwayWindWindow::compute() {
    beginRun();
    const auto runway = readWithin(m_ui->txtRwy, 1, 36, tr("Enter a runway number from 1 to 36!"));
    if (!runway) {
        return false;
    }
    const WindReading reading = readWind(m_ui->txtWindDir, m_ui->txtWindSpeed, m_ui->txtGust);
    if (!reading.wind) {
        return fail(reading.message, reading.field, OnField::SelectAndFocus);
    }
    const WindEntry& entry = *reading.wind;
    const RunwayWindResult wind =
        RunwayWind({static_cast<int>(*runway), entry.direction, entry.speed, entry.gust});
    m_ui->LblHeadwind->setText(headwindCaption(wind.Steady.Headwind));
    m_ui->LblCrosswind->setText(crosswindCaption(wind.Steady.Crosswind));
    m_ui->LblGustHeadwind->setText(wind.Gust ? headwindCaption(wind.Gust->Headwind) : QString());
    m_ui->LblGustCrosswind->setText(wind.Gust ? crosswindCaption(wind.Gust->Crosswind) : QString());
    return true;
}

}  // namespace aerolume
