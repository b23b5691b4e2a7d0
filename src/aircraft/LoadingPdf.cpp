// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadingPdf.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <array>

#include "common/FormatMask.h"

namespace aerolume::aircraft {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("LoadingPdf", text);
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

QString fixed(const std::optional<double>& value, int decimals) {
    return value ? q(formatFixed(*value, decimals)) : QString();
}

// Item, fuel, weight, arm, moment, % MAC, limit.
constexpr int kColumns = 7;
constexpr std::size_t kMacColumn = 5;

QString itemName(const Aircraft& a, const SheetLine& line) {
    const auto tank = [&] { return q(a.tanks[static_cast<std::size_t>(line.index)].name); };
    switch (line.kind) {
        case SheetLineKind::EmptyWeight:
            return tr("Empty weight");
        case SheetLineKind::Station:
            return q(a.stations[static_cast<std::size_t>(line.index)].name);
        case SheetLineKind::Fuel:
            return tr("Fuel, %1").arg(tank());
        case SheetLineKind::Ramp:
            return tr("Ramp weight and CG");
        case SheetLineKind::TaxiFuel:
            return tr("Less taxi fuel");
        case SheetLineKind::Takeoff:
            return tr("Take-off weight and CG");
        case SheetLineKind::FuelBurned:
            return tr("Less fuel burned, %1").arg(tank());
        case SheetLineKind::Landing:
            return tr("Landing weight and CG");
    }
    return {};
}

// The cells of one line of the table.
std::array<QString, kColumns> cells(const LoadingReport& report, const SheetLine& line) {
    const Aircraft& a = report.aircraft;
    const QString weight = QString::fromLatin1(weightUnit(a.units));
    const QString volume = QString::fromLatin1(volumeUnit(a.units));
    QString limit;
    if (line.limit) {
        limit = line.kind == SheetLineKind::Fuel
                    ? tr("capacity %1 %2").arg(fixed(line.limit, 1), volume)
                    : tr("max %1 %2").arg(fixed(line.limit, 1), weight);
    }
    return {itemName(a, line),
            fixed(line.volume, 1),
            fixed(line.weight, 1),
            line.arm ? fixed(line.arm, armDecimals(a.units)) : tr("none"),
            fixed(line.moment, momentDecimals(a.units)),
            fixed(line.percentMac, 1),
            limit};
}

class Form {
public:
    Form(const LoadingReport& report, const QSizeF& page) : m_report(report), m_page(page) {}

    PageCanvas draw() {
        heading();
        table();
        verdicts();
        graph();
        return std::move(m_canvas);
    }

private:
    double width() const { return m_page.width(); }

    void heading() {
        const Aircraft& a = m_report.aircraft;
        const double title = m_metrics.lineHeight(m_title);
        m_canvas.text(QRectF(0, 0, width(), title), m_title, Qt::AlignLeft | Qt::AlignVCenter,
                      tr("Weight and balance"));
        m_canvas.text(QRectF(0, 0, width(), title), m_body, Qt::AlignRight | Qt::AlignVCenter,
                      m_report.date.toString(Qt::ISODate));
        m_y = title + m_line * 0.5;
        const QString registration =
            a.registration.empty() ? QStringLiteral("________") : q(a.registration);
        m_canvas.text(QRectF(0, m_y, width(), m_line), m_body, Qt::AlignLeft | Qt::AlignVCenter,
                      tr("Aircraft"));
        const double label = m_metrics.width(m_body, tr("Aircraft")) + m_pad * 2;
        m_canvas.text(QRectF(label, m_y, width() - label, m_line), m_bold,
                      Qt::AlignLeft | Qt::AlignVCenter, tr("%1   %2").arg(q(a.name), registration));
        m_y += m_line;
        const QString weight = QString::fromLatin1(weightUnit(a.units));
        const QString arm = QString::fromLatin1(armUnit(a.units));
        m_canvas.text(QRectF(0, m_y, width(), m_line * 2.2), m_body,
                      Qt::AlignLeft | Qt::TextWordWrap,
                      tr("Weight: %1. Arm: %2 aft of the datum. Moment: %1·%2, weight × arm. "
                         "Fuel: %3. A total's arm is its CG, its moment divided by its weight; "
                         "what leaves the aircraft is less.")
                          .arg(weight, arm, QString::fromLatin1(volumeUnit(a.units))));
        m_y += m_line * 2.6;
    }

    void table() {
        const Aircraft& a = m_report.aircraft;
        const QString weight = QString::fromLatin1(weightUnit(a.units));
        const QString arm = QString::fromLatin1(armUnit(a.units));
        const std::array<QString, kColumns> captions = {
            tr("Item"),
            tr("Fuel\n%1").arg(QString::fromLatin1(volumeUnit(a.units))),
            tr("Weight\n%1").arg(weight),
            tr("Arm\n%1").arg(arm),
            tr("Moment\n%1·%2").arg(weight, arm),
            tr("CG\n% MAC"),
            tr("Limit")};
        std::vector<std::array<QString, kColumns>> rows;
        for (const SheetLine& line : m_report.lines) {
            rows.push_back(cells(m_report, line));
        }
        widths(captions, rows);
        const double height = m_line * 1.6;
        row(captions, m_y, height * 1.5, true);
        m_y += height * 1.5;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            row(rows[i], m_y, height, m_report.lines[i].total);
            m_y += height;
        }
    }

