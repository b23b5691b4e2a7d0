// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include "AirportImporter.h"

class QWidget;

namespace aerolume::airports {

// The import as the pilot sees it: the import runs on a thread of its own under a
// progress dialog (dlgImport, "Import Airport Data") that the pilot may cancel, and a
// message box tells what became of it. Builds the new database at `target`; returns the
// import's summary once the dialog has closed.
ImportSummary importWithProgress(QWidget* parent, const QList<ImportFile>& files,
                                 const QString& target);

// The message box at the end of an import: each file's rows read, kept and skipped and
// why; or that it was cancelled, or why it failed, and that the data is as it was.
void reportImport(QWidget* parent, const ImportSummary& summary);

}  // namespace aerolume::airports
