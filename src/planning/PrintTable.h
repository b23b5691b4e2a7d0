// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The printed log's table (PlanPrint.h): which values share a column on a page of a
// given width, the font size that fills that width, and how a row is drawn.

#include <QSizeF>
#include <optional>
#include <vector>

#include "PrintTexts.h"
#include "shell/PageCanvas.h"

namespace aerolume::planning::print {

inline constexpr double kMillimetre = 72.0 / 25.4;  // points

// The sizes of one printout, from its body font.
struct Style {
    PageFont body;
    PageFont bold;
    PageFont title;
    double pad = 0;        // inside a cell, on each side
    double line = 0;       // one line of the body font
    double rowHeight = 0;  // a log row: two lines
    double writeIn = 0;    // the least width of a box to write in
    double gap = 0;        // between blocks
};
Style styleOf(double points, double scale = 1);

// One column: a value, or two stacked (the first over the second).
struct Column {
    Column(Field value, std::optional<Field> below = {}) : first(value), second(below) {}
    Field first;
    std::optional<Field> second;
    double width = 0;
};

// The log's table: the rows' texts, and the columns and style chosen for the width.
class LogTable {
public:
    LogTable(const Plan& plan, const std::vector<LogRow>& rows, double width);

    const Style& style() const { return m_style; }
    const std::vector<Column>& columns() const { return m_columns; }
    std::size_t rowCount() const { return m_rows.size(); }
    double captionHeight() const { return m_style.rowHeight; }

    // Draws the captions, or row `row`, with its top at `y`.
    void drawCaptions(PageCanvas& canvas, double y) const;
    void drawRow(PageCanvas& canvas, std::size_t row, double y) const;

private:
    const CellText& cell(std::size_t row, Field field) const {
        return m_cells[row][static_cast<std::size_t>(field)];
    }
    // The columns' widths for the layout and style, when they fit the width.
    std::optional<std::vector<Column>> fit(const std::vector<Column>& layout,
                                           const Style& style) const;
    double contentWidth(const Column& column, const Style& style) const;

    PageMetrics m_metrics;
    double m_width;
    std::vector<LogRowKind> m_rows;
    std::vector<std::vector<CellText>> m_cells;  // [row][field]
    Style m_style;
    std::vector<Column> m_columns;
};

}  // namespace aerolume::planning::print