    // Each column as wide as its widest text; the item's takes what is left (its
    // texts cut to fit when too little is); no % MAC without a MAC.
    void widths(const std::array<QString, kColumns>& captions,
                const std::vector<std::array<QString, kColumns>>& rows) {
        const bool mac = m_report.aircraft.lemac && m_report.aircraft.macLength;
        double others = 0;
        for (std::size_t c = 1; c < kColumns; ++c) {
            double widest = 0;
            for (const QString& line : captions[c].split(u'\n')) {
                widest = std::max(widest, m_metrics.width(m_bold, line));
            }
            for (const auto& texts : rows) {
                widest = std::max(widest, m_metrics.width(m_bold, texts[c]));
            }
            m_widths[c] = c == kMacColumn && !mac ? 0 : widest + 2 * m_pad;
            others += m_widths[c];
        }
        m_widths[0] = std::max(width() * 0.2, width() - others);
        const double stretch = width() / (m_widths[0] + others);
        for (double& w : m_widths) {
            w *= stretch;
        }
    }

    void row(const std::array<QString, kColumns>& texts, double y, double height, bool shaded) {
        double x = 0;
        if (shaded) {
            m_canvas.fill(QRectF(0, y, width(), height), QColor(228, 228, 228));
        }
        const PageFont& font = shaded ? m_bold : m_body;
        for (std::size_t c = 0; c < kColumns; ++c) {
            const double w = m_widths[c];
            if (w == 0) {
                continue;
            }
            const QRectF box(x, y, w, height);
            m_canvas.box(box);
            const QRectF inner = box.adjusted(m_pad, 0, -m_pad, 0);
            const int align = (c == 0 || c == kColumns - 1) ? Qt::AlignLeft : Qt::AlignRight;
            const QString& text = texts[c];
            m_canvas.text(
                inner, font, align | Qt::AlignVCenter,
                text.contains(u'\n') ? text : m_metrics.elided(font, text, inner.width()));
            x += w;
        }
    }

    void verdicts() {
        m_y += m_line;
        for (const QString& verdict : m_report.verdicts) {
            const double height = m_metrics.wrappedHeight(m_body, verdict, width());
            m_canvas.text(QRectF(0, m_y, width(), height + 1), m_body,
                          Qt::AlignLeft | Qt::TextWordWrap, verdict);
            m_y += height + m_line * 0.2;
        }
    }

    void graph() {
        const double signature = m_line * 2.5;
        const double top = m_y + m_line;
        const double height = std::min(m_page.height() - top - signature, width() * 0.75);
        if (height > m_line * 6) {
            const GraphData data = m_report.graph;
            m_canvas.picture(QRectF(0, top, width(), height),
                             [data](QPainter& painter, const QRectF& area) {
                                 QPalette palette;
                                 palette.setColor(QPalette::Base, Qt::white);
                                 palette.setColor(QPalette::Text, Qt::black);
                                 palette.setColor(QPalette::Highlight, QColor(0, 70, 160));
                                 painter.setFont(deviceFont({9, false}, painter.device()));
                                 paintEnvelopeGraph(painter, area, data, palette);
                             });
        }
        const double y = m_page.height() - m_line * 1.2;
        const QString sign = tr("Checked by");
        const double at = m_metrics.width(m_body, sign) + m_line * 0.5;
        m_canvas.text(QRectF(0, y - m_line, width(), m_line), m_body,
                      Qt::AlignLeft | Qt::AlignBottom, sign);
        m_canvas.line(QLineF(at, y, width() * 0.6, y));
        m_canvas.text(QRectF(width() * 0.62, y - m_line, width(), m_line), m_body,
                      Qt::AlignLeft | Qt::AlignBottom, tr("Date"));
        m_canvas.line(QLineF(width() * 0.62 + m_metrics.width(m_body, tr("Date")) + m_line * 0.5, y,
                             width(), y));
    }

    const LoadingReport& m_report;
    const QSizeF m_page;
    PageMetrics m_metrics;
    const PageFont m_body{10, false};
    const PageFont m_bold{10, true};
    const PageFont m_title{16, true};
    const double m_line = PageMetrics().lineHeight(m_body);
    const double m_pad = m_body.points * 0.4;
    std::array<double, kColumns> m_widths{};
    PageCanvas m_canvas;
    double m_y = 0;
};

// The file write of an export, in one step that leaves an older file whole on failure.
QString saveFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return {};
}

}  // namespace

PageCanvas loadingForm(const LoadingReport& report, const QSizeF& page) {
    return Form(report, page).draw();
}

bool writeLoadingPdf(const QString& path, const LoadingReport& report, QString* error) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(40, 40, 40, 40), QPageLayout::Point));
        writer.setTitle(tr("Weight and balance of %1").arg(q(report.aircraft.name)));
        writer.setCreator(QCoreApplication::applicationName());
        const PageCanvas form = loadingForm(report, printableSize(writer));
        if (!paintPages(writer, 1, [&](QPainter& painter, int) { form.paint(painter); })) {
            *error = tr("the PDF writer could not start");
            return false;
        }
    }
    *error = saveFile(path, pdf.data());
    return error->isEmpty();
}

}  // namespace aerolume::aircraft
