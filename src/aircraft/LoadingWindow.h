// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the loading window is put together.
// The window (LoadingWindow.cpp) lists the aircraft folder (AircraftStore.h) in its
// aircraft box; picking an aircraft builds its station and tank rows (LoadingFields.h).
// Compute! reads the rows and the taxi fuel in the window's order, calls the pure
// loading core (LoadingCore.h) and writes each point's weight, moment, CG, margin and
// verdict (LoadingResults.cpp) and the graph. The loading of a flight, given by the
// navigation log that opened the window, and From Navigation Log, which takes that log's
// trip fuel again, are in LoadingFlight.cpp. The aircraft commands New, Edit, Duplicate, Delete,
// Import and Export, and the PDF of the loading, are in LoadingCommands.cpp; the list read
// again when another program changes the aircraft folder, in LoadingFolder.cpp.

#include <QFileSystemWatcher>
#include <QList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "AircraftStore.h"
#include "LoadingCore.h"
#include "LoadingFields.h"
#include "shell/CalculatorWindow.h"

class QDialog;
class QLabel;

namespace Ui {
class LoadingForm;
}

namespace aerolume::aircraft {

// The loading window, "Loading": pick an aircraft of the aircraft folder, enter the load
// at each station, the fuel in each tank at take-off and the fuel burned (by volume or
// by weight), and the taxi fuel; out come the ramp, take-off and landing weights,
// moments and CGs (and % MAC), the margin to the envelope and a verdict for each
// point, and the envelope graph with the take-off and landing points. Aircraft are
// made, changed, copied, deleted, imported and exported from here; the loading is
// exported as a PDF page.
class LoadingWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit LoadingWindow(WindowRegistry& registry);
    ~LoadingWindow() override;

    // How modal dialogs are run (QDialog::exec by default) and how a file name is
    // chosen (a file dialog by default; an empty name cancels): tests and the monkey
    // answer them without a person.
    enum class FileRole { Import, Export, Pdf };
    using DialogRunner = std::function<int(QDialog&)>;
    using FileChooser = std::function<QString(FileRole, const QString& suggested)>;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    // The loading of a flight from the navigation log: the aircraft of the file at
    // `path` chosen, `takeoff` shared by its tanks as their capacities are, `trip` burned
    // from them (splitFlightFuel()) and `taxi` as the taxi fuel, all in `unit`, shown by
    // weight for a weight and by volume for a volume; then computed. False, with the
    // window saying why, when the file is not an aircraft the window lists.
    bool showFlight(const QString& path, double takeoff, double trip, double taxi, FuelUnit unit);

    void Command2_Click();
    void cmdFromNavLog_Click();
    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdDuplicate_Click();
    void cmdDelete_Click();
    void cmdImport_Click();
    void cmdExport_Click();
    void cmdPdf_Click();

private:
    // The most of an aircraft's name the aircraft box shows, in average characters.
    static constexpr int kAircraftNameCharacters = 40;

    // LoadingWindow.cpp
    // Lists the aircraft folder and selects the file at `path` (or the first).
    void reloadAircraft(const QString& path = {});
    void cboAircraft_Change();
    void optWeight_Change();
    // Builds the station and tank rows for the selected aircraft and wires their keys.
    void buildFields();
    const Aircraft* selected() const;
    // Whether the selected aircraft is still what its file holds. When another program
    // (or instance) changed or removed the file, the list is read again, keeping the
    // loads typed while the aircraft's rows stay the same; the window says so, and the
    // caller stops rather than go on with the old copy.
    bool selectedIsCurrent();
    // The aircraft folder or the file shown changed on disk.
    void aircraftFiles_Change();
    // Watches the aircraft folder and the file shown.
    void watchFiles();
    // The texts of the load fields, and the same put back when the rows are the same.
    QStringList typedLoads() const;
    void restoreLoads(const QStringList& typed);
    bool compute();
    // The take-off fuel or burn of each tank, by weight; nothing when a check failed.
    std::optional<std::vector<double>> readFuel(const QList<QLineEdit*>& fields,
                                                const QString& message);

    // LoadingFlight.cpp
    // Writes the fuel (weight unit, one per tank) into the fields, by weight or volume
    // as the window shows it.
    void showFuel(const QList<QLineEdit*>& fields, const std::vector<double>& weights);

    // LoadingResults.cpp
    void showPoint(const LoadPoint& point, QLabel* weight, QLabel* moment, QLabel* cg, QLabel* mac,
                   QLabel* margin, QLabel* verdict);
    QString verdictText(const LoadPoint& point) const;
    QString marginText(const Margin& margin) const;
    QString weightText(double weight) const;
    QString armText(double arm) const;

    // LoadingCommands.cpp
    bool editAircraft(Aircraft& aircraft, const QString& title);
    // The selected aircraft as its file now holds it, or null once the window said why
    // not (a damaged file, or one changed or removed on disk).
    const Aircraft* currentAircraft();
    // Saves the aircraft under `path` (a new file when empty) and selects it; with
    // `readStamp`, only over the file as it was read then.
    void storeAircraft(const Aircraft& aircraft, const QString& path,
                       const QByteArray& readStamp = {});
    void showMessage(const QString& message) { fail(message); }

    std::unique_ptr<Ui::LoadingForm> m_ui;
    AircraftStore m_store;
    QList<AircraftEntry> m_entries;
    std::unique_ptr<LoadingFields> m_fields;  // the rows of the selected aircraft
    std::optional<LoadingResult> m_result;
    DialogRunner m_runDialog;
    FileChooser m_chooseFile;
    QFileSystemWatcher m_watcher;  // the aircraft folder and the file shown
};

}  // namespace aerolume::aircraft
