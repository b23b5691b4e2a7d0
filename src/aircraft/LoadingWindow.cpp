// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadingWindow.h"

#include <QFileDialog>
#include <QVariant>
#include <cmath>

#include "AircraftFile.h"
#include "shell/WindowRegistry.h"
#include "ui_LoadingWindow.h"

namespace aerolume::aircraft {

LoadingWindow::LoadingWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Loading & Envelope")),
      m_ui(std::make_unique<Ui::LoadingForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    m_fields = std::make_unique<LoadingFields>(m_ui->gridLoads, m_ui->gridFuel);
    struct Row {
        const char* point;
        QLabel* values[6];
    };
    const Row rows[] = {
        {QT_TR_NOOP("Ramp"),
         {m_ui->LblRampWeight, m_ui->LblRampMoment, m_ui->LblRampCG, m_ui->LblRampMAC, nullptr,
          m_ui->LblRampVerdict}},
        {QT_TR_NOOP("Take-off"),
         {m_ui->LblTakeoffWeight, m_ui->LblTakeoffMoment, m_ui->LblTakeoffCG, m_ui->LblTakeoffMAC,
          m_ui->LblTakeoffMargin, m_ui->LblTakeoffVerdict}},
        {QT_TR_NOOP("Landing"),
         {m_ui->LblLandingWeight, m_ui->LblLandingMoment, m_ui->LblLandingCG, m_ui->LblLandingMAC,
          m_ui->LblLandingMargin, m_ui->LblLandingVerdict}},
    };
    const char* const columns[] = {QT_TR_NOOP("%1 weight"), QT_TR_NOOP("%1 moment"),
                                   QT_TR_NOOP("%1 CG"),     QT_TR_NOOP("%1 % MAC"),
                                   QT_TR_NOOP("%1 margin"), QT_TR_NOOP("%1 verdict")};
    QList<QLabel*> values;
    for (const Row& row : rows) {
        for (int c = 0; c < 6; ++c) {
            if (QLabel* value = row.values[c]) {
                // Named by its row and column captions, as the grid shows them.
                value->setAccessibleName(tr(columns[c]).arg(tr(row.point)));
                values.append(value);
            }
        }
    }
    setForm(form);
    setResultsAndMessage(
        {m_ui->lblHdrWeight, m_ui->lblHdrMoment, m_ui->lblHdrCG, m_ui->lblHdrMAC,
         m_ui->lblHdrMargin, m_ui->lblRowRamp, m_ui->lblRowTakeoff, m_ui->lblRowLanding,
         m_ui->lblVerdictRamp, m_ui->lblVerdictTakeoff, m_ui->lblVerdictLanding},
        values, m_ui->ErrorLbl);
    setEnterSound(EnterSound::Silent);
    for (QLabel* verdict :
         {m_ui->LblRampVerdict, m_ui->LblTakeoffVerdict, m_ui->LblLandingVerdict}) {
        verdict->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    setHelp({tr("Pick an aircraft, or make one with New (Edit changes it; Import and Export "
                "read and write aircraft files)."),
             tr("Enter the load at each station and, for each tank, the fuel at take-off and "
                "the fuel burned in flight, by volume or by weight. A blank field counts as 0; "
                "no tank can burn more than it held at take-off. The taxi fuel is burned "
                "before take-off. Opened from the navigation log (Loading for This Flight in its "
                "Edit menu), the window takes the plan's aircraft, its fuel at start less the "
                "taxi fuel as the take-off fuel, shared by the tanks' capacities, and its trip "
                "fuel as the burn; From Navigation Log takes that trip fuel again and burns it "
                "from the tanks in proportion to their take-off fuel as they are now."),
             tr("Compute! gives the ramp, take-off and landing weights, moments and CGs, the "
                "margin to the nearer CG limit and to the nearest weight limit (the maximum "
                "weight, or the envelope's top or bottom at that CG), and a verdict for each "
                "point: within limits, or out of limits with every limit it breaks. The graph "
                "shows the envelope with the take-off point (disc) and the landing point "
                "(square).")});

    m_runDialog = [](QDialog& dialog) { return dialog.exec(); };
    m_chooseFile = [this](FileRole role, const QString& suggested) {
        const QString aircraftFiles = tr("Aircraft files (*.%1)").arg(QLatin1String(kFileSuffix));
        switch (role) {
            case FileRole::Import:
                return QFileDialog::getOpenFileName(this, tr("Import Aircraft"), {}, aircraftFiles);
            case FileRole::Export:
                return QFileDialog::getSaveFileName(this, tr("Export Aircraft"), suggested,
                                                    aircraftFiles);
            case FileRole::Pdf:
                return QFileDialog::getSaveFileName(this, tr("Export Loading as PDF"), suggested,
                                                    tr("PDF files (*.pdf)"));
        }
        return QString();
    };

    m_ui->txtTaxi->setAccessibleName(tr("Taxi fuel"));
    addLastField(m_ui->txtTaxi, kPointSlashDigits, [this] { return compute(); });
    connect(m_ui->Command2, &QPushButton::clicked, this, &LoadingWindow::Command2_Click);
    connect(m_ui->cmdFromNavLog, &QPushButton::clicked, this, &LoadingWindow::cmdFromNavLog_Click);
    connect(m_ui->cmdNew, &QPushButton::clicked, this, &LoadingWindow::cmdNew_Click);
    connect(m_ui->cmdEdit, &QPushButton::clicked, this, &LoadingWindow::cmdEdit_Click);
    connect(m_ui->cmdDuplicate, &QPushButton::clicked, this, &LoadingWindow::cmdDuplicate_Click);
    connect(m_ui->cmdDelete, &QPushButton::clicked, this, &LoadingWindow::cmdDelete_Click);
    connect(m_ui->cmdImport, &QPushButton::clicked, this, &LoadingWindow::cmdImport_Click);
    connect(m_ui->cmdExport, &QPushButton::clicked, this, &LoadingWindow::cmdExport_Click);
    connect(m_ui->cmdPdf, &QPushButton::clicked, this, &LoadingWindow::cmdPdf_Click);
    connect(m_ui->cboAircraft, &QComboBox::currentIndexChanged, this,
            &LoadingWindow::cboAircraft_Change);
    connect(m_ui->optWeight, &QRadioButton::toggled, this, &LoadingWindow::optWeight_Change);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &LoadingWindow::aircraftFiles_Change);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this,
            &LoadingWindow::aircraftFiles_Change);
    // A long aircraft name is cut in the box (its tooltip has the whole of it).
    m_ui->cboAircraft->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_ui->cboAircraft->setMinimumContentsLength(kAircraftNameCharacters);
    reloadAircraft();
    resize(sizeHint().expandedTo(QSize(880, 640)));
}

