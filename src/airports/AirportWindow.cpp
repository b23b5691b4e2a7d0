// SPDX-License-Identifier: GPL-3.0-or-later
#include "AirportWindow.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>

#include "AirportCaptions.h"
#include "AirportTables.h"
#include "ImportDialogs.h"
#include "navigation/RunwayWindWindow.h"
#include "navigation/WindCaptions.h"
#include "planning/Coordinates.h"
#include "planning/PlanText.h"
#include "platform/SettingsStore.h"
#include "shell/FormScroller.h"
#include "ui_AirportWindow.h"

namespace aerolume::airports {
namespace {

// The settings store's entries of this window.
const QString kStore = QStringLiteral("Airport");
const QString kSection = QStringLiteral("Window");
const QString kLastIdent = QStringLiteral("LastIdent");
const QString kLastType = QStringLiteral("LastType");
const QString kLastLatitude = QStringLiteral("LastLatitude");
const QString kLastLongitude = QStringLiteral("LastLongitude");
const QString kLastImportFolder = QStringLiteral("LastImportFolder");

constexpr double kNavaidRadiusNm = 40;
constexpr int kMatchesShown = 50;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// Each cell carries its text as its tooltip too, so a cut-off name can still be read.
void fillTable(QTableWidget* table, const QList<QStringList>& rows) {
    table->clearContents();
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size() && c < table->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setToolTip(rows[r][c]);
            table->setItem(r, c, item);
        }
    }
    if (table->wordWrap()) {
        table->resizeRowsToContents();
    }
}

}  // namespace

