// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsdWindow.h"

#include "EntryChecks.h"
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
    setResults({m_ui->Label4, m_ui->Label5, m_ui->Label6},
               {m_ui->LblDist, m_ui->LblGS, m_ui->LblTime}, m_ui->ErrorLbl, 10, true);
    setHelp({tr("   Fill in two of the three fields and leave the third empty: Compute! finds it "
                "from distance = ground speed × time, and shows all three."),
             tr("   Distance in nautical miles, from 0 to 20000 NM."),
             tr("   Ground speed in knots, from 0 to 2000 kt."),
             tr("   Time from 0:00:00 to 99:59:59 (h:mm:ss, h:mm or minutes); minutes may have "
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
    if (!isEmpty(m_ui->txtDist) && !(input.Distance = numberIn(m_ui->txtDist, 0, 20000))) {
        return fail(tr("Enter a distance from 0 to 20000 NM!"), m_ui->txtDist,
                    OnField::SelectAndFocus);
    }
    if (!isEmpty(m_ui->txtGS) && !(input.GroundSpeed = numberIn(m_ui->txtGS, 0, 2000))) {
        return fail(tr("Enter a ground speed from 0 to 2000 kt!"), m_ui->txtGS,
                    OnField::SelectAndFocus);
    }
    if (!isEmpty(m_ui->txtTime) && !(input.Hours = hoursBelow(m_ui->txtTime, 100))) {
        return fail(tr("Enter a time up to 99:59:59!"), m_ui->txtTime, OnField::SelectAndFocus);
    }
    const auto result = SolveTsd(input);
    if (!result) {
        // The unknown would come from a division by zero.
        return !input.Hours ? fail(tr("The time needs a ground speed above 0!"), m_ui->txtGS,
                                   OnField::SelectAndFocus)
                            : fail(tr("The ground speed needs a time above 0!"), m_ui->txtTime,
                                   OnField::SelectAndFocus);
    }
    m_ui->LblDist->setText(QString::fromStdString(formatFixed(result->Distance, 1)) + tr(" NM"));
    m_ui->LblGS->setText(QString::fromStdString(formatFixed(result->GroundSpeed, 1)) + tr(" kt"));
    m_ui->LblTime->setText(QString::fromStdString(formatDuration(result->Hours)));
    return true;
}

}  // namespace aerolume
