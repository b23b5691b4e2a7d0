// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include "AirportData.h"
#include "AirportImporter.h"
#include "shell/CalculatorWindow.h"

namespace Ui {
class AirportForm;
}

namespace aerolume::airports {

// The "Airport Information" window: an identifier or words of a name typed into
// txtSearch list the airports and navaids that match (lstMatches); Enter or a click
// shows one: an airport with its runways, frequencies and the navaids within 40 NM, and
// the wind on every runway end (txtWindDir, txtWindSpeed, txtGust, txtXwindLimit into
// tblRunwayWinds); a navaid with its frequency, variation and the airport it serves.
// The Data menu imports newer OurAirports files or goes back to the bundled data. The
// airport or navaid last shown is kept in the settings store ("Airport" application)
// and shown again when the window opens.
class AirportWindow final : public CalculatorWindow {
    Q_OBJECT

public:
    explicit AirportWindow(WindowRegistry& registry);
    ~AirportWindow() override;

    // Sizes the window for a screen with that much room for windows: its full size when
    // it fits, else as large as fits, the form scrolling.
    void fitTo(QSize screenRoom);
    // Shows the place with that identifier (the first that it names); false when the
    // data has none.
    bool showIdent(const QString& ident);
    // Shows the airport or navaid of that identifier nearest to `near` (a checkpoint's
    // place, for the navigation log), with the identifier in the search field; false
    // when the data has no such place.
    bool showPlaceNamed(const QString& ident, PlaceType type, GeoPoint near);
    // Imports the files (the Data menu's commands after their file dialogs), with the
    // progress dialog and the summary; returns what became of the import.
    ImportSummary::Outcome importFiles(const QList<ImportFile>& files);

    void txtSearch_Change();
    void lstMatches_Click();
    void Command2_Click();
    void mnuImportFiles_Click();
    void mnuImportFolder_Click();
    void mnuBundled_Click();

private:
    void buildMenus();
    void setUpTables();
    // The captions and labels only a navaid fills.
    QList<QWidget*> navaidOnly() const;
    // Opens the data if needed and shows its credit or why there is none.
    AirportDatabase* data();
    void showDataState();
    void showPlace(const Place& place);
    void showAirport(const AirportInfo& airport);
    void showNavaid(const NavaidInfo& navaid);
    void showNavaidsNear(GeoPoint point);
    void clearPlace();
    bool computeWinds();
    // Other data in use: its credit, the matches and the airport shown, from it.
    void dataChanged();
    // Where the import dialogs open: the folder last imported from, else Downloads.
    QString importFolder() const;
    // The files chosen in `folder`: imported, or refused with `problem` when it is not
    // empty; the folder is where the dialogs open next time.
    void importChosen(const QString& folder, const QString& problem,
                      const QList<ImportFile>& files);

    std::unique_ptr<Ui::AirportForm> m_ui;
    QList<Place> m_matches;
    std::optional<AirportInfo> m_airport;
    QList<RunwayInfo> m_runways;
    bool m_windsShown = false;
};

}  // namespace aerolume::airports
