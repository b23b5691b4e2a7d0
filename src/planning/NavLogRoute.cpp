// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log's route files and route map: File, Export Route writes the route as
// a flight plan panel units, tablets and simulators read; File, Import Route makes a
// file's route a new plan, its points matched to the airport and navaid data; the map
// beside the table draws the route and follows every edit, and the printed log carries it
// as a strip on the first page.
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPaintDevice>
#include <QPainter>
#include <QSplitter>
#include <QTableView>
#include <QUndoCommand>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "CheckpointLookup.h"
#include "NavLogWindow.h"
#include "PlanPrint.h"
#include "interchange/RouteExport.h"
#include "interchange/RouteFiles.h"
#include "map/MapWidget.h"
#include "map/NearbyAirports.h"
#include "ui_NavLogWindow.h"

namespace aerolume::planning {
namespace {

using interchange::RouteFormat;
using interchange::WaypointType;

// The size of the names on the printed map.
constexpr double kMapTextPoints = 7;

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

WaypointType waypointTypeOf(PlaceKind kind) {
    switch (kind) {
        case PlaceKind::Airport:
        case PlaceKind::Heliport:
        case PlaceKind::SeaplaneBase:
        case PlaceKind::Balloonport:
            return WaypointType::Airport;
        case PlaceKind::Vor:
        case PlaceKind::VorDme:
        case PlaceKind::Vortac:
        case PlaceKind::Tacan:
        case PlaceKind::Dme:
            return WaypointType::Vor;
        case PlaceKind::Ndb:
        case PlaceKind::NdbDme:
            return WaypointType::Ndb;
        case PlaceKind::Other:
            return WaypointType::Intersection;
        case PlaceKind::Typed:
        case PlaceKind::RadialDistance:
            break;
    }
    return WaypointType::UserWaypoint;
}

// The plan's checkpoints as the route files carry them: a place of the data keeps its
// identifier, type and country; a typed position or a fix is a user waypoint.
interchange::Route routeOf(const Plan& plan) {
    interchange::Route route;
    route.name = plan.name;
    for (const Checkpoint& c : plan.checkpoints) {
        interchange::RoutePoint p;
        p.type = waypointTypeOf(c.origin.kind);
        if (p.type != WaypointType::UserWaypoint) {
            p.identifier = c.origin.identifier;
            p.countryCode = c.origin.country;
        }
        p.latitude = c.latitude;
        p.longitude = c.longitude;
        p.name = c.name;
        p.elevationFt = c.elevation;
        route.points.push_back(std::move(p));
    }
    return route;
}

// The airport and navaid data as the matching sees it. Each candidate's checkpoint, as
// the table's own look-up makes it (name, kind, country, field elevation), is kept for
// the points matched to it.
class DataPointLookup final : public interchange::PointLookup {
public:
    explicit DataPointLookup(const airports::AirportDatabase* database)
        : m_database(database), m_finder(database, {}) {}

    std::vector<interchange::Candidate> candidates(const std::string& identifier,
                                                   WaypointType type) const override {
        std::vector<interchange::Candidate> found;
        if (m_database == nullptr) {
            return found;
        }
        for (const airports::Place& place : m_database->placesNamed(q(identifier))) {
            if (place.Ident != identifier || waypointTypeOf(placeKindOf(place)) != type) {
                continue;
            }
            const auto checkpoint = m_finder.checkpointOf({place, std::nullopt, std::nullopt});
            if (!checkpoint) {
                continue;
            }
            found.push_back({place.Ident, type, place.Country, checkpoint->latitude,
                             checkpoint->longitude, checkpoint->name, checkpoint->elevation});
            m_checkpoints.push_back(*checkpoint);
        }
        return found;
    }

