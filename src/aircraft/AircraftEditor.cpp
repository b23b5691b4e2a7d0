// SPDX-License-Identifier: GPL-3.0-or-later
#include "AircraftEditor.h"

#include <QComboBox>
#include <QHash>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <array>
#include <cmath>

#include "AircraftFile.h"
#include "EnvelopeGraph.h"
#include "common/FieldReading.h"
#include "common/FormatMask.h"
#include "shell/CalculatorWindow.h"
#include "ui_AircraftEditor.h"

namespace aerolume::aircraft {
namespace {

QString number(double value) {
    // As many places as the value needs, up to six, without trailing zeros.
    QString text = QString::fromStdString(formatFixed(value, 6));
    while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.'))) {
        text.chop(1);
    }
    return text;
}

QString optionalNumber(const std::optional<double>& value) {
    return value ? number(*value) : QString();
}

std::optional<double> parse(const QString& text) {
    return strictNumber(text.trimmed().toStdString());
}

QString cell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

void setCell(QTableWidget* table, int row, int column, const QString& text) {
    table->setItem(row, column, new QTableWidgetItem(text));
}

// The rows of an envelope table that read as numbers so far.
Envelope envelopeOf(const QTableWidget* table, QString* fault, const QString& what) {
    Envelope envelope;
    for (int row = 0; row < table->rowCount(); ++row) {
        const auto weight = parse(cell(table, row, 0));
        const auto arm = parse(cell(table, row, 1));
        if (!weight || !arm) {
            if (fault != nullptr && fault->isEmpty()) {
                *fault = QObject::tr("Row %1 of the %2 needs a weight and an arm.")
                             .arg(row + 1)
                             .arg(what);
            }
            continue;
        }
        envelope.push_back({*weight, *arm});
    }
    return envelope;
}

// A caption as a sentence names it: without its mnemonic mark and its colon.
QString captionOf(const QLabel* label) {
    QString text = label->text().remove(u'&');
    if (text.endsWith(u':')) {
        text.chop(1);
    }
    return text;
}

// A caption inside a sentence: its first letter in lower case, unless it begins an
// abbreviation ("CG envelope").
QString inSentence(const QString& caption) {
    if (caption.size() > 1 && caption.at(1).isUpper()) {
        return caption;
    }
    return caption.left(1).toLower() + caption.mid(1);
}

// A column's heading, in lower case to stand inside a sentence ("arm", "maximum weight").
QString columnOf(const QTableWidget* table, int column) {
    const QTableWidgetItem* header = table->horizontalHeaderItem(column);
    return header != nullptr ? header->text().toLower() : QString();
}

const char* const kFuelNames[] = {QT_TRANSLATE_NOOP("AircraftEditor", "AvGas"),
                                  QT_TRANSLATE_NOOP("AircraftEditor", "Jet A"),
                                  QT_TRANSLATE_NOOP("AircraftEditor", "Other")};

}  // namespace

AircraftEditor::AircraftEditor(const Aircraft& aircraft, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::AircraftEditorForm>()), m_aircraft(aircraft) {
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("AircraftEditor"));
    m_ui->cboUnits->addItems({tr("lb and in (fuel in US gal)"), tr("kg and mm (fuel in L)"),
                              tr("kg and m (fuel in L)")});
    for (QTableWidget* table :
         {m_ui->tblStations, m_ui->tblTanks, m_ui->tblEnvelope, m_ui->tblUtility}) {
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        table->setAccessibleName(table->parentWidget()->property("title").toString());
    }
    // The climb's figures one after the other, then the descent's.
    setTabOrder(m_ui->txtFuelFlow, m_ui->txtClimbRate);
    setTabOrder(m_ui->txtClimbRate, m_ui->txtClimbTas);
    setTabOrder(m_ui->txtClimbTas, m_ui->txtClimbFuelFlow);
    setTabOrder(m_ui->txtClimbFuelFlow, m_ui->txtDescentRate);
    setTabOrder(m_ui->txtDescentRate, m_ui->txtDescentTas);
    setTabOrder(m_ui->txtDescentTas, m_ui->txtDescentFuelFlow);
    styleMessageLabel(m_ui->lblEditorError);
    m_ui->lblEditorError->hide();
    fill(aircraft);

    const struct {
        QPushButton* add;
        QPushButton* remove;
        QTableWidget* table;
    } editing[] = {{m_ui->cmdAddStation, m_ui->cmdRemoveStation, m_ui->tblStations},
                   {m_ui->cmdAddTank, m_ui->cmdRemoveTank, m_ui->tblTanks},
                   {m_ui->cmdAddPoint, m_ui->cmdRemovePoint, m_ui->tblEnvelope},
                   {m_ui->cmdAddUtility, m_ui->cmdRemoveUtility, m_ui->tblUtility}};
    for (const auto& e : editing) {
        QTableWidget* table = e.table;
        if (table == m_ui->tblTanks) {
            connect(e.add, &QPushButton::clicked, this, [this] { addTankRow(Tank{}); });
        } else {
            connect(e.add, &QPushButton::clicked, this, [this, table] { addRow(table); });
        }
        connect(e.remove, &QPushButton::clicked, this, [this, table] {
            const int row = table->currentRow() >= 0 ? table->currentRow() : table->rowCount() - 1;
            if (row >= 0) {
                table->removeRow(row);
                updatePreview();
            }
        });
    }
    for (QTableWidget* table : {m_ui->tblEnvelope, m_ui->tblUtility}) {
        connect(table, &QTableWidget::cellChanged, this, &AircraftEditor::updatePreview);
    }
    connect(m_ui->cboUnits, &QComboBox::currentIndexChanged, this, &AircraftEditor::updatePreview);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &AircraftEditor::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &AircraftEditor::reject);
    updatePreview();
    // Within the screen, less a window frame and title bar: the tables give up rows
    // (and scroll) first.
    resize(sizeHint().boundedTo(screen()->availableGeometry().size() - QSize(16, 48)));
}

