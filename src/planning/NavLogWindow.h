// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the navigation log is put together.
// The window (NavLogWindow.cpp) holds the plan in a NavLogModel over the pure plan core
// (PlanCore.h), whose cells NavLogCells.h describes, and shows it in a table view, with
// rows ready to type below the last checkpoint; the checkpoint column is typed through
// CheckpointDelegate (CheckpointEditor.h), which offers the places of the airport data
// (CheckpointLookup.h). It writes the totals and the warnings (PlanWarningText.h) below
// the table whenever the plan changes. Its plan values above the table
// (NavLogFields.cpp) are fields whose entry, when done by Enter or by leaving the field,
// is checked and becomes one command on the model's undo stack. Its menus (NavLogMenus.cpp) give
// the file commands, the table's edits and the aircraft the plan can take its cruise figures from.
// The file commands New, Open, Save, Save As and the question before unsaved changes are lost are
// the program's DocumentCommands (shell/DocumentCommands.h), which keep the file's path and the
// caption; this window gives them the plan file's reader and writer (PlanFile.h). Edit,
// Airport Information opens the Airport window from this one (WindowRegistry::showFrom):
// the log hides, and comes back as it was when that window closes.
// Export as PDF and CSV and printing (NavLogExport.cpp) draw the plan through
// PlanPrint.h and PlanText.h. The departure time, climb and descent, fuel plan and
// alternate fields and the fuel plan block are in NavLogFlight.cpp; the route files'
// menus, the map pane and the printed map in NavLogRoute.cpp, over RouteData.h. The
// model's edits are undo commands (NavLogCommands.cpp); the table's captions are in
// NavLogColumns.cpp.

#include <QDate>
#include <QPageSize>
#include <QUndoStack>
#include <QVariant>
#include <memory>
#include <optional>

#include "NavLogModel.h"
#include "PlanPrint.h"
#include "shell/CalculatorWindow.h"
#include "shell/DocumentCommands.h"

namespace Ui {
class NavLogForm;
}

class QLineEdit;

namespace aerolume::interchange {
enum class RouteFormat;
}
namespace aerolume::map {
class MapWidget;
class NearbyAirports;
}  // namespace aerolume::map

namespace aerolume::planning {

struct RouteMapHook;

// The navigation log: a plan of checkpoints edited in a table, its plan-wide values
// in fields above it, the totals and warnings below. A document window: New, Open,
// Save and Save As on one plan file, its name and an unsaved-changes mark in the
// caption, a question before unsaved changes are thrown away; export as PDF and CSV,
// and printing.
//
// Read from outside (the loading window reads the trip fuel of the open log):
//   tripFuel  the legs' fuel total in the plan's fuel unit, taxi fuel apart, as a
//             double; an invalid QVariant while any leg's fuel is unknown or the plan
//             has fewer than two checkpoints;
//   fuelUnit  the plan's fuel unit: "USgal", "L", "lb" or "kg".
// Both change together with planChanged().
class NavLogWindow final : public CalculatorWindow {
    Q_OBJECT
    Q_PROPERTY(QVariant tripFuel READ tripFuel NOTIFY planChanged)
    Q_PROPERTY(QString fuelUnit READ fuelUnit NOTIFY planChanged)

public:
    explicit NavLogWindow(WindowRegistry& registry);
    ~NavLogWindow() override;

    // Sizes the window for a screen with `screenRoom` free: 1340 x 700 in the standard
    // font, larger in proportion with a larger one, within the room less a window frame
    // and title bar; where the form does not fit, it scrolls.
    void fitTo(QSize screenRoom);

    QVariant tripFuel() const;
    QString fuelUnit() const;

    NavLogModel* model() const { return m_model; }
    QUndoStack* undoStack() { return &m_stack; }
    QString filePath() const { return m_document->path(); }

