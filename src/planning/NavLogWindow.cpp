// SPDX-License-Identifier: GPL-3.0-or-later
#include "NavLogWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

#include "PlanFile.h"
#include "PlanPrint.h"
#include "PlanText.h"
#include "PrintHook.h"
#include "PrintLoader.h"
#include "aircraft/AircraftStore.h"
#include "common/Durations.h"
#include "common/FormatMask.h"
#include "common/StoredEntries.h"
#include "navigation/WmmCoefficients.h"
#include "platform/Beep.h"
#include "platform/SettingsStore.h"
#include "ui_NavLogWindow.h"

namespace aerolume::planning {
namespace {

const QString kSettingsApp = QString::fromLatin1(stored::navlog::kApplication);
const QString kSettingsSection = QString::fromLatin1(stored::navlog::kSection);
const QString kLastFolder = QString::fromLatin1(stored::navlog::kLastFolder);

constexpr FuelUnit kFuelUnits[] = {FuelUnit::UsGallons, FuelUnit::Litres, FuelUnit::Pounds,
                                   FuelUnit::Kilograms};
const QPageSize::PageSizeId kPageSizes[] = {QPageSize::A4, QPageSize::Letter, QPageSize::A5,
                                            QPageSize::Statement};

QString number(double value) {
    return QString::number(value, 'g', 10);
}

QString variationText(double value) {
    if (value == 0) {
        return QStringLiteral("0");
    }
    return number(std::fabs(value)) + (value > 0 ? u'E' : u'W');
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QDate toQDate(const std::optional<PlanDate>& date) {
    return date ? QDate(date->year, date->month, date->day) : QDate();
}

// A new plan is for a flight today.
Plan newPlan() {
    Plan plan;
    const QDate today = QDate::currentDate();
    plan.date = PlanDate{today.year(), today.month(), today.day()};
    return plan;
}

}  // namespace

NavLogWindow::NavLogWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Navigation Log")), m_ui(std::make_unique<Ui::NavLogForm>()) {
    setObjectName(QStringLiteral("NavLog"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResults({}, {}, m_ui->ErrorLbl, 10, false);
    setHelp({tr("A navigation log: the route as checkpoints in flight order, and for every leg "
                "(the line from one checkpoint to the next) its course, distance, wind "
                "correction, headings, ground speed, time and fuel, with running totals."),
             tr("Type each checkpoint's name, latitude and longitude in the table (Tab, Enter "
                "and the arrows move between cells). Positions are typed as degrees (33.95N, "
                "-118.4) or degrees, minutes and seconds with the hemisphere (33 57 00 N, "
                "118°24'W)."),
             tr("Each row also holds the leg that ends at its checkpoint: altitude, TAS and "
                "wind left empty (grey) take the plan values above the table; a value typed "
                "there overrides them for that leg. Variation is east (E) or west (W); west "
                "is added to the true heading, east subtracted."),
             tr("A leg's variation left empty comes from the World Magnetic Model 2025 (grey "
                "italic): its value at the middle of the leg's rhumb line, at the leg's "
                "altitude, on the flight date (year-month-day). Type a variation to override "
                "it; empty the cell to return to the model's. The plan's variation above the "
                "table applies only where the model gives none: a plan without a date, or "
                "where the compass is useless near the magnetic poles."),
             tr("Insert, delete and move checkpoints from the Edit menu; every edit can be "
                "undone. Save the plan as a file, export it as CSV, or as a PDF page for the "
                "kneeboard in the page size chosen above the table.")});

    m_model = new NavLogModel(&m_stack, this);
    m_model->resetPlan(newPlan());
    m_ui->tblLog->setModel(m_model);
    m_ui->tblLog->setEditTriggers(QAbstractItemView::AnyKeyPressed |
                                  QAbstractItemView::DoubleClicked |
                                  QAbstractItemView::EditKeyPressed);
    m_ui->tblLog->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ui->tblLog->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_ui->tblLog->setMinimumHeight(m_ui->tblLog->verticalHeader()->defaultSectionSize() * 6);
    m_ui->tblLog->setAccessibleName(tr("Checkpoints"));

    buildMenus();
    setUpFields();
    connect(m_model, &NavLogModel::planChanged, this, &NavLogWindow::showPlan);
    connect(m_model, &NavLogModel::refused, this,
            [this](const QModelIndex&, const QString& message) { report(message); });
    connect(m_model, &NavLogModel::touched, this, [this](int row, int column) {
        if (row < 0 || row >= m_model->rowCount()) {
            return;
        }
        const int col = column >= 0 ? column : std::max(0, m_ui->tblLog->currentIndex().column());
        m_ui->tblLog->setCurrentIndex(m_model->index(row, col));
    });
    connect(&m_stack, &QUndoStack::cleanChanged, this, [this](bool) { showCaption(); });
    showPlan();
    showCaption();
    resize(1180, 640);
}

NavLogWindow::~NavLogWindow() {
    // Hiding the window on its way out takes the focus from a field, whose entry
    // must not become a command on the stack that is already gone.
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        field->disconnect(this);
    }
}

void NavLogWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    QAction* helpMenu = bar->actions().value(0);
    auto addMenu = [&](const QString& title, const char* name) {
        auto* menu = new QMenu(title, bar);
        menu->setObjectName(QString::fromLatin1(name));
        bar->insertMenu(helpMenu, menu);
        return menu;
    };
    auto add = [](QMenu* menu, const QString& text, const char* name, const QKeySequence& key) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        return action;
    };
    QMenu* file = addMenu(tr("&File"), "menuFile");
    connect(add(file, tr("&New"), "mnuNew", QKeySequence::New), &QAction::triggered, this,
            &NavLogWindow::mnuNew_Click);
    connect(add(file, tr("&Open..."), "mnuOpen", QKeySequence::Open), &QAction::triggered, this,
            &NavLogWindow::mnuOpen_Click);
    connect(add(file, tr("&Save"), "mnuSave", QKeySequence::Save), &QAction::triggered, this,
            &NavLogWindow::mnuSave_Click);
    connect(add(file, tr("Save &As..."), "mnuSaveAs", QKeySequence::SaveAs), &QAction::triggered,
            this, &NavLogWindow::mnuSaveAs_Click);
    file->addSeparator();
    connect(add(file, tr("Export &PDF..."), "mnuExportPdf", QKeySequence()), &QAction::triggered,
            this, &NavLogWindow::mnuExportPdf_Click);
    connect(add(file, tr("Export &CSV..."), "mnuExportCsv", QKeySequence()), &QAction::triggered,
            this, &NavLogWindow::mnuExportCsv_Click);
    connect(add(file, tr("P&rint..."), "mnuPrint", QKeySequence::Print), &QAction::triggered, this,
            &NavLogWindow::mnuPrint_Click);

