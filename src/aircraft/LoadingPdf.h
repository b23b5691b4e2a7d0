// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

#include "EnvelopeGraph.h"
#include "LoadingSheet.h"
#include "shell/PageCanvas.h"

class QPagedPaintDevice;

namespace aerolume::aircraft {

// A loading as the printed form shows it, filled by the loading window.
struct LoadingReport {
    Aircraft aircraft;                  // its name, registration, units, stations and limits
    std::vector<SheetLine> lines;       // loadingSheet() of the loading
    QStringList verdicts;               // as the window words them: ramp, take-off, landing
    QDate date = QDate::currentDate();  // the day of the loading
    GraphData graph;
};

// The weight and balance form, a pilot can check by hand, laid out for a printable area
// of `page` points (shell/PageCanvas.h): the aircraft, its registration and the date;
// a table of every item (the empty weight, each station, each tank's fuel) with its
// weight, arm and moment, the ramp, take-off and landing totals with their CG, % MAC
// and maximum weight, the taxi fuel and the fuel burned between them; the verdicts; the
// envelope graph; a line to sign the check.
PageCanvas loadingForm(const LoadingReport& report, const QSizeF& page);

// Writes the form as a one-page A4 PDF. False with `error` set when the file cannot be
// written.
bool writeLoadingPdf(const QString& path, const LoadingReport& report, QString* error);

}  // namespace aerolume::aircraft
