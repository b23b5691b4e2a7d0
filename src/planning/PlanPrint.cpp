// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlanPrint.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "LogRows.h"
#include "PrintHeading.h"
#include "PrintTable.h"
#include "PrintTexts.h"
#include "common/FormatMask.h"

namespace aerolume::planning {

struct PlanPages::Pages {
    std::vector<PageCanvas> canvases;
};

namespace {

// A box for notes is at least this many lines tall.
constexpr double kLeastNotes = 4;

using print::q;
using print::tr;

class Builder {
public:
    Builder(const Plan& plan, const PlanResult& result, const QSizeF& page,
            const PrintHeader& header, const RouteMapHook& map)
        : m_plan(plan),
          m_result(result),
          m_map(map),
          m_page(page),
          m_table(plan, LogRows(plan, result), page.width()),
          m_style(m_table.style()),
          m_heading(plan, result, header, m_style, page.width()) {}

    std::vector<PageCanvas> pages() {
        m_headerHeight = m_heading.draw(nullptr);
        table();
        endMatter();
        if (m_map.placement == RouteMapHook::Placement::Page && m_map.paint) {
            newPage();
            m_canvas->picture(QRectF(0, m_y, width(), m_page.height() - m_y), m_map.paint);
        }
        const int count = static_cast<int>(m_pages.size());
        for (int i = 0; i < count; ++i) {
            m_heading.numberPage(m_pages[static_cast<std::size_t>(i)], i + 1, count);
        }
        return std::move(m_pages);
    }

private:
    double width() const { return m_page.width(); }
    double room() const { return m_page.height() - m_y; }

    void newPage() {
        m_canvas = &m_pages.emplace_back();
        m_y = m_heading.draw(m_canvas) + m_style.gap;
    }

    void table() {
        const double rowHeight = m_style.rowHeight;
        std::size_t row = 0;
        do {
            newPage();
            if (m_pages.size() == 1 && m_map.placement == RouteMapHook::Placement::Strip &&
                m_map.paint) {
                const double strip = m_page.height() * m_map.stripHeight;
                m_canvas->picture(QRectF(0, m_y, width(), strip), m_map.paint);
                m_y += strip + m_style.gap;
            }
            m_table.drawCaptions(*m_canvas, m_y);
            m_y += m_table.captionHeight();
            // At least one row a page, however small the page.
            bool first = true;
            while (row < m_table.rowCount() && (first || room() >= rowHeight)) {
                m_table.drawRow(*m_canvas, row++, m_y);
                m_y += rowHeight;
                first = false;
            }
        } while (row < m_table.rowCount());
    }

    // Starts a new page unless `height` fits below what is on this one; the space left
    // on the page becomes a box for notes.
    void makeRoom(double height) {
        const double gap = m_style.gap;
        if (room() < height + gap && m_y > m_headerHeight + 2 * gap) {
            if (room() >= kLeastNotes * m_style.line + 2 * gap) {
                labelledBox(QRectF(0, m_y + gap, width(), room() - gap), tr("Notes"));
            }
            newPage();
        } else {
            m_y += gap;
        }
    }

    void endMatter() {
        const print::Style& s = m_style;
        const double block = fuelBlockHeight();
        makeRoom(block);
        fuelBlock(m_y);
        m_y += block;
        const QStringList warnings = print::warningTexts(m_plan, m_result);
        const QString bullet = QStringLiteral("•  ");
        const double indent = m_metrics.width(s.body, bullet);
        for (qsizetype i = 0; i < warnings.size(); ++i) {
            const double title = i == 0 ? s.line : 0;
            const double text = m_metrics.wrappedHeight(s.body, warnings[i], width() - indent);
            if (i == 0) {
                makeRoom(title + text);
                m_canvas->text(QRectF(0, m_y, width(), s.line), s.bold,
                               Qt::AlignLeft | Qt::AlignVCenter, tr("Warnings"));
            } else if (room() < text) {
                newPage();
            }
            m_y += title;
            m_canvas->text(QRectF(0, m_y, indent, s.line), s.body, Qt::AlignLeft, bullet);
            m_canvas->text(QRectF(indent, m_y, width() - indent, text + 1), s.body,
                           Qt::AlignLeft | Qt::TextWordWrap, warnings[i]);
            m_y += text;
        }
        // The rest of the last page is for notes; the boxes beside the fuel block are
        // room enough when too little is left.
        if (room() >= kLeastNotes * s.line + s.gap) {
            m_y += s.gap;
            labelledBox(QRectF(0, m_y, width(), room()), tr("Notes"));
        }
        m_y = m_page.height();
    }

    double fuelBlockHeight() const {
        const auto lines = print::fuelLines(m_plan, m_result);
        return static_cast<double>(lines.size() + 1) * m_style.line * 1.1 + 2 * m_style.pad;
    }

    void labelledBox(const QRectF& box, const QString& label) const {
        m_canvas->box(box);
        m_canvas->text(box.adjusted(m_style.pad, m_style.pad * 0.5, -m_style.pad, 0), m_style.body,
                       Qt::AlignLeft | Qt::AlignTop, label);
    }

