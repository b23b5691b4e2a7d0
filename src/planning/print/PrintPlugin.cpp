// SPDX-License-Identifier: GPL-3.0-or-later
// The print module (planning/PrintHook.h): the only part of the program that links
// the print support library.
#include <QCoreApplication>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

#include "planning/PrintHook.h"

using aerolume::planning::PaintPages;

namespace {

void setUpPage(QPrinter& printer, const QPageSize& size) {
    printer.setPageSize(size);
    printer.setPageOrientation(QPageLayout::Portrait);
}

int paintOn(QPrinter& printer, const PaintPages& paint) {
    const int pages = paint(printer);
    return printer.printerState() == QPrinter::Error ? -1 : pages;
}

}  // namespace

extern "C" Q_DECL_EXPORT int aerolume_print(QWidget* parent, const QPageSize* size,
                                            const PaintPages* paint) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPage(printer, *size);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    dialog.setWindowTitle(QCoreApplication::translate("PrintPlugin", "Print Navigation Log"));
    // The pages are painted whole: no page ranges, current page or selection.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted) {
        return 0;
    }
    return paintOn(printer, *paint);
}

extern "C" Q_DECL_EXPORT int aerolume_print_to_file(const QString* path, const QPageSize* size,
                                                    const PaintPages* paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*path);
    setUpPage(printer, *size);
    return paintOn(printer, *paint);
}
