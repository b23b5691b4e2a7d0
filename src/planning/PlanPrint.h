// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QPageSize>
#include <QString>

#include "PlanCore.h"

class QPagedPaintDevice;

namespace aerolume::planning {

// The printed navigation log: a portrait page of the page size given, sizes in points
// from the page layout. Each page starts with the header (the plan's name, the plan's
// date or "none" for an invalid QDate, the totals, the page number) and the column
// captions; then one row per checkpoint in
// the standard columns (checkpoint, TC, wind, TAS, WCA, TH, variation, MH, distance
// leg and remaining, GS, ETE, fuel leg and remaining) and blank ETA, ATA and actual
// fuel columns to write in flight, rows tall enough for a pencil. Unknown values are
// printed as a dash; the warnings close the last page. The text size follows the page
// width so the columns fit (about 9 pt on A4, 7 pt on A5).

// Paints the pages on `device` (a PDF writer or a printer set to the page size);
// returns the number of pages.
int paintPlanPages(QPagedPaintDevice& device, const Plan& plan, const PlanResult& result,
                   const QDate& date);

// Writes the pages as a PDF file; returns "" or the message of the failure.
QString writePlanPdf(const QString& path, const Plan& plan, const PlanResult& result,
                     const QPageSize& size, const QDate& date);

}  // namespace aerolume::planning
