// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadingWindow.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QVariant>
#include <cmath>

#include "AircraftEditor.h"
#include "AircraftFile.h"
#include "LoadingPdf.h"
#include "shell/WindowRegistry.h"
#include "ui_LoadingWindow.h"

namespace aerolume::aircraft {
namespace {

constexpr int kFieldLength = 7;

int armDecimals(Units units) {
    switch (units) {
        case Units::PoundInch:
            return 2;
        case Units::KilogramMillimetre:
            return 1;
        case Units::KilogramMetre:
            return 3;
    }
    return 2;
}

int momentDecimals(Units units) {
    return units == Units::KilogramMetre ? 2 : units == Units::PoundInch ? 1 : 0;
}

QString fixed(double value, int decimals) {
    return QString::fromStdString(formatFixed(value, decimals));
}

std::optional<FuelUnit> fuelUnitNamed(const QString& name) {
    if (name == QLatin1String("USgal")) {
        return FuelUnit::UsGallon;
    }
    if (name == QLatin1String("L")) {
        return FuelUnit::Litre;
    }
    if (name == QLatin1String("lb")) {
        return FuelUnit::Pound;
    }
    if (name == QLatin1String("kg")) {
        return FuelUnit::Kilogram;
    }
    return std::nullopt;
}

}  // namespace

LoadingWindow::LoadingWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Loading & Envelope")),
      m_ui(std::make_unique<Ui::LoadingForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
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
    setResults({m_ui->lblHdrWeight, m_ui->lblHdrMoment, m_ui->lblHdrCG, m_ui->lblHdrMAC,
                m_ui->lblHdrMargin, m_ui->lblRowRamp, m_ui->lblRowTakeoff, m_ui->lblRowLanding,
                m_ui->lblVerdictRamp, m_ui->lblVerdictTakeoff, m_ui->lblVerdictLanding},
               values, m_ui->ErrorLbl, 10, true);
    for (QLabel* verdict :
         {m_ui->LblRampVerdict, m_ui->LblTakeoffVerdict, m_ui->LblLandingVerdict}) {
        verdict->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    setHelp({tr("   Pick an aircraft, or make one with New (Edit changes it; Import and Export "
                "read and write aircraft files)."),
             tr("   Enter the load at each station and, for each tank, the fuel at take-off "
                "and the fuel burned in flight, by volume or by weight. A blank field counts "
                "as 0. The taxi fuel is burned before take-off. From Navigation Log takes "
                "the trip fuel of the open navigation log and burns it from the tanks in "
                "proportion to their take-off fuel."),
             tr("   Compute! gives the ramp, take-off and landing weights, moments and CGs, "
                "the margin to the envelope's nearest edge (along the CG and along the "
                "weight) and a verdict for each point. The graph shows the envelope with the "
                "take-off point (disc) and the landing point (square).")});

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
    reloadAircraft();
    resize(sizeHint().expandedTo(QSize(880, 640)));
}

LoadingWindow::~LoadingWindow() = default;

void LoadingWindow::reloadAircraft(const QString& path) {
    m_entries = m_store.entries();
    const QSignalBlocker blocker(m_ui->cboAircraft);
    m_ui->cboAircraft->clear();
    int select = 0;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const AircraftEntry& e = m_entries.at(i);
        QString text;
        if (e.aircraft) {
            text = QString::fromStdString(e.aircraft->name);
            if (!e.aircraft->registration.empty()) {
                text +=
                    QStringLiteral(" (%1)").arg(QString::fromStdString(e.aircraft->registration));
            }
        } else {
            text = tr("%1 (damaged)").arg(QFileInfo(e.path).fileName());
        }
        m_ui->cboAircraft->addItem(text);
        m_ui->cboAircraft->setItemData(static_cast<int>(i), e.damage, Qt::ToolTipRole);
        if (e.path == path) {
            select = static_cast<int>(i);
        }
    }
    m_ui->cboAircraft->setCurrentIndex(m_entries.isEmpty() ? -1 : select);
    cboAircraft_Change();
}

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
    qDeleteAll(m_built);
    m_built.clear();
    m_stationFields.clear();
    m_fuelFields.clear();
    m_burnFields.clear();
    const Aircraft* a = selected();
    GraphData graph;
    QList<QWidget*> chain{m_ui->cboAircraft, m_ui->cmdNew,    m_ui->cmdEdit,  m_ui->cmdDuplicate,
                          m_ui->cmdDelete,   m_ui->cmdImport, m_ui->cmdExport};
    if (a != nullptr) {
        const QString weight = QString::fromLatin1(weightUnit(a->units));
        graph = {a->normal,    a->utility, std::nullopt,
                 std::nullopt, weight,     QString::fromLatin1(armUnit(a->units))};
        const auto makeField = [this](const QString& name, const QString& spoken) {
            auto* field = new QLineEdit;
            field->setObjectName(name);
            field->setMaxLength(kFieldLength);
            field->setAccessibleName(spoken);
            m_built.append(field);
            return field;
        };
        const auto makeLabel = [this](const QString& name, const QString& text) {
            auto* label = new QLabel(text);
            label->setObjectName(name);
            m_built.append(label);
            return label;
        };
        for (std::size_t i = 0; i < a->stations.size(); ++i) {
            const Station& s = a->stations[i];
            const QString name = QString::fromStdString(s.name);
            const QString caption =
                s.maxWeight ? tr("%1 (%2, max %3):").arg(name, weight, fixed(*s.maxWeight, 1))
                            : tr("%1 (%2):").arg(name, weight);
            QLabel* label = makeLabel(QStringLiteral("lblStation%1").arg(i + 1), caption);
            QLineEdit* field =
                makeField(QStringLiteral("txtStation%1").arg(i + 1), tr("%1 weight").arg(name));
            label->setBuddy(field);
            m_ui->gridLoads->addWidget(label, static_cast<int>(i), 0);
            m_ui->gridLoads->addWidget(field, static_cast<int>(i), 1);
            m_stationFields.append(field);
        }
        if (!a->tanks.empty()) {
            m_ui->gridFuel->addWidget(makeLabel(QStringLiteral("lblFuelTakeoff"), tr("Take-off")),
                                      0, 1);
            m_ui->gridFuel->addWidget(makeLabel(QStringLiteral("lblFuelBurned"), tr("Burned")), 0,
                                      2);
        }
        for (std::size_t i = 0; i < a->tanks.size(); ++i) {
            const Tank& t = a->tanks[i];
            const QString name = QString::fromStdString(t.name);
            const int row = static_cast<int>(i) + 1;
            QLabel* label = makeLabel(
                QStringLiteral("lblTank%1").arg(row),
                tr("%1 (%2 %3):")
                    .arg(name, fixed(t.capacity, 1), QString::fromLatin1(volumeUnit(a->units))));
            QLineEdit* fuel =
                makeField(QStringLiteral("txtFuel%1").arg(row), tr("%1 take-off fuel").arg(name));
            QLineEdit* burn =
                makeField(QStringLiteral("txtBurn%1").arg(row), tr("%1 fuel burned").arg(name));
            label->setBuddy(fuel);
            m_ui->gridFuel->addWidget(label, row, 0);
            m_ui->gridFuel->addWidget(fuel, row, 1);
            m_ui->gridFuel->addWidget(burn, row, 2);
            m_ui->gridFuel->addWidget(makeLabel(QStringLiteral("lblFuelUnit%1").arg(row), {}), row,
                                      3);
            m_fuelFields.append(fuel);
            m_burnFields.append(burn);
        }
    }
    // Enter moves through the stations, then each tank's take-off fuel and burn, then
    // the taxi fuel, which computes.
    QList<QLineEdit*> fields = m_stationFields;
    for (qsizetype i = 0; i < m_fuelFields.size(); ++i) {
        fields << m_fuelFields.at(i) << m_burnFields.at(i);
    }
    for (qsizetype i = 0; i < fields.size(); ++i) {
        addField(fields.at(i), kPointSlashDigits,
                 i + 1 < fields.size() ? static_cast<QWidget*>(fields.at(i + 1)) : m_ui->txtTaxi);
    }
    for (QLineEdit* f : std::as_const(m_stationFields)) {
        chain << f;
    }
    chain << m_ui->optVolume << m_ui->optWeight;
    for (qsizetype i = 0; i < m_fuelFields.size(); ++i) {
        chain << m_fuelFields.at(i) << m_burnFields.at(i);
    }
    chain << m_ui->txtTaxi << m_ui->cmdFromNavLog << m_ui->cmdPdf << m_ui->Command2
          << m_ui->Command1;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        setTabOrder(chain.at(i), chain.at(i + 1));
    }
    // Shown at once (a layout would show them only once the program next waits), so
    // the fields take the focus as soon as the aircraft is picked.
    for (QWidget* built : std::as_const(m_built)) {
        built->show();
    }
    m_ui->graphEnvelope->setData(graph);
    optWeight_Change();
}

