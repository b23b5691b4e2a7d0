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
#include "RouteData.h"
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
