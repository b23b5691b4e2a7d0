// SPDX-License-Identifier: GPL-3.0-or-later
#include "AirportWindow.h"

#include <QDate>
#include <QEventLoop>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <atomic>

#include "AirportCaptions.h"
#include "navigation/MagneticModel.h"
#include "navigation/WindCaptions.h"
#include "planning/Coordinates.h"
#include "planning/PlanText.h"
#include "platform/SettingsStore.h"
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

constexpr double kNavaidRadiusNm = 40;
constexpr int kMatchesShown = 50;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// The variation of the World Magnetic Model today at a place, east > 0; none in the
// blackout zone.
std::optional<double> variationToday(GeoPoint point, std::optional<double> elevationFt) {
    const QDate today = QDate::currentDate();
    const auto year = DecimalYear(today.year(), today.month(), today.day());
    if (!year) {
        return std::nullopt;
    }
    const auto v =
        MagneticVariationAt(point.Latitude, point.Longitude, elevationFt.value_or(0), *year);
    return v ? v->Declination() : std::nullopt;
}

QString direction(std::optional<double> degrees, bool derived) {
    if (!degrees) {
        return QStringLiteral("–");
    }
    return fromStd(planning::formatDirection(*degrees)) +
           (derived ? QStringLiteral("*") : QString());
}

void fillTable(QTableWidget* table, const QList<QStringList>& rows) {
    table->clearContents();
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size() && c < table->columnCount(); ++c) {
            table->setItem(r, c, new QTableWidgetItem(rows[r][c]));
        }
    }
    table->resizeColumnsToContents();
}

}  // namespace

