// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindWindWindow.h"

#include "FindWindCore.h"
#include "WindCaptions.h"
#include "shell/ClientArea.h"
#include "ui_FindWindWindow.h"

namespace aerolume {

FindWindWindow::FindWindWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Wind from Ground Speed")),
      m_ui(std::make_unique<Ui::FindWindForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResultsAndMessage(
        {m_ui->Label5, m_ui->Label6, m_ui->Label7, m_ui->Label8},
        {m_ui->LblWindDir, m_ui->LblWindSpeed, m_ui->LblHeadwind, m_ui->LblCrosswind},
        m_ui->ErrorLbl);
    setEnterSound(EnterSound::Silent);
    setHelp(
        {tr("Finds the wind from what the aircraft flew through the air (true heading and "
            "true airspeed) and what it made good over the ground (true course and ground "
            "speed, as from a GPS or two fixes): the wind is the ground vector minus the air "
            "vector."),
         tr("True heading in whole degrees, 0 to 360° (both north)."),
         tr("True airspeed in knots, 1 to 1000 kt."),
         tr("True course, the track made good, in whole degrees, 0 to 360° (both north)."),
         tr("Ground speed in knots, 0 to 1500 kt."),
         tr("Results: the direction the wind blows from (true, north is 360°; calm below "
            "half a knot), its speed, and its components along the track: head- or "
            "tailwind, and the crosswind with the side it comes from, in whole knots. A wind above "
            "200 kt is not shown: the entries are off.")});

    addField(m_ui->txtTH, kDigits, m_ui->txtTAS);
    addField(m_ui->txtTAS, kPointSlashDigits, m_ui->txtTC);
    addField(m_ui->txtTC, kDigits, m_ui->txtGS);
    addLastField(m_ui->txtGS, kPointSlashDigits, [this] { return compute(); });
    connect(m_ui->Command2, &QPushButton::clicked, this, &FindWindWindow::Command2_Click);
    fitClientArea(this, 4800, 4290);
}

FindWindWindow::~FindWindWindow() = default;

void FindWindWindow::Command2_Click() {
    compute();
}

bool FindWindWindow::compute() {
    beginRun();
    const auto heading =
        readWithin(m_ui->txtTH, 0, 360, tr("Enter a true heading from 0 to 360°!"));
    if (!heading) {
        return false;
    }
    const auto airspeed =
        readWithin(m_ui->txtTAS, 1, 1000, tr("Enter a true airspeed from 1 to 1000 kt!"));
    if (!airspeed) {
        return false;
    }
    const auto course = readWithin(m_ui->txtTC, 0, 360, tr("Enter a true course from 0 to 360°!"));
    if (!course) {
        return false;
    }
    const auto groundSpeed =
        readWithin(m_ui->txtGS, 0, 1500, tr("Enter a ground speed from 0 to 1500 kt!"));
    if (!groundSpeed) {
        return false;
    }
    const FindWindResult wind = FindWind({*heading, *airspeed, *course, *groundSpeed});
    if (wind.Speed > kFindWindMaxSpeed) {
        return fail(tr("These entries give a wind of %1, outside the 0 to 200 kt this program "
                       "takes: check the headings and the speeds!")
                        .arg(knotsCaption(wind.Speed)),
                    m_ui->txtGS, OnField::SelectAndFocus);
    }
    m_ui->LblWindDir->setText(windFromCaption(wind.Direction, wind.Speed));
    m_ui->LblWindSpeed->setText(knotsCaption(wind.Speed));
    m_ui->LblHeadwind->setText(headwindCaption(wind.AlongTrack.Headwind));
    m_ui->LblCrosswind->setText(crosswindCaption(wind.AlongTrack.Crosswind));
    return true;
}

}  // namespace aerolume
