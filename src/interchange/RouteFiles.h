// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <variant>
#include <vector>

#include "RouteMatching.h"
#include "RouteRecord.h"

namespace aerolume::interchange {

// The route files as the navigation log's Export and Import commands see them: the
// formats, what each cannot carry, writing a file atomically and reading one
// defensively. Needs QtCore only.

enum class RouteFormat { Fpl, Gpx, Fms };

// Larger files are refused unread: a file of kMaxImportPoints points with long names
// stays well below.
inline constexpr qint64 kMegabyte = qint64(1024) * 1024;
inline constexpr qint64 kMaxRouteFileBytes = 2 * kMegabyte;

// The file name suffix without the dot ("fpl", "gpx", "fms").
QString routeFormatSuffix(RouteFormat format);
// The file dialog's filter ("Garmin flight plan (*.fpl)").
QString routeFormatFilter(RouteFormat format);
// Whether the program reads the format back (the simulator's plan is written only).
bool canImport(RouteFormat format);
// What the format cannot carry of a plan, one short paragraph for the export dialog, so
// that the pilot is not surprised by what is missing when the file is opened elsewhere.
QString routeFormatLimits(RouteFormat format);

// The file's bytes for a route prepared for export (prepareForExport), written at `now`.
QByteArray writeRoute(RouteFormat format, const Route& prepared, const QDateTime& now);

// Prepares the route (prepareForExport) and writes it to `path` atomically: the old file
// stays whole until the new one is complete. Returns an empty string, or the message of
// why nothing was written.
QString exportRouteFile(const QString& path, RouteFormat format, const Route& route,
                        const QDateTime& now = QDateTime::currentDateTimeUtc());

// The route in a file's bytes, of whichever format they are (a flight plan or GPX, told
// by the first element), or the reader's message.
std::variant<Route, QString> readRoute(const QByteArray& bytes);
// The same for a file on disk, refused unread when larger than kMaxRouteFileBytes.
std::variant<Route, QString> importRouteFile(const QString& path);

// Writes `bytes` to `path` through QSaveFile: the old file or the new one, never a torn
// one. Returns an empty string, or the message of the failure. `what` names the file in
// it ("the route").
QString writeFileAtomically(const QString& path, const QByteArray& bytes, const QString& what);

// What an import found, for the pilot: how many points were matched to the airport and
// navaid data, how many are user waypoints, and a line for each point not matched (by its
// number from 1, type and identifier, and why).
QString matchSummary(const Route& route, const std::vector<PointMatch>& matches);

}  // namespace aerolume::interchange