AirportWindow::AirportWindow(WindowRegistry& registry)
    : CalculatorWindow(registry, tr("Airport Information")),
      m_ui(std::make_unique<Ui::AirportForm>()) {
    auto* form = new QWidget(this);
    m_ui->setupUi(form);
    setForm(form);
    setResults({}, {}, m_ui->ErrorLbl, 10, true);
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
    // 1240 x 700 fits a 1366 x 768 screen in the standard font (17 px a line); a larger
    // font gets a window larger in proportion.
    const double scale = std::max(1.0, fontMetrics().height() / 17.0);
    resize(minimumSizeHint().expandedTo(
        QSize(static_cast<int>(1240 * scale), static_cast<int>(700 * scale))));

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
    const struct {
        QTableWidget* table;
        QString name;
        QStringList headers;
    } tables[] = {
        {m_ui->tblRunways,
         tr("Runways"),
         {tr("Runway"), tr("Length"), tr("Width"), tr("Surface"), tr("Lighted"),
          tr("True headings"), tr("Magnetic headings"), tr("Status")}},
        {m_ui->tblFrequencies, tr("Frequencies"), {tr("Type"), tr("Description"), tr("Frequency")}},
        {m_ui->tblNavaids,
         tr("Navaids within 40 NM"),
         {tr("Identifier"), tr("Name"), tr("Kind"), tr("Frequency"), tr("Bearing (true)"),
          tr("Distance")}},
        {m_ui->tblRunwayWinds,
         tr("Wind on every runway end"),
         {tr("End"), tr("Magnetic heading"), tr("Headwind"), tr("Crosswind"), tr("Gust headwind"),
          tr("Gust crosswind"), tr("Note")}},
    };
    for (const auto& t : tables) {
        t.table->setColumnCount(static_cast<int>(t.headers.size()));
        t.table->setHorizontalHeaderLabels(t.headers);
        t.table->verticalHeader()->hide();
        t.table->verticalHeader()->setDefaultSectionSize(t.table->fontMetrics().height() + 6);
        t.table->horizontalHeader()->setStretchLastSection(true);
        t.table->setAccessibleName(t.name);
        t.table->setMinimumHeight(t.table->verticalHeader()->defaultSectionSize() * 4);
    }
    m_ui->lstMatches->setAccessibleName(tr("Matches"));
    m_ui->lstMatches->setMinimumHeight(m_ui->lstMatches->fontMetrics().height() * 8);
    m_ui->lstMatches->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (QLabel* note :
         {m_ui->LblDataCredit, m_ui->LblDataNotice, m_ui->LblRunwayNote, m_ui->LblWindNote}) {
        note->setAccessibleName(note == m_ui->LblDataCredit ? tr("Data credit") : QString());
    }
    m_ui->LblDataNotice->setAccessibleName(tr("Data notice"));
    m_ui->LblRunwayNote->setAccessibleName(tr("Runway headings"));
    m_ui->LblWindNote->setAccessibleName(tr("Runway wind note"));
    QPalette red = m_ui->LblDataNotice->palette();
    red.setColor(QPalette::WindowText, QColor(128, 0, 0));
    m_ui->LblDataNotice->setPalette(red);
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
    for (QWidget* w :
         {static_cast<QWidget*>(m_ui->Label7), static_cast<QWidget*>(m_ui->LblFrequency),
          static_cast<QWidget*>(m_ui->Label8), static_cast<QWidget*>(m_ui->LblServes)}) {
        w->hide();
    }
    m_airport = airport;
    AirportDatabase* db = data();
    m_runways = db->runways(p.Id);
    QList<QStringList> rows;
    bool anyDerived = false;
    for (const RunwayInfo& r : std::as_const(m_runways)) {
        const EndHeading low =
            ResolveEndHeading(r.low.dataTrueHeading, r.high.dataTrueHeading, r.low.designator,
                              r.high.designator, now, r.variationAtSnapshot);
        const EndHeading high =
            ResolveEndHeading(r.high.dataTrueHeading, r.low.dataTrueHeading, r.high.designator,
                              r.low.designator, now, r.variationAtSnapshot);
        anyDerived = anyDerived || low.Derived() || high.Derived();
        const QString name =
            r.high.ident.isEmpty() ? r.low.ident : r.low.ident + QLatin1Char('/') + r.high.ident;
        auto pair = [&](std::optional<double> a, std::optional<double> b) {
            const QString first = direction(a, low.Derived());
            return r.high.ident.isEmpty()
                       ? first
                       : first + QStringLiteral(" / ") + direction(b, high.Derived());
        };
        rows << QStringList{name,
                            lengthCaption(r.lengthFt),
                            lengthCaption(r.widthFt),
                            r.surface.isEmpty()
                                ? surfaceCaption(r.surfaceClass)
                                : tr("%1 (%2)").arg(surfaceCaption(r.surfaceClass), r.surface),
                            r.lighted ? tr("yes") : tr("no"),
                            pair(low.True, high.True),
                            pair(low.Magnetic, high.Magnetic),
                            r.closed ? tr("closed") : tr("open")};
    }
    fillTable(m_ui->tblRunways, rows);
    m_ui->LblRunwayNote->setText(
        m_runways.isEmpty()
            ? tr("The data lists no runway here.")
            : tr("Magnetic headings: the true heading less today's variation.") +
                  (anyDerived ? QLatin1Char(' ') +
                                    tr("* Derived: from the runway's number (magnetic, in tens "
                                       "of degrees; true by the World Magnetic Model on the "
                                       "data's date) or from the other end.")
                              : QString()));
    rows.clear();
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
    for (QWidget* w :
         {static_cast<QWidget*>(m_ui->Label7), static_cast<QWidget*>(m_ui->LblFrequency),
          static_cast<QWidget*>(m_ui->Label8), static_cast<QWidget*>(m_ui->LblServes)}) {
        w->show();
    }
    m_ui->LblRunwayNote->setText(
        tr("A navaid has no runways: choose an airport for the runway winds."));
    showNavaidsNear(p.Position);
}