AirportWindow::AirportWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Airport Information")),
      m_ui(std::make_unique<Ui::AirportForm>()) {
    auto* form = new QWidget;
    m_ui->setupUi(form);
    // On a screen too small for the form (a large scale or font) the form scrolls.
    auto* scroller = new FormScroller(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidget(form);
    setForm(scroller);
    setResultsAndMessage({}, {}, m_ui->ErrorLbl);
    // One line: the wind group's height stays as its form gives it.
    m_ui->ErrorLbl->setWordWrap(false);
    setEnterSound(EnterSound::Silent);
    setHelp(
        {tr("   Type an identifier (EGTK, the IATA code OXF, the VOR SAM) or words of a name or "
            "town: the airports and navaids that match are listed as you type, the identifier "
            "itself first, then names and towns. Enter or a click shows the one chosen."),
         tr("   An airport shows its runways (length and width in ft and m, the surface class "
            "beside the data's own text, true and magnetic heading of each end), its "
            "frequencies and the navaids within 40 NM with their true bearing and distance. "
            "Magnetic headings are the true heading less today's variation from the World "
            "Magnetic Model; headings marked * are derived: from the runway's number (its "
            "magnetic heading in tens of degrees) or from the other end."),
         tr("   Wind on every runway: wind direction 0 to 360° magnetic, as the tower gives it; "
            "wind speed 0 to 200 kt; gust optional: the wind speed to 200 kt; crosswind limit "
            "optional: 0 to 99 kt. Enter in the last field or Compute! gives each end's head- "
            "or tailwind and crosswind against its magnetic heading, marks the end most into "
            "the wind and the ends whose crosswind (with a gust, the gust's) is beyond the "
            "limit. Water and helipad ends are not chosen; closed runways are left out."),
         tr("   Data, Import: newer files from OurAirports (ourairports.com/data), a folder "
            "or the files themselves (airports.csv, runways.csv, airport-frequencies.csv, "
            "navaids.csv, and optionally countries.csv and regions.csv). The new data "
            "replaces the old only when the import is complete. Data, Use the Bundled Data "
            "goes back to the data installed with the program."),
         tr("   This is reference data, not a chart: check positions, runways and frequencies "
            "against current official publications.")});

    addCustomField(m_ui->txtSearch, KeyRange{32, 0x10FFFF}, [this](int& key) {
        if (key == kKeyEnter) {
            key = 0;
            lstMatches_Click();
        }
    });
    connect(m_ui->txtSearch, &QLineEdit::textChanged, this, &AirportWindow::txtSearch_Change);
    connect(m_ui->lstMatches, &QTreeWidget::itemActivated, this, &AirportWindow::lstMatches_Click);
    connect(m_ui->lstMatches, &QTreeWidget::itemClicked, this, &AirportWindow::lstMatches_Click);
    addField(m_ui->txtWindDir, kDigits, m_ui->txtWindSpeed);
    addField(m_ui->txtWindSpeed, kDigits, m_ui->txtGust);
    addField(m_ui->txtGust, kDigits, m_ui->txtXwindLimit);
    addLastField(m_ui->txtXwindLimit, kDigits, [this] { return computeWinds(); });
    connect(m_ui->Command2, &QPushButton::clicked, this, &AirportWindow::Command2_Click);

    buildMenus();
    setUpTables();
    clearPlace();
    fitTo(screen()->availableGeometry().size());

    showDataState();
    const QString last = platform::readSetting(kStore, kSection, kLastIdent);
    if (AirportDatabase* db = data(); db != nullptr && !last.isEmpty()) {
        const GeoPoint near{platform::readSetting(kStore, kSection, kLastLatitude).toDouble(),
                            platform::readSetting(kStore, kSection, kLastLongitude).toDouble()};
        const bool navaid =
            platform::readSetting(kStore, kSection, kLastType) == QLatin1String("navaid");
        for (const Place& place : db->placesNamed(last, near)) {
            if ((place.Type == PlaceType::Navaid) == navaid) {
                showPlace(place);
                break;
            }
        }
    }
}

AirportWindow::~AirportWindow() = default;

void AirportWindow::fitTo(QSize screenRoom) {
    // 1320 x 700 in the standard font, where a crosswind "12 kt from the right" takes
    // 118 px, larger in proportion with a larger font; within the room less a window
    // frame and title bar. The form is never squeezed below 1150 x 600 (in proportion),
    // where every column still shows: a smaller window scrolls it.
    const double scale =
        std::max(1.0, fontMetrics().horizontalAdvance(crosswindCaption(12)) / 118.0);
    auto scaled = [scale](int width, int height) {
        return QSize(static_cast<int>(width * scale), static_cast<int>(height * scale));
    };
    centralWidget()
        ->findChild<QWidget*>(QStringLiteral("AirportForm"))
        ->setMinimumSize(scaled(1150, 600));
    resize(scaled(1320, 700).boundedTo(screenRoom - QSize(16, 48)));
}

void AirportWindow::buildMenus() {
    auto* menu = new QMenu(tr("&Data"), menuBar());
    menu->setObjectName(QStringLiteral("menuData"));
    menuBar()->insertMenu(menuBar()->actions().value(0), menu);
    const struct {
        QString text;
        const char* name;
        void (AirportWindow::*handler)();
    } entries[] = {
        {tr("Import OurAirports &Folder..."), "mnuImportFolder",
         &AirportWindow::mnuImportFolder_Click},
        {tr("Import OurAirports F&iles..."), "mnuImportFiles",
         &AirportWindow::mnuImportFiles_Click},
        {tr("Use the &Bundled Data"), "mnuBundled", &AirportWindow::mnuBundled_Click},
    };
    for (const auto& entry : entries) {
        QAction* action = menu->addAction(entry.text);
        action->setObjectName(QString::fromLatin1(entry.name));
        connect(action, &QAction::triggered, this, entry.handler);
    }
}

void AirportWindow::setUpTables() {
    // Every column as wide as its texts but one, which takes the room left: a name or a
    // description cut off with "..." (its tooltip has it whole), or the runway winds'
    // notes, which wrap.
    const struct {
        QTableWidget* table;
        QString name;
        QStringList headers;
        int roomy;
    } tables[] = {
        {m_ui->tblRunways,
         tr("Runways"),
         {tr("Runway"), tr("Length"), tr("Width"), tr("Surface"), tr("Lighted"),
          tr("True headings"), tr("Magnetic headings"), tr("Status")},
         3},
        {m_ui->tblFrequencies,
         tr("Frequencies"),
         {tr("Type"), tr("Description"), tr("Frequency")},
         1},
        {m_ui->tblNavaids,
         tr("Navaids within 40 NM"),
         {tr("Identifier"), tr("Name"), tr("Kind"), tr("Frequency"), tr("Bearing (true)"),
          tr("Distance")},
         1},
        {m_ui->tblRunwayWinds,
         tr("Wind on every runway end"),
         {tr("End"), tr("Magnetic heading"), tr("Headwind"), tr("Crosswind"), tr("Gust headwind"),
          tr("Gust crosswind"), tr("Note")},
         6},
    };
    for (const auto& t : tables) {
        t.table->setColumnCount(static_cast<int>(t.headers.size()));
        t.table->setHorizontalHeaderLabels(t.headers);
        t.table->verticalHeader()->hide();
        t.table->verticalHeader()->setDefaultSectionSize(t.table->fontMetrics().height() + 6);
        QHeaderView* header = t.table->horizontalHeader();
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(t.roomy, QHeaderView::Stretch);
        t.table->setAccessibleName(t.name);
        t.table->setWordWrap(false);
        t.table->setMinimumHeight(t.table->verticalHeader()->defaultSectionSize() * 4);
        // Its height is the room its row of the form gets by the rows' stretch, never
        // its own preference: the tables keep their heights as notes beside them wrap.
        t.table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    }
    // A note that wraps makes its row taller.
    m_ui->tblRunwayWinds->setWordWrap(true);
    connect(m_ui->tblRunwayWinds->horizontalHeader(), &QHeaderView::sectionResized,
            m_ui->tblRunwayWinds, [this] { m_ui->tblRunwayWinds->resizeRowsToContents(); });
    m_ui->lstMatches->setAccessibleName(tr("Matches"));
    m_ui->lstMatches->setMinimumHeight(m_ui->lstMatches->fontMetrics().height() * 6);
    m_ui->lstMatches->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    QHeaderView* matches = m_ui->lstMatches->header();
    matches->setStretchLastSection(false);
    matches->setSectionResizeMode(QHeaderView::ResizeToContents);
    matches->setSectionResizeMode(1, QHeaderView::Stretch);
    for (QLabel* note :
         {m_ui->LblDataCredit, m_ui->LblDataNotice, m_ui->LblRunwayNote, m_ui->LblWindNote}) {
        note->setAccessibleName(note == m_ui->LblDataCredit ? tr("Data credit") : QString());
    }
    // A navaid's frequency and airport keep their room while an airport is shown, so the
    // tables below stay where they are.
    for (QWidget* w : navaidOnly()) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    // Room for two lines of each note, so the tables keep their height as notes come
    // and go.
    for (QLabel* note : {m_ui->LblRunwayNote, m_ui->LblWindNote}) {
        note->setMinimumHeight(2 * note->fontMetrics().lineSpacing());
        note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    m_ui->LblDataNotice->setAccessibleName(tr("Data notice"));
    m_ui->LblRunwayNote->setAccessibleName(tr("Runway headings"));
    m_ui->LblWindNote->setAccessibleName(tr("Runway wind note"));
    QPalette red = m_ui->LblDataNotice->palette();
    red.setColor(QPalette::WindowText, QColor(128, 0, 0));
    m_ui->LblDataNotice->setPalette(red);
}

QList<QWidget*> AirportWindow::navaidOnly() const {
    return {m_ui->Label7, m_ui->LblFrequency, m_ui->Label8, m_ui->LblServes};
}

AirportDatabase* AirportWindow::data() {
    return AirportData::instance().database();
}

void AirportWindow::showDataState() {
    AirportData& service = AirportData::instance();
    AirportDatabase* db = data();
    m_ui->LblDataCredit->setText(db != nullptr ? dataCreditText(db->dataSets(), service.origin())
                                               : QString());
    m_ui->LblDataNotice->setText(service.notice());
    m_ui->LblDataNotice->setVisible(!service.notice().isEmpty());
    findChild<QAction*>(QStringLiteral("mnuBundled"))
        ->setEnabled(service.origin() == AirportData::Origin::Imported ||
                     !service.notice().isEmpty());
}

void AirportWindow::txtSearch_Change() {
    m_ui->lstMatches->clear();
    m_matches.clear();
    AirportDatabase* db = data();
    const QString text = m_ui->txtSearch->text();
    if (db == nullptr || text.trimmed().isEmpty()) {
        return;
    }
    m_matches = db->search(text, kMatchesShown);
    for (const Place& p : std::as_const(m_matches)) {
        auto* item = new QTreeWidgetItem({fromStd(p.Ident), fromStd(p.Name), fromStd(p.Town),
                                          fromStd(p.Country), kindCaption(p)});
        for (int column = 0; column < item->columnCount(); ++column) {
            item->setToolTip(column, item->text(column));
        }
        m_ui->lstMatches->addTopLevelItem(item);
    }
    if (!m_matches.isEmpty()) {
        m_ui->lstMatches->setCurrentItem(m_ui->lstMatches->topLevelItem(0));
    }
}

void AirportWindow::lstMatches_Click() {
    const int row = m_ui->lstMatches->indexOfTopLevelItem(m_ui->lstMatches->currentItem());
    if (row >= 0 && row < m_matches.size()) {
        showPlace(m_matches.at(row));
    }
}

bool AirportWindow::showIdent(const QString& ident) {
    AirportDatabase* db = data();
    const QList<Place> places = db != nullptr ? db->placesNamed(ident) : QList<Place>();
    if (places.isEmpty()) {
        return false;
    }
    showPlace(places.constFirst());
    return true;
}

bool AirportWindow::showPlaceNamed(const QString& ident, PlaceType type, GeoPoint near) {
    AirportDatabase* db = data();
    if (db == nullptr) {
        return false;
    }
    for (const Place& place : db->placesNamed(ident, near)) {
        if (place.Type == type) {
            m_ui->txtSearch->setText(ident);
            showPlace(place);
            return true;
        }
    }
    return false;
}

void AirportWindow::clearPlace() {
    for (QLabel* label : {m_ui->LblIdent, m_ui->LblName, m_ui->LblKind, m_ui->LblPosition,
                          m_ui->LblElevation, m_ui->LblVariation, m_ui->LblFrequency,
                          m_ui->LblServes, m_ui->LblRunwayNote, m_ui->LblWindNote}) {
        label->clear();
    }
    for (QTableWidget* table :
         {m_ui->tblRunways, m_ui->tblFrequencies, m_ui->tblNavaids, m_ui->tblRunwayWinds}) {
        table->setRowCount(0);
    }
    m_airport.reset();
    m_runways.clear();
}

void AirportWindow::showPlace(const Place& place) {
    AirportDatabase* db = data();
    if (db == nullptr) {
        return;
    }
    clearPlace();
    if (place.Type == PlaceType::Airport) {
        if (auto airport = db->airport(place.Id)) {
            showAirport(*airport);
        }
    } else if (auto navaid = db->navaid(place.Id)) {
        showNavaid(*navaid);
    }
    platform::writeSettings(
        kStore, kSection,
        {{kLastIdent, fromStd(place.Ident)},
         {kLastType,
          place.Type == PlaceType::Airport ? QStringLiteral("airport") : QStringLiteral("navaid")},
         {kLastLatitude, QString::number(place.Position.Latitude, 'f', 6)},
         {kLastLongitude, QString::number(place.Position.Longitude, 'f', 6)}});
}

void AirportWindow::showAirport(const AirportInfo& airport) {
    const Place& p = airport.place;
    QStringList codes;
    for (const std::string& code : p.Codes) {
        codes << fromStd(code);
    }
    m_ui->LblIdent->setText(
        codes.isEmpty()
            ? fromStd(p.Ident)
            : tr("%1 (also %2)").arg(fromStd(p.Ident), codes.join(QStringLiteral(", "))));
    QStringList where = {fromStd(p.Name)};
    if (!p.Town.empty()) {
        where << fromStd(p.Town);
    }
    where << (airport.countryName.isEmpty() ? fromStd(p.Country) : airport.countryName);
    m_ui->LblName->setText(where.join(QStringLiteral(", ")));
    m_ui->LblKind->setText(airport.scheduled ? tr("%1, scheduled service").arg(kindCaption(p))
                                             : kindCaption(p));
    m_ui->LblPosition->setText(
        fromStd(planning::formatPosition(p.Position.Latitude, p.Position.Longitude)));
    m_ui->LblElevation->setText(elevationCaption(airport.elevationFt));
    const auto now = variationToday(p.Position, airport.elevationFt);
    m_ui->LblVariation->setText(
        now ? tr("%1 today (World Magnetic Model)").arg(fromStd(planning::formatVariation(*now)))
            : tr("unknown: too near the magnetic pole"));
    for (QWidget* w : navaidOnly()) {
        w->hide();
    }
    m_airport = airport;
    AirportDatabase* db = data();
    m_runways = db->runways(p.Id);
    const TableRows runways = runwayRows(m_runways, now);
    fillTable(m_ui->tblRunways, runways.rows);
    m_ui->LblRunwayNote->setText(runways.note);
    QList<QStringList> rows;
    for (const FrequencyInfo& f : db->frequencies(p.Id)) {
        rows << QStringList{f.type, f.description, mhzCaption(f.mhz)};
    }
    fillTable(m_ui->tblFrequencies, rows);
    showNavaidsNear(p.Position);
    if (m_windsShown) {
        computeWinds();
    }
}

void AirportWindow::showNavaid(const NavaidInfo& navaid) {
    const Place& p = navaid.place;
    m_ui->LblIdent->setText(fromStd(p.Ident));
    m_ui->LblName->setText(tr("%1, %2").arg(
        fromStd(p.Name), navaid.countryName.isEmpty() ? fromStd(p.Country) : navaid.countryName));
    m_ui->LblKind->setText(kindCaption(p));
    m_ui->LblPosition->setText(
        fromStd(planning::formatPosition(p.Position.Latitude, p.Position.Longitude)));
    m_ui->LblElevation->setText(elevationCaption(navaid.elevationFt));
    const auto now = variationToday(p.Position, navaid.elevationFt);
    QStringList variation;
    if (navaid.magneticVariation) {
        variation << tr("%1 in the data")
                         .arg(fromStd(planning::formatVariation(*navaid.magneticVariation)));
    }
    if (navaid.slavedVariation) {
        variation << tr("radials slaved to %1")
                         .arg(fromStd(planning::formatVariation(*navaid.slavedVariation)));
    }
    variation << (now ? tr("%1 today (World Magnetic Model)")
                            .arg(fromStd(planning::formatVariation(*now)))
                      : tr("unknown by the model: too near the magnetic pole"));
    m_ui->LblVariation->setText(variation.join(QStringLiteral("; ")));
    QString frequency = navaidFrequencyCaption(p, navaid.frequencyKhz);
    if (!navaid.dmeChannel.isEmpty()) {
        frequency += tr(", DME channel %1").arg(navaid.dmeChannel);
    }
    m_ui->LblFrequency->setText(frequency);
    QString serves =
        navaid.airportIdent.isEmpty() ? tr("no airport named in the data") : navaid.airportIdent;
    if (navaid.airportId) {
        if (auto airport = data()->airport(*navaid.airportId)) {
            serves = tr("%1, %2").arg(navaid.airportIdent, fromStd(airport->place.Name));
        }
    }
    m_ui->LblServes->setText(serves);
    for (QWidget* w : navaidOnly()) {
        w->show();
    }
    m_ui->LblRunwayNote->setText(
        tr("A navaid has no runways: choose an airport for the runway winds."));
    showNavaidsNear(p.Position);
}

void AirportWindow::showNavaidsNear(GeoPoint point) {
    fillTable(m_ui->tblNavaids, navaidRows(point, data()->navaidsNear(point, kNavaidRadiusNm)));
}

void AirportWindow::Command2_Click() {
    computeWinds();
}

bool AirportWindow::computeWinds() {
    beginRun();
    m_ui->tblRunwayWinds->setRowCount(0);
    m_ui->LblWindNote->clear();
    if (!m_airport) {
        return fail(tr("Choose an airport first!"), m_ui->txtSearch, OnField::FocusOnly);
    }
    const auto reading =
        RunwayWindWindow::readWind(m_ui->txtWindDir, m_ui->txtWindSpeed, m_ui->txtGust);
    if (!reading.wind) {
        return fail(reading.message, reading.field, OnField::SelectAndFocus);
    }
    std::optional<double> limit;
    if (!isEmpty(m_ui->txtXwindLimit) &&
        !(limit = readWithin(m_ui->txtXwindLimit, 0, 99,
                             tr("Enter a crosswind limit from 0 to 99 kt!")))) {
        return false;
    }
    m_windsShown = true;
    const TableRows winds =
        runwayWindRows(m_runways, variationToday(m_airport->place.Position, m_airport->elevationFt),
                       {reading.wind->direction, reading.wind->speed, reading.wind->gust, limit});
    fillTable(m_ui->tblRunwayWinds, winds.rows);
    m_ui->LblWindNote->setText(winds.note);
    return true;
}

QString AirportWindow::importFolder() const {
    const QString last = platform::readSetting(kStore, kSection, kLastImportFolder);
    return !last.isEmpty() && QFileInfo(last).isDir()
               ? last
               : QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
}

void AirportWindow::mnuImportFolder_Click() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Import the OurAirports Files of a Folder"), importFolder());
    if (!folder.isEmpty()) {
        QList<ImportFile> files;
        const QString problem = dataFilesIn(folder, &files);
        importChosen(folder, problem, files);
    }
}

void AirportWindow::mnuImportFiles_Click() {
    const QStringList paths =
        QFileDialog::getOpenFileNames(this, tr("Import OurAirports Files"), importFolder(),
                                      tr("OurAirports files (*.csv *.csv.gz);;All files (*)"));
    if (!paths.isEmpty()) {
        QList<ImportFile> files;
        const QString problem = checkSelection(paths, &files);
        importChosen(QFileInfo(paths.constFirst()).absolutePath(), problem, files);
    }
}

void AirportWindow::importChosen(const QString& folder, const QString& problem,
                                 const QList<ImportFile>& files) {
    platform::writeSettings(kStore, kSection, {{kLastImportFolder, folder}});
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, tr("Import Airport Data"), problem);
        return;
    }
    importFiles(files);
}

ImportSummary::Outcome AirportWindow::importFiles(const QList<ImportFile>& files) {
    const ImportSummary summary = importWithProgress(this, files, AirportData::importedPath());
    if (summary.outcome == ImportSummary::Outcome::Done) {
        AirportData::instance().reload();
        dataChanged();
    }
    reportImport(this, summary);
    return summary.outcome;
}

void AirportWindow::mnuBundled_Click() {
    if (QMessageBox::question(this, tr("Use the Bundled Data"),
                              tr("Go back to the airport data installed with the program? The "
                                 "data you imported is removed; you can import the files "
                                 "again.")) != QMessageBox::Yes) {
        return;
    }
    QString error;
    if (!AirportData::instance().useBundled(&error)) {
        QMessageBox::warning(this, tr("Use the Bundled Data"), error);
        return;
    }
    dataChanged();
}

void AirportWindow::dataChanged() {
    showDataState();
    const QString shown = m_airport ? fromStd(m_airport->place.Ident) : QString();
    clearPlace();
    txtSearch_Change();
    if (!shown.isEmpty()) {
        showIdent(shown);
    }
}

}  // namespace aerolume::airports
