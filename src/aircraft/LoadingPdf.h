// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "EnvelopeGraph.h"

namespace aerolume::aircraft {

// A loading as the window shows it, for the printed page.
struct LoadingReport {
    QString aircraft;
    QStringList entries;      // "Front seats (lb): 340", ...
    QStringList headers;      // the result table's column captions
    QList<QStringList> rows;  // ramp, take-off, landing
    QStringList verdicts;
    GraphData graph;
};

// Writes the loading as a one-page A4 PDF: the aircraft, the entries, the results and
// the envelope graph, laid out in points from the page layout. False with `error` set
// when the file cannot be written.
bool writeLoadingPdf(const QString& path, const LoadingReport& report, QString* error);

}  // namespace aerolume::aircraft
