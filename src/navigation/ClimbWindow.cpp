// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClimbWindow.h"

#include "ClimbCore.h"
#include "common/Durations.h"
#include "shell/ClientArea.h"
#include "ui_ClimbWindow.h"

namespace aerolume {

namespace {

QString fixed(double value, int decimals, const QString& unit) {
    return QString::fromStdString(formatFixed(value, decimals)) + unit;
}

}  // namespace

ClimbWindow::ClimbWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Climb & Descent")), m_ui(std::make_unique<Ui::ClimbForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResults({m_ui->Label7, m_ui->Label8, m_ui->Label9, m_ui->Label10, m_ui->Label11},
               {m_ui->LblVS, m_ui->LblAngle, m_ui->LblGradient, m_ui->LblTime, m_ui->LblDist},
               m_ui->ErrorLbl);
    setHelp(
        {tr("From Altitude and To Altitude: where the climb or descent starts and ends, in feet, "
            "from -2000 to 60000. A To Altitude below the From Altitude makes it a descent."),
         tr("Ground Speed: your speed over the ground during the climb or descent, in knots, "
            "from 1 to 1000."),
         tr("Fill exactly one of the next three, leaving the other two empty: Vertical Speed in "
            "feet per minute (1 to 10000), Path Angle in degrees (0.1 to 30), or Gradient in feet "
            "per nautical mile over the ground (1 to 3500)."),
         tr("Compute! shows all three rates, the time the climb or descent takes (h:mm:ss) and "
            "the distance it covers over the ground (NM). Gradient = vertical speed × 60 / ground "
            "speed; path angle = arctan(gradient / 6076.12 ft per NM). A 3° path at 120 kt is "
            "318 ft/NM and 637 ft/min.")});

    addField(m_ui->txtFrom, kMinusPointSlashDigits, m_ui->txtTo);
    addField(m_ui->txtTo, kMinusPointSlashDigits, m_ui->txtGS);
    addField(m_ui->txtGS, kPointSlashDigits, m_ui->txtVS);
    addField(m_ui->txtVS, kPointSlashDigits, m_ui->txtAngle);
    addField(m_ui->txtAngle, kPointSlashDigits, m_ui->txtGradient);
    addLastField(m_ui->txtGradient, kPointSlashDigits, [this] { return compute(); });
    connect(m_ui->Command2, &QPushButton::clicked, this, &ClimbWindow::Command2_Click);
    fitClientArea(this, 4200, 6000);
}

ClimbWindow::~ClimbWindow() = default;

void ClimbWindow::Command2_Click() {
    compute();
}

bool ClimbWindow::compute() {
    beginRun();
    const auto from = readInRange(m_ui->txtFrom, -2000, 60000, tr("starting altitude"));
    if (!from) {
        return false;
    }
    const auto to = readInRange(m_ui->txtTo, -2000, 60000, tr("target altitude"));
    if (!to) {
        return false;
    }
    const auto speed = readInRange(m_ui->txtGS, 1, 1000, tr("ground speed"));
    if (!speed) {
        return false;
    }
    const struct {
        QLineEdit* field;
        ClimbRate rate;
        double low;
        double high;
        QString what;
    } rates[] = {
        {m_ui->txtVS, ClimbRate::VerticalSpeed, 1, 10000, tr("vertical speed")},
        {m_ui->txtAngle, ClimbRate::PathAngle, 0.1, 30, tr("path angle")},
        {m_ui->txtGradient, ClimbRate::Gradient, 1, 3500, tr("gradient")},
    };
    const auto* given = std::end(rates);
    for (const auto* r = std::begin(rates); r != std::end(rates); ++r) {
        if (isEmpty(r->field)) {
            continue;
        }
        if (given != std::end(rates)) {
            return fail(tr("Fill only one of vertical speed, path angle and gradient!"), r->field,
                        OnField::SelectAndFocus);
        }
        given = r;
    }
    if (given == std::end(rates)) {
        return fail(tr("Fill one of vertical speed, path angle and gradient!"), m_ui->txtVS,
                    OnField::SelectAndFocus);
    }
    const auto rate = readInRange(given->field, given->low, given->high, given->what);
    if (!rate) {
        return false;
    }
    if (*from == *to) {
        return fail(tr("The starting and target altitudes are the same!"), m_ui->txtTo,
                    OnField::SelectAndFocus);
    }
    const ClimbResult r = ComputeClimb({*from, *to, *speed, given->rate, *rate});
    const QString way = r.Descent ? tr("descent") : tr("climb");
    m_ui->LblVS->setText(fixed(r.VerticalSpeed, 0, tr(" ft/min")));
    m_ui->LblAngle->setText(fixed(r.PathAngle, 1, tr("°")));
    m_ui->LblGradient->setText(fixed(r.Gradient, 0, tr(" ft/NM")));
    m_ui->LblTime->setText(QString::fromStdString(formatDuration(r.TimeHours)) + QLatin1Char(' ') +
                           way);
    m_ui->LblDist->setText(fixed(r.DistanceNm, 1, tr(" NM ")) + way);
    return true;
}

}  // namespace aerolume