    QMenu* edit = addMenu(tr("&Edit"), "menuEdit");
    QAction* undo = m_stack.createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_stack.createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    connect(add(edit, tr("&Insert Checkpoint"), "mnuInsert", QKeySequence(Qt::CTRL | Qt::Key_I)),
            &QAction::triggered, this, &NavLogWindow::mnuInsert_Click);
    connect(
        add(edit, tr("&Delete Checkpoint"), "mnuDelete", QKeySequence(Qt::CTRL | Qt::Key_Delete)),
        &QAction::triggered, this, &NavLogWindow::mnuDelete_Click);
    connect(add(edit, tr("Move &Up"), "mnuMoveUp", QKeySequence(Qt::ALT | Qt::Key_Up)),
            &QAction::triggered, this, &NavLogWindow::mnuMoveUp_Click);
    connect(add(edit, tr("Move Do&wn"), "mnuMoveDown", QKeySequence(Qt::ALT | Qt::Key_Down)),
            &QAction::triggered, this, &NavLogWindow::mnuMoveDown_Click);
    edit->addSeparator();
    QMenu* aircraft = edit->addMenu(tr("Use &Aircraft"));
    aircraft->setObjectName(QStringLiteral("menuAircraft"));
    connect(aircraft, &QMenu::aboutToShow, this, &NavLogWindow::menuAircraft_Show);
}