AircraftEditor::~AircraftEditor() = default;

void AircraftEditor::addRow(QTableWidget* table) {
    const int row = table->rowCount();
    table->insertRow(row);
    table->setCurrentCell(row, 0);
}

void AircraftEditor::addTankRow(const Tank& tank) {
    const int row = m_ui->tblTanks->rowCount();
    m_ui->tblTanks->insertRow(row);
    setCell(m_ui->tblTanks, row, 0, QString::fromStdString(tank.name));
    setCell(m_ui->tblTanks, row, 1, number(tank.arm));
    setCell(m_ui->tblTanks, row, 2, number(tank.capacity));
    auto* fuel = new QComboBox;
    fuel->setObjectName(QStringLiteral("cboFuel%1").arg(row + 1));
    for (const char* name : kFuelNames) {
        fuel->addItem(tr(name));
    }
    fuel->setCurrentIndex(static_cast<int>(tank.fuel));
    m_ui->tblTanks->setCellWidget(row, 3, fuel);
    setCell(m_ui->tblTanks, row, 4,
            tank.fuel == FuelType::Other ? number(tank.density) : QString());
}

void AircraftEditor::fill(const Aircraft& a) {
    m_ui->txtName->setText(QString::fromStdString(a.name));
    m_ui->txtRegistration->setText(QString::fromStdString(a.registration));
    m_ui->cboUnits->setCurrentIndex(static_cast<int>(a.units));
    const bool blank = a.emptyWeight == 0;  // a new aircraft starts with empty fields
    const auto figure = [blank](double v) { return blank ? QString() : number(v); };
    m_ui->txtEmptyWeight->setText(figure(a.emptyWeight));
    m_ui->txtEmptyArm->setText(figure(a.emptyArm));
    m_ui->txtMaxRamp->setText(figure(a.maxRampWeight));
    m_ui->txtMaxTakeoff->setText(figure(a.maxTakeoffWeight));
    m_ui->txtMaxLanding->setText(figure(a.maxLandingWeight));
    m_ui->txtLemac->setText(optionalNumber(a.lemac));
    m_ui->txtMacLength->setText(optionalNumber(a.macLength));
    m_ui->txtCruiseTas->setText(optionalNumber(a.cruiseTas));
    m_ui->txtFuelFlow->setText(optionalNumber(a.fuelFlow));
    for (const auto& [performance, fields] : {std::pair{&a.climb, performanceFields(true)},
                                              std::pair{&a.descent, performanceFields(false)}}) {
        const auto& p = *performance;
        fields[0]->setText(p ? number(p->rate) : QString());
        fields[1]->setText(p ? number(p->trueAirspeed) : QString());
        fields[2]->setText(p ? number(p->fuelFlow) : QString());
    }
    for (const Station& s : a.stations) {
        const int row = m_ui->tblStations->rowCount();
        m_ui->tblStations->insertRow(row);
        setCell(m_ui->tblStations, row, 0, QString::fromStdString(s.name));
        setCell(m_ui->tblStations, row, 1, number(s.arm));
        setCell(m_ui->tblStations, row, 2, optionalNumber(s.maxWeight));
    }
    for (const Tank& t : a.tanks) {
        addTankRow(t);
    }
    const QSignalBlocker normal(m_ui->tblEnvelope);
    const QSignalBlocker utility(m_ui->tblUtility);
    for (const auto& [envelope, table] :
         {std::pair{&a.normal, m_ui->tblEnvelope}, std::pair{&a.utility, m_ui->tblUtility}}) {
        for (const EnvelopePoint& p : *envelope) {
            const int row = table->rowCount();
            table->insertRow(row);
            setCell(table, row, 0, number(p.weight));
            setCell(table, row, 1, number(p.arm));
        }
    }
}

