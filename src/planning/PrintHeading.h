// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The heading of every page of the printed log (PlanPrint.h): the plan's name, the
// date, the departure time in UTC and local time, the aircraft and registration, the
// departure's and the destination's frequencies, the totals and the units of the log.
// A value the plan or the PrintHeader leaves out is a line to write it on.

#include "PlanPrint.h"
#include "PrintTable.h"

namespace aerolume::planning::print {

class Heading {
public:
    Heading(const Plan& plan, const PlanResult& result, const PrintHeader& header,
            const Style& style, double width)
        : m_plan(plan), m_result(result), m_header(header), m_style(style), m_width(width) {}

    // Draws the heading at the top of `canvas` (or only measures it, for nullptr);
    // returns its height in points. The page number is drawn by numberPage().
    double draw(PageCanvas* canvas) const;
    void numberPage(PageCanvas& canvas, int page, int pages) const;

    // A label and its value in a line of the heading, or a line `blank` wide to write
    // it on, and what follows ("UTC").
    struct Item {
        QString label{};
        QString value{};
        double blank = 0;
        QString after{};
    };

private:
    double titleHeight() const { return m_metrics.lineHeight(m_style.title); }
    std::vector<std::vector<Item>> lines() const;
    // Draws (or only measures) one line of items, broken where the page ends; returns
    // its height.
    double flow(PageCanvas* canvas, double y, const std::vector<Item>& items) const;

    const Plan& m_plan;
    const PlanResult& m_result;
    const PrintHeader& m_header;
    const Style& m_style;
    double m_width;
    PageMetrics m_metrics;
};

// "UTC+1", "UTC-3:30", from an offset in seconds.
QString zoneText(int seconds);
// The departure time in UTC and, beside it, in the header's local zone on the plan's
// date ("22:50 UTC (15:50 local, UTC-7)"); "" without a departure time.
QString departureText(const Plan& plan, const PrintHeader& header);

}  // namespace aerolume::planning::print