void NavLogWindow::setUpFields() {
    for (FuelUnit unit : kFuelUnits) {
        m_ui->cboFuelUnit->addItem(tr(fuelUnitLabel(unit)));
    }
    m_ui->cboPageSize->addItems(
        {tr("A4"), tr("Letter"), tr("A5 (kneeboard)"), tr("5.5 × 8.5 in (kneeboard)")});
    const std::pair<QLineEdit*, QWidget*> chain[] = {
        {m_ui->txtPlanName, m_ui->txtDate},      {m_ui->txtDate, m_ui->txtAltitude},
        {m_ui->txtAltitude, m_ui->txtTAS},       {m_ui->txtTAS, m_ui->txtWindDir},
        {m_ui->txtWindDir, m_ui->txtWindSpeed},  {m_ui->txtWindSpeed, m_ui->txtVariation},
        {m_ui->txtVariation, m_ui->cboFuelUnit}, {m_ui->txtFuelFlow, m_ui->txtFuelStart},
        {m_ui->txtFuelStart, m_ui->txtTaxiFuel}, {m_ui->txtTaxiFuel, m_ui->txtReserve},
        {m_ui->txtReserve, m_ui->tblLog}};
    for (const auto& [field, next] : chain) {
        // The plan name and the variation take letters; the numbers and the date take
        // digits, the point and a minus. Enter takes the entry and moves on when it is valid.
        const bool letters = field == m_ui->txtPlanName || field == m_ui->txtVariation;
        const KeyRange accepted = letters ? KeyRange{32, 0x10FFFF} : kMinusPointSlashDigits;
        addCustomField(field, accepted, [this, field = field, next = next, accepted](int& key) {
            if (key == kKeyEnter) {
                // Taken here, so the field does not end its editing a second time.
                key = 0;
                if (field_Change(field, true)) {
                    next->setFocus(Qt::TabFocusReason);
                }
                return;
            }
            if (!keyPasses(key, accepted)) {
                key = 0;
                platform::beep();
            }
        });
        connect(field, &QLineEdit::editingFinished, this,
                [this, field = field] { field_Change(field, false); });
    }
    m_ui->txtPlanName->setMinimumWidth(180);
    m_ui->txtDate->setToolTip(
        tr("The day of the flight, year-month-day: the date of the World Magnetic Model's "
           "variations."));
    m_ui->txtVariation->setToolTip(
        tr("The variation of the legs without their own where the World Magnetic Model "
           "gives none: a plan without a date, or near the magnetic poles."));
    connect(m_ui->cboFuelUnit, &QComboBox::activated, this, &NavLogWindow::cboFuelUnit_Click);
    QWidget::setTabOrder(m_ui->txtReserve, m_ui->cboPageSize);
    QWidget::setTabOrder(m_ui->cboPageSize, m_ui->tblLog);
}

