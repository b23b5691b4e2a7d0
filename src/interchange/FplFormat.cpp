// SPDX-License-Identifier: GPL-3.0-or-later
#include "FplFormat.h"

#include <QCoreApplication>
#include <QSet>
#include <QXmlStreamWriter>
#include <cmath>
#include <optional>

#include "RouteExport.h"
#include "XmlInput.h"

namespace aerolume::interchange {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("RouteFiles", text);
}

// The elevations a waypoint may have, in feet: the Dead Sea shore to above the highest
// summit.
constexpr double kMinElevationFt = -1500;
constexpr double kMaxElevationFt = 30000;
constexpr qsizetype kMaxIdentifierLength = 12;
constexpr qsizetype kMaxCommentLength = 25;

struct Reference {
    QString identifier;
    QString type;
    std::optional<QString> countryCode;
    XmlInput::Position at;
};

QString identifierText(XmlInput& in) {
    QString identifier = in.text();
    if (identifier.isEmpty() || identifier.size() > kMaxIdentifierLength ||
        identifier.contains(QLatin1Char(' '))) {
        in.fail(tr("\"%1\" is not an identifier (1 to %2 letters and digits).")
                    .arg(oneLine(identifier, 40))
                    .arg(kMaxIdentifierLength));
    }
    return identifier;
}

WaypointType typeText(XmlInput& in) {
    const QString text = in.text();
    const auto type = waypointTypeFromName(text.toStdString());
    if (!type) {
        in.fail(tr("\"%1\" is not a waypoint type (AIRPORT, VOR, NDB, INT, INT-VRP or USER "
                   "WAYPOINT).")
                    .arg(oneLine(text, 40)));
    }
    return *type;
}

QString countryText(XmlInput& in) {
    QString code = in.text();
    if (code.size() > 2) {
        in.fail(
            tr("\"%1\" is not a country code of two letters or digits.").arg(oneLine(code, 40)));
    }
    return code;
}

RoutePoint readWaypoint(XmlInput& in) {
    const XmlInput::Position at = in.position();
    RoutePoint point;
    bool hasIdentifier = false;
    bool hasType = false;
    bool hasLatitude = false;
    bool hasLongitude = false;
    while (in.nextChild()) {
        const QStringView name = in.name();
        if (name == u"identifier") {
            point.identifier = identifierText(in).toStdString();
            hasIdentifier = true;
        } else if (name == u"type") {
            point.type = typeText(in);
            hasType = true;
        } else if (name == u"country-code") {
            point.countryCode = countryText(in).toStdString();
        } else if (name == u"lat") {
            point.latitude = in.number(tr("the latitude"), -90, 90);
            hasLatitude = true;
        } else if (name == u"lon") {
            point.longitude = in.number(tr("the longitude"), -180, 180);
            hasLongitude = true;
        } else if (name == u"comment") {
            point.name = oneLine(in.text(), kMaxNameLength).toStdString();
        } else if (name == u"elevation") {
            point.elevationFt = in.number(tr("the elevation"), kMinElevationFt, kMaxElevationFt);
        } else {
            in.skip();
        }
    }
    const auto require = [&](bool has, const char* element) {
        if (!has) {
            in.fail(at, tr("the waypoint has no <%1>.").arg(QLatin1String(element)));
        }
    };
    require(hasIdentifier, "identifier");
    require(hasType, "type");
    require(hasLatitude, "lat");
    require(hasLongitude, "lon");
    return point;
}

Reference readReference(XmlInput& in) {
    Reference reference;
    reference.at = in.position();
    bool hasIdentifier = false;
    while (in.nextChild()) {
        const QStringView name = in.name();
        if (name == u"waypoint-identifier") {
            reference.identifier = identifierText(in);
            hasIdentifier = true;
        } else if (name == u"waypoint-type") {
            reference.type = in.text();
        } else if (name == u"waypoint-country-code") {
            reference.countryCode = in.text();
        } else {
            in.skip();
        }
    }
    if (!hasIdentifier) {
        in.fail(reference.at, tr("the route point has no <waypoint-identifier>."));
    }
    return reference;
}

// The table's waypoint a route point refers to: by identifier, type and country code;
// a route point without a country code (some programs leave it out) by identifier and
// type, when only one waypoint has them.
const RoutePoint* resolve(const Reference& ref, const std::vector<RoutePoint>& table) {
    const std::string identifier = ref.identifier.toStdString();
    const auto type = waypointTypeFromName(ref.type.toStdString());
    const RoutePoint* found = nullptr;
    int count = 0;
    for (const RoutePoint& point : table) {
        if (point.identifier != identifier || (type && point.type != *type)) {
            continue;
        }
        if (ref.countryCode && point.countryCode == ref.countryCode->toStdString()) {
            return &point;
        }
        found = &point;
        ++count;
    }
    return !ref.countryCode && count == 1 ? found : nullptr;
}

