// SPDX-License-Identifier: GPL-3.0-or-later
#include "LatLongWindow.h"

#include <limits>

#include "RoutesCore.h"
#include "common/StoredEntries.h"
#include "platform/SettingsStore.h"
#include "shell/ClientArea.h"
#include "ui_LatLongWindow.h"

namespace aerolume {
namespace {

const QString kApplication = QString::fromLatin1(stored::kApplication);
const QString kSection = QString::fromLatin1(stored::latlong::kSection);

}  // namespace

LatLongWindow::LatLongWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Latitude/Longitude Navigation")),
      m_ui(std::make_unique<Ui::LatLongForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResults({m_ui->Label13, m_ui->Label14, m_ui->Label15, m_ui->Label18},
               {m_ui->Dist, m_ui->TC, m_ui->RTC, m_ui->RDist}, m_ui->ErrorLbl, 12, true);
    // The error label lies over the middle of the result table. Both keep their room
    // while hidden, so nothing else on the window moves when one replaces the other.
    for (QLabel* label : {m_ui->Label13, m_ui->Label14, m_ui->Label15, m_ui->Label18, m_ui->Dist,
                          m_ui->TC, m_ui->RTC, m_ui->RDist, m_ui->ErrorLbl}) {
        QSizePolicy policy = label->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        label->setSizePolicy(policy);
    }
    setHelp({tr("Enter Lat/Long of the departure point, and destination. Valid latitude values are "
                "from 0 to 89 degrees, as anything above will result in an 'Illegal function "
                "call' in the program (Note: If you approach either pole using minutes/seconds, "
                "you may crash the program!) Valid longitude values are from 0 to 180. Degree, "
                "minute, and second values can be entered with decimals if desired; blank fields "
                "are treated as zero."),
             tr("Terminology: A 'Great Circle' route could be thought of as a plane drawn through "
                "a globe. A 'Rhumb Line' is a stright line drawn over a flat map. A great circle "
                "route's true course changes as the flight or voyage progresses, as opposed to a "
                "rhumb line whose true course remains constant.")});

    // txtDepLatDeg_KeyPress ... txtDestLongSec_KeyPress: Enter moves along the fields,
    // skipping the option buttons; "." "/" and the digits pass.
    QLineEdit* const chain[] = {m_ui->txtDepLatDeg,   m_ui->txtDepLatMin,   m_ui->txtDepLatSec,
                                m_ui->txtDepLongDeg,  m_ui->txtDepLongMin,  m_ui->txtDepLongSec,
                                m_ui->txtDestLatDeg,  m_ui->txtDestLatMin,  m_ui->txtDestLatSec,
                                m_ui->txtDestLongDeg, m_ui->txtDestLongMin, m_ui->txtDestLongSec};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i) {
        addField(chain[i], kPointSlashDigits, chain[i + 1]);
    }
    addLastField(m_ui->txtDestLongSec, kPointSlashDigits, [this] { return compute(); });

    connect(m_ui->Command2, &QPushButton::clicked, this, &LatLongWindow::Command2_Click);
    Form_Load();
    m_ui->txtDepLatDeg->setFocus(Qt::OtherFocusReason);
    fitClientArea(this, 6600, 4800);
}

LatLongWindow::~LatLongWindow() = default;

void LatLongWindow::Form_Load() {
    // In the order the entries are kept; a missing entry (or store) reads as blank.
    const std::pair<const char*, QLineEdit*> entries[] = {
        {stored::latlong::kDepLatDeg, m_ui->txtDepLatDeg},
        {stored::latlong::kDepLatMin, m_ui->txtDepLatMin},
        {stored::latlong::kDepLongDeg, m_ui->txtDepLongDeg},
        {stored::latlong::kDepLongMin, m_ui->txtDepLongMin},
        {stored::latlong::kDepLatSec, m_ui->txtDepLatSec},
        {stored::latlong::kDepLongSec, m_ui->txtDepLongSec}};
    for (const auto& [key, field] : entries) {
        field->setText(platform::readSetting(kApplication, kSection, QString::fromLatin1(key)));
    }
}

void LatLongWindow::Form_Unload() {
    const QList<QPair<QString, QString>> entries = {
        {QString::fromLatin1(stored::latlong::kDepLatDeg), m_ui->txtDepLatDeg->text()},
        {QString::fromLatin1(stored::latlong::kDepLatMin), m_ui->txtDepLatMin->text()},
        {QString::fromLatin1(stored::latlong::kDepLongDeg), m_ui->txtDepLongDeg->text()},
        {QString::fromLatin1(stored::latlong::kDepLongMin), m_ui->txtDepLongMin->text()},
        {QString::fromLatin1(stored::latlong::kDepLatSec), m_ui->txtDepLatSec->text()},
        {QString::fromLatin1(stored::latlong::kDepLongSec), m_ui->txtDepLongSec->text()}};
    if (!platform::writeSettings(kApplication, kSection, entries)) {
        // The window is closing and has nowhere left to show it.
        qWarning("The departure point could not be saved in the settings store.");
    }
}

