// SPDX-License-Identifier: GPL-3.0-or-later
#include "PPNavWindow.h"

#include "PressurePatternCore.h"
#include "shell/ClientArea.h"
#include "ui_PPNavWindow.h"

namespace aerolume {
namespace {

// A field's number when its text is a well-formed number within [low, high].
std::optional<double> inRange(std::optional<double> value, double low, double high) {
    if (value && *value >= low && *value <= high) {
        return value;
    }
    return std::nullopt;
}

}  // namespace

PPNavWindow::PPNavWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Pressure Pattern Navigation"), QStringLiteral("mnuClose"),
                       QStringLiteral("mnuXXX")),
      m_ui(std::make_unique<Ui::PPNavForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResults({m_ui->Label5, m_ui->Label7}, {m_ui->Drift, m_ui->WindCA}, m_ui->lblError, 12, true);
    setHelp({tr("Pressure pattern navigation computes the net amount of drift one encounters "
                "while flying. It is a useful tool (for longer trips) for calculating the 'MTR' or "
                "minimum time route.  The 'Drift' solution is the distance off course (left or "
                "right) you would be after flying to your destination without wind correction. "
                "The 'WCA' can be applied to your course throughout the trip to minimize time en "
                "route. An exhaustive explanation of it's principles will not be given in this "
                "help file; books such as 'The Proficient Pilot' (By Captain Penhallow) discuss "
                "the principles in detail."),
             tr("Enter the barometric pressure, in inches of Mercury, at the cruising altitude "
                "above your departure point and for the destination pressure aloft. Valid values "
                "range from 1 to 35 inches HG. Enter your cruising KTAS, valid values range from "
                "10 to 1000 knots. Enter the average latitude along your route, valid values are "
                "from 10 to 80 degrees north latitude (solutions for the southern hemisphere will "
                "be reversed due to the coriolis effect).")});

    // P1_KeyPress ... Dist_KeyPress
    addField(m_ui->P1, kPointSlashDigits, m_ui->P2);
    addField(m_ui->P2, kPointSlashDigits, m_ui->Lat);
    addField(m_ui->Lat, kPointSlashDigits, m_ui->TAS);
    addField(m_ui->TAS, kDigits, m_ui->Dist);
    addLastField(m_ui->Dist, kDigits, [this] { return compute(); });

    connect(m_ui->Command2, &QPushButton::clicked, this, &PPNavWindow::Command2_Click);
    fitClientArea(this, 3900, 3900);
}

PPNavWindow::~PPNavWindow() = default;

void PPNavWindow::Command2_Click() {
    compute();
}

bool PPNavWindow::compute() {
    beginRun();
    // An empty field is focused and keeps its (empty) text.
    const struct {
        QLineEdit* field;
        QString message;
    } required[] = {{m_ui->P1, tr("Invalid Pressure!")},
                    {m_ui->P2, tr("Invalid Pressure!")},
                    {m_ui->Lat, tr("Invalid Latitude!")},
                    {m_ui->TAS, tr("Invalid True Airspeed!")},
                    {m_ui->Dist, tr("Invalid Distance!")}};
    for (const auto& r : required) {
        if (isEmpty(r.field)) {
            return fail(r.message, r.field, OnField::FocusOnly);
        }
    }
    // A field out of range, or whose text is not a number at all ("." or "3/4"), is
    // cleared and focused. The airspeed is checked before the latitude.
    const auto p1 = inRange(strictValue(m_ui->P1), 1, 35);
    if (!p1) {
        return fail(tr("Invalid Pressure!"), m_ui->P1);
    }
    const auto p2 = inRange(strictValue(m_ui->P2), 1, 35);
    if (!p2) {
        return fail(tr("Invalid Pressure!"), m_ui->P2);
    }
    const auto tas = inRange(strictValue(m_ui->TAS), 10, 1000);
    if (!tas) {
        return fail(tr("Invalid TAS!"), m_ui->TAS);
    }
    const auto lat = inRange(strictValue(m_ui->Lat), 10, 80);
    if (!lat) {
        return fail(tr("Invalid Latitude!"), m_ui->Lat);
    }
    const auto dist = inRange(strictValue(m_ui->Dist), 1, 25000);
    if (!dist) {
        return fail(tr("Invalid Distance!"), m_ui->Dist);
    }

    const PressurePatternResult result = ComputePressurePattern({*p1, *p2, *lat, *tas, *dist});
    // The magnitude is shown, with the drift's side and the opposite side for the correction.
    if (*p2 > *p1) {
        m_ui->Drift->setText(caption(result.Drift, Mask::Fixed, tr(" NM Left")));
        m_ui->WindCA->setText(caption(result.Wca, Mask::Fixed, tr("° Right")));
    } else if (*p2 == *p1) {
        m_ui->Drift->setText(tr("0 NM"));
        m_ui->WindCA->setText(tr("0°"));
    } else {
        m_ui->Drift->setText(caption(-result.Drift, Mask::Fixed, tr(" NM Right")));
        m_ui->WindCA->setText(caption(-result.Wca, Mask::Fixed, tr("° Left")));
    }
    return true;
}

}  // namespace aerolume