    // The fuel block on the left; on the right, boxes for what the radio gives.
    void fuelBlock(double y) const {
        const print::Style& s = m_style;
        const auto lines = print::fuelLines(m_plan, m_result);
        double labels = 0;
        double values = 0;
        for (const print::FuelLine& line : lines) {
            labels = std::max(labels, m_metrics.width(s.bold, line.label));
            values = std::max(values, m_metrics.width(s.bold, line.value));
        }
        const double blockWidth =
            std::clamp(labels + values + 4 * s.pad + s.gap, width() * 0.38, width() * 0.55);
        const double height = fuelBlockHeight();
        const double step = s.line * 1.1;
        const QRectF block(0, y, blockWidth, height);
        m_canvas->box(block);
        double at = y + s.pad;
        m_canvas->text(QRectF(s.pad, at, blockWidth - 2 * s.pad, step), s.bold,
                       Qt::AlignLeft | Qt::AlignVCenter,
                       (m_result.fuelPlan ? tr("Fuel plan (%1)") : tr("Fuel (%1)"))
                           .arg(print::fuelUnitName(m_plan)));
        at += step;
        for (const print::FuelLine& line : lines) {
            const QRectF row(s.pad, at, blockWidth - 2 * s.pad, step);
            if (line.shortfall) {
                m_canvas->fill(row.adjusted(-s.pad * 0.5, 0, s.pad * 0.5, 0),
                               QColor(200, 200, 200));
                m_canvas->box(row.adjusted(-s.pad * 0.5, 0, s.pad * 0.5, 0), 1.2);
            }
            if (line.total && &line != &lines.front() && !(&line - 1)->total) {
                m_canvas->line(QLineF(row.left(), at, row.right(), at), 0.5);
            }
            const PageFont& font = line.total ? s.bold : s.body;
            m_canvas->text(row, font, Qt::AlignLeft | Qt::AlignVCenter, line.label);
            m_canvas->text(row, font, Qt::AlignRight | Qt::AlignVCenter, line.value);
            at += step;
        }
        // The radio's boxes beside it.
        const double left = blockWidth + s.gap;
        const double right = width() - left;
        const double small = std::max(2 * s.line + s.pad, height * 0.27);
        labelledBox(QRectF(left, y, right, small), tr("ATIS"));
        const QString three[] = {tr("QNH"), tr("Runway"), tr("Squawk")};
        for (int i = 0; i < 3; ++i) {
            labelledBox(QRectF(left + right * i / 3, y + small, right / 3, small), three[i]);
        }
        labelledBox(QRectF(left, y + 2 * small, right, height - 2 * small), tr("Clearance"));
    }

    const Plan& m_plan;
    const PlanResult& m_result;
    const RouteMapHook& m_map;
    const QSizeF m_page;
    PageMetrics m_metrics;
    const print::LogTable m_table;
    const print::Style m_style;
    const print::Heading m_heading;
    std::vector<PageCanvas> m_pages;
    PageCanvas* m_canvas = nullptr;
    double m_y = 0;
    double m_headerHeight = 0;
};

// The file write of an export, in one step that leaves an older file whole on failure.
QString saveFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return tr("The PDF file %1 cannot be written: %2.").arg(path, file.errorString());
    }
    return {};
}

}  // namespace

PlanPages::PlanPages(const Plan& plan, const PlanResult& result, const QSizeF& page,
                     const PrintHeader& header, const RouteMapHook& map)
    : m_pages(std::make_unique<Pages>()) {
    m_pages->canvases = Builder(plan, result, page, header, map).pages();
}

PlanPages::~PlanPages() = default;

int PlanPages::count() const {
    return static_cast<int>(m_pages->canvases.size());
}

void PlanPages::paint(QPainter& painter, int index) const {
    if (index >= 0 && index < count()) {
        m_pages->canvases[static_cast<std::size_t>(index)].paint(painter);
    }
}

int paintPlanPages(QPagedPaintDevice& device, const Plan& plan, const PlanResult& result,
                   const PrintHeader& header, const RouteMapHook& map) {
    const PlanPages pages(plan, result, printableSize(device), header, map);
    const bool painted = paintPages(
        device, pages.count(), [&](QPainter& painter, int index) { pages.paint(painter, index); });
    return painted ? pages.count() : 0;
}

QString writePlanPdf(const QString& path, const Plan& plan, const PlanResult& result,
                     const QPageSize& size, const PrintHeader& header, const RouteMapHook& map) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Aerolume"));
        writer.setTitle(plan.name.empty() ? tr("Navigation log") : q(plan.name));
        writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(22, 22, 22, 22),
                                         QPageLayout::Point));
        if (paintPlanPages(writer, plan, result, header, map) == 0) {
            return tr("The PDF file %1 could not be laid out.").arg(path);
        }
    }
    return saveFile(path, pdf.data());
}

}  // namespace aerolume::planning
