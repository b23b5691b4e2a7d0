// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log's exports, as a PDF page and as CSV, and its printing.
#include "NavLogWindow.h"
#include "PlanPrint.h"
#include "PlanText.h"
#include "PrintHook.h"
#include "PrintLoader.h"
#include "platform/SafeFile.h"

namespace aerolume::planning {

bool NavLogWindow::exportPdf(const QString& path) {
    const QString message =
        writePlanPdf(path, m_model->plan(), m_model->result(), pageSize(), {}, routeMapHook());
    if (!message.isEmpty()) {
        m_document->warn(message);
        return false;
    }
    return true;
}

bool NavLogWindow::exportCsv(const QString& path) {
    const QString failure = platform::writeFileAtomically(
        path, QByteArray::fromStdString(planCsv(m_model->plan(), m_model->result())));
    if (!failure.isEmpty()) {
        m_document->warn(platform::saveFailureMessage(path, failure));
        return false;
    }
    return true;
}

bool NavLogWindow::print() {
    const auto printPages = reinterpret_cast<PrintFunction>(resolvePrintSymbol(kPrintSymbol));
    if (printPages == nullptr) {
        report(
            tr("Printing is not available on this computer. Use Export PDF in the File "
               "menu and print the PDF file instead."));
        return false;
    }
    const QPageSize size = pageSize();
    const PaintPages paint = [this, map = routeMapHook()](QPagedPaintDevice& device) {
        return paintPlanPages(device, m_model->plan(), m_model->result(), {}, map);
    };
    const int pages = printPages(this, &size, &paint);
    if (pages < 0) {
        report(tr("The navigation log could not be printed."));
    }
    return pages > 0;
}

void NavLogWindow::mnuExportPdf_Click() {
    const QString path =
        m_document->askFile(true, tr("Export PDF"), tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (!path.isEmpty()) {
        exportPdf(path);
    }
}

void NavLogWindow::mnuExportCsv_Click() {
    const QString path =
        m_document->askFile(true, tr("Export CSV"), tr("CSV files (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty()) {
        exportCsv(path);
    }
}

void NavLogWindow::mnuPrint_Click() {
    print();
}

}  // namespace aerolume::planning
