// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadingPdf.h"

#include <QApplication>
#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "platform/SafeFile.h"

namespace aerolume::aircraft {

namespace {

bool paintLoading(QPdfWriter& writer, const LoadingReport& report, QString* error) {
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(40, 40, 40, 40), QPageLayout::Point));
    writer.setTitle(QObject::tr("Loading of %1").arg(report.aircraft));
    writer.setCreator(QApplication::applicationName());
    QPainter painter;
    if (!painter.begin(&writer)) {
        *error = QObject::tr("the PDF writer could not start");
        return false;
    }
    // The page's printable area in the writer's units; every size below follows the
    // fonts, which are set in points.
    const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
    const QRectF area(0, 0, page.width(), page.height());

    QFont body = QApplication::font();
    body.setPointSizeF(10);
    QFont title = body;
    title.setPointSizeF(16);
    title.setBold(true);
    painter.setFont(title);
    double y = 0;
    const double titleHeight = QFontMetricsF(title, &writer).height();
    painter.drawText(QRectF(0, y, area.width(), titleHeight * 1.2), Qt::AlignLeft,
                     QObject::tr("Loading & Envelope: %1").arg(report.aircraft));
    y += titleHeight * 1.6;

    painter.setFont(body);
    const QFontMetricsF metrics(body, &writer);
    const double line = metrics.height() * 1.3;
    for (const QString& entry : report.entries) {
        painter.drawText(QRectF(0, y, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter, entry);
        y += line;
    }
    y += line * 0.5;

    // The result table: a first column for the point, then equal columns.
    const int columns = static_cast<int>(report.headers.size());
    if (columns > 0) {
        const double first = area.width() * 0.14;
        const double width = (area.width() - first) / std::max(1, columns - 1);
        const auto cellRect = [&](int c) {
            return c == 0 ? QRectF(0, y, first, line)
                          : QRectF(first + (c - 1) * width, y, width, line);
        };
        QFont bold = body;
        bold.setBold(true);
        painter.setFont(bold);
        for (int c = 0; c < columns; ++c) {
            painter.drawText(cellRect(c), Qt::AlignCenter, report.headers.at(c));
        }
        y += line;
        painter.setFont(body);
        for (const QStringList& row : report.rows) {
            for (int c = 0; c < columns && c < row.size(); ++c) {
                const Qt::Alignment align =
                    (c == 0 ? Qt::AlignLeft : Qt::AlignCenter) | Qt::AlignVCenter;
                painter.drawText(cellRect(c), static_cast<int>(align.toInt()), row.at(c));
            }
            painter.drawLine(QPointF(0, y + line), QPointF(area.width(), y + line));
            y += line;
        }
        y += line * 0.5;
    }
    for (const QString& verdict : report.verdicts) {
        const QRectF box =
            painter.boundingRect(QRectF(0, y, area.width(), line * 4), Qt::TextWordWrap, verdict);
        painter.drawText(box, Qt::TextWordWrap, verdict);
        y += box.height() + line * 0.2;
    }
    y += line * 0.5;

    // The graph fills the rest of the page, in the default light scheme.
    const double graphHeight = std::min(area.height() - y, area.width() * 0.8);
    if (graphHeight > line * 6) {
        QPalette palette;
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        palette.setColor(QPalette::Highlight, QColor(0, 70, 160));
        paintEnvelopeGraph(painter, QRectF(0, y, area.width(), graphHeight), report.graph, palette);
    }
    painter.end();
    return true;
}

}  // namespace

bool writeLoadingPdf(const QString& path, const LoadingReport& report, QString* error) {
    // Laid out in memory and written in one checked step, so a failed export leaves
    // any file of that name as it was.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        if (!paintLoading(writer, report, error)) {
            return false;
        }
    }
    *error = platform::writeFileAtomically(path, pdf.data());
    return error->isEmpty();
}

}  // namespace aerolume::aircraft