void LoadingWindow::optWeight_Change() {
    const Aircraft* a = selected();
    const QString unit = a == nullptr                   ? QString()
                         : m_ui->optWeight->isChecked() ? QString::fromLatin1(weightUnit(a->units))
                                                        : QString::fromLatin1(volumeUnit(a->units));
    for (QLabel* label :
         findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lblFuelUnit")))) {
        label->setText(unit);
    }
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
    const Aircraft* a = selected();
    if (a == nullptr) {
        cboAircraft_Change();  // says why
        return false;
    }
    LoadingInput input;
    for (qsizetype i = 0; i < m_stationFields.size(); ++i) {
        QLineEdit* field = m_stationFields.at(i);
        double value = 0;
        if (!isEmpty(field)) {
            const auto typed = strictValue(field);
            if (!typed) {
                return fail(
                    tr("Invalid weight for %1!")
                        .arg(QString::fromStdString(a->stations[static_cast<std::size_t>(i)].name)),
                    field, OnField::SelectAndFocus);
            }
            value = *typed;
        }
        input.stationWeights.push_back(value);
    }
    const auto fuel = readFuel(m_fuelFields, tr("Invalid take-off fuel for %1!"));
    if (!fuel) {
        return false;
    }
    const auto burn = readFuel(m_burnFields, tr("Invalid fuel burned from %1!"));
    if (!burn) {
        return false;
    }
    input.takeoffFuel = *fuel;
    input.burnFuel = *burn;
    if (!isEmpty(m_ui->txtTaxi)) {
        const auto taxi = strictValue(m_ui->txtTaxi);
        if (!taxi) {
            return fail(tr("Invalid taxi fuel!"), m_ui->txtTaxi, OnField::SelectAndFocus);
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

QString LoadingWindow::weightText(double weight) const {
    return fixed(weight, 1) + u' ' + QString::fromLatin1(weightUnit(selected()->units));
}

QString LoadingWindow::armText(double arm) const {
    const Units units = selected()->units;
    return fixed(arm, armDecimals(units)) + u' ' + QString::fromLatin1(armUnit(units));
}

void LoadingWindow::showPoint(const LoadPoint& point, QLabel* weight, QLabel* moment, QLabel* cg,
                              QLabel* mac, QLabel* margin, QLabel* verdict) {
    const Units units = selected()->units;
    weight->setText(weightText(point.weight));
    moment->setText(fixed(point.moment, momentDecimals(units)) + u' ' +
                    QString::fromLatin1(weightUnit(units)) + u'\u00b7' +
                    QString::fromLatin1(armUnit(units)));
    cg->setText(point.cg ? armText(*point.cg) : tr("none"));
    mac->setText(point.percentMac ? tr("%1% MAC").arg(fixed(*point.percentMac, 1)) : QString());
    if (margin != nullptr) {
        if (point.normal && point.normal->inside) {
            margin->setText(tr("%1, %2").arg(armText(point.normal->armMargin),
                                             weightText(point.normal->weightMargin)));
        } else {
            margin->setText(tr("outside"));
        }
    }
    verdict->setText(verdictText(point));
}

QString LoadingWindow::verdictText(const LoadPoint& point) const {
    const Aircraft& a = *selected();
    QStringList parts;
    for (const Finding& f : point.findings) {
        const auto stationName = [&] {
            return QString::fromStdString(a.stations[static_cast<std::size_t>(f.index)].name);
        };
        const auto tankName = [&] {
            return QString::fromStdString(a.tanks[static_cast<std::size_t>(f.index)].name);
        };
        switch (f.breach) {
            case Breach::StationOverMax:
                parts << tr("%1 over its maximum by %2").arg(stationName(), weightText(f.excess));
                break;
            case Breach::TankOverCapacity: {
                const Tank& tank = a.tanks[static_cast<std::size_t>(f.index)];
                parts << tr("%1 tank over its capacity by %2 %3")
                             .arg(tankName(), fixed(f.excess / fuelDensity(tank, a.units), 1),
                                  QString::fromLatin1(volumeUnit(a.units)));
                break;
            }
            case Breach::BurnOverContents:
                parts << tr("more fuel burned from %1 than it held, by %2")
                             .arg(tankName(), weightText(f.excess));
                break;
            case Breach::OverMaxWeight:
                parts << (&point == &m_result->ramp ? tr("Over the maximum ramp weight by %1")
                          : &point == &m_result->takeoff
                              ? tr("Over the maximum take-off weight by %1")
                              : tr("Over the maximum landing weight by %1"))
                             .arg(weightText(f.excess));
                break;
            case Breach::CgForward:
                parts << tr("CG forward of the envelope by %1").arg(armText(f.excess));
                break;
            case Breach::CgAft:
                parts << tr("CG aft of the envelope by %1").arg(armText(f.excess));
                break;
            case Breach::AboveEnvelope:
                parts << tr("Above the envelope by %1").arg(weightText(f.excess));
                break;
            case Breach::BelowEnvelope:
                parts << tr("Below the envelope by %1").arg(weightText(f.excess));
                break;
            case Breach::OutsideUtility: {
                const bool alongArm = point.utility && (point.utility->side == Side::Forward ||
                                                        point.utility->side == Side::Aft);
                parts << tr("Within the normal envelope, outside the utility envelope only, by %1")
                             .arg(alongArm ? armText(f.excess) : weightText(f.excess));
                break;
            }
        }
    }
    if (parts.isEmpty()) {
        return tr("Within limits");
    }
    QString text = parts.join(QStringLiteral("; "));
    text[0] = text[0].toUpper();
    return text;
}

void LoadingWindow::cmdFromNavLog_Click() {
    beginRun();
    const Aircraft* a = selected();
    if (a == nullptr) {
        cboAircraft_Change();
        return;
    }
    if (a->tanks.empty()) {
        fail(tr("This aircraft has no fuel tanks."));
        return;
    }
    QWidget* log = registry().window(QStringLiteral("NavLog"));
    if (log == nullptr) {
        fail(tr("Open the navigation log first, it gives the trip fuel."));
        return;
    }
    const QVariant trip = log->property("tripFuel");
    bool isNumber = false;
    const double fuel = trip.toDouble(&isNumber);
    if (!trip.isValid() || !isNumber || !std::isfinite(fuel) || fuel < 0) {
        fail(tr("The navigation log has no trip fuel yet."));
        return;
    }
    const auto unit = fuelUnitNamed(log->property("fuelUnit").toString());
    if (!unit) {
        fail(tr("The navigation log gives its fuel in a unit this window does not know."));
        return;
    }
    const auto takeoff = readFuel(m_fuelFields, tr("Invalid take-off fuel for %1!"));
    if (!takeoff) {
        return;
    }
    const std::vector<double> burn = splitTripFuel(*a, fuel, *unit, *takeoff);
    for (qsizetype i = 0; i < m_burnFields.size(); ++i) {
        const Tank& tank = a->tanks[static_cast<std::size_t>(i)];
        const double shown = m_ui->optWeight->isChecked()
                                 ? burn[static_cast<std::size_t>(i)]
                                 : burn[static_cast<std::size_t>(i)] / fuelDensity(tank, a->units);
        m_burnFields.at(i)->setText(fixed(shown, 1));
    }
    compute();
}

bool LoadingWindow::editAircraft(Aircraft& aircraft, const QString& title) {
    AircraftEditor editor(aircraft, this);
    editor.setWindowTitle(title);
    if (m_runDialog(editor) != QDialog::Accepted) {
        return false;
    }
    aircraft = editor.aircraft();
    return true;
}

void LoadingWindow::cmdNew_Click() {
    Aircraft aircraft;
    aircraft.name = tr("New aircraft").toStdString();
    if (!editAircraft(aircraft, tr("New Aircraft"))) {
        return;
    }
    QString error;
    if (const auto path = m_store.save(aircraft, {}, &error)) {
        reloadAircraft(*path);
    } else {
        fail(tr("The aircraft could not be saved, %1.").arg(error));
    }
}

void LoadingWindow::cmdEdit_Click() {
    const Aircraft* a = selected();
    if (a == nullptr) {
        cboAircraft_Change();
        return;
    }
    Aircraft aircraft = *a;
    const QString path = m_entries.at(m_ui->cboAircraft->currentIndex()).path;
    if (!editAircraft(aircraft, tr("Edit Aircraft"))) {
        return;
    }
    QString error;
    if (m_store.save(aircraft, path, &error)) {
        reloadAircraft(path);
    } else {
        fail(tr("The aircraft could not be saved, %1.").arg(error));
    }
}

void LoadingWindow::cmdDuplicate_Click() {
    const Aircraft* a = selected();
    if (a == nullptr) {
        cboAircraft_Change();
        return;
    }
    Aircraft copy = *a;
    copy.name = tr("%1 (copy)").arg(QString::fromStdString(a->name)).toStdString();
    QString error;
    if (const auto path = m_store.save(copy, {}, &error)) {
        reloadAircraft(*path);
    } else {
        fail(tr("The aircraft could not be saved, %1.").arg(error));
    }
}

void LoadingWindow::cmdDelete_Click() {
    const int i = m_ui->cboAircraft->currentIndex();
    if (i < 0 || i >= m_entries.size()) {
        cboAircraft_Change();
        return;
    }
    QMessageBox ask(QMessageBox::Question, tr("Delete Aircraft"),
                    tr("Delete %1 and its file?").arg(m_ui->cboAircraft->currentText()),
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("askDelete"));
    ask.setDefaultButton(QMessageBox::No);
    if (m_runDialog(ask) != QMessageBox::Yes) {
        return;
    }
    QString error;
    if (m_store.remove(m_entries.at(i).path, &error)) {
        reloadAircraft();
    } else {
        fail(tr("The file could not be deleted, %1.").arg(error));
    }
}

void LoadingWindow::cmdImport_Click() {
    const QString source = m_chooseFile(FileRole::Import, {});
    if (source.isEmpty()) {
        return;
    }
    QString error;
    if (const auto path = m_store.importFile(source, &error)) {
        reloadAircraft(*path);
    } else {
        fail(tr("The file could not be imported, %1.").arg(error));
    }
}

void LoadingWindow::cmdExport_Click() {
    const Aircraft* a = selected();
    if (a == nullptr) {
        cboAircraft_Change();
        return;
    }
    const QString target =
        m_chooseFile(FileRole::Export,
                     QFileInfo(m_entries.at(m_ui->cboAircraft->currentIndex()).path).fileName());
    if (target.isEmpty()) {
        return;
    }
    QString error;
    if (!m_store.exportFile(*a, target, &error)) {
        fail(tr("The file could not be written, %1.").arg(error));
    }
}

void LoadingWindow::cmdPdf_Click() {
    if (!compute()) {
        return;
    }
    const QString target = m_chooseFile(FileRole::Pdf, tr("loading.pdf"));
    if (target.isEmpty()) {
        return;
    }
    LoadingReport report;
    report.aircraft = m_ui->cboAircraft->currentText();
    const QList<QLabel*> captions = {m_ui->lblRowRamp, m_ui->lblRowTakeoff, m_ui->lblRowLanding};
    const QList<QList<QLabel*>> rows = {
        {m_ui->LblRampWeight, m_ui->LblRampMoment, m_ui->LblRampCG, m_ui->LblRampMAC, nullptr,
         m_ui->LblRampVerdict},
        {m_ui->LblTakeoffWeight, m_ui->LblTakeoffMoment, m_ui->LblTakeoffCG, m_ui->LblTakeoffMAC,
         m_ui->LblTakeoffMargin, m_ui->LblTakeoffVerdict},
        {m_ui->LblLandingWeight, m_ui->LblLandingMoment, m_ui->LblLandingCG, m_ui->LblLandingMAC,
         m_ui->LblLandingMargin, m_ui->LblLandingVerdict}};
    report.headers = {QString(),
                      m_ui->lblHdrWeight->text(),
                      m_ui->lblHdrMoment->text(),
                      m_ui->lblHdrCG->text(),
                      m_ui->lblHdrMAC->text(),
                      m_ui->lblHdrMargin->text()};
    for (qsizetype r = 0; r < rows.size(); ++r) {
        QStringList cells{captions.at(r)->text()};
        for (qsizetype c = 0; c < 5; ++c) {
            cells << (rows.at(r).at(c) ? rows.at(r).at(c)->text() : QString());
        }
        report.rows << cells;
        report.verdicts << captions.at(r)->text() + u' ' + rows.at(r).at(5)->text();
    }
    for (QLabel* label :
         findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lbl(Station|Tank)")))) {
        if (auto* field = qobject_cast<QLineEdit*>(label->buddy())) {
            QString line = label->text() + u' ' +
                           (field->text().isEmpty() ? QStringLiteral("0") : field->text());
            if (label->objectName().startsWith(QLatin1String("lblTank"))) {
                const QString row = label->objectName().mid(7);
                auto* burn = findChild<QLineEdit*>(QStringLiteral("txtBurn") + row);
                line = tr("%1 take-off, %2 burned (%3)")
                           .arg(line, burn->text().isEmpty() ? QStringLiteral("0") : burn->text(),
                                m_ui->lblTaxiUnit->text());
            }
            report.entries << line;
        }
    }
    if (!m_ui->txtTaxi->text().isEmpty()) {
        report.entries
            << tr("Taxi fuel: %1 %2").arg(m_ui->txtTaxi->text(), m_ui->lblTaxiUnit->text());
    }
    report.graph = m_ui->graphEnvelope->data();
    QString error;
    if (!writeLoadingPdf(target, report, &error)) {
        fail(tr("The PDF could not be written, %1.").arg(error));
    }
}

}  // namespace aerolume::aircraft