void AirportWindow::showNavaidsNear(GeoPoint point) {
    QList<QStringList> rows;
    for (const NavaidInfo& n : data()->navaidsNear(point, kNavaidRadiusNm)) {
        const double distance = DistanceNm(point, n.place.Position);
        if (distance < 0.05 && n.place.Position.Latitude == point.Latitude) {
            continue;  // the navaid itself
        }
        rows << QStringList{
            fromStd(n.place.Ident),
            fromStd(n.place.Name),
            kindCaption(n.place),
            navaidFrequencyCaption(n.place, n.frequencyKhz),
            fromStd(planning::formatDirection(InitialCourse(point, n.place.Position))),
            tr("%1 NM").arg(QString::number(distance, 'f', 1))};
    }
    fillTable(m_ui->tblNavaids, rows);
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
    const auto from =
        readWithin(m_ui->txtWindDir, 0, 360, tr("Enter a wind direction from 0 to 360°!"));
    if (!from) {
        return false;
    }
    const auto speed =
        readWithin(m_ui->txtWindSpeed, 0, 200, tr("Enter a wind speed from 0 to 200 kt!"));
    if (!speed) {
        return false;
    }
    std::optional<double> gust;
    if (!isEmpty(m_ui->txtGust) &&
        !(gust = readWithin(m_ui->txtGust, *speed, 200,
                            tr("Enter a gust from the wind speed to 200 kt!")))) {
        return false;
    }
    std::optional<double> limit;
    if (!isEmpty(m_ui->txtXwindLimit) &&
        !(limit = readWithin(m_ui->txtXwindLimit, 0, 99,
                             tr("Enter a crosswind limit from 0 to 99 kt!")))) {
        return false;
    }
    m_windsShown = true;
    const auto now = variationToday(m_airport->place.Position, m_airport->elevationFt);
    struct End {
        QString name;
        EndHeading heading;
        QString why;  // why it is not chosen
    };
    QList<End> ends;
    std::vector<EndWindInput> inputs;
    for (const RunwayInfo& r : std::as_const(m_runways)) {
        if (r.closed) {
            continue;
        }
        for (int e = 0; e < 2; ++e) {
            const RunwayEndInfo& own = e == 0 ? r.low : r.high;
            const RunwayEndInfo& other = e == 0 ? r.high : r.low;
            if (own.ident.isEmpty()) {
                continue;
            }
            const EndHeading h =
                ResolveEndHeading(own.dataTrueHeading, other.dataTrueHeading, own.designator,
                                  other.designator, now, r.variationAtSnapshot);
            QString why;
            if (r.surfaceClass == SurfaceClass::Water) {
                why = tr("water, not chosen");
            } else if (own.designator.Kind == DesignatorKind::Helipad) {
                why = tr("helipad, not chosen");
            }
            ends.append({own.ident, h, why});
            inputs.push_back({h.Magnetic, CountsForWind(r.surfaceClass, own.designator)});
        }
    }
    const RunwayWindsResult winds = RunwayWinds(inputs, *from, *speed, gust, limit);
    QList<QStringList> rows;
    for (int i = 0; i < ends.size(); ++i) {
        const EndWind& w = winds.Ends[static_cast<std::size_t>(i)];
        QStringList notes;
        if (winds.Best == static_cast<std::size_t>(i)) {
            notes << tr("best into the wind");
        }
        if (w.BeyondLimit) {
            notes << tr("crosswind beyond the limit");
        }
        if (!ends[i].why.isEmpty()) {
            notes << ends[i].why;
        }
        if (!w.Steady) {
            notes << tr("no heading known");
        }
        rows << QStringList{ends[i].name,
                            direction(ends[i].heading.Magnetic, ends[i].heading.Derived()),
                            w.Steady ? headwindCaption(w.Steady->Headwind) : QString(),
                            w.Steady ? crosswindCaption(w.Steady->Crosswind) : QString(),
                            w.Gust ? headwindCaption(w.Gust->Headwind) : QString(),
                            w.Gust ? crosswindCaption(w.Gust->Crosswind) : QString(),
                            notes.join(QStringLiteral("; "))};
    }
    fillTable(m_ui->tblRunwayWinds, rows);
    QString note =
        tr("The wind as the tower gives it (magnetic) against each end's magnetic "
           "heading; * the heading is derived.");
    if (RoundsToCalm(*speed)) {
        note += QLatin1Char(' ') + tr("Calm: any runway.");
    } else if (!winds.Best) {
        note += QLatin1Char(' ') + tr("No runway end here can be chosen into the wind.");
    }
    m_ui->LblWindNote->setText(note);
    return true;
}

