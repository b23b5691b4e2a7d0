// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportDialogs.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <memory>

#include "AirportModule.h"

namespace aerolume::airports {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("AirportWindow", text);
}

}  // namespace

ImportSummary importWithProgress(QWidget* parent, const QList<ImportFile>& files,
                                 const QString& target) {
    QProgressDialog progress(tr("Importing the airport data..."), tr("Cancel"), 0, 1000, parent);
    progress.setObjectName(QStringLiteral("dlgImport"));
    progress.setWindowTitle(tr("Import Airport Data"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    std::atomic<int> done{0};
    std::atomic<bool> cancelled{false};
    ImportSummary summary;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        summary = importThroughModule(files, target, [&](double share) {
            done = static_cast<int>(share * 1000);
            return !cancelled.load();
        });
    }));
    QEventLoop loop;
    QTimer ticker;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QObject::connect(&ticker, &QTimer::timeout, &progress, [&] { progress.setValue(done.load()); });
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&] { cancelled = true; });
    progress.setValue(0);
    // On screen before the import begins, so that Cancel is there from its start.
    progress.show();
    worker->start();
    ticker.start(50);
    loop.exec();
    worker->wait();
    ticker.stop();
    progress.close();
    return summary;
}

void reportImport(QWidget* parent, const ImportSummary& summary) {
    const QString unchanged = tr("The airport data is as it was.");
    switch (summary.outcome) {
        case ImportSummary::Outcome::Done: {
            QStringList lines = {tr("The imported data is now in use:")};
            for (const FileTally& t : summary.files) {
                lines << tr("%1: %2 rows read, %3 kept.")
                             .arg(dataFileTitle(t.file), QString::number(t.read),
                                  QString::number(t.kept));
                for (int r = 0; r < kSkipReasons; ++r) {
                    if (const qint64 n = t.skipped[static_cast<std::size_t>(r)]; n > 0) {
                        lines << tr("    %1 skipped: %2.")
                                     .arg(QString::number(n),
                                          skipReasonText(static_cast<SkipReason>(r)));
                    }
                }
            }
            QMessageBox::information(parent, tr("Import Complete"), lines.join(QLatin1Char('\n')));
            return;
        }
        case ImportSummary::Outcome::Cancelled:
            QMessageBox::information(
                parent, tr("Import Cancelled"),
                tr("The import was cancelled.") + QLatin1Char(' ') + unchanged);
            return;
        case ImportSummary::Outcome::Refused:
        case ImportSummary::Outcome::Failed:
            QMessageBox::warning(parent, tr("Import Failed"),
                                 summary.message + QLatin1Char('\n') + unchanged);
            return;
    }
}

}  // namespace aerolume::airports
