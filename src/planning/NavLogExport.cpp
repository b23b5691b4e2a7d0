// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log's exports, as a PDF page and as CSV, and its printing.
#include <QSaveFile>

#include "NavLogWindow.h"
#include "PlanPrint.h"
#include "PlanText.h"
#include "PrintHook.h"
#include "PrintLoader.h"

namespace aerolume::planning {

bool NavLogWindow::exportPdf(const QString& path) {
    const QString message = writePlanPdf(path, m_model->plan(), m_model->result(), pageSize());
    if (!message.isEmpty()) {
        m_document->warn(message);
        return false;
    }
    return true;
}

bool NavLogWindow::exportCsv(const QString& path) {
    QSaveFile file(path);
    const QByteArray csv = QByteArray::fromStdString(planCsv(m_model->plan(), m_model->result()));
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        m_document->warn(
            tr("The CSV file %1 cannot be written: %2.").arg(path, file.errorString()));
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
    const PaintPages paint = [this](QPagedPaintDevice& device) {
        return paintPlanPages(device, m_model->plan(), m_model->result());
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
