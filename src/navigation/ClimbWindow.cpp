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

// An entry as its value, with a leading zero and no more digits than it has.
QString entry(double value) {
    return QString::number(value, 'g', 12);
}

}  // namespace

ClimbWindow::ClimbWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Climb & Descent")), m_ui(std::make_unique<Ui::ClimbForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResultsAndMessage(
        {m_ui->Label7, m_ui->Label8, m_ui->Label9, m_ui->Label10, m_ui->Label11},
        {m_ui->LblVS, m_ui->LblAngle, m_ui->LblGradient, m_ui->LblTime, m_ui->LblDist},
        m_ui->ErrorLbl);
    setEnterSound(EnterSound::Silent);
    setHelp(
        {tr("Starting Altitude and Target Altitude: where the climb or descent starts and ends, "
            "in feet, from -2000 to 60000. A target below the starting altitude makes it a "
            "descent."),
         tr("Ground Speed: your speed over the ground during the climb or descent, in knots, "
            "from 1 to 1000."),
         tr("Fill exactly one of the next three, leaving the other two empty: Vertical Speed in "
            "feet per minute (1 to 10000), Path Angle in degrees (0.1 to 30), or Gradient in feet "
            "per nautical mile over the ground (1 to 3500)."),
         tr("Compute! shows all three rates, the time the climb or descent takes (h:mm:ss) and "
            "the distance it covers over the ground (NM). Gradient = vertical speed × 60 / ground "
            "speed; path angle = arctan(gradient / 6076.12 ft per NM). A 3° path at 120 kt is "
            "318 ft/NM and 637 ft/min. A vertical speed or gradient that comes out beyond the "
            "range the window takes for it is not shown: the window says which entries to "
            "check.")});

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
    const auto from = readWithin(m_ui->txtFrom, -2000, 60000,
                                 tr("Enter a starting altitude from -2000 to 60000 ft!"));
    if (!from) {
        return false;
    }
    const auto to = readWithin(m_ui->txtTo, -2000, 60000,
                               tr("Enter a target altitude from -2000 to 60000 ft!"));
    if (!to) {
        return false;
    }
    const auto speed =
        readWithin(m_ui->txtGS, 1, 1000, tr("Enter a ground speed from 1 to 1000 kt!"));
    if (!speed) {
        return false;
    }
    const struct {
        QLineEdit* field;
        ClimbRate rate;
        double low;
        double high;
        QString message;
        QString unit;
    } rates[] = {
        {m_ui->txtVS, ClimbRate::VerticalSpeed, kClimbMinVerticalSpeed, kClimbMaxVerticalSpeed,
         tr("Enter a vertical speed from 1 to 10000 ft/min!"), tr(" ft/min")},
        {m_ui->txtAngle, ClimbRate::PathAngle, kClimbMinPathAngle, kClimbMaxPathAngle,
         tr("Enter a path angle from 0.1 to 30°!"), tr("°")},
        {m_ui->txtGradient, ClimbRate::Gradient, kClimbMinGradient, kClimbMaxGradient,
         tr("Enter a gradient from 1 to 3500 ft/NM!"), tr(" ft/NM")},
    };
    const auto* given = std::end(rates);
    for (const auto* r = std::begin(rates); r != std::end(rates); ++r) {
        if (isEmpty(r->field)) {
            continue;
        }
        if (given != std::end(rates)) {
            return fail(tr("Fill in only one of vertical speed, path angle and gradient!"),
                        r->field, OnField::SelectAndFocus);
        }
        given = r;
    }
    if (given == std::end(rates)) {
        return fail(tr("Fill in one of vertical speed, path angle and gradient!"), m_ui->txtVS,
                    OnField::SelectAndFocus);
    }
    const auto rate = readWithin(given->field, given->low, given->high, given->message);
    if (!rate) {
        return false;
    }
    if (*from == *to) {
        return fail(tr("The starting and target altitudes are the same!"), m_ui->txtTo,
                    OnField::SelectAndFocus);
    }
    const ClimbResult r = ComputeClimb({*from, *to, *speed, given->rate, *rate});
    const QString verticalSpeed = fixed(r.VerticalSpeed, 0, tr(" ft/min"));
    const QString gradient = fixed(r.Gradient, 0, tr(" ft/NM"));
    // The vertical speed and gradient are tied by the ground speed: where the one given
    // and the ground speed make the other a rate the window would refuse as an entry,
    // the entries are off. (The path angle and its gradient are tied by a fixed rule.)
    const QString givenRate = entry(*rate) + given->unit;
    const QString groundSpeed = entry(*speed) + tr(" kt");
    if (given->rate != ClimbRate::VerticalSpeed &&
        (r.VerticalSpeed < kClimbMinVerticalSpeed || r.VerticalSpeed > kClimbMaxVerticalSpeed)) {
        return fail(tr("The vertical speed for %1 at %2 is %3, outside the 1 to 10000 ft/min "
                       "this window takes: check the ground speed and the rate!")
                        .arg(givenRate, groundSpeed, verticalSpeed),
                    given->field, OnField::SelectAndFocus);
    }
    if (given->rate == ClimbRate::VerticalSpeed &&
        (r.Gradient < kClimbMinGradient || r.Gradient > kClimbMaxGradient)) {
        return fail(tr("The gradient for %1 at %2 is %3, outside the 1 to 3500 ft/NM this "
                       "window takes: check the ground speed and the vertical speed!")
                        .arg(givenRate, groundSpeed, gradient),
                    given->field, OnField::SelectAndFocus);
    }
    const QString way = r.Descent ? tr("descent") : tr("climb");
    m_ui->LblVS->setText(verticalSpeed);
    m_ui->LblAngle->setText(fixed(r.PathAngle, 1, tr("°")));
    m_ui->LblGradient->setText(gradient);
    m_ui->LblTime->setText(QString::fromStdString(formatDuration(r.TimeHours)) + QLatin1Char(' ') +
                           way);
    m_ui->LblDist->setText(fixed(r.DistanceNm, 1, tr(" NM ")) + way);
    return true;
}

}  // namespace aerolume