    // The file commands without their dialogs. Each returns whether it succeeded; a
    // failure has been reported in a message box and nothing open was changed.
    bool openFile(const QString& path);
    bool saveFile(const QString& path);
    bool exportPdf(const QString& path);
    bool exportCsv(const QString& path);
    // Prints through the print module (PrintHook.h), loaded now; returns whether pages
    // were printed. Without the module, the error label says so and suggests the PDF.
    bool print();
    // The page size the pilot chose for the PDF.
    QPageSize pageSize() const;
    // What the printed page shows beyond the plan: the aircraft and registration, and the
    // departure's and destination's frequencies from the airport data.
    PrintHeader printHeader() const;

    // The menu entries' handlers.
    void mnuNew_Click();
    void mnuOpen_Click();
    bool mnuSave_Click();
    bool mnuSaveAs_Click();
    void mnuExportPdf_Click();
    void mnuExportCsv_Click();
    void mnuPrint_Click();
    void mnuInsert_Click();
    void mnuDelete_Click();
    void mnuMoveUp_Click();
    void mnuMoveDown_Click();
    // Edit, Airport Information: the Airport window on the current checkpoint's airport
    // or navaid (a fix's navaid); the log is hidden meanwhile and comes back as it was.
    void mnuAirportInfo_Click();
    // Edit, Use Aircraft: lists the aircraft of the loading window's folder; choosing one
    // makes its cruise true airspeed, fuel flow and fuel unit the plan's values.
    void menuAircraft_Show();
    void useAircraft(const QString& path);

    // NavLogRoute.cpp: the route files and the route map. Export writes the route in a
    // format panel units and simulators read; import makes the file's route a new plan,
    // its points matched to the airport and navaid data. Each returns whether it
    // succeeded; a failure has been reported in a message box and nothing open changed.
    bool exportRoute(const QString& path, interchange::RouteFormat format);
    bool importRoute(const QString& path);
    void mnuExportRoute_Click(interchange::RouteFormat format);
    void mnuImportRoute_Click();
    map::MapWidget* routeMap() const { return m_map; }

Q_SIGNALS:
    void planChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // NavLogMenus.cpp
    void buildMenus();
    // NavLogFields.cpp
    void setUpFields();
    // A plan field's entry is done (by Enter, or by leaving the field): a valid value
    // becomes a command; anything else is reported.
    bool field_Change(QLineEdit* field, bool byEnter);
    // The flight date's entry is done: a valid date (or none) becomes a command.
    bool date_Change(bool byEnter);
    // Reports a refused entry; returns false.
    bool refuseEntry(QLineEdit* field, const QString& message, bool byEnter);
    void cboFuelUnit_Click(int index);
    // NavLogFlight.cpp
    // The entry of a field of the flight (departure time, pattern altitude, climb and
    // descent, fuel plan, alternate) is done; nothing for another field.
    std::optional<bool> flight_Change(QLineEdit* field, bool byEnter);
    // The alternate typed by its identifier, looked up as a checkpoint after the
    // destination is.
    bool alternate_Change(bool byEnter);
    void showFlightFields(bool evenFocused);
    // The local time of the departure, the profile's line and the fuel plan block.
    void showFlight();
    // Shows the plan's values in the fields that are not being typed in.
    // Writes the plan's values into its fields; a focused field keeps its entry unless
    // `evenFocused` (a plan opened or new).
    void showFields(bool evenFocused = false);

    // NavLogWindow.cpp
    // Shows the plan: its values, its totals and its warnings.
    void showPlan();
    void report(const QString& message);
    int currentRow() const;
    // The plan's flight date, or a null date.
    QDate flightDate() const;

    // NavLogRoute.cpp
    // The route menus and the map pane beside the table.
    void setUpRoute();
    void showRouteMap();
    // The map for the printed log: a strip on the first page, or none.
    RouteMapHook routeMapHook() const;

    std::unique_ptr<Ui::NavLogForm> m_ui;
    QUndoStack m_stack;
    NavLogModel* m_model = nullptr;
    DocumentCommands* m_document = nullptr;
    map::MapWidget* m_map = nullptr;
    std::shared_ptr<const map::NearbyAirports> m_nearby;
};

}  // namespace aerolume::planning
