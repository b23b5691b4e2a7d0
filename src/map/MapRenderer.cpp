// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapRenderer.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "map/NearbyAirports.h"
#include "map/WorldMap.h"

namespace aerolume::map {
namespace {

QString tr(const char* text, const char* disambiguation = nullptr) {
    return QCoreApplication::translate("RouteMap", text, disambiguation);
}

constexpr std::size_t kMaxAirports = 300;
// Fewer airports than this in view, or a scale at least this large, and they are named.
constexpr std::size_t kNamedAirports = 60;
constexpr double kNamedAirportScale = 2;  // pixels per NM
// The least distance between two airports' rings, in ring radii.
constexpr double kAirportSpacing = 8;
constexpr int kMaxLabelLength = 24;
// Points of the coasts and borders closer than this to the one before are left out: the
// drawing cannot show them, and the fill and strokes cost by the point.
constexpr double kMinStepPx = 1.0;

// A line of the map's own (coast, border, graticule): one pixel wide at 96 dpi, cosmetic so
// that the raster engine draws it on its fast path.
QPen thinPen(const QColor& colour, double unit, Qt::PenStyle style) {
    QPen pen(colour, unit, style);
    pen.setCosmetic(true);
    return pen;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QPolygonF polygonOf(const std::vector<ScreenPoint>& points) {
    QPolygonF polygon;
    polygon.reserve(qsizetype(points.size()));
    for (const ScreenPoint& p : points) {
        polygon.append(QPointF(p.x, p.y));
    }
    return polygon;
}

// Everything the drawing needs in one place, for the steps below.
struct Frame {
    QPainter& painter;
    const MapView& view;
    const Projector& projector;
    const Clip& clip;
    const MapStyle& style;
    double unit;  // device pixels per 1/96 inch
};

void drawLand(Frame& f, const WorldMap& world) {
    QPainterPath land;
    land.setFillRule(Qt::OddEvenFill);
    std::vector<std::vector<ScreenPoint>> rings;
    std::vector<ScreenPoint> ring;
    for (const LandRing& r : world.land()) {
        if (!f.clip.mayCross(r.shape.cap)) {
            continue;
        }
        f.clip.ring(r.shape.points, kMinStepPx * f.unit, ring);
        if (ring.size() > 2) {
            land.addPolygon(polygonOf(ring));
            rings.push_back(ring);
        }
    }
    // The rings are joined along the clip's circle one way round; when that leaves the
    // middle of the view the wrong way round, the circle turns the whole fill over. The
    // point tried is a fraction of a pixel off the middle, so that it does not lie on the
    // data's cut along 180° when the view is centred there.
    const ScreenPoint probe{f.view.width / 2 + 0.37, f.view.height / 2 + 0.61};
    if (insideEvenOdd(rings, probe) != world.isLand(f.projector.toGeo(probe))) {
        land.addPolygon(polygonOf(f.clip.circle()));
    }
    // The coastline is stroked over the fill's edge, so the fill needs no antialiasing of
    // its own, which would cost more than the rest of the map.
    f.painter.setRenderHint(QPainter::Antialiasing, false);
    f.painter.fillPath(land, f.style.land);
    f.painter.setRenderHint(QPainter::Antialiasing, true);
}

void strokeLines(Frame& f, const std::vector<std::vector<Vec3>>& lines, const QPen& pen) {
    f.painter.setPen(pen);
    std::vector<std::vector<ScreenPoint>> pieces;
    for (const auto& line : lines) {
        f.clip.line(line, kMinStepPx * f.unit, pieces);
    }
    for (const auto& piece : pieces) {
        f.painter.drawPolyline(polygonOf(piece));
    }
}

void strokeShapes(Frame& f, const std::vector<MapShape>& shapes, const QPen& pen) {
    f.painter.setPen(pen);
    std::vector<std::vector<ScreenPoint>> pieces;
    for (const MapShape& shape : shapes) {
        if (f.clip.mayCross(shape.cap)) {
            f.clip.line(shape.points, kMinStepPx * f.unit, pieces);
        }
    }
    for (const auto& piece : pieces) {
        f.painter.drawPolyline(polygonOf(piece));
    }
}

// Text with a rim of the halo colour, readable on land, water and lines alike.
void drawLabel(Frame& f, const QPointF& at, const QString& text, const QColor& colour) {
    f.painter.setPen(f.style.halo);
    const double d = 1.2 * f.unit;
    for (const QPointF offset : {QPointF(-d, 0), QPointF(d, 0), QPointF(0, -d), QPointF(0, d)}) {
        f.painter.drawText(at + offset, text);
    }
    f.painter.setPen(colour);
    f.painter.drawText(at, text);
}

bool inside(const Frame& f, const ScreenPoint& s) {
    return s.x >= 0 && s.y >= 0 && s.x <= f.view.width && s.y <= f.view.height;
}

bool overlaps(const std::vector<QRectF>& taken, const QRectF& box) {
    return std::any_of(taken.begin(), taken.end(),
                       [&](const QRectF& t) { return t.intersects(box); });
}

// Where the checkpoints and their names go, worked out before anything is drawn so that
// the airports' names give way to them.
struct Placed {
    QPointF at;
    double radius = 0;
    bool end = false;
    QString name;   // empty: not named (no name, or no room)
    QPointF label;  // the name's baseline start
};

std::vector<Placed> placeCheckpoints(Frame& f, const std::vector<MapCheckpoint>& checkpoints,
                                     std::vector<QRectF>& taken) {
    const QFontMetricsF metrics(f.painter.font(), f.painter.device());
    std::vector<Placed> placed;
    // The departure's and destination's names first, so that they are always shown.
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < checkpoints.size(); ++i) {
        order.push_back(i);
    }
    std::stable_partition(order.begin(), order.end(),
                          [&](std::size_t i) { return i == 0 || i + 1 == checkpoints.size(); });
    for (const std::size_t i : order) {
        const Vec3 v = toVector(checkpoints[i].position);
        if (f.projector.cosDistance(v) < 0) {
            continue;
        }
        const ScreenPoint s = f.projector.toScreen(v);
        if (!inside(f, s)) {
            continue;
        }
        Placed p;
        p.at = QPointF(s.x, s.y);
        p.end = i == 0 || i + 1 == checkpoints.size();
        p.radius = (p.end ? 5 : 4) * f.unit;
        taken.emplace_back(p.at - QPointF(p.radius, p.radius), QSizeF(2 * p.radius, 2 * p.radius));
        QString name = checkpoints[i].name.simplified();
        if (name.size() > kMaxLabelLength) {
            name = name.left(kMaxLabelLength - 1) + QChar(0x2026);
        }
        // Right of the dot and above it, unless that runs off the drawing.
        const QRectF size = metrics.boundingRect(name);
        const double gap = p.radius + 2 * f.unit;
        const double x = p.at.x() + gap + size.width() > f.view.width
                             ? p.at.x() - gap - size.width()
                             : p.at.x() + gap;
        const double y = p.at.y() - p.radius + size.top() < 0 ? p.at.y() + p.radius - size.top()
                                                              : p.at.y() - p.radius;
        p.label = QPointF(x, y);
        const QRectF box = size.translated(p.label);
        if (!name.isEmpty() && (p.end || !overlaps(taken, box))) {
            p.name = name;
            taken.push_back(box);
        }
        placed.push_back(p);
    }
    return placed;
}

void drawAirports(Frame& f, const NearbyAirports& source, const std::vector<Placed>& checkpoints,
                  std::vector<QRectF>& taken) {
    const std::vector<MapAirport> airports = source.airportsIn(viewBox(f.view), kMaxAirports);
    const bool named = airports.size() < kNamedAirports || f.view.pixelsPerNm >= kNamedAirportScale;
    const double r = 3 * f.unit;
    QFont font = f.painter.font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    f.painter.setFont(font);
    const QFontMetricsF metrics(font, f.painter.device());
    std::vector<QPointF> drawn;
    drawn.reserve(airports.size());
    for (const MapAirport& airport : airports) {
        const Vec3 v = toVector(airport.position);
        if (f.projector.cosDistance(v) < 0) {
            continue;
        }
        const ScreenPoint s = f.projector.toScreen(v);
        const QPointF at(s.x, s.y);
        // An airport that is a checkpoint is drawn as the checkpoint.
        const bool isCheckpoint =
            std::any_of(checkpoints.begin(), checkpoints.end(),
                        [&](const Placed& p) { return QLineF(p.at, at).length() < 2 * p.radius; });
        // Where airports crowd, the more important one (they come most important first)
        // stands for those around it, so that the map still reads.
        const bool crowded = std::any_of(drawn.begin(), drawn.end(), [&](const QPointF& d) {
            return QLineF(d, at).length() < kAirportSpacing * r;
        });
        if (!inside(f, s) || isCheckpoint || crowded) {
            continue;
        }
        drawn.push_back(at);
        f.painter.setPen(QPen(f.style.airport, 1.4 * f.unit));
        f.painter.setBrush(Qt::NoBrush);
        f.painter.drawEllipse(at, r, r);
        if (!named) {
            continue;
        }
        const QString text = QString::fromStdString(airport.identifier);
        const QPointF label = at + QPointF(r + f.unit, r);
        const QRectF box = metrics.boundingRect(text).translated(label);
        if (!overlaps(taken, box)) {
            drawLabel(f, label, text, f.style.airport);
            taken.push_back(box);
        }
    }
}

void drawRoute(Frame& f, const std::vector<MapCheckpoint>& checkpoints,
               const std::vector<Placed>& placed) {
    std::vector<GeoPoint> positions;
    positions.reserve(checkpoints.size());
    for (const MapCheckpoint& c : checkpoints) {
        positions.push_back(c.position);
    }
    std::vector<Vec3> track;
    for (const GeoPoint& p : routeTrack(positions, kLegStepPx * f.unit / f.view.pixelsPerNm)) {
        track.push_back(toVector(p));
    }
    std::vector<std::vector<ScreenPoint>> pieces;
    f.clip.line(track, 0.5 * f.unit, pieces);
    for (const auto& [colour, width] :
         {std::pair{f.style.halo, 6.0}, std::pair{f.style.route, 3.0}}) {
        f.painter.setPen(QPen(colour, width * f.unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const auto& piece : pieces) {
            QVector<QLineF> lines;
            for (std::size_t i = 1; i < piece.size(); ++i) {
                lines.append(QLineF(piece[i - 1].x, piece[i - 1].y, piece[i].x, piece[i].y));
            }
            f.painter.drawLines(lines);
        }
    }
    // Dots as two fills, a disc of the halo under one of the colour: filling is far
    // cheaper than stroking a rim.
    f.painter.setPen(Qt::NoPen);
    for (const Placed& p : placed) {
        f.painter.setBrush(f.style.halo);
        f.painter.drawEllipse(p.at, p.radius + 1.5 * f.unit, p.radius + 1.5 * f.unit);
        f.painter.setBrush(p.end ? f.style.route : f.style.label);
        f.painter.drawEllipse(p.at, p.radius, p.radius);
    }
    for (const Placed& p : placed) {
        if (!p.name.isEmpty()) {
            drawLabel(f, p.label, p.name, f.style.label);
        }
    }
}

void drawScaleBar(Frame& f) {
    const double length = scaleBarLengthNm(f.view.width / 4 / f.view.pixelsPerNm);
    const double px = length * f.view.pixelsPerNm;
    const double x = 12 * f.unit;
    const double y = f.view.height - 14 * f.unit;
    const double tick = 5 * f.unit;
    const QString text = tr("%1 NM").arg(length, 0, 'f', length < 1 ? 1 : 0);
    for (const auto& [colour, width] :
         {std::pair{f.style.halo, 4.0}, std::pair{f.style.label, 1.6}}) {
        f.painter.setPen(QPen(colour, width * f.unit, Qt::SolidLine, Qt::SquareCap));
        f.painter.drawLine(QPointF(x, y), QPointF(x + px, y));
        f.painter.drawLine(QPointF(x, y - tick), QPointF(x, y));
        f.painter.drawLine(QPointF(x + px, y - tick), QPointF(x + px, y));
    }
    drawLabel(f, QPointF(x + px + 5 * f.unit, y + 1 * f.unit), text, f.style.label);
}

// North where the arrow stands (true north bends across a wide view).
void drawNorthArrow(Frame& f) {
    const ScreenPoint base{f.view.width - 22 * f.unit, 50 * f.unit};
    const GeoPoint here = f.projector.toGeo(base);
    const double step = std::max(1e-4, 10 / f.view.pixelsPerNm / 60);
    const ScreenPoint ahead =
        f.projector.toScreen(GeoPoint{std::min(89.9, here.latitude + step), here.longitude});
    const double angle = std::atan2(ahead.x - base.x, base.y - ahead.y);
    const double length = 26 * f.unit;
    const QPointF tip(base.x + length * std::sin(angle), base.y - length * std::cos(angle));
    const QPointF side(6 * f.unit * std::cos(angle), 6 * f.unit * std::sin(angle));
    const QPointF b(base.x, base.y);
    const QPolygonF arrow{tip, b + side, b - side};
    f.painter.setPen(QPen(f.style.halo, 1.5 * f.unit));
    f.painter.setBrush(f.style.label);
    f.painter.drawPolygon(arrow);
    const QFontMetricsF metrics(f.painter.font(), f.painter.device());
    const QString n = tr("N", "north");
    drawLabel(f, tip + QPointF(-metrics.horizontalAdvance(n) / 2, -3 * f.unit), n, f.style.label);
}

void drawAttribution(Frame& f, const QString& text) {
    QFont font = f.painter.font();
    font.setPointSizeF(font.pointSizeF() * 0.75);
    f.painter.setFont(font);
    const QFontMetricsF metrics(font, f.painter.device());
    const QPointF at(f.view.width - metrics.horizontalAdvance(text) - 6 * f.unit,
                     f.view.height - 6 * f.unit);
    drawLabel(f, at, text, f.style.coast);
}

}  // namespace

MapStyle MapStyle::fromPalette(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const QColor highlight = palette.color(QPalette::Highlight);
    MapStyle style;
    style.water = mix(base, highlight, 0.16);
    style.land = mix(base, text, 0.04);
    style.coast = mix(base, text, 0.55);
    style.border = mix(base, text, 0.45);
    style.graticule = mix(style.water, text, 0.12);
    style.airport = mix(base, palette.color(QPalette::Link), 0.85);
    style.route = highlight;
    style.halo = base;
    style.label = text;
    return style;
}

MapStyle MapStyle::paper() {
    MapStyle style;
    style.water = QColor(0xf2, 0xf6, 0xfa);
    style.land = Qt::white;
    style.coast = QColor(0x50, 0x50, 0x50);
    style.border = QColor(0x70, 0x70, 0x70);
    style.graticule = QColor(0xc8, 0xd2, 0xdc);
    style.airport = QColor(0x30, 0x30, 0x90);
    style.route = QColor(0xc0, 0x10, 0x40);
    style.halo = Qt::white;
    style.label = Qt::black;
    return style;
}

void drawMap(QPainter& painter, const QRectF& area, const MapView& view, const MapContent& content,
             const MapStyle& style) {
    painter.save();
    painter.translate(area.topLeft());
    painter.setClipRect(QRectF(0, 0, area.width(), area.height()));
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = painter.device()->logicalDpiY() / 96.0;
    const Projector projector(view);
    const Clip clip(projector);
    Frame f{painter, view, projector, clip, style, unit};
    painter.fillRect(QRectF(0, 0, view.width, view.height), style.water);
    if (content.world != nullptr) {
        drawLand(f, *content.world);
    }
    strokeLines(f, graticule(view), thinPen(style.graticule, unit, Qt::SolidLine));
    if (content.world != nullptr) {
        strokeShapes(f, content.world->borders(), thinPen(style.border, unit, Qt::DashLine));
        strokeShapes(f, content.world->coastlines(), thinPen(style.coast, unit, Qt::SolidLine));
    }
    std::vector<QRectF> taken;
    const std::vector<Placed> placed = placeCheckpoints(f, content.checkpoints, taken);
    if (content.airports != nullptr) {
        painter.save();
        drawAirports(f, *content.airports, placed, taken);
        painter.restore();
    }
    drawRoute(f, content.checkpoints, placed);
    drawScaleBar(f);
    drawNorthArrow(f);
    if (content.world != nullptr) {
        drawAttribution(f, tr("Map: Natural Earth (public domain)"));
    }
    painter.restore();
}

MapView fitCheckpoints(const std::vector<MapCheckpoint>& checkpoints, double width, double height,
                       double dotsPerInch) {
    std::vector<GeoPoint> positions;
    positions.reserve(checkpoints.size());
    for (const MapCheckpoint& c : checkpoints) {
        positions.push_back(c.position);
    }
    return fitView(routeTrack(positions, 10), width, height, 48 * dotsPerInch / 96);
}

}  // namespace aerolume::map
