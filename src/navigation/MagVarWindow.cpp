// SPDX-License-Identifier: GPL-3.0-or-later
#include "MagVarWindow.h"

#include <QDate>
#include <QRegularExpression>
#include <cmath>

#include "MagneticModel.h"
#include "shell/ClientArea.h"
#include "ui_MagVarWindow.h"

namespace aerolume {
namespace {

constexpr double kMinAltitudeFeet = -1500;
constexpr double kMaxAltitudeFeet = 60000;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;

QString fixed(double value, int decimals) {
    return QString::fromStdString(formatFixed(value, decimals));
}

// An angle with its side: "12.3° E" for `value` > 0, "4.5° W" for `value` < 0, and
// "0.0°" with no side when it rounds to zero. `pattern` places the number (%1) and the
// side (%2).
QString sided(double value, const QString& pattern, const QString& zero, const QString& positive,
              const QString& negative) {
    const QString number = fixed(std::abs(value), 1);
    if (number == fixed(0, 1)) {
        return zero.arg(number);
    }
    return pattern.arg(number, value > 0 ? positive : negative);
}

}  // namespace

MagVarWindow::MagVarWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Magnetic Variation")),
      m_ui(std::make_unique<Ui::MagVarForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResultsAndMessage(
        {m_ui->Label9, m_ui->Label10, m_ui->Label11, m_ui->Label12, m_ui->Label13},
        {m_ui->LblVar, m_ui->LblIncl, m_ui->LblTotal, m_ui->LblHoriz, m_ui->LblChange},
        m_ui->ErrorLbl);
    setEnterSound(EnterSound::Silent);
    // The warning below the results keeps its room while hidden, so nothing moves.
    QSizePolicy policy = m_ui->LblWarning->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_ui->LblWarning->setSizePolicy(policy);
    styleMessageLabel(m_ui->LblWarning);
    m_ui->LblWarning->hide();
    setHelp(
        {tr("Type the latitude and the longitude as degrees, minutes and seconds and choose "
            "their hemispheres, or type decimal degrees in the degrees field and leave the "
            "minutes and seconds blank. A blank field counts as 0. Latitudes run from 0 to 90 "
            "degrees, longitudes from 0 to 180; minutes and seconds from 0 to under 60."),
         tr("Type the altitude in feet, from -1500 to 60000 (blank is sea level), and the "
            "flight's date as YYYY-MM-DD; today's date is filled in. Dates from 1900 to 2100 "
            "are taken. Enter in a field moves to the next one; in the date it computes."),
         tr("The values come from the World Magnetic Model 2025 of NOAA and the British "
            "Geological Survey, built into the program. The variation is east or west of true "
            "north: subtract an east variation from a true heading to get the magnetic heading, "
            "add a west one. The inclination is the dip of the field below (down) or above (up) "
            "the horizon; the intensities are in nanotesla; the yearly change tells how many "
            "minutes of arc the variation moves each year, and which way."),
         tr("The model is made for 2025 to 2029. For other dates it is extrapolated and the "
            "window says so. Near the magnetic poles the horizontal field is weak: below "
            "6000 nT the compass is unreliable and the window warns; below 2000 nT the compass "
            "is useless and no variation is given. Local anomalies and the aircraft's own "
            "compass deviation are not included.")});

    // txtLatDeg_KeyPress ... txtDate_KeyPress: Enter moves along the fields, skipping the
    // option buttons. The angles take "." "/" and digits; the altitude a minus sign too;
    // the date takes "-" (or "." or "/") between its parts.
    QLineEdit* const angles[] = {m_ui->txtLatDeg,  m_ui->txtLatMin,  m_ui->txtLatSec,
                                 m_ui->txtLongDeg, m_ui->txtLongMin, m_ui->txtLongSec};
    for (std::size_t i = 0; i + 1 < std::size(angles); ++i) {
        addField(angles[i], kPointSlashDigits, angles[i + 1]);
    }
    addField(m_ui->txtLongSec, kPointSlashDigits, m_ui->txtAlt);
    addField(m_ui->txtAlt, kMinusPointSlashDigits, m_ui->txtDate);
    addLastField(m_ui->txtDate, kMinusPointSlashDigits, [this] { return compute(); });

    m_ui->txtDate->setText(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    connect(m_ui->Command2, &QPushButton::clicked, this, &MagVarWindow::Command2_Click);
    m_ui->txtLatDeg->setFocus(Qt::OtherFocusReason);
    fitClientArea(this, 6600, 3900);
}

MagVarWindow::~MagVarWindow() = default;

void MagVarWindow::Command2_Click() {
    compute();
}

std::optional<double> MagVarWindow::readAngle(const Angle& angle, double limit,
                                              const QString& message) {
    const struct {
        QLineEdit* field;
        double scale;
        double below;  // each part must stay below this
    } parts[] = {{angle.degrees, 1, limit + 1}, {angle.minutes, 60, 60}, {angle.seconds, 3600, 60}};
    double total = 0;
    for (const auto& part : parts) {
        if (isEmpty(part.field)) {
            continue;
        }
        const auto value = strictValue(part.field);
        if (!value || *value < 0 || *value >= part.below) {
            fail(message, part.field, OnField::SelectAndFocus);
            return std::nullopt;
        }
        total += *value / part.scale;
    }
    if (total > limit) {
        fail(message, angle.degrees, OnField::SelectAndFocus);
        return std::nullopt;
    }
    return total;
}

bool MagVarWindow::compute() {
    beginRun();
    m_ui->LblWarning->hide();

    const auto latitude =
        readAngle({m_ui->txtLatDeg, m_ui->txtLatMin, m_ui->txtLatSec}, 90,
                  tr("Enter a latitude from 0 to 90°, its minutes and seconds below 60!"));
    if (!latitude) {
        return false;
    }
    const auto longitude = readAngle({m_ui->txtLongDeg, m_ui->txtLongMin, m_ui->txtLongSec}, 180,
                                     tr("Enter a longitude from 0 to 180°, its minutes and "
                                        "seconds below 60!"));
    if (!longitude) {
        return false;
    }
    const auto altitude = isEmpty(m_ui->txtAlt) ? 0.0 : strictValue(m_ui->txtAlt);
    if (!altitude || *altitude < kMinAltitudeFeet || *altitude > kMaxAltitudeFeet) {
        return fail(tr("Enter an altitude from -1500 to 60000 ft, or none for sea level!"),
                    m_ui->txtAlt, OnField::SelectAndFocus);
    }
    // Year, month and day, apart by "-", "." or "/".
    static const QRegularExpression datePattern(
        QStringLiteral("^(\\d{4})[-./](\\d{1,2})[-./](\\d{1,2})$"));
    const QRegularExpressionMatch date = datePattern.match(m_ui->txtDate->text());
    const int year = date.hasMatch() ? date.captured(1).toInt() : 0;
    const auto decimalYear =
        date.hasMatch() && year >= kFirstYear && year <= kLastYear
            ? DecimalYear(year, date.captured(2).toInt(), date.captured(3).toInt())
            : std::nullopt;
    if (!decimalYear) {
        return fail(tr("Enter a date from 1900-01-01 to 2100-12-31 as YYYY-MM-DD!"), m_ui->txtDate,
                    OnField::SelectAndFocus);
    }

    const double lat = m_ui->optS->isChecked() ? -*latitude : *latitude;
    const double lon = m_ui->optW->isChecked() ? -*longitude : *longitude;
    const auto result = MagneticVariationAt(lat, lon, *altitude, *decimalYear);
    if (!result) {
        return fail(tr("The model gives no magnetic field for this position!"), m_ui->txtLatDeg,
                    OnField::SelectAndFocus);
    }
    const GeomagneticField& b = result->Field;

    QStringList warnings;
    if (result->Declination()) {
        m_ui->LblVar->setText(sided(b.Declination, tr("%1° %2"), tr("%1°"), tr("E"), tr("W")));
        m_ui->LblChange->setText(sided(b.DeclinationChange * 60, tr("%1′ %2 per year"),
                                       tr("%1′ per year"), tr("E"), tr("W")));
    } else {
        m_ui->LblVar->setText(tr("none"));
        m_ui->LblChange->setText(tr("none"));
        warnings << tr(
            "The horizontal field here is below 2000 nT: the compass is useless "
            "and the variation has no meaning.");
    }
    if (result->Zone == MagneticZone::Caution) {
        warnings << tr(
            "The horizontal field here is below 6000 nT: the compass and the "
            "variation are unreliable.");
    }
    if (result->OutsideValidity) {
        warnings << tr(
            "The model is made for 2025 to 2029: for this date its values are "
            "extrapolated and may be wrong.");
    }
    m_ui->LblIncl->setText(sided(b.Inclination, tr("%1° %2"), tr("%1°"), tr("down"), tr("up")));
    m_ui->LblTotal->setText(fixed(b.Total, 0) + tr(" nT"));
    m_ui->LblHoriz->setText(fixed(b.Horizontal, 0) + tr(" nT"));
    if (!warnings.isEmpty()) {
        m_ui->LblWarning->setText(warnings.join(QLatin1Char('\n')));
        m_ui->LblWarning->setAccessibleName(m_ui->LblWarning->text());
        m_ui->LblWarning->show();
    }
    refitClientArea(this);
    return true;
}

}  // namespace aerolume
