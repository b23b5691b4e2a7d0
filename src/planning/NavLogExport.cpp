// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log's exports, as a PDF page and as CSV, and its printing.
#include "NavLogWindow.h"
#include "PlanPrint.h"
#include "PlanText.h"
#include "PrintHook.h"
#include "PrintLoader.h"
#include "airports/AirportData.h"
#include "platform/SafeFile.h"

namespace aerolume::planning {
namespace {

// An airfield's frequencies as the airport data gives them ("TWR 118.700", MHz), when the
// checkpoint was taken from the data; none for a position typed, a navaid or a fix.
QStringList frequenciesOf(const Checkpoint& point) {
    switch (point.origin.kind) {
        case PlaceKind::Airport:
        case PlaceKind::Heliport:
        case PlaceKind::SeaplaneBase:
        case PlaceKind::Balloonport:
            break;
        default:
            return {};
    }
    const airports::AirportDatabase* data = airports::AirportData::instance().database();
    if (data == nullptr) {
        return {};
    }
    // The place of that identifier nearest the checkpoint's position.
    const QList<airports::Place> places =
        data->placesNamed(QString::fromStdString(point.origin.identifier),
                          airports::GeoPoint{point.latitude, point.longitude});
    for (const airports::Place& place : places) {
        if (place.Type != airports::PlaceType::Airport) {
            continue;
        }
        QStringList texts;
        for (const airports::FrequencyInfo& f : data->frequencies(place.Id)) {
            const QString mhz = QString::number(f.mhz, 'f', 3);
            texts << (f.type.isEmpty() ? mhz : f.type + u' ' + mhz);
        }
        return texts;
    }
    return {};
}

}  // namespace

PrintHeader NavLogWindow::printHeader() const {
    const Plan& plan = m_model->plan();
    PrintHeader header;
    header.aircraft = QString::fromStdString(plan.aircraft);
    header.registration = QString::fromStdString(plan.registration);
    if (!plan.checkpoints.empty()) {
        header.departureFrequencies = frequenciesOf(plan.checkpoints.front());
        header.destinationFrequencies = frequenciesOf(plan.checkpoints.back());
    }
    return header;
}

bool NavLogWindow::exportPdf(const QString& path) {
    const QString message = writePlanPdf(path, m_model->plan(), m_model->result(), pageSize(),
                                         printHeader(), routeMapHook());
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
    const PrintHeader header = printHeader();
    const PaintPages paint = [this, &header, map = routeMapHook()](QPagedPaintDevice& device) {
        return paintPlanPages(device, m_model->plan(), m_model->result(), header, map);
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
