// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the loading window is put together.
// The window (LoadingWindow.cpp) lists the aircraft folder (AircraftStore.h) in its
// aircraft box; picking an aircraft builds its station and tank rows (LoadingFields.h).
// Compute! reads the rows and the taxi fuel in the window's order, calls the pure
// loading core (LoadingCore.h) and writes each point's weight, moment, CG, margin and
// verdict (LoadingResults.cpp) and the graph. From Navigation Log takes the open log's
// trip fuel. The aircraft commands New, Edit, Duplicate, Delete, Import and Export, and
// the PDF of the loading, are in LoadingCommands.cpp.

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
    // LoadingWindow.cpp
    // Lists the aircraft folder and selects the file at `path` (or the first).
    void reloadAircraft(const QString& path = {});
    void cboAircraft_Change();
    void optWeight_Change();
    // Builds the station and tank rows for the selected aircraft and wires their keys.
    void buildFields();
    const Aircraft* selected() const;
    bool compute();
    // The take-off fuel or burn of each tank, by weight; nothing when a check failed.
    std::optional<std::vector<double>> readFuel(const QList<QLineEdit*>& fields,
                                                const QString& message);

    // LoadingResults.cpp
    void showPoint(const LoadPoint& point, QLabel* weight, QLabel* moment, QLabel* cg, QLabel* mac,
                   QLabel* margin, QLabel* verdict);
    QString verdictText(const LoadPoint& point) const;
    QString marginText(const Margin& margin) const;
    QString weightText(double weight) const;
    QString armText(double arm) const;

    // LoadingCommands.cpp
    bool editAircraft(Aircraft& aircraft, const QString& title);
    // Saves the aircraft under `path` (a new file when empty) and selects it.
    void storeAircraft(const Aircraft& aircraft, const QString& path);
    void showMessage(const QString& message) { fail(message); }

    std::unique_ptr<Ui::LoadingForm> m_ui;
    AircraftStore m_store;
    QList<AircraftEntry> m_entries;
    std::unique_ptr<LoadingFields> m_fields;  // the rows of the selected aircraft
    std::optional<LoadingResult> m_result;
    DialogRunner m_runDialog;
    FileChooser m_chooseFile;
};

}  // namespace aerolume::aircraft