bool NavLogWindow::field_Change(QLineEdit* field, bool byEnter) {
    const Plan& plan = m_model->plan();
    if (field == m_ui->txtPlanName) {
        m_model->editName(field->text().trimmed());
        return true;
    }
    if (field == m_ui->txtDate) {
        return date_Change(byEnter);
    }
    PlanDefaults d = plan.defaults;
    const std::string typed = field->text().toStdString();
    struct Entry {
        QLineEdit* field;
        double* value;
        Range range;
        QString name;
    };
    const Entry entries[] = {
        {m_ui->txtAltitude, &d.altitude, kAltitudeRange, tr("cruise altitude (ft)")},
        {m_ui->txtTAS, &d.trueAirspeed, kAirspeedRange, tr("true airspeed (kt)")},
        {m_ui->txtWindDir, &d.windDirection, kWindDirectionRange, tr("wind direction (°)")},
        {m_ui->txtWindSpeed, &d.windSpeed, kWindSpeedRange, tr("wind speed (kt)")},
        {m_ui->txtFuelFlow, &d.fuelFlow, kFuelFlowRange, tr("fuel flow per hour")},
        {m_ui->txtFuelStart, &d.fuelAtStart, kFuelRange, tr("fuel at start")},
        {m_ui->txtTaxiFuel, &d.taxiFuel, kFuelRange, tr("taxi fuel")},
        {m_ui->txtReserve, &d.reserveMinutes, kReserveMinutesRange, tr("reserve in minutes")}};
    // Enter on a wrong entry keeps it selected in its field; leaving the field puts the
    // plan's value back, so that only one field is ever wrong.
    auto refuse = [&](const QString& message) {
        if (byEnter) {
            fail(message, field, OnField::SelectAndFocus);
        } else {
            fail(message, nullptr, OnField::Untouched);
            showPlan();
        }
        return false;
    };
    if (field == m_ui->txtVariation) {
        const auto value = parseVariation(typed);
        if (!value) {
            return refuse(
                tr("Type the variation as degrees east or west (12.5E, 3W, or -3 "
                   "for west), at most 180°."));
        }
        d.variation = *value;
    }
    for (const Entry& e : entries) {
        if (e.field != field) {
            continue;
        }
        const auto value = parseInRange(typed, e.range);
        if (!value) {
            return refuse(tr("Type the %1 from %2 to %3.")
                              .arg(e.name, number(e.range.min), number(e.range.max)));
        }
        *e.value = *value;
    }
    beginRun();
    m_model->editDefaults(d);
    showPlan();
    return true;
}

bool NavLogWindow::date_Change(bool byEnter) {
    QLineEdit* field = m_ui->txtDate;
    const QString typed = field->text().trimmed();
    std::optional<PlanDate> date;
    if (!typed.isEmpty()) {
        const QDate read = QDate::fromString(typed, Qt::ISODate);
        if (!read.isValid() || typed.size() != 10 || read.year() < kMinPlanYear ||
            read.year() > kMaxPlanYear) {
            const QString message =
                tr("Type the flight date as year-month-day (2026-07-14), from %1 to %2, or "
                   "leave it empty for the plan's variation on every leg.")
                    .arg(kMinPlanYear)
                    .arg(kMaxPlanYear);
            if (byEnter) {
                fail(message, field, OnField::SelectAndFocus);
            } else {
                fail(message, nullptr, OnField::Untouched);
                showPlan();
            }
            return false;
        }
        date = PlanDate{read.year(), read.month(), read.day()};
    }
    beginRun();
    m_model->editDate(date);
    showPlan();
    return true;
}

void NavLogWindow::cboFuelUnit_Click(int index) {
    PlanDefaults d = m_model->plan().defaults;
    d.fuelUnit = kFuelUnits[std::clamp(index, 0, 3)];
    m_model->editDefaults(d);
}

void NavLogWindow::menuAircraft_Show() {
    auto* menu = findChild<QMenu*>(QStringLiteral("menuAircraft"));
    menu->clear();
    for (const aircraft::AircraftSummary& a : aircraft::AircraftStore::list()) {
        if (!a.damage.isEmpty() || !a.cruiseTasKt || !a.fuelFlow) {
            continue;
        }
        const QString text =
            a.registration.isEmpty() ? a.name : tr("%1 (%2)").arg(a.name, a.registration);
        connect(menu->addAction(text), &QAction::triggered, this,
                [this, path = a.path] { useAircraft(path); });
    }
    if (menu->isEmpty()) {
        menu->addAction(tr("No aircraft with a cruise speed and fuel flow yet: make one in "
                           "Loading & Envelope"))
            ->setEnabled(false);
    }
}

