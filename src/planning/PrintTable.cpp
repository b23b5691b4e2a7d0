// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintTable.h"

#include <algorithm>

namespace aerolume::planning::print {
namespace {

constexpr int kFieldCount = static_cast<int>(Field::ActualFuel) + 1;
// Boxes to write in are a little wider than 12 mm, so that no rounding takes them below.
constexpr double kWriteInWidth = 12.2 * kMillimetre;

// Every value in a column of its own: pages 7.5 in wide and more.
const std::vector<Column> kWide = {{Field::Checkpoint},  {Field::Altitude},
                                   {Field::TrueCourse},  {Field::MagneticCourse},
                                   {Field::Wind},        {Field::Airspeed},
                                   {Field::Wca},         {Field::MagneticHeading},
                                   {Field::DistanceLeg}, {Field::DistanceRemaining},
                                   {Field::GroundSpeed}, {Field::Ete},
                                   {Field::Eta},         {Field::Ata},
                                   {Field::FuelLeg},     {Field::FuelRemaining},
                                   {Field::ActualFuel}};
// Pairs stacked in a column, the values to write in and the heading alone: kneeboards.
const std::vector<Column> kNarrow = {{Field::Checkpoint},
                                     {Field::Altitude, Field::Airspeed},
                                     {Field::TrueCourse, Field::MagneticCourse},
                                     {Field::Wind, Field::Wca},
                                     {Field::MagneticHeading},
                                     {Field::DistanceLeg, Field::DistanceRemaining},
                                     {Field::GroundSpeed, Field::Ete},
                                     {Field::Eta},
                                     {Field::Ata},
                                     {Field::FuelLeg, Field::FuelRemaining},
                                     {Field::ActualFuel}};

// The font sizes tried for each layout, largest first.
struct Choice {
    const std::vector<Column>* layout;
    double largest;
    double smallest;
};
constexpr double kStep = 0.5;
const Choice kChoices[] = {{&kWide, 11, 8.5}, {&kNarrow, 9, 8}};

// A checkpoint column is never narrower than this many times the font size, nor wider
// than this share of the page.
constexpr double kCheckpointEms = 8;
constexpr double kCheckpointShare = 0.34;

// A text of one line split at a word into two lines of at most `width` (the second
// cut with an ellipsis).
std::pair<QString, QString> twoLines(const PageMetrics& metrics, const PageFont& font,
                                     const QString& text, double width) {
    if (metrics.width(font, text) <= width) {
        return {text, {}};
    }
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    QString first;
    qsizetype used = 0;
    for (; used < words.size(); ++used) {
        const QString next = first.isEmpty() ? words[used] : first + u' ' + words[used];
        if (metrics.width(font, next) > width) {
            break;
        }
        first = next;
    }
    if (used == 0) {
        return {metrics.elided(font, text, width), {}};
    }
    return {first, metrics.elided(font, words.mid(used).join(u' '), width)};
}

}  // namespace

Style styleOf(double points, double scale) {
    Style s;
    s.body = {points, false};
    s.bold = {points, true};
    s.title = {points * 1.45, true};
    s.pad = points * 0.3;
    s.line = PageMetrics().lineHeight(s.body);
    s.rowHeight = 2 * s.line + 2 * s.pad;
    s.writeIn = kWriteInWidth * scale;
    s.gap = points * 0.8;
    return s;
}

LogTable::LogTable(const Plan& plan, const std::vector<LogRow>& rows, double width)
    : m_width(width) {
    for (const LogRow& row : rows) {
        m_rows.push_back(row.kind);
        std::vector<CellText>& cells = m_cells.emplace_back();
        for (int f = 0; f < kFieldCount; ++f) {
            cells.push_back(cellText(static_cast<Field>(f), row, plan));
        }
    }
    for (const Choice& choice : kChoices) {
        for (double points = choice.largest; points >= choice.smallest - 1e-9; points -= kStep) {
            const Style style = styleOf(points);
            if (auto columns = fit(*choice.layout, style)) {
                m_style = style;
                m_columns = std::move(*columns);
                return;
            }
        }
    }
    // Too narrow even for the kneeboard layout: that layout, scaled to the width.
    const Style smallest = styleOf(kChoices[1].smallest);
    double needed = 0;
    for (const Column& column : kNarrow) {
        needed += column.first == Field::Checkpoint ? kCheckpointEms * smallest.body.points
                                                    : contentWidth(column, smallest);
    }
    const double scale = std::max(0.5, width / needed) * 0.99;
    m_style = styleOf(smallest.body.points * scale, scale);
    m_columns = kNarrow;
    const double each = width / static_cast<double>(m_columns.size());
    auto columns = fit(kNarrow, m_style);
    if (columns) {
        m_columns = std::move(*columns);
    } else {
        for (Column& column : m_columns) {
            column.width = each;
        }
    }
}

double LogTable::contentWidth(const Column& column, const Style& style) const {
    double widest = 0;
    const auto measure = [&](const PageFont& font, const QString& text) {
        widest = std::max(widest, m_metrics.width(font, text));
    };
    for (const std::optional<Field>& field : {std::optional(column.first), column.second}) {
        if (!field) {
            continue;
        }
        if (column.second) {
            measure(style.bold, shortCaption(*field));
        } else {
            for (const QString& line : caption(*field).split(u'\n')) {
                measure(style.bold, line);
            }
        }
        for (std::size_t r = 0; r < m_rows.size(); ++r) {
            const CellText& text = cell(r, *field);
            measure(text.bold ? style.bold : style.body, text.first);
            measure(style.body, text.second);
        }
    }
    widest += 2 * style.pad;
    if (isWriteIn(column.first)) {
        widest = std::max(widest, style.writeIn);
    }
    return widest;
}

std::optional<std::vector<Column>> LogTable::fit(const std::vector<Column>& layout,
                                                 const Style& style) const {
    // The checkpoint is every layout's first column.
    std::vector<Column> columns = layout;
    double others = 0;
    for (std::size_t c = 1; c < columns.size(); ++c) {
        columns[c].width = contentWidth(columns[c], style);
        others += columns[c].width;
    }
    Column& checkpoint = columns.front();
    const double wanted = std::min(contentWidth(checkpoint, style), m_width * kCheckpointShare);
    const double least = std::min(wanted, kCheckpointEms * style.body.points);
    if (others + least > m_width) {
        return std::nullopt;
    }
    checkpoint.width = std::clamp(m_width - others, least, std::max(least, wanted));
    // What is left fills the page, shared in proportion to the widths.
    const double stretch = m_width / (others + checkpoint.width);
    for (Column& column : columns) {
        column.width *= stretch;
    }
    return columns;
}

void LogTable::drawCaptions(PageCanvas& canvas, double y) const {
    const Style& s = m_style;
    double x = 0;
    canvas.fill(QRectF(0, y, m_width, s.rowHeight), QColor(225, 225, 225));
    for (const Column& column : m_columns) {
        const QRectF box(x, y, column.width, s.rowHeight);
        canvas.box(box);
        const QRectF inner = box.adjusted(s.pad, s.pad, -s.pad, -s.pad);
        const QString first =
            column.second ? shortCaption(column.first) : caption(column.first).section(u'\n', 0, 0);
        const QString second = column.second ? shortCaption(*column.second)
                                             : caption(column.first).section(u'\n', 1, 1);
        const int align = column.first == Field::Checkpoint ? Qt::AlignLeft : Qt::AlignHCenter;
        if (second.isEmpty()) {
            canvas.text(inner, s.bold, align | Qt::AlignVCenter, first);
        } else {
            canvas.text(QRectF(inner.x(), inner.y(), inner.width(), s.line), s.bold,
                        align | Qt::AlignVCenter, first);
            canvas.text(QRectF(inner.x(), inner.y() + s.line, inner.width(), s.line), s.bold,
                        align | Qt::AlignVCenter, second);
        }
        x += column.width;
    }
}

void LogTable::drawRow(PageCanvas& canvas, std::size_t row, double y) const {
    const Style& s = m_style;
    const bool point =
        m_rows[row] != LogRowKind::Checkpoint && m_rows[row] != LogRowKind::Departure;
    if (point) {
        canvas.fill(QRectF(0, y, m_width, s.rowHeight), QColor(238, 238, 238));
    }
    double x = 0;
    for (const Column& column : m_columns) {
        const QRectF box(x, y, column.width, s.rowHeight);
        x += column.width;
        canvas.box(box);
        const QRectF inner = box.adjusted(s.pad, s.pad, -s.pad, -s.pad);
        const QRectF top(inner.x(), inner.y(), inner.width(), s.line);
        const QRectF bottom(inner.x(), inner.y() + s.line, inner.width(), s.line);
        const CellText& a = cell(row, column.first);
        const PageFont& font = a.bold ? s.bold : s.body;
        if (column.second) {
            const CellText& b = cell(row, *column.second);
            if (a.marked) {
                canvas.fill(QRectF(box.x(), box.y(), box.width(), box.height() / 2),
                            QColor(205, 205, 205));
            }
            if (b.marked) {
                canvas.fill(QRectF(box.x(), box.center().y(), box.width(), box.height() / 2),
                            QColor(205, 205, 205));
            }
            canvas.text(top, font, Qt::AlignCenter, a.first);
            canvas.text(bottom, b.bold ? s.bold : s.body, Qt::AlignCenter, b.first);
            continue;
        }
        if (a.marked) {
            canvas.fill(box, QColor(205, 205, 205));
        }
        if (column.first == Field::Checkpoint) {
            auto [first, second] =
                a.second.isEmpty() ? twoLines(m_metrics, font, a.first, inner.width())
                                   : std::pair(m_metrics.elided(font, a.first, inner.width()),
                                               m_metrics.elided(s.body, a.second, inner.width()));
            canvas.text(top, font, Qt::AlignLeft | Qt::AlignVCenter, first);
            canvas.text(bottom, s.body, Qt::AlignLeft | Qt::AlignVCenter, second);
        } else if (a.second.isEmpty()) {
            canvas.text(inner, font, Qt::AlignCenter, a.first);
        } else {
            canvas.text(top, font, Qt::AlignCenter, a.first);
            canvas.text(bottom, s.body, Qt::AlignCenter, a.second);
        }
    }
}

}  // namespace aerolume::planning::print