LoadingWindow::~LoadingWindow() = default;

const Aircraft* LoadingWindow::selected() const {
    const int i = m_ui->cboAircraft->currentIndex();
    if (i < 0 || i >= m_entries.size() || !m_entries.at(i).aircraft) {
        return nullptr;
    }
    return &*m_entries.at(i).aircraft;
}

void LoadingWindow::cboAircraft_Change() {
    m_result.reset();
    buildFields();
    watchFiles();
    for (QLabel* label : findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Lbl")))) {
        label->clear();
    }
    const int i = m_ui->cboAircraft->currentIndex();
    if (m_entries.isEmpty()) {
        fail(tr("No aircraft yet, make one with New or bring one in with Import."));
    } else if (selected() == nullptr && i >= 0) {
        fail(tr("This aircraft file cannot be read, %1.").arg(m_entries.at(i).damage));
    } else {
        beginRun();
    }
}

void LoadingWindow::buildFields() {
    const Aircraft* a = selected();
    m_fields->build(a);
    GraphData graph;
    if (a != nullptr) {
        graph = {a->normal,
                 a->utility,
                 std::nullopt,
                 std::nullopt,
                 QString::fromLatin1(weightUnit(a->units)),
                 QString::fromLatin1(armUnit(a->units))};
    }
    // Enter moves through the stations, then each tank's take-off fuel and burn, then
    // the taxi fuel, which computes.
    const QList<QLineEdit*> fields = m_fields->inOrder();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        addField(fields.at(i), kPointSlashDigits,
                 i + 1 < fields.size() ? static_cast<QWidget*>(fields.at(i + 1)) : m_ui->txtTaxi);
    }
    QList<QWidget*> chain{m_ui->cboAircraft, m_ui->cmdNew,    m_ui->cmdEdit,  m_ui->cmdDuplicate,
                          m_ui->cmdDelete,   m_ui->cmdImport, m_ui->cmdExport};
    for (QLineEdit* f : m_fields->stations()) {
        chain << f;
    }
    chain << m_ui->optVolume << m_ui->optWeight;
    for (qsizetype i = 0; i < m_fields->takeoffFuel().size(); ++i) {
        chain << m_fields->takeoffFuel().at(i) << m_fields->burn().at(i);
    }
    chain << m_ui->txtTaxi << m_ui->cmdFromNavLog << m_ui->cmdPdf << m_ui->Command2
          << m_ui->Command1;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        setTabOrder(chain.at(i), chain.at(i + 1));
    }
    m_fields->show();
    m_ui->graphEnvelope->setData(graph);
    optWeight_Change();
}

void LoadingWindow::optWeight_Change() {
    const Aircraft* a = selected();
    const QString unit = a == nullptr                   ? QString()
                         : m_ui->optWeight->isChecked() ? QString::fromLatin1(weightUnit(a->units))
                                                        : QString::fromLatin1(volumeUnit(a->units));
    m_fields->setFuelUnit(unit);
    m_ui->lblTaxiUnit->setText(unit);
}

void LoadingWindow::Command2_Click() {
    compute();
}