std::optional<Aircraft> AircraftEditor::read(QString* fault) const {
    Aircraft a;
    a.name = m_ui->txtName->text().trimmed().toStdString();
    a.registration = m_ui->txtRegistration->text().trimmed().toStdString();
    a.units = static_cast<Units>(std::max(0, m_ui->cboUnits->currentIndex()));
    const struct {
        QLineEdit* field;
        double* value;
        const QLabel* caption;
    } required[] = {{m_ui->txtEmptyWeight, &a.emptyWeight, m_ui->lblEmptyWeight},
                    {m_ui->txtEmptyArm, &a.emptyArm, m_ui->lblEmptyArm},
                    {m_ui->txtMaxRamp, &a.maxRampWeight, m_ui->lblMaxRamp},
                    {m_ui->txtMaxTakeoff, &a.maxTakeoffWeight, m_ui->lblMaxTakeoff},
                    {m_ui->txtMaxLanding, &a.maxLandingWeight, m_ui->lblMaxLanding}};
    for (const auto& r : required) {
        const auto value = parse(r.field->text());
        if (!value) {
            *fault = tr("%1 must be a number.").arg(captionOf(r.caption));
            return std::nullopt;
        }
        *r.value = *value;
    }
    const struct {
        QLineEdit* field;
        std::optional<double>* value;
        const QLabel* caption;
    } optional[] = {{m_ui->txtLemac, &a.lemac, m_ui->lblLemac},
                    {m_ui->txtMacLength, &a.macLength, m_ui->lblMacLength},
                    {m_ui->txtCruiseTas, &a.cruiseTas, m_ui->lblCruiseTas},
                    {m_ui->txtFuelFlow, &a.fuelFlow, m_ui->lblFuelFlow}};
    for (const auto& o : optional) {
        if (o.field->text().trimmed().isEmpty()) {
            continue;
        }
        const auto value = parse(o.field->text());
        if (!value) {
            *fault = tr("%1 must be a number or left empty.").arg(captionOf(o.caption));
            return std::nullopt;
        }
        *o.value = *value;
    }
    for (const bool climb : {true, false}) {
        if (!readPerformance(climb, climb ? &a.climb : &a.descent, fault)) {
            return std::nullopt;
        }
    }
    for (int row = 0; row < m_ui->tblStations->rowCount(); ++row) {
        const auto arm = parse(cell(m_ui->tblStations, row, 1));
        const QString max = cell(m_ui->tblStations, row, 2);
        const auto maxWeight = parse(max);
        if (!arm || (!max.isEmpty() && !maxWeight)) {
            *fault = tr("Station %1 needs an arm and, if any, a maximum weight as numbers.")
                         .arg(row + 1);
            return std::nullopt;
        }
        a.stations.push_back({cell(m_ui->tblStations, row, 0).toStdString(), *arm,
                              max.isEmpty() ? std::nullopt : maxWeight});
    }
    for (int row = 0; row < m_ui->tblTanks->rowCount(); ++row) {
        const auto arm = parse(cell(m_ui->tblTanks, row, 1));
        const auto capacity = parse(cell(m_ui->tblTanks, row, 2));
        const auto* fuel = qobject_cast<QComboBox*>(m_ui->tblTanks->cellWidget(row, 3));
        const FuelType type = static_cast<FuelType>(fuel ? std::max(0, fuel->currentIndex()) : 0);
        const auto density = parse(cell(m_ui->tblTanks, row, 4));
        if (!arm || !capacity || (type == FuelType::Other && !density)) {
            *fault =
                tr("Tank %1 needs an arm, a capacity and, for other fuel, a density as numbers.")
                    .arg(row + 1);
            return std::nullopt;
        }
        a.tanks.push_back({cell(m_ui->tblTanks, row, 0).toStdString(), *arm, *capacity, type,
                           type == FuelType::Other ? *density : 0.0});
    }
    a.normal = envelopeOf(m_ui->tblEnvelope, fault, tr("envelope"));
    a.utility = envelopeOf(m_ui->tblUtility, fault, tr("utility envelope"));
    if (!fault->isEmpty()) {
        return std::nullopt;
    }
    if (const auto error = checkNames(a)) {
        *fault = sentence({error->first.toStdString(), error->second.toStdString()});
        return std::nullopt;
    }
    if (const auto error = checkAircraft(a)) {
        *fault = sentence(*error);
        return std::nullopt;
    }
    return a;
}

