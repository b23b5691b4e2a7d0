// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log's menus: File, Edit with the Airport window on a checkpoint, the
// Use Aircraft list and the loading window for this flight.
#include <QFileInfo>
#include <QMenuBar>
#include <algorithm>

#include "NavLogWindow.h"
#include "aircraft/AircraftStore.h"
#include "aircraft/LoadingWindow.h"
#include "airports/AirportWindow.h"
#include "shell/WindowRegistry.h"

namespace aerolume::planning {
namespace {

// What the loading window is given for a plan's flight, or why there is none.
struct FlightLoading {
    QString refusal;
    QString path;  // the aircraft's file
    double takeoff = 0;
    double trip = 0;
    double taxi = 0;
    aircraft::FuelUnit unit = aircraft::FuelUnit::UsGallon;
};

aircraft::FuelUnit loadingUnit(FuelUnit unit) {
    switch (unit) {
        case FuelUnit::UsGallons:
            return aircraft::FuelUnit::UsGallon;
        case FuelUnit::Litres:
            return aircraft::FuelUnit::Litre;
        case FuelUnit::Pounds:
            return aircraft::FuelUnit::Pound;
        case FuelUnit::Kilograms:
            return aircraft::FuelUnit::Kilogram;
    }
    return aircraft::FuelUnit::UsGallon;
}

FlightLoading flightLoading(const Plan& plan, const PlanResult& result) {
    FlightLoading loading;
    const QString name = QString::fromStdString(plan.aircraft);
    const QString registration = QString::fromStdString(plan.registration);
    if (name.isEmpty()) {
        loading.refusal = NavLogWindow::tr(
            "This plan names no aircraft: choose one under Edit, "
            "Use Aircraft first.");
        return loading;
    }
    const QString named =
        registration.isEmpty() ? name : NavLogWindow::tr("%1 (%2)").arg(name, registration);
    for (const aircraft::AircraftSummary& a : aircraft::AircraftStore::list()) {
        if (a.damage.isEmpty() && a.name == name && a.registration == registration) {
            loading.path = a.path;
            break;
        }
    }
    if (loading.path.isEmpty()) {
        loading.refusal =
            NavLogWindow::tr("The plan's aircraft, %1, is not in the aircraft folder.").arg(named);
        return loading;
    }
    if (!result.tripFuel) {
        loading.refusal = NavLogWindow::tr(
            "This plan has no trip fuel yet: every leg needs its "
            "distance and ground speed.");
        return loading;
    }
    const PlanDefaults& d = plan.defaults;
    if (d.taxiFuel > d.fuelAtStart) {
        loading.refusal = NavLogWindow::tr(
            "The taxi fuel is more than the fuel at start: no fuel is left "
            "for take-off.");
        return loading;
    }
    loading.takeoff = d.fuelAtStart - d.taxiFuel;
    loading.trip = *result.tripFuel;
    loading.taxi = d.taxiFuel;
    loading.unit = loadingUnit(d.fuelUnit);
    return loading;
}

}  // namespace

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
    connect(add(edit, tr("Airport &Information"), "mnuAirportInfo",
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I)),
            &QAction::triggered, this, &NavLogWindow::mnuAirportInfo_Click);
    QMenu* aircraft = edit->addMenu(tr("Use &Aircraft"));
    aircraft->setObjectName(QStringLiteral("menuAircraft"));
    aircraft->setToolTipsVisible(true);  // the whole of a long name
    connect(aircraft, &QMenu::aboutToShow, this, &NavLogWindow::menuAircraft_Show);
    // The log hides while the loading window is open and comes back as it was.
    connect(add(edit, tr("&Loading for This Flight..."), "mnuLoadingForFlight", QKeySequence()),
            &QAction::triggered, this, [this] {
                beginRun();
                const FlightLoading loading = flightLoading(m_model->plan(), m_model->result());
                if (!loading.refusal.isEmpty()) {
                    report(loading.refusal);
                    return;
                }
                if (auto* window = qobject_cast<aircraft::LoadingWindow*>(
                        registry().showFrom(QStringLiteral("Loading"), this))) {
                    window->showFlight(loading.path, loading.takeoff, loading.trip, loading.taxi,
                                       loading.unit);
                }
            });
}