std::optional<std::vector<double>> LoadingWindow::readFuel(const QList<QLineEdit*>& fields,
                                                           const QString& message) {
    const Aircraft* a = selected();
    std::vector<double> weights;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QLineEdit* field = fields.at(i);
        const Tank& tank = a->tanks[static_cast<std::size_t>(i)];
        double value = 0;
        if (!isEmpty(field)) {
            const auto typed = strictValue(field);
            if (!typed) {
                fail(message.arg(QString::fromStdString(tank.name)), field,
                     OnField::SelectAndFocus);
                return std::nullopt;
            }
            value = *typed;
        }
        weights.push_back(m_ui->optWeight->isChecked() ? value
                                                       : value * fuelDensity(tank, a->units));
    }
    return weights;
}

bool LoadingWindow::compute() {
    beginRun();
    if (!selectedIsCurrent()) {
        return false;
    }
    // Until the entries pass, the graph shows no loading either.
    m_result.reset();
    GraphData cleared = m_ui->graphEnvelope->data();
    cleared.takeoff.reset();
    cleared.landing.reset();
    m_ui->graphEnvelope->setData(cleared);
    m_ui->graphEnvelope->setAccessibleDescription(QString());
    const Aircraft* a = selected();
    if (a == nullptr) {
        cboAircraft_Change();  // says why
        return false;
    }
    LoadingInput input;
    for (qsizetype i = 0; i < m_fields->stations().size(); ++i) {
        QLineEdit* field = m_fields->stations().at(i);
        double value = 0;
        if (!isEmpty(field)) {
            const auto typed = strictValue(field);
            if (!typed) {
                return fail(
                    tr("Enter a number for the load at %1!")
                        .arg(QString::fromStdString(a->stations[static_cast<std::size_t>(i)].name)),
                    field, OnField::SelectAndFocus);
            }
            value = *typed;
        }
        input.stationWeights.push_back(value);
    }
    const auto fuel =
        readFuel(m_fields->takeoffFuel(), tr("Enter a number for the take-off fuel in %1!"));
    if (!fuel) {
        return false;
    }
    const auto burn = readFuel(m_fields->burn(), tr("Enter a number for the fuel burned from %1!"));
    if (!burn) {
        return false;
    }
    for (std::size_t i = 0; i < burn->size(); ++i) {
        if ((*burn)[i] > (*fuel)[i]) {
            QLineEdit* field = m_fields->burn().at(static_cast<qsizetype>(i));
            const double held =
                strictValue(m_fields->takeoffFuel().at(static_cast<qsizetype>(i))).value_or(0);
            return fail(
                tr("More fuel burned from %1 than the %2 %3 it held at take-off!")
                    .arg(QString::fromStdString(a->tanks[i].name),
                         QString::fromStdString(formatFixed(held, 1)), m_ui->lblTaxiUnit->text()),
                field, OnField::SelectAndFocus);
        }
    }
    input.takeoffFuel = *fuel;
    input.burnFuel = *burn;
    if (!isEmpty(m_ui->txtTaxi)) {
        const auto taxi = strictValue(m_ui->txtTaxi);
        if (!taxi) {
            return fail(tr("Enter a number for the taxi fuel!"), m_ui->txtTaxi,
                        OnField::SelectAndFocus);
        }
        const bool metric = a->units != Units::PoundInch;
        const FuelUnit unit = m_ui->optWeight->isChecked()
                                  ? (metric ? FuelUnit::Kilogram : FuelUnit::Pound)
                                  : (metric ? FuelUnit::Litre : FuelUnit::UsGallon);
        for (double share : splitTripFuel(*a, *taxi, unit, input.takeoffFuel)) {
            input.taxiFuel += share;
        }
    }
    m_result = computeLoading(*a, input);
    showPoint(m_result->ramp, m_ui->LblRampWeight, m_ui->LblRampMoment, m_ui->LblRampCG,
              m_ui->LblRampMAC, nullptr, m_ui->LblRampVerdict);
    showPoint(m_result->takeoff, m_ui->LblTakeoffWeight, m_ui->LblTakeoffMoment, m_ui->LblTakeoffCG,
              m_ui->LblTakeoffMAC, m_ui->LblTakeoffMargin, m_ui->LblTakeoffVerdict);
    showPoint(m_result->landing, m_ui->LblLandingWeight, m_ui->LblLandingMoment, m_ui->LblLandingCG,
              m_ui->LblLandingMAC, m_ui->LblLandingMargin, m_ui->LblLandingVerdict);
    GraphData graph = m_ui->graphEnvelope->data();
    const auto pointOf = [](const LoadPoint& p) -> std::optional<EnvelopePoint> {
        if (!p.cg) {
            return std::nullopt;
        }
        return EnvelopePoint{p.weight, *p.cg};
    };
    graph.takeoff = pointOf(m_result->takeoff);
    graph.landing = pointOf(m_result->landing);
    m_ui->graphEnvelope->setData(graph);
    m_ui->graphEnvelope->setAccessibleDescription(
        tr("Take-off: %1. Landing: %2.")
            .arg(m_ui->LblTakeoffVerdict->text(), m_ui->LblLandingVerdict->text()));
    return true;
}

}  // namespace aerolume::aircraft
