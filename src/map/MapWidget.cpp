// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapWidget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>
#include <variant>

#include "map/WorldMap.h"

namespace aerolume::map {
namespace {

constexpr double kKeyZoom = 1.5;
constexpr double kWheelZoomPerStep = 1.25;  // one notch of the wheel (120 units)
constexpr int kKeyPanDivisor = 8;           // an arrow key moves an eighth of the view

}  // namespace

const WorldMap* builtInWorldMap(QString* error) {
    static const auto map = []() -> std::variant<WorldMap, QString> {
        QFile file(QStringLiteral(":/map/world-50m.aerolume-map"));
        if (!file.open(QIODevice::ReadOnly)) {
            return QCoreApplication::translate("RouteMap", "The map of the world is missing: %1.")
                .arg(file.errorString());
        }
        const QByteArray bytes = file.readAll();
        auto read = WorldMap::read(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        if (auto* message = std::get_if<std::string>(&read)) {
            return QCoreApplication::translate("RouteMap",
                                               "The map of the world cannot be read: %1.")
                .arg(QString::fromStdString(*message));
        }
        return std::get<WorldMap>(std::move(read));
    }();
    if (const auto* message = std::get_if<QString>(&map)) {
        if (error != nullptr) {
            *error = *message;
        }
        return nullptr;
    }
    return &std::get<WorldMap>(map);
}

MapWidget::MapWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("routeMap"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Route map"));
    setToolTip(
        tr("Wheel or + and - to zoom, drag or arrow keys to move, Home or a double "
           "click to fit the route.\nMap data: Natural Earth, public domain."));
    m_content.world = builtInWorldMap();
    m_view = fitCheckpoints({}, width(), height(), logicalDpiY());
    describe();
}

QSize MapWidget::sizeHint() const {
    return {480, 360};
}

QSize MapWidget::minimumSizeHint() const {
    return {160, 120};
}

void MapWidget::setRoute(std::vector<MapCheckpoint> checkpoints) {
    m_content.checkpoints = std::move(checkpoints);
    if (m_fitted) {
        m_view = fitCheckpoints(m_content.checkpoints, width(), height(), logicalDpiY());
    }
    describe();
    update();
}

void MapWidget::setAirports(const NearbyAirports* airports) {
    m_content.airports = airports;
    update();
}

void MapWidget::setWorldMap(const WorldMap* world) {
    m_content.world = world;
    update();
}

void MapWidget::fitRoute() {
    m_fitted = true;
    m_view = fitCheckpoints(m_content.checkpoints, width(), height(), logicalDpiY());
    update();
}

void MapWidget::zoomBy(double factor) {
    m_view = zoomed(m_view, factor, {m_view.width / 2, m_view.height / 2});
    m_fitted = false;
    update();
}

void MapWidget::panBy(const QPoint& pixels) {
    m_view = panned(m_view, {0, 0}, {double(pixels.x()), double(pixels.y())});
    m_fitted = false;
    update();
}

void MapWidget::describe() {
    const auto& route = m_content.checkpoints;
    if (route.empty()) {
        setAccessibleDescription(tr("No route."));
        return;
    }
    setAccessibleDescription(route.size() == 1 ? tr("1 checkpoint, %1.").arg(route.front().name)
                                               : tr("%1 checkpoints, from %2 to %3.")
                                                     .arg(route.size())
                                                     .arg(route.front().name, route.back().name));
}

void MapWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawMap(painter, rect(), m_view, m_content, MapStyle::fromPalette(palette()));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void MapWidget::resizeEvent(QResizeEvent* /*event*/) {
    if (m_fitted) {
        m_view = fitCheckpoints(m_content.checkpoints, width(), height(), logicalDpiY());
    } else {
        m_view.width = width();
        m_view.height = height();
    }
}

void MapWidget::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0) {
        return;
    }
    const QPointF at = event->position();
    m_view = zoomed(m_view, std::pow(kWheelZoomPerStep, steps), {at.x(), at.y()});
    m_fitted = false;
    update();
    event->accept();
}

void MapWidget::keyPressEvent(QKeyEvent* event) {
    const int stepX = std::max(1, width() / kKeyPanDivisor);
    const int stepY = std::max(1, height() / kKeyPanDivisor);
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoomBy(kKeyZoom);
            break;
        case Qt::Key_Minus:
            zoomBy(1 / kKeyZoom);
            break;
        // An arrow moves the view that way: the map slides the other.
        case Qt::Key_Left:
            panBy({stepX, 0});
            break;
        case Qt::Key_Right:
            panBy({-stepX, 0});
            break;
        case Qt::Key_Up:
            panBy({0, stepY});
            break;
        case Qt::Key_Down:
            panBy({0, -stepY});
            break;
        case Qt::Key_Home:
            fitRoute();
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void MapWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragFrom = event->position().toPoint();
        setCursor(Qt::ClosedHandCursor);
    }
}

void MapWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) {
        return;
    }
    const QPoint at = event->position().toPoint();
    panBy(at - m_dragFrom);
    m_dragFrom = at;
}

void MapWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        unsetCursor();
    }
}

void MapWidget::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
    fitRoute();
}

void MapWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        update();
    }
    QWidget::changeEvent(event);
}

}  // namespace aerolume::map