void NavLogWindow::useAircraft(const QString& path) {
    for (const aircraft::AircraftSummary& a : aircraft::AircraftStore::list()) {
        if (a.path != path || !a.cruiseTasKt || !a.fuelFlow) {
            continue;
        }
        PlanDefaults d = m_model->plan().defaults;
        d.trueAirspeed = std::clamp(*a.cruiseTasKt, kAirspeedRange.min, kAirspeedRange.max);
        d.fuelFlow = std::clamp(*a.fuelFlow, kFuelFlowRange.min, kFuelFlowRange.max);
        d.fuelUnit = a.fuelFlowUnit == QLatin1String("L") ? FuelUnit::Litres : FuelUnit::UsGallons;
        beginRun();
        m_model->editDefaults(d);
        showPlan();
    }
}

void NavLogWindow::showPlan() {
    const Plan& plan = m_model->plan();
    const PlanResult& r = m_model->result();
    const PlanDefaults& d = plan.defaults;
    const std::pair<QLineEdit*, QString> fields[] = {
        {m_ui->txtPlanName, q(plan.name)},
        {m_ui->txtDate, toQDate(plan.date).toString(Qt::ISODate)},
        {m_ui->txtAltitude, number(d.altitude)},
        {m_ui->txtTAS, number(d.trueAirspeed)},
        {m_ui->txtWindDir, number(d.windDirection)},
        {m_ui->txtWindSpeed, number(d.windSpeed)},
        {m_ui->txtVariation, variationText(d.variation)},
        {m_ui->txtFuelFlow, number(d.fuelFlow)},
        {m_ui->txtFuelStart, number(d.fuelAtStart)},
        {m_ui->txtTaxiFuel, number(d.taxiFuel)},
        {m_ui->txtReserve, number(d.reserveMinutes)}};
    for (const auto& [field, text] : fields) {
        // A field with an entry being typed (or refused) keeps it.
        if (!field->hasFocus() && field->text() != text) {
            field->setText(text);
        }
    }
    m_ui->cboFuelUnit->setCurrentIndex(static_cast<int>(d.fuelUnit));

    const QString unit = tr(fuelUnitLabel(d.fuelUnit));
    const QString unknown = tr("unknown");
    auto amount = [&](const std::optional<double>& value, int decimals, const QString& suffix) {
        return value ? q(formatFixed(*value, decimals)) + u' ' + suffix : unknown;
    };
    const bool legs = plan.checkpoints.size() >= 2;
    m_ui->lblTotalDistance->setText(legs ? amount(r.totalDistance, 1, tr("NM")) : QString());
    m_ui->lblTotalTime->setText(legs ? (r.totalTime ? q(formatDuration(*r.totalTime)) : unknown)
                                     : QString());
    m_ui->lblTripFuel->setText(legs ? amount(r.tripFuel, 1, unit) : QString());
    m_ui->lblTaxiFuelTotal->setText(amount(d.taxiFuel, 1, unit));
    m_ui->lblReserveFuel->setText(amount(r.reserveFuel, 1, unit));
    m_ui->lblLandingFuel->setText(
        legs ? amount(r.legs.empty() ? std::nullopt : r.legs.back().fuelRemaining, 1, unit)
             : QString());
    m_ui->lblGreatCircle->setText(legs ? amount(r.greatCircleDistance, 1, tr("NM")) : QString());

    QStringList warnings;
    const QString model = tr("World Magnetic Model 2025");
    if (!plan.date) {
        warnings << tr("The plan has no date: every leg without a typed variation takes the "
                       "plan's. Type the flight date for the variations of the %1.")
                        .arg(model);
    } else if (const auto year = planDecimalYear(*plan.date);
               year && (*year < kWmmEpoch || *year >= kWmmValidUntil)) {
        warnings << tr("The flight date %1 is outside the %2's validity (2025-01-01 to "
                       "2029-12-31): its variations are extrapolated and may be wrong.")
                        .arg(toQDate(plan.date).toString(Qt::ISODate), model);
    }
    for (std::size_t i = 0; i < r.legs.size(); ++i) {
        if (r.legs[i].status == LegStatus::Ok) {
            continue;
        }
        warnings << tr("Leg %1 (%2 to %3): %4.")
                        .arg(i + 1)
                        .arg(q(plan.checkpoints[i].name), q(plan.checkpoints[i + 1].name),
                             tr(legWarning(r.legs[i].status)));
    }
    for (std::size_t i = 0; i < r.legs.size(); ++i) {
        const auto zone = r.legs[i].conditions.magneticZone;
        if (!zone || *zone == MagneticZone::Normal) {
            continue;
        }
        warnings << tr("Leg %1 (%2 to %3): %4")
                        .arg(i + 1)
                        .arg(q(plan.checkpoints[i].name), q(plan.checkpoints[i + 1].name),
                             *zone == MagneticZone::Caution
                                 ? tr("the magnetic field is weak near the middle of the leg; "
                                      "the compass and the model's variation are unreliable.")
                                 : tr("the compass is useless near the middle of the leg; the "
                                      "model gives no variation there, the plan's is used "
                                      "unless one is typed."));
    }
    if (r.firstBelowReserve) {
        const std::size_t at = *r.firstBelowReserve;
        warnings << tr("Fuel remaining below the reserve of %1 from checkpoint %2 (%3) on.")
                        .arg(amount(r.reserveFuel, 1, unit))
                        .arg(at + 1)
                        .arg(q(plan.checkpoints[at].name));
    }
    m_ui->lblWarnings->setText(warnings.join(u'\n'));
    m_ui->lblWarnings->setVisible(!warnings.isEmpty());
    Q_EMIT planChanged();
}

