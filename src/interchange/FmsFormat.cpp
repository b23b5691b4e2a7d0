// SPDX-License-Identifier: GPL-3.0-or-later
#include "FmsFormat.h"

#include <QString>
#include <QStringList>
#include <cmath>

#include "RouteExport.h"

namespace aerolume::interchange {
namespace {

int typeCode(WaypointType type) {
    switch (type) {
        case WaypointType::Airport:
            return 1;
        case WaypointType::Ndb:
            return 2;
        case WaypointType::Vor:
            return 3;
        case WaypointType::Intersection:
            return 11;
        case WaypointType::UserWaypoint:
            break;
    }
    return 28;
}

QString number(double value) {
    return QString::number(roundedCoordinate(value), 'f', 6);
}

}  // namespace

int airacCycle(const QDate& date) {
    const QDate epoch(2020, 1, 2);
    const qint64 days = epoch.daysTo(date);
    const qint64 cycles = days >= 0 ? days / 28 : -((-days + 27) / 28);
    const QDate effective = epoch.addDays(cycles * 28);
    return (effective.year() % 100) * 100 + (effective.dayOfYear() - 1) / 28 + 1;
}

QByteArray writeFms(const Route& route, const QDate& date) {
    QStringList lines{QStringLiteral("I"), QStringLiteral("1100 Version"),
                      QStringLiteral("CYCLE %1").arg(airacCycle(date), 4, 10, QLatin1Char('0'))};
    const auto endpoint = [&](const RoutePoint& p, const char* airport, const char* other) {
        lines += QStringLiteral("%1 %2").arg(
            QLatin1String(p.type == WaypointType::Airport ? airport : other),
            QString::fromStdString(p.identifier));
    };
    if (!route.points.empty()) {
        endpoint(route.points.front(), "ADEP", "DEP");
        endpoint(route.points.back(), "ADES", "DES");
    }
    lines += QStringLiteral("NUMENR %1").arg(route.points.size());
    for (std::size_t i = 0; i < route.points.size(); ++i) {
        const RoutePoint& p = route.points[i];
        const bool airport = p.type == WaypointType::Airport;
        QString via = QStringLiteral("DRCT");
        if (airport && i == 0) {
            via = QStringLiteral("ADEP");
        } else if (airport && i + 1 == route.points.size()) {
            via = QStringLiteral("ADES");
        }
        const double altitude = airport && p.elevationFt ? std::round(*p.elevationFt) : 0;
        lines += QStringLiteral("%1 %2 %3 %4 %5 %6")
                     .arg(typeCode(p.type))
                     .arg(QString::fromStdString(p.identifier), via, number(altitude),
                          number(p.latitude), number(p.longitude));
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

}  // namespace aerolume::interchange