void AirportWindow::mnuImportFolder_Click() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("Import the OurAirports Files of a Folder"));
    if (folder.isEmpty()) {
        return;
    }
    QList<ImportFile> files;
    const QString problem = dataFilesIn(folder, &files);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, tr("Import Airport Data"), problem);
        return;
    }
    importFiles(files);
}

void AirportWindow::mnuImportFiles_Click() {
    const QStringList paths =
        QFileDialog::getOpenFileNames(this, tr("Import OurAirports Files"), QString(),
                                      tr("OurAirports files (*.csv *.csv.gz);;All files (*)"));
    if (paths.isEmpty()) {
        return;
    }
    QList<ImportFile> files;
    const QString problem = checkSelection(paths, &files);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, tr("Import Airport Data"), problem);
        return;
    }
    importFiles(files);
}

ImportSummary::Outcome AirportWindow::importFiles(const QList<ImportFile>& files) {
    QProgressDialog progress(tr("Importing the airport data..."), tr("Cancel"), 0, 1000, this);
    progress.setObjectName(QStringLiteral("dlgImport"));
    progress.setWindowTitle(tr("Import Airport Data"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    std::atomic<int> done{0};
    std::atomic<bool> cancelled{false};
    ImportSummary summary;
    const QString target = AirportData::importedPath();
    std::unique_ptr<QThread> worker(QThread::create([&] {
        summary = importAirportData(files, target, [&](double share) {
            done = static_cast<int>(share * 1000);
            return !cancelled.load();
        });
    }));
    QEventLoop loop;
    QTimer ticker;
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    connect(&ticker, &QTimer::timeout, &progress, [&] { progress.setValue(done.load()); });
    connect(&progress, &QProgressDialog::canceled, &progress, [&] { cancelled = true; });
    progress.setValue(0);
    worker->start();
    ticker.start(50);
    loop.exec();
    worker->wait();
    ticker.stop();
    progress.close();
    if (summary.outcome == ImportSummary::Outcome::Done) {
        AirportData::instance().reload();
        showDataState();
        const QString shown = m_airport ? fromStd(m_airport->place.Ident) : QString();
        clearPlace();
        txtSearch_Change();
        if (!shown.isEmpty()) {
            showIdent(shown);
        }
    }
    reportImport(summary);
    return summary.outcome;
}

void AirportWindow::reportImport(const ImportSummary& summary) {
    const QString unchanged = tr("The airport data is as it was.");
    switch (summary.outcome) {
        case ImportSummary::Outcome::Done: {
            QStringList lines = {tr("The imported data is now in use:")};
            for (const FileTally& t : summary.files) {
                lines << tr("%1: %2 rows read, %3 kept.")
                             .arg(dataFileTitle(t.file), QString::number(t.read),
                                  QString::number(t.kept));
                for (int r = 0; r < kSkipReasons; ++r) {
                    if (const qint64 n = t.skipped[static_cast<std::size_t>(r)]; n > 0) {
                        lines << tr("    %1 skipped: %2.")
                                     .arg(QString::number(n),
                                          skipReasonText(static_cast<SkipReason>(r)));
                    }
                }
            }
            QMessageBox::information(this, tr("Import Complete"), lines.join(QLatin1Char('\n')));
            return;
        }
        case ImportSummary::Outcome::Cancelled:
            QMessageBox::information(
                this, tr("Import Cancelled"),
                tr("The import was cancelled.") + QLatin1Char(' ') + unchanged);
            return;
        case ImportSummary::Outcome::Refused:
        case ImportSummary::Outcome::Failed:
            QMessageBox::warning(this, tr("Import Failed"),
                                 summary.message + QLatin1Char('\n') + unchanged);
            return;
    }
}

void AirportWindow::mnuBundled_Click() {
    QString error;
    if (!AirportData::instance().useBundled(&error)) {
        QMessageBox::warning(this, tr("Use the Bundled Data"), error);
        return;
    }
    showDataState();
    const QString shown = m_airport ? fromStd(m_airport->place.Ident) : QString();
    clearPlace();
    txtSearch_Change();
    if (!shown.isEmpty()) {
        showIdent(shown);
    }
    QMessageBox::information(this, tr("Use the Bundled Data"),
                             tr("The airport data installed with the program is in use again."));
}

}  // namespace aerolume::airports
