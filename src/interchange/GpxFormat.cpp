// SPDX-License-Identifier: GPL-3.0-or-later
#include "GpxFormat.h"

#include <QCoreApplication>
#include <QXmlStreamWriter>
#include <algorithm>
#include <cmath>
#include <optional>

#include "RouteExport.h"
#include "XmlInput.h"

namespace aerolume::interchange {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("RouteFiles", text);
}

constexpr double kFeetPerMetre = 1 / 0.3048;
constexpr double kMinElevationM = -500;
constexpr double kMaxElevationM = 9000;

bool isFileIdentifier(const QString& text) {
    if (text.isEmpty() || text.size() > 12) {
        return false;
    }
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
    });
}

RoutePoint readPoint(XmlInput& in) {
    if (!in.hasAttribute(QStringLiteral("lat")) || !in.hasAttribute(QStringLiteral("lon"))) {
        in.fail(tr("the point has no lat or no lon attribute."));
    }
    RoutePoint point;
    point.latitude = in.number(tr("the latitude"), -90, 90, QStringLiteral("lat"));
    point.longitude = in.number(tr("the longitude"), -180, 180, QStringLiteral("lon"));
    QString name;
    QString comment;
    QString description;
    QString symbol;
    QString type;
    while (in.nextChild()) {
        const QStringView element = in.name();
        if (element == u"name") {
            name = oneLine(in.text(), kMaxNameLength);
        } else if (element == u"cmt") {
            comment = oneLine(in.text(), kMaxNameLength);
        } else if (element == u"desc") {
            description = oneLine(in.text(), kMaxNameLength);
        } else if (element == u"sym") {
            symbol = in.text();
        } else if (element == u"type") {
            type = in.text().toUpper();
        } else if (element == u"ele") {
            point.elevationFt =
                in.number(tr("the elevation"), kMinElevationM, kMaxElevationM) * kFeetPerMetre;
        } else {
            in.skip();
        }
    }
    if (const auto known = waypointTypeFromName(type.toStdString())) {
        point.type = *known;
    } else if (symbol.compare(QLatin1String("Airport"), Qt::CaseInsensitive) == 0) {
        point.type = WaypointType::Airport;
    }
    if (isFileIdentifier(name)) {
        point.identifier = name.toStdString();
    } else {
        point.type = WaypointType::UserWaypoint;
    }
    for (const QString* text : {&description, &comment, &name}) {
        if (!text->isEmpty()) {
            point.name = text->toStdString();
            break;
        }
    }
    return point;
}

Route readRoute(XmlInput& in) {
    Route route;
    while (in.nextChild()) {
        if (in.name() == u"rtept") {
            route.points.push_back(readPoint(in));
            if (route.points.size() > kMaxImportPoints) {
                in.fail(tr("the route holds more than %1 points; this program reads at most %1.")
                            .arg(kMaxImportPoints));
            }
        } else if (in.name() == u"name") {
            route.name = oneLine(in.text(), kMaxNameLength).toStdString();
        } else {
            in.skip();
        }
    }
    return route;
}

}  // namespace

std::variant<Route, QString> readGpx(const QByteArray& bytes) {
    try {
        XmlInput in(bytes, tr("GPX file"));
        in.readRoot(QStringLiteral("gpx"),
                    {QLatin1String(kGpxNamespace), QLatin1String(kGpx10Namespace), QString()});
        std::optional<Route> route;
        bool hasTrack = false;
        while (in.nextChild()) {
            if (in.name() == u"rte" && !route) {
                route = readRoute(in);
            } else {
                hasTrack = hasTrack || in.name() == u"trk";
                in.skip();
            }
        }
        in.finish();
        if (!route) {
            in.failFile(hasTrack ? tr("the file holds a track but no route (<rte>); a track "
                                      "is where a flight went, not a plan.")
                                 : tr("the file holds no route (<rte>)."));
        }
        if (route->points.empty()) {
            in.failFile(tr("the route holds no points (<rtept>)."));
        }
        return *route;
    } catch (const XmlFault& fault) {
        return fault.message;
    }
}

QByteArray writeGpx(const Route& route, const QDateTime& created) {
    QByteArray bytes;
    QXmlStreamWriter out(&bytes);
    startDocument(out, kGpxNamespace, QStringLiteral("gpx"));
    out.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    out.writeAttribute(QStringLiteral("creator"), QStringLiteral("Aerolume"));
    out.writeStartElement(QStringLiteral("metadata"));
    if (!route.name.empty()) {
        out.writeTextElement(QStringLiteral("name"), QString::fromStdString(route.name));
    }
    out.writeTextElement(QStringLiteral("time"), xmlTime(created));
    out.writeEndElement();
    out.writeStartElement(QStringLiteral("rte"));
    if (!route.name.empty()) {
        out.writeTextElement(QStringLiteral("name"), QString::fromStdString(route.name));
    }
    for (const RoutePoint& p : route.points) {
        out.writeStartElement(QStringLiteral("rtept"));
        out.writeAttribute(QStringLiteral("lat"),
                           QString::number(roundedCoordinate(p.latitude), 'f', 6));
        out.writeAttribute(QStringLiteral("lon"),
                           QString::number(roundedCoordinate(p.longitude), 'f', 6));
        // The order of a GPX point's elements is fixed: ele, name, desc, sym, type.
        if (p.elevationFt) {
            out.writeTextElement(QStringLiteral("ele"),
                                 QString::number(*p.elevationFt / kFeetPerMetre, 'f', 1));
        }
        out.writeTextElement(QStringLiteral("name"), QString::fromStdString(p.identifier));
        if (!p.name.empty()) {
            out.writeTextElement(QStringLiteral("desc"), QString::fromStdString(p.name));
        }
        out.writeTextElement(QStringLiteral("sym"), p.type == WaypointType::Airport
                                                        ? QStringLiteral("Airport")
                                                        : QStringLiteral("Waypoint"));
        out.writeTextElement(QStringLiteral("type"), waypointTypeText(p.type));
        out.writeEndElement();
    }
    out.writeEndElement();
    out.writeEndElement();
    out.writeEndDocument();
    return bytes;
}

}  // namespace aerolume::interchange