void LatLongWindow::Command2_Click() {
    compute();
}

std::optional<double> LatLongWindow::reading(const QLineEdit* field) {
    if (isEmpty(field)) {
        return 0.0;
    }
    // The fields take no minus sign; a stored entry that has one is no valid entry.
    const auto value = strictValue(field);
    if (value && *value < 0) {
        return std::nullopt;
    }
    return value;
}

bool LatLongWindow::compute() {
    beginRun();

    const auto showError = [this](RouteError error) {
        QLineEdit* field = nullptr;
        switch (RouteErrorField(error)) {
            case RouteField::DepLatDeg:
                field = m_ui->txtDepLatDeg;
                break;
            case RouteField::DepLongDeg:
                field = m_ui->txtDepLongDeg;
                break;
            case RouteField::DestLatDeg:
                field = m_ui->txtDestLatDeg;
                break;
            case RouteField::DestLongDeg:
                field = m_ui->txtDestLongDeg;
                break;
            case RouteField::None:
                break;
        }
        return fail(tr(RouteErrorMessage(error)), field, OnField::FocusOnly);
    };

    const struct {
        QLineEdit* field;
        double RouteInput::*value;
        RouteError invalid;
    } degrees[] =
        {{m_ui->txtDepLatDeg, &RouteInput::DepLatDeg, RouteError::InvalidDepartureLatitude},
         {m_ui->txtDepLongDeg, &RouteInput::DepLongDeg, RouteError::InvalidDepartureLongitude},
         {m_ui->txtDestLatDeg, &RouteInput::DestLatDeg, RouteError::InvalidDestinationLatitude},
         {m_ui->txtDestLongDeg, &RouteInput::DestLongDeg, RouteError::InvalidDestinationLongitude}},
      minutesAndSeconds[] = {
          {m_ui->txtDepLatMin, &RouteInput::DepLatMin, RouteError::InvalidDepartureLatitude},
          {m_ui->txtDepLatSec, &RouteInput::DepLatSec, RouteError::InvalidDepartureLatitude},
          {m_ui->txtDepLongMin, &RouteInput::DepLongMin, RouteError::InvalidDepartureLongitude},
          {m_ui->txtDepLongSec, &RouteInput::DepLongSec, RouteError::InvalidDepartureLongitude},
          {m_ui->txtDestLatMin, &RouteInput::DestLatMin, RouteError::InvalidDestinationLatitude},
          {m_ui->txtDestLatSec, &RouteInput::DestLatSec, RouteError::InvalidDestinationLatitude},
          {m_ui->txtDestLongMin, &RouteInput::DestLongMin, RouteError::InvalidDestinationLongitude},
          {m_ui->txtDestLongSec, &RouteInput::DestLongSec,
           RouteError::InvalidDestinationLongitude}};

    // Blank degree fields show "0" before the bounds are checked. A degree text that is
    // not a number fails its bound, in the bounds' own order.
    RouteInput input;
    for (const auto& d : degrees) {
        if (isEmpty(d.field)) {
            d.field->setText(QStringLiteral("0"));
        }
        input.*d.value = reading(d.field).value_or(std::numeric_limits<double>::quiet_NaN());
    }
    if (const auto error = CheckDegreeBounds(input)) {
        return showError(*error);
    }

    // Blank minute and second fields show "0" once the bounds hold. A text that is not
    // a number is reported for its coordinate, with the focus in that field.
    for (const auto& m : minutesAndSeconds) {
        if (isEmpty(m.field)) {
            m.field->setText(QStringLiteral("0"));
        }
    }
    for (const auto& m : minutesAndSeconds) {
        const auto value = reading(m.field);
        if (!value) {
            return fail(tr(RouteErrorMessage(m.invalid)), m.field, OnField::FocusOnly);
        }
        input.*m.value = *value;
    }

    input.DepSouth = m_ui->optDepS->isChecked();
    input.DepEast = m_ui->optDepE->isChecked();
    input.DestSouth = m_ui->optDestS->isChecked();
    input.DestEast = m_ui->optDestE->isChecked();

    const auto outcome = ComputeRoutes(input);
    if (const auto* error = std::get_if<RouteError>(&outcome)) {
        return showError(*error);
    }
    const auto& result = std::get<RouteResult>(outcome);
    m_ui->Dist->setText(caption(result.GreatCircleDistance, Mask::Fixed, tr(" NM")));
    m_ui->TC->setText(caption(result.GreatCircleCourse, Mask::Fixed, tr("°")));
    m_ui->RTC->setText(caption(result.RhumbLineCourse, Mask::Fixed, tr("°")));
    m_ui->RDist->setText(caption(result.RhumbLineDistance, Mask::Fixed, tr(" NM")));
    return true;
}

}  // namespace aerolume