void checkCount(XmlInput& in, std::size_t count, const char* what) {
    if (count > kMaxImportPoints) {
        in.fail(tr("the file holds more than %1 %2; this program reads at most %1.")
                    .arg(kMaxImportPoints)
                    .arg(tr(what)));
    }
}

QString coordinate(double degrees) {
    return QString::number(roundedCoordinate(degrees), 'f', 6);
}

}  // namespace

std::variant<Route, QString> readFpl(const QByteArray& bytes) {
    try {
        XmlInput in(bytes, tr("flight plan"));
        in.readRoot(QStringLiteral("flight-plan"), {QLatin1String(kFplNamespace), QString()});
        std::vector<RoutePoint> table;
        std::vector<Reference> references;
        Route route;
        while (in.nextChild()) {
            if (in.name() == u"waypoint-table") {
                while (in.nextChild()) {
                    if (in.name() == u"waypoint") {
                        table.push_back(readWaypoint(in));
                        checkCount(in, table.size(), QT_TRANSLATE_NOOP("RouteFiles", "waypoints"));
                    } else {
                        in.skip();
                    }
                }
            } else if (in.name() == u"route") {
                while (in.nextChild()) {
                    if (in.name() == u"route-point") {
                        references.push_back(readReference(in));
                        checkCount(in, references.size(),
                                   QT_TRANSLATE_NOOP("RouteFiles", "route points"));
                    } else if (in.name() == u"route-name") {
                        route.name = oneLine(in.text(), kMaxNameLength).toStdString();
                    } else {
                        in.skip();
                    }
                }
            } else {
                in.skip();
            }
        }
        in.finish();
        if (references.empty()) {
            route.points = table;
        }
        for (const Reference& ref : references) {
            const RoutePoint* point = resolve(ref, table);
            if (point == nullptr) {
                in.fail(ref.at,
                        tr("the route point %1 %2 %3 is not in the waypoint table.")
                            .arg(ref.type, ref.identifier, ref.countryCode.value_or(QString())));
            }
            route.points.push_back(*point);
        }
        if (route.points.empty()) {
            in.failFile(tr("the file holds no waypoints."));
        }
        return route;
    } catch (const XmlFault& fault) {
        return fault.message;
    }
}

QByteArray writeFpl(const Route& route, const QDateTime& created) {
    QByteArray bytes;
    QXmlStreamWriter out(&bytes);
    startDocument(out, kFplNamespace, QStringLiteral("flight-plan"));
    out.writeTextElement(QStringLiteral("created"), xmlTime(created));
    out.writeStartElement(QStringLiteral("waypoint-table"));
    QSet<QString> written;
    for (const RoutePoint& p : route.points) {
        const QString key = QString::fromStdString(
            p.identifier + '|' + std::string(waypointTypeName(p.type)) + '|' + p.countryCode);
        if (written.contains(key)) {
            continue;
        }
        written.insert(key);
        out.writeStartElement(QStringLiteral("waypoint"));
        out.writeTextElement(QStringLiteral("identifier"), QString::fromStdString(p.identifier));
        out.writeTextElement(QStringLiteral("type"), waypointTypeText(p.type));
        out.writeTextElement(QStringLiteral("country-code"), QString::fromStdString(p.countryCode));
        out.writeTextElement(QStringLiteral("lat"), coordinate(p.latitude));
        out.writeTextElement(QStringLiteral("lon"), coordinate(p.longitude));
        out.writeTextElement(QStringLiteral("comment"),
                             panelText(QString::fromStdString(p.name), kMaxCommentLength));
        if (p.elevationFt) {
            out.writeTextElement(QStringLiteral("elevation"),
                                 QString::number(std::lround(*p.elevationFt)));
        }
        out.writeEndElement();
    }
    out.writeEndElement();
    out.writeStartElement(QStringLiteral("route"));
    out.writeTextElement(QStringLiteral("route-name"),
                         panelText(QString::fromStdString(route.name), kMaxCommentLength));
    out.writeTextElement(QStringLiteral("flight-plan-index"), QStringLiteral("1"));
    for (const RoutePoint& p : route.points) {
        out.writeStartElement(QStringLiteral("route-point"));
        out.writeTextElement(QStringLiteral("waypoint-identifier"),
                             QString::fromStdString(p.identifier));
        out.writeTextElement(QStringLiteral("waypoint-type"), waypointTypeText(p.type));
        out.writeTextElement(QStringLiteral("waypoint-country-code"),
                             QString::fromStdString(p.countryCode));
        out.writeEndElement();
    }
    out.writeEndElement();
    out.writeEndElement();
    out.writeEndDocument();
    return bytes;
}

}  // namespace aerolume::interchange
