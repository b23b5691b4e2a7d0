// SPDX-License-Identifier: GPL-3.0-or-later
#include "NavLogWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QScreen>
#include <algorithm>

#include "CheckpointEditor.h"
#include "PlanFile.h"
#include "PlanText.h"
#include "PlanWarningText.h"
#include "common/Durations.h"
#include "common/FormatMask.h"
#include "common/StoredEntries.h"
#include "navigation/WmmCoefficients.h"
#include "platform/Beep.h"
#include "shell/FormScroller.h"
#include "ui_NavLogWindow.h"

namespace aerolume::planning {
namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The warnings shown at once; more scroll.
constexpr int kWarningLines = 5;

// A new plan is for a flight today.
Plan newPlan() {
    Plan plan;
    const QDate today = QDate::currentDate();
    plan.date = PlanDate{today.year(), today.month(), today.day()};
    // With a fuel plan at its defaults (FuelPlan.h).
    plan.fuelPlan = FuelPlanInputs{};
    return plan;
}

}  // namespace

NavLogWindow::NavLogWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Navigation Log")), m_ui(std::make_unique<Ui::NavLogForm>()) {
    setObjectName(QStringLiteral("NavLog"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* form = new QWidget;
    m_ui->setupUi(form);
    // On a screen too small for the form (a large scale or font) the form scrolls.
    auto* scroller = new FormScroller(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidget(form);
    setForm(scroller);
    setResultsAndMessage({}, {}, m_ui->ErrorLbl);
    setEnterSound(EnterSound::Silent);
    styleMessageLabel(m_ui->lblWarnings);
    setHelp({tr("A navigation log: the route as checkpoints in flight order, and for every leg "
                "(the line from one checkpoint to the next) its course, distance, wind "
                "correction, headings, ground speed, time and fuel, with running totals."),
             tr("Type each checkpoint in the table, from the departure to the destination "
                "(Tab, Enter and the arrows move between cells; typing in the row marked * "
                "below the last adds a checkpoint). In the Checkpoint cell type an identifier "
                "(EGTK, LFAT, the VOR CPT) or a name: the matching airports and navaids of the "
                "airport data are listed as you type; the Down arrow and Enter, or a click, "
                "take one, with its name, position and, for an airport, its elevation. An "
                "identifier of one place is taken by Enter alone; one that names several "
                "places lists them all, nearest to the checkpoint before first, with their "
                "kind and country."),
             tr("A fix from a navaid is typed as its identifier, the radial and the distance in "
                "NM: SAM 270/15 or SAM270015 (the 270° magnetic radial, 15 NM out), turned to "
                "true with the navaid's own variation from the data, else the World Magnetic "
                "Model's. A checkpoint of your own is a name and a position typed in the "
                "Latitude and Longitude cells, as degrees (33.95N, -118.4) or degrees, minutes "
                "and seconds with the hemisphere (33 57 00 N, 118°24'W). The plan file keeps "
                "every position, so a plan opens and flies without the airport data. The "
                "Elev. cell holds the field elevation in ft: the airport's from the data, or "
                "typed."),
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
             tr("The Notes column says in words what the shading of a row means: a position "
                "repeated, a leg that cannot be flown, the fuel below the reserve, and where "
                "the fuel runs out (the fuel left never goes below zero)."),
             tr("Departure time (UTC) is the time of take-off at the first checkpoint, as hh:mm "
                "(1630 is read as 16:30); the ETA column then gives the time at every checkpoint "
                "(\"+1\" on the day after), and the local time is shown beside the field, in this "
                "computer's time zone on the flight date. Left empty, the ETAs stay blank."),
             tr("Climb and Descent take the aircraft's rate (ft/min), true airspeed (kt) and "
                "fuel flow (per hour). The log then climbs from the departure's elevation to "
                "the cruise altitude and descends to the destination's elevation plus the "
                "pattern altitude; each part is flown in the wind of the leg it lies in. The "
                "top of climb and the top of descent are named in the Notes of the row they "
                "fall in, at their distance along its leg, and in the line below the table; a "
                "climb or descent that does not fit the route is a warning. Left empty, the log "
                "is level at cruise (without descent figures, there is no descent to the "
                "destination), and the line below the table says so."),
             tr("The fuel plan adds up taxi, trip (climb and descent included), contingency (a "
                "percentage of the trip fuel), alternate (the leg from the destination to the "
                "alternate airport typed by its identifier, at the cruise airspeed and fuel flow "
                "and at its own altitude, or the cruise altitude), final reserve (the reserve "
                "minutes at the cruise fuel flow) and extra fuel, against the fuel at start; a "
                "margin below zero is a shortfall, and warned. A contingency left empty means no "
                "fuel plan. The defaults follow the common minimum rules for light aeroplanes: a "
                "final reserve of 45 minutes, the night VFR and IFR minimum of 14 CFR 91.151 and "
                "91.167 and of EASA NCO.OP.125 (30 minutes is their day VFR minimum), and a "
                "contingency of 5 %, an allowance for the unforeseen those rules ask for without "
                "fixing a percentage. The pilot in command is responsible for the fuel that the "
                "rules of the flight require; the plan only adds up what it is given."),
             tr("Insert, delete and move checkpoints from the Edit menu; every edit can be "
                "undone. Edit, Airport Information shows the airport or navaid of the current "
                "checkpoint in the Airport window; closing it brings the log back. Save the "
                "plan as a file, export it as CSV, or as a PDF page for the kneeboard in the "
                "page size chosen above the table."),
             tr("Edit, Use Aircraft takes an aircraft kept in the loading window: its name and "
                "registration (printed in the header and kept in the plan), cruise airspeed, "
                "fuel flow and fuel unit, and its climb and descent figures where it has them. "
                "Edit, Loading for This Flight then opens the loading window on that aircraft, "
                "with the fuel at start less taxi in its tanks and the trip fuel as the burn; "
                "closing it brings the log back as it was.")});

    m_model = new NavLogModel(&m_stack, this);
    m_model->resetPlan(newPlan());
    m_ui->tblLog->setModel(m_model);
    m_ui->tblLog->setItemDelegateForColumn(NavLogModel::Name,
                                           new CheckpointDelegate(m_model, m_ui->tblLog));
    m_ui->tblLog->setEditTriggers(QAbstractItemView::AnyKeyPressed |
                                  QAbstractItemView::DoubleClicked |
                                  QAbstractItemView::EditKeyPressed);
    m_ui->tblLog->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ui->tblLog->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // A long checkpoint name is cut (its tooltip has the whole of it), not a column
    // wider than the window.
    m_ui->tblLog->horizontalHeader()->setMaximumSectionSize(fontMetrics().averageCharWidth() * 32);
    m_ui->tblLog->setMinimumHeight(m_ui->tblLog->verticalHeader()->defaultSectionSize() * 6);
    m_ui->tblLog->setAccessibleName(tr("Checkpoints"));

    DocumentKind kind{tr("Navigation Log"),
                      tr("Navigation Log - %1[*]"),
                      tr("Untitled"),
                      tr("The plan has changes that are not saved. Save them?"),
                      tr("Open Plan"),
                      tr("Save Plan"),
                      tr("Plans (*.%1)").arg(QLatin1String(kPlanSuffix)),
                      QString::fromLatin1(kPlanSuffix),
                      QString::fromLatin1(stored::navlog::kApplication),
                      QString::fromLatin1(stored::navlog::kSection),
                      QString::fromLatin1(stored::navlog::kLastFolder)};
    const auto read = [this](const QString& path) {
        const auto plan = readPlanFile(path);
        if (const auto* message = std::get_if<QString>(&plan)) {
            return *message;
        }
        m_model->resetPlan(std::get<Plan>(plan));
        beginRun();
        showPlan();
        showFields(true);
        if (m_model->rowCount() > 0) {
            m_ui->tblLog->setCurrentIndex(m_model->index(0, 0));
        }
        return QString();
    };
    const auto write = [this](const QString& path) { return savePlanFile(path, m_model->plan()); };
    const auto reset = [this] {
        m_model->resetPlan(newPlan());
        beginRun();
        showFields(true);
    };
    m_document = new DocumentCommands(this, &m_stack, std::move(kind), read, write, reset);

    buildMenus();
    setUpFields();
    setUpRoute();
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
    showPlan();
    m_document->showCaption();
    fitTo(screen()->availableGeometry().size());
}

void NavLogWindow::fitTo(QSize screenRoom) {
    // 1340 x 700 fits a 1366 x 768 screen in the standard font (17 px a line), the table
    // scrolling to its last columns.
    const double scale = std::max(1.0, fontMetrics().height() / 17.0);
    resize(QSize(static_cast<int>(1340 * scale), static_cast<int>(700 * scale))
               .boundedTo(screenRoom - QSize(16, 48)));
}

NavLogWindow::~NavLogWindow() {
    // Hiding the window on its way out takes the focus from a field, whose entry
    // must not become a command on the stack that is already gone; a cell's editor still
    // open (the program ending with the window open) is closed by the view here without
    // its entry being taken, and the model tells this window nothing more.
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        field->disconnect(this);
    }
    m_ui->tblLog->reset();
    m_model->disconnect(this);
    // The stack, a member, goes before the file commands, a child, and says on its way
    // that it is clean: the caption of a window being destroyed is not written.
    m_stack.disconnect(m_document);
    // The table goes first, while the stack its model commits to is still there.
    delete takeCentralWidget();
}

void NavLogWindow::showPlan() {
    const Plan& plan = m_model->plan();
    const PlanResult& r = m_model->result();
    const PlanDefaults& d = plan.defaults;
    showFields();

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
    // No great circle joins a route's end to its start, nor antipodes.
    m_ui->lblGreatCircle->setText(!legs ? QString()
                                  : r.greatCircleDistance
                                      ? amount(r.greatCircleDistance, 1, tr("NM"))
                                      : tr("none"));

    const QStringList warnings = tableWarningTexts(plan, r);
    m_ui->lblWarnings->setText(warnings.join(u'\n'));
    m_ui->lblWarnings->setVisible(!warnings.isEmpty());
    // A long list scrolls in a box of a few lines rather than growing the window.
    const int lines = std::min<int>(static_cast<int>(warnings.size()), kWarningLines);
    m_ui->scrWarnings->setFixedHeight(lines * m_ui->lblWarnings->fontMetrics().lineSpacing() + 4);
    m_ui->scrWarnings->setVisible(!warnings.isEmpty());
    showFlight();
    Q_EMIT planChanged();
}

QDate NavLogWindow::flightDate() const {
    const auto& date = m_model->plan().date;
    return date ? QDate(date->year, date->month, date->day) : QDate();
}

QVariant NavLogWindow::tripFuel() const {
    const auto& fuel = m_model->result().tripFuel;
    return fuel ? QVariant(*fuel) : QVariant();
}

QString NavLogWindow::fuelUnit() const {
    return QString::fromLatin1(fuelUnitKey(m_model->plan().defaults.fuelUnit));
}

int NavLogWindow::currentRow() const {
    const QModelIndex current = m_ui->tblLog->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void NavLogWindow::report(const QString& message) {
    platform::beep();
    fail(message, nullptr, OnField::Untouched);
}

bool NavLogWindow::openFile(const QString& path) {
    return m_document->openFile(path);
}

bool NavLogWindow::saveFile(const QString& path) {
    return m_document->saveFile(path);
}

void NavLogWindow::mnuNew_Click() {
    m_document->newDocument();
}

void NavLogWindow::mnuOpen_Click() {
    m_document->open();
}

bool NavLogWindow::mnuSave_Click() {
    return m_document->save();
}

bool NavLogWindow::mnuSaveAs_Click() {
    return m_document->saveAs();
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
    // A cell still being typed in is taken first, so that the question knows of it.
    if (const QWidget* focused = QApplication::focusWidget();
        focused != nullptr && m_ui->tblLog->viewport()->isAncestorOf(focused)) {
        m_ui->tblLog->setFocus();
    }
    if (!m_document->maybeSave()) {
        event->ignore();
        return;
    }
    CalculatorWindow::closeEvent(event);
}

}  // namespace aerolume::planning
