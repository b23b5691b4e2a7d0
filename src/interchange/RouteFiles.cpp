// SPDX-License-Identifier: GPL-3.0-or-later
#include "RouteFiles.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringList>

#include "FmsFormat.h"
#include "FplFormat.h"
#include "GpxFormat.h"
#include "RouteExport.h"
#include "platform/SafeFile.h"

namespace aerolume::interchange {
namespace {

QString tr(const char* text, const char* disambiguation = nullptr, int n = -1) {
    return QCoreApplication::translate("RouteFiles", text, disambiguation, n);
}

// The name of the first element, skipping the declaration, comments and white space;
// empty when there is none in the first characters. The text is decoded as its byte order
// mark or its first character "<" says (UTF-16 and UTF-32 files), else as UTF-8.
QString firstElement(const QByteArray& head) {
    const auto encoding = QStringConverter::encodingForData(head, u'<');
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    const QString bytes = decoder(head);
    qsizetype at = 0;
    while (true) {
        at = bytes.indexOf('<', at);
        if (at < 0 || at + 1 >= bytes.size()) {
            return {};
        }
        const QChar next = bytes.at(at + 1);
        if (next != u'?' && next != u'!') {
            break;
        }
        at += 2;
    }
    qsizetype end = at + 1;
    while (end < bytes.size() && !QStringLiteral(" \t\r\n/>").contains(bytes.at(end))) {
        ++end;
    }
    QString name = bytes.mid(at + 1, end - at - 1);
    if (const qsizetype colon = name.indexOf(u':'); colon >= 0) {
        name = name.mid(colon + 1);
    }
    return name;
}

}  // namespace

QString routeFormatSuffix(RouteFormat format) {
    switch (format) {
        case RouteFormat::Fpl:
            return QStringLiteral("fpl");
        case RouteFormat::Gpx:
            return QStringLiteral("gpx");
        case RouteFormat::Fms:
            break;
    }
    return QStringLiteral("fms");
}

QString routeFormatFilter(RouteFormat format) {
    switch (format) {
        case RouteFormat::Fpl:
            return tr("Garmin flight plan (*.fpl)");
        case RouteFormat::Gpx:
            return tr("GPX route (*.gpx)");
        case RouteFormat::Fms:
            break;
    }
    return tr("X-Plane 11 flight plan (*.fms)");
}

bool canImport(RouteFormat format) {
    return format != RouteFormat::Fms;
}

QString routeFormatLimits(RouteFormat format) {
    const QString common =
        tr("The file holds the route only: per-leg wind, altitude and true airspeed, the "
           "fuel values and the plan's date stay in the plan. At most %1 points.")
            .arg(kMaxExportPoints);
    switch (format) {
        case RouteFormat::Fpl:
            return common + QLatin1Char(' ') +
                   tr("Checkpoints not taken from the airport and navaid data become user "
                      "waypoints with identifiers of up to 6 letters and digits; names are "
                      "cut to 25 capital letters.");
        case RouteFormat::Gpx:
            return common + QLatin1Char(' ') +
                   tr("GPX has no country codes: a point is found again by its identifier, "
                      "type and position.");
        case RouteFormat::Fms:
            break;
    }
    return common + QLatin1Char(' ') +
           tr("The simulator's plan carries no names, only identifiers; its altitude column "
              "holds the airports' elevations and 0 elsewhere. This format is written only, "
              "never read back.");
}

QByteArray writeRoute(RouteFormat format, const Route& prepared, const QDateTime& now) {
    switch (format) {
        case RouteFormat::Fpl:
            return writeFpl(prepared, now);
        case RouteFormat::Gpx:
            return writeGpx(prepared, now);
        case RouteFormat::Fms:
            break;
    }
    return writeFms(prepared, now.toUTC().date());
}

QString exportRouteFile(const QString& path, RouteFormat format, const Route& route,
                        const QDateTime& now) {
    const auto prepared = prepareForExport(route);
    if (const auto* message = std::get_if<QString>(&prepared)) {
        return *message;
    }
    const QString failure =
        platform::writeFileAtomically(path, writeRoute(format, std::get<Route>(prepared), now));
    return failure.isEmpty() ? QString() : platform::saveFailureMessage(path, failure);
}

std::variant<Route, QString> readRoute(const QByteArray& bytes) {
    if (bytes.trimmed().isEmpty()) {
        return tr("The file cannot be read: it is empty.");
    }
    const QString root = firstElement(bytes.left(4096));
    if (root == u"gpx") {
        return readGpx(bytes);
    }
    if (root == u"flight-plan" || root.isEmpty()) {
        // A file without an element at its start is read as a flight plan, whose reader
        // says what is wrong with it.
        return readFpl(bytes);
    }
    return tr("The file cannot be read: it is neither a flight plan (.fpl) nor a GPX file "
              "(its first element is <%1>).")
        .arg(root.left(40));
}

std::variant<Route, QString> importRouteFile(const QString& path) {
    // A pipe, a device or a socket is refused at once; a failing read says so.
    const platform::FileContents file = platform::readFileChecked(path, kMaxRouteFileBytes);
    switch (file.status) {
        case platform::ReadStatus::Failed:
            return tr("The route file %1 cannot be opened: %2.").arg(path, file.reason);
        case platform::ReadStatus::TooLarge:
            return tr("The route file cannot be read: it is larger than %1 MB.")
                .arg(kMaxRouteFileBytes / kMegabyte);
        case platform::ReadStatus::Read:
            break;
    }
    return readRoute(file.bytes);
}

QString matchSummary(const Route& route, const std::vector<PointMatch>& matches) {
    int matched = 0;
    int user = 0;
    QStringList lines;
    for (std::size_t i = 0; i < matches.size() && i < route.points.size(); ++i) {
        const RoutePoint& p = route.points[i];
        const QString which =
            tr("Point %1, %2 %3")
                .arg(i + 1)
                .arg(waypointTypeText(p.type), QString::fromStdString(p.identifier));
        switch (matches[i].status) {
            case MatchStatus::Matched:
                ++matched;
                break;
            case MatchStatus::UserWaypoint:
                ++user;
                break;
            case MatchStatus::NotFound:
                lines += tr("%1: not in the airport and navaid data; kept at the file's "
                            "position.")
                             .arg(which);
                break;
            case MatchStatus::TooFar:
                lines += tr("%1: the data's %2 is %3 NM from the file's position; kept at the "
                            "file's position.")
                             .arg(which, QString::fromStdString(matches[i].candidate->identifier))
                             .arg(matches[i].distanceNm, 0, 'f', 1);
                break;
        }
    }
    const int points = int(matches.size());
    // No translation is loaded to choose plural forms: each text is chosen here.
    const QString read = points == 1 ? tr("1 point read") : tr("%1 points read").arg(points);
    const QString users = user == 1 ? tr("1 user waypoint") : tr("%1 user waypoints").arg(user);
    const QString head = tr("%1: %2 matched to the airport and navaid data, %3, %4 not matched.")
                             .arg(read)
                             .arg(matched)
                             .arg(users)
                             .arg(points - matched - user);
    lines.prepend(head);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace aerolume::interchange