QString AircraftEditor::sentence(const ProfileError& error) const {
    const QString key = QString::fromStdString(error.key);
    const QString reason = QString::fromStdString(error.reason);
    if (key == QLatin1String("name") && reason == QLatin1String("is empty")) {
        return tr("The aircraft needs a name.");
    }
    if (key == QLatin1String("lemac") || key == QLatin1String("macLength")) {
        if (reason.startsWith(QLatin1String("is needed"))) {
            return tr("%1 and %2 go together: fill in both or neither.")
                .arg(captionOf(m_ui->lblLemac), captionOf(m_ui->lblMacLength));
        }
    }
    // The subject: a field by its caption, a table's cell by its column and row, an
    // envelope by its frame's title.
    const QHash<QString, const QLabel*> fields = {
        {QStringLiteral("name"), m_ui->lblName},
        {QStringLiteral("registration"), m_ui->lblRegistration},
        {QStringLiteral("emptyWeight"), m_ui->lblEmptyWeight},
        {QStringLiteral("emptyArm"), m_ui->lblEmptyArm},
        {QStringLiteral("maxRampWeight"), m_ui->lblMaxRamp},
        {QStringLiteral("maxTakeoffWeight"), m_ui->lblMaxTakeoff},
        {QStringLiteral("maxLandingWeight"), m_ui->lblMaxLanding},
        {QStringLiteral("lemac"), m_ui->lblLemac},
        {QStringLiteral("macLength"), m_ui->lblMacLength},
        {QStringLiteral("cruiseTas"), m_ui->lblCruiseTas},
        {QStringLiteral("fuelFlow"), m_ui->lblFuelFlow},
        {QStringLiteral("climb.rate"), m_ui->lblClimbRate},
        {QStringLiteral("climb.trueAirspeed"), m_ui->lblClimbTas},
        {QStringLiteral("climb.fuelFlow"), m_ui->lblClimbFuelFlow},
        {QStringLiteral("descent.rate"), m_ui->lblDescentRate},
        {QStringLiteral("descent.trueAirspeed"), m_ui->lblDescentTas},
        {QStringLiteral("descent.fuelFlow"), m_ui->lblDescentFuelFlow}};
    QString subject = key;
    static const QRegularExpression indexed(QStringLiteral(
        "^(stations|tanks|envelope|utilityEnvelope)(?:\\[(\\d+)\\](?:\\.(\\w+))?)?$"));
    const QLabel* field = fields.value(key);
    if (field != nullptr) {
        subject = captionOf(field);
    } else if (const auto match = indexed.match(key); match.hasMatch()) {
        const QString list = match.captured(1);
        const int row = match.captured(2).toInt() + 1;
        const QString part = match.captured(3);
        const bool stations = list == QLatin1String("stations");
        const bool tanks = list == QLatin1String("tanks");
        const QTableWidget* table = stations                            ? m_ui->tblStations
                                    : tanks                             ? m_ui->tblTanks
                                    : list == QLatin1String("envelope") ? m_ui->tblEnvelope
                                                                        : m_ui->tblUtility;
        const QString title = table->accessibleName();
        // The file's names of the columns, in the tables' order.
        static const QHash<QString, int> columns = {
            {QStringLiteral("name"), 0},     {QStringLiteral("weight"), 0},
            {QStringLiteral("arm"), 1},      {QStringLiteral("maxWeight"), 2},
            {QStringLiteral("capacity"), 2}, {QStringLiteral("density"), 4}};
        const int column = columns.value(part, 0);
        if (part.isEmpty()) {
            subject = title;
        } else if (stations) {
            subject = tr("The %1 of station %2").arg(columnOf(table, column)).arg(row);
        } else if (tanks) {
            subject = tr("The %1 of tank %2").arg(columnOf(table, column)).arg(row);
        } else {
            subject = tr("The %1 of point %2 of the %3")
                          .arg(columnOf(table, column))
                          .arg(row)
                          .arg(inSentence(title));
        }
    }
    if (error.range) {
        // The figure as typed and its range, each with every digit that tells them apart.
        const RangeFault& range = *error.range;
        if (field != nullptr) {
            // The figure names its unit: "Cruise TAS is 1000.5 kt", not "Cruise TAS (kt) is".
            static const QRegularExpression bracket(QStringLiteral(" \\([^)]*\\)$"));
            subject.remove(bracket);
        }
        const QString unit = QString::fromStdString(range.unit);
        const auto figure = [&unit](double value) {
            const QString digits = QString::fromStdString(formatExact(value));
            return unit.isEmpty() ? digits : digits + u' ' + unit;
        };
        const QString low = QString::fromStdString(formatExact(range.low));
        return range.aboveLow ? tr("%1 is %2; it must be more than %3 and at most %4.")
                                    .arg(subject, figure(range.value), low, figure(range.high))
                              : tr("%1 is %2; it must be from %3 to %4.")
                                    .arg(subject, figure(range.value), low, figure(range.high));
    }
    static const QHash<QString, const char*> reasons = {
        {QStringLiteral("is not a finite number"), QT_TR_NOOP("%1 must be a number.")},
        {QStringLiteral("needs at least three points"),
         QT_TR_NOOP("%1 needs at least three points.")},
        {QStringLiteral("crosses itself or repeats a point"),
         QT_TR_NOOP("%1 crosses itself or repeats a point.")},
        {QStringLiteral("encloses no area"), QT_TR_NOOP("%1 encloses no area.")}};
    if (const char* pattern = reasons.value(reason)) {
        return tr(pattern).arg(subject);
    }
    return tr("%1 %2.").arg(subject, reason);
}