void NavLogWindow::showCaption() {
    const QString name = m_path.isEmpty() ? tr("Untitled") : QFileInfo(m_path).fileName();
    setWindowTitle(tr("Navigation Log - %1[*]").arg(name));
    setWindowModified(!m_stack.isClean());
}

QVariant NavLogWindow::tripFuel() const {
    const auto& fuel = m_model->result().tripFuel;
    return fuel ? QVariant(*fuel) : QVariant();
}

QString NavLogWindow::fuelUnit() const {
    return QString::fromLatin1(fuelUnitKey(m_model->plan().defaults.fuelUnit));
}

QPageSize NavLogWindow::pageSize() const {
    return QPageSize(kPageSizes[std::clamp(m_ui->cboPageSize->currentIndex(), 0, 3)]);
}

int NavLogWindow::currentRow() const {
    const QModelIndex current = m_ui->tblLog->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void NavLogWindow::report(const QString& message) {
    platform::beep();
    fail(message, nullptr, OnField::Untouched);
}

bool NavLogWindow::maybeSave() {
    if (m_stack.isClean()) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, tr("Navigation Log"),
                    tr("The plan has changes that are not saved. Save them?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("msgUnsaved"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return mnuSave_Click();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

QString NavLogWindow::askFile(bool save, const QString& title, const QString& filter,
                              const QString& suffix) {
    QString folder = platform::readSetting(kSettingsApp, kSettingsSection, kLastFolder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    QFileDialog dialog(this, title, folder, filter);
    dialog.setObjectName(QStringLiteral("dlgFile"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    if (save && !m_path.isEmpty()) {
        dialog.selectFile(QFileInfo(m_path).completeBaseName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString path = dialog.selectedFiles().constFirst();
    platform::writeSettings(kSettingsApp, kSettingsSection,
                            {{kLastFolder, QFileInfo(path).absolutePath()}});
    return path;
}

bool NavLogWindow::openFile(const QString& path) {
    const auto read = readPlanFile(path);
    if (const auto* message = std::get_if<QString>(&read)) {
        QMessageBox::warning(this, tr("Navigation Log"), *message);
        return false;
    }
    m_model->resetPlan(std::get<Plan>(read));
    m_stack.clear();
    m_path = QFileInfo(path).absoluteFilePath();
    beginRun();
    showPlan();
    showCaption();
    if (m_model->rowCount() > 0) {
        m_ui->tblLog->setCurrentIndex(m_model->index(0, 0));
    }
    return true;
}

bool NavLogWindow::saveFile(const QString& path) {
    const QString message = savePlanFile(path, m_model->plan());
    if (!message.isEmpty()) {
        QMessageBox::warning(this, tr("Navigation Log"), message);
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_stack.setClean();
    showCaption();
    return true;
}

bool NavLogWindow::exportPdf(const QString& path) {
    const QString message = writePlanPdf(path, m_model->plan(), m_model->result(), pageSize(),
                                         toQDate(m_model->plan().date));
    if (!message.isEmpty()) {
        QMessageBox::warning(this, tr("Navigation Log"), message);
        return false;
    }
    return true;
}

bool NavLogWindow::exportCsv(const QString& path) {
    QSaveFile file(path);
    const QByteArray csv = QByteArray::fromStdString(planCsv(m_model->plan(), m_model->result()));
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        QMessageBox::warning(
            this, tr("Navigation Log"),
            tr("The CSV file %1 cannot be written: %2.").arg(path, file.errorString()));
        return false;
    }
    return true;
}

bool NavLogWindow::print() {
    const auto printPages = reinterpret_cast<PrintFunction>(resolvePrintSymbol(kPrintSymbol));
    if (printPages == nullptr) {
        report(
            tr("Printing is not available on this computer. Use Export PDF in the File "
               "menu and print the PDF file instead."));
        return false;
    }
    const QPageSize size = pageSize();
    const PaintPages paint = [this](QPagedPaintDevice& device) {
        return paintPlanPages(device, m_model->plan(), m_model->result(), QDate::currentDate());
    };
    const int pages = printPages(this, &size, &paint);
    if (pages < 0) {
        report(tr("The navigation log could not be printed."));
    }
    return pages > 0;
}

void NavLogWindow::mnuNew_Click() {
    if (!maybeSave()) {
        return;
    }
    m_model->resetPlan(newPlan());
    m_stack.clear();
    m_path.clear();
    beginRun();
    showCaption();
}

void NavLogWindow::mnuOpen_Click() {
    if (!maybeSave()) {
        return;
    }
    const QString path =
        askFile(false, tr("Open Plan"), tr("Plans (*.%1)").arg(QLatin1String(kPlanSuffix)),
                QString::fromLatin1(kPlanSuffix));
    if (!path.isEmpty()) {
        openFile(path);
    }
}

bool NavLogWindow::mnuSave_Click() {
    return m_path.isEmpty() ? mnuSaveAs_Click() : saveFile(m_path);
}

bool NavLogWindow::mnuSaveAs_Click() {
    const QString path =
        askFile(true, tr("Save Plan"), tr("Plans (*.%1)").arg(QLatin1String(kPlanSuffix)),
                QString::fromLatin1(kPlanSuffix));
    return !path.isEmpty() && saveFile(path);
}

void NavLogWindow::mnuExportPdf_Click() {
    const QString path =
        askFile(true, tr("Export PDF"), tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (!path.isEmpty()) {
        exportPdf(path);
    }
}

void NavLogWindow::mnuExportCsv_Click() {
    const QString path =
        askFile(true, tr("Export CSV"), tr("CSV files (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty()) {
        exportCsv(path);
    }
}

void NavLogWindow::mnuPrint_Click() {
    print();
}

void NavLogWindow::mnuInsert_Click() {
    const int row = currentRow();
    m_model->insertCheckpoint(row < 0 ? m_model->rowCount() : row + 1);
    m_ui->tblLog->setFocus();
}

void NavLogWindow::mnuDelete_Click() {
    m_model->deleteCheckpoint(currentRow());
}

void NavLogWindow::mnuMoveUp_Click() {
    m_model->moveCheckpoint(currentRow(), currentRow() - 1);
}

void NavLogWindow::mnuMoveDown_Click() {
    m_model->moveCheckpoint(currentRow(), currentRow() + 1);
}

void NavLogWindow::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    CalculatorWindow::closeEvent(event);
}

}  // namespace aerolume::planning