void NavLogWindow::mnuAirportInfo_Click() {
    beginRun();
    const int row = currentRow();
    if (row < 0 || m_model->isNewRow(row)) {
        report(tr("Choose a checkpoint of the table first."));
        return;
    }
    const Checkpoint& point = m_model->plan().checkpoints[static_cast<std::size_t>(row)];
    const CheckpointOrigin& origin = point.origin;
    if (origin.kind == PlaceKind::Typed || origin.identifier.empty()) {
        report(tr("Checkpoint %1 is a position typed by hand, not a place of the airport data.")
                   .arg(row + 1));
        return;
    }
    const QString ident = QString::fromStdString(origin.identifier);
    const auto type = isNavaid(origin.kind) || origin.kind == PlaceKind::RadialDistance
                          ? airports::PlaceType::Navaid
                          : airports::PlaceType::Airport;
    const airports::GeoPoint near{point.latitude, point.longitude};
    airports::AirportDatabase* db = airports::AirportData::instance().database();
    if (db == nullptr) {
        report(tr("There is no airport data to show %1 from.").arg(ident));
        return;
    }
    const QList<airports::Place> places = db->placesNamed(ident, near);
    if (std::none_of(places.begin(), places.end(),
                     [&](const airports::Place& p) { return p.Type == type; })) {
        report(tr("The airport data in use has no %1.").arg(ident));
        return;
    }
    // The log hides while the Airport window is open and comes back as it was.
    if (auto* info = qobject_cast<airports::AirportWindow*>(
            registry().showFrom(QStringLiteral("Airport"), this))) {
        info->showPlaceNamed(ident, type, near);
    }
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
        // An ampersand of the name is shown, not taken as the entry's mnemonic.
        QString shown = elidedName(menu, text);
        shown.replace(u'&', QStringLiteral("&&"));
        QAction* entry = menu->addAction(shown);
        entry->setToolTip(text);
        // Named after the profile's file, so that it can be found and driven by name.
        entry->setObjectName(
            QStringLiteral("mnuAircraft_%1").arg(QFileInfo(a.path).completeBaseName()));
        connect(entry, &QAction::triggered, this, [this, path = a.path] { useAircraft(path); });
    }
    if (menu->isEmpty()) {
        QAction* none =
            menu->addAction(tr("No aircraft with a cruise speed and fuel flow yet: "
                               "make one in Loading && Envelope"));
        none->setObjectName(QStringLiteral("mnuNoAircraft"));
        none->setEnabled(false);
    }
}

void NavLogWindow::useAircraft(const QString& path) {
    for (const aircraft::AircraftSummary& a : aircraft::AircraftStore::list()) {
        if (a.path != path || !a.cruiseTasKt || !a.fuelFlow) {
            continue;
        }
        Plan after = m_model->plan();
        PlanDefaults& d = after.defaults;
        d.trueAirspeed = std::clamp(*a.cruiseTasKt, kAirspeedRange.min, kAirspeedRange.max);
        d.fuelFlow = std::clamp(*a.fuelFlow, kFuelFlowRange.min, kFuelFlowRange.max);
        d.fuelUnit = a.fuelFlowUnit == QLatin1String("L") ? FuelUnit::Litres : FuelUnit::UsGallons;
        after.aircraft = a.name.toStdString();
        after.registration = a.registration.toStdString();
        // The profile's figures are within the log's ranges (aircraft::checkAircraft());
        // an aircraft without them flies the plan level at cruise.
        const auto figures = [](const std::optional<aircraft::ClimbPerformance>& p) {
            return p ? std::optional<ClimbFigures>(
                           ClimbFigures{p->rate, p->trueAirspeed, p->fuelFlow})
                     : std::nullopt;
        };
        after.climb = figures(a.climb);
        after.descent = figures(a.descent);
        beginRun();
        m_model->editValues(after);
        showPlan();
    }
}

}  // namespace aerolume::planning
