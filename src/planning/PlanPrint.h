// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <functional>
#include <memory>

#include "PlanCore.h"

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace aerolume::planning {

// The printed navigation log, a kneeboard page to fly with, laid out in points for the
// printable area of the page it is painted on (shell/PageCanvas.h):
//   - a header on every page: the plan's name and the page number; the date, the
//     departure time in UTC and local time, the aircraft and its registration; the
//     departure's and the destination's frequencies; the totals and the units. What
//     the plan or the PrintHeader leaves out is a line to write on;
//   - the log: a row for the departure, for every checkpoint and for the top of climb,
//     each level-off and the top of descent at their place (LogRows.h), with the
//     checkpoint (identifier and name), altitude, TC and MC, wind, TAS, WCA, MH,
//     distance of the leg and remaining (0.1 NM), GS, ETE, ETA (UTC), blank ATA, fuel
//     of the leg and remaining, and blank actual fuel; rows two lines tall, ETA, ATA and
//     actual fuel boxes at least 12 mm wide. A page at least 7.5 in wide (A4, Letter)
//     gives every value a column of its own in 9 pt; a narrower one (A5, 5.5 x 8.5 in)
//     stacks pairs of values in a column (TC over MC, wind over WCA, ...) in 8 pt. A
//     page too narrow even for that takes the narrow layout scaled to its width;
//   - after the log: the fuel plan (or, without one, the fuel at start, the trip and
//     the reserve), the warnings, and boxes for the ATIS, QNH, runway, squawk,
//     clearance and notes that fill the rest of the page. The log continues on as many
//     pages as it needs.

// What the page shows beyond the plan, filled by the window; every field may stay
// empty (a line is left to write on).
struct PrintHeader {
    QString aircraft;      // its name or type, "C172S Skyhawk"
    QString registration;  // "G-ABCD"
    // The departure's and the destination's frequencies as the airport data gives
    // them, one text each ("TWR 118.700").
    QStringList departureFrequencies;
    QStringList destinationFrequencies;
    // The local time shown beside the departure's UTC, on the plan's date (or today's
    // for a plan without one).
    QTimeZone localZone = QTimeZone::systemTimeZone();
};

// A route map for the printout, drawn by its caller: as a strip on the first page
// between the header and the log, or as a page of its own after the log (with the
// header). `paint` draws in the rectangle given, in points.
struct RouteMapHook {
    enum class Placement { None, Strip, Page };
    Placement placement = Placement::None;
    std::function<void(QPainter&, const QRectF&)> paint;
    double stripHeight = 0.25;  // the strip's share of the first page's height
};

// The pages of a plan laid out for a printable area of `page` points.
class PlanPages {
public:
    PlanPages(const Plan& plan, const PlanResult& result, const QSizeF& page,
              const PrintHeader& header = {}, const RouteMapHook& map = {});
    ~PlanPages();
    PlanPages(const PlanPages&) = delete;
    PlanPages& operator=(const PlanPages&) = delete;

    int count() const;
    // Paints page `index` (from 0) on a painter whose coordinates are points from the
    // printable area's top left.
    void paint(QPainter& painter, int index) const;

    struct Pages;

private:
    std::unique_ptr<Pages> m_pages;
};

// Paints the pages on `device` (a PDF writer, or a printer set to the page size);
// returns the number of pages, 0 when the device could not be painted on.
int paintPlanPages(QPagedPaintDevice& device, const Plan& plan, const PlanResult& result,
                   const PrintHeader& header = {}, const RouteMapHook& map = {});

// Writes the pages as a PDF file; returns "" or the message of the failure.
QString writePlanPdf(const QString& path, const Plan& plan, const PlanResult& result,
                     const QPageSize& size, const PrintHeader& header = {},
                     const RouteMapHook& map = {});

}  // namespace aerolume::planning