std::array<QLineEdit*, 3> AircraftEditor::performanceFields(bool climb) const {
    if (climb) {
        return {m_ui->txtClimbRate, m_ui->txtClimbTas, m_ui->txtClimbFuelFlow};
    }
    return {m_ui->txtDescentRate, m_ui->txtDescentTas, m_ui->txtDescentFuelFlow};
}

bool AircraftEditor::readPerformance(bool climb, std::optional<ClimbPerformance>* performance,
                                     QString* fault) const {
    const std::array<QLineEdit*, 3> fields = performanceFields(climb);
    const std::array<const QLabel*, 3> captions =
        climb ? std::array<const QLabel*, 3>{m_ui->lblClimbRate, m_ui->lblClimbTas,
                                             m_ui->lblClimbFuelFlow}
              : std::array<const QLabel*, 3>{m_ui->lblDescentRate, m_ui->lblDescentTas,
                                             m_ui->lblDescentFuelFlow};
    std::array<std::optional<double>, 3> values;
    int filled = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i]->text().trimmed().isEmpty()) {
            continue;
        }
        values[i] = parse(fields[i]->text());
        if (!values[i]) {
            *fault = tr("%1 must be a number or left empty.").arg(captionOf(captions[i]));
            return false;
        }
        ++filled;
    }
    if (filled == 0) {
        performance->reset();
        return true;
    }
    if (filled < 3) {
        *fault = tr("%1, %2 and %3 go together: fill in all three or none.")
                     .arg(captionOf(captions[0]), inSentence(captionOf(captions[1])),
                          inSentence(captionOf(captions[2])));
        return false;
    }
    *performance = ClimbPerformance{*values[0], *values[1], *values[2]};
    return true;
}

void AircraftEditor::updatePreview() {
    const Units units = static_cast<Units>(std::max(0, m_ui->cboUnits->currentIndex()));
    GraphData data;
    data.normal = envelopeOf(m_ui->tblEnvelope, nullptr, {});
    data.utility = envelopeOf(m_ui->tblUtility, nullptr, {});
    data.weightUnit = QString::fromLatin1(weightUnit(units));
    data.armUnit = QString::fromLatin1(armUnit(units));
    m_ui->graphPreview->setData(data);
}

void AircraftEditor::accept() {
    QString fault;
    const auto aircraft = read(&fault);
    if (!aircraft) {
        m_ui->lblEditorError->setText(fault);
        m_ui->lblEditorError->show();
        return;
    }
    m_aircraft = *aircraft;
    QDialog::accept();
}

}  // namespace aerolume::aircraft
