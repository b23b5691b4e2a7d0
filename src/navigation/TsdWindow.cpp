// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsdWindow.h"

#include "TsdCore.h"
#include "common/Durations.h"
#include "shell/ClientArea.h"
#include "ui_TsdWindow.h"

namespace aerolume {

TsdWindow::TsdWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Time, Speed & Distance")),
      m_ui(std::make_unique<Ui::TsdForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResultsAndMessage({m_ui->Label4, m_ui->Label5, m_ui->Label6},
                         {m_ui->LblDist, m_ui->LblGS, m_ui->LblTime}, m_ui->ErrorLbl);
    setEnterSound(EnterSound::Silent);
    setHelp({tr("Fill in two of the three fields and leave the third empty: Compute! finds it "
                "from distance = ground speed × time, and shows all three. A result outside "
                "the range of its field is not shown: the window says which entries to check."),
             tr("Distance in nautical miles, from 0 to 20000 NM."),
             tr("Ground speed in knots, from 0 to 2000 kt."),
             tr("Time from 0:00:00 to 99:59:59 (h:mm:ss, h:mm or minutes); minutes may have "
                "decimals: 7.5 is 0:07:30.")});

    addField(m_ui->txtDist, kPointSlashDigits, m_ui->txtGS);
    addField(m_ui->txtGS, kPointSlashDigits, m_ui->txtTime);
    addLastField(m_ui->txtTime, kPointSlashDigitsColon, [this] { return compute(); });
    connect(m_ui->Command2, &QPushButton::clicked, this, &TsdWindow::Command2_Click);
    fitClientArea(this, 4800, 3450);
}

TsdWindow::~TsdWindow() = default;

void TsdWindow::Command2_Click() {
    compute();
}

bool TsdWindow::compute() {
    beginRun();
    if (!oneLeftEmpty({m_ui->txtDist, m_ui->txtGS, m_ui->txtTime})) {
        return false;
    }
    TsdInput input;
    if (!isEmpty(m_ui->txtDist) &&
        !(input.Distance = readWithin(m_ui->txtDist, 0, kTsdMaxDistance,
                                      tr("Enter a distance from 0 to 20000 NM!")))) {
        return false;
    }
    if (!isEmpty(m_ui->txtGS) &&
        !(input.GroundSpeed = readWithin(m_ui->txtGS, 0, kTsdMaxGroundSpeed,
                                         tr("Enter a ground speed from 0 to 2000 kt!")))) {
        return false;
    }
    if (!isEmpty(m_ui->txtTime) &&
        !(input.Hours = readHoursBelow(m_ui->txtTime, kTsdHoursBelow,
                                       tr("Enter a time from 0:00:00 to 99:59:59!")))) {
        return false;
    }
    const auto result = SolveTsd(input);
    if (!result) {
        // The unknown would come from a division by zero.
        return !input.Hours ? fail(tr("The time needs a ground speed above 0!"), m_ui->txtGS,
                                   OnField::SelectAndFocus)
                            : fail(tr("The ground speed needs a time above 0!"), m_ui->txtTime,
                                   OnField::SelectAndFocus);
    }
    const QString distance = QString::fromStdString(formatFixed(result->Distance, 1)) + tr(" NM");
    const QString speed = QString::fromStdString(formatFixed(result->GroundSpeed, 1)) + tr(" kt");
    const QString time = QString::fromStdString(formatDuration(result->Hours));
    // A result the window would refuse as an entry is no answer: the entries are off.
    if (!input.Distance && result->Distance > kTsdMaxDistance) {
        return fail(tr("The distance flown at %1 for %2 is %3, outside the 0 to 20000 NM this "
                       "window takes: check the ground speed and the time!")
                        .arg(speed, time, distance),
                    m_ui->txtTime, OnField::SelectAndFocus);
    }
    if (!input.GroundSpeed && result->GroundSpeed > kTsdMaxGroundSpeed) {
        return fail(tr("The ground speed to fly %1 in %2 is %3, outside the 0 to 2000 kt this "
                       "window takes: check the distance and the time!")
                        .arg(distance, time, speed),
                    m_ui->txtTime, OnField::SelectAndFocus);
    }
    if (!input.Hours && result->Hours >= kTsdHoursBelow) {
        return fail(tr("The time to fly %1 at %2 is %3, outside the 0:00:00 to 99:59:59 this "
                       "window takes: check the distance and the ground speed!")
                        .arg(distance, speed, time),
                    m_ui->txtGS, OnField::SelectAndFocus);
    }
    m_ui->LblDist->setText(distance);
    m_ui->LblGS->setText(speed);
    m_ui->LblTime->setText(time);
    return true;
}

}  // namespace aerolume