    // The checkpoint of a candidate given before.
    std::optional<Checkpoint> checkpointOf(const interchange::Candidate& candidate) const {
        for (const Checkpoint& c : m_checkpoints) {
            if (c.origin.identifier == candidate.identifier && c.latitude == candidate.latitude &&
                c.longitude == candidate.longitude) {
                return c;
            }
        }
        return std::nullopt;
    }

private:
    const airports::AirportDatabase* m_database;
    CheckpointFinder m_finder;
    mutable std::vector<Checkpoint> m_checkpoints;
};

// The checkpoints of an imported route: matched points as the data gives them, any
// other as a position typed, with the file's name and elevation.
std::vector<Checkpoint> checkpointsOf(const interchange::Route& route,
                                      const std::vector<interchange::PointMatch>& matches,
                                      const DataPointLookup& lookup) {
    const interchange::Route applied = interchange::applyMatches(route, matches);
    std::vector<Checkpoint> checkpoints;
    for (std::size_t i = 0; i < applied.points.size(); ++i) {
        const interchange::RoutePoint& p = applied.points[i];
        if (matches[i].status == interchange::MatchStatus::Matched && matches[i].candidate) {
            if (auto data = lookup.checkpointOf(*matches[i].candidate)) {
                checkpoints.push_back(*data);
                continue;
            }
        }
        Checkpoint c;
        c.name = oneLineName(p.name.empty() ? p.identifier : p.name);
        c.latitude = p.latitude;
        c.longitude = p.longitude;
        if (p.elevationFt && kElevationRange.contains(*p.elevationFt)) {
            c.elevation = std::round(*p.elevationFt);
        }
        checkpoints.push_back(std::move(c));
    }
    return checkpoints;
}

// The airports of the data in the box the map draws; the last answer is kept, as the
// map asks again for every repaint.
class DataAirports final : public map::NearbyAirports {
public:
    std::vector<map::MapAirport> airportsIn(const map::GeoBox& box,
                                            std::size_t limit) const override {
        if (m_asked && box.south == m_box.south && box.north == m_box.north &&
            box.west == m_box.west && box.east == m_box.east && limit == m_limit) {
            return m_airports;
        }
        m_asked = true;
        m_box = box;
        m_limit = limit;
        m_airports.clear();
        const airports::AirportDatabase* db = airports::AirportData::instance().database();
        if (db == nullptr) {
            return m_airports;
        }
        for (const airports::Place& p :
             db->airportsInBox(box.south, box.west, box.north, box.east, static_cast<int>(limit))) {
            m_airports.push_back({p.Ident, p.Name, {p.Position.Latitude, p.Position.Longitude}});
        }
        return m_airports;
    }

private:
    mutable bool m_asked = false;
    mutable map::GeoBox m_box;
    mutable std::size_t m_limit = 0;
    mutable std::vector<map::MapAirport> m_airports;
};

// The checkpoints as the map labels them: a place of the data by its identifier.
std::vector<map::MapCheckpoint> mapCheckpointsOf(const Plan& plan) {
    std::vector<map::MapCheckpoint> points;
    for (const Checkpoint& c : plan.checkpoints) {
        const bool fromData = c.origin.kind != PlaceKind::Typed &&
                              c.origin.kind != PlaceKind::RadialDistance &&
                              !c.origin.identifier.empty();
        points.push_back({q(fromData ? c.origin.identifier : c.name), {c.latitude, c.longitude}});
    }
    return points;
}

// An imported route in place of the new plan it was read into: one step to undo.
class ImportCommand final : public QUndoCommand {
public:
    ImportCommand(NavLogModel* model, Plan before, Plan after, const QString& text)
        : QUndoCommand(text),
          m_model(model),
          m_before(std::move(before)),
          m_after(std::move(after)) {}
    void redo() override { m_model->resetPlan(m_after); }
    void undo() override { m_model->resetPlan(m_before); }

private:
    NavLogModel* m_model;
    Plan m_before;
    Plan m_after;
};

}  // namespace

void NavLogWindow::setUpRoute() {
    // The map beside the table, in a splitter: dragged shut or hidden from the View menu,
    // it leaves the table the window's whole width.
    auto* splitter = new QSplitter(Qt::Horizontal, m_ui->tblLog->parentWidget());
    splitter->setObjectName(QStringLiteral("splRouteMap"));
    splitter->setChildrenCollapsible(true);
    // It takes the window's height as the table did (a horizontal splitter would not).
    splitter->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    delete m_ui->tblLog->parentWidget()->layout()->replaceWidget(m_ui->tblLog, splitter);
    splitter->addWidget(m_ui->tblLog);
    m_map = new map::MapWidget(splitter);
    m_map->setObjectName(QStringLiteral("routeMap"));
    auto nearby = std::make_shared<DataAirports>();
    m_map->setAirports(nearby.get());
    m_nearby = std::move(nearby);
    splitter->addWidget(m_map);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({900, 360});

    auto* file = findChild<QMenu*>(QStringLiteral("menuFile"));
    auto* print = findChild<QAction*>(QStringLiteral("mnuPrint"));
    auto* exportMenu = new QMenu(tr("Export Ro&ute"), file);
    exportMenu->setObjectName(QStringLiteral("menuExportRoute"));
    const std::pair<RouteFormat, std::pair<QString, const char*>> formats[] = {
        {RouteFormat::Fpl, {tr("&Flight Plan (.fpl)..."), "mnuExportFpl"}},
        {RouteFormat::Gpx, {tr("&GPX Route (.gpx)..."), "mnuExportGpx"}},
        {RouteFormat::Fms, {tr("&Simulator Flight Plan (.fms)..."), "mnuExportFms"}}};
    for (const auto& [format, entry] : formats) {
        QAction* action = exportMenu->addAction(entry.first);
        action->setObjectName(QString::fromLatin1(entry.second));
        connect(action, &QAction::triggered, this,
                [this, format = format] { mnuExportRoute_Click(format); });
    }
    file->insertMenu(print, exportMenu);
    auto* import = new QAction(tr("&Import Route (.fpl, .gpx)..."), file);
    import->setObjectName(QStringLiteral("mnuImportRoute"));
    connect(import, &QAction::triggered, this, &NavLogWindow::mnuImportRoute_Click);
    file->insertAction(print, import);
    auto* printMap = new QAction(tr("Print the Route &Map"), file);
    printMap->setObjectName(QStringLiteral("mnuPrintMap"));
    printMap->setCheckable(true);
    printMap->setChecked(true);
    file->insertAction(print, printMap);

    QMenuBar* bar = menuBar();
    auto* view = new QMenu(tr("&View"), bar);
    view->setObjectName(QStringLiteral("menuView"));
    QAction* showMap = view->addAction(tr("Route &Map"));
    showMap->setObjectName(QStringLiteral("mnuShowMap"));
    showMap->setCheckable(true);
    showMap->setChecked(true);
    showMap->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(showMap, &QAction::toggled, m_map, &QWidget::setVisible);
    QAction* fit = view->addAction(tr("&Fit the Route"));
    fit->setObjectName(QStringLiteral("mnuFitRoute"));
    connect(fit, &QAction::triggered, m_map, &map::MapWidget::fitRoute);
    const QMenu* help = findChild<QMenu*>(QStringLiteral("menuHelp"));
    bar->insertMenu(help != nullptr ? help->menuAction() : nullptr, view);

    addHelp(
        tr("The map beside the table draws the route as it is flown, with the airports of the "
           "data near it; it follows every edit. The wheel, + and - zoom, dragging and the "
           "arrow keys move it, Home or a double click fits the route again; View, Route Map "
           "(Ctrl+M) hides or shows it, and dragging the bar between table and map sizes it. "
           "The printed log carries the map above the table on its first page unless File, "
           "Print the Route Map is turned off."));
    addHelp(
        tr("File, Export Route writes the route for a panel GPS unit or tablet (.fpl, .gpx) "
           "or a flight simulator (.fms); the file dialog says what the format leaves out. "
           "File, Import Route reads an .fpl or .gpx file as a new plan: each point is matched "
           "to the airport and navaid data by identifier, type and position, and a point "
           "that matches nothing is kept as a position typed. A summary says what was "
           "matched; Undo gives back the empty plan."));
    connect(m_model, &NavLogModel::planChanged, this, &NavLogWindow::showRouteMap);
    showRouteMap();
}

void NavLogWindow::showRouteMap() {
    std::vector<map::MapCheckpoint> points = mapCheckpointsOf(m_model->plan());
    const auto same = [](const map::MapCheckpoint& a, const map::MapCheckpoint& b) {
        return a.name == b.name && a.position.latitude == b.position.latitude &&
               a.position.longitude == b.position.longitude;
    };
    const auto& shown = m_map->route();
    if (!std::equal(points.begin(), points.end(), shown.begin(), shown.end(), same)) {
        m_map->setRoute(std::move(points));
    }
}

RouteMapHook NavLogWindow::routeMapHook() const {
    const auto* printMap = findChild<QAction*>(QStringLiteral("mnuPrintMap"));
    if (printMap == nullptr || !printMap->isChecked() || m_model->checkpointCount() < 2) {
        return {};
    }
    RouteMapHook hook;
    hook.placement = RouteMapHook::Placement::Strip;
    hook.stripHeight = 0.3;
    hook.paint = [points = mapCheckpointsOf(m_model->plan()), nearby = m_nearby](
                     QPainter& painter, const QRectF& rect) {
        // The map is drawn in device pixels, at the device's resolution.
        const QRectF area = painter.transform().mapRect(rect);
        painter.save();
        painter.resetTransform();
        // Names in 7 pt on paper, whatever font the page's texts left on the painter.
        QFont font = QApplication::font();
        font.setPointSizeF(kMapTextPoints);
        painter.setFont(QFont(font, painter.device()));
        const double dpi = painter.device()->logicalDpiX();
        const map::MapView view = map::fitCheckpoints(points, area.width(), area.height(), dpi);
        const map::MapContent content{map::builtInWorldMap(), nearby.get(), points};
        map::drawMap(painter, area, view, content, map::MapStyle::paper());
        painter.setPen(QPen(Qt::black, dpi / 144.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area);
        painter.restore();
    };
    return hook;
}

bool NavLogWindow::exportRoute(const QString& path, RouteFormat format) {
    const QString message = interchange::exportRouteFile(path, format, routeOf(m_model->plan()));
    if (!message.isEmpty()) {
        m_document->warn(message);
        return false;
    }
    return true;
}

void NavLogWindow::mnuExportRoute_Click(RouteFormat format) {
    beginRun();
    // A route that cannot be written is said before a file is asked for.
    const auto prepared = interchange::prepareForExport(routeOf(m_model->plan()));
    if (const auto* message = std::get_if<QString>(&prepared)) {
        m_document->warn(*message);
        return;
    }
    const QString path = m_document->askFile(
        true, tr("Export Route"), interchange::routeFormatFilter(format),
        interchange::routeFormatSuffix(format), interchange::routeFormatLimits(format));
    if (!path.isEmpty()) {
        exportRoute(path, format);
    }
}

bool NavLogWindow::importRoute(const QString& path) {
    beginRun();
    const auto read = interchange::importRouteFile(path);
    if (const auto* message = std::get_if<QString>(&read)) {
        m_document->warn(tr("The route file %1 was not imported.\n%2")
                             .arg(QFileInfo(path).fileName(), *message));
        return false;
    }
    const auto& route = std::get<interchange::Route>(read);
    const DataPointLookup lookup(airports::AirportData::instance().database());
    const std::vector<interchange::PointMatch> matches = interchange::matchRoute(route, lookup);
    std::vector<Checkpoint> checkpoints = checkpointsOf(route, matches, lookup);
    // The route becomes a new plan, once unsaved changes of the open one are dealt with.
    if (!m_document->newDocument()) {
        return false;
    }
    Plan plan = m_model->plan();
    plan.name = oneLineName(route.name);
    plan.checkpoints = std::move(checkpoints);
    m_stack.push(new ImportCommand(m_model, m_model->plan(), std::move(plan),
                                   tr("Import Route %1").arg(QFileInfo(path).fileName())));
    showFields(true);
    if (m_model->rowCount() > 0) {
        m_ui->tblLog->setCurrentIndex(m_model->index(0, 0));
    }
    QMessageBox::information(this, tr("Import Route"), interchange::matchSummary(route, matches));
    return true;
}

void NavLogWindow::mnuImportRoute_Click() {
    const QString path =
        m_document->askFile(false, tr("Import Route"),
                            tr("Route files (*.fpl *.gpx);;%1;;%2")
                                .arg(interchange::routeFormatFilter(RouteFormat::Fpl),
                                     interchange::routeFormatFilter(RouteFormat::Gpx)),
                            QString());
    if (!path.isEmpty()) {
        importRoute(path);
    }
}

}  // namespace aerolume::planning
